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
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>Zeile %1: %2</translation>
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
        <source>Conversion error: %1</source>
        <comment>%1 says which setting and why</comment>
        <translation>Umwandlungsfehler: %1</translation>
    </message>
    <message>
        <source>Arithmetic error: the result is too large, or not a number.</source>
        <translation>Rechenfehler: Das Ergebnis ist zu groß oder keine Zahl.</translation>
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
    <message>
        <source>%1 is too large for the calculator; the largest number is %2</source>
        <translation>%1 ist zu groß für den Rechner; die größte Zahl ist %2</translation>
    </message>
    <message>
        <source>%1; the decimal separator here is %2</source>
        <comment>%1 is the sentence before</comment>
        <translation>%1; das Dezimaltrennzeichen ist hier %2</translation>
    </message>
    <message>
        <source>%1; the paste stopped there, and %2 was not entered</source>
        <comment>%1 is the sentence before, %2 the quoted rest of the pasted text</comment>
        <translation>%1; das Einfügen hielt dort an, %2 wurde nicht eingegeben</translation>
    </message>
    <message>
        <source>%1 reads as %2; reading stopped at %3</source>
        <translation>%1 wird als %2 gelesen; das Lesen hielt bei %3 an</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend: %1</source>
        <translation>Eine Division durch Null behält den Dividenden: %1</translation>
    </message>
    <message>
        <source>(…) = %1, waiting for the next operation</source>
        <comment>the value of the parentheses just closed</comment>
        <translation>(…) = %1, wartet auf die nächste Rechenart</translation>
    </message>
    <message>
        <source>Cleared; an operation key now starts from %1, a number typed first replaces it</source>
        <comment>after the clear key, which keeps the last number entered</comment>
        <translation>Gelöscht; eine Rechentaste beginnt jetzt mit %1, eine zuerst getippte Zahl ersetzt sie</translation>
    </message>
    <message>
        <source>Press r or Escape to start again</source>
        <comment>r is the letter typed to clear in every language; Escape is the key</comment>
        <translation>Drücken Sie r oder Escape, um neu zu beginnen</translation>
    </message>
    <message>
        <source>⚠ %1</source>
        <comment>an error&apos;s message</comment>
        <translation>⚠ %1</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1; ÷ 0 keeps the dividend</source>
        <comment>%1 is a calculation written out, such as 5 ÷ 0 = 5</comment>
        <translation>%1; ÷ 0 behält den Dividenden</translation>
    </message>
</context>
<context>
    <name>TapePanel</name>
    <message>
        <source>&amp;Tape</source>
        <translation>Rechen&amp;streifen</translation>
    </message>
    <message>
        <source>Show or hide the tape (%1)</source>
        <comment>%1 names the keys that do it, e.g. F9, Alt+T</comment>
        <translation>Rechenstreifen zeigen oder verbergen (%1)</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Rechenstreifen</translation>
    </message>
    <message>
        <source>Copy result (&amp;Roman)</source>
        <translation>Ergebnis kopieren (&amp;römisch)</translation>
    </message>
    <message>
        <source>Copy result (&amp;decimal)</source>
        <translation>Ergebnis kopieren (&amp;dezimal)</translation>
    </message>
    <message>
        <source>&amp;Copy entry</source>
        <translation>Eintrag &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;whole tape</source>
        <translation>&amp;Ganzen Rechenstreifen kopieren</translation>
    </message>
    <message>
        <source>C&amp;lear tape</source>
        <translation>Rechenstreifen &amp;leeren</translation>
    </message>
    <message>
        <source>The tape in %1 could not be read; it is kept as %2, and a new tape begins</source>
        <translation>Der Rechenstreifen in %1 ließ sich nicht lesen; er liegt nun unter %2, und ein neuer beginnt</translation>
    </message>
    <message>
        <source>The tape cannot be saved in %1; it is kept until the window closes</source>
        <translation>Der Rechenstreifen lässt sich nicht in %1 speichern; er bleibt erhalten, bis das Fenster schließt</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries</source>
        <translation>
            <numerusform>%n Eintrag kopiert</numerusform>
            <numerusform>%n Einträge kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Every calculation that ends with = is kept here, in both numeral forms. F9 hides the tape.</source>
        <translation>Jede Rechnung, die mit = endet, bleibt hier stehen, in beiden Zahlschriften. F9 verbirgt den Rechenstreifen.</translation>
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
    <message>
        <source>Calculates &lt;expression&gt; as if typed into the window and prints the result, decimal and Roman, separated by a tab. With -, reads one calculation a line from standard input.</source>
        <translation>Berechnet &lt;Ausdruck&gt;, als wäre er ins Fenster getippt, und gibt das Ergebnis dezimal und römisch aus, durch einen Tabulator getrennt. Mit - wird eine Rechnung je Zeile von der Standardeingabe gelesen.</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Try --help for the options.</source>
        <translation>Die Optionen nennt --help.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>There is no display to open the window on; --eval calculates without one.</source>
        <translation>Es gibt keinen Bildschirm, auf dem sich das Fenster öffnen ließe; --eval rechnet ohne.</translation>
    </message>
    <message>
        <source>Keeps the tape of calculations in memory only: nothing is read or saved.</source>
        <translation>Hält den Rechenstreifen nur im Speicher: nichts wird gelesen oder gespeichert.</translation>
    </message>
</context>
</TS>
