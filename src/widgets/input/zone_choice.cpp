// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/input/zone_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputDialog>
#include <utility>

#include "chart/birth_limits.h"
#include "present/quantity_text.h"
#include "rules/text_readers.h"
#include "tables/utc_offset.h"
#include "tables/zone_names.h"
#include "tables/zone_table.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/ui_language.h"

namespace tarvelin {
namespace {

constexpr char kOtherOffset[] =
    QT_TRANSLATE_NOOP("tarvelin::ZoneChoice", "Other offset…");
// The range of offsets, as the messages write it: "-12:00" and "+14:00".
QString Smallest() {
  return QString::fromStdString(OffsetText(kSmallestUtcOffsetSeconds));
}
QString Largest() {
  return QString::fromStdString(OffsetText(kLargestUtcOffsetSeconds));
}

QString BadOffset() {
  return ZoneChoice::tr(
             "Please enter the offset from UTC as +HH:MM or +HH:MM:SS, "
             "between %1 and %2 (for example +05:45)")
      .arg(Smallest(), Largest());
}

// Marks the two extra entries apart from the 71.
enum ExtraRole { kExactEntry = 1, kOtherEntry = 2 };

std::optional<QString> DialogPrompt(QWidget* parent, const QString& current) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(kAppTitle);
  dialog.setLabelText(
      ZoneChoice::tr("Offset from UTC at the birth (%1 .. %2), e.g. +05:45:")
          .arg(Smallest(), Largest()));
  dialog.setTextValue(current);
  // The buttons' words are ours: Qt ships none in Hindi or Tamil.
  dialog.setOkButtonText(
      QCoreApplication::translate("tarvelin::Message", "OK"));
  dialog.setCancelButtonText(
      QCoreApplication::translate("tarvelin::ShowMessage", "Cancel"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

OffsetPrompt& CurrentPrompt() {
  static OffsetPrompt prompt = DialogPrompt;
  return prompt;
}

// The offset as typed back into the prompt ("+05:45").
QString TypedText(int offsetSeconds) {
  return QString::fromStdString(OffsetText(offsetSeconds));
}

}  // namespace

OffsetPrompt SetOffsetPrompt(OffsetPrompt prompt) {
  OffsetPrompt previous = std::move(CurrentPrompt());
  CurrentPrompt() = prompt ? std::move(prompt) : DialogPrompt;
  return previous;
}

ZoneChoice::ZoneChoice(QComboBox* list, QCheckBox* daylightSaving,
                       QWidget* parent)
    : QObject(list), list_(list), box_(daylightSaving), parent_(parent) {
  setObjectName("zoneChoice");
  list_->clear();
  // The entries' names in the windows' language, their abbreviations and
  // offsets as they are.
  for (int i = 0; i < kZoneCount; ++i) {
    list_->addItem(QString::fromStdString(ZoneEntryText(i, UiLanguage())));
  }
  list_->addItem(tr(kOtherOffset), kOtherEntry);
  connect(list_, &QComboBox::activated, this, &ZoneChoice::Activated);
  connect(list_, &QComboBox::currentIndexChanged, this, [this](int index) {
    ShowExact(index >= 0 && index == ExactIndex());
    if (index >= 0 && index != OtherIndex()) previousIndex_ = index;
  });
}

int ZoneChoice::ExactIndex() const { return list_->findData(kExactEntry); }
int ZoneChoice::OtherIndex() const { return list_->findData(kOtherEntry); }

void ZoneChoice::ShowExact(bool exact) {
  if (exact) box_->setChecked(false);
  box_->setEnabled(!exact);
}

void ZoneChoice::SelectEntry(int position, bool daylightSaving) {
  if (position < 0 || position >= kZoneCount) return;
  list_->setCurrentIndex(position);
  box_->setChecked(daylightSaving);
}

void ZoneChoice::SelectExactOffset(int utcOffsetSeconds,
                                   int daylightSavingSeconds,
                                   const std::string& atlasZone) {
  exactOffsetSeconds_ = utcOffsetSeconds;
  exactSavingSeconds_ = daylightSavingSeconds;
  exactAtlasZone_ = atlasZone;
  QString text = QString::fromStdString(UtcOffsetText(utcOffsetSeconds));
  if (!atlasZone.empty()) {
    text =
        tr("%1 at the birth (%2)").arg(text, QString::fromStdString(atlasZone));
  }
  int exact = ExactIndex();
  if (exact < 0) {
    exact = kZoneCount;
    list_->insertItem(exact, text, kExactEntry);
  } else {
    list_->setItemText(exact, text);
  }
  list_->setCurrentIndex(exact);
  ShowExact(true);
}

void ZoneChoice::Reset() {
  const int exact = ExactIndex();
  if (exact >= 0) list_->removeItem(exact);
  list_->setCurrentIndex(0);
  box_->setChecked(false);
  box_->setEnabled(true);
  previousIndex_ = 0;
}

void ZoneChoice::Activated(int index) {
  if (index != OtherIndex()) return;
  const QString start =
      ExactIndex() >= 0 ? TypedText(exactOffsetSeconds_) : QString("+");
  // Whatever happens, the list does not stay on "Other offset…".
  list_->setCurrentIndex(previousIndex_);
  for (std::optional<QString> typed = CurrentPrompt()(parent_, start); typed;
       typed = CurrentPrompt()(parent_, *typed)) {
    if (const Reading<int> offset = ReadUtcOffset(typed->toStdString())) {
      SelectExactOffset(*offset, 0, std::string());
      return;
    }
    ShowMessage(BadOffset(), MessageIcon::Error, MessageButtons::Ok, parent_);
  }
}

std::optional<ZoneSelection> ZoneChoice::Selection() const {
  const int index = list_->currentIndex();
  ZoneSelection selection;
  if (index >= 0 && index < kZoneCount) {
    const ZoneEntry& entry = kZoneTable[static_cast<std::size_t>(index)];
    selection.zoneIndex = index;
    selection.daylightSavingSeconds = box_->isChecked() ? 3600 : 0;
    selection.utcOffsetSeconds =
        EntryOffsetSeconds(entry) + selection.daylightSavingSeconds;
    selection.text = entry.text;
    return selection;
  }
  if (index >= 0 && index == ExactIndex()) {
    selection.utcOffsetSeconds = exactOffsetSeconds_;
    selection.daylightSavingSeconds = exactSavingSeconds_;
    selection.atlasZone = exactAtlasZone_;
    selection.text = list_->itemText(index);
    return selection;
  }
  return std::nullopt;
}

}  // namespace tarvelin
