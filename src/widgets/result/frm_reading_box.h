// SPDX-License-Identifier: GPL-3.0-or-later
// A box that shows one reading text of the Hora Lagna sign. The user can
// scroll it and select in it to keep their place, but cannot edit it, and the
// box offers no way to carry its text off: no copy or cut keys, no context
// menu, no drag, and nothing handed to any clipboard. The clipboard itself is
// never touched, so whatever the user had copied elsewhere stays there.
#pragma once

#include <QPlainTextEdit>

class QMimeData;

namespace tarvelin {

class ReadingBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ReadingBox(QWidget* parent = nullptr);

  // The largest height up to `height` (pixels) at which the box shows a
  // whole number of lines in its current font, never less than one line.
  int WholeLinesHeight(int height) const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  // What a copy, a drag or the window system's selection buffer would carry:
  // always nothing.
  QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace tarvelin
