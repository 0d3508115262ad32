// The maker's logo at start-up: the emblem on white, a light-blue swoosh
// wiped in over it from left to right, and a face above it that changes
// expression a few times. About two seconds; no input is read.

#include "QelLib.h"

namespace {

// Which of the four faces shows, in turn.
const std::int32_t FaceSequence[6] = {1, 0, 1, 0, 2, 3};
constexpr int FaceWidth = 128;
constexpr int EmblemHeight = 178;  // the emblem above, the swoosh below
constexpr int EmblemWidth = 480;
constexpr int WipeStep = 5;

struct SplashLayout {
  _QelPS faceSource;
  _QelPS facePlace;
  _QelPS logoSource;
  _QelPS logoPlace;
  _QelPS screen;
};

// The face centred above the middle of the window, the emblem centred below.
SplashLayout LayoutFor(const QelImage& window) {
  const std::int16_t cx = static_cast<std::int16_t>(window.ps.width / 2);
  const std::int16_t cy = static_cast<std::int16_t>(window.ps.height / 2);
  SplashLayout layout;
  layout.faceSource = {0, 0, 200, FaceWidth};
  layout.facePlace = {static_cast<std::int16_t>(cy - 210), static_cast<std::int16_t>(cx - 64), 200,
                      FaceWidth};
  layout.logoSource = {0, 0, EmblemHeight, EmblemWidth};
  layout.logoPlace = {static_cast<std::int16_t>(cy + 10), static_cast<std::int16_t>(cx - 240),
                      EmblemHeight, EmblemWidth};
  layout.screen = {0, 0, 480, 640};
  return layout;
}

void WipeInSwoosh(QelImage& logo, QelImage& canvas, QelImage* window, SplashLayout& layout) {
  layout.logoSource.y = EmblemHeight;
  for (std::int16_t width = 0; width <= EmblemWidth; width += WipeStep) {
    layout.logoSource.width = width;
    layout.logoPlace.width = width;
    logo.Draw(QelDrawTrans, layout.logoSource, &canvas, layout.logoPlace, 1.0f, 0);
    canvas.Draw(QelDrawCopy, layout.screen, window, layout.screen, 1.0f, 0);
    QelWait(10);
  }
}

void ChangeFaces(QelImage& faces, QelImage* window, SplashLayout& layout) {
  for (int step = 0; step < 6; ++step) {
    layout.faceSource.x = static_cast<std::int16_t>(FaceSequence[step] * FaceWidth);
    // Onto the window image this is a plain copy, white included.
    faces.Draw(QelDrawTrans, layout.faceSource, window, layout.facePlace, 1.0f, 0);
    QelWait(70);
    if (step == 3) QelWait(200);
  }
}

}  // namespace

void QelLogo(QelImage* window) {
  if (!window) return;
  QelImage logo;
  QelImage faces;
  QelImage canvas;
  if (!logo.Get("QELLOGO")) return;
  if (!faces.Get("QELFACE")) return;
  if (!canvas.Set(640, 480)) return;
  canvas.Clear(255, 255, 255);

  SplashLayout layout = LayoutFor(*window);
  faces.Draw(QelDrawCopy, layout.faceSource, &canvas, layout.facePlace, 1.0f, 0);
  logo.Draw(QelDrawCopy, layout.logoSource, &canvas, layout.logoPlace, 1.0f, 0);
  canvas.Draw(QelDrawCopy, layout.screen, window, layout.screen, 1.0f, 0);
  WipeInSwoosh(logo, canvas, window, layout);
  ChangeFaces(faces, window, layout);
  QelWait(500);
}
