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
    <message>
        <source>Entering the paste: %1% (Escape stops it)</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Die Einfügung wird eingegeben: %1% (Escape hält sie an)</translation>
    </message>
    <message>
        <source>The paste was stopped at %1%: what came before was entered, the rest was not</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Die Einfügung wurde bei %1% angehalten: was davor kam, ist eingegeben, der Rest nicht</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Calculator</source>
        <extracomment>The kind of program, as an application menu lists it.</extracomment>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Calculate with Roman, decimal and hexadecimal numerals</source>
        <extracomment>The one-line summary in the application menu and the software centre.</extracomment>
        <translation>Mit römischen, dezimalen und hexadezimalen Zahlen rechnen</translation>
    </message>
    <message>
        <source>roman;numeral;calculator;decimal;hexadecimal;arithmetic;</source>
        <extracomment>Words the application menu&apos;s search finds the program by, each ended by a semicolon; the English words may stay as well.</extracomment>
        <translation>römisch;Zahl;Ziffer;Rechner;Taschenrechner;dezimal;hexadezimal;Arithmetik;</translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>Römische Zahl</translation>
    </message>
    <message>
        <source>calculator</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>hexadezimal</translation>
    </message>
    <message>
        <source>A small desktop calculator for Roman numerals. Type numbers as decimal numerals, as Roman numerals in either case, or as hexadecimal numbers after the prefix 0X, and combine them with + - * / and parentheses by typing or by clicking the keypad. Every number you enter and every result shows at once as a decimal numeral and as a Roman numeral.</source>
        <extracomment>The software centre&apos;s description of the program.</extracomment>
        <translation>Ein kleiner Rechner für römische Zahlen. Geben Sie Zahlen als Dezimalzahlen ein, als römische Zahlen in Groß- oder Kleinbuchstaben oder als hexadezimale Zahlen nach dem Präfix 0X, und verknüpfen Sie sie mit + - * / und Klammern, getippt oder auf dem Tastenfeld geklickt. Jede eingegebene Zahl und jedes Ergebnis erscheint sofort als Dezimalzahl und als römische Zahl.</translation>
    </message>
    <message>
        <source>Strictly from left to right: 2 + 3 * 4 gives 20, and parentheses group the rest</source>
        <translation>Streng von links nach rechts: 2 + 3 * 4 ergibt 20, Klammern fassen alles andere zusammen</translation>
    </message>
    <message>
        <source>Roman numerals up to %1, negative numbers in parentheses</source>
        <extracomment>%1 is the largest number written as a Roman numeral.</extracomment>
        <translation>Römische Zahlen bis %1, negative Zahlen in Klammern</translation>
    </message>
    <message>
        <source>Roman numerals read leniently, IIII as 4, with a hint at the standard form</source>
        <translation>Römische Zahlen werden großzügig gelesen, IIII als 4, mit einem Hinweis auf die übliche Form</translation>
    </message>
    <message>
        <source>A status line that explains every entry it refuses and shows the pending operation</source>
        <translation>Eine Statuszeile, die jede abgelehnte Eingabe erklärt und die anstehende Rechenart zeigt</translation>
    </message>
    <message>
        <source>Help on F1 with the keys, the forms of a number and what may surprise</source>
        <translation>Hilfe mit F1: die Tasten, die Schreibweisen einer Zahl und was überraschen kann</translation>
    </message>
    <message>
        <source>Scales with the window and with the desktop&apos;s font, and remembers its size</source>
        <translation>Wächst mit dem Fenster und mit der Schrift der Arbeitsumgebung und merkt sich seine Größe</translation>
    </message>
    <message>
        <source>Translated into German, French, Italian, Spanish and Latin</source>
        <translation>Übersetzt ins Deutsche, Französische, Italienische, Spanische und Lateinische</translation>
    </message>
    <message>
        <source>The calculator at twice its size, after 8888 + ic: IC reads as 101, standard form CI</source>
        <extracomment>The caption of a picture of the window in the software centre.</extracomment>
        <translation>Der Rechner in doppelter Größe, nach 8888 + ic: IC wird als 101 gelesen, übliche Form CI</translation>
    </message>
    <message>
        <source>The help on F1: the keys, the forms of a number and what may surprise a new user</source>
        <extracomment>The caption of a picture of the help window in the software centre.</extracomment>
        <translation>Die Hilfe mit F1: die Tasten, die Schreibweisen einer Zahl und was Neulinge überraschen kann</translation>
    </message>
    <message>
        <source>Large numbers with bars, a choice in the right-click menu: %1 to %2 with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV</source>
        <extracomment>%1 and %2 are the first and the last number written with bars; the bars are combining overlines (U+0305).</extracomment>
        <translation>Große Zahlen mit Überstrich, wählbar im Kontextmenü: %1 bis %2 mit einem Strich über den Tausendern, 12345 als X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Fractions in twelfths, another choice: 1.5 as IS, 2.25 as II···</source>
        <extracomment>The numerals stay as they are: S is a half, each dot (U+00B7) a twelfth.</extracomment>
        <translation>Brüche in Zwölfteln, eine weitere Wahl: 1,5 als IS, 2,25 als II···</translation>
    </message>
    <message>
        <source>Unicode Roman numerals read too: Ⅻ as 12, ⅳ as 4, ↀ as 1000</source>
        <extracomment>The numerals are the Unicode characters U+216B, U+2173 and U+2180.</extracomment>
        <translation>Auch römische Zahlzeichen aus Unicode werden gelesen: Ⅻ als 12, ⅳ als 4, ↀ als 1000</translation>
    </message>
    <message>
        <source>A tape (F9) that keeps every calculation in both numeral forms, saved in your data folder, to copy and to reuse</source>
        <translation>Ein Rechenstreifen (F9), der jede Rechnung in beiden Zahlschriften festhält, in Ihrem Datenordner gespeichert, zum Kopieren und Wiederverwenden</translation>
    </message>
    <message>
        <source>Whole calculations pasted at once, several lines as several calculations</source>
        <translation>Ganze Rechnungen auf einmal eingefügt, mehrere Zeilen als mehrere Rechnungen</translation>
    </message>
    <message>
        <source>roman-calculator --eval calculates without a window, from the command line or standard input, and prints each result in decimal and Roman</source>
        <extracomment>&quot;roman-calculator --eval&quot; is a command and stays as it is.</extracomment>
        <translation>roman-calculator --eval rechnet ohne Fenster, von der Befehlszeile oder der Standardeingabe, und gibt jedes Ergebnis dezimal und römisch aus</translation>
    </message>
