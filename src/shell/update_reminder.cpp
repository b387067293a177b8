// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/update_reminder.h"

#include <QCoreApplication>

#include "shell/settings_codec.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/web_links.h"

namespace tarvelin {
namespace {

// Dates are kept as text in this form.
constexpr Qt::DateFormat kDateFormat = Qt::ISODate;

constexpr const char kUpdateQuestion[] =
    QT_TRANSLATE_NOOP("tarvelin::UpdateReminder",
                      "There maybe an update to this software available"
                      "\r"
                      "Do you want to check for an update?");

}  // namespace

std::optional<QString> ReadSetting(const char* key) {
  const QVariant stored =
      Settings().value(kSettingsSection, EncodeSetting(key));
  if (!stored.isValid()) return std::nullopt;
  return DecodeSetting(stored.toString());
}

void WriteSetting(const char* key, const QString& value) {
  Settings().setValue(kSettingsSection, EncodeSetting(key),
                      EncodeSetting(value));
}

void UpdateReminder(const QDate& today) {
  const std::optional<QString> durationText = ReadSetting(kDurationKey);
  const QDate lastReminder =
      durationText ? QDate::fromString(*durationText, kDateFormat) : QDate();
  if (!lastReminder.isValid()) {
    // First start, or a value that cannot be read: start counting today.
    WriteSetting(kInstallKey, QStringLiteral("1"));
    WriteSetting(kDurationKey, today.toString(kDateFormat));
    return;
  }

  const qint64 days = lastReminder.daysTo(today);
  if (days >= -kQuietDays && days <= kQuietDays) return;

  const MessageAnswer answer = ShowMessage(
      QCoreApplication::translate("tarvelin::UpdateReminder", kUpdateQuestion),
      MessageIcon::Information, MessageButtons::YesNo);

  bool installIsNumber = false;
  const std::optional<QString> installText = ReadSetting(kInstallKey);
  const qint64 install = installText ? installText->toInt(&installIsNumber) : 0;
  if (installIsNumber) {
    WriteSetting(kInstallKey,
                 QString::number(install < 0 ? -install : install));
  }
  WriteSetting(kDurationKey, today.toString(kDateFormat));

  if (answer == MessageAnswer::Yes) OpenDownloadPage();
}

}  // namespace tarvelin
