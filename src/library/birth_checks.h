// The input form's checks applied to a Birth value, for births that reach
// the library without passing the form (an import file, a program's save):
// the form's own messages where it has one, and otherwise the messages
// tarvelin-cli gives for the same fault.
#pragma once

#include <optional>
#include <string>

#include "chart/birth.h"

namespace tarvelin::library {

// The years the form's list offers.
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
// The widest offsets from UTC in use: -12:00 and +14:00.
constexpr int kMinOffsetSeconds = -12 * kSecondsPerHour;
constexpr int kMaxOffsetSeconds = 14 * kSecondsPerHour;
// Daylight saving of up to two hours either way.
constexpr int kMaxDaylightSavingSeconds = 2 * kSecondsPerHour;

// The first check the birth fails, or nothing. A name may hold letters of
// any script and blanks (the form's key filter takes A-Z only, but a name
// saved with accents must come back from an exported file).
std::optional<std::string> BirthProblem(const Birth& birth);

// The zone-list entry a birth can be shown with: its own, or for an exact
// offset the first entry of that standard offset whose daylight-saving box
// (none or one hour) makes up the rest, which computes the same. -1 when
// there is none (+05:45, a two-hour daylight saving).
int ZoneEntryFor(const Birth& birth);

// "+05:45" / "-03:30" for an offset in seconds (seconds of an offset, which
// no zone has used since 1972, are shown as ":SS").
std::string OffsetText(int seconds);

}  // namespace tarvelin::library

namespace tarvelin::library {

// A coordinate as tarvelin-cli and --batch take it, to the nearest minute:
// "77:12E", "28:36N", "0:00S" for a south latitude of zero.
std::string LongitudeText(double degrees);
std::string LatitudeText(double degrees);
// "1980-03-15" and "21:05:30".
std::string DateText(const CivilDateTime& t);
std::string TimeText(const CivilDateTime& t);

}  // namespace tarvelin::library
