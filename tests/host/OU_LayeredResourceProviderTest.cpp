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
TEST(LayeredResourceProvider, AgreesWithTheFirstLayerOfEachKind) {
  using Strings = std::vector<std::string>;
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    boost::optional<std::string> text[4];
    boost::optional<Strings> list[4];
    boost::optional<bool> flag[4];
    std::vector<Layer> layers(random() % 4);
    for (std::size_t layer = 0; layer < layers.size(); ++layer) {
      std::vector<MapResourceProvider::Row> rows;
      for (std::size_t k = 0; k < 4; ++k) {
        const std::string key(1, "abcd"[k]), value = key + std::to_string(layer);
        const auto kind = random() % 4;  // 0: the layer lacks the key
        if (kind == 1) rows.emplace_back(key, value);
        if (kind == 2) rows.emplace_back(key, Strings{value});
        if (kind == 3) rows.emplace_back(key, random() % 2 == 0);
        if (kind == 1 && !text[k]) text[k] = value;
        if (kind == 2 && !list[k]) list[k] = Strings{value};
        if (kind == 3 && !flag[k]) flag[k] = boost::get<bool>(rows.back().value);
      }
      layers[layer] = std::make_shared<const MapResourceProvider>(rows);
    }
    const LayeredResourceProvider layered(layers);
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(answers(layered, std::string(1, "abcd"[k])), answers(text[k], list[k], flag[k]))
          << "round " << round << " key " << k;
    }
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
