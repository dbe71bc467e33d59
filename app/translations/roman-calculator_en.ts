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
    <name>TapeFile</name>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1</source>
        <translation>
            <numerusform>roman-calculator: %n entry of the tape could not be saved in %1</numerusform>
            <numerusform>roman-calculator: %n entries of the tape could not be saved in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1; they are kept in %2, and go into the tape when the calculator next starts</source>
        <translation>
            <numerusform>roman-calculator: %n entry of the tape could not be saved in %1; it is kept in %2, and goes into the tape when the calculator next starts</numerusform>
            <numerusform>roman-calculator: %n entries of the tape could not be saved in %1; they are kept in %2, and go into the tape when the calculator next starts</numerusform>
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
