#include "tables/house_significance.h"

namespace tarvelin {

// One sentence per house of the Hora Lagna, house 1 first. The blanks at the
// ends of houses 1, 8, 9, 10 and 11 belong to the captions as shown.
const std::array<std::string, 12> kHouseSignificance = {
    "If you have a good reputation and are famous then wealth and riches will "
    "come knocking on your doors. ",
    "Family life will gain importance. You will understand that your true "
    "happiness is with spending time with your wife and children.",
    "Establish your creative pursuits and build a profitable career around "
    "it. This will not only give you wealth but also happiness.",
    "Your heart is where your home is. If you have been thinking of returning "
    "home or coming back to the place of our birth, do not delay. You will be "
    "more happy and satisfied going back to your roots.",
    "You will spend more time with your children and people who support you. "
    "This maybe a period of reckoning and realizing who your true well "
    "wishers are.",
    "Survival of the fittest. That's the keyword of this placement. You will "
    "need to know how to survive in order to achieve happiness and "
    "prosperity.",
    "You will crave for a partner and look forward to getting into a "
    "relationship. This is of utmost importance to you.",
    "You will gain money from people who return their debts. There will be a "
    "play of destiny.    ",
    "Wisdom and knowledge will be of utmost importance.  ",
    "Build your professional career and look at it as the most important "
    "aspect if your life.    ",
    "You will need to understand the importance of friendships and know how "
    "to work in groups for mutual benefit.    ",
    "You will gain money from foreign places.",
};

int HoraLagnaHouse(int ascendantSign, int horaLagnaSign) {
  // diff runs -11..11; a sign behind the ascendant wraps round the zodiac.
  const int diff = horaLagnaSign - ascendantSign;
  return diff < 0 ? diff + 13 : diff + 1;
}

}  // namespace tarvelin
