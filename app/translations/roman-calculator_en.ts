<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Stack</name>
    <message numerus="yes">
        <source>%n parentheses open, innermost first, each waiting to finish: %1</source>
        <comment>%1 lists what each waits for, as in 2 ×, 3 +</comment>
        <translation>
            <numerusform>%n parenthesis open, waiting to finish: %1</numerusform>
            <numerusform>%n parentheses open, innermost first, each waiting to finish: %1</numerusform>
        </translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>&quot;=&quot; closed %n open parentheses first</source>
        <comment>the equals key finishes the calculations in parentheses before the whole one</comment>
        <translation>
            <numerusform>&quot;=&quot; closed %n open parenthesis first</numerusform>
            <numerusform>&quot;=&quot; closed %n open parentheses first</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n parentheses</source>
        <comment>written after a calculation whose open parentheses the equals key closed</comment>
        <translation>
            <numerusform>&quot;=&quot; closed %n parenthesis</numerusform>
            <numerusform>&quot;=&quot; closed %n parentheses</numerusform>
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
    <message numerus="yes">
        <source>Tape cleared (%n entries, also kept in %1); %2 brings them back</source>
        <comment>%2 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Tape cleared (%n entry, also kept in %1); %2 brings it back</numerusform>
            <numerusform>Tape cleared (%n entries, also kept in %1); %2 brings them back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries); %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Tape cleared (%n entry); %1 brings it back</numerusform>
            <numerusform>Tape cleared (%n entries); %1 brings them back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n entries; %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Deleted %n entry; %1 brings it back</numerusform>
            <numerusform>Deleted %n entries; %1 brings them back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n entries</source>
        <translation>
            <numerusform>Brought back %n entry</numerusform>
            <numerusform>Brought back %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Printed %n entries</source>
        <translation>
            <numerusform>Printed %n entry</numerusform>
            <numerusform>Printed %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n entries to %1</source>
        <translation>
            <numerusform>Exported %n entry to %1</numerusform>
            <numerusform>Exported %n entries to %1</numerusform>
        </translation>
    </message>
</context>
</TS>
