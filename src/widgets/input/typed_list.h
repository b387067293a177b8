// SPDX-License-Identifier: GPL-3.0-or-later
// A list of fixed entries (the birth date and time) that takes typing as a
// person means it. Digits typed within a short pause are read as one number
// and select the entry that equals it ("3" -> 3, "1" "4" -> 14, "0" "5" -> 5,
// "2" "0" "0" "1" -> 2001); the month list also takes the letters of a name
// ("Mar" -> March, "Ju" then "l" -> July) or the month's number. A typed
// value the list lacks changes nothing, and the window's status bar says the
// range ("Years 1901–2050"). The entries, their order and the arrow keys are
// the toolkit's; the list never becomes free text.
#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace tarvelin {

// What the characters typed so far select among `entries`.
struct TypedMatch {
  enum Kind {
    kEntry,     // the entry at `index`
    kMore,      // no entry yet, but more digits may make one ("19" of 1901)
    kNotListed  // no entry, whatever follows
  };
  Kind kind = kNotListed;
  int index = -1;
};

// Numbers: `typed` is digits, and the entry whose text is that number (no
// leading zeros) is chosen. Names (`byName`): letters choose the first
// entry whose name begins so, upper and lower case alike; digits choose the
// entry at that position counted from 1 (the month's number).
TypedMatch MatchTyped(const QStringList& entries, const QString& typed,
                      bool byName);

class TypedList : public QComboBox {
  Q_OBJECT

 public:
  // `range` is said when a typed value is not in the list
  // ("Years 1901–2050"); `byName` as for MatchTyped.
  TypedList(QString range, bool byName, QWidget* parent = nullptr);

  // Ends the typing under way, as a pause would: a value not in the list
  // puts the list back and says the range.
  void FinishTyping();

 signals:
  // The entry is settled: chosen by typing (once the typing ends), with
  // the arrow keys or the popup, or set by the program. Entries passed
  // through on the way to a typed number ("1" of 14) are not reported.
  void entryChosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One typed character; `inPopup` when the open list has the keyboard.
  void Type(const QString& text, bool inPopup);
  void Select(int index, bool inPopup);
  void SayRange();
  QStringList entries() const;

  QString range_;
  bool byName_;
  QString typed_;  // the characters of the typing under way
  int startIndex_ = -1;
  bool typing_ = false;
  bool typedInPopup_ = false;
  bool saidRange_ = false;          // the status bar shows our range
  bool saidRangeThisTime_ = false;  // ... said in the typing under way
  TypedMatch last_;
  QElapsedTimer sinceKey_;
  QTimer pause_;
};

}  // namespace tarvelin
