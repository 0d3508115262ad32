#pragma once

// Running the whole program through the replay tool, in a process of its
// own: a script of timed input, closes and shots in, the sound commands, the
// exit and the shots out.

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ScreenPicture.h"

#ifndef KELVRO_REPLAY_PATH
#error "KELVRO_REPLAY_PATH must name the replay tool"
#endif

// The tool's script: one "TIME ACTION" line per event (see the tool's usage).
class ReplayInput {
 public:
  ReplayInput& At(std::uint32_t time, const std::string& action) {
    text_ << time << ' ' << action << '\n';
    return *this;
  }
  std::string Text() const { return text_.str(); }

 private:
  std::ostringstream text_;
};

struct SoundCommand {
  std::uint32_t time = 0;
  std::string file;
  std::string command;  // open, play, stop, close
};

struct ReplayOutcome {
  int status = -1;                        // the tool's exit status
  std::optional<std::uint32_t> exitTime;  // virtual time of its "exit" line
  std::vector<SoundCommand> sounds;
  std::map<std::string, Picture> shots;
  std::string output;  // everything it printed, for failure messages

  // Times at which `file` was given `command`, in order.
  std::vector<std::uint32_t> TimesOf(const std::string& file, const std::string& command) const {
    std::vector<std::uint32_t> times;
    for (const SoundCommand& s : sounds) {
      if (s.file == file && s.command == command) times.push_back(s.time);
    }
    return times;
  }

  std::optional<std::uint32_t> FirstTimeOf(const std::string& file,
                                           const std::string& command) const {
    const std::vector<std::uint32_t> times = TimesOf(file, command);
    if (times.empty()) return std::nullopt;
    return times.front();
  }

  // Files given "play" at or after `from`.
  std::vector<std::string> PlayedFrom(std::uint32_t from) const {
    std::vector<std::string> files;
    for (const SoundCommand& s : sounds) {
      if (s.command == "play" && s.time >= from) files.push_back(s.file);
    }
    return files;
  }

  const Picture& Shot(const std::string& name) const {
    static const Picture missing;
    const auto found = shots.find(name);
    return found == shots.end() ? missing : found->second;
  }
};

// How long a wave file of the game plays, in milliseconds: the copy beside
// the replay tool, read from its format and data chunks; 0 if unreadable.
inline std::uint32_t SoundLength(const std::string& name) {
  const std::filesystem::path path =
      std::filesystem::path(KELVRO_REPLAY_PATH).parent_path() / "sounds" / name;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return 0;
  std::vector<unsigned char> bytes(64 * 1024);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                      bytes[at + 3] << 24);
  };
  std::uint32_t byteRate = 0;
  for (std::size_t at = 12; at + 8 <= bytes.size(); at += 8 + u32(at + 4)) {
    const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
    if (id == "fmt " && at + 16 <= bytes.size()) byteRate = u32(at + 16);
    if (id == "data") {
      return byteRate ? static_cast<std::uint32_t>(std::uint64_t{u32(at + 4)} * 1000 / byteRate)
                      : 0;
    }
  }
  return 0;
}

namespace replay_detail {

inline void ParseLine(const std::string& line, ReplayOutcome& outcome) {
  std::istringstream in(line);
  std::uint32_t time = 0;
  std::string kind;
  if (!(in >> time >> kind)) return;
  if (kind == "exit") {
    outcome.exitTime = time;
  } else if (kind == "sound") {
    SoundCommand sound{time, "", ""};
    in >> sound.file >> sound.command;
    outcome.sounds.push_back(sound);
  }
}

}  // namespace replay_detail

// Runs the program with `input` until it ends, or until `limit_ms` of
// virtual time have passed (status 124).
inline ReplayOutcome RunReplay(const ReplayInput& input, std::uint32_t limit_ms) {
  namespace fs = std::filesystem;
  ReplayOutcome outcome;
  char pattern[] = "/tmp/kelvro-screen-XXXXXX";
  if (!mkdtemp(pattern)) return outcome;
  const fs::path dir = pattern;
  const fs::path script = dir / "script.txt";
  {
    std::FILE* file = std::fopen(script.c_str(), "w");
    if (!file) return outcome;
    const std::string text = input.Text();
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
  const std::string command = std::string("'") + KELVRO_REPLAY_PATH + "' '" + script.string() +
                              "' '" + dir.string() + "' " + std::to_string(limit_ms);
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return outcome;
  char buffer[512];
  std::string line;
  while (std::fgets(buffer, sizeof buffer, pipe)) {
    line += buffer;
    if (line.back() != '\n') continue;
    outcome.output += line;
    replay_detail::ParseLine(line, outcome);
    line.clear();
  }
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ".bmp") {
      outcome.shots[entry.path().stem().string()] = ReadBmpFile(entry.path().string());
    }
  }
  fs::remove_all(dir);
  return outcome;
}
