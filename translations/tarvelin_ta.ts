<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
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
