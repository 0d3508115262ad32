#include "audio/notation.h"

#include <optional>

#include "audio/notation_error.h"
#include "audio/pitch.h"
#include "audio/text_tokens.h"

namespace assetgen {

namespace {

void check_bar(double steps_in_bar, std::string_view where) {
  if (steps_in_bar != kStepsPerBar) score_error("bar does not add up to 16 steps", where);
}

std::vector<int> parse_chord_notes(std::string_view name, std::string_view token) {
  std::vector<int> pitches;
  while (!name.empty()) {
    const std::size_t plus = name.find('+');
    const std::optional<int> pitch = parse_note(name.substr(0, plus));
    if (!pitch) score_error("unknown note", token);
    pitches.push_back(*pitch);
    name = plus == std::string_view::npos ? std::string_view() : name.substr(plus + 1);
  }
  return pitches;
}

}  // namespace

std::vector<NoteEvent> parse_phrase(std::string_view text) {
  std::vector<NoteEvent> notes;
  std::size_t last_struck = 0;  // notes of the last strike start here
  double step = 0;
  double bar_start = 0;
  std::string_view last_token = text.substr(0, 12);
  for (std::string_view token : split_words(text)) {
    if (token == "|") {
      check_bar(step - bar_start, last_token);
      bar_start = step;
      continue;
    }
    last_token = token;
    std::string_view name;
    const double length = token_length(token, name);
    if (name == "~") {
      if (notes.empty()) score_error("tie without a note", token);
      for (std::size_t i = last_struck; i < notes.size(); ++i)
        notes[i].length_steps += length;
    } else if (name != "r") {
      last_struck = notes.size();
      for (int pitch : parse_chord_notes(name, token))
        notes.push_back({step, length, pitch, 1.0});
    }
    step += length;
  }
  if (step > bar_start) check_bar(step - bar_start, last_token);
  return notes;
}

std::vector<DrumHit> parse_drums(std::string_view text) {
  std::vector<DrumHit> hits;
  double step = 0;
  double bar_start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ' || c == '\n') continue;
    if (c == '|') {
      check_bar(step - bar_start, text.substr(i > 16 ? i - 16 : 0, 17));
      bar_start = step;
      continue;
    }
    const bool accent = c >= 'A' && c <= 'Z';
    const double velocity = accent ? 1.0 : 0.7;
    const auto add = [&](Drum drum) { hits.push_back({step, drum, velocity}); };
    switch (c | 0x20) {
      case 'k':
        add(Drum::kick);
        break;
      case 's':
        add(Drum::snare);
        break;
      case 'h':
        add(Drum::closed_hat);
        break;
      case 'o':
        add(Drum::open_hat);
        break;
      case 'c':
        add(Drum::crash);
        break;
      case 't':
        add(Drum::tom);
        break;
      case 'x':
        add(Drum::kick);
        add(Drum::closed_hat);
        break;
      case 'z':
        add(Drum::snare);
        add(Drum::closed_hat);
        break;
      case '.':
        break;
      default:
        score_error("unknown drum", text.substr(i, 1));
    }
    ++step;
  }
  if (step > bar_start)
    check_bar(step - bar_start, text.substr(text.size() > 16 ? text.size() - 16 : 0));
  return hits;
}

}  // namespace assetgen
