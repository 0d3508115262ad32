#include "TraceInput.h"

namespace {

// Sets the key that `letter` names; false for any other letter.
bool SetKey(char letter, FrameKeys& keys) {
  switch (letter) {
    case 'F':
      keys.fire = true;
      return true;
    case 'L':
      keys.left = true;
      return true;
    case 'R':
      keys.right = true;
      return true;
    case 'U':
      keys.up = true;
      return true;
    case 'D':
      keys.down = true;
      return true;
    case 'E':
      keys.escape = true;
      return true;
    default:
      return false;
  }
}

// A file written on another desktop may end its lines with "\r\n".
std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string BadLetterMessage(int line_number, std::string_view line, int column) {
  const char letter = line[static_cast<std::size_t>(column - 1)];
  std::string message = "line " + std::to_string(line_number) + ": ";
  message += "unknown key letter '" + std::string(1, letter) + "' at column ";
  message += std::to_string(column) + " (keys are F L R U D E, or - for none)";
  return message;
}

}  // namespace

std::optional<FrameKeys> ParseFrameKeys(std::string_view line, int* bad_column) {
  FrameKeys keys;
  if (line == "-") return keys;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (SetKey(line[i], keys)) continue;
    if (bad_column) *bad_column = static_cast<int>(i) + 1;
    return std::nullopt;
  }
  return keys;
}

TraceInput ParseTraceInput(std::istream& in) {
  TraceInput input;
  std::string text;
  for (int line_number = 1; std::getline(in, text); ++line_number) {
    const std::string_view line = WithoutCarriageReturn(text);
    int bad_column = 0;
    const std::optional<FrameKeys> keys = ParseFrameKeys(line, &bad_column);
    if (!keys) {
      input.error = BadLetterMessage(line_number, line, bad_column);
      return input;
    }
    input.frames.push_back(*keys);
  }
  return input;
}

std::optional<std::int16_t> ParseStageArgument(std::string_view text) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '5') return std::nullopt;
  return static_cast<std::int16_t>(text[0] - '0');
}
