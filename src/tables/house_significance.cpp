// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

// The same sentences in Hindi and in Tamil, house 1 first.
const std::array<std::string, 12> kHindiHouseSignificance = {
    "यदि आपकी प्रतिष्ठा अच्छी है और आप प्रसिद्ध हैं, तो धन और समृद्धि "
    "स्वयं आपके द्वार पर दस्तक देंगे।",
    "पारिवारिक जीवन का महत्त्व बढ़ेगा। आप समझेंगे कि आपकी सच्ची ख़ुशी "
    "पत्नी और बच्चों के साथ समय बिताने में है।",
    "अपनी रचनात्मक रुचियों को स्थापित करें और उनके इर्द-गिर्द एक "
    "लाभदायक करियर बनाएँ। इससे आपको न केवल धन, बल्कि सुख भी मिलेगा।",
    "जहाँ आपका घर है, वहीं आपका हृदय है। यदि आप घर लौटने या अपने "
    "जन्मस्थान पर वापस आने की सोच रहे हैं, तो देर न करें। अपनी जड़ों की "
    "ओर लौटकर आप अधिक सुखी और संतुष्ट रहेंगे।",
    "आप अपने बच्चों और आपका साथ देने वाले लोगों के साथ अधिक समय "
    "बिताएँगे। यह आत्म-मूल्यांकन का और यह पहचानने का समय हो सकता है कि "
    "आपके सच्चे शुभचिंतक कौन हैं।",
    "जो सबसे योग्य है, वही टिकता है। यही इस स्थिति का मूल मंत्र है। सुख "
    "और समृद्धि पाने के लिए आपको टिके रहने की कला जाननी होगी।",
    "आप एक जीवनसाथी के लिए लालायित रहेंगे और किसी संबंध में बँधने की "
    "प्रतीक्षा करेंगे। यह आपके लिए सर्वोपरि है।",
    "जो लोग अपना ऋण लौटाएँगे, उनसे आपको धन मिलेगा। भाग्य का खेल चलेगा।",
    "ज्ञान और विवेक सर्वोपरि होंगे।",
    "अपना व्यावसायिक करियर बनाएँ और उसे अपने जीवन का सबसे महत्त्वपूर्ण "
    "पहलू मानें।",
    "आपको मित्रता का महत्त्व समझना होगा और परस्पर लाभ के लिए समूह में "
    "काम करना सीखना होगा।",
    "आपको विदेश से धन प्राप्त होगा।",
};
const std::array<std::string, 12> kTamilHouseSignificance = {
    "உங்களுக்கு நல்ல பெயரும் புகழும் இருந்தால், செல்வமும் வளமும் "
    "தானாகவே உங்கள் வாசல் தேடி வரும்.",
    "குடும்ப வாழ்க்கை முக்கியத்துவம் பெறும். மனைவி, குழந்தைகளுடன் நேரம் "
    "செலவிடுவதில்தான் உங்கள் உண்மையான மகிழ்ச்சி இருக்கிறது என்பதைப் "
    "புரிந்துகொள்வீர்கள்.",
    "உங்கள் படைப்பார்வங்களை நிலைநிறுத்தி, அவற்றைச் சுற்றி லாபகரமான "
    "தொழிலை அமைத்துக்கொள்ளுங்கள். இது உங்களுக்குச் செல்வத்தை மட்டுமல்ல, "
    "மகிழ்ச்சியையும் தரும்.",
    "உங்கள் வீடு எங்கே இருக்கிறதோ அங்கேதான் உங்கள் இதயம் இருக்கிறது. "
    "வீடு திரும்புவது பற்றியோ நீங்கள் பிறந்த இடத்துக்குத் திரும்பி "
    "வருவது பற்றியோ யோசித்துக்கொண்டிருந்தால், தாமதிக்காதீர்கள். உங்கள் "
    "வேர்களுக்குத் திரும்புவதில் அதிக மகிழ்ச்சியும் மனநிறைவும் "
    "பெறுவீர்கள்.",
    "உங்கள் குழந்தைகளுடனும் உங்களுக்கு ஆதரவாக இருப்பவர்களுடனும் அதிக "
    "நேரம் செலவிடுவீர்கள். உங்கள் உண்மையான நலம் விரும்பிகள் யார் என்பதை "
    "மதிப்பிட்டு உணரும் காலமாக இது இருக்கலாம்.",
    "தகுதியுள்ளதே நிலைத்து வாழும். இந்த அமைவின் முக்கியச் சொல் இதுதான். "
    "மகிழ்ச்சியையும் செழிப்பையும் அடைய, எப்படி நிலைத்து நிற்பது என்பதை "
    "நீங்கள் அறிந்துகொள்ள வேண்டும்.",
    "ஒரு துணைக்காக ஏங்குவீர்கள்; ஓர் உறவில் இணைவதை ஆவலுடன் "
    "எதிர்நோக்குவீர்கள். இது உங்களுக்கு மிக மிக முக்கியமானது.",
    "கடனைத் திருப்பித் தருபவர்கள் மூலம் உங்களுக்குப் பணம் கிடைக்கும். "
    "விதியின் விளையாட்டு நடக்கும்.",
    "ஞானமும் அறிவும் மிக முக்கியமானவையாக இருக்கும்.",
    "உங்கள் தொழில் வாழ்க்கையைக் கட்டியெழுப்புங்கள்; அதை உங்கள் வாழ்வின் "
    "மிக முக்கியமான அம்சமாகக் கருதுங்கள்.",
    "நட்பின் முக்கியத்துவத்தைப் புரிந்துகொண்டு, பரஸ்பர நன்மைக்காகக் "
    "குழுவாகச் செயல்படுவது எப்படி என்பதை அறிந்துகொள்ள வேண்டும்.",
    "வெளிநாடுகளிலிருந்து உங்களுக்குப் பணம் கிடைக்கும்.",
};

}  // namespace

const std::string& HouseSignificance(int house, Language language) {
  switch (language) {
    case Language::kHindi:
      return kHindiHouseSignificance[house - 1];
    case Language::kTamil:
      return kTamilHouseSignificance[house - 1];
    case Language::kEnglish:
      break;
  }
  return kHouseSignificance[house - 1];
}

int HoraLagnaHouse(int ascendantSign, int horaLagnaSign) {
  // diff runs -11..11; a sign behind the ascendant wraps round the zodiac.
  const int diff = horaLagnaSign - ascendantSign;
  return diff < 0 ? diff + 13 : diff + 1;
}

}  // namespace tarvelin
