// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder, at most once per fifteen days of use, that an update of the
// program may exist. It keeps two values in the settings store, section
// "Settings": "Duration", the date of the last reminder (or of the first
// start), and "Install", a whole number, "1" after the first start.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace tarvelin {

constexpr const char kSettingsSection[] = "Settings";
constexpr const char kDurationKey[] = "Duration";
constexpr const char kInstallKey[] = "Install";

// Reminder days: a stored date at most this many whole days away from today,
// either way, brings no reminder.
constexpr int kQuietDays = 14;

// Runs once at start-up with today's date. On the first start it only
// records the date; later, when the stored date lies more than kQuietDays
// away, it asks whether to look for an update, moves the stored date to
// today whatever the answer, and on Yes opens the download page.
void UpdateReminder(const QDate& today);

// One setting through the application's encoding; nothing when it is not
// stored or cannot be read.
std::optional<QString> ReadSetting(const char* key);
void WriteSetting(const char* key, const QString& value);

}  // namespace tarvelin
