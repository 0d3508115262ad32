#include "audio/chords.h"

#include <string>

#include "audio/notation_error.h"
#include "audio/pitch.h"
#include "audio/text_tokens.h"

namespace assetgen {

namespace {

struct Quality {
  std::string_view suffix;
  std::vector<int> intervals;
};

std::vector<int> quality_intervals(std::string_view suffix, std::string_view token) {
  static const std::vector<Quality> qualities = {
      {"", {0, 4, 7}},       {"m", {0, 3, 7}},    {"7", {0, 4, 7, 10}}, {"maj7", {0, 4, 7, 11}},
      {"m7", {0, 3, 7, 10}}, {"sus2", {0, 2, 7}}, {"sus4", {0, 5, 7}},  {"dim", {0, 3, 6}},
  };
  for (const Quality& quality : qualities)
    if (quality.suffix == suffix) return quality.intervals;
  score_error("unknown chord", token);
}

int chord_tone(const ChordSpan& chord, char symbol, int octave) {
  const int root = 12 * (octave + 1) + chord.root;
  const int third = chord.intervals[1];
  const int fifth = chord.intervals[2];
  const int seventh = chord.intervals.size() > 3 ? chord.intervals[3] : 12;
  switch (symbol) {
    case '1':
      return root;
    case '3':
      return root + third;
    case '5':
      return root + fifth;
    case '7':
      return root + seventh;
    case '8':
      return root + 12;
    case 'a':
      return root + 12 + third;
    case 'b':
      return root + 12 + fifth;
    case 'L':
      return root + fifth - 12;
    default:
      score_error("unknown chord tone", std::string_view(&symbol, 1));
  }
}

const ChordSpan* chord_at(const std::vector<ChordSpan>& chords, double step) {
  for (const ChordSpan& chord : chords)
    if (step >= chord.start_step && step < chord.start_step + chord.length_steps) return &chord;
  return nullptr;
}

std::string compact(std::string_view pattern) {
  std::string steps;
  for (char c : pattern)
    if (c != ' ' && c != '|' && c != '\n') steps.push_back(c);
  return steps;
}

}  // namespace

std::vector<ChordSpan> parse_chords(std::string_view text) {
  std::vector<ChordSpan> chords;
  double step = 0;
  double bar_start = 0;
  for (std::string_view token : split_words(text)) {
    if (token == "|") {
      if (step - bar_start != kStepsPerBar) score_error("bar does not add up to 16 steps", token);
      bar_start = step;
      continue;
    }
    std::string_view name;
    const double length = token_length(token, name);
    const auto root = parse_pitch_class(name);
    if (!root) score_error("unknown chord root", token);
    chords.push_back(
        {step, length, root->semitone, quality_intervals(name.substr(root->length), token)});
    step += length;
  }
  return chords;
}

std::vector<NoteEvent> chord_pattern(const std::vector<ChordSpan>& chords, std::string_view pattern,
                                     int octave) {
  const std::string steps = compact(pattern);
  std::vector<NoteEvent> notes;
  if (chords.empty() || steps.empty()) return notes;
  const ChordSpan& last = chords.back();
  const double end = last.start_step + last.length_steps;
  bool holding = false;
  for (double step = 0; step < end; ++step) {
    const char symbol = steps[static_cast<std::size_t>(step) % steps.size()];
    if (symbol == '-') {
      if (holding) notes.back().length_steps += 1;
      continue;
    }
    holding = false;
    if (symbol == '.') continue;
    const ChordSpan* chord = chord_at(chords, step);
    if (!chord) continue;
    notes.push_back({step, 1, chord_tone(*chord, symbol, octave), 1.0});
    holding = true;
  }
  return notes;
}

std::vector<NoteEvent> held_chords(const std::vector<ChordSpan>& chords, int octave) {
  std::vector<NoteEvent> notes;
  for (const ChordSpan& chord : chords)
    for (int interval : chord.intervals)
      notes.push_back(
          {chord.start_step, chord.length_steps, 12 * (octave + 1) + chord.root + interval, 1.0});
  return notes;
}

}  // namespace assetgen