</context>
<context>
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>roman-calculator: the results could not be written: %1</source>
        <translation>roman-calculator: die Ergebnisse konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>die Standardeingabe ist geschlossen</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>die Standardausgabe ist geschlossen</translation>
    </message>
    <message>
        <source>roman-calculator: the input could not be read: %1</source>
        <translation>roman-calculator: die Eingabe konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>In the type-in box: type a number, then end it with an operation; r clears the calculation.</source>
        <translation>Im Eingabefeld: eine Zahl tippen und mit einer Rechenart abschließen; r löscht die Rechnung.</translation>
    </message>
    <message>
        <source>In the type-in box: finish the entry as = does.</source>
        <translation>Im Eingabefeld: die Eingabe abschließen wie mit =.</translation>
    </message>
    <message>
        <source>Click that button of the keypad from anywhere in the window; its character is underlined while Alt is held.</source>
        <translation>Diese Taste des Tastenfelds von überall im Fenster klicken; ihr Zeichen ist unterstrichen, solange Alt gedrückt ist.</translation>
    </message>
    <message>
        <source>Move between the keypad, the readouts and the type-in box.</source>
        <translation>Zwischen Tastenfeld, Anzeigen und Eingabefeld wechseln.</translation>
    </message>
    <message>
        <source>In the type-in box with nothing selected: copy the result, as Copy does.</source>
        <translation>Im Eingabefeld ohne Auswahl: das Ergebnis kopieren, wie Kopieren es tut.</translation>
    </message>
    <message>
        <source>Paste a whole calculation, such as 12+5=, into the type-in box.</source>
        <translation>Eine ganze Rechnung wie 12+5= ins Eingabefeld einfügen.</translation>
    </message>
    <message>
        <source>Show or hide the tape, a paper-tape history of the calculations.</source>
        <translation>Den Rechenstreifen zeigen oder verbergen, den Verlauf der Rechnungen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Quit.</source>
        <translation>Beenden.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>A decimal number, with your locale&apos;s decimal separator and an optional exponent: 1E3 is 1000.</source>
        <translation>Eine Dezimalzahl, mit dem Dezimaltrennzeichen Ihrer Spracheinstellung und wahlweise einem Exponenten: 1E3 ist 1000.</translation>
    </message>
    <message>
        <source>A Roman numeral, in either case, read leniently: IIII is 4 and VX is 15; the status line names the standard form.</source>
        <translation>Eine römische Zahl, groß oder klein geschrieben, großzügig gelesen: IIII ist 4 und VX ist 15; die Statuszeile nennt die übliche Form.</translation>
    </message>
    <message>
        <source>A hexadecimal number after the prefix 0X: 0X1F is 31.</source>
        <translation>Eine hexadezimale Zahl nach dem Präfix 0X: 0X1F ist 31.</translation>
    </message>
    <message>
        <source>The Roman readout shows numbers below %1 in size: a negative number in parentheses, (XIV), and zero as a row of dashes.</source>
        <translation>Die römische Anzeige zeigt Zahlen mit einem Betrag unter %1: eine negative Zahl in Klammern, (XIV), und null als Reihe von Strichen.</translation>
    </message>
    <message>
        <source>Strictly left to right: 2+3*4= gives 20, not 14. Parentheses group anything else: 2+(3*4)= gives 14.</source>
        <translation>Streng von links nach rechts: 2+3*4= ergibt 20, nicht 14. Klammern fassen alles andere zusammen: 2+(3*4)= ergibt 14.</translation>
    </message>
    <message>
        <source>A closing parenthesis shows its value only at the next key: after ) the readouts still show the last number typed.</source>
        <translation>Eine schließende Klammer zeigt ihren Wert erst bei der nächsten Taste: Nach ) zeigen die Anzeigen noch die zuletzt getippte Zahl.</translation>
    </message>
    <message>
        <source>Good to know</source>
        <translation>Gut zu wissen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: use it, share it, change it.</source>
        <translation>Freie Software unter der MIT-Lizenz: Sie dürfen sie nutzen, weitergeben und ändern.</translation>
    </message>
    <message>
        <source>The project lives at %1, with its source and a place to report problems.</source>
        <translation>Das Projekt ist unter %1 zu Hause, mit seinem Quelltext und einem Ort, um Probleme zu melden.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1
