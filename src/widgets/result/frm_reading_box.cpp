// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/result/frm_reading_box.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace tarvelin {
namespace {

// The key presses that would put the selection on the clipboard.
bool IsCopyKey(const QKeyEvent* event) {
  return event->matches(QKeySequence::Copy) ||
         event->matches(QKeySequence::Cut) ||
         (event->key() == Qt::Key_Insert &&
          (event->modifiers() & Qt::ControlModifier));
}

}  // namespace

ReadingBox::ReadingBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setContextMenuPolicy(Qt::NoContextMenu);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setAcceptDrops(false);
  setUndoRedoEnabled(false);
}

int ReadingBox::WholeLinesHeight(int height) const {
  // A line as the box lays it out: leading included, whole pixels.
  QTextLayout probe(QStringLiteral("X"), font());
  probe.beginLayout();
  QTextLine first = probe.createLine();
  first.setLeadingIncluded(true);
  first.setLineWidth(1000);
  probe.endLayout();
  const double line = first.height();
  // Above the lines the frame and the document's margin; below them only
  // the frame, since the next line, not the margin, would show there.
  const double chrome = 2.0 * frameWidth() + document()->documentMargin();
  const int lines =
      std::max(1, static_cast<int>(std::floor((height - chrome) / line)));
  return static_cast<int>(std::ceil(chrome + lines * line));
}

bool ReadingBox::event(QEvent* event) {
  // A copy key must not be claimed as a shortcut override either, so that
  // it reaches keyPressEvent below and dies there.
  if (event->type() == QEvent::ShortcutOverride &&
      IsCopyKey(static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QPlainTextEdit::event(event);
}

void ReadingBox::keyPressEvent(QKeyEvent* event) {
  if (IsCopyKey(event)) {
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void ReadingBox::mousePressEvent(QMouseEvent* event) {
  // A press inside an existing selection would start dragging it; start a
  // fresh selection instead.
  if (event->button() == Qt::LeftButton && textCursor().hasSelection()) {
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
  }
  QPlainTextEdit::mousePressEvent(event);
}

bool ReadingBox::canInsertFromMimeData(const QMimeData*) const { return false; }

QMimeData* ReadingBox::createMimeDataFromSelection() const {
  return new QMimeData;
}

}  // namespace tarvelin
