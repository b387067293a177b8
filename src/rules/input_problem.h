// SPDX-License-Identifier: GPL-3.0-or-later
// What is wrong with a birth as the user is told: the message, its icon and
// the box that gets the keyboard focus. Every message of the readers, the
// form's checks and the check of a whole birth is made here, once.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tarvelin {

enum class MessageIcon { Error, Information };

// The box that gets the keyboard focus after a message.
enum class InputField { None, Name, LonDeg, LonMin, LatDeg, LatMin, Day };

struct InputProblem {
  std::string message;  // exactly as shown to the user, in English
  MessageIcon icon = MessageIcon::Error;
  InputField focus = InputField::None;
  // The desktop program's messages also as a pattern, "%1" ... standing for
  // the `arguments` (numbers), under which Qt's translations (context
  // "tarvelin::InputProblem") keep them; empty for the command-line tool's
  // own.
  std::string pattern;
  std::vector<std::string> arguments;
};

// The form's own messages, exactly as it shows them (the two minutes
// messages carry two blanks before "Minute"; the two date messages differ
// by the blank before "!").
InputProblem EmptyNameProblem();    // "Please Enter Name"
InputProblem LettersOnlyProblem();  // "Please Enter only Letters"
InputProblem NumbersOnlyProblem();  // "Only Numbers Are Accepted"
InputProblem DegreesProblem(bool longitude);
InputProblem MinutesProblem(bool longitude);
InputProblem FebruaryProblem();        // "Please Enter Correct Date Or Month!"
InputProblem ThirtyDayMonthProblem();  // "... Or Month !"

// What the form's lists and boxes cannot get wrong but a typed text or a
// file can, in the command-line tool's words.
InputProblem NameTooLongProblem();
InputProblem DateFormatProblem();
InputProblem TimeFormatProblem();
// "Year must be between 1901 and 2050", and so on for "Month", "Day",
// "Hour", "Minute", "Second".
InputProblem BetweenProblem(const char* what, int low, int high);
InputProblem CoordinateFormatProblem(bool longitude);
InputProblem DegreeDigitsProblem(bool longitude, std::size_t digits);
InputProblem MinuteDigitsProblem(bool longitude, std::size_t digits);
InputProblem ZoneIndexProblem();
// A typed offset that is no "+05:45" within the range, and a number of
// seconds outside it.
InputProblem UtcOffsetFormatProblem();
InputProblem UtcOffsetRangeProblem();
InputProblem DaylightSavingProblem();
// A zone-list entry whose offset is not the birth's, or whose daylight
// saving is neither none nor one hour.
InputProblem ZoneEntryOffsetProblem(int zoneIndex, int utcOffsetSeconds,
                                    int entryOffsetSeconds);
InputProblem ZoneEntrySavingProblem();

}  // namespace tarvelin
