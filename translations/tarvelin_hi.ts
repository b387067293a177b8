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
        <source>Months January?mber or 1ጒ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days 1–%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years %1–%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours 0–%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes 0–%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds 0–%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmMainAtlas</name>
    <message>
        <source>Several places are called “%1”: choose one from the list, or enter the coordinates and the zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not in the atlas: enter the coordinates and the zone</source>
        <translation type="unfinished"></translation>
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
</TS>
