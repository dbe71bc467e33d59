<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="la">
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
        <translation>Tabula numerorum Arabicorum</translation>
    </message>
</context>
<context>
    <name>Calvaran</name>
    <message>
        <source>Status line</source>
        <translation>Linea nuntiorum</translation>
    </message>
    <message>
        <source>Roman Numeral Calculator</source>
        <translation>Abacus Numerorum Romanorum</translation>
    </message>
    <message>
        <source>Normal (Arabic) numerals</source>
        <translation>Numeri usitati (Arabici)</translation>
    </message>
    <message>
        <source>Roman Numerals</source>
        <translation>Numeri Romani</translation>
    </message>
</context>
<context>
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>versus %1: %2</translation>
    </message>
</context>
<context>
    <name>ParenBase</name>
    <message>
        <source>Add</source>
        <translation>Adde</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplica</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahe</translation>
    </message>
    <message>
        <source>Start Paren</source>
        <translation>Aperi parenthesin</translation>
    </message>
    <message>
        <source>End Paren</source>
        <translation>Claude parenthesin</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Aequat</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <extracomment>The button that clears the calculation; &amp; marks its access key, a letter that no other button of the window uses.</extracomment>
        <translation>&amp;Dele</translation>
    </message>
    <message>
        <source>Basic Calculations</source>
        <translation>Computationes simplices</translation>
    </message>
</context>
<context>
    <name>PropertyBag</name>
    <message>
        <source>the setting &quot;%1&quot; is not a small whole number.</source>
        <comment>follows &quot;Conversion error: &quot;; %1 is the setting&apos;s name</comment>
        <translation>optio «%1» non est numerus integer parvus.</translation>
    </message>
</context>
<context>
    <name>RomanDisplay</name>
    <message>
        <source>Roman numeral readout</source>
        <translation>Tabula numerorum Romanorum</translation>
    </message>
</context>
<context>
    <name>RomanNumeral</name>
    <message>
        <source>Roman overflow</source>
        <comment>shown in place of a numeral for numbers from 9000 up; never only Roman letters</comment>
        <translation>Nimis magnus Romanis</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for numbers from -9000 down; never only Roman letters</comment>
        <translation>Nimis parvus Romanis</translation>
    </message>
    <message>
        <source> - - - - - -</source>
        <comment>shown for zero, which has no Roman numeral</comment>
        <translation> - - - - - -</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1: non est numerus</translation>
    </message>
    <message>
        <source>%1: %2 is too large for Roman numerals</source>
        <translation>%1: %2 nimis magnus est numeris Romanis</translation>
    </message>
    <message>
        <source>%1: %2 is too small for Roman numerals</source>
        <translation>%1: %2 nimis parvus est numeris Romanis</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>nihil</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 numeris Romanis scribi non potest</translation>
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
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>Overflow: a number grew too large for the space it has.</source>
        <translation>Redundantia: numerus maior factus est quam locus eius capit.</translation>
    </message>
    <message>
        <source>Conversion error: %1</source>
        <comment>%1 says which setting and why</comment>
        <translation>Error conversionis: %1</translation>
    </message>
    <message>
        <source>Arithmetic error: the result is too large, or not a number.</source>
        <translation>Error computandi: summa nimis magna est, aut numerus non est.</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Acervus parenthesium</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>the quotation marks around a text the person typed</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 is not a number or a Roman numeral</source>
        <translation>%1 neque numerus neque numerus Romanus est</translation>
    </message>
    <message>
        <source>%1; %2 was not used</source>
        <comment>%1 is the sentence before, %2 a quoted key</comment>
        <translation>%1; %2 non adhibitum est</translation>
    </message>
    <message>
        <source>%1 reads as %2</source>
        <translation>%1 legitur %2</translation>
    </message>
    <message>
        <source>%1 reads as %2 (standard form %3)</source>
        <translation>%1 legitur %2 (forma usitata %3)</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open</source>
        <translation>
            <numerusform>%n parenthesis aperta</numerusform>
            <numerusform>%n parentheses apertae</numerusform>
        </translation>
    </message>
    <message>
        <source>the outermost one was dropped</source>
        <translation>extrema omissa est</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 exscriptum est</translation>
    </message>
    <message>
        <source>%1 is too large for the calculator; the largest number is %2</source>
        <translation>%1 maior est quam quem machina capiat; maximus numerus est %2</translation>
    </message>
    <message>
        <source>%1; the decimal separator here is %2</source>
        <comment>%1 is the sentence before</comment>
        <translation>%1; signum decimale hic est %2</translation>
    </message>
    <message>
        <source>%1; the paste stopped there, and %2 was not entered</source>
        <comment>%1 is the sentence before, %2 the quoted rest of the pasted text</comment>
        <translation>%1; insertio ibi constitit, et %2 non inscriptum est</translation>
    </message>
    <message>
        <source>%1 reads as %2; reading stopped at %3</source>
        <translation>%1 legitur %2; lectio ad %3 constitit</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend: %1</source>
        <translation>Divisio per nihil dividendum servat: %1</translation>
    </message>
    <message>
        <source>(…) = %1, waiting for the next operation</source>
        <comment>the value of the parentheses just closed</comment>
        <translation>(…) = %1, proximam operationem exspectat</translation>
    </message>
    <message>
        <source>Cleared; an operation key now starts from %1, a number typed first replaces it</source>
        <comment>after the clear key, which keeps the last number entered</comment>
        <translation>Deletum; clavis operationis nunc a %1 incipit, numerus prius scriptus eum substituit</translation>
    </message>
    <message>
        <source>Press r or Escape to start again</source>
        <comment>r is the letter typed to clear in every language; Escape is the key</comment>
        <translation>Preme r aut Escape ut denuo incipias</translation>
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
        <translation>%1; ÷ 0 dividendum servat</translation>
    </message>
