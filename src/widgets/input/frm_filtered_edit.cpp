// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/input/frm_filtered_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>
#include <memory>

#include "widgets/common/app_seams.h"
#include "widgets/common/ui_language.h"

namespace tarvelin {
namespace {

using KeyFilter = FilteredLineEdit::KeyFilter;

struct Filtered {
  QString text;                         // as the filter changed it
  std::optional<InputProblem> problem;  // the first refusal
};

// Runs each character of `text` through the filter. With `asContent`,
// control characters are refused too: Backspace and Enter are keys the
// filters let through, but inside pasted text they would be content that
// typing never gives.
Filtered FilterText(KeyFilter filter, const QString& text, bool asContent) {
  Filtered result;
  result.text.reserve(text.size());
  // By code point, so a letter beyond the first 65,536 (two UTF-16 units)
  // is one character to the filter.
  for (const char32_t code : text.toUcs4()) {
    KeyVerdict verdict = filter(static_cast<int>(code));
    if (asContent && verdict.code != 0 && verdict.code < ' ') {
      verdict = filter(0);  // refused, with the filter's own message
    }
    if (verdict.code == 0) {
      result.problem = verdict.problem;
      return result;
    }
    const char32_t kept = static_cast<char32_t>(verdict.code);
    result.text.append(QString::fromUcs4(&kept, 1));
  }
  return result;
}

void Show(const InputProblem& problem, QWidget* parent) {
  ShowMessage(ShownMessage(problem), problem.icon, MessageButtons::Ok, parent);
}

// The last guard: whatever reaches the box by a road the box does not
// watch is held against the same filter. Lower-case letters come out upper
// case; a refused character undoes the whole change, and the message is
// shown once the box has finished the edit.
class FilterValidator : public QValidator {
 public:
  FilterValidator(KeyFilter filter, QLineEdit* box)
      : QValidator(box), filter_(filter), box_(box) {}

  State validate(QString& input, int& /*position*/) const override {
    Filtered filtered = FilterText(filter_, input, true);
    if (filtered.problem) {
      QLineEdit* box = box_;
      const InputProblem problem = *filtered.problem;
      QMetaObject::invokeMethod(
          box, [box, problem] { Show(problem, box->window()); },
          Qt::QueuedConnection);
      return Invalid;
    }
    input = filtered.text;
    return Acceptable;
  }

 private:
  KeyFilter filter_;
  QLineEdit* box_;
};

}  // namespace

FilteredLineEdit::FilteredLineEdit(KeyFilter filter, QWidget* parent)
    : QLineEdit(parent), filter_(filter) {
  setValidator(new FilterValidator(filter, this));
}

bool FilteredLineEdit::RefusedContent(const QString& text) {
  const Filtered filtered = FilterText(filter_, text, true);
  if (!filtered.problem) return false;
  Show(*filtered.problem, window());
  return true;
}

void FilteredLineEdit::PasteFiltered(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString text = QGuiApplication::clipboard()->text(mode);
  if (text.isEmpty() || RefusedContent(text)) return;
  insert(text);  // the validator upper-cases it
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    PasteFiltered();
    event->accept();
    return;
  }
  // Only keys that type a visible character are filtered; Backspace, Enter,
  // Escape, Tab, Delete and the Control shortcuts keep their usual work.
  const QString typed = event->text();
  const bool typesText =
      !typed.isEmpty() && typed.front().isPrint() &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (!typesText) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const Filtered filtered = FilterText(filter_, typed, false);
  if (filtered.problem) {
    Show(*filtered.problem, window());
    event->accept();
    return;
  }
  if (filtered.text == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent changed(event->type(), event->key(), event->modifiers(),
                    filtered.text, event->isAutoRepeat(),
                    static_cast<quint16>(event->count()));
  QLineEdit::keyPressEvent(&changed);
  event->setAccepted(changed.isAccepted());
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (commit.isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const Filtered filtered = FilterText(filter_, commit, true);
  QInputMethodEvent changed(event->preeditString(), event->attributes());
  if (filtered.problem) {
    Show(*filtered.problem, window());
  } else {
    changed.setCommitString(filtered.text, event->replacementStart(),
                            event->replacementLength());
  }
  QLineEdit::inputMethodEvent(&changed);
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  // The standard entry pastes unfiltered; point it at the filtered paste.
  // Should the entry not be found, the validator still refuses junk.
  if (QAction* paste = menu->findChild<QAction*>("edit-paste")) {
    QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
    connect(paste, &QAction::triggered, this, [this] { PasteFiltered(); });
  }
  menu->exec(event->globalPos());
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
  const QMimeData* data = event->mimeData();
  if (data && data->hasText() && RefusedContent(data->text())) {
    QDragLeaveEvent leave;  // clears the drop caret
    QLineEdit::dragLeaveEvent(&leave);
    event->ignore();
    return;
  }
  QLineEdit::dropEvent(event);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  // A middle click pastes the selection on systems that have one.
  if (event->button() == Qt::MiddleButton &&
      QGuiApplication::clipboard()->supportsSelection() && !isReadOnly()) {
    const QString text =
        QGuiApplication::clipboard()->text(QClipboard::Selection);
    if (!text.isEmpty() && RefusedContent(text)) {
      event->accept();
      return;
    }
  }
  QLineEdit::mouseReleaseEvent(event);
}

}  // namespace tarvelin
