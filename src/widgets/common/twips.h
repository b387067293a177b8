// SPDX-License-Identifier: GPL-3.0-or-later
// Forms are laid out in twips (1/1440 inch); this is the one place where a
// twip becomes a pixel.
#pragma once

#include <QRect>

namespace tarvelin {

// 15 twips per pixel at the 96 dots per inch the layouts were drawn for.
constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace tarvelin
