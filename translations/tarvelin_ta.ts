<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>tarvelin::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>பயன்பாடு ஏற்கெனவே இயங்கிக்கொண்டிருக்கிறது</translation>
    </message>
</context>
<context>
    <name>tarvelin::Atlas</name>
    <message>
        <source>The atlas file %1 cannot be read: %2</source>
        <translation>அட்லஸ் கோப்பு %1-ஐப் படிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>The atlas file %1 cannot be used: %2</source>
        <translation>அட்லஸ் கோப்பு %1-ஐப் பயன்படுத்த முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>The atlas file is missing (looked for %1)</source>
        <translation>அட்லஸ் கோப்பு இல்லை (தேடிய இடங்கள்: %1)</translation>
    </message>
    <message>
        <source>Bombay Time</source>
        <translation>பம்பாய் நேரம்</translation>
    </message>
    <message>
        <source>Calcutta Time</source>
        <translation>கல்கத்தா நேரம்</translation>
    </message>
    <message>
        <source>The time-zone database of this computer does not know the zone %1 of %2. Please choose the zone yourself.</source>
        <translation>இந்தக் கணினியின் நேர மண்டலத் தரவுத்தளத்துக்கு %2-இன் நேர மண்டலம் %1 தெரியாது. தயவுசெய்து நேர மண்டலத்தை நீங்களே தேர்ந்தெடுங்கள்.</translation>
    </message>
    <message>
        <source>The clocks at %1 skipped %2 on the birth date (they were set forward); the birth time is read with the offset before the change, %3, which moves it forward by the gap to %4 on the clocks after it (%5).</source>
        <translation>பிறந்த தேதியில் %1-இல் கடிகாரங்கள் %2-ஐத் தாண்டிச் சென்றன (அவை முன்னோக்கி வைக்கப்பட்டன); பிறந்த நேரம் மாற்றத்துக்கு முந்தைய வேறுபாடான %3-இன்படி படிக்கப்படுகிறது; இதனால் அது இடைவெளியின் அளவு முன்னகர்ந்து, மாற்றத்துக்குப் பிந்தைய கடிகாரங்களில் (%5) %4 ஆகிறது.</translation>
    </message>
    <message>
        <source>The clocks at %1 showed %2 twice on the birth date (they were set back); the birth time is read as the first of the two, %3.</source>
        <translation>பிறந்த தேதியில் %1-இல் கடிகாரங்கள் %2-ஐ இரண்டு முறை காட்டின (அவை பின்னோக்கி வைக்கப்பட்டன); பிறந்த நேரம் இரண்டில் முதலாவதாகக் கொள்ளப்படுகிறது, %3.</translation>
    </message>
    <message>
        <source>The recorded time of a birth in %1 before %2 may be %3, the city&apos;s own time (%4); if so, give %4 as the exact offset.</source>
        <translation>%2-க்கு முன் %1-இல் நிகழ்ந்த பிறப்பின் பதிவான நேரம் அந்நகரின் சொந்த நேரமான %3 (%4) ஆக இருக்கலாம்; அப்படியானால், துல்லியமான வேறுபாடாக %4-ஐக் கொடுங்கள்.</translation>
    </message>
    <message>
        <source>The recorded time of a birth in %1 before %2 may be %3, the city&apos;s own time (%4), rather than the zone&apos;s %5; if so, give %4 as the exact offset.</source>
        <translation>%2-க்கு முன் %1-இல் நிகழ்ந்த பிறப்பின் பதிவான நேரம், நேர மண்டலத்தின் %5 அல்லாமல், அந்நகரின் சொந்த நேரமான %3 (%4) ஆக இருக்கலாம்; அப்படியானால், துல்லியமான வேறுபாடாக %4-ஐக் கொடுங்கள்.</translation>
    </message>
