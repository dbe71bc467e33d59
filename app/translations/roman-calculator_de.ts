<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessKey</name>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s tooltip: what it does, and the keys that click it, e.g. Add (Alt++)</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ArabDisplay</name>
    <message>
        <source>Arabic numeral readout</source>
        <translation>Anzeige in arabischen Zahlen</translation>
    </message>
</context>
<context>
    <name>Calvaran</name>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Roman Numeral Calculator</source>
        <translation>Rechner für römische Zahlen</translation>
    </message>
    <message>
        <source>Normal (Arabic) numerals</source>
        <translation>Normale (arabische) Zahlen</translation>
    </message>
    <message>
        <source>Roman Numerals</source>
        <translation>Römische Zahlen</translation>
    </message>
</context>
<context>
    <name>ParenBase</name>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Start Paren</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>End Paren</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Ist gleich</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <extracomment>The button that clears the calculation; &amp; marks its access key, a letter that no other button of the window uses.</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Basic Calculations</source>
        <translation>Grundrechenarten</translation>
    </message>
</context>
<context>
    <name>PropertyBag</name>
    <message>
        <source>the setting &quot;%1&quot; is not a small whole number.</source>
        <comment>follows &quot;Conversion error: &quot;; %1 is the setting&apos;s name</comment>
        <translation>die Einstellung „%1“ ist keine kleine ganze Zahl.</translation>
    </message>
</context>
<context>
    <name>RomanDisplay</name>
    <message>
        <source>Roman numeral readout</source>
        <translation>Anzeige in römischen Zahlen</translation>
    </message>
</context>
<context>
    <name>RomanNumeral</name>
    <message>
        <source>Roman overflow</source>
        <comment>shown in place of a numeral for numbers from 9000 up; never only Roman letters</comment>
        <translation>Römisch: zu groß</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for numbers from -9000 down; never only Roman letters</comment>
        <translation>Römisch: zu klein</translation>
    </message>
    <message>
        <source> - - - - - -</source>
        <comment>shown for zero, which has no Roman numeral</comment>
        <translation> - - - - - -</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1: keine Zahl</translation>
    </message>
    <message>
        <source>%1: %2 is too large for Roman numerals</source>
        <translation>%1: %2 ist zu groß für römische Zahlen</translation>
    </message>
    <message>
        <source>%1: %2 is too small for Roman numerals</source>
        <translation>%1: %2 ist zu klein für römische Zahlen</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>null</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 ergibt gerundet keine römische Zahl</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a Roman numeral and its decimal value, e.g. XIV: 14</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error %1: %2</source>
        <comment>%1 is the error&apos;s number, %2 its message</comment>
        <translation>Laufzeitfehler %1: %2</translation>
    </message>
    <message>
        <source>Overflow: a number grew too large for the space it has.</source>
        <translation>Überlauf: Eine Zahl ist zu groß für den Platz geworden, den sie hat.</translation>
    </message>
    <message>
        <source>Arithmetic error: the result is too large, or not a number. Press Clear to start again.</source>
        <comment>Clear names the keypad&apos;s clear button</comment>
        <translation>Rechenfehler: Das Ergebnis ist zu groß oder keine Zahl. Drücken Sie Löschen, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>Conversion error: %1</source>
        <comment>%1 says which setting and why</comment>
        <translation>Umwandlungsfehler: %1</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Klammerstapel</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>the quotation marks around a text the person typed</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 is not a number or a Roman numeral</source>
        <translation>%1 ist weder eine Zahl noch eine römische Zahl</translation>
    </message>
    <message>
        <source>%1; %2 was not used</source>
        <comment>%1 is the sentence before, %2 a quoted key</comment>
        <translation>%1; %2 wurde nicht verwendet</translation>
    </message>
    <message>
        <source>%1 reads as %2</source>
        <translation>%1 wird als %2 gelesen</translation>
    </message>
    <message>
        <source>%1 reads as %2 (standard form %3)</source>
        <translation>%1 wird als %2 gelesen (übliche Form %3)</translation>
    </message>
    <message>
        <source>The result is too large: press r or Escape to start again</source>
        <comment>r is the letter typed to clear in every language; Escape is the key</comment>
        <translation>Das Ergebnis ist zu groß: Drücken Sie r oder Esc, um neu zu beginnen</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open</source>
        <translation>
            <numerusform>%n Klammer offen</numerusform>
            <numerusform>%n Klammern offen</numerusform>
        </translation>
    </message>
    <message>
        <source>the outermost one was dropped</source>
        <translation>die äußerste wurde verworfen</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
</context>
<context>
    <name>TypeInPad</name>
    <message>
        <source>Type-in pad</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>Enter Numbers here</source>
        <translation>Zahlen hier eingeben</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>a button; give it no access key</comment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Not readable</source>
        <comment>the name of the mark on an entry that is not a number</comment>
        <translation>Nicht lesbar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A calculator for Roman, decimal and hexadecimal numerals, evaluated from left to right.</source>
        <translation>Ein Rechner für römische, dezimale und hexadezimale Zahlen, der von links nach rechts rechnet.</translation>
    </message>
</context>
</TS>
