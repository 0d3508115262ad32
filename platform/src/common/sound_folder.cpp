#include "common/sound_folder.h"

#include <filesystem>
#include <system_error>

namespace platform::detail {
namespace {

namespace fs = std::filesystem;

bool is_file(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

bool is_plain_file_name(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

fs::path running_program() {
  std::error_code error;
  fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : program;
}

}  // namespace

std::optional<std::string> find_sound_file(const std::string& name) {
  if (name.empty()) return {};
  if (is_file(name)) return name;
  if (!is_plain_file_name(name)) return {};
  const fs::path program = running_program();
  if (program.empty()) return {};
  const fs::path folder = program.parent_path();
  const fs::path candidates[] = {
      folder / "sounds" / name,
      folder / ".." / "share" / program.filename() / "sounds" / name,
  };
  for (const fs::path& candidate : candidates) {
    if (is_file(candidate)) return candidate.string();
  }
  return {};
}

}  // namespace platform::detail
