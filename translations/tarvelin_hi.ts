<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>tarvelin::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>एप्लिकेशन पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>tarvelin::Atlas</name>
    <message>
        <source>The atlas file %1 cannot be read: %2</source>
        <translation>एटलस फ़ाइल %1 पढ़ी नहीं जा सकती: %2</translation>
    </message>
    <message>
        <source>The atlas file %1 cannot be used: %2</source>
        <translation>एटलस फ़ाइल %1 का उपयोग नहीं हो सकता: %2</translation>
    </message>
    <message>
        <source>The atlas file is missing (looked for %1)</source>
        <translation>एटलस फ़ाइल नहीं मिली (यहाँ खोजी गई: %1)</translation>
    </message>
    <message>
        <source>Bombay Time</source>
        <translation>बंबई समय</translation>
    </message>
    <message>
        <source>Calcutta Time</source>
        <translation>कलकत्ता समय</translation>
    </message>
    <message>
        <source>The time-zone database of this computer does not know the zone %1 of %2. Please choose the zone yourself.</source>
        <translation>इस कंप्यूटर का समय क्षेत्र डेटाबेस %2 के समय क्षेत्र %1 को नहीं जानता। कृपया समय क्षेत्र स्वयं चुनें।</translation>
    </message>
    <message>
        <source>The clocks at %1 skipped %2 on the birth date (they were set forward); the birth time is read with the offset before the change, %3, which moves it forward by the gap to %4 on the clocks after it (%5).</source>
        <translation>जन्म की तिथि को %1 में घड़ियाँ %2 को लाँघ गईं (उन्हें आगे किया गया था); जन्म समय परिवर्तन से पहले के अंतर %3 से पढ़ा गया है, जिससे वह अंतराल जितना आगे खिसककर परिवर्तन के बाद की घड़ियों (%5) पर %4 हो जाता है।</translation>
    </message>
    <message>
        <source>The clocks at %1 showed %2 twice on the birth date (they were set back); the birth time is read as the first of the two, %3.</source>
        <translation>जन्म की तिथि को %1 में घड़ियों ने %2 दो बार दिखाया (उन्हें पीछे किया गया था); जन्म समय दोनों में से पहला माना गया है, %3।</translation>
    </message>
    <message>
        <source>The recorded time of a birth in %1 before %2 may be %3, the city&apos;s own time (%4); if so, give %4 as the exact offset.</source>
        <translation>%2 से पहले %1 में हुए जन्म का दर्ज समय %3 हो सकता है, जो उस शहर का अपना समय (%4) था; ऐसा हो तो सटीक अंतर के रूप में %4 दें।</translation>
    </message>
    <message>
        <source>The recorded time of a birth in %1 before %2 may be %3, the city&apos;s own time (%4), rather than the zone&apos;s %5; if so, give %4 as the exact offset.</source>
        <translation>%2 से पहले %1 में हुए जन्म का दर्ज समय समय क्षेत्र के %5 के बजाय %3 हो सकता है, जो उस शहर का अपना समय (%4) था; ऐसा हो तो सटीक अंतर के रूप में %4 दें।</translation>
    </message>
