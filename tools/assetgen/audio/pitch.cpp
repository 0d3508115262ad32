#include "audio/pitch.h"

#include <cctype>

#include "core/exact_math.h"

namespace assetgen {

double note_frequency(double note) {
  return 440.0 * exact_exp2((note - 69.0) / 12.0);
}

std::optional<PitchClass> parse_pitch_class(std::string_view text) {
  static constexpr int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
  if (text.empty()) return std::nullopt;
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  if (letter < 'a' || letter > 'g') return std::nullopt;
  int semitone = kNatural[letter - 'a'];
  std::size_t length = 1;
  if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
    semitone += text[1] == '#' ? 1 : -1;
    length = 2;
  }
  return PitchClass{(semitone + 12) % 12, length};
}

std::optional<int> parse_note(std::string_view text) {
  const std::optional<PitchClass> pitch_class = parse_pitch_class(text);
  if (!pitch_class || pitch_class->length + 1 != text.size()) return std::nullopt;
  const char octave = text[pitch_class->length];
  if (octave < '0' || octave > '8') return std::nullopt;
  // b#3 and cb4 keep their octave's number as written, like the letter.
  int semitone = pitch_class->semitone;
  if (text[0] == 'c' && pitch_class->length == 2 && text[1] == 'b') semitone = -1;
  if (text[0] == 'b' && pitch_class->length == 2 && text[1] == '#') semitone = 12;
  return 12 * (octave - '0' + 1) + semitone;
}

}  // namespace assetgen
