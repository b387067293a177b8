// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/common/ui_widgets.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace tarvelin {
TextLabel::TextLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {}

int TextLabel::TextLift() const {
  if (textFormat() != Qt::PlainText ||
      (textInteractionFlags() & Qt::TextSelectableByMouse)) {
    return 0;
  }
  return AscentAbove(text(), font());
}

void TextLabel::paintEvent(QPaintEvent* event) {
  const int lift = TextLift();
  if (lift == 0) {
    QLabel::paintEvent(event);
    return;
  }
  // As QLabel draws plain text, from `lift` pixels higher up.
  QPainter painter(this);
  drawFrame(&painter);
  QRect room = contentsRect();
  room.setTop(room.top() - lift);
  int flags = QStyle::visualAlignment(layoutDirection(), alignment());
  if (wordWrap()) flags |= Qt::TextWordWrap;
  style()->drawItemText(&painter, room, flags, palette(), isEnabled(), text(),
                        foregroundRole());
}

namespace {

// The height the text of `label` takes at its width, lines as tall as the
// fonts they use.
int NeededHeight(const QLabel* label) {
  if (label->textFormat() != Qt::PlainText) {
    return label->wordWrap() ? label->heightForWidth(label->width())
                             : label->sizeHint().height();
  }
  qreal height = 0;
  const QRect room = label->contentsRect();
  for (const QString& paragraph : label->text().split('\n')) {
    QTextLayout layout(paragraph, label->font());
    QTextOption option;
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap
                                         : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid();
         line = layout.createLine()) {
      line.setLineWidth(label->wordWrap() ? room.width() : 1e6);
      height += line.height();
    }
    layout.endLayout();
  }
  const auto* raised = qobject_cast<const TextLabel*>(label);
  const int lift = raised ? raised->TextLift() : 0;
  return static_cast<int>(std::ceil(height)) - lift +
         (label->height() - room.height());
}

}  // namespace

void GrowToFitTexts(QWidget* window) {
  QList<QWidget*> children =
      window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  std::sort(children.begin(), children.end(),
            [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
  int grown = 0;
  for (QWidget* child : children) {
    int need = 0;
    if (const auto* label = qobject_cast<const QLabel*>(child)) {
      if (!label->text().isEmpty()) need = NeededHeight(label);
    } else if (const auto* button =
                   qobject_cast<const QAbstractButton*>(child)) {
      need = button->sizeHint().height();
    }
    const int more = need - child->height();
    if (more <= 0) continue;
    const int bottom = child->geometry().bottom();
    child->resize(child->width(), need);
    for (QWidget* other : children) {
      if (other != child && other->y() > bottom)
        other->move(other->x(), other->y() + more);
    }
    grown += more;
  }
  if (grown == 0) return;
  const QSize size(window->width(), window->height() + grown);
  if (window->minimumSize() == window->maximumSize()) {
    window->setFixedSize(size);
  } else {
    window->resize(size);
  }
}

int AscentAbove(const QString& text, const QFont& font) {
  if (text.isEmpty()) return 0;
  QTextLayout layout(text.left(text.indexOf('\n')), font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (!line.isValid()) return 0;
  line.setLineWidth(1e6);
  layout.endLayout();
  const double extra = line.ascent() - QFontMetricsF(font).ascent();
  return extra > 0 ? static_cast<int>(std::floor(extra)) : 0;
}

QFont NamedFont(const QString& family, int pointSize, QFont::StyleHint kind) {
  QFont font(family, pointSize);
  font.setStyleHint(kind);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text,
                  const QRect& rect, Wrap wrap) {
  auto* label = new TextLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(rect);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(wrap == Wrap::Yes);
  return label;
}

QLabel* MakeLink(QWidget* parent, const QString& name, const QString& caption,
                 const QRect& rect, Wrap wrap, const QString& href) {
  QLabel* label = MakeLabel(parent, name, QString(), rect, wrap);
  label->setTextFormat(Qt::RichText);
  label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                     .arg(href.toHtmlEscaped(), caption.toHtmlEscaped()));
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                 Qt::LinksAccessibleByKeyboard);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

}  // namespace tarvelin
