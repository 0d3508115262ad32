#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/bitmap.h"

namespace platform {

enum class ResourceType : std::uint8_t { bitmap, icon_group };

// One resource built into a program (see cmake/EmbedResources.cmake). The
// bytes are the file as it is stored: a BMP file for a bitmap, an ICO file for
// an icon group.
struct Resource {
  ResourceType type;
  const char* name;
  std::uint16_t language;
  const std::uint8_t* data;
  std::size_t size;
};

// A running program as the platform knows it: its name (used for its
// installed data folder) and its resources.
class Instance;

// The instance of a program with the given resource table. The table must
// outlive the instance; the instance lives until the end of the process.
// Asking again with the same name and table gives the same instance. Null
// when the name is null.
Instance* program_instance(const char* program_name, std::span<const Resource> resources);

const char* instance_program_name(const Instance* instance);

// The resource of the given type and name (names compare byte for byte), or null.
const Resource* find_resource(const Instance* instance, ResourceType type, const char* name);

// Decodes the named bitmap resource of an instance into a new 24-bit bitmap.
// Null when the instance is null, no such resource exists or it does not decode.
Bitmap* load_bitmap(const Instance* instance, const char* name);

}  // namespace platform
