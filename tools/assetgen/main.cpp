// kelvro-assetgen RESOURCE_DIR SOUND_DIR
//
// Writes every bitmap, the icon group and every wave file of the game. The
// output depends on nothing but this program, so the committed files can be
// checked by generating them again and comparing bytes.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "catalogue.h"

namespace {

namespace fs = std::filesystem;

bool write_file(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

bool prepare_folder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder)) {
    std::fprintf(stderr, "kelvro-assetgen: cannot create folder %s\n", folder.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kelvro-assetgen RESOURCE_DIR SOUND_DIR\n");
    return 2;
  }
  const fs::path resource_folder = argv[1];
  const fs::path sound_folder = argv[2];
  if (!prepare_folder(resource_folder) || !prepare_folder(sound_folder)) return 1;

  for (const assetgen::AssetFile& file : assetgen::build_all_assets()) {
    const fs::path folder =
        file.folder == assetgen::AssetFolder::resources ? resource_folder : sound_folder;
    const fs::path path = folder / file.name;
    if (!write_file(path, file.bytes)) {
      std::fprintf(stderr, "kelvro-assetgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
