// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the zones of the list in Hindi and Tamil. The list's
// abbreviations and offsets ("IST, +5.3") are codes and stay as they are.
#include "tables/zone_names.h"

#include <array>
#include <cstring>

#include "tables/zone_table.h"

namespace tarvelin {
namespace {

struct ZoneName {
  const char* english;  // as the zone list writes it, before the first comma
  const char* hindi;
  const char* tamil;
};

const std::array<ZoneName, 69> kZoneNames = {{
    {"Alaska/Hawaii Daylight Time", "अलास्का/हवाई डेलाइट समय",
     "அலாஸ்கா/ஹவாய் பகலொளி நேரம்"},
    {"Alaska/Hawaii Standard Time", "अलास्का/हवाई मानक समय",
     "அலாஸ்கா/ஹவாய் திட்ட நேரம்"},
    {"Alaska/Hawaii War Time", "अलास्का/हवाई युद्धकालीन समय",
     "அலாஸ்கா/ஹவாய் போர்க்கால நேரம்"},
    {"Atlantic Standard Time", "अटलांटिक मानक समय", "அட்லாண்டிக் திட்ட நேரம்"},
    {"Atlantic War Time", "अटलांटिक युद्धकालीन समय", "அட்லாண்டிக் போர்க்கால நேரம்"},
    {"Australian Central Daylight Time", "ऑस्ट्रेलियाई मध्य डेलाइट समय",
     "ஆஸ்திரேலிய மத்திய பகலொளி நேரம்"},
    {"Australian Central Standard Time", "ऑस्ट्रेलियाई मध्य मानक समय",
     "ஆஸ்திரேலிய மத்திய திட்ட நேரம்"},
    {"Australian Eastern Daylight Time", "ऑस्ट्रेलियाई पूर्वी डेलाइट समय",
     "ஆஸ்திரேலிய கிழக்கு பகலொளி நேரம்"},
    {"Australian Eastern Standard Time", "ऑस्ट्रेलियाई पूर्वी मानक समय",
     "ஆஸ்திரேலிய கிழக்கு திட்ட நேரம்"},
    {"Australian Western Daylight Time", "ऑस्ट्रेलियाई पश्चिमी डेलाइट समय",
     "ஆஸ்திரேலிய மேற்கு பகலொளி நேரம்"},
    {"Australian Western Standard Time", "ऑस्ट्रेलियाई पश्चिमी मानक समय",
     "ஆஸ்திரேலிய மேற்கு திட்ட நேரம்"},
    {"Azores Time", "अज़ोरेस समय", "அசோர்ஸ் நேரம்"},
    {"Baghdad Time", "बग़दाद समय", "பாக்தாத் நேரம்"},
    {"Bering Standard Time", "बेरिंग मानक समय", "பெரிங் திட்ட நேரம்"},
    {"Brazil Zone 2", "ब्राज़ील क्षेत्र 2", "பிரேசில் மண்டலம் 2"},
    {"British Double Summer Time", "ब्रिटिश दोहरा ग्रीष्मकालीन समय",
     "பிரிட்டிஷ் இரட்டைக் கோடை நேரம்"},
    {"British Summer Time", "ब्रिटिश ग्रीष्मकालीन समय", "பிரிட்டிஷ் கோடை நேரம்"},
    {"British War Time", "ब्रिटिश युद्धकालीन समय", "பிரிட்டிஷ் போர்க்கால நேரம்"},
    {"Central Daylight Time", "मध्य डेलाइट समय", "மத்திய பகலொளி நேரம்"},
    {"Central European Daylight", "मध्य यूरोपीय डेलाइट", "மத்திய ஐரோப்பிய பகலொளி"},
    {"Central European Time", "मध्य यूरोपीय समय", "மத்திய ஐரோப்பிய நேரம்"},
    {"Central Standard Time", "मध्य मानक समय", "மத்திய திட்ட நேரம்"},
    {"Central War Time", "मध्य युद्धकालीन समय", "மத்திய போர்க்கால நேரம்"},
    {"China Coast Time", "चीन तटीय समय", "சீனக் கடற்கரை நேரம்"},
    {"Eastern Daylight Time", "पूर्वी डेलाइट समय", "கிழக்கு பகலொளி நேரம்"},
    {"Eastern European Daylight Time", "पूर्वी यूरोपीय डेलाइट समय",
     "கிழக்கு ஐரோப்பிய பகலொளி நேரம்"},
    {"Eastern European Time", "पूर्वी यूरोपीय समय", "கிழக்கு ஐரோப்பிய நேரம்"},
    {"Eastern Standard Time", "पूर्वी मानक समय", "கிழக்கு திட்ட நேரம்"},
    {"Eastern War Time", "पूर्वी युद्धकालीन समय", "கிழக்கு போர்க்கால நேரம்"},
    {"Greenwich Mean Time", "ग्रीनविच माध्य समय", "கிரீன்விச் சராசரி நேரம்"},
    {"Guam Standard Time", "गुआम मानक समय", "குவாம் திட்ட நேரம்"},
    {"Hawaiian Daylight Time", "हवाई डेलाइट समय", "ஹவாய் பகலொளி நேரம்"},
    {"Hawaiian Standard Time", "हवाई मानक समय", "ஹவாய் திட்ட நேரம்"},
    {"Hawaiian War Time", "हवाई युद्धकालीन समय", "ஹவாய் போர்க்கால நேரம்"},
    {"Indian Time", "भारतीय समय", "இந்திய நேரம்"},
    {"Int'l Date Line East", "अंतरराष्ट्रीय तिथि रेखा पूर्व",
     "சர்வதேசத் தேதிக் கோடு கிழக்கு"},
    {"Int'l Date Line West", "अंतरराष्ट्रीय तिथि रेखा पश्चिम",
     "சர்வதேசத் தேதிக் கோடு மேற்கு"},
    {"Iran Time", "ईरान समय", "ஈரான் நேரம்"},
    {"Japan Standard Time", "जापान मानक समय", "ஜப்பான் திட்ட நேரம்"},
    {"Java Time", "जावा समय", "ஜாவா நேரம்"},
    {"Middle European Daylight Time", "मध्य यूरोपीय डेलाइट समय",
     "நடு ஐரோப்பிய பகலொளி நேரம்"},
    {"Middle European Time", "मध्य यूरोपीय समय", "நடு ஐரோப்பிய நேரம்"},
    {"Moluccas Time", "मोलुक्का समय", "மொலுக்கா நேரம்"},
    {"Mountain Daylight Time", "पर्वतीय डेलाइट समय", "மலைப் பகலொளி நேரம்"},
    {"Mountain Standard Time", "पर्वतीय मानक समय", "மலைத் திட்ட நேரம்"},
    {"Mountain War Time", "पर्वतीय युद्धकालीन समय", "மலைப் போர்க்கால நேரம்"},
    {"New Zealand Std Summer Time", "न्यूज़ीलैंड मानक ग्रीष्मकालीन समय",
     "நியூசிலாந்து திட்டக் கோடை நேரம்"},
    {"New Zealand Std Time", "न्यूज़ीलैंड मानक समय", "நியூசிலாந்து திட்ட நேரம்"},
    {"New Zealand Summer Time", "न्यूज़ीलैंड ग्रीष्मकालीन समय",
     "நியூசிலாந்து கோடை நேரம்"},
    {"New Zealand Time", "न्यूज़ीलैंड समय", "நியூசிலாந்து நேரம்"},
    {"Newfoundland Standard Time", "न्यूफ़ाउंडलैंड मानक समय",
     "நியூஃபவுண்ட்லாந்து திட்ட நேரம்"},
    {"Nome Time", "नोम समय", "நோம் நேரம்"},
    {"North Sumatra Time", "उत्तरी सुमात्रा समय", "வடக்கு சுமத்ரா நேரம்"},
    {"Pacific Daylight Time", "प्रशांत डेलाइट समय", "பசிபிக் பகலொளி நேரம்"},
    {"Pacific Standard Time", "प्रशांत मानक समय", "பசிபிக் திட்ட நேரம்"},
    {"Pacific War Time", "प्रशांत युद्धकालीन समय", "பசிபிக் போர்க்கால நேரம்"},
    {"South Australia Daylight Time", "दक्षिण ऑस्ट्रेलिया डेलाइट समय",
     "தெற்கு ஆஸ்திரேலியா பகலொளி நேரம்"},
    {"South Australia Standard Time", "दक्षिण ऑस्ट्रेलिया मानक समय",
     "தெற்கு ஆஸ்திரேலியா திட்ட நேரம்"},
    {"South Sumatra Time", "दक्षिण सुमात्रा समय", "தெற்கு சுமத்ரா நேரம்"},
    {"USSR Zone 10", "सोवियत संघ क्षेत्र 10", "சோவியத் மண்டலம் 10"},
    {"USSR Zone 3", "सोवियत संघ क्षेत्र 3", "சோவியத் மண்டலம் 3"},
    {"USSR Zone 4", "सोवियत संघ क्षेत्र 4", "சோவியத் மண்டலம் 4"},
    {"USSR Zone 5", "सोवियत संघ क्षेत्र 5", "சோவியத் மண்டலம் 5"},
    {"USSR Zone 6", "सोवियत संघ क्षेत्र 6", "சோவியத் மண்டலம் 6"},
    {"Universal Time", "सार्वभौमिक समय", "உலகப் பொது நேரம்"},
    {"West Africa Time", "पश्चिम अफ़्रीका समय", "மேற்கு ஆப்பிரிக்க நேரம்"},
    {"Yukon Daylight Time", "युकॉन डेलाइट समय", "யூகான் பகலொளி நேரம்"},
    {"Yukon Standard Time", "युकॉन मानक समय", "யூகான் திட்ட நேரம்"},
    {"Yukon War Time", "युकॉन युद्धकालीन समय", "யூகான் போர்க்கால நேரம்"},
}};

// The length of the name at the start of a zone-list entry.
std::size_t NameLength(const char* entry) {
  const char* comma = std::strchr(entry, ',');
  return comma ? static_cast<std::size_t>(comma - entry) : std::strlen(entry);
}

}  // namespace

std::string ZoneNameOf(int index, Language language) {
  if (index < 0 || index >= kZoneCount) return "";
  const char* entry = kZoneTable[static_cast<std::size_t>(index)].text;
  const std::string english(entry, NameLength(entry));
  if (language == Language::kEnglish) return english;
  for (const ZoneName& name : kZoneNames) {
    if (english == name.english) {
      return language == Language::kHindi ? name.hindi : name.tamil;
    }
  }
  return english;
}

std::string ZoneEntryText(int index, Language language) {
  if (index < 0 || index >= kZoneCount) return "";
  const char* entry = kZoneTable[static_cast<std::size_t>(index)].text;
  return ZoneNameOf(index, language) + (entry + NameLength(entry));
}

}  // namespace tarvelin
