// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/hora_lagna_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "present/chart_text.h"     // SignName
#include "present/position_text.h"  // ArcText, SignArcText
#include "present/quantity_text.h"  // DateText, TimeText, DateTimeText
#include "present/report_words.h"   // Fill, SignNameIn

namespace tarvelin {
namespace {

// The phrases of this file, one set per language; {1}, {2} ... where the
// parts go.
struct HoraLagnaWords {
  // "How it was found": the rule, and the rules' short names.
  std::array<const char*, kSunriseRuleCount> ruleLines, ruleNames;
  std::array<const char*, kAyanamsaCount> ayanamsaNames;
  const char* ayanamsaLine;  // {1} ayanamsa, {2} its value
  const char* optionsLine;   // {1} rule, {2} ayanamsa, {3} its value
  // {1} sign, {2} from, {3} to, {4} minutes, {5} the other sign.
  const char *marginAlone, *marginEarlier, *marginEarlierOne, *marginLater,
      *marginLaterOne;
  const char* uncertainty;         // {1} minutes, {2} the shares
  const char* uncertaintyUnknown;  // {1} minutes
  const char* centreRule;          // {1} sign
  const char* secondsElapsed;      // {1} seconds, {2} minutes, {3} seconds
  const char* bornAfterSunrise;    // {1} min, {2} s, {3} date, {4} time
  const char* ruleSeconds;
  const char* secondsUnit;  // in the arithmetic: "13173 s ÷ 120"
  const char *throughTheDay, *otherLagnas, *from, *to, *sign, *birth, *none;
  // Ghati, Bhava, Varnada, Sree, Indu Lagna, Pranapada.
  std::array<const char*, 6> lagnaNames;
  // One line on each choice, for where the options are chosen.
  std::array<const char*, kSunriseRuleCount> ruleDescriptions;
  std::array<const char*, kAyanamsaCount> ayanamsaDescriptions;
};

const HoraLagnaWords kEnglishWords = {
    {"Sunrise: the Sun's upper edge on the horizon, with refraction, to the "
     "minute (classic rule)",
     "Sunrise: the Sun's upper edge on the horizon, with 34\u2032 refraction "
     "and the Sun's semi-diameter, to the second (limb rule)",
     "Sunrise: the centre of the Sun's disc on the horizon, without "
     "refraction, to the second (centre rule)"},
    {"classic rule", "limb rule", "centre rule"},
    {"classic", "Lahiri", "Raman", "Krishnamurti", "Fagan-Bradley"},
    "Ayanamsa: {1}, {2} at the birth",
    "Sunrise: {1} \u00B7 Ayanamsa: {2}, {3} at the birth",
    "The Hora Lagna stays in {1} for births from {2} to {3}.",
    "The Hora Lagna stays in {1} for births from {2} to {3}; {4} minutes "
    "earlier it is {5}.",
    "The Hora Lagna stays in {1} for births from {2} to {3}; 1 minute earlier "
    "it is {5}.",
    "The Hora Lagna stays in {1} for births from {2} to {3}; {4} minutes later "
    "it is {5}.",
    "The Hora Lagna stays in {1} for births from {2} to {3}; 1 minute later it "
    "is {5}.",
    "With the birth time uncertain by \u00B1 {1} minutes, the Hora Lagna is "
    "{2}.",
    "With the birth time uncertain by \u00B1 {1} minutes, the Hora Lagna "
    "cannot be found for all of that time: no sunrise times part of it.",
    "Under the traditional Hindu sunrise (disc centre, no refraction) it is "
    "{1}.",
    "Time elapsed from that sunrise to the birth: {1} seconds ({2} minutes "
    "{3} seconds).",
    "Born {1} minutes {2} seconds after the sunrise of {3}, {4}",
    "Sun at sunrise + 0.5\u00B0 \u00D7 minutes (1/120\u00B0 a second) = "
    "Hora Lagna",
    "s",
    "The Hora Lagna through the day",
    "Other special lagnas",
    "From",
    "To",
    "Sign",
    "birth",
    "none",
    {"Ghati Lagna", "Bhava Lagna", "Varnada Lagna", "Sree Lagna", "Indu Lagna",
     "Pranapada"},
    {"The Sun's upper edge appears, with refraction, to the minute: the "
     "rule Tarvelin has always used.",
     "The Sun's upper edge on the horizon with 34\u2032 refraction, to the "
     "second: the sunrise of almanacs and weather services.",
     "The centre of the Sun's disc on the horizon, no refraction, to the "
     "second: the traditional Hindu sunrise, about 4 minutes later in India."},
    {"Tarvelin's own ayanamsa, as it has always been.",
     "Chitrapaksha: 23\u00B0 15\u2032 00.658\u2033 on 21 March 1956, the "
     "Indian national standard.",
     "Raman's ayanamsa: about 1\u00B0 27\u2032 smaller than Lahiri's.",
     "Krishnamurti's ayanamsa: about 6\u2032 smaller than Lahiri's.",
     "The Western sidereal ayanamsa: about 53\u2032 larger than Lahiri's."},
};

const HoraLagnaWords kHindiWords = {
    {"सूर्योदय: क्षितिज पर सूर्य का ऊपरी किनारा, अपवर्तन सहित, मिनट तक "
     "(पारंपरिक नियम)",
     "सूर्योदय: क्षितिज पर सूर्य का ऊपरी किनारा, 34\u2032 अपवर्तन और सूर्य "
     "की अर्ध-त्रिज्या सहित, सेकंड तक (किनारा नियम)",
     "सूर्योदय: क्षितिज पर सूर्य-बिंब का केंद्र, अपवर्तन के बिना, सेकंड तक "
     "(केंद्र नियम)"},
    {"पारंपरिक नियम", "किनारा नियम", "केंद्र नियम"},
    {"पारंपरिक", "लाहिड़ी", "रमन", "कृष्णमूर्ति", "फ़ेगन-ब्रैडली"},
    "अयनांश: {1}, जन्म के समय {2}",
    "सूर्योदय: {1} \u00B7 अयनांश: {2}, जन्म के समय {3}",
    "{2} से {3} तक के जन्मों के लिए होरा लग्न {1} में रहता है।",
    "{2} से {3} तक के जन्मों के लिए होरा लग्न {1} में रहता है; {4} मिनट "
    "पहले यह {5} है।",
    "{2} से {3} तक के जन्मों के लिए होरा लग्न {1} में रहता है; 1 मिनट "
    "पहले यह {5} है।",
    "{2} से {3} तक के जन्मों के लिए होरा लग्न {1} में रहता है; {4} मिनट "
    "बाद यह {5} है।",
    "{2} से {3} तक के जन्मों के लिए होरा लग्न {1} में रहता है; 1 मिनट बाद "
    "यह {5} है।",
    "जन्म के समय में \u00B1 {1} मिनट की अनिश्चितता के साथ होरा लग्न {2} "
    "है।",
    "जन्म के समय में \u00B1 {1} मिनट की अनिश्चितता के साथ होरा लग्न पूरे "
    "समय के लिए नहीं मिल सकता: उसके कुछ भाग की गणना किसी सूर्योदय से नहीं "
    "होती।",
    "पारंपरिक हिंदू सूर्योदय (बिंब का केंद्र, अपवर्तन के बिना) के अनुसार यह "
    "{1} है।",
    "उस सूर्योदय से जन्म तक बीता समय: {1} सेकंड ({2} मिनट {3} सेकंड)।",
    "जन्म {3}, {4} के सूर्योदय के {1} मिनट {2} सेकंड बाद",
    "सूर्योदय पर सूर्य + 0.5\u00B0 \u00D7 मिनट (1/120\u00B0 प्रति सेकंड) = "
    "होरा लग्न",
    "सेकंड",
    "दिन भर का होरा लग्न",
    "अन्य विशेष लग्न",
    "से",
    "तक",
    "राशि",
    "जन्म",
    "कोई नहीं",
    {"घटी लग्न", "भाव लग्न", "वर्णद लग्न", "श्री लग्न", "इंदु लग्न", "प्राणपद"},
    {"सूर्य का ऊपरी किनारा दिखता है, अपवर्तन सहित, मिनट तक: वह नियम जो "
     "Tarvelin सदा से अपनाता है।",
     "क्षितिज पर सूर्य का ऊपरी किनारा, 34\u2032 अपवर्तन सहित, सेकंड तक: "
     "पंचांगों और मौसम सेवाओं का सूर्योदय।",
     "क्षितिज पर सूर्य-बिंब का केंद्र, अपवर्तन के बिना, सेकंड तक: पारंपरिक "
     "हिंदू सूर्योदय, भारत में लगभग 4 मिनट बाद।"},
    {"Tarvelin का अपना अयनांश, जैसा सदा से है।",
     "चित्रपक्ष: 21 मार्च 1956 को 23\u00B0 15\u2032 00.658\u2033, "
     "भारत का राष्ट्रीय मानक।",
     "रमन अयनांश: लाहिड़ी से लगभग 1\u00B0 27\u2032 कम।",
     "कृष्णमूर्ति अयनांश: लाहिड़ी से लगभग 6\u2032 कम।",
     "पाश्चात्य निरयण अयनांश: लाहिड़ी से लगभग 53\u2032 अधिक।"},
};

const HoraLagnaWords kTamilWords = {
    {"சூரிய உதயம்: அடிவானத்தில் சூரியனின் மேல் விளிம்பு, ஒளிவிலகலுடன், "
     "நிமிடம் வரை (பாரம்பரிய விதி)",
     "சூரிய உதயம்: அடிவானத்தில் சூரியனின் மேல் விளிம்பு, 34\u2032 "
     "ஒளிவிலகல் மற்றும் சூரியனின் அரைவிட்டத்துடன், விநாடி வரை (விளிம்பு "
     "விதி)",
     "சூரிய உதயம்: அடிவானத்தில் சூரிய வட்டத்தின் மையம், ஒளிவிலகல் இன்றி, "
     "விநாடி வரை (மைய விதி)"},
    {"பாரம்பரிய விதி", "விளிம்பு விதி", "மைய விதி"},
    {"பாரம்பரியம்", "லஹிரி", "ராமன்", "கிருஷ்ணமூர்த்தி", "ஃபேகன்-பிராட்லி"},
    "அயனாம்சம்: {1}, பிறப்பின்போது {2}",
    "சூரிய உதயம்: {1} \u00B7 அயனாம்சம்: {2}, பிறப்பின்போது {3}",
    "{2} முதல் {3} வரையிலான பிறப்புகளுக்கு ஹோரா லக்னம் {1} ராசியில் "
    "இருக்கும்.",
    "{2} முதல் {3} வரையிலான பிறப்புகளுக்கு ஹோரா லக்னம் {1} ராசியில் "
    "இருக்கும்; {4} நிமிடங்கள் முன்னதாக என்றால் அது {5}.",
    "{2} முதல் {3} வரையிலான பிறப்புகளுக்கு ஹோரா லக்னம் {1} ராசியில் "
    "இருக்கும்; 1 நிமிடம் முன்னதாக என்றால் அது {5}.",
    "{2} முதல் {3} வரையிலான பிறப்புகளுக்கு ஹோரா லக்னம் {1} ராசியில் "
    "இருக்கும்; {4} நிமிடங்கள் தாமதமாக என்றால் அது {5}.",
    "{2} முதல் {3} வரையிலான பிறப்புகளுக்கு ஹோரா லக்னம் {1} ராசியில் "
    "இருக்கும்; 1 நிமிடம் தாமதமாக என்றால் அது {5}.",
    "பிறப்பு நேரம் \u00B1 {1} நிமிடங்கள் உறுதியற்றதாக இருந்தால், ஹோரா "
    "லக்னம் {2}.",
    "பிறப்பு நேரம் \u00B1 {1} நிமிடங்கள் உறுதியற்றதாக இருந்தால், அந்த "
    "நேரம் முழுவதற்கும் ஹோரா லக்னத்தைக் காண இயலாது: அதன் ஒரு பகுதியை எந்தச் "
    "சூரிய உதயத்திலிருந்தும் கணக்கிட முடியாது.",
    "பாரம்பரிய இந்து சூரிய உதயப்படி (வட்டத்தின் மையம், ஒளிவிலகல் இன்றி) "
    "அது {1}.",
    "அந்தச் சூரிய உதயத்திலிருந்து பிறப்பு வரை கழிந்த நேரம்: {1} விநாடிகள் "
    "({2} நிமிடங்கள் {3} விநாடிகள்).",
    "பிறப்பு: {3}, {4} சூரிய உதயத்துக்கு {1} நிமிடங்கள் {2} விநாடிகள் பின்",
    "சூரிய உதயத்தில் சூரியன் + 0.5\u00B0 \u00D7 நிமிடங்கள் (விநாடிக்கு "
    "1/120\u00B0) = ஹோரா லக்னம்",
    "விநாடி",
    "நாள் முழுவதும் ஹோரா லக்னம்",
    "பிற சிறப்பு லக்னங்கள்",
    "முதல்",
    "வரை",
    "ராசி",
    "பிறப்பு",
    "இல்லை",
    {"கடிகா லக்னம்", "பாவ லக்னம்", "வர்ணத லக்னம்", "ஸ்ரீ லக்னம்", "இந்து லக்னம்", "பிராணபதம்"},
    {"சூரியனின் மேல் விளிம்பு தோன்றுவது, ஒளிவிலகலுடன், நிமிடம் வரை: "
     "Tarvelin எப்போதும் பயன்படுத்திய விதி.",
     "அடிவானத்தில் சூரியனின் மேல் விளிம்பு, 34\u2032 ஒளிவிலகலுடன், விநாடி "
     "வரை: பஞ்சாங்கங்களும் வானிலை சேவைகளும் தரும் சூரிய உதயம்.",
     "அடிவானத்தில் சூரிய வட்டத்தின் மையம், ஒளிவிலகல் இன்றி, விநாடி வரை: "
     "பாரம்பரிய இந்து சூரிய உதயம், இந்தியாவில் சுமார் 4 நிமிடங்கள் பின்பு."},
    {"Tarvelin-இன் சொந்த அயனாம்சம், எப்போதும் இருந்தபடி.",
     "சித்திரபக்ஷம்: 21 மார்ச் 1956 அன்று 23\u00B0 15\u2032 "
     "00.658\u2033, இந்திய தேசியத் தரம்.",
     "ராமன் அயனாம்சம்: லஹிரியை விடச் சுமார் 1\u00B0 27\u2032 குறைவு.",
     "கிருஷ்ணமூர்த்தி அயனாம்சம்: லஹிரியை விடச் சுமார் 6\u2032 குறைவு.",
     "மேற்கத்திய நிராயண அயனாம்சம்: லஹிரியை விடச் சுமார் 53\u2032 அதிகம்."},
};

const HoraLagnaWords& WordsOf(Language language) {
  switch (language) {
    case Language::kHindi:
      return kHindiWords;
    case Language::kTamil:
      return kTamilWords;
    case Language::kEnglish:
      break;
  }
  return kEnglishWords;
}

bool SameDate(const CivilDateTime& a, const CivilDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::string MarginText(const HoraLagnaMargin& m, Language language) {
  const HoraLagnaWords& words = WordsOf(language);
  const std::string sign = SignNameIn(m.signIndex, language);
  const std::string from = TimeText(m.from, TimeStyle::kClock),
                    to = TimeText(m.to, TimeStyle::kClock);
  // The nearer change: how far a birth must move to cross it.
  const bool earlier = m.secondsSinceChange < m.secondsToChange;
  const std::optional<int>& other = earlier ? m.signBefore : m.signAfter;
  if (!other) return Fill(words.marginAlone, {sign, from, to});
  const std::int64_t minutes =
      earlier ? m.secondsSinceChange / 60 + 1 : (m.secondsToChange + 59) / 60;
  const char* pattern =
      earlier ? (minutes == 1 ? words.marginEarlierOne : words.marginEarlier)
              : (minutes == 1 ? words.marginLaterOne : words.marginLater);
  return Fill(pattern, {sign, from, to, std::to_string(minutes),
                        SignNameIn(*other, language)});
}

void DateTime(JsonWriter& out, const CivilDateTime& t) {
  out.String(DateTimeText(t));
}

// The clock times at which the day's spans start, and the day's end.
std::vector<CivilDateTime> SpanBoundaries(const ChartResult& result,
                                          const HoraLagnaDay& day) {
  const std::int64_t sunrise = SecondsFromCivil(result.timing->sunrise);
  std::vector<CivilDateTime> times;
  times.reserve(static_cast<std::size_t>(day.count) + 1);
  for (int i = 0; i < day.count; ++i) {
    times.push_back(CivilFromSeconds(sunrise + day.spans[i].fromSeconds));
  }
  times.push_back(CivilFromSeconds(sunrise + day.endSeconds));
  return times;
}

// The day's array as the one-line writer would write it, put together
// directly: a batch writes one per row, some 25 objects of three members,
// and the writer's member-by-member path would cost most of the row. The
// sign names and the times need no escaping. The date is worked out and
// written only where the day's midnight is passed, the clock time of each
// boundary once (it ends one span and begins the next).
struct DayArrayBuffer {
  // Per span at most: ", ", the sign's object with a name of up to 16
  // characters (as copied) and two times of a DateTimeBuffer.
  static constexpr std::size_t kPerSpan = 2 + 10 + 16 + 12 + 10 + 2 * 80 + 2;
  char chars[2 + HoraLagnaDay::kMaxSpans * kPerSpan];
};

// The sign names padded to 16 characters, for copies of a fixed length.
struct PaddedSignName {
  char chars[16];
  std::size_t size;
};
const std::array<PaddedSignName, 12>& PaddedSignNames() {
  static const std::array<PaddedSignName, 12> names = [] {
    std::array<PaddedSignName, 12> n{};
    for (int i = 0; i < 12; ++i) {
      const std::string_view name = SignName(i);
      name.copy(n[i].chars, sizeof n[i].chars);
      n[i].size = std::min(name.size(), sizeof n[i].chars);
    }
    return n;
  }();
  return names;
}

std::string_view DayArrayOneLine(const ChartResult& result,
                                 const HoraLagnaDay& day,
                                 DayArrayBuffer& array) {
  constexpr std::int64_t kSecondsPerDay = 24 * 3600;
  constexpr std::size_t kStampSize = 19;  // "1980-03-15T10:21:30"
  const CivilDateTime& sunrise = result.timing->sunrise;
  const std::int64_t sunriseSeconds = SecondsFromCivil(sunrise);
  // The midnight the current date starts at, and the date.
  std::int64_t midnight =
      sunriseSeconds -
      (sunrise.hour * 3600 + sunrise.minute * 60 + sunrise.second);
  CivilDateTime date = sunrise;
  bool dateWritten = false;
  // The current boundary's text: its date part is written when the date
  // changes, its time part every time. A date beyond four-digit years is
  // written whole each time.
  char stamp[kStampSize];
  DateTimeBuffer buffer;
  const auto boundary = [&](int i) -> std::string_view {
    const std::int64_t at =
        sunriseSeconds +
        (i < day.count ? day.spans[i].fromSeconds : day.endSeconds);
    while (at - midnight >= kSecondsPerDay) {
      midnight += kSecondsPerDay;
      date = CivilFromSeconds(midnight);
      dateWritten = false;
    }
    const int second = static_cast<int>(at - midnight);
    const CivilDateTime t{date.year,     date.month,       date.day,
                          second / 3600, second / 60 % 60, second % 60};
    if (!dateWritten) {
      const std::string_view whole = DateTimeText(t, buffer);
      if (whole.size() != kStampSize) return whole;
      whole.copy(stamp, kStampSize);
      dateWritten = true;
      return {stamp, kStampSize};
    }
    const auto two = [](char* out, int value) {
      out[0] = static_cast<char>('0' + value / 10);
      out[1] = static_cast<char>('0' + value % 10);
    };
    two(stamp + 11, t.hour);
    two(stamp + 14, t.minute);
    two(stamp + 17, t.second);
    return {stamp, kStampSize};
  };

  static constexpr std::string_view kSign = "{\"sign\": \"",
                                    kFrom = "\", \"from\": \"",
                                    kTo = "\", \"to\": \"", kEnd = "\"}";
  static_assert(kSign.size() == 10 && kFrom.size() == 12 && kTo.size() == 10 &&
                kEnd.size() == 2 && sizeof(DateTimeBuffer::chars) == 80);
  const std::array<PaddedSignName, 12>& names = PaddedSignNames();
  char* out = array.chars;
  const auto put = [&out](std::string_view part) {
    if (part.size() == kStampSize) {  // the usual boundary: a fixed copy
      std::memcpy(out, part.data(), kStampSize);
    } else {
      std::memcpy(out, part.data(), part.size());
    }
    out += part.size();
  };
  *out++ = '[';
  // The last boundary written, in `array` (it begins the next span).
  std::string_view from = boundary(0);
  for (int i = 0; i < day.count; ++i) {
    if (i > 0) {
      *out++ = ',';
      *out++ = ' ';
    }
    std::memcpy(out, kSign.data(), kSign.size());
    out += kSign.size();
    const PaddedSignName& name =
        names[static_cast<std::size_t>(day.spans[i].signIndex) % 12];
    std::memcpy(out, name.chars, sizeof name.chars);
    out += name.size;
    std::memcpy(out, kFrom.data(), kFrom.size());
    out += kFrom.size();
    put(from);
    std::memcpy(out, kTo.data(), kTo.size());
    out += kTo.size();
    char* const toStart = out;
    put(boundary(i + 1));
    from = {toStart, static_cast<std::size_t>(out - toStart)};
    std::memcpy(out, kEnd.data(), kEnd.size());
    out += kEnd.size();
  }
  *out++ = ']';
  return {array.chars, static_cast<std::size_t>(out - array.chars)};
}

// Minutes to two decimals as a JSON number ("32.67", "4.5", "60"): the
// shortest text that reads back as round(minutes * 100) / 100, written from
// the whole hundredths. A third of a second's hundredth is never a half, so
// the rounding is exact in integers.
std::string_view MinutesText(std::int64_t seconds, char (&text)[32]) {
  char* out = text;
  if (seconds < 0) *out++ = '-';  // rounded as the size is
  const std::uint64_t size = seconds < 0
                                 ? 0 - static_cast<std::uint64_t>(seconds)
                                 : static_cast<std::uint64_t>(seconds);
  const std::uint64_t hundredths = size / 3 * 5 + (size % 3 * 5 + 1) / 3;
  out = std::to_chars(out, text + sizeof text - 3, hundredths / 100).ptr;
  const int fraction = static_cast<int>(hundredths % 100);
  if (fraction != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
  }
  return {text, static_cast<std::size_t>(out - text)};
}

}  // namespace

std::string SunriseRuleLine(SunriseRule rule, Language language) {
  return WordsOf(language).ruleLines[static_cast<int>(rule)];
}

std::string SunriseRuleName(SunriseRule rule, Language language) {
  return WordsOf(language).ruleNames[static_cast<int>(rule)];
}

std::string SunriseRuleDescription(SunriseRule rule, Language language) {
  return WordsOf(language).ruleDescriptions[static_cast<int>(rule)];
}

std::string AyanamsaDescription(Ayanamsa ayanamsa, Language language) {
  return WordsOf(language).ayanamsaDescriptions[static_cast<int>(ayanamsa)];
}

std::string AyanamsaName(Ayanamsa ayanamsa, Language language) {
  return WordsOf(language).ayanamsaNames[static_cast<int>(ayanamsa)];
}

std::string AyanamsaLine(const ChartResult& result, Language language) {
  return Fill(WordsOf(language).ayanamsaLine,
              {AyanamsaName(result.options.ayanamsa, language),
               ArcText(result.ayanamsa)});
}

std::string OptionsLine(const ChartResult& result, Language language) {
  const HoraLagnaWords& words = WordsOf(language);
  return Fill(words.optionsLine,
              {words.ruleNames[static_cast<int>(result.options.sunrise)],
               AyanamsaName(result.options.ayanamsa, language),
               ArcText(result.ayanamsa)});
}

std::string SharesText(const std::vector<SignShare>& shares,
                       Language language) {
  std::string text;
  for (const SignShare& s : shares) {
    if (!text.empty()) text += ", ";
    const long percent = std::lround(100.0 * s.share);
    text += SignNameIn(s.signIndex, language) + " " +
            (percent == 0 ? std::string("<1") : std::to_string(percent)) + " %";
  }
  return text;
}

std::string SecondsElapsedLine(std::int64_t seconds, Language language) {
  return Fill(WordsOf(language).secondsElapsed,
              {std::to_string(seconds), std::to_string(seconds / 60),
               std::to_string(seconds % 60)});
}

std::string RuleSecondsText(Language language) {
  return WordsOf(language).ruleSeconds;
}

std::string SecondsUnit(Language language) {
  return WordsOf(language).secondsUnit;
}

std::string BornAfterSunriseSeconds(std::int64_t seconds,
                                    const std::string& date,
                                    const std::string& time,
                                    Language language) {
  return Fill(
      WordsOf(language).bornAfterSunrise,
      {std::to_string(seconds / 60), std::to_string(seconds % 60), date, time});
}

HoraLagnaTexts PresentHoraLagna(const ChartResult& result,
                                const HoraLagnaReading& reading,
                                Language language) {
  const HoraLagnaWords& words = WordsOf(language);
  HoraLagnaTexts texts;
  texts.dayTitle = words.throughTheDay;
  texts.otherLagnasTitle = words.otherLagnas;
  texts.fromCaption = words.from;
  texts.toCaption = words.to;
  texts.signCaption = words.sign;
  texts.birthMark = words.birth;
  if (reading.margin) texts.margin = MarginText(*reading.margin, language);
  if (reading.uncertaintyMinutes > 0 && result.horaLagna) {
    const std::string minutes = std::to_string(reading.uncertaintyMinutes);
    texts.uncertainty =
        reading.shares.empty()
            ? Fill(words.uncertaintyUnknown, {minutes})
            : Fill(words.uncertainty,
                   {minutes, SharesText(reading.shares, language)});
  }
  if (reading.centreSign) {
    texts.centreRule =
        Fill(words.centreRule, {SignNameIn(*reading.centreSign, language)});
  }

  const HoraLagnaDay& day = reading.day;
  for (int i = 0; i < day.count; ++i) {
    const CivilDateTime from =
        AfterReferenceSunrise(result, day.spans[i].fromSeconds);
    const std::int64_t toSeconds =
        i + 1 < day.count ? day.spans[i + 1].fromSeconds : day.endSeconds;
    DayRowText row;
    row.sign = SignNameIn(day.spans[i].signIndex, language);
    row.from = TimeText(from, TimeStyle::kClock);
    row.to =
        TimeText(AfterReferenceSunrise(result, toSeconds), TimeStyle::kClock);
    const CivilDateTime before =
        i == 0 ? result.timing->sunrise
               : AfterReferenceSunrise(result, day.spans[i - 1].fromSeconds);
    if (i > 0 && !SameDate(before, from)) {
      row.date = DateText(from, DateStyle::kLong, language);
    }
    row.birth = i == day.birthSpan;
    texts.day.push_back(std::move(row));
  }

  const SpecialLagnas& l = result.lagnas;
  const bool timed = result.timing.has_value();
  const auto sign = [language, &words](int index) {
    return index >= 0 && index < 12 ? SignNameIn(index, language)
                                    : std::string(words.none);
  };
  const auto degrees = [language](double x) {
    return SignArcText(x, language);
  };
  const auto& names = words.lagnaNames;
  if (timed) {
    texts.otherLagnas.push_back({names[0], degrees(l.ghati)});
    texts.otherLagnas.push_back({names[1], degrees(l.bhava)});
    texts.otherLagnas.push_back({names[2], degrees(l.varnada)});
  }
  texts.otherLagnas.push_back({names[3], degrees(l.sree)});
  texts.otherLagnas.push_back({names[4], sign(l.induSignIndex)});
  if (timed) {
    texts.otherLagnas.push_back({names[5], sign(l.pranapadaSignIndex)});
  }
  return texts;
}

void WriteHoraLagnaJson(JsonWriter& out, const ChartResult& result,
                        const HoraLagnaReading& reading) {
  out.Key("options");
  out.BeginObject();
  out.Key("sunrise");
  out.String(NameOf(result.options.sunrise));
  out.Key("ayanamsa");
  out.String(NameOf(result.options.ayanamsa));
  out.Key("ayanamsa_degrees");
  out.Number(result.ayanamsa);
  out.EndObject();

  out.Key("hora_lagna_day");
  if (reading.day.count == 0) {
    out.Null();
  } else if (out.layout() == JsonLayout::kOneLine) {
    DayArrayBuffer array;
    out.Raw(DayArrayOneLine(result, reading.day, array));
  } else {
    const HoraLagnaDay& day = reading.day;
    const std::vector<CivilDateTime> times = SpanBoundaries(result, day);
    out.BeginArray();
    for (int i = 0; i < day.count; ++i) {
      out.BeginObject();
      out.Key("sign");
      out.String(SignName(day.spans[i].signIndex));
      out.Key("from");
      DateTime(out, times[i]);
      out.Key("to");
      DateTime(out, times[i + 1]);
      out.EndObject();
    }
    out.EndArray();
  }

  out.Key("hora_lagna_margin");
  if (!reading.margin) {
    out.Null();
  } else {
    const HoraLagnaMargin& m = *reading.margin;
    out.BeginObject();
    out.Key("from");
    DateTime(out, m.from);
    out.Key("to");
    DateTime(out, m.to);
    out.Key("minutes_to_previous");
    char text[32];
    out.Raw(MinutesText(m.secondsSinceChange, text));
    out.Key("minutes_to_next");
    out.Raw(MinutesText(m.secondsToChange, text));
    out.EndObject();
  }

  if (reading.uncertaintyMinutes > 0) {
    out.Key("hora_lagna_uncertainty");
    out.BeginObject();
    out.Key("minutes");
    out.Integer(reading.uncertaintyMinutes);
    out.Key("signs");
    if (reading.shares.empty()) {
      out.Null();
    } else {
      out.BeginArray();
      for (const SignShare& s : reading.shares) {
        out.BeginObject();
        out.Key("sign");
        out.String(SignName(s.signIndex));
        out.Key("share");
        out.Number(s.share);
        out.EndObject();
      }
      out.EndArray();
    }
    out.EndObject();
  }
}

}  // namespace tarvelin
