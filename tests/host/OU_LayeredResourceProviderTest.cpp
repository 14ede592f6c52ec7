#include "host/ResourceManager/OU_LayeredResourceProvider.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/OU_TestSupport.h"
#include "tests/host/OU_ResourceTestSupport.h"

namespace Vesk::ResourceManager {
namespace {

using Layer = LayeredResourceProvider::Layer;
using Testing::answers;

TEST(LayeredResourceProvider, NullLayerFailsItsAssertion) {
  const auto layer = std::make_shared<const MapResourceProvider>();
  EXPECT_ASSERTION(LayeredResourceProvider layered({layer, nullptr}),
                   "host/ResourceManager/OU_LayeredResourceProvider", "layer");
}

// Property: over random stacks (none to three layers), each operation answers with the value of the
// first layer whose row for the key has that operation's kind.
TEST(LayeredResourceProvider, AgreesWithAScanOfTheRows) {
  std::mt19937 random(7);
  const std::vector<std::string> keys = {"a", "b", "c", "d"};
  for (int round = 0; round < 300; ++round) {
    std::vector<std::vector<MapResourceProvider::Row>> rows(random() % 4);
    std::vector<Layer> layers;
    for (std::size_t layer = 0; layer < rows.size(); ++layer) {
      for (const std::string& key : keys) {
        const std::string text = key + std::to_string(layer);
        const auto kind = random() % 4;  // 0: the layer lacks the key
        if (kind == 1) rows[layer].emplace_back(key, text);
        if (kind == 2) rows[layer].emplace_back(key, std::vector<std::string>{text});
        if (kind == 3) rows[layer].emplace_back(key, random() % 2 == 0);
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
          if (const auto* value = boost::get<std::string>(&row.value); value && !text)
            text = *value;
          if (const auto* value = boost::get<std::vector<std::string>>(&row.value); value && !list)
            list = *value;
          if (const auto* value = boost::get<bool>(&row.value); value && !flag) flag = *value;
        }
      }
      SCOPED_TRACE(testing::Message() << "round " << round << " key " << key);
      EXPECT_EQ(answers(layered, key), answers(text, list, flag));
    }
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