%2: help</source>
        <comment>a button&apos;s tooltip: what it does, then the key that opens the help</comment>
        <translation>%1
%2: Hilfe</translation>
    </message>
    <message>
        <source>All clear: a fresh start, whatever the type-in box holds; the keyboard goes back to the type-in box.</source>
        <translation>Alles löschen: ein Neuanfang, was auch immer im Eingabefeld steht; die Tastatur kehrt ins Eingabefeld zurück.</translation>
    </message>
    <message>
        <source>In the tape: copy the selected entries; put the entry&apos;s result into the type-in box, as a double click does. Numbers and operations typed there go to the type-in box.</source>
        <translation>Im Rechenstreifen: die ausgewählten Einträge kopieren; das Ergebnis des Eintrags ins Eingabefeld setzen, wie ein Doppelklick. Dort getippte Zahlen und Rechenarten gehen ins Eingabefeld.</translation>
    </message>
    <message>
        <source>After = the result on show is what the next operation works on: 2+3= then *4= gives 20.</source>
        <translation>Nach = rechnet die nächste Operation mit dem angezeigten Ergebnis: 2+3= und dann *4= ergibt 20.</translation>
    </message>
    <message>
        <source>A - at the start, after ( or after an operation is the sign of the number after it: 100+-50= gives 50. After ), = or r it subtracts.</source>
        <translation>Ein - am Anfang, nach ( oder nach einer Operation ist das Vorzeichen der folgenden Zahl: 100+-50= ergibt 50. Nach ), = oder r subtrahiert es.</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend, for that division only: 5/0= gives 5, 0+= gives 0.</source>
        <translation>Eine Division durch null behält den Dividenden, nur für diese Division: 5/0= ergibt 5, 0+= ergibt 0.</translation>
    </message>
    <message>
        <source>After an error the readouts show no number; the next number typed starts a new calculation.</source>
        <translation>Nach einem Fehler zeigen die Anzeigen keine Zahl; die nächste eingegebene Zahl beginnt eine neue Rechnung.</translation>
    </message>
    <message>
        <source>Pasted lines are calculations of their own, each finished with = unless it ends with an operation.</source>
        <translation>Eingefügte Zeilen sind eigene Rechnungen, jede mit = abgeschlossen, außer sie endet mit einer Operation.</translation>
    </message>
    <message>
        <source>Wider Roman forms, always read: a bar over a letter multiplies it by 1000 (X̅ is 10000), Unicode numerals read as their letters (Ⅻ is 12), S and dots are a half and twelfths (IIS is 2.5).</source>
        <translation>Weitere römische Formen, immer gelesen: ein Strich über einem Buchstaben vervielfacht ihn mit 1000 (X̅ ist 10000), Unicode-Zahlzeichen gelten als ihre Buchstaben (Ⅻ ist 12), S und Punkte sind ein Halb und Zwölftel (IIS ist 2,5).</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: fractions are written to the nearest twelfth, 1.5 as IS and 2.25 as II···; the status line says when that rounds.</source>
        <translation>Eine Wahl im Kontextmenü des Fensters: Brüche werden auf das nächste Zwölftel geschrieben, 1,5 als IS und 2,25 als II···; die Statuszeile sagt, wenn das rundet.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: numbers from %1 to %2 are written with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV.</source>
        <translation>Eine Wahl im Kontextmenü des Fensters: Zahlen von %1 bis %2 werden mit einem Strich über den Tausendern geschrieben, 12345 als X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>In a readout: select and copy what it shows. Numbers and operations typed there go to the type-in box.</source>
        <translation>In einer Anzeige: das Angezeigte auswählen und kopieren. Dort getippte Zahlen und Rechenarten gehen ins Eingabefeld.</translation>
    </message>
    <message>
        <source>The forms of printed books and medieval tables, always read: the apostrophus (CIↃ is 1000, IↃↃ 5000, CCIↃↃ 10000) and N or nulla for zero.</source>
        <translation>Die Formen gedruckter Bücher und mittelalterlicher Tafeln, immer gelesen: der Apostrophus (CIↃ ist 1000, IↃↃ 5000, CCIↃↃ 10000) und N oder nulla für null.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu, or --strict for one run: a Roman numeral is read only as the calculator writes it. IC is refused, and the status line names the standard numerals near it, CI for 101 and XCIX for 99.</source>
        <translation>Eine Wahl im Kontextmenü des Fensters, oder --strict für einen Lauf: eine römische Zahl wird nur so gelesen, wie der Rechner sie schreibt. IC wird abgelehnt, und die Statuszeile nennt die üblichen Zahlen in seiner Nähe, CI für 101 und XCIX für 99.</translation>
    </message>
    <message>
        <source>In the tape: delete the selected entries.</source>
        <translation>Im Rechenstreifen: die ausgewählten Einträge entfernen.</translation>
    </message>
    <message>
        <source>Bring back the entries that the tape&apos;s last delete or clear took; a clear also keeps them in tape-cleared.txt beside the tape&apos;s file.</source>
        <translation>Die Einträge zurückholen, die das letzte Entfernen oder Leeren des Rechenstreifens genommen hat; beim Leeren bleiben sie außerdem in tape-cleared.txt neben der Datei des Rechenstreifens.</translation>
    </message>
    <message>
        <source>Print the tape, or save it as a PDF file.</source>
        <translation>Den Rechenstreifen drucken oder als PDF-Datei speichern.</translation>
    </message>
    <message>
        <source>A line with its result written after =, such as XII + IX = XXI, is calculated once and checked: a wrong result is named on the status line and on the tape.</source>
        <translation>Eine Zeile mit ihrem Ergebnis nach =, etwa XII + IX = XXI, wird einmal gerechnet und geprüft: ein falsches Ergebnis nennen die Statuszeile und der Rechenstreifen.</translation>
    </message>
