#include "platform/resources.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/bitmap_internal.h"
#include "platform/bmp.h"

namespace platform {

class Instance {
 public:
  Instance(std::string name, std::span<const Resource> resources)
      : name_(std::move(name)), resources_(resources) {}

  const std::string& name() const { return name_; }
  std::span<const Resource> resources() const { return resources_; }

  bool same_program(const char* name, std::span<const Resource> resources) const {
    return name_ == name && resources_.data() == resources.data() &&
           resources_.size() == resources.size();
  }

 private:
  std::string name_;
  std::span<const Resource> resources_;
};

namespace {

struct InstanceTable {
  std::mutex lock;
  std::vector<std::unique_ptr<Instance>> instances;
};

// Instances live until the process ends; the table is never destroyed.
InstanceTable& instances() {
  static auto* table = new InstanceTable;
  return *table;
}

}  // namespace

Instance* program_instance(const char* program_name, std::span<const Resource> resources) {
  if (program_name == nullptr) return nullptr;
  InstanceTable& table = instances();
  std::lock_guard lock(table.lock);
  // Asking again for the same program gives the same instance.
  for (const auto& instance : table.instances) {
    if (instance->same_program(program_name, resources)) return instance.get();
  }
  table.instances.push_back(std::make_unique<Instance>(program_name, resources));
  return table.instances.back().get();
}

const char* instance_program_name(const Instance* instance) {
  return instance != nullptr ? instance->name().c_str() : nullptr;
}

const Resource* find_resource(const Instance* instance, ResourceType type, const char* name) {
  if (instance == nullptr || name == nullptr) return nullptr;
  for (const Resource& resource : instance->resources()) {
    if (resource.type == type && resource.name != nullptr &&
        std::strcmp(resource.name, name) == 0) {
      return &resource;
    }
  }
  return nullptr;
}

Bitmap* load_bitmap(const Instance* instance, const char* name) {
  const Resource* resource = find_resource(instance, ResourceType::bitmap, name);
  if (resource == nullptr || resource->data == nullptr) return nullptr;
  DecodedBitmap decoded;
  if (decode_bmp({resource->data, resource->size}, decoded) != BmpError::none) return nullptr;
  // The decoder has held the picture to the bitmap size limits.
  Bitmap* bitmap = detail::adopt_bitmap(decoded.width, decoded.height);
  std::memcpy(bitmap->bits(), decoded.pixels.data(), decoded.pixels.size());
  return bitmap;
}

}  // namespace platform
