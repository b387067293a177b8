#include "rules/input_problem.h"

#include "chart/birth_limits.h"
#include "present/quantity_text.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

InputProblem Error(std::string message, InputField focus = InputField::None) {
  return InputProblem{std::move(message), MessageIcon::Error, focus};
}

InputProblem Information(std::string message,
                         InputField focus = InputField::None) {
  return InputProblem{std::move(message), MessageIcon::Information, focus};
}

const char* AxisName(bool longitude) {
  return longitude ? "Longitude" : "Latitude";
}

}  // namespace

InputProblem EmptyNameProblem() {
  return Error("Please Enter Name", InputField::Name);
}

InputProblem LettersOnlyProblem() {
  return Information("Please Enter only Letters");
}

InputProblem NumbersOnlyProblem() { return Error("Only Numbers Are Accepted"); }

InputProblem DegreesProblem(bool longitude) {
  return longitude ? Error("Please Enter Value Between 0 And " +
                               std::to_string(kMaxLongitudeDegrees) +
                               " in the Degree of Longitude",
                           InputField::LonDeg)
                   : Error("Please Enter Value Between 0 And " +
                               std::to_string(kMaxLatitudeDegrees) +
                               " in the Degree of Latitude",
                           InputField::LatDeg);
}

InputProblem MinutesProblem(bool longitude) {
  return Error("Please Enter Value Between 0 And " +
                   std::to_string(kMaxAngleMinutes) + " in the  Minute of " +
                   AxisName(longitude),
               longitude ? InputField::LonMin : InputField::LatMin);
}

// An impossible date is mended in the day list.
InputProblem FebruaryProblem() {
  return Information("Please Enter Correct Date Or Month!", InputField::Day);
}

InputProblem ThirtyDayMonthProblem() {
  return Information("Please Enter Correct Date Or Month !", InputField::Day);
}

InputProblem NameTooLongProblem() {
  return Error("A name may have at most " + std::to_string(kMaxNameCharacters) +
                   " letters and blanks",
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