</context>
<context>
    <name>NumeralChoices</name>
    <message>
        <source>Large numbers with bars</source>
        <translation>Große Zahlen mit Strichen</translation>
    </message>
    <message>
        <source>Fractions in twelfths</source>
        <translation>Brüche in Zwölfteln</translation>
    </message>
    <message>
        <source>Fractions to the nearest twelfth, S for a half and a dot for each twelfth: 2.25 is II···</source>
        <translation>Brüche auf das nächste Zwölftel, S für ein Halb und ein Punkt je Zwölftel: 2,25 ist II···</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2 with a bar over the thousands: 12345 is X̅I̅I̅CCCXLV</source>
        <translation>Zahlen von %1 bis %2 mit einem Strich über den Tausendern: 12345 ist X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Strict numerals</source>
        <translation>Strenge Zahlschrift</translation>
    </message>
    <message>
        <source>Roman numerals are read only as the calculator writes them: IC is refused, with CI for 101 and XCIX for 99</source>
        <translation>Römische Zahlen werden nur so gelesen, wie der Rechner sie schreibt: IC wird abgelehnt, mit CI für 101 und XCIX für 99</translation>
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
        <comment>shown in place of a numeral for a number too large for one; never only Roman letters</comment>
        <translation>Römisch: zu groß</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for a negative number too large for one; never only Roman letters</comment>
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
    <message>
        <source>%1: %2, rounded to twelfths</source>
        <comment>a Roman numeral and the decimal value it rounds</comment>
        <translation>%1: %2, auf Zwölftel gerundet</translation>
    </message>
    <message>
        <source>%1: %2 rounds to a number beyond Roman numerals</source>
        <comment>the readout&apos;s text and a decimal number</comment>
        <translation>%1: %2 rundet auf eine Zahl jenseits der römischen Zahlen</translation>
    </message>
    <message>
        <source>%1: %2, rounded</source>
        <comment>a Roman numeral and the decimal value it rounds to a whole number</comment>
        <translation>%1: %2, gerundet</translation>
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
    <name>Settings</name>
    <message>
        <source>roman-calculator: your settings could not be saved in %1</source>
        <translation>roman-calculator: Ihre Einstellungen konnten nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Your settings cannot be saved in %1 now; they are kept until they can be</source>
        <translation>Ihre Einstellungen lassen sich jetzt nicht in %1 speichern; sie bleiben erhalten, bis es geht</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Klammerstapel</translation>
    </message>
    <message>
        <source>Open parentheses</source>
        <translation>Offene Klammern</translation>
    </message>
    <message>
        <source>a new calculation</source>
        <comment>what a parenthesis opened with nothing pending waits for</comment>
        <translation>eine neue Rechnung</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open, innermost first, each waiting to finish: %1</source>
        <comment>%1 lists what each waits for, as in 2 ×, 3 +</comment>
        <translation>
            <numerusform>%n Klammer offen, sie wartet darauf, dies abzuschließen: %1</numerusform>
            <numerusform>%n Klammern offen, die innerste zuerst, jede wartet darauf, dies abzuschließen: %1</numerusform>
        </translation>
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
        <translation>Division durch null behält den Dividenden: %1</translation>
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
    <message numerus="yes">
        <source>%n lines calculated</source>
        <translation>
            <numerusform>%n Zeile berechnet</numerusform>
            <numerusform>%n Zeilen berechnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; line %2: %3</source>
        <comment>%1 says how many lines were calculated, %2 is the line that stopped, %3 why</comment>
        <translation>%1; Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <comment>a Roman numeral and its decimal value, e.g. CI is 101</comment>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral, and %2 has none</source>
        <comment>%1 is a Roman numeral as typed, %2 the decimal value the lenient rules give it</comment>
        <translation>%1 ist keine übliche Zahl, und %2 hat keine</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral: %2</source>
        <comment>%1 is a Roman numeral as typed, %2 a list of standard numerals and their values</comment>
        <translation>%1 ist keine übliche Zahl: %2</translation>
    </message>
    <message>
        <source>%1 %2 waits for a number; %3 replaced %4</source>
        <comment>%1 %2 is the result so far and the operation waiting, %3 that key and %4 the one pressed before it, as in: 5 * waits for a number; * replaced +</comment>
        <translation>%1 %2 wartet auf eine Zahl; %3 ersetzte %4</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n open parentheses first</source>
        <comment>the equals key finishes the calculations in parentheses before the whole one</comment>
        <translation>
            <numerusform>„=“ schloss zuerst %n offene Klammer</numerusform>
            <numerusform>„=“ schloss zuerst %n offene Klammern</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded</source>
        <comment>%1 is a decimal number, %2 the Roman numeral shown for it</comment>
        <translation>%1 wird gerundet als %2 angezeigt</translation>
    </message>
    <message>
        <source>%1 (%2 writes %3)</source>
        <comment>%1 is the sentence before, %2 the name of the choice, %3 the numeral it writes</comment>
        <translation>%1 (%2 schreibt %3)</translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded to twelfths</source>
        <comment>%1 is a decimal number, %2 its Roman numeral with S and dots</comment>
        <translation>%1 wird auf Zwölftel gerundet als %2 angezeigt</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral and is shown as zero</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 rundet auf keine römische Zahl und wird als null angezeigt</translation>
    </message>
    <message>
        <source>%1 rounds to a number beyond Roman numerals</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 rundet auf eine Zahl jenseits der römischen Zahlen</translation>
    </message>
    <message>
        <source>written %1, calculated %2</source>
        <comment>a result a line wrote down, and the one the calculator calculated for it</comment>
        <translation>geschrieben %1, berechnet %2</translation>
    </message>
    <message>
        <source>a numeral marked ≈ is calculated as written, and the results written after it are not checked</source>
        <comment>≈ marks a Roman numeral the tape rounded, as in ≈II for 2.25</comment>
        <translation>eine mit ≈ markierte Zahl wird gerechnet, wie sie dasteht, und die danach geschriebenen Ergebnisse werden nicht geprüft</translation>
    </message>
    <message>
        <source>%1 is too long to be a number: an entry has at most %2 characters</source>
        <translation>%1 ist zu lang für eine Zahl: eine Eingabe hat höchstens %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>÷ 0 keeps the dividend</source>
        <comment>written after a calculation, such as 5 ÷ 0 = 5</comment>
        <translation>÷ 0 behält den Dividenden</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n parentheses</source>
        <comment>written after a calculation whose open parentheses the equals key closed</comment>
        <translation>
            <numerusform>„=“ schloss %n Klammer</numerusform>
            <numerusform>„=“ schloss %n Klammern</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>%1 is a calculation written out, such as 5 ÷ 0 = 5, %2 a note on it</comment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>TapeExport</name>
    <message>
        <source>Tape, printed %1</source>
        <comment>%1 is the date and time of printing</comment>
        <translation>Rechenstreifen, gedruckt am %1</translation>
    </message>
