#include "host/ResourceManager/OU_LayeredResourceProvider.h"

#include <utility>

#include "host/Utils/OU_Assert.h"

namespace Vesk::ResourceManager {

namespace {

constexpr const char* SourceFile = "host/ResourceManager/OU_LayeredResourceProvider";

template <typename Getter>
auto firstAnswer(const std::vector<LayeredResourceProvider::Layer>& layers, Getter get)
    -> decltype(get(*layers.front())) {
  for (const auto& layer : layers) {
    if (auto value = get(*layer)) return value;
  }
  return boost::none;
}

}  // namespace

LayeredResourceProvider::LayeredResourceProvider(std::vector<Layer> layers)
    : _layers(std::move(layers)) {
  for (const auto& layer : _layers) {
    if (!layer) doFailAssert(SourceFile, __LINE__, "layer");
  }
}

boost::optional<std::string> LayeredResourceProvider::getResourceString(
    const std::string& key) const {
  return firstAnswer(_layers, [&](const ResourceProvider& p) { return p.getResourceString(key); });
}

boost::optional<std::vector<std::string>> LayeredResourceProvider::getResourceStringArray(
    const std::string& key) const {
  return firstAnswer(_layers,
                     [&](const ResourceProvider& p) { return p.getResourceStringArray(key); });
}

boost::optional<bool> LayeredResourceProvider::getResourceBoolean(const std::string& key) const {
  return firstAnswer(_layers, [&](const ResourceProvider& p) { return p.getResourceBoolean(key); });
}

}  // namespace Vesk::ResourceManager
