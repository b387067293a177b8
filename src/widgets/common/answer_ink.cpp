// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/common/answer_ink.h"

#include <algorithm>
#include <cmath>

namespace tarvelin {
namespace {

const QColor kDarkRed(0xa0, 0, 0);

double Channel(double value) {
  return value <= 0.04045 ? value / 12.92
                          : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
  const QColor rgb = c.toRgb();
  return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) +
         0.0722 * Channel(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor AnswerInk(const QColor& background) {
  if (ContrastRatio(kDarkRed, background) >= kReadableContrast) return kDarkRed;
  // The red's lightness, in steps of 1 %, away from the background's
  // first.
  const QColor hsl = kDarkRed.toHsl();
  const bool darkBackground = Luminance(background) < 0.18;
  for (const int direction :
       {darkBackground ? 1 : -1, darkBackground ? -1 : 1}) {
    for (int step = 1; step <= 100; ++step) {
      const double lightness =
          std::clamp(hsl.lightnessF() + direction * step / 100.0, 0.0, 1.0);
      const QColor red =
          QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness);
      if (ContrastRatio(red, background) >= kReadableContrast) {
        return red.toRgb();
      }
    }
  }
  const QColor black(Qt::black), white(Qt::white);
  return ContrastRatio(black, background) >= ContrastRatio(white, background)
             ? black
             : white;
}

}  // namespace tarvelin
