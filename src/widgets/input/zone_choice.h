// SPDX-License-Identifier: GPL-3.0-or-later
// The zone list and the daylight-saving box of the input form, with room for
// an exact offset: the 71 entries never change; after them one extra entry
// holds an exact offset (from the atlas, "UTC+05:45 at the birth
// (Asia/Kathmandu)", or typed) and a last one, "Other offset…", asks for an
// offset to type. While the exact entry is chosen the box is clear and
// disabled: the offset already says everything.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QWidget;

namespace tarvelin {

// What the zone list and the box say about the offset at the birth.
struct ZoneSelection {
  int utcOffsetSeconds = 0;       // daylight saving included
  int daylightSavingSeconds = 0;  // of it
  int zoneIndex = -1;             // 0..70, or -1 for an exact offset
  std::string atlasZone;          // "Asia/Kathmandu" for an exact offset the
                                  // atlas gave; empty otherwise
  QString text;  // "Indian Time, IST, +5.3" or "UTC+05:45 at the birth (...)"
};

// Asks for an offset to type ("+05:45"), starting from `current`; nothing
// when the person cancels. Tests install their own.
using OffsetPrompt = std::function<std::optional<QString>(
    QWidget* parent, const QString& current)>;
OffsetPrompt SetOffsetPrompt(OffsetPrompt prompt);  // returns the previous one

class ZoneChoice : public QObject {
  Q_OBJECT

 public:
  // Fills `list` with the 71 entries and "Other offset…"; `parent` is the
  // window prompts and messages belong to.
  ZoneChoice(QComboBox* list, QCheckBox* daylightSaving, QWidget* parent);

  // Selects a zone-list entry (0..70) and sets the box.
  void SelectEntry(int position, bool daylightSaving);
  // Puts an exact offset into the extra entry and selects it:
  // "UTC+05:45 at the birth (Asia/Kathmandu)" for an offset of the atlas's
  // zone, "UTC+05:45" for one typed (`atlasZone` empty).
  // `daylightSavingSeconds` is the part of the offset that is saving.
  void SelectExactOffset(int utcOffsetSeconds, int daylightSavingSeconds,
                         const std::string& atlasZone);
  // Back to the first entry, no exact offset, the box clear.
  void Reset();

  // What is selected; nothing when no entry is (the list was emptied).
  std::optional<ZoneSelection> Selection() const;

 private:
  void Activated(int index);
  void ShowExact(bool exact);
  int ExactIndex() const;  // -1 when the list has no exact entry
  int OtherIndex() const;

  QComboBox* list_;
  QCheckBox* box_;
  QWidget* parent_;
  int previousIndex_ = 0;
  int exactOffsetSeconds_ = 0;
  int exactSavingSeconds_ = 0;
  std::string exactAtlasZone_;
};

}  // namespace tarvelin
