// A provider that stacks others: a locale's own file over a language file over the defaults.
// For each lookup the first layer, in the given order, that holds the key as a value of the
// asked kind answers, so a key that a layer holds as a string does not hide a list of the
// same key further down. Layers are shared and must not change while in use.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::ResourceManager {

class LayeredResourceProvider final : public ResourceProvider {
 public:
  using Layer = std::shared_ptr<const ResourceProvider>;

  // Highest priority first. A null layer fails the assertion "layer".
  explicit LayeredResourceProvider(std::vector<Layer> layers);

  boost::optional<std::string> getResourceString(const std::string& key) const override;
  boost::optional<std::vector<std::string>> getResourceStringArray(
      const std::string& key) const override;
  boost::optional<bool> getResourceBoolean(const std::string& key) const override;

 private:
  std::vector<Layer> _layers;
};

}  // namespace Vesk::ResourceManager
