// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a window's texts show whole: no label, button, group box title,
// tab or list entry cut by its control's size. Text is measured as drawn,
// with the fonts the system falls back to for Devanagari and Tamil.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainterPath>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>
#include <cmath>
#include <vector>

#include "widgets/common/ui_widgets.h"

namespace tarvelin::test {

// Width and height `text` takes in `font`, laid out in lines of at most
// `width` pixels (no limit when `width` is 0): the widest line and the
// lines' heights, each line as tall as the fonts it uses.
inline QSizeF TextSize(const QString& text, const QFont& font,
                       qreal width = 0) {
  QSizeF size;
  for (const QString& paragraph : text.split('\n')) {
    QTextLayout layout(paragraph.isEmpty() ? QStringLiteral(" ") : paragraph,
                       font);
    QTextOption option;
    option.setWrapMode(width > 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid();
         line = layout.createLine()) {
      line.setLineWidth(width > 0 ? width : 1e6);
      size.setWidth(std::max(size.width(), line.naturalTextWidth()));
      size.setHeight(size.height() + line.height());
    }
    layout.endLayout();
  }
  return size;
}

// Where the ink of `text` lies as a label draws it in `room`, its contents
// rectangle: lines one under another, each as tall as the fonts it uses,
// placed by `align`, wrapped at the room's width when `wrap`.
inline QRectF InkOf(const QString& text, const QFont& font, const QRectF& room,
                    bool wrap, Qt::Alignment align) {
  struct Line {
    QString text;
    qreal width, ascent, height;
  };
  std::vector<Line> lines;
  qreal total = 0;
  for (const QString& paragraph : text.split('\n')) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid();
         line = layout.createLine()) {
      line.setLineWidth(wrap ? room.width() : 1e6);
      lines.push_back({paragraph.mid(line.textStart(), line.textLength()),
                       line.naturalTextWidth(), line.ascent(), line.height()});
      total += line.height();
    }
    layout.endLayout();
  }
  qreal y = room.top();
  if (align & Qt::AlignVCenter) y += (room.height() - total) / 2;
  if (align & Qt::AlignBottom) y += room.height() - total;
  QRectF ink;
  for (const Line& line : lines) {
    qreal x = room.left();
    if (align & Qt::AlignHCenter) x += (room.width() - line.width) / 2;
    if (align & Qt::AlignRight) x += room.width() - line.width;
    QPainterPath path;
    path.addText(x, y + line.ascent, font, line.text);
    ink |= path.boundingRect();
    // A line wider than the room is cut even where its ink is not seen.
    if (line.width > room.width() + 0.5) {
      ink |= QRectF(room.left(), y, line.width, line.height);
    }
    y += line.height;
  }
  return ink;
}

inline QString WithoutMnemonic(QString text) {
  return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
      .remove('&')
      .replace('\x01', '&');
}

// A description of every visible text under `root` that its control cuts.
inline QStringList CutTexts(QWidget* root) {
  QStringList cut;
  const auto report = [&cut](const QWidget* w, const QString& text,
                             const QSizeF& need, const QSize& room) {
    cut << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
               .arg(w->objectName(), text.left(40))
               .arg(std::ceil(need.width()))
               .arg(std::ceil(need.height()))
               .arg(room.width())
               .arg(room.height());
  };
  const auto reportInk = [&cut](const QWidget* w, const QString& text,
                                const QRectF& ink) {
    cut << QStringLiteral("%1 \"%2\": ink %3,%4 .. %5,%6 in %7x%8")
               .arg(w->objectName(), text.left(40))
               .arg(ink.left(), 0, 'f', 1)
               .arg(ink.top(), 0, 'f', 1)
               .arg(ink.right(), 0, 'f', 1)
               .arg(ink.bottom(), 0, 'f', 1)
               .arg(w->width())
               .arg(w->height());
  };
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root) || w->width() == 0) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      QString text = label->text();
      if (text.isEmpty()) continue;
      if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
      } else if (label->buddy() != nullptr) {
        text = WithoutMnemonic(text);  // the letter is underlined, not shown
      }
      // Where the label draws its text (raised, for a line of Tamil).
      QRectF room = label->contentsRect();
      if (const auto* raised = qobject_cast<TextLabel*>(label)) {
        room.setTop(room.top() - raised->TextLift());
      }
      const QRectF ink = InkOf(text, label->font(), room, label->wordWrap(),
                               label->alignment());
      // A pixel for the antialiased edge of a glyph that overshoots its
      // font's ascent (Devanagari vowel signs) or its advance.
      if (!QRectF(label->rect()).adjusted(-1, -1, 1, 1).contains(ink)) {
        reportInk(label, text, ink);
      }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      const QString text = WithoutMnemonic(button->text());
      if (text.isEmpty()) continue;
      const QSizeF need = TextSize(text, button->font());
      // The box or circle and the gap before a check box's text.
      int around = 8;
      if (qobject_cast<QCheckBox*>(button) ||
          qobject_cast<QRadioButton*>(button)) {
        around = button->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                 button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
      }
      if (need.width() + around > button->width() ||
          need.height() > button->height()) {
        report(button, text, need, button->size());
      }
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
      const QString title = WithoutMnemonic(box->title());
      const QSizeF need = TextSize(title, box->font());
      if (need.width() + 12 > box->width())
        report(box, title, need, box->size());
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < bar->count(); ++i) {
        const QString text = WithoutMnemonic(bar->tabText(i));
        const QSizeF need = TextSize(text, bar->font());
        if (need.width() > bar->tabRect(i).width() ||
            bar->tabRect(i).right() > bar->width()) {
          report(bar, text, need, bar->tabRect(i).size());
        }
      }
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      const QString text = combo->currentText();
      const QSizeF need = TextSize(text, combo->font());
      // The arrow takes about a line's height at the right.
      if (need.width() + combo->height() > combo->width()) {
        report(combo, text, need, combo->size());
      }
    } else if (auto* menus = qobject_cast<QMenuBar*>(w)) {
      if (menus->sizeHint().width() > menus->width()) {
        report(menus, QStringLiteral("menu bar"), menus->sizeHint(),
               menus->size());
      }
    }
  }
  return cut;
}

}  // namespace tarvelin::test
