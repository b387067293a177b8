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
</TS>
