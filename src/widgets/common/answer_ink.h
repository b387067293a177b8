// SPDX-License-Identifier: GPL-3.0-or-later
// The red of the answer (the result window's top line and "HL" in the
// chart), made readable on whatever background the desktop's palette
// gives: dark red on a light window, a lighter red on a dark one.
#pragma once

#include <QColor>

namespace tarvelin {

// The least contrast text should have against its background (the WCAG
// level for body text).
constexpr double kReadableContrast = 4.5;

// How far apart two colours are for the eye, from 1 (the same) to 21
// (black on white), by their relative luminance (WCAG 2).
double ContrastRatio(const QColor& a, const QColor& b);

// Dark red (#a00000) where it has kReadableContrast against `background`;
// otherwise the same hue lightened or darkened, whichever gets there; on a
// background no red reaches it against (a middle grey), black or white,
// whichever contrasts more.
QColor AnswerInk(const QColor& background);

}  // namespace tarvelin
