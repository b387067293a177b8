#include "widgets/result/frm_reading_box.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>

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
