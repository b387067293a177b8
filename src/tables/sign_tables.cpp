#include "tables/sign_tables.h"

#include "tables/bodies.h"
#include "tables/sign_readings.h"

namespace tarvelin {

SignTables FillSignTables() {
  SignTables t;
  // Names, ruler and symbol.
  t.VedicName = {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
                 "Thula", "Vrischika", "Dhanus",  "Makara", "Kumbha", "Meena"};
  const PlanetNameTable bodies = PlainPlanetNames();
  for (int s = 0; s < 12; ++s) {
    t.EnglishName[s] = kSignNames[s];
    t.RulingPlanet[s] = bodies[kSignLordBodies[s]];
  }
  t.Symbol = {"The Ram",       "The Bull",          "The Twins",
              "The Crab",      "The Lion",          "The Virgin",
              "The Balance",   "The Scorpion",      "The Archer",
              "The Crocodile", "The Water Carrier", "The Double Fish"};
  // Classifications. Nature is the element; Color is the sign's own colour,
  // not a lucky one. Nature, Caste and BestDirection repeat every four signs,
  // TypeOfSign, Position and ConstituentCharacter every three.
  t.Nature = {"Fire", "Earth", "Air",  "Water", "Fire", "Earth",
              "Air",  "Water", "Fire", "Earth", "Air",  "Water"};
  t.Color = {"Red, Brown, Copper",
             "White",
             "Green",
             "Pink",
             "White",
             "Multicolored",
             "Black",
             "Reddish Brown",
             "Yellowish brown",
             "Multicolored",
             "Deep Brown",
             "Blue"};
  t.TypeOfSign = {"Movable", "Fixed", "Mixed", "Movable", "Fixed", "Mixed",
                  "Movable", "Fixed", "Mixed", "Movable", "Fixed", "Mixed"};
  t.Gender = {"Male", "Female", "Female", "Female", "Male", "Female",
              "Male", "Female", "Male",   "Female", "Male", "Female"};
  t.BestPeriodOfActivity = {"Night", "Night", "Night", "Night", "Day", "Day",
                            "Day",   "Day",   "Night", "Night", "Day", "Day"};
  t.Barren = {"Barren",        "Semi-Fruitful", "Barren",        "Fruitful",
              "Barren",        "Barren",        "Semi-Fruitful", "Fruitful",
              "Semi-Fruitful", "Barren",        "Semi-Fruitful", "Fruitful"};
  t.Caste = {"Kshatriya", "Vaisya", "Sudra", "Brahmana",
             "Kshatriya", "Vaisya", "Sudra", "Brahmana",
             "Kshatriya", "Vaisya", "Sudra", "Brahmana"};
  t.Position = {"Dwara", "Bahya", "Garbha", "Dwara", "Bahya", "Garbha",
                "Dwara", "Bahya", "Garbha", "Dwara", "Bahya", "Garbha"};
  t.ConstituentCharacter = {
      "Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)",
      "Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)",
      "Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)",
      "Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)"};
  // Lucky values; each list is one text with comma and blank between items.
  t.LuckyDays = {"Monday, Tuesday",
                 "Thursday, Friday",
                 "Monday, Wednesday",
                 "Monday, Thursday",
                 "Sunday, Monday",
                 "Wednesday, Friday",
                 "Friday, Wednesday, Thursday",
                 "Monday, Tuesday, Thursday",
                 "Sunday, Thursday",
                 "Saturday, Wednesday",
                 "Thursday, Friday, Saturday",
                 "Thursday, Monday, Tuesday"};
  t.LuckyNumbers = {"9, 1",       "2, 8",       "3, 7",       "2, 7, 9",
                    "1, 4, 5, 9", "2, 3, 5, 6", "1, 2, 4",    "3, 7, 9",
                    "3, 5, 6, 8", "6, 8, 9",    "2, 3, 7, 9", "1, 3, 4"};
  t.BestDirection = {"East", "South", "West", "North", "East", "South",
                     "West", "North", "East", "South", "West", "North"};
  t.LuckyColors = {"Red, Brown, Copper",   "Pink, Green",
                   "Yellow, Purple, Blue", "White, Red, Yellow",
                   "Orange, Red, Green",   "Green",
                   "White, Green, Yellow", "Brown, Red, Yellow, White",
                   "Yellow, Gray, Brown",  "Black, Blue",
                   "Blue, Black",          "Pink, Cream"};
  t.LuckyGemstone = {"Coral",         "Diamond",       "Emerald",
                     "Pearl",         "Ruby",          "Emerald",
                     "Diamond",       "Coral",         "Yellow Sapphire",
                     "Blue Sapphire", "Blue Sapphire", "Yellow Sapphire"};
  // The part of the body the sign governs and the build it gives.
  t.PartOfTheBody = {"Head",
                     "Face",
                     "Shoulders",
                     "Chest",
                     "Heart & Stomach",
                     "Abdomen",
                     "Lower Abdomen & Groin",
                     "External Genitalia",
                     "Thighs",
                     "Knees",
                     "Calves",
                     "Feet"};
  t.Physique = {"Short", "Short", "Even", "Even", "Tall",  "Tall",
                "Tall",  "Tall",  "Even", "Even", "Short", "Short"};
  // Compatibility lists are one-sided: A may list B without B listing A.
  t.CompatibleWith = {"Leo, Sagittarius, Gemini, Aquarius, Libra",
                      "Cancer, Virgo, Scorpio, Capricorn, Pisces",
                      "Aries, Leo, Libra, Sagittarius, Aquarius",
                      "Virgo, Scorpio, Capricorn, Pisces, Taurus",
                      "Libra, Sagittarius, Aquarius, Aries, Gemini",
                      "Scorpio, Capricorn, Pisces, Cancer",
                      "Sagittarius, Aquarius, Aries, Gemini, Leo",
                      "Capricorn, Pisces, Taurus, Cancer, Virgo",
                      "Aquarius, Aries, Gemini, Leo, Libra",
                      "Pisces, Taurus, Cancer, Virgo, Scorpio",
                      "Aquarius, Libra, Gemini",
                      "Taurus, Cancer, Virgo, Scorpio, Capricorn"};
  t.NotCompatibleWith = {"Scorpio, Pisces, Cancer",  "Gemini, Aquarius, Libra",
                         "Taurus, Virgo, Capricorn", "Aries, Leo, Sagittarius",
                         "Scorpio, Pisces, Cancer",  "Gemini, Aquarius, Libra",
                         "Taurus, Virgo, Capricorn", "Aries, Leo, Sagittarius",
                         "Scorpio, Pisces, Cancer",  "Gemini, Aquarius, Libra",
                         "Taurus, Virgo, Capricorn", "Aries, Leo, Sagittarius"};

  FillSignReadings(t);
  return t;
}

const SignTables& SharedSignTables() {
  static const SignTables tables = FillSignTables();
  return tables;
}

SignAttributeFields ShowSignAttributes(const SignTables& tables, int s) {
  SignAttributeFields f;
  f.lblArudhaLagnaPresentInSign = tables.EnglishName[s];
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

const char* SignFieldCaption(const std::string& fieldName) {
  for (const SignFieldRef& ref : kSignAttributeFieldRefs) {
    if (fieldName == ref.name) return ref.caption;
  }
  return "";
}

}  // namespace tarvelin
