// Small builders shared by the fixed-layout windows: a label placed at a
// rectangle, and a link label that reports its click through linkActivated.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace tarvelin {

enum class Wrap { No, Yes };

// The named font at a point size; where the family is not installed the
// system's font of the same kind (sans-serif unless told otherwise) serves.
QFont NamedFont(const QString& family, int pointSize,
                QFont::StyleHint kind = QFont::SansSerif);

// A plain-text label, top-left aligned, at `rect` (pixels).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text,
                  const QRect& rect, Wrap wrap = Wrap::No);

// A link label showing `caption`; connect QLabel::linkActivated to act on a
// click. `href` is only what the link carries, not opened by the label.
QLabel* MakeLink(QWidget* parent, const QString& name, const QString& caption,
                 const QRect& rect, Wrap wrap = Wrap::No,
                 const QString& href = QStringLiteral("#"));

}  // namespace tarvelin
