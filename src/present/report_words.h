// SPDX-License-Identifier: GPL-3.0-or-later
// Every phrase the presenter writes, one set per language: the captions of
// the result (as the window, the printed page and the text report show
// them), the sentences of the summary and of "How it was found", dates and
// the marks of the chart. A phrase with parts to fill names them {1}, {2},
// ... so that each language puts them where its word order wants them.
#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "tables/language.h"

namespace tarvelin {

struct ReportWords {
  // Result texts.
  const char* noSunriseNotice;
  const char* north;  // after a latitude: " N"
  const char* south;
  const char* east;  // after a longitude: " E"
  const char* west;
  const char* retrogradeMark;   // after a retrograde planet's name: " (R) "
  const char* horaLagnaMarker;  // "HL"
  std::array<const char*, 12> monthName;
  const char* formDate;  // the form's date: {1} day, {2} month, {3} year
  const char* longDate;  // "15 March 1980"
  // Zones.
  const char* offsetAtBirth;       // {1} offset, {2} zone of the atlas
  const char* noDaylightSaving;    // ", no daylight saving"
  const char* withDaylightSaving;  // {1} the saving, "+01:00"
  // The summary line: {1} where the Hora Lagna stands, {2} the house as
  // an ordinal, {3} the ascendant's sign.
  const char* summary;
  const char* summaryNone;  // {1} the notice
  // "How it was found".
  const char* howItWasFoundTitle;
  const char* birthLine;      // {1} date, {2} clock time
  const char* zoneLine;       // {1} offset, {2} its source, {3} saving
  const char* zoneFromList;   // {1} the zone-list entry
  const char* zoneFromAtlas;  // {1} the zone of the atlas
  const char* savingNone;
  const char* savingIncluded;       // {1} saving, {2} standard offset
  const char* noSunriseOnBirthDay;  // {1} date
  const char* noSunsetOnBirthDay;   // {1} sunrise
  const char* noSunriseDayBefore;   // {1} sunrise, {2} the day before
  const char* noTimingSunrise;
  const char* dateAtTime;            // {1} date, {2} clock time
  const char* timedFromBirthDay;     // {1} date at time
  const char* timedFromDayBefore;    // {1} date at time
  const char* sunAtSunrise;          // {1} angle, {2} sign position
  const char* minutesElapsed;        // {1} minutes
  const char* rule;                  // the rule of the Hora Lagna
  const char* lessWholeCircles;      // {1} degrees, {2} what is left
  const char* fullStop;              // ends a sentence
  const char* countedFromAscendant;  // {1} ascendant, {2} HL sign, {3} house
  // Captions of the result.
  const char* reportHeading;   // {1} the name
  const char* chartTitle;      // "Hora Lagna Chart"
  const char* detailsTitle;    // "Hora Lagna Details"
  const char* detailsHeading;  // {1} the sign
  const char* chartCentre;     // "Hora"
  const char* yourDetails;
  const char* planetaryPosition;  // "Vedic Planetary Position"
  const char* significance;
  const char* meaning;            // what the Hora Lagna signifies
  const char* houseSignificance;  // "Hora Lagna Present In House Significance"
  const char* horaLagna;
  const char* presentInHouse;    // "Hora Lagna Present In House"
  const char* countedFrom;       // {1} house, {2} ascendant's sign
  const char* bornAfterSunrise;  // {1} minutes, {2} date, {3} time
  // The person's details: report captions (no colon) and the result
  // form's (with its colons), name first.
  std::array<const char*, 10>
      detailCaptions;  // Name, Date of Birth, Time
                       // of Birth, Longitude, Latitude, City, State, Country,
                       // Time Zone, Zone
  std::array<const char*, 8> formCaptions;  // Date of Birth : ... Zone :
  const char* zoneIndex;                    // {1} index in the zone list
  const char* daylightSaving;               // ", Daylight Saving Time"
  // The atlas place nearest coordinates given without one.
  const char* placeLine;   // the text report's "Place: {1}"
  const char* nearPlace;   // {1} the place, {2} its distance
  const char* kilometres;  // {1} a whole number
  const char* underOneKm;
};

const ReportWords& WordsIn(Language language);

// `pattern` with {1}, {2}, ... replaced by the texts given, in order.
std::string Fill(const char* pattern, std::initializer_list<std::string> parts);

// House 1..12 as an ordinal in `language`: "1st", "पहला", "1-ஆம்".
std::string HouseOrdinal(int house, Language language);

// The sign's name (index 0..11) in `language`; "" for any other index.
std::string SignNameIn(int signIndex, Language language);

}  // namespace tarvelin
