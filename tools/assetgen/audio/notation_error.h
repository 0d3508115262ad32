#pragma once

#include <string_view>

namespace assetgen {

// Stops the generator over a mistake in a song's written score: a tune that
// does not add up must never be written out.
[[noreturn]] void score_error(std::string_view what, std::string_view where);

}  // namespace assetgen
