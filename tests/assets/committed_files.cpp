#include "committed_files.h"

#include <fstream>
#include <iterator>

namespace asset_test {

std::filesystem::path resource_dir() {
  return std::filesystem::path(KELVRO_GAME_DIR) / "resources";
}

std::filesystem::path sound_dir() {
  return std::filesystem::path(KELVRO_GAME_DIR) / "sounds";
}

Bytes read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t u16_at(const Bytes& bytes, std::size_t at) {
  if (at + 2 > bytes.size()) return 0;
  return bytes[at] | (std::uint32_t{bytes[at + 1]} << 8);
}

std::uint32_t u32_at(const Bytes& bytes, std::size_t at) {
  if (at + 4 > bytes.size()) return 0;
  return u16_at(bytes, at) | (u16_at(bytes, at + 2) << 16);
}

}  // namespace asset_test
