// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/input/typed_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <utility>

namespace tarvelin {
namespace {

// Longer typing is no entry of any list here.
constexpr int kMaxTyped = 8;

// The typed digits as ASCII ("०५" typed on a Devanagari layout reads as
// "05"); empty when `typed` holds anything but decimal digits.
QString AsciiDigits(const QString& typed) {
  QString digits;
  for (const QChar c : typed) {
    const int value = c.digitValue();
    if (value < 0) return QString();
    digits.append(QChar('0' + value));
  }
  return digits;
}

bool AllLetters(const QString& typed) {
  for (const QChar c : typed) {
    if (!c.isLetter()) return false;
  }
  return true;
}

// A key that types into the list: visible text without Control, Alt or
// Meta. The space bar keeps its work (it opens the list).
bool TypesText(const QKeyEvent* event) {
  const QString text = event->text();
  return !text.isEmpty() && text.front().isPrint() && text != " " &&
         !(event->modifiers() &
           (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

TypedMatch MatchTyped(const QStringList& entries, const QString& typed,
                      bool byName) {
  const QString digits = AsciiDigits(typed);
  if (typed.isEmpty() || typed.size() > kMaxTyped) return {};
  if (!digits.isEmpty()) {
    QString number = digits;
    while (number.startsWith('0')) number.remove(0, 1);
    if (byName) {
      // The month's number: "3" or "03" is March.
      if (number.isEmpty()) return {TypedMatch::kMore, -1};
      const int position = number.toInt();
      if (position >= 1 && position <= entries.size()) {
        return {TypedMatch::kEntry, position - 1};
      }
      return {};
    }
    if (number.isEmpty()) number = QStringLiteral("0");
    const int index = static_cast<int>(entries.indexOf(number));
    if (index >= 0) return {TypedMatch::kEntry, index};
    // Only zeros so far wait for the digits after them ("0" of "05").
    if (number == QLatin1String("0")) return {TypedMatch::kMore, -1};
    for (const QString& entry : entries) {
      if (entry.startsWith(number)) return {TypedMatch::kMore, -1};
    }
    return {};
  }
  if (byName && AllLetters(typed)) {
    for (int i = 0; i < entries.size(); ++i) {
      if (entries[i].startsWith(typed, Qt::CaseInsensitive)) {
        return {TypedMatch::kEntry, i};
      }
    }
  }
  return {};
}

TypedList::TypedList(QString range, bool byName, QWidget* parent)
    : QComboBox(parent), range_(std::move(range)), byName_(byName) {
  setEditable(false);  // choice only: position and text agree
  pause_.setSingleShot(true);
  connect(&pause_, &QTimer::timeout, this, &TypedList::FinishTyping);
  // Typing in the open list chooses the same way.
  view()->installEventFilter(this);
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (!typing_ || typedInPopup_) emit entryChosen();
  });
}

void TypedList::keyPressEvent(QKeyEvent* event) {
  if (TypesText(event)) {
    for (const QChar c : event->text()) Type(QString(c), false);
    event->accept();
    return;
  }
  // Any other key (arrows, Page Up ...) starts from what typing chose.
  FinishTyping();
  QComboBox::keyPressEvent(event);
}

bool TypedList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view() && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (TypesText(key)) {
      for (const QChar c : key->text()) Type(QString(c), true);
      return true;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void TypedList::focusOutEvent(QFocusEvent* event) {
  FinishTyping();
  QComboBox::focusOutEvent(event);
}

void TypedList::Type(const QString& text, bool inPopup) {
  if (typing_ && (sinceKey_.elapsed() > QApplication::keyboardInputInterval() ||
                  inPopup != typedInPopup_)) {
    FinishTyping();
  }
  if (!typing_) {
    typing_ = true;
    typedInPopup_ = inPopup;
    typed_.clear();
    startIndex_ = inPopup ? view()->currentIndex().row() : currentIndex();
    saidRangeThisTime_ = false;
  }
  sinceKey_.start();
  pause_.start(QApplication::keyboardInputInterval());
  typed_ += text;
  last_ = MatchTyped(entries(), typed_, byName_);
  switch (last_.kind) {
    case TypedMatch::kEntry:
      Select(last_.index, inPopup);
      break;
    case TypedMatch::kMore:
      break;
    case TypedMatch::kNotListed:
      Select(startIndex_, inPopup);
      if (!saidRangeThisTime_) SayRange();
      break;
  }
}

void TypedList::FinishTyping() {
  if (!typing_) return;
  pause_.stop();
  if (last_.kind == TypedMatch::kMore) {
    Select(startIndex_, typedInPopup_);
    SayRange();
  } else if (last_.kind == TypedMatch::kEntry && saidRange_) {
    // The range said earlier no longer applies.
    QStatusTipEvent clear{QString()};
    QCoreApplication::sendEvent(this, &clear);
    saidRange_ = false;
  }
  typing_ = false;
  typed_.clear();
  if (!typedInPopup_ && currentIndex() != startIndex_) emit entryChosen();
}

QStringList TypedList::entries() const {
  QStringList texts;
  for (int i = 0; i < count(); ++i) texts << itemText(i);
  return texts;
}

void TypedList::Select(int index, bool inPopup) {
  if (index < 0) return;
  if (inPopup) {
    view()->setCurrentIndex(model()->index(index, modelColumn()));
  } else {
    setCurrentIndex(index);
  }
}

void TypedList::SayRange() {
  // Handed up to the window, whose status bar shows it.
  QStatusTipEvent tip(range_);
  QCoreApplication::sendEvent(this, &tip);
  saidRange_ = true;
  saidRangeThisTime_ = true;
}

}  // namespace tarvelin
