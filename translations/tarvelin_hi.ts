<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
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
