#pragma once

// QelLib: 24-bit image surfaces and their drawing, sprites, wave sounds and
// play channels, polled keyboard and joystick input, frame pacing and the
// logo splash.
//
// Conventions: plain classes with public members and no virtual operations;
// every class is default-constructible; no exceptions. Set-up operations
// return the object itself, or null on failure. Images and sprites release
// nothing when destroyed: a copy of an image shares its surface, and surfaces
// live until the process ends. Only a sound closes its device when destroyed.
// Every call is made from one thread; the library takes no locks.

#include <cstdint>

namespace platform {
class Bitmap;
class DrawContext;
class Window;
}  // namespace platform

// A rectangle in pixels; the origin is an image's top-left corner, y grows
// downward. Note the order: the vertical coordinate comes first in both pairs.
struct _QelPS {
  std::int16_t y;
  std::int16_t x;
  std::int16_t height;
  std::int16_t width;
};

enum QelDrawType : std::int32_t {
  QelDrawCopy = 0,   // plain copy; scaled when the rectangles differ in size
  QelDrawTrans = 1,  // pure white source pixels leave the destination unchanged
  QelDrawBlend = 2,  // the non-white source pixels blended over the destination
};

// A handle onto a 24-bit surface (blue, green, red; rows bottom-up) or onto
// the game window.
class QelImage {
 public:
  platform::DrawContext* dc;       // null until Set, Get or SetWindow
  platform::Bitmap* resBitmap;     // the bitmap Get loaded
  platform::Bitmap* dib;           // the pixel store of an off-screen image
  platform::Bitmap* oldObject;     // what a selection displaced (kept, never used)
  std::uint8_t* bits;              // first byte of the pixel store
  std::int32_t isWindow;           // 1 for the window image
  _QelPS ps;                       // {0, 0, height, width}

  QelImage();
  ~QelImage();

  QelImage* Set(_QelPS rect);                    // blank surface of rect's size
  QelImage* Set(short width, short height);      // the same, width first
  QelImage* SetWindow(platform::Window* window); // bind to the window
  QelImage* Get(const char* name);               // copy of a bitmap resource
  QelImage* GetFromFile(const char* name);       // not supported: always null

  int Draw(QelDrawType type, const _QelPS& srcRect, const QelImage* dst,
           const _QelPS& dstRect, float blend, short extra) const;
  void Clear(short r, short g, short b);
  void Line(short x0, short y0, short x1, short y1, short r, short g, short b);
};

// A drawing recipe: which part of which image goes where, in which mode, and
// the image to restore the background from.
class QelSprite {
 public:
  std::uint32_t transColor;  // stored by SetTransColor, read by nothing
  _QelPS baseRect;
  QelImage* dstImage;
  QelImage* eraseImage;
  QelImage* srcImage;
  _QelPS posRect;
  _QelPS srcRect;
  _QelPS rotateRect;
  QelDrawType drawType;
  std::int32_t spare;
  float blend;
  std::int16_t extra;

  QelSprite();
  ~QelSprite();

  int Set(QelDrawType type, QelImage* src, _QelPS* rect, QelImage* dst, float blend,
          short extra);
  int Draw(QelImage* dst = nullptr, _QelPS* rect = nullptr);
  int Erase(QelImage* src = nullptr, QelImage* dst = nullptr);
  int EraseRotate(QelImage* src = nullptr, QelImage* dst = nullptr);
  void SetTransColor(short r, short g, short b);
};

// One wave file opened for playing. Results: 0 success, -1 not open (for
// GetFromFile: already open), otherwise the wave player's error code. The
// first failed command switches sound off for the rest of the process.
class QelSound {
 public:
  std::uint32_t dwCallback;
  std::uint32_t wDeviceID;          // 0 while not open
  const char* lpstrDeviceType;
  const char* lpstrElementName;
  const char* lpstrAlias;

  QelSound();
  ~QelSound();

  int GetFromFile(const char* name);
  int Play();
  int isPlay();
  int Stop();
  int Close();
};

// Plays one sound at a time and decides whether a new one may cut in.
class QelSoundChannel {
 public:
  QelSound* current;

  QelSoundChannel();
  ~QelSoundChannel();

  int Play(QelSound* sound, int interrupt);  // 1 refused because busy, 0 started
  int isPlay();
  void Stop();
};

// Arrow keys plus joystick: -2 to 2, negative left (up), positive right (down).
int QelGetStickX(int unused, int joystick);
int QelGetStickY(int unused, int joystick);
// 0x01 Space or button 1, 0x02 to 0x08 buttons 2 to 4, 0x80 Escape.
int QelGetButton(int joystick);

// Frame pacing on the millisecond clock.
void QelWaitInit();
unsigned int QelWait(unsigned int frameTime);

// The maker's animated logo on the window image, about two seconds.
void QelLogo(QelImage* window);
