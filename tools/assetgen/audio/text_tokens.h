#pragma once

#include <string_view>
#include <vector>

namespace assetgen {

// The words of a score text, split at spaces and line ends; a bar line '|'
// is a word of its own even without spaces around it.
std::vector<std::string_view> split_words(std::string_view text);

// Parses the step count after the ':' of a token like "c5:4" or "Am:16".
// Fills `name` with the part before the colon.
double token_length(std::string_view token, std::string_view& name);

}  // namespace assetgen
