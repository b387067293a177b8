// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/report_words.h"

#include "tables/sign_words.h"

namespace tarvelin {
namespace {

const ReportWords kEnglish = {
    "The Sun does not rise or set at this place on this date, so the Hora "
    "Lagna cannot be found.",
    " N",
    " S",
    " E",
    " W",
    " (R) ",
    "HL",
    {"January", "February", "March", "April", "May", "June", "July", "August",
     "September", "October", "November", "December"},
    "{2}/{1}/{3}",
    "{1} {2} {3}",
    "{1} at the birth ({2})",
    ", no daylight saving",
    ", with daylight saving ({1})",
    "Hora Lagna: {1} \u2014 {2} house from the ascendant ({3})",
    "Hora Lagna: none \u2014 {1}",
    "How it was found",
    "Birth: {1}, {2} local clock time.",
    "Zone offset: {1}{2}; daylight saving: {3}",
    " (zone-list entry \"{1}\")",
    " ({1})",
    "none.",
    "{1} included, standard time {2}.",
    "The Sun does not rise at this place on the birth day, {1}, so no "
    "sunrise times the birth.",
    "The Sun rises on the birth day at {1} but does not set, so the birth's "
    "day cannot be measured.",
    "The birth is before the birth day's sunrise ({1}), and the Sun does not "
    "rise on the day before, {2}.",
    "No sunrise from which to time the birth was found.",
    "{1} at {2}",
    "Timed from the birth day's sunrise: {1}.",
    "Born before the birth day's sunrise, so timed from the day before's "
    "sunrise: {1}.",
    "The Sun's sidereal longitude at that sunrise: {1} ({2}).",
    "Minutes elapsed from that sunrise to the birth: {1} (whole minutes; the "
    "seconds do not count).",
    "Sun at sunrise + 0.5\u00B0 \u00D7 minutes = Hora Lagna",
    "; less {1}\u00B0 (whole circles) = {2}",
    ".",
    "Counted from the ascendant's sign, {1}, the Hora Lagna's sign {2} is the "
    "{3} house.",
    "Hora Lagna of {1}",
    "Hora Lagna Chart",
    "Hora Lagna Details",
    "Hora Lagna Details ({1})",
    "Hora",
    "Your Details",
    "Vedic Planetary Position",
    "Significance",
    "Hora Lagna signifies the importance of self in terms of money, wealth "
    "and prosperity.",
    "Hora Lagna Present In House Significance",
    "Hora Lagna",
    "Hora Lagna Present In House",
    "{1}  (counted from the ascendant in {2})",
    "Born {1} minutes after the sunrise of {2}, {3}",
    {"Name", "Date of Birth", "Time of Birth", "Longitude", "Latitude", "City",
     "State", "Country", "Time Zone", "Zone"},
    {"Date of Birth :", "Time of Birth :", "Longitude :", "Latitude   :",
     "City :", "State :", "Country :", "Zone :"},
    " (index {1})",
    ", Daylight Saving Time",
    "Place: {1}",
    "near {1}, {2}",
    "{1} km",
    "under 1 km",
};

const ReportWords kHindi = {
    "इस तिथि को इस स्थान पर सूर्योदय या सूर्यास्त नहीं होता, इसलिए होरा "
    "लग्न नहीं निकाला जा सकता।",
    " उ",
    " द",
    " पू",
    " प",
    " (व) ",
    "हो.ल.",
    {"जनवरी", "फ़रवरी", "मार्च", "अप्रैल", "मई", "जून", "जुलाई", "अगस्त", "सितंबर",
     "अक्तूबर", "नवंबर", "दिसंबर"},
    "{1} {2} {3}",
    "{1} {2} {3}",
    "{1}, जन्म के समय ({2})",
    ", डेलाइट सेविंग नहीं",
    ", डेलाइट सेविंग सहित ({1})",
    "होरा लग्न: {1} \u2014 लग्न ({3}) से {2} भाव",
    "होरा लग्न: नहीं \u2014 {1}",
    "यह कैसे निकाला गया",
    "जन्म: {1}, {2} स्थानीय घड़ी का समय।",
    "समय-क्षेत्र अंतर: {1}{2}; डेलाइट सेविंग: {3}",
    " (क्षेत्र-सूची की प्रविष्टि \"{1}\")",
    " ({1})",
    "नहीं।",
    "{1} शामिल, मानक समय {2}।",
    "जन्म के दिन, {1}, इस स्थान पर सूर्योदय नहीं होता, इसलिए जन्म का समय "
    "किसी सूर्योदय से नहीं गिना जा सकता।",
    "जन्म के दिन सूर्योदय {1} पर होता है, पर सूर्यास्त नहीं होता, इसलिए "
    "जन्म का दिन मापा नहीं जा सकता।",
    "जन्म उस दिन के सूर्योदय ({1}) से पहले हुआ है, और पिछले दिन, {2}, "
    "सूर्योदय नहीं होता।",
    "ऐसा कोई सूर्योदय नहीं मिला जिससे जन्म का समय गिना जा सके।",
    "{1}, {2} पर",
    "जन्म के दिन के सूर्योदय से गणना: {1}।",
    "जन्म उस दिन के सूर्योदय से पहले हुआ, इसलिए पिछले दिन के सूर्योदय से "
    "गणना: {1}।",
    "उस सूर्योदय पर सूर्य का निरयण भोगांश: {1} ({2})।",
    "उस सूर्योदय से जन्म तक बीते मिनट: {1} (पूरे मिनट; सेकंड नहीं गिने "
    "जाते)।",
    "सूर्योदय पर सूर्य + 0.5\u00B0 \u00D7 मिनट = होरा लग्न",
    "; पूरे चक्र के {1}\u00B0 घटाकर = {2}",
    "।",
    "लग्न की राशि {1} से गिनने पर होरा लग्न की राशि {2} {3} भाव है।",
    "{1} का होरा लग्न",
    "होरा लग्न कुंडली",
    "होरा लग्न विवरण",
    "होरा लग्न विवरण ({1})",
    "होरा",
    "आपका विवरण",
    "वैदिक ग्रह स्थिति",
    "महत्त्व",
    "होरा लग्न धन, संपत्ति और समृद्धि के संदर्भ में स्वयं के महत्त्व को "
    "दर्शाता है।",
    "होरा लग्न के भाव का महत्त्व",
    "होरा लग्न",
    "होरा लग्न का भाव",
    "{1}  (लग्न {2} से गिनकर)",
    "जन्म {2}, {3} के सूर्योदय के {1} मिनट बाद",
    {"नाम", "जन्म तिथि", "जन्म समय", "देशांतर", "अक्षांश", "शहर", "राज्य", "देश",
     "समय क्षेत्र", "प्रयुक्त अंतर"},
    {"जन्म तिथि :", "जन्म समय :", "देशांतर :", "अक्षांश :", "शहर :", "राज्य :", "देश :",
     "अंतर :"},
    " (क्रमांक {1})",
    ", डेलाइट सेविंग समय",
    "स्थान: {1}",
    "{1} के पास, {2}",
    "{1} किमी",
    "1 किमी से कम",
};

const ReportWords kTamil = {
    "இந்தத் தேதியில் இந்த இடத்தில் சூரியன் உதிப்பதோ மறைவதோ இல்லை; எனவே "
    "ஹோரா லக்னத்தைக் கணக்கிட முடியாது.",
    " வ",
    " தெ",
    " கி",
    " மே",
    " (வ) ",
    "ஹோ.ல.",
    {"ஜனவரி", "பிப்ரவரி", "மார்ச்", "ஏப்ரல்", "மே", "ஜூன்", "ஜூலை", "ஆகஸ்ட்", "செப்டம்பர்",
     "அக்டோபர்", "நவம்பர்", "டிசம்பர்"},
    "{1} {2} {3}",
    "{1} {2} {3}",
    "{1}, பிறப்பின்போது ({2})",
    ", பகலொளி சேமிப்பு இல்லை",
    ", பகலொளி சேமிப்பு உட்பட ({1})",
    "ஹோரா லக்னம்: {1} \u2014 லக்னம் ({3}) முதல் {2} வீடு",
    "ஹோரா லக்னம்: இல்லை \u2014 {1}",
    "இது எவ்வாறு கணக்கிடப்பட்டது",
    "பிறப்பு: {1}, உள்ளூர்க் கடிகார நேரம் {2}.",
    "நேர மண்டல வேறுபாடு: {1}{2}; பகலொளி சேமிப்பு: {3}",
    " (மண்டலப் பட்டியல் பதிவு \"{1}\")",
    " ({1})",
    "இல்லை.",
    "{1} சேர்க்கப்பட்டது, நிலையான நேரம் {2}.",
    "பிறந்த நாளான {1} அன்று இந்த இடத்தில் சூரியன் உதிப்பதில்லை; எனவே "
    "பிறப்பை எந்தச் சூரிய உதயத்திலிருந்தும் கணக்கிட முடியாது.",
    "பிறந்த நாளில் சூரியன் {1} மணிக்கு உதிக்கிறது, ஆனால் மறைவதில்லை; "
    "எனவே பிறப்பின் நாளை அளவிட முடியாது.",
    "பிறப்பு அந்நாளின் சூரிய உதயத்துக்கு ({1}) முன் நிகழ்ந்தது; முந்தைய "
    "நாளான {2} அன்று சூரியன் உதிக்கவில்லை.",
    "பிறப்பைக் கணக்கிடக்கூடிய சூரிய உதயம் எதுவும் கிடைக்கவில்லை.",
    "{1}, {2} மணி",
    "பிறந்த நாளின் சூரிய உதயத்திலிருந்து கணக்கிடப்பட்டது: {1}.",
    "பிறந்த நாளின் சூரிய உதயத்துக்கு முன் பிறந்ததால், முந்தைய நாளின் "
    "சூரிய உதயத்திலிருந்து கணக்கிடப்பட்டது: {1}.",
    "அந்தச் சூரிய உதயத்தின்போது சூரியனின் நிராயன ஸ்புடம்: {1} ({2}).",
    "அந்தச் சூரிய உதயத்திலிருந்து பிறப்பு வரை கடந்த நிமிடங்கள்: {1} (முழு "
    "நிமிடங்கள்; விநாடிகள் கணக்கில் இல்லை).",
    "சூரிய உதயத்தில் சூரியன் + 0.5\u00B0 \u00D7 நிமிடங்கள் = ஹோரா லக்னம்",
    "; முழுச் சுற்றுகளின் {1}\u00B0 கழித்து = {2}",
    ".",
    "லக்ன ராசியான {1} முதல் எண்ணினால், ஹோரா லக்ன ராசியான {2} {3} வீடு "
    "ஆகும்.",
    "{1} அவர்களின் ஹோரா லக்னம்",
    "ஹோரா லக்னக் கட்டம்",
    "ஹோரா லக்ன விவரங்கள்",
    "ஹோரா லக்ன விவரங்கள் ({1})",
    "ஹோரா",
    "உங்கள் விவரங்கள்",
    "வேத கிரக நிலை",
    "முக்கியத்துவம்",
    "ஹோரா லக்னம் பணம், செல்வம், வளம் ஆகியவற்றின் அடிப்படையில் தன்னுடைய "
    "முக்கியத்துவத்தைக் குறிக்கிறது.",
    "ஹோரா லக்னம் உள்ள வீட்டின் பலன்",
    "ஹோரா லக்னம்",
    "ஹோரா லக்னம் உள்ள வீடு",
    "{1}  (லக்னம் {2} முதல் எண்ணி)",
    "பிறப்பு: {2}, {3} சூரிய உதயத்துக்கு {1} நிமிடங்கள் பின்",
    {"பெயர்", "பிறந்த தேதி", "பிறந்த நேரம்", "தீர்க்கரேகை", "அட்சரேகை", "நகரம்",
     "மாநிலம்", "நாடு", "நேர மண்டலம்", "பயன்பட்ட வேறுபாடு"},
    {"பிறந்த தேதி :", "பிறந்த நேரம் :", "தீர்க்கரேகை :", "அட்சரேகை :", "நகரம் :",
     "மாநிலம் :", "நாடு :", "வேறுபாடு :"},
    " (எண் {1})",
    ", பகலொளி சேமிப்பு நேரம்",
    "இடம்: {1}",
    "{1} அருகில், {2}",
    "{1} கி.மீ.",
    "1 கி.மீ.-க்குக் குறைவு",
};

// "1st", "2nd", "3rd", "4th", ... "11th", "12th", "13th", "21st".
std::string EnglishOrdinal(int n) {
  const int lastTwo = n % 100;
  const char* suffix = "th";
  if (lastTwo < 11 || lastTwo > 13) {
    switch (n % 10) {
      case 1:
        suffix = "st";
        break;
      case 2:
        suffix = "nd";
        break;
      case 3:
        suffix = "rd";
        break;
      default:
        break;
    }
  }
  return std::to_string(n) + suffix;
}

// The houses are named by their ordinal words in Hindi.
constexpr std::array<const char*, 12> kHindiOrdinals = {
    "पहला",  "दूसरा", "तीसरा", "चौथा", "पाँचवाँ",   "छठा",
    "सातवाँ", "आठवाँ", "नौवाँ",  "दसवाँ", "ग्यारहवाँ", "बारहवाँ"};

}  // namespace

const ReportWords& WordsIn(Language language) {
  switch (language) {
    case Language::kHindi:
      return kHindi;
    case Language::kTamil:
      return kTamil;
    case Language::kEnglish:
      break;
  }
  return kEnglish;
}

std::string Fill(const char* pattern,
                 std::initializer_list<std::string> parts) {
  std::string out;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (p[0] == '{' && p[1] >= '1' && p[1] <= '9' && p[2] == '}') {
      const std::size_t index = static_cast<std::size_t>(p[1] - '1');
      if (index < parts.size()) out += parts.begin()[index];
      p += 2;
      continue;
    }
    out += *p;
  }
  return out;
}

std::string HouseOrdinal(int house, Language language) {
  switch (language) {
    case Language::kHindi:
      if (house >= 1 && house <= 12) return kHindiOrdinals[house - 1];
      return std::to_string(house);
    case Language::kTamil:
      return std::to_string(house) + "-ஆம்";
    case Language::kEnglish:
      break;
  }
  return EnglishOrdinal(house);
}

std::string SignNameIn(int signIndex, Language language) {
  if (signIndex < 0 || signIndex > 11) return "";
  return SignWordsIn(language).signName[signIndex];
}

}  // namespace tarvelin