</context>
<context>
    <name>TapePanel</name>
    <message>
        <source>&amp;Tape</source>
        <translation>T&amp;aenia</translation>
    </message>
    <message>
        <source>Show or hide the tape (%1)</source>
        <comment>%1 names the keys that do it, e.g. F9, Alt+T</comment>
        <translation>Taeniam ostende aut cela (%1)</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Taenia</translation>
    </message>
    <message>
        <source>Copy result (&amp;Roman)</source>
        <translation>Summam exscribe (&amp;Romane)</translation>
    </message>
    <message>
        <source>Copy result (&amp;decimal)</source>
        <translation>Summam exscribe (&amp;decimaliter)</translation>
    </message>
    <message>
        <source>&amp;Copy entry</source>
        <translation>&amp;Exscribe versum</translation>
    </message>
    <message>
        <source>Copy &amp;whole tape</source>
        <translation>&amp;Totam taeniam exscribe</translation>
    </message>
    <message>
        <source>C&amp;lear tape</source>
        <translation>Taeniam &amp;purga</translation>
    </message>
    <message>
        <source>The tape in %1 could not be read; it is kept as %2, and a new tape begins</source>
        <translation>Taenia in %1 legi non potuit; ut %2 servatur, et nova taenia incipit</translation>
    </message>
    <message>
        <source>The tape cannot be saved in %1; it is kept until the window closes</source>
        <translation>Taenia in %1 servari non potest; manet dum fenestra clauditur</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries</source>
        <translation>
            <numerusform>%n versus exscriptus</numerusform>
            <numerusform>%n versus exscripti</numerusform>
        </translation>
    </message>
    <message>
        <source>Every calculation that ends with = is kept here, in both numeral forms. F9 hides the tape.</source>
        <translation>Omnis computatio quae = finitur hic servatur, utraque notatione. F9 taeniam celat.</translation>
    </message>
</context>
<context>
    <name>TypeInPad</name>
    <message>
        <source>Type-in pad</source>
        <translation>Tabula scribendi</translation>
    </message>
    <message>
        <source>Enter Numbers here</source>
        <translation>Hic numeros scribe</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>a button; give it no access key</comment>
        <translation>Exscribe</translation>
    </message>
    <message>
        <source>Not readable</source>
        <comment>the name of the mark on an entry that is not a number</comment>
        <translation>Legi non potest</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A calculator for Roman, decimal and hexadecimal numerals, evaluated from left to right.</source>
        <translation>Abacus numerorum Romanorum, decimalium, hexadecimalium, qui a sinistra ad dextram computat.</translation>
    </message>
    <message>
        <source>Calculates &lt;expression&gt; as if typed into the window and prints the result, decimal and Roman, separated by a tab. With -, reads one calculation a line from standard input.</source>
        <translation>&lt;expressionem&gt; computat quasi in fenestra scriptam et summam, decimalem et Romanam, tabulatione separatas, scribit. Cum - computationem singulis versibus ex introitu communi legit.</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>expressio</translation>
    </message>
    <message>
        <source>Try --help for the options.</source>
        <translation>Optiones --help ostendit.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Post „%1“ valor deest.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumentum inexspectatum „%1“.</translation>
    </message>
    <message>
        <source>There is no display to open the window on; --eval calculates without one.</source>
        <translation>Nullum est scrinium in quo fenestra aperiatur; --eval sine eo computat.</translation>
    </message>
    <message>
        <source>Keeps the tape of calculations in memory only: nothing is read or saved.</source>
        <translation>Taeniam computationum in memoria tantum tenet: nihil legitur neque servatur.</translation>
    </message>
</context>
</TS>
