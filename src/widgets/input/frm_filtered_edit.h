// SPDX-License-Identifier: GPL-3.0-or-later
// A text box that lets through only what its key filter accepts, however the
// text arrives: typed, committed by an input method, pasted or dropped. A
// refused character shows the filter's message and nothing is inserted, so
// the box only ever holds what typing could have put there.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <optional>

#include "rules/validation.h"

namespace tarvelin {

class FilteredLineEdit : public QLineEdit {
 public:
  using KeyFilter = KeyVerdict (*)(int code);

  explicit FilteredLineEdit(KeyFilter filter, QWidget* parent = nullptr);

  // Inserts the clipboard's text at the cursor when every character passes
  // the filter; otherwise shows the filter's message and inserts nothing.
  void PasteFiltered(QClipboard::Mode mode = QClipboard::Clipboard);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Shows the filter's message and returns true when `text`, as box
  // content, holds a character the filter refuses.
  bool RefusedContent(const QString& text);

  KeyFilter filter_;
};

}  // namespace tarvelin
