// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders shared by the fixed-layout windows: a label placed at a
// rectangle, and a link label that reports its click through linkActivated.
#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

class QWidget;

namespace tarvelin {

enum class Wrap { No, Yes };

// The named font at a point size; where the family is not installed the
// system's font of the same kind (sans-serif unless told otherwise) serves.
QFont NamedFont(const QString& family, int pointSize,
                QFont::StyleHint kind = QFont::SansSerif);

// How far the first line of `text` sits lower in `font` than a line of the
// font's own letters would, whole pixels: nothing for Latin and Devanagari,
// some for Tamil, whose fallback font (Lohit Tamil) reserves half as much
// room again above its letters.
int AscentAbove(const QString& text, const QFont& font);

// The labels of the fixed-layout windows. A plain text is drawn raised by
// AscentAbove, so that a line of Tamil keeps the baseline a Latin one would
// have and fits a label sized for Latin text; otherwise it draws as a
// QLabel does.
class TextLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TextLabel(const QString& text, QWidget* parent = nullptr);
  // Pixels the text is drawn above the contents rectangle's top.
  int TextLift() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Makes a fixed-layout window taller where its texts need it: each of its
// own labels and buttons that its text overflows (a paragraph of Tamil
// takes more lines and taller ones than the English it was laid out for)
// grows, and what stands below moves down with the window's bottom. A
// window whose texts fit stays as it is.
void GrowToFitTexts(QWidget* window);

// A plain-text label, top-left aligned, at `rect` (pixels).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text,
                  const QRect& rect, Wrap wrap = Wrap::No);

// A link label showing `caption`; connect QLabel::linkActivated to act on a
// click. `href` is only what the link carries, not opened by the label.
QLabel* MakeLink(QWidget* parent, const QString& name, const QString& caption,
                 const QRect& rect, Wrap wrap = Wrap::No,
                 const QString& href = QStringLiteral("#"));

}  // namespace tarvelin
