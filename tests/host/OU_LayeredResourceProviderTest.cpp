#include "host/ResourceManager/OU_LayeredResourceProvider.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_Assert.h"

namespace Vesk::ResourceManager {
namespace {

using Layer = LayeredResourceProvider::Layer;

// "none" or "[a|b]": a compact form that tells an absent list from an empty one.
std::string dump(const boost::optional<std::vector<std::string>>& list) {
  if (!list) return "none";
  std::string text = "[";
  for (const auto& item : *list) text += (text.size() > 1 ? "|" : "") + item;
  return text + "]";
}

TEST(LayeredResourceProvider, FirstLayerHoldingTheKeyAnswersEachOperation) {
  const auto top = std::make_shared<const MapResourceProvider>(
      MapResourceProvider{{"both", "top"}, {"string-over-list", "top"}, {"flag-over-flag", false}});
  const auto middle = std::make_shared<const MapResourceProvider>(
      MapResourceProvider{{"both", "middle"},
                          {"string-over-list", {"middle"}},
                          {"flag-over-flag", true},
                          {"middle-only", {"m1", "m2"}}});
  const auto bottom = std::make_shared<const MapResourceProvider>(
      MapResourceProvider{{"both", "bottom"}, {"bottom-only", true}});
  const LayeredResourceProvider layered({top, middle, bottom});

  EXPECT_EQ(layered.getResourceString("both"), std::string("top"));
  // A string in a higher layer does not hide a list further down, and the reverse.
  EXPECT_EQ(layered.getResourceString("string-over-list"), std::string("top"));
  EXPECT_EQ(dump(layered.getResourceStringArray("string-over-list")), "[middle]");
  // false is a value: it hides the true below it.
  EXPECT_EQ(layered.getResourceBoolean("flag-over-flag"), false);
  EXPECT_EQ(dump(layered.getResourceStringArray("middle-only")), "[m1|m2]");
  EXPECT_EQ(layered.getResourceBoolean("bottom-only"), true);
  EXPECT_EQ(layered.getResourceString("nowhere"), boost::none);
  EXPECT_EQ(layered.safeGetResourceString("nowhere"), "");
  EXPECT_EQ(layered.safeGetResourceString("both"), "top");

  const LayeredResourceProvider reversed({bottom, middle, top});
  EXPECT_EQ(reversed.getResourceString("both"), std::string("bottom"));
  EXPECT_EQ(reversed.getResourceBoolean("flag-over-flag"), true);
}

TEST(LayeredResourceProvider, NoLayersHoldNothing) {
  const LayeredResourceProvider layered({});
  EXPECT_EQ(layered.getResourceString("k"), boost::none);
  EXPECT_EQ(dump(layered.getResourceStringArray("k")), "none");
  EXPECT_EQ(layered.getResourceBoolean("k"), boost::none);
}

TEST(LayeredResourceProvider, NullLayerFailsItsAssertion) {
  const auto layer = std::make_shared<const MapResourceProvider>();
  try {
    LayeredResourceProvider layered({layer, nullptr});
    FAIL() << "no assertion";
  } catch (const AssertionFailure& failure) {
    EXPECT_EQ(failure.file(), "host/ResourceManager/OU_LayeredResourceProvider");
    EXPECT_EQ(failure.condition(), "layer");
  }
}

// Property: over random stacks, each operation answers with the value of the first layer
// whose row for the key has that operation's kind.
TEST(LayeredResourceProvider, AgreesWithAScanOfTheRows) {
  std::mt19937 random(7);
  const std::vector<std::string> keys = {"a", "b", "c", "d"};
  for (int round = 0; round < 300; ++round) {
    std::vector<std::vector<MapResourceProvider::Row>> rows(random() % 4);
    std::vector<Layer> layers;
    for (std::size_t layer = 0; layer < rows.size(); ++layer) {
      for (const std::string& key : keys) {
        const std::string text = key + std::to_string(layer);
        switch (random() % 4) {
          case 0:
            break;  // the layer lacks the key
          case 1:
            rows[layer].emplace_back(key, text);
            break;
          case 2:
            rows[layer].emplace_back(key, std::vector<std::string>{text});
            break;
          default:
            rows[layer].emplace_back(key, random() % 2 == 0);
            break;
        }
      }
      layers.push_back(std::make_shared<const MapResourceProvider>(rows[layer]));
    }
    const LayeredResourceProvider layered(layers);
    for (const std::string& key : keys) {
      boost::optional<std::string> text;
      boost::optional<std::vector<std::string>> list;
      boost::optional<bool> flag;
      for (const auto& layerRows : rows) {
        for (const auto& row : layerRows) {
          if (row.key != key) continue;
          if (const auto* value = boost::get<std::string>(&row.value); value && !text) {
            text = *value;
          }
          if (const auto* value = boost::get<std::vector<std::string>>(&row.value);
              value && !list) {
            list = *value;
          }
          if (const auto* value = boost::get<bool>(&row.value); value && !flag) flag = *value;
        }
      }
      SCOPED_TRACE(testing::Message() << "round " << round << " key " << key);
      EXPECT_EQ(layered.getResourceString(key), text);
      EXPECT_EQ(dump(layered.getResourceStringArray(key)), dump(list));
      EXPECT_EQ(layered.getResourceBoolean(key), flag);
    }
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
