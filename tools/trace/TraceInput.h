#pragma once

// The input of kelvro-trace: one line per frame of play holding the keys held
// on that frame, as letters in any order:
//
//   F  Space (fire)     L  Left     R  Right
//   U  Up               D  Down     E  Escape
//
// A line of "-", or an empty line, holds no key.

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FrameKeys {
  bool fire = false;
  bool left = false;
  bool right = false;
  bool up = false;
  bool down = false;
  bool escape = false;
};

struct TraceInput {
  std::vector<FrameKeys> frames;
  std::string error;  // "line N: ..." when the input is bad; empty otherwise
};

// The keys of one line (without its line end); nullopt for a letter that
// names no key, whose position goes to *bad_column (from 1) when given.
std::optional<FrameKeys> ParseFrameKeys(std::string_view line, int* bad_column = nullptr);

// Every line of `in`; stops at the first bad line.
TraceInput ParseTraceInput(std::istream& in);

// The stage argument: exactly "0" to "5".
std::optional<std::int16_t> ParseStageArgument(std::string_view text);
