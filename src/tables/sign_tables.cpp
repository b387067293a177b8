// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/sign_tables.h"

#include <vector>

#include "tables/bodies.h"
#include "tables/sign_readings.h"
#include "tables/sign_words.h"

namespace tarvelin {

namespace {

// Which word of the vocabularies (sign_words.h) each sign takes, Aries
// first; the same for every language. Nature (the element), Caste and
// BestDirection repeat every four signs, TypeOfSign, Position and
// ConstituentCharacter every three.
constexpr Gender kGenders[12] = {kMale, kFemale, kFemale, kFemale,
                                 kMale, kFemale, kMale,   kFemale,
                                 kMale, kFemale, kMale,   kFemale};
constexpr Period kPeriods[12] = {kNight, kNight, kNight, kNight, kDay, kDay,
                                 kDay,   kDay,   kNight, kNight, kDay, kDay};
constexpr Fertility kFertility[12] = {
    kBarren,       kSemiFruitful, kBarren,       kFruitful,
    kBarren,       kBarren,       kSemiFruitful, kFruitful,
    kSemiFruitful, kBarren,       kSemiFruitful, kFruitful};
constexpr Gemstone kGemstones[12] = {
    kCoral,          kDiamond,      kEmerald,      kPearl,
    kRuby,           kEmerald,      kDiamond,      kCoral,
    kYellowSapphire, kBlueSapphire, kBlueSapphire, kYellowSapphire};
constexpr Physique kPhysiques[12] = {kShort, kShort, kEven,  kEven,
                                     kTall,  kTall,  kTall,  kTall,
                                     kEven,  kEven,  kShort, kShort};
// Lists, written in their order with comma and blank between the items.
// Color is the sign's own colour, not a lucky one.
const std::vector<int> kColours[12] = {{kRed, kBrown, kCopper},
                                       {kWhite},
                                       {kGreen},
                                       {kPink},
                                       {kWhite},
                                       {kMulticoloured},
                                       {kBlack},
                                       {kReddishBrown},
                                       {kYellowishBrown},
                                       {kMulticoloured},
                                       {kDeepBrown},
                                       {kBlue}};
const std::vector<int> kLuckyColours[12] = {
    {kRed, kBrown, kCopper},   {kPink, kGreen},
    {kYellow, kPurple, kBlue}, {kWhite, kRed, kYellow},
    {kOrange, kRed, kGreen},   {kGreen},
    {kWhite, kGreen, kYellow}, {kBrown, kRed, kYellow, kWhite},
    {kYellow, kGray, kBrown},  {kBlack, kBlue},
    {kBlue, kBlack},           {kPink, kCream}};
const std::vector<int> kLuckyDays[12] = {{kMonday, kTuesday},
                                         {kThursday, kFriday},
                                         {kMonday, kWednesday},
                                         {kMonday, kThursday},
                                         {kSunday, kMonday},
                                         {kWednesday, kFriday},
                                         {kFriday, kWednesday, kThursday},
                                         {kMonday, kTuesday, kThursday},
                                         {kSunday, kThursday},
                                         {kSaturday, kWednesday},
                                         {kThursday, kFriday, kSaturday},
                                         {kThursday, kMonday, kTuesday}};
// Numbers are the same in every language (Western digits).
constexpr const char* kLuckyNumbers[12] = {
    "9, 1",    "2, 8",    "3, 7",       "2, 7, 9", "1, 4, 5, 9", "2, 3, 5, 6",
    "1, 2, 4", "3, 7, 9", "3, 5, 6, 8", "6, 8, 9", "2, 3, 7, 9", "1, 3, 4"};
// Compatibility lists are one-sided: A may list B without B listing A. The
// signs are by index, Aries = 0.
const std::vector<int> kCompatible[12] = {
    {4, 8, 2, 10, 6}, {3, 5, 7, 9, 11}, {0, 4, 6, 8, 10}, {5, 7, 9, 11, 1},
    {6, 8, 10, 0, 2}, {7, 9, 11, 3},    {8, 10, 0, 2, 4}, {9, 11, 1, 3, 5},
    {10, 0, 2, 4, 6}, {11, 1, 3, 5, 7}, {10, 6, 2},       {1, 3, 5, 7, 9}};
// Repeats every four signs.
const std::vector<int> kNotCompatible[4] = {
    {7, 11, 3}, {2, 10, 6}, {1, 5, 9}, {0, 4, 8}};

template <std::size_t N>
std::string Joined(const std::vector<int>& items,
                   const std::array<const char*, N>& words,
                   const char* separator) {
  std::string text;
  for (const int item : items) {
    if (!text.empty()) text += separator;
    text += words[static_cast<std::size_t>(item)];
  }
  return text;
}

}  // namespace

SignTables FillSignTables(Language language) {
  const SignWords& w = SignWordsIn(language);
  const PlanetNameTable bodies = PlainPlanetNames(language);
  const char* const comma = w.listSeparator;
  SignTables t;
  for (int s = 0; s < 12; ++s) {
    t.SignName[s] = w.signName[s];
    t.VedicName[s] = w.vedicName[s];
    t.EnglishName[s] = w.englishName[s];
    t.RulingPlanet[s] = bodies[kSignLordBodies[s]];
    t.Symbol[s] = w.symbol[s];
    t.Nature[s] = w.element[s % 4];
    t.Color[s] = Joined(kColours[s], w.colour, comma);
    t.TypeOfSign[s] = w.quality[s % 3];
    t.Gender[s] = w.gender[kGenders[s]];
    t.BestPeriodOfActivity[s] = w.period[kPeriods[s]];
    t.Barren[s] = w.fertility[kFertility[s]];
    t.Caste[s] = w.caste[s % 4];
    t.Position[s] = w.position[s % 3];
    t.ConstituentCharacter[s] = w.constituent[s % 3];
    t.LuckyDays[s] = Joined(kLuckyDays[s], w.weekday, comma);
    t.LuckyNumbers[s] = kLuckyNumbers[s];
    t.BestDirection[s] = w.direction[s % 4];
    t.LuckyColors[s] = Joined(kLuckyColours[s], w.colour, comma);
    t.LuckyGemstone[s] = w.gemstone[kGemstones[s]];
    t.PartOfTheBody[s] = w.partOfTheBody[s];
    t.Physique[s] = w.physique[kPhysiques[s]];
    t.CompatibleWith[s] = Joined(kCompatible[s], w.signName, comma);
    t.NotCompatibleWith[s] = Joined(kNotCompatible[s % 4], w.signName, comma);
  }
  FillSignReadings(t, language);
  return t;
}

const SignTables& SharedSignTables(Language language) {
  static const std::array<SignTables, kLanguageCount> tables = {
      FillSignTables(Language::kEnglish), FillSignTables(Language::kHindi),
      FillSignTables(Language::kTamil)};
  return tables[LanguageIndex(language)];
}

SignAttributeFields ShowSignAttributes(const SignTables& tables, int s) {
  SignAttributeFields f;
  f.lblArudhaLagnaPresentInSign = tables.SignName[s];
  f.lblVedicName = tables.VedicName[s];
  f.lblEnglishName = tables.EnglishName[s];
  f.lblRullingPlanet = tables.RulingPlanet[s];
  f.lblSymbol = tables.Symbol[s];
  f.lblNature = tables.Nature[s];
  f.lblColor = tables.Color[s];
  f.lblTypeOfSign = tables.TypeOfSign[s];
  f.lblGender = tables.Gender[s];
  f.lblBestPeriodOfActivity = tables.BestPeriodOfActivity[s];
  f.lblBarren = tables.Barren[s];
  f.lblCaste = tables.Caste[s];
  f.lblPosition = tables.Position[s];
  f.lblConstituentCharacter = tables.ConstituentCharacter[s];
  f.lblLuckyDays = tables.LuckyDays[s];
  f.lblLuckyNumbers = tables.LuckyNumbers[s];
  f.lblBestDirection = tables.BestDirection[s];
  f.lblLuckyColors = tables.LuckyColors[s];
  f.lblLuckyGemstone = tables.LuckyGemstone[s];
  f.lblPartOfTheBody = tables.PartOfTheBody[s];
  f.lblPhysique = tables.Physique[s];
  f.txtLooks = tables.LooksText[s];
  f.txtNature = tables.NatureText[s];
  f.txtCareerAndFinance = tables.CareerAndFinanceText[s];
  f.txtLoveAndDomesticLife = tables.LoveAndDomesticLifeText[s];
  f.txtHealth = tables.HealthText[s];
  f.lblCompatibleWith = tables.CompatibleWith[s];
  f.lblNotCompatibleWith = tables.NotCompatibleWith[s];
  return f;
}

#define TARVELIN_SIGN_FIELD(name, caption) \
  SignFieldRef { #name, caption, &SignAttributeFields::name }

const std::array<const char*, 10> kPlanetRowCaptions = {
    "Surya/Sun",       "Chandra/Moon", "Budha/Mercury", "Shukra/Venus",
    "Mangala/Mars",    "Guru/Jupiter", "Shani/Saturn",  "Rahu/North Node",
    "Ketu/South node", "Asc/Lagna"};

const std::array<SignFieldRef, 28> kSignAttributeFieldRefs = {
    TARVELIN_SIGN_FIELD(lblArudhaLagnaPresentInSign,
                        "Hora Lagna Present In Sign"),
    TARVELIN_SIGN_FIELD(lblVedicName, "Vedic Name"),
    TARVELIN_SIGN_FIELD(lblEnglishName, "English Name"),
    TARVELIN_SIGN_FIELD(lblRullingPlanet, "Ruling Planet"),
    TARVELIN_SIGN_FIELD(lblSymbol, "Symbol"),
    TARVELIN_SIGN_FIELD(lblNature, "Nature"),
    TARVELIN_SIGN_FIELD(lblColor, "Color"),
    TARVELIN_SIGN_FIELD(lblTypeOfSign, "Type Of Sign"),
    TARVELIN_SIGN_FIELD(lblGender, "Gender"),
    TARVELIN_SIGN_FIELD(lblBestPeriodOfActivity, "Best Period Of Activity"),
    TARVELIN_SIGN_FIELD(lblBarren, "Barren"),
    TARVELIN_SIGN_FIELD(lblCaste, "Caste"),
    TARVELIN_SIGN_FIELD(lblPosition, "Position"),
    TARVELIN_SIGN_FIELD(lblConstituentCharacter, "Constituent Character"),
    TARVELIN_SIGN_FIELD(lblLuckyDays, "Lucky Days"),
    TARVELIN_SIGN_FIELD(lblLuckyNumbers, "Lucky Numbers"),
    TARVELIN_SIGN_FIELD(lblBestDirection, "Best Direction"),
    TARVELIN_SIGN_FIELD(lblLuckyColors, "Lucky Colors"),
    TARVELIN_SIGN_FIELD(lblLuckyGemstone, "Lucky Gemstone"),
    TARVELIN_SIGN_FIELD(lblPartOfTheBody, "Part Of The Body"),
    TARVELIN_SIGN_FIELD(lblPhysique, "Physique"),
    TARVELIN_SIGN_FIELD(txtLooks, "Looks"),
    TARVELIN_SIGN_FIELD(txtNature, "Nature"),
    TARVELIN_SIGN_FIELD(txtCareerAndFinance, "Career And Finance"),
    TARVELIN_SIGN_FIELD(txtLoveAndDomesticLife, "Love And Domestic Life"),
    TARVELIN_SIGN_FIELD(txtHealth, "Health"),
    TARVELIN_SIGN_FIELD(lblCompatibleWith, "Compatible With"),
    TARVELIN_SIGN_FIELD(lblNotCompatibleWith, "Not Compatible With"),
};

#undef TARVELIN_SIGN_FIELD

namespace {

// The captions of kSignAttributeFieldRefs in Hindi and Tamil, in its order.
constexpr std::array<const char*, 28> kHindiFieldCaptions = {
    "होरा लग्न की राशि",
    "वैदिक नाम",
    "अंग्रेज़ी नाम",
    "स्वामी ग्रह",
    "प्रतीक",
    "तत्त्व",
    "रंग",
    "राशि का प्रकार",
    "लिंग",
    "सक्रियता का श्रेष्ठ समय",
    "उर्वरता",
    "वर्ण",
    "स्थिति",
    "मूल प्रकृति",
    "शुभ दिन",
    "शुभ अंक",
    "श्रेष्ठ दिशा",
    "शुभ रंग",
    "शुभ रत्न",
    "शरीर का अंग",
    "कद-काठी",
    "रूप-रंग",
    "स्वभाव",
    "व्यवसाय और धन",
    "प्रेम और पारिवारिक जीवन",
    "स्वास्थ्य",
    "अनुकूल राशियाँ",
    "प्रतिकूल राशियाँ"};
constexpr std::array<const char*, 28> kTamilFieldCaptions = {
    "ஹோரா லக்னம் உள்ள ராசி",
    "வேதப் பெயர்",
    "ஆங்கிலப் பெயர்",
    "அதிபதி கிரகம்",
    "சின்னம்",
    "தத்துவம்",
    "நிறம்",
    "ராசியின் வகை",
    "பாலினம்",
    "சிறந்த செயல் நேரம்",
    "வளம்",
    "வர்ணம்",
    "நிலை",
    "அடிப்படைத் தன்மை",
    "அதிர்ஷ்ட நாட்கள்",
    "அதிர்ஷ்ட எண்கள்",
    "சிறந்த திசை",
    "அதிர்ஷ்ட நிறங்கள்",
    "அதிர்ஷ்ட ரத்தினம்",
    "உடல் உறுப்பு",
    "உடல் அமைப்பு",
    "தோற்றம்",
    "இயல்பு",
    "தொழில் மற்றும் பணம்",
    "காதல் மற்றும் குடும்ப வாழ்க்கை",
    "ஆரோக்கியம்",
    "பொருத்தமான ராசிகள்",
    "பொருந்தாத ராசிகள்"};

}  // namespace

const char* SignFieldCaption(std::size_t field, Language language) {
  if (field >= kSignAttributeFieldRefs.size()) return "";
  switch (language) {
    case Language::kHindi:
      return kHindiFieldCaptions[field];
    case Language::kTamil:
      return kTamilFieldCaptions[field];
    case Language::kEnglish:
      break;
  }
  return kSignAttributeFieldRefs[field].caption;
}

const char* SignFieldCaption(const std::string& fieldName, Language language) {
  for (std::size_t i = 0; i < kSignAttributeFieldRefs.size(); ++i) {
    if (fieldName == kSignAttributeFieldRefs[i].name) {
      return SignFieldCaption(i, language);
    }
  }
  return "";
}

std::array<std::string, kBodyCount> PlanetRowCaptions(Language language) {
  std::array<std::string, kBodyCount> captions;
  if (language == Language::kEnglish) {
    for (int i = 0; i < kBodyCount; ++i) captions[i] = kPlanetRowCaptions[i];
    return captions;
  }
  // Outside English a body's name alone says what the row is.
  const PlanetNameTable names = PlainPlanetNames(language);
  for (int i = 0; i < kBodyCount; ++i) captions[i] = names[i];
  return captions;
}

}  // namespace tarvelin
