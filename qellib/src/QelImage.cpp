// Image surfaces: set-up as a blank surface, as a copy of a bitmap resource
// or as the window; clearing and lines. Drawing between images is in
// QelImageDraw.cpp.

#include "LibraryState.h"
#include "QelLib.h"
#include "platform/colour.h"
#include "platform/draw.h"
#include "platform/resources.h"
#include "platform/window.h"

namespace {

// Colours come as three shorts; the low 8 bits of each count.
platform::Colour ColourOf(short r, short g, short b) {
  return platform::make_colour(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                               static_cast<std::uint8_t>(b));
}

// Creates the 24-bit pixel store of the image's size and selects it into the
// image's context, so that platform drawing and our own loops share pixels.
bool MakePixelStore(QelImage& image) {
  image.dib = platform::create_pixel_section(image.ps.width, image.ps.height, &image.bits);
  if (!image.dib) return false;
  image.oldObject = platform::select_bitmap(image.dc, image.dib);
  return image.oldObject != nullptr;
}

}  // namespace

QelImage::QelImage()
    : dc(nullptr),
      resBitmap(nullptr),
      dib(nullptr),
      oldObject(nullptr),
      bits(nullptr),
      isWindow(0),
      ps{0, 0, 0, 0} {}

// Images release nothing: copies share the surface, and surfaces live until
// the process ends.
QelImage::~QelImage() {}

QelImage* QelImage::Set(_QelPS rect) {
  if (!LibraryState.screenDC || dc) return nullptr;
  dc = platform::create_memory_context(LibraryState.screenDC);
  if (!dc) return nullptr;
  ps = {0, 0, rect.height, rect.width};
  return MakePixelStore(*this) ? this : nullptr;
}

QelImage* QelImage::Set(short width, short height) {
  return Set(_QelPS{0, 0, height, width});
}

QelImage* QelImage::SetWindow(platform::Window* window) {
  LibraryState.window = window;
  if (dc) return nullptr;
  dc = platform::window_context(window);
  LibraryState.screenDC = dc;
  if (!dc) return nullptr;
  const platform::BitmapSize client = platform::client_size(window);
  ps = {0, 0, static_cast<std::int16_t>(client.height), static_cast<std::int16_t>(client.width)};
  isWindow = 1;
  return this;
}

QelImage* QelImage::Get(const char* name) {
  if (!LibraryState.screenDC || dc) return nullptr;
  dc = platform::create_memory_context(LibraryState.screenDC);
  if (!dc) return nullptr;
  platform::DrawContext* loader = platform::create_memory_context(LibraryState.screenDC);
  if (!loader) return nullptr;
  // The bitmaps are resources of the program that owns the window.
  resBitmap = platform::load_bitmap(platform::window_instance(LibraryState.window), name);
  if (!resBitmap) {
    platform::delete_context(loader);
    return nullptr;
  }
  const platform::BitmapSize size = platform::bitmap_size(resBitmap);
  ps = {0, 0, static_cast<std::int16_t>(size.height), static_cast<std::int16_t>(size.width)};
  bool copied = MakePixelStore(*this);
  if (copied) {
    oldObject = platform::select_bitmap(loader, resBitmap);
    copied = oldObject && platform::copy_rect(dc, 0, 0, ps.width, ps.height, loader, 0, 0);
  }
  platform::delete_context(loader);
  return copied ? this : nullptr;
}

QelImage* QelImage::GetFromFile(const char*) {
  return nullptr;
}

void QelImage::Clear(short r, short g, short b) {
  platform::fill_rect(dc, ps.x, ps.y, ps.x + ps.width, ps.y + ps.height, ColourOf(r, g, b));
}

void QelImage::Line(short x0, short y0, short x1, short y1, short r, short g, short b) {
  platform::draw_line(dc, x0, y0, x1, y1, ColourOf(r, g, b));
}
