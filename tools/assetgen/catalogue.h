#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// Where a generated file goes: the bitmaps and the icon are built into the
// program, the wave files are installed beside it.
enum class AssetFolder { resources, sounds };

struct AssetFile {
  AssetFolder folder;
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// Every file the game carries, encoded. The same bytes on every run.
std::vector<AssetFile> build_all_assets();

}  // namespace assetgen
