// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/input_problem.h"

#include "chart/birth_limits.h"
#include "present/quantity_text.h"
#include "tables/translatable.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

InputProblem Error(std::string message, InputField focus = InputField::None) {
  return InputProblem{std::move(message), MessageIcon::Error, focus, {}, {}};
}

// A message of the form, made from its pattern: "%1" ... replaced by the
// arguments in turn.
InputProblem FormProblem(const char* pattern,
                         std::vector<std::string> arguments, MessageIcon icon,
                         InputField focus = InputField::None) {
  std::string message = FillPattern(pattern, arguments);
  return InputProblem{std::move(message), icon, focus, pattern,
                      std::move(arguments)};
}

const char* AxisName(bool longitude) {
  return longitude ? "Longitude" : "Latitude";
}

}  // namespace

InputProblem EmptyNameProblem() {
  return FormProblem(
      TARVELIN_TEXT("tarvelin::InputProblem", "Please Enter Name"), {},
      MessageIcon::Error, InputField::Name);
}

InputProblem LettersOnlyProblem() {
  return FormProblem(
      TARVELIN_TEXT("tarvelin::InputProblem", "Please Enter only Letters"), {},
      MessageIcon::Information);
}

InputProblem NumbersOnlyProblem() {
  return FormProblem(
      TARVELIN_TEXT("tarvelin::InputProblem", "Only Numbers Are Accepted"), {},
      MessageIcon::Error);
}

InputProblem DegreesProblem(bool longitude) {
  return longitude ? FormProblem(
                         TARVELIN_TEXT("tarvelin::InputProblem",
                                       "Please Enter Value Between 0 And %1 in "
                                       "the Degree of Longitude"),
                         {std::to_string(kMaxLongitudeDegrees)},
                         MessageIcon::Error, InputField::LonDeg)
                   : FormProblem(
                         TARVELIN_TEXT("tarvelin::InputProblem",
                                       "Please Enter Value Between 0 And %1 in "
                                       "the Degree of Latitude"),
                         {std::to_string(kMaxLatitudeDegrees)},
                         MessageIcon::Error, InputField::LatDeg);
}

InputProblem MinutesProblem(bool longitude) {
  return longitude ? FormProblem(
                         TARVELIN_TEXT("tarvelin::InputProblem",
                                       "Please Enter Value Between 0 And %1 in "
                                       "the  Minute of Longitude"),
                         {std::to_string(kMaxAngleMinutes)}, MessageIcon::Error,
                         InputField::LonMin)
                   : FormProblem(
                         TARVELIN_TEXT("tarvelin::InputProblem",
                                       "Please Enter Value Between 0 And %1 in "
                                       "the  Minute of Latitude"),
                         {std::to_string(kMaxAngleMinutes)}, MessageIcon::Error,
                         InputField::LatMin);
}

// An impossible date is mended in the day list.
InputProblem FebruaryProblem() {
  return FormProblem(TARVELIN_TEXT("tarvelin::InputProblem",
                                   "Please Enter Correct Date Or Month!"),
                     {}, MessageIcon::Information, InputField::Day);
}

InputProblem ThirtyDayMonthProblem() {
  return FormProblem(TARVELIN_TEXT("tarvelin::InputProblem",
                                   "Please Enter Correct Date Or Month !"),
                     {}, MessageIcon::Information, InputField::Day);
}

InputProblem NameTooLongProblem() {
  return FormProblem(TARVELIN_TEXT("tarvelin::InputProblem",
                                   "A name may have at most %1 letters and "
                                   "blanks"),
                     {std::to_string(kMaxNameCharacters)}, MessageIcon::Error,
                     InputField::Name);
}

InputProblem DateFormatProblem() {
  return Error("Date must look like YYYY-MM-DD, e.g. 1980-03-15");
}

InputProblem TimeFormatProblem() {
  return Error("Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30");
}

InputProblem BetweenProblem(const char* what, int low, int high) {
  return Error(std::string(what) + " must be between " + std::to_string(low) +
               " and " + std::to_string(high));
}

InputProblem CoordinateFormatProblem(bool longitude) {
  return longitude ? Error(
                         "Longitude must look like 77:12E (degrees:minutes "
                         "then E or W)")
                   : Error(
                         "Latitude must look like 28:36N (degrees:minutes "
                         "then N or S)");
}

InputProblem DegreeDigitsProblem(bool longitude, std::size_t digits) {
  return Error(std::string(AxisName(longitude)) + " degrees take at most " +
               std::to_string(digits) + " digits");
}

InputProblem MinuteDigitsProblem(bool longitude, std::size_t digits) {
  return Error(std::string(AxisName(longitude)) + " minutes take at most " +
               std::to_string(digits) + " digits");
}

InputProblem ZoneIndexProblem() {
  return Error("Zone must be a list index from 0 to " +
               std::to_string(kZoneCount - 1) + " (see --zones)");
}

InputProblem UtcOffsetFormatProblem() {
  return Error(
      "UTC offset must look like +05:45 or -04:30 or +05:53:20, "
      "between " +
      OffsetText(kSmallestUtcOffsetSeconds) + " and " +
      OffsetText(kLargestUtcOffsetSeconds));
}

InputProblem UtcOffsetRangeProblem() {
  return Error("The UTC offset must be between " +
               OffsetText(kSmallestUtcOffsetSeconds) + " and " +
               OffsetText(kLargestUtcOffsetSeconds));
}

InputProblem DaylightSavingProblem() {
  return Error("Daylight saving must be between " +
               OffsetText(-kMaxDaylightSavingSeconds) + " and " +
               OffsetText(kMaxDaylightSavingSeconds));
}

InputProblem ZoneEntryOffsetProblem(int zoneIndex, int utcOffsetSeconds,
                                    int entryOffsetSeconds) {
  return Error("The UTC offset " + OffsetText(utcOffsetSeconds) +
               " is not that of zone-list entry " + std::to_string(zoneIndex) +
               " (" + OffsetText(entryOffsetSeconds) + ")");
}

InputProblem ZoneEntrySavingProblem() {
  return Error("With a zone-list entry, daylight saving is one hour or none");
}

}  // namespace tarvelin
