#include "decoded_picture.h"

#include "committed_files.h"

namespace asset_test {

DecodedPicture::DecodedPicture(const std::string& file_name) {
  const Bytes file = read_bytes(resource_dir() / file_name);
  error_ = platform::decode_bmp(file, bitmap_);
}

int DecodedPicture::inked_pixels(const Rect& r) const {
  int count = 0;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x)
      count += white(x, y) ? 0 : 1;
  return count;
}

}  // namespace asset_test
