#include "audio/text_tokens.h"

#include <charconv>

#include "audio/notation_error.h"

namespace assetgen {

std::vector<std::string_view> split_words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  const auto is_space = [](char c) { return c == ' ' || c == '\n'; };
  while (at < text.size()) {
    while (at < text.size() && is_space(text[at]))
      ++at;
    if (at < text.size() && text[at] == '|') {
      words.push_back(text.substr(at++, 1));
      continue;
    }
    const std::size_t start = at;
    while (at < text.size() && !is_space(text[at]) && text[at] != '|')
      ++at;
    if (at > start) words.push_back(text.substr(start, at - start));
  }
  return words;
}

double token_length(std::string_view token, std::string_view& name) {
  const std::size_t colon = token.find(':');
  if (colon == std::string_view::npos) score_error("missing ':length'", token);
  name = token.substr(0, colon);
  int steps = 0;
  const std::string_view digits = token.substr(colon + 1);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), steps);
  if (error != std::errc() || end != digits.data() + digits.size() || steps <= 0)
    score_error("bad length", token);
  return steps;
}

}  // namespace assetgen