</context>
<context>
    <name>tarvelin::CalculationOptionsDialog</name>
    <message>
        <source>%1 (the default)</source>
        <translation>%1 (डिफ़ॉल्ट)</translation>
    </message>
    <message>
        <source>Calculation Options</source>
        <translation>गणना के विकल्प</translation>
    </message>
    <message>
        <source>Sunrise rule</source>
        <translation>सूर्योदय का नियम</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>The options apply to the next calculation and are kept for the next start.</source>
        <translation>ये विकल्प अगली गणना से लागू होते हैं और अगली बार प्रोग्राम शुरू होने पर भी बने रहते हैं।</translation>
    </message>
    <message>
        <source>Calculation &amp;Options…</source>
        <translation>गणना के विकल्प… (&amp;O)</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>%1 के बारे में</translation>
    </message>
    <message>
        <source>Tarvelin is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. This Lagna signifies the importance of self in terms of money, wealth and prosperity.</source>
        <translation>Tarvelin वैदिक ज्योतिष के आधार पर निकाला जाने वाला एक विशेष लग्न है। यह लग्न धन, संपत्ति और समृद्धि के संदर्भ में स्वयं के महत्त्व को दर्शाता है।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। इस सॉफ़्टवेयर को पूरी तरह अपनी वेबसाइट के नाम से पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Visit our astrology forum for more</source>
        <translation>और जानने के लिए हमारे ज्योतिष फ़ोरम पर आएँ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>स्थान: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmDisplay</name>
    <message>
        <source>Discuss your chart in our astrology forum</source>
        <translation>हमारे ज्योतिष फ़ोरम में अपनी कुंडली पर चर्चा करें</translation>
    </message>
    <message>
        <source>Visit our astrology forum</source>
        <translation>हमारे ज्योतिष फ़ोरम पर आएँ</translation>
    </message>
    <message>
        <source>Through the Day</source>
        <translation>दिन भर</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>तिथि</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmExitScreen</name>
    <message>
        <source>Thank you for using Tarvelin. Our astrology forum lives on the questions and answers of its members: please visit it often and join the discussions.</source>
        <translation>Tarvelin का उपयोग करने के लिए धन्यवाद। हमारा ज्योतिष फ़ोरम अपने सदस्यों के प्रश्नों और उत्तरों से ही चलता है: कृपया वहाँ अक्सर आएँ और चर्चाओं में भाग लें।</translation>
    </message>
    <message>
        <source>Have a question about your Hora Lagna? Bring it to our astrology forum, visit it regularly and share what you know with other members.</source>
        <translation>अपने होरा लग्न के बारे में कोई प्रश्न है? उसे हमारे ज्योतिष फ़ोरम पर लाएँ, वहाँ नियमित रूप से आएँ और जो आप जानते हैं उसे दूसरे सदस्यों के साथ बाँटें।</translation>
    </message>
    <message>
        <source>Tarvelin is free because of people like you. Support us by visiting our forum regularly and taking part in its discussions.</source>
        <translation>Tarvelin आप जैसे लोगों के कारण निःशुल्क है। हमारे फ़ोरम पर नियमित रूप से आकर और उसकी चर्चाओं में भाग लेकर हमारा साथ दें।</translation>
    </message>
    <message>
        <source>Our forum grows with every member who drops by. Visit it regularly, read the latest threads and add your own voice to the conversation.</source>
        <translation>हमारा फ़ोरम हर आने वाले सदस्य के साथ बढ़ता है। वहाँ नियमित रूप से आएँ, नई चर्चाएँ पढ़ें और बातचीत में अपनी आवाज़ जोड़ें।</translation>
    </message>
    <message>
        <source>Yes, take me to the forum now</source>
        <translation>हाँ, मुझे अभी फ़ोरम पर ले चलें</translation>
    </message>
    <message>
        <source>More Programs From Us</source>
        <translation>हमारे और प्रोग्राम</translation>
    </message>
    <message>
        <source>Browse our catalogue of astrology and horoscope software</source>
        <translation>हमारे ज्योतिष और जन्मकुंडली सॉफ़्टवेयर की सूची देखें</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>किसी मित्र को बताएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी मित्र को बताएँ (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में रिक्त स्थान नहीं हो सकता</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmMain</name>
    <message>
        <source>Days 1–%1</source>
        <translation>दिन 1–%1</translation>
    </message>
    <message>
        <source>Years %1–%2</source>
        <translation>वर्ष %1–%2</translation>
    </message>
    <message>
        <source>Hours 0–%1</source>
        <translation>घंटे 0–%1</translation>
    </message>
    <message>
        <source>Minutes 0–%1</source>
        <translation>मिनट 0–%1</translation>
    </message>
    <message>
        <source>Seconds 0–%1</source>
        <translation>सेकंड 0–%1</translation>
    </message>
    <message>
        <source>The zone %1 is far from longitude %2; calculate anyway?</source>
        <translation>समय क्षेत्र %1 देशांतर %2 से बहुत दूर है; फिर भी गणना करें?</translation>
    </message>
    <message>
        <source>Please choose the time zone</source>
        <translation>कृपया समय क्षेत्र चुनें</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Months January–December or 1–12</source>
        <translation>महीने जनवरी–दिसंबर या 1–12</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Get My Hora Lagna</source>
        <translation>मेरा होरा लग्न निकालें</translation>
    </message>
    <message>
        <source>Place Details</source>
        <translation>स्थान विवरण</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर के लिए क्लिक करें</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Know more about your importance in terms of money and material prosperity with Tarvelin</source>
        <translation>Tarvelin के साथ धन और भौतिक समृद्धि के संदर्भ में अपने महत्त्व के बारे में और जानें</translation>
    </message>
    <message>
        <source>Co-brand Tarvelin for your web site</source>
        <translation>अपनी वेबसाइट के लिए Tarvelin को को-ब्रांड करें</translation>
    </message>
    <message>
        <source>Get Tarvelin fully branded</source>
        <translation>Tarvelin को पूरी तरह अपने नाम से पाएँ</translation>
    </message>
    <message>
        <source>Join our discussion board</source>
        <translation>हमारे चर्चा मंच से जुड़ें</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>नाम (&amp;N)</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translation>जन्म तिथि (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>जन्म समय (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>शहर (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translation>राज्य (&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;untry</source>
        <translation>देश (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translation>समय क्षेत्र (&amp;Z)</translation>
    </message>
    <message>
        <source>The zone&apos;s offset from universal time, in hours and minutes after the point: &quot;+5.3&quot; means five and a half hours ahead (5:30), &quot;-9.0&quot; nine hours behind. &quot;Other offset…&quot; takes an exact offset such as +05:45.</source>
        <translation>विश्व समय (UTC) से समय क्षेत्र का अंतर, बिंदु से पहले घंटे और बाद में मिनट: &quot;+5.3&quot; का अर्थ है साढ़े पाँच घंटे आगे (5:30), &quot;-9.0&quot; नौ घंटे पीछे। &quot;अन्य अंतर…&quot; +05:45 जैसा सटीक अंतर लेता है।</translation>
    </message>
    <message>
        <source>Da&amp;ylight Saving Time</source>
        <translation>डेलाइट सेविंग समय (&amp;Y)</translation>
    </message>
    <message>
        <source>Tick when the clocks at the place were on daylight saving (summer) time at the birth: one hour more than the zone&apos;s offset.</source>
        <translation>यदि जन्म के समय उस स्थान की घड़ियाँ डेलाइट सेविंग (ग्रीष्मकालीन) समय पर थीं तो इसे चुनें: समय क्षेत्र के अंतर से एक घंटा अधिक।</translation>
    </message>
    <message>
        <source>D&amp;eg</source>
        <translation>अंश (&amp;E)</translation>
    </message>
    <message>
        <source>M&amp;in</source>
        <translation>कला (&amp;I)</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>जन्म का घंटा</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>जन्म का सेकंड</translation>
    </message>
    <message>
        <source>Search the web for the latitude and longitude</source>
        <translation>वेब पर अक्षांश और देशांतर खोजें</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर की कला</translation>
    </message>
    <message>
        <source>East longitude</source>
        <translation>पूर्वी देशांतर</translation>
    </message>
    <message>
        <source>West longitude</source>
        <translation>पश्चिमी देशांतर</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश की कला</translation>
    </message>
    <message>
        <source>North latitude</source>
        <translation>उत्तरी अक्षांश</translation>
    </message>
    <message>
        <source>South latitude</source>
        <translation>दक्षिणी अक्षांश</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>± minutes</source>
        <translation>± मिनट</translation>
    </message>
    <message>
        <source>Minutes the birth time may be off, either side</source>
        <translation>जन्म समय में दोनों ओर संभावित अंतर, मिनटों में</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmMainAtlas</name>
    <message>
        <source>Several places are called “%1”: choose one from the list, or enter the coordinates and the zone</source>
        <translation>“%1” नाम के कई स्थान हैं: सूची में से एक चुनें, या निर्देशांक और समय क्षेत्र दर्ज करें</translation>
    </message>
    <message>
        <source>“%1” is not in the atlas: enter the coordinates and the zone</source>
        <translation>“%1” एटलस में नहीं है: निर्देशांक और समय क्षेत्र दर्ज करें</translation>
    </message>
    <message>
        <source>The zone of %1 at the birth is selected</source>
        <translation>%1 में जन्म के समय लागू समय क्षेत्र चुना गया</translation>
    </message>
    <message>
        <source>Use the zone of the nearest place, %1 (%2): %3 at the birth</source>
        <translation>निकटतम स्थान %1 (%2) का समय क्षेत्र लें: जन्म के समय %3</translation>
    </message>
    <message>
        <source>under 1 km</source>
        <translation>1 किमी से कम</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 किमी</translation>
    </message>
    <message>
        <source>near %1, %2</source>
        <translation>%1 के पास, %2</translation>
    </message>
</context>
<context>
    <name>tarvelin::InputProblem</name>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अक्षर दर्ज करें</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार किए जाते हैं</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And %1 in the Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश में 0 से %1 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And %1 in the Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश में 0 से %1 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And %1 in the  Minute of Longitude</source>
        <translation>कृपया देशांतर की कला में 0 से %1 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And %1 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांश की कला में 0 से %1 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या महीना दर्ज करें !</translation>
    </message>
    <message>
        <source>A name may have at most %1 letters and blanks</source>
        <translation>नाम में अधिकतम %1 अक्षर और रिक्त स्थान हो सकते हैं</translation>
    </message>
</context>
<context>
    <name>tarvelin::LibraryMenu</name>
    <message>
        <source>&amp;Save Birth</source>
        <translation>जन्म विवरण सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open Birth…</source>
        <translation>जन्म विवरण खोलें… (&amp;O)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>सहेजा गया: %1</translation>
    </message>
    <message>
        <source>Saved already: %1</source>
        <translation>पहले से सहेजा हुआ: %1</translation>
    </message>
    <message>
        <source>A birth named %1 is saved already (%2, %3). Replace it with this one (%4, %5), or keep both?</source>
        <translation>%1 नाम का एक जन्म विवरण पहले से सहेजा हुआ है (%2, %3)। क्या उसकी जगह यह (%4, %5) रखें, या दोनों रखें?</translation>
    </message>
    <message>
        <source>Replaced the saved birth with %1</source>
        <translation>सहेजे हुए जन्म विवरण की जगह रखा गया: %1</translation>
    </message>
    <message>
        <source>Saved %1 beside the other birth of that name</source>
        <translation>इसी नाम के दूसरे जन्म विवरण के साथ सहेजा गया: %1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>सहेजा नहीं गया</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved with zone-list entry %2, which this version&apos;s zone list does not have, so the form cannot show it; tarvelin-cli --from-library computes it.</source>
        <translation>&quot;%1&quot; समय क्षेत्रों की सूची की प्रविष्टि %2 के साथ सहेजा गया था, जो इस संस्करण की सूची में नहीं है, इसलिए फ़ॉर्म इसे नहीं दिखा सकता; tarvelin-cli --from-library इसकी गणना करता है।</translation>
    </message>
</context>
<context>
    <name>tarvelin::MDI</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। इस सॉफ़्टवेयर को पूरी तरह अपनी वेबसाइट के नाम से पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>प्रिंट करें… (&amp;P)</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>PDF निर्यात करें… (&amp;D)</translation>
    </message>
    <message>
        <source>Export &amp;Image…</source>
        <translation>चित्र निर्यात करें… (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>पृष्ठ प्रिंट नहीं हो सका।</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>चित्र निर्यात करें</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG चित्र (*.png)</translation>
    </message>
    <message>
        <source>&amp;Save Birth</source>
        <translation>जन्म विवरण सहेजें (&amp;S)</translation>
    </message>
</context>
<context>
    <name>tarvelin::Message</name>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>tarvelin::OpenBirthDialog</name>
    <message>
        <source>Open Birth</source>
        <translation>जन्म विवरण खोलें</translation>
    </message>
    <message>
        <source>Type part of a name, place or date</source>
        <translation>नाम, स्थान या तिथि का कोई अंश लिखें</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>नाम के क्रम में</translation>
    </message>
    <message>
        <source>Most Recently Used</source>
        <translation>हाल में खोले गए पहले</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>खोजें (&amp;F)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Delete the saved birth %1 (%2, %3)?</source>
        <translation>सहेजा हुआ जन्म विवरण %1 (%2, %3) हटाएँ?</translation>
    </message>
</context>
<context>
    <name>tarvelin::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया अलग-अलग ईमेल पते दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ईमेल पता दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने मित्र का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने मित्र का ईमेल दर्ज करें</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>मित्र का ईमेल पता</translation>
    </message>
</context>
<context>
    <name>tarvelin::ResultPage</name>
    <message>
        <source>the page could not be drawn</source>
        <translation>पृष्ठ बनाया नहीं जा सका</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1: %2</source>
        <translation>PDF फ़ाइल %1 नहीं लिखी जा सकी: %2</translation>
    </message>
    <message>
        <source>Cannot write the image file %1: %2</source>
        <translation>चित्र फ़ाइल %1 नहीं लिखी जा सकी: %2</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>फ़ोल्डर मौजूद नहीं है</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>वहाँ लिखने की अनुमति नहीं है</translation>
    </message>
</context>
<context>
    <name>tarvelin::ShowMessage</name>
    <message>
        <source>Replace</source>
        <translation>बदलें</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>दोनों रखें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>tarvelin::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है<byte value="xd"/>क्या आप नए संस्करण की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>tarvelin::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>कुंडली शैली (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;South-Indian</source>
        <translation>दक्षिण भारतीय (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;North-Indian</source>
        <translation>उत्तर भारतीय (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;East-Indian</source>
        <translation>पूर्व भारतीय (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>सिस्टम की भाषा</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Tarvelin on.</source>
        <translation>नई भाषा Tarvelin के अगली बार शुरू होने पर लागू होगी।</translation>
    </message>
</context>
<context>
    <name>tarvelin::ZoneChoice</name>
    <message>
        <source>Other offset…</source>
        <translation>अन्य अंतर…</translation>
    </message>
    <message>
        <source>Please enter the offset from UTC as +HH:MM or +HH:MM:SS, between %1 and %2 (for example +05:45)</source>
        <translation>कृपया UTC से अंतर +HH:MM या +HH:MM:SS के रूप में, %1 और %2 के बीच दर्ज करें (उदाहरण: +05:45)</translation>
    </message>
    <message>
        <source>Offset from UTC at the birth (%1 .. %2), e.g. +05:45:</source>
        <translation>जन्म के समय UTC से अंतर (%1 .. %2), उदाहरण: +05:45:</translation>
    </message>
    <message>
        <source>%1 at the birth (%2)</source>
        <translation>जन्म के समय %1 (%2)</translation>
    </message>
</context>
</TS>
