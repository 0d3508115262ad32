#pragma once

#include <cstdint>

namespace platform {

// A colour as the drawing calls take it: 0x00BBGGRR, red in the lowest byte.
using Colour = std::uint32_t;

constexpr Colour make_colour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}
constexpr std::uint8_t red_of(Colour colour) {
  return colour & 0xFF;
}
constexpr std::uint8_t green_of(Colour colour) {
  return (colour >> 8) & 0xFF;
}
constexpr std::uint8_t blue_of(Colour colour) {
  return (colour >> 16) & 0xFF;
}

constexpr Colour kWhite = make_colour(255, 255, 255);
constexpr Colour kBlack = make_colour(0, 0, 0);

}  // namespace platform
