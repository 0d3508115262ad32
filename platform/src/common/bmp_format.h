#pragma once

// The layout of a BMP file as this platform reads and writes it: a 14-byte
// file header, then an info header (the 12-byte core header or the 40-byte
// info header, possibly extended up to 124 bytes), then the palette, then the
// pixel rows. Every number is little-endian. Offsets are from the start of
// the file.

#include <cstddef>
#include <cstdint>
#include <span>

namespace platform::detail::bmp_format {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kFileSize = 2;          // u32, the whole file; not trusted
constexpr std::size_t kFilePixelOffset = 10;  // u32, where the first row starts

constexpr std::size_t kInfoHeaderSizeField = 14;  // u32, which header follows

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::size_t kCoreWidth = 18;   // u16
constexpr std::size_t kCoreHeight = 20;  // u16, rows always bottom-up
constexpr std::size_t kCorePlanes = 22;  // u16
constexpr std::size_t kCoreDepth = 24;   // u16

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kInfoV2HeaderSize = 52;
constexpr std::uint32_t kInfoV3HeaderSize = 56;
constexpr std::uint32_t kInfoV4HeaderSize = 108;
constexpr std::uint32_t kInfoV5HeaderSize = 124;
constexpr std::size_t kInfoWidth = 18;        // i32
constexpr std::size_t kInfoHeight = 22;       // i32, negative for top-down rows
constexpr std::size_t kInfoPlanes = 26;       // u16, always 1
constexpr std::size_t kInfoDepth = 28;        // u16, bits a pixel
constexpr std::size_t kInfoCompression = 30;  // u32
constexpr std::size_t kInfoImageSize = 34;    // u32, may be 0 when uncompressed
constexpr std::size_t kInfoColoursUsed = 46;  // u32, palette entries; 0 for all
constexpr std::uint32_t kUncompressed = 0;    // the BI_RGB compression code

// Little-endian fields; the caller has checked that the bytes are there.
inline std::uint16_t read_u16(std::span<const std::uint8_t> file, std::size_t at) {
  return static_cast<std::uint16_t>(file[at] | (file[at + 1] << 8));
}

inline std::uint32_t read_u32(std::span<const std::uint8_t> file, std::size_t at) {
  return std::uint32_t{file[at]} | (std::uint32_t{file[at + 1]} << 8) |
         (std::uint32_t{file[at + 2]} << 16) | (std::uint32_t{file[at + 3]} << 24);
}

inline std::int32_t read_i32(std::span<const std::uint8_t> file, std::size_t at) {
  return static_cast<std::int32_t>(read_u32(file, at));
}

inline void write_u16(std::span<std::uint8_t> file, std::size_t at, std::uint16_t value) {
  file[at] = static_cast<std::uint8_t>(value);
  file[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void write_u32(std::span<std::uint8_t> file, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i)
    file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace platform::detail::bmp_format
