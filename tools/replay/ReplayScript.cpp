#include "ReplayScript.h"

#include <cctype>
#include <cstdlib>
#include <optional>
#include <sstream>

namespace {

std::optional<std::uint64_t> ParseNumber(const std::string& word, std::uint64_t limit) {
  if (word.empty() || !std::isdigit(static_cast<unsigned char>(word[0]))) return {};
  const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
  char* end = nullptr;
  const unsigned long long value = std::strtoull(word.c_str(), &end, hex ? 16 : 10);
  if (*end != '\0' || value > limit) return {};
  return value;
}

std::optional<platform::Key> ParseKey(const std::string& word) {
  static const std::pair<const char*, platform::Key> names[] = {
      {"space", platform::Key::space}, {"escape", platform::Key::escape},
      {"left", platform::Key::left},   {"right", platform::Key::right},
      {"up", platform::Key::up},       {"down", platform::Key::down},
  };
  for (const auto& [name, key] : names) {
    if (word == name) return key;
  }
  return {};
}

bool IsSafeShotName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
      return false;
  }
  return true;
}

// Parses the words after TIME; an error message, or empty.
std::string ParseAction(std::istringstream& words, ReplayEvent& event) {
  std::string action, first, rest;
  words >> action;
  if (action == "down" || action == "up") {
    words >> first;
    const std::optional<platform::Key> key = ParseKey(first);
    if (!key) return "unknown key '" + first + "'";
    event.kind = action == "down" ? ReplayEvent::Kind::key_down : ReplayEvent::Kind::key_up;
    event.key = *key;
  } else if (action == "joy") {
    words >> first;
    if (first == "none") {
      event.kind = ReplayEvent::Kind::unplug;
    } else {
      std::string y, buttons;
      words >> y >> buttons;
      const auto px = ParseNumber(first, 65535), py = ParseNumber(y, 65535);
      const auto pb = ParseNumber(buttons, 0xFFFFFFFF);
      if (!px || !py || !pb) return "joy wants X Y BUTTONS (positions 0 to 65535) or none";
      event.kind = ReplayEvent::Kind::joystick;
      event.joystick.x = static_cast<std::uint32_t>(*px);
      event.joystick.y = static_cast<std::uint32_t>(*py);
      event.joystick.buttons = static_cast<std::uint32_t>(*pb);
    }
  } else if (action == "close") {
    event.kind = ReplayEvent::Kind::close;
  } else if (action == "shot") {
    words >> event.name;
    if (!IsSafeShotName(event.name)) return "shot wants a NAME of letters, digits, '-', '_' or '.'";
    event.kind = ReplayEvent::Kind::shot;
  } else {
    return action.empty() ? "an action must follow the time" : "unknown action '" + action + "'";
  }
  if (words >> rest) return "unexpected '" + rest + "' after the action";
  return "";
}

}  // namespace

ReplayScript ParseReplayScript(std::istream& in) {
  ReplayScript script;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::istringstream words(line);
    std::string time;
    if (!(words >> time) || time[0] == '#') continue;
    ReplayEvent event;
    const std::optional<std::uint64_t> at = ParseNumber(time, 0xFFFFFFFF);
    std::string error = at ? ParseAction(words, event) : "the line must start with a time in ms";
    if (!error.empty()) {
      script.error = "line " + std::to_string(number) + ": " + error;
      return script;
    }
    event.time = static_cast<std::uint32_t>(*at);
    script.events.push_back(event);
  }
  return script;
}