</context>
<context>
    <name>TapeFile</name>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1</source>
        <translation>
            <numerusform>roman-calculator: %n Eintrag des Rechenstreifens konnte nicht in %1 gespeichert werden</numerusform>
            <numerusform>roman-calculator: %n Einträge des Rechenstreifens konnten nicht in %1 gespeichert werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1; they are kept in %2, and go into the tape when the calculator next starts</source>
        <translation>
            <numerusform>roman-calculator: %n Eintrag des Rechenstreifens konnte nicht in %1 gespeichert werden; er bleibt in %2 erhalten und kommt beim nächsten Start des Rechners in den Rechenstreifen</numerusform>
            <numerusform>roman-calculator: %n Einträge des Rechenstreifens konnten nicht in %1 gespeichert werden; sie bleiben in %2 erhalten und kommen beim nächsten Start des Rechners in den Rechenstreifen</numerusform>
        </translation>
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
        <extracomment>The list beside the calculator, as a screen reader names it. Each thing has one word in every text, the help&apos;s and the menus&apos; too: the tape; an entry (a calculation on the tape, not what is typed); Clear (the button, and r); all clear (Escape); a readout (either of the two displays); the type-in box; the keypad; the keyboard; the help.</extracomment>
        <translatorcomment>Glossar, ein Wort für jedes Ding: Rechenstreifen (tape); Eintrag (entry auf dem Rechenstreifen); Eingabe (was getippt wird); Löschen (Clear, auch r); Alles löschen (all clear, Escape); Anzeige (readout); Eingabefeld (type-in box); Tastenfeld (keypad); Tastatur (keyboard); Rechenart (operation); Hilfe (help).</translatorcomment>
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
    <message>
        <source>D&amp;elete entry</source>
        <translation>Eintrag &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Print tape…</source>
        <translation>Rechenstreifen dr&amp;ucken…</translation>
    </message>
    <message>
        <source>E&amp;xport tape…</source>
        <translation>Rechenstreifen e&amp;xportieren…</translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries, also kept in %1); %2 brings them back</source>
        <comment>%2 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Rechenstreifen geleert (%n Eintrag, auch in %1 aufbewahrt); %2 holt ihn zurück</numerusform>
            <numerusform>Rechenstreifen geleert (%n Einträge, auch in %1 aufbewahrt); %2 holt sie zurück</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries); %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Rechenstreifen geleert (%n Eintrag); %1 holt ihn zurück</numerusform>
            <numerusform>Rechenstreifen geleert (%n Einträge); %1 holt sie zurück</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n entries; %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>%n Eintrag entfernt; %1 holt ihn zurück</numerusform>
            <numerusform>%n Einträge entfernt; %1 holt sie zurück</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing deleted from the tape to bring back</source>
        <translation>Auf dem Rechenstreifen ist nichts Entferntes zurückzuholen</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n entries</source>
        <translation>
            <numerusform>%n Eintrag zurückgeholt</numerusform>
            <numerusform>%n Einträge zurückgeholt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Printed %n entries</source>
        <translation>
            <numerusform>%n Eintrag gedruckt</numerusform>
            <numerusform>%n Einträge gedruckt</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (*.csv)</source>
        <translation>CSV, für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>Export tape</source>
        <translation>Rechenstreifen exportieren</translation>
    </message>
    <message>
        <source>The tape could not be exported to %1: %2</source>
        <translation>Der Rechenstreifen konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n entries to %1</source>
        <translation>
            <numerusform>%n Eintrag nach %1 exportiert</numerusform>
            <numerusform>%n Einträge nach %1 exportiert</numerusform>
        </translation>
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
    <message>
        <source>Writes fractions in Roman twelfths, for this run: 1.5 is IS, 2.25 is II···.</source>
        <translation>Schreibt Brüche in römischen Zwölfteln, für diesen Lauf: 1,5 ist IS, 2,25 ist II···.</translation>
    </message>
    <message>
        <source>Writes numbers from %1 to %2 with a bar over the thousands, for this run: 12345 is X̅I̅I̅CCCXLV.</source>
        <translation>Schreibt Zahlen von %1 bis %2 mit einem Strich über den Tausendern, für diesen Lauf: 12345 ist X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>A calculator for Roman, decimal and hexadecimal numerals, from left to right.
