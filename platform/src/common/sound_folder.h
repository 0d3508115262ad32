#pragma once

#include <optional>
#include <string>

namespace platform::detail {

// Where the wave player finds a sound: the name as given, relative to the
// current directory; failing that, for a plain file name only, the program's
// own sound folder ("sounds" beside the running program, then
// "../share/<program>/sounds" from there). A name with a directory part, or
// "." or "..", is never looked up outside the current directory, so no name
// can reach out of the sound folder.
std::optional<std::string> find_sound_file(const std::string& name);

}  // namespace platform::detail