</context>
<context>
    <name>tarvelin::CalculationOptionsDialog</name>
    <message>
        <source>%1 (the default)</source>
        <translation>%1 (இயல்புநிலை)</translation>
    </message>
    <message>
        <source>Calculation Options</source>
        <translation>கணக்கீட்டு விருப்பங்கள்</translation>
    </message>
    <message>
        <source>Sunrise rule</source>
        <translation>சூரிய உதய விதி</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>The options apply to the next calculation and are kept for the next start.</source>
        <translation>இந்த விருப்பங்கள் அடுத்த கணக்கீட்டிலிருந்து பொருந்தும்; அடுத்த முறை நிரல் தொடங்கும்போதும் நீடிக்கும்.</translation>
    </message>
    <message>
        <source>Calculation &amp;Options…</source>
        <translation>கணக்கீட்டு விருப்பங்கள்… (&amp;O)</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>%1 பற்றி</translation>
    </message>
    <message>
        <source>Tarvelin is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. This Lagna signifies the importance of self in terms of money, wealth and prosperity.</source>
        <translation>Tarvelin என்பது வேத ஜோதிடத்தின் அடிப்படையில் கணக்கிடப்படும் ஒரு சிறப்பு லக்னம். இந்த லக்னம் பணம், செல்வம், வளம் ஆகியவற்றின் அடிப்படையில் தன்னுடைய முக்கியத்துவத்தைக் குறிக்கிறது.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>வீட்டிலிருந்தே தொழில் வாய்ப்பு. உங்கள் சொந்த இணைய வணிகத்தைத் தொடங்கி இணையத்தில் சம்பாதியுங்கள். இந்த மென்பொருளை முழுமையாக உங்கள் இணையதளத்தின் பெயரில் பெறுங்கள்.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>மேலும் விவரங்களுக்கு இங்கே சொடுக்குங்கள்.</translation>
    </message>
    <message>
        <source>Visit our astrology forum for more</source>
        <translation>மேலும் அறிய எங்கள் ஜோதிட மன்றத்துக்கு வாருங்கள்</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>இடங்கள்: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmDisplay</name>
    <message>
        <source>Discuss your chart in our astrology forum</source>
        <translation>எங்கள் ஜோதிட மன்றத்தில் உங்கள் ஜாதகத்தைப் பற்றிப் பேசுங்கள்</translation>
    </message>
    <message>
        <source>Visit our astrology forum</source>
        <translation>எங்கள் ஜோதிட மன்றத்துக்கு வாருங்கள்</translation>
    </message>
    <message>
        <source>Through the Day</source>
        <translation>நாள் முழுவதும்</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>தேதி</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmExitScreen</name>
    <message>
        <source>Thank you for using Tarvelin. Our astrology forum lives on the questions and answers of its members: please visit it often and join the discussions.</source>
        <translation>Tarvelin-ஐப் பயன்படுத்தியதற்கு நன்றி. எங்கள் ஜோதிட மன்றம் அதன் உறுப்பினர்களின் கேள்விகளாலும் பதில்களாலுமே இயங்குகிறது: அடிக்கடி வந்து விவாதங்களில் கலந்துகொள்ளுங்கள்.</translation>
    </message>
    <message>
        <source>Have a question about your Hora Lagna? Bring it to our astrology forum, visit it regularly and share what you know with other members.</source>
        <translation>உங்கள் ஹோரா லக்னம் பற்றி ஏதேனும் கேள்வி உள்ளதா? அதை எங்கள் ஜோதிட மன்றத்துக்குக் கொண்டு வாருங்கள்; தவறாமல் வந்து, உங்களுக்குத் தெரிந்ததை மற்ற உறுப்பினர்களுடன் பகிர்ந்துகொள்ளுங்கள்.</translation>
    </message>
    <message>
        <source>Tarvelin is free because of people like you. Support us by visiting our forum regularly and taking part in its discussions.</source>
        <translation>உங்களைப் போன்றவர்களால்தான் Tarvelin இலவசமாக உள்ளது. எங்கள் மன்றத்துக்குத் தவறாமல் வந்து அதன் விவாதங்களில் பங்கேற்று எங்களுக்கு ஆதரவளியுங்கள்.</translation>
    </message>
    <message>
        <source>Our forum grows with every member who drops by. Visit it regularly, read the latest threads and add your own voice to the conversation.</source>
        <translation>வருகை தரும் ஒவ்வொரு உறுப்பினராலும் எங்கள் மன்றம் வளர்கிறது. தவறாமல் வந்து, புதிய இழைகளைப் படித்து, உரையாடலில் உங்கள் குரலையும் சேருங்கள்.</translation>
    </message>
    <message>
        <source>Yes, take me to the forum now</source>
        <translation>ஆம், என்னை இப்போதே மன்றத்துக்கு அழைத்துச் செல்லுங்கள்</translation>
    </message>
    <message>
        <source>More Programs From Us</source>
        <translation>எங்களின் மேலும் நிரல்கள்</translation>
    </message>
    <message>
        <source>Browse our catalogue of astrology and horoscope software</source>
        <translation>எங்கள் ஜோதிட, ஜாதக மென்பொருள் பட்டியலைப் பாருங்கள்</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>நண்பருக்குப் பரிந்துரையுங்கள்</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>இப்போதே அனுப்புங்கள் (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>மின்னஞ்சல் முகவரியில் இடைவெளி இருக்கக்கூடாது</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmMain</name>
    <message>
        <source>Days 1–%1</source>
        <translation>நாள் 1–%1</translation>
    </message>
    <message>
        <source>Years %1–%2</source>
        <translation>ஆண்டு %1–%2</translation>
    </message>
    <message>
        <source>Hours 0–%1</source>
        <translation>மணி 0–%1</translation>
    </message>
    <message>
        <source>Minutes 0–%1</source>
        <translation>நிமிடம் 0–%1</translation>
    </message>
    <message>
        <source>Seconds 0–%1</source>
        <translation>விநாடி 0–%1</translation>
    </message>
    <message>
        <source>The zone %1 is far from longitude %2; calculate anyway?</source>
        <translation>நேர மண்டலம் %1, தீர்க்கரேகை %2-இலிருந்து வெகு தொலைவில் உள்ளது; இருந்தாலும் கணக்கிடவா?</translation>
    </message>
    <message>
        <source>Please choose the time zone</source>
        <translation>தயவுசெய்து நேர மண்டலத்தைத் தேர்ந்தெடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>தயவுசெய்து நகரத்தை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>தயவுசெய்து மாநிலத்தை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>தயவுசெய்து நாட்டை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Months January–December or 1–12</source>
        <translation>மாதங்கள் ஜனவரி–டிசம்பர் அல்லது 1–12</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>மணி:நிமி:விநா</translation>
    </message>
    <message>
        <source>Get My Hora Lagna</source>
        <translation>என் ஹோரா லக்னத்தைக் கணக்கிடு</translation>
    </message>
    <message>
        <source>Place Details</source>
        <translation>இட விவரங்கள்</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Click for Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகைக்குச் சொடுக்குங்கள்</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Know more about your importance in terms of money and material prosperity with Tarvelin</source>
        <translation>பணம், பொருள் வளம் ஆகியவற்றில் உங்கள் முக்கியத்துவத்தை Tarvelin மூலம் மேலும் அறியுங்கள்</translation>
    </message>
    <message>
        <source>Co-brand Tarvelin for your web site</source>
        <translation>உங்கள் இணையதளத்துக்காக Tarvelin-ஐ இணை முத்திரையிடுங்கள்</translation>
    </message>
    <message>
        <source>Get Tarvelin fully branded</source>
        <translation>Tarvelin-ஐ முழுமையாக உங்கள் பெயரில் பெறுங்கள்</translation>
    </message>
    <message>
        <source>Join our discussion board</source>
        <translation>எங்கள் விவாத மன்றத்தில் சேருங்கள்</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளத்துக்கு வாருங்கள் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைத் தேடு (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை அளியுங்கள் (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதியுங்கள் (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>பெயர் (&amp;N)</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translation>பிறந்த தேதி (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Time of Birth</source>
        <translation>பிறந்த நேரம் (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>நகரம் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translation>மாநிலம் (&amp;S)</translation>
    </message>
    <message>
        <source>Co&amp;untry</source>
        <translation>நாடு (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translation>நேர மண்டலம் (&amp;Z)</translation>
    </message>
    <message>
        <source>The zone&apos;s offset from universal time, in hours and minutes after the point: &quot;+5.3&quot; means five and a half hours ahead (5:30), &quot;-9.0&quot; nine hours behind. &quot;Other offset…&quot; takes an exact offset such as +05:45.</source>
        <translation>உலக நேரத்திலிருந்து (UTC) நேர மண்டலத்தின் வேறுபாடு, புள்ளிக்கு முன் மணியும் பின் நிமிடமும்: &quot;+5.3&quot; என்றால் ஐந்தரை மணி நேரம் முன்னால் (5:30), &quot;-9.0&quot; என்றால் ஒன்பது மணி நேரம் பின்னால். &quot;பிற வேறுபாடு…&quot; +05:45 போன்ற துல்லியமான வேறுபாட்டை ஏற்கும்.</translation>
    </message>
    <message>
        <source>Da&amp;ylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம் (&amp;Y)</translation>
    </message>
    <message>
        <source>Tick when the clocks at the place were on daylight saving (summer) time at the birth: one hour more than the zone&apos;s offset.</source>
        <translation>பிறந்த நேரத்தில் அந்த இடத்தின் கடிகாரங்கள் பகலொளி சேமிப்பு (கோடை) நேரத்தில் இருந்தால் இதைக் குறியிடுங்கள்: நேர மண்டல வேறுபாட்டைவிட ஒரு மணி நேரம் அதிகம்.</translation>
    </message>
    <message>
        <source>D&amp;eg</source>
        <translation>பாகை (&amp;E)</translation>
    </message>
    <message>
        <source>M&amp;in</source>
        <translation>கலை (&amp;I)</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>பிறந்த மாதம்</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>பிறந்த தேதியின் நாள்</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>பிறந்த ஆண்டு</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>பிறந்த மணி</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>பிறந்த நிமிடம்</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>பிறந்த விநாடி</translation>
    </message>
    <message>
        <source>Search the web for the latitude and longitude</source>
        <translation>இணையத்தில் அட்சரேகை, தீர்க்கரேகையைத் தேடு</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>தீர்க்கரேகைப் பாகை</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகைக் கலை</translation>
    </message>
    <message>
        <source>East longitude</source>
        <translation>கிழக்குத் தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>West longitude</source>
        <translation>மேற்குத் தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>அட்சரேகைப் பாகை</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகைக் கலை</translation>
    </message>
    <message>
        <source>North latitude</source>
        <translation>வடக்கு அட்சரேகை</translation>
    </message>
    <message>
        <source>South latitude</source>
        <translation>தெற்கு அட்சரேகை</translation>
    </message>
    <message>
        <source>none</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>± minutes</source>
        <translation>± நிமிடங்கள்</translation>
    </message>
    <message>
        <source>Minutes the birth time may be off, either side</source>
        <translation>பிறந்த நேரத்தில் இருபுறமும் இருக்கக்கூடிய பிழை, நிமிடங்களில்</translation>
    </message>
</context>
<context>
    <name>tarvelin::FrmMainAtlas</name>
    <message>
        <source>Several places are called “%1”: choose one from the list, or enter the coordinates and the zone</source>
        <translation>“%1” என்ற பெயரில் பல இடங்கள் உள்ளன: பட்டியலிலிருந்து ஒன்றைத் தேர்ந்தெடுங்கள், அல்லது ஆயத்தொலைவுகளையும் நேர மண்டலத்தையும் உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>“%1” is not in the atlas: enter the coordinates and the zone</source>
        <translation>“%1” அட்லஸில் இல்லை: ஆயத்தொலைவுகளையும் நேர மண்டலத்தையும் உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>The zone of %1 at the birth is selected</source>
        <translation>பிறந்த நேரத்தில் %1 இருந்த நேர மண்டலம் தேர்ந்தெடுக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Use the zone of the nearest place, %1 (%2): %3 at the birth</source>
        <translation>அருகிலுள்ள இடமான %1 (%2) நேர மண்டலத்தைப் பயன்படுத்துங்கள்: பிறந்த நேரத்தில் %3</translation>
    </message>
    <message>
        <source>under 1 km</source>
        <translation>1 கி.மீ.-க்குக் குறைவு</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 கி.மீ.</translation>
    </message>
    <message>
        <source>near %1, %2</source>
        <translation>%1 அருகில், %2</translation>
    </message>
</context>
<context>
    <name>tarvelin::InputProblem</name>
    <message>
        <source>Please Enter Name</source>
        <translation>தயவுசெய்து பெயரை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>தயவுசெய்து எழுத்துகளை மட்டும் உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>எண்கள் மட்டுமே ஏற்கப்படும்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And %1 in the Degree of Longitude</source>
        <translation>தயவுசெய்து தீர்க்கரேகையின் பாகையில் 0 முதல் %1 வரையிலான மதிப்பை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And %1 in the Degree of Latitude</source>
        <translation>தயவுசெய்து அட்சரேகையின் பாகையில் 0 முதல் %1 வரையிலான மதிப்பை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And %1 in the  Minute of Longitude</source>
        <translation>தயவுசெய்து தீர்க்கரேகையின் கலையில் 0 முதல் %1 வரையிலான மதிப்பை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And %1 in the  Minute of Latitude</source>
        <translation>தயவுசெய்து அட்சரேகையின் கலையில் 0 முதல் %1 வரையிலான மதிப்பை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>தயவுசெய்து சரியான தேதியையோ மாதத்தையோ உள்ளிடுங்கள்!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>தயவுசெய்து சரியான தேதியையோ மாதத்தையோ உள்ளிடுங்கள் !</translation>
    </message>
    <message>
        <source>A name may have at most %1 letters and blanks</source>
        <translation>பெயரில் அதிகபட்சம் %1 எழுத்துகளும் இடைவெளிகளும் இருக்கலாம்</translation>
    </message>
</context>
<context>
    <name>tarvelin::LibraryMenu</name>
    <message>
        <source>&amp;Save Birth</source>
        <translation>பிறப்பு விவரத்தைச் சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open Birth…</source>
        <translation>பிறப்பு விவரத்தைத் திற… (&amp;O)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>சேமிக்கப்பட்டது: %1</translation>
    </message>
    <message>
        <source>Saved already: %1</source>
        <translation>ஏற்கெனவே சேமிக்கப்பட்டது: %1</translation>
    </message>
    <message>
        <source>A birth named %1 is saved already (%2, %3). Replace it with this one (%4, %5), or keep both?</source>
        <translation>%1 என்ற பெயரில் ஒரு பிறப்பு விவரம் ஏற்கெனவே சேமிக்கப்பட்டுள்ளது (%2, %3). அதற்குப் பதிலாக இதை (%4, %5) வைக்கவா, அல்லது இரண்டையும் வைத்துக்கொள்ளவா?</translation>
    </message>
    <message>
        <source>Replaced the saved birth with %1</source>
        <translation>சேமித்த பிறப்பு விவரத்துக்குப் பதிலாக வைக்கப்பட்டது: %1</translation>
    </message>
    <message>
        <source>Saved %1 beside the other birth of that name</source>
        <translation>அதே பெயருள்ள மற்றொரு பிறப்பு விவரத்துடன் சேர்த்துச் சேமிக்கப்பட்டது: %1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>சேமிக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved with zone-list entry %2, which this version&apos;s zone list does not have, so the form cannot show it; tarvelin-cli --from-library computes it.</source>
        <translation>&quot;%1&quot; நேர மண்டலப் பட்டியலின் பதிவு %2-உடன் சேமிக்கப்பட்டது; இந்தப் பதிப்பின் பட்டியலில் அந்தப் பதிவு இல்லை, எனவே படிவம் அதைக் காட்ட இயலாது; tarvelin-cli --from-library அதைக் கணக்கிடும்.</translation>
    </message>
</context>
<context>
    <name>tarvelin::MDI</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே இணைய வணிகம் தொடங்கிச் சம்பாதியுங்கள்: இந்த மென்பொருளை உங்கள் இணையதளத்தின் பெயரில் பெறுங்கள். விவரங்களுக்கு இங்கே சொடுக்குங்கள்.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>அச்சிடு… (&amp;P)</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>PDF ஆக ஏற்றுமதி செய்… (&amp;D)</translation>
    </message>
    <message>
        <source>Export &amp;Image…</source>
        <translation>படமாக ஏற்றுமதி செய்… (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளத்துக்கு வாருங்கள் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைத் தேடு (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை அளியுங்கள் (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதியுங்கள் (&amp;O)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>பக்கத்தை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF கோப்புகள் (*.pdf)</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>படமாக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG படங்கள் (*.png)</translation>
    </message>
    <message>
        <source>&amp;Save Birth</source>
        <translation>பிறப்பு விவரத்தைச் சேமி (&amp;S)</translation>
    </message>
</context>
<context>
    <name>tarvelin::Message</name>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
</context>
<context>
    <name>tarvelin::OpenBirthDialog</name>
    <message>
        <source>Open Birth</source>
        <translation>பிறப்பு விவரத்தைத் திற</translation>
    </message>
    <message>
        <source>Type part of a name, place or date</source>
        <translation>பெயர், இடம் அல்லது தேதியின் ஒரு பகுதியைத் தட்டச்சிடுங்கள்</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>பெயர் வரிசையில்</translation>
    </message>
    <message>
        <source>Most Recently Used</source>
        <translation>சமீபத்தில் பயன்படுத்தியவை முதலில்</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>தேடு (&amp;F)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>தேதி</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>நீக்கு (&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>Delete the saved birth %1 (%2, %3)?</source>
        <translation>சேமித்த பிறப்பு விவரம் %1 (%2, %3)-ஐ நீக்கவா?</translation>
    </message>
</context>
<context>
    <name>tarvelin::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>தயவுசெய்து வெவ்வேறு மின்னஞ்சல் முகவரிகளை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>தயவுசெய்து சரியான மின்னஞ்சல் முகவரியை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>தயவுசெய்து உங்கள் பெயரை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>தயவுசெய்து உங்கள் மின்னஞ்சலை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>தயவுசெய்து உங்கள் செய்தியை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>தயவுசெய்து உங்கள் நண்பரின் பெயரை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>தயவுசெய்து உங்கள் நண்பரின் மின்னஞ்சலை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>உங்கள் பெயர்</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>உங்கள் மின்னஞ்சல் முகவரி</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>உங்கள் செய்தி</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>நண்பரின் பெயர்</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>நண்பரின் மின்னஞ்சல் முகவரி</translation>
    </message>
</context>
<context>
    <name>tarvelin::ResultPage</name>
    <message>
        <source>the page could not be drawn</source>
        <translation>பக்கத்தை வரைய முடியவில்லை</translation>
    </message>
    <message>
        <source>Cannot write the PDF file %1: %2</source>
        <translation>PDF கோப்பு %1-ஐ எழுத முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>Cannot write the image file %1: %2</source>
        <translation>படக் கோப்பு %1-ஐ எழுத முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>அந்தக் கோப்புறை இல்லை</translation>
    </message>
    <message>
        <source>there is no permission to write there</source>
        <translation>அங்கே எழுத அனுமதி இல்லை</translation>
    </message>
</context>
<context>
    <name>tarvelin::ShowMessage</name>
    <message>
        <source>Replace</source>
        <translation>மாற்று</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>இரண்டையும் வை</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
</context>
<context>
    <name>tarvelin::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>இந்த மென்பொருளுக்குப் புதுப்பிப்பு கிடைக்கக்கூடும்<byte value="xd"/>புதுப்பிப்பு உள்ளதா எனப் பார்க்க விரும்புகிறீர்களா?</translation>
    </message>
</context>
<context>
    <name>tarvelin::ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>காட்சி (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>கட்ட வடிவம் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;South-Indian</source>
        <translation>தென்னிந்திய (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;North-Indian</source>
        <translation>வட இந்திய (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;East-Indian</source>
        <translation>கிழக்கு இந்திய (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>கணினியின் மொழி</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Tarvelin on.</source>
        <translation>புதிய மொழி Tarvelin அடுத்த முறை தொடங்கும்போது நடைமுறைக்கு வரும்.</translation>
    </message>
</context>
<context>
    <name>tarvelin::ZoneChoice</name>
    <message>
        <source>Other offset…</source>
        <translation>பிற வேறுபாடு…</translation>
    </message>
    <message>
        <source>Please enter the offset from UTC as +HH:MM or +HH:MM:SS, between %1 and %2 (for example +05:45)</source>
        <translation>தயவுசெய்து UTC-இலிருந்து வேறுபாட்டை +HH:MM அல்லது +HH:MM:SS வடிவில், %1 முதல் %2 வரை உள்ளிடுங்கள் (எடுத்துக்காட்டு: +05:45)</translation>
    </message>
    <message>
        <source>Offset from UTC at the birth (%1 .. %2), e.g. +05:45:</source>
        <translation>பிறந்த நேரத்தில் UTC-இலிருந்து வேறுபாடு (%1 .. %2), எ.கா. +05:45:</translation>
    </message>
    <message>
        <source>%1 at the birth (%2)</source>
        <translation>பிறந்த நேரத்தில் %1 (%2)</translation>
    </message>
</context>
</TS>
