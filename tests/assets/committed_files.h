#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace asset_test {

using Bytes = std::vector<std::uint8_t>;

// Where the game keeps the generated files in the source tree.
std::filesystem::path resource_dir();
std::filesystem::path sound_dir();

Bytes read_bytes(const std::filesystem::path& path);

// Little-endian fields of a file, 0 past its end.
std::uint32_t u16_at(const Bytes& bytes, std::size_t at);
std::uint32_t u32_at(const Bytes& bytes, std::size_t at);

}  // namespace asset_test
