#include "catalogue.h"

#include "art/pictures.h"
#include "audio/sounds.h"
#include "format/bmp_writer.h"
#include "format/ico_writer.h"
#include "format/wav_writer.h"

namespace assetgen {

namespace {

// The sheets kept with a palette: the tile sheet's 82 colours are part of
// its description, and the splash pictures need no more than 8 and 4 bits.
constexpr int kTileSheetColours = 82;
constexpr int kMakerLogoColours = 256;
constexpr int kMakerFacesColours = 16;

void add_bitmaps(std::vector<AssetFile>& files) {
  const auto add = [&files](const char* name, std::vector<std::uint8_t> bytes) {
    files.push_back({AssetFolder::resources, name, std::move(bytes)});
  };
  add("BMP128.bmp", encode_bmp_indexed(index_colours(draw_tile_sheet(), kTileSheetColours), 8));
  add("BMP129.bmp", encode_bmp_24(draw_font_sheet()));
  add("BMP130.bmp", encode_bmp_24(draw_title_logo()));
  add("BMP131.bmp", encode_bmp_24(draw_stage_label()));
  add("BMP132.bmp", encode_bmp_24(draw_clear_banner()));
  add("BMP133.bmp", encode_bmp_24(draw_game_over_banner()));
  add("QELLOGO.bmp", encode_bmp_indexed(index_colours(draw_maker_logo(), kMakerLogoColours), 8));
  add("QELFACE.bmp", encode_bmp_indexed(index_colours(draw_maker_faces(), kMakerFacesColours), 4));
  add("kelvro.ico", encode_icon_group(draw_program_icons()));
}

void add_waves(std::vector<AssetFile>& files) {
  for (const NamedSound& sound : render_all_sounds())
    files.push_back(
        {AssetFolder::sounds, sound.file_name, encode_wav_mono16(sound.samples, kSampleRate)});
}

}  // namespace

std::vector<AssetFile> build_all_assets() {
  std::vector<AssetFile> files;
  add_bitmaps(files);
  add_waves(files);
  return files;
}

}  // namespace assetgen