Its window shows each number as a decimal and a Roman numeral, keeps a tape
of every calculation (F9) and calculates pasted text line by line; its
right-click menu offers large numbers with bars and fractions in twelfths.
--eval calculates without a window and prints decimal&lt;TAB&gt;Roman per line.</source>
        <extracomment>The start of --help: what the program does. Lines of at most 79 characters.</extracomment>
        <translation>Ein Rechner für römische, dezimale und hexadezimale Zahlen, der von links nach rechts rechnet. Sein Fenster zeigt jede Zahl dezimal und römisch, hält jede Rechnung auf einem Rechenstreifen fest (F9) und rechnet eingefügten Text Zeile für Zeile; sein Kontextmenü bietet große Zahlen mit Überstrich und Brüche in Zwölfteln. --eval rechnet ohne Fenster und gibt je Zeile dezimal&lt;TAB&gt;römisch aus.</translation>
    </message>
    <message>
        <source>Reads Roman numerals only as the calculator writes them, for this run: IC is refused, and the standard numerals near it are named.</source>
        <translation>Liest römische Zahlen nur so, wie der Rechner sie schreibt, für diesen Lauf: IC wird abgelehnt, und die üblichen Zahlen in seiner Nähe werden genannt.</translation>
    </message>
    <message>
        <source>With --eval, adds a third field to each line: how the Roman numeral is built, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</source>
        <translation>Mit --eval fügt jeder Zeile ein drittes Feld hinzu: wie die römische Zahl gebaut ist, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</translation>
    </message>
    <message>
        <source>--explain goes with --eval.</source>
        <translation>--explain gehört zu --eval.</translation>
    </message>
</context>
</TS>
