<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>StatusLine</name>
    <message numerus="yes">
        <source>%n parentheses open</source>
        <translation>
            <numerusform>%n parenthesis open</numerusform>
            <numerusform>%n parentheses open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines calculated</source>
        <translation>
            <numerusform>%n line calculated</numerusform>
            <numerusform>%n lines calculated</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TapePanel</name>
    <message numerus="yes">
        <source>Copied %n entries</source>
        <translation>
            <numerusform>Copied %n entry</numerusform>
            <numerusform>Copied %n entries</numerusform>
        </translation>
    </message>
</context>
</TS>
