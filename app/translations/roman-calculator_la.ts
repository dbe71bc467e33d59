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
        <translation>Index numerorum Arabicorum</translation>
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
    <message>
        <source>Entering the paste: %1% (Escape stops it)</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Quod insertum est inducitur: %1% (Escape sistit)</translation>
    </message>
    <message>
        <source>The paste was stopped at %1%: what came before was entered, the rest was not</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Quod insertum est ad %1% sistitur: quae antea venerunt inducta sunt, cetera non</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Calculator</source>
        <extracomment>The kind of program, as an application menu lists it.</extracomment>
        <translation>Abacus</translation>
    </message>
    <message>
        <source>Calculate with Roman, decimal and hexadecimal numerals</source>
        <extracomment>The one-line summary in the application menu and the software centre.</extracomment>
        <translation>Numeris Romanis, decimalibus, hexadecimalibus computa</translation>
    </message>
    <message>
        <source>roman;numeral;calculator;decimal;hexadecimal;arithmetic;</source>
        <extracomment>Words the application menu&apos;s search finds the program by, each ended by a semicolon; the English words may stay as well.</extracomment>
        <translation>Romanus;numerus;nota;abacus;decimalis;hexadecimalis;arithmetica;</translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>Numerus Romanus</translation>
    </message>
    <message>
        <source>calculator</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>abacus</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>hexadecimalis</translation>
    </message>
    <message>
        <source>A small desktop calculator for Roman numerals. Type numbers as decimal numerals, as Roman numerals in either case, or as hexadecimal numbers after the prefix 0X, and combine them with + - * / and parentheses by typing or by clicking the keypad. Every number you enter and every result shows at once as a decimal numeral and as a Roman numeral.</source>
        <extracomment>The software centre&apos;s description of the program.</extracomment>
        <translation>Abacus parvus numerorum Romanorum. Numeros scribe notis decimalibus, notis Romanis maiusculis aut minusculis, aut notis hexadecimalibus post praefixum 0X, eosque coniunge signis + - * / et parenthesibus, scribendo aut claves premendo. Omnis numerus scriptus omnisque summa statim et notis decimalibus et notis Romanis ostenditur.</translation>
    </message>
    <message>
        <source>Strictly from left to right: 2 + 3 * 4 gives 20, and parentheses group the rest</source>
        <translation>Stricte a sinistra ad dextram: 2 + 3 * 4 efficit 20, parentheses cetera coniungunt</translation>
    </message>
    <message>
        <source>Roman numerals up to %1, negative numbers in parentheses</source>
        <extracomment>%1 is the largest number written as a Roman numeral.</extracomment>
        <translation>Numeri Romani usque ad %1, numeri negativi in parenthesibus</translation>
    </message>
    <message>
        <source>Roman numerals read leniently, IIII as 4, with a hint at the standard form</source>
        <translation>Numeri Romani benigne leguntur, IIII pro 4, forma usitata monstrata</translation>
    </message>
    <message>
        <source>A status line that explains every entry it refuses and shows the pending operation</source>
        <translation>Linea nuntiorum quae omnem scripturam reiectam explicat et operationem pendentem ostendit</translation>
    </message>
    <message>
        <source>Help on F1 with the keys, the forms of a number and what may surprise</source>
        <translation>Auxilium sub F1: claves, formae numeri et quae mirum videri possunt</translation>
    </message>
    <message>
        <source>Scales with the window and with the desktop&apos;s font, and remembers its size</source>
        <translation>Cum fenestra et litteris mensae crescit, et magnitudinem suam meminit</translation>
    </message>
    <message>
        <source>Translated into German, French, Italian, Spanish and Latin</source>
        <translation>In linguas Germanicam, Francogallicam, Italicam, Hispanicam, Latinam versus</translation>
    </message>
    <message>
        <source>The calculator at twice its size, after 8888 + ic: IC reads as 101, standard form CI</source>
        <extracomment>The caption of a picture of the window in the software centre.</extracomment>
        <translation>Abacus duplo maior, post 8888 + ic: IC legitur 101, forma usitata CI</translation>
    </message>
    <message>
        <source>The help on F1: the keys, the forms of a number and what may surprise a new user</source>
        <extracomment>The caption of a picture of the help window in the software centre.</extracomment>
        <translation>Auxilium sub F1: claves, formae numeri et quae novo utenti mirum videri possunt</translation>
    </message>
    <message>
        <source>Large numbers with bars, a choice in the right-click menu: %1 to %2 with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV</source>
        <extracomment>%1 and %2 are the first and the last number written with bars; the bars are combining overlines (U+0305).</extracomment>
        <translation>Numeri magni cum virgulis, electio indicis qui pressu dextro aperitur: a %1 ad %2 virgula super milia posita, 12345 ut X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Fractions in twelfths, another choice: 1.5 as IS, 2.25 as II···</source>
        <extracomment>The numerals stay as they are: S is a half, each dot (U+00B7) a twelfth.</extracomment>
        <translation>Fractiones in unciis, altera electio: 1.5 ut IS, 2.25 ut II···</translation>
    </message>
    <message>
        <source>Unicode Roman numerals read too: Ⅻ as 12, ⅳ as 4, ↀ as 1000</source>
        <extracomment>The numerals are the Unicode characters U+216B, U+2173 and U+2180.</extracomment>
        <translation>Numeri Romani Unicode quoque leguntur: Ⅻ pro 12, ⅳ pro 4, ↀ pro 1000</translation>
    </message>
    <message>
        <source>A tape (F9) that keeps every calculation in both numeral forms, saved in your data folder, to copy and to reuse</source>
        <translation>Taenia (F9) quae omnem computationem utraque notatione tenet, in tabulario tuo servata, ad exscribendum et iterum utendum</translation>
    </message>
    <message>
        <source>Whole calculations pasted at once, several lines as several calculations</source>
        <translation>Computationes totae simul insertae, plures versus ut plures computationes</translation>
    </message>
    <message>
        <source>roman-calculator --eval calculates without a window, from the command line or standard input, and prints each result in decimal and Roman</source>
        <extracomment>&quot;roman-calculator --eval&quot; is a command and stays as it is.</extracomment>
        <translation>roman-calculator --eval sine fenestra computat, ex linea mandatorum aut ex introitu communi, et omnem summam decimaliter et Romane scribit</translation>
    </message>
</context>
<context>
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>versus %1: %2</translation>
    </message>
    <message>
        <source>roman-calculator: the results could not be written: %1</source>
        <translation>roman-calculator: eventus scribi non potuerunt: %1</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>introitus communis clausus est</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>exitus communis clausus est</translation>
    </message>
    <message>
        <source>roman-calculator: the input could not be read: %1</source>
        <translation>roman-calculator: introitus legi non potuit: %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>In the type-in box: type a number, then end it with an operation; r clears the calculation.</source>
        <translation>In tabula scribendi: numerum scribere, deinde operatione finire; r computationem delet.</translation>
    </message>
    <message>
        <source>In the type-in box: finish the entry as = does.</source>
        <translation>In tabula scribendi: scripturam finire ut signo =.</translation>
    </message>
    <message>
        <source>Click that button of the keypad from anywhere in the window; its character is underlined while Alt is held.</source>
        <translation>Eam clavem ex quolibet fenestrae loco premere; nota eius subducitur dum Alt premitur.</translation>
    </message>
    <message>
        <source>Move between the keypad, the readouts and the type-in box.</source>
        <translation>Inter claves, indices et tabulam scribendi transire.</translation>
    </message>
    <message>
        <source>In the type-in box with nothing selected: copy the result, as Copy does.</source>
        <translation>In tabula scribendi nullo selecto: summam exscribere, ut Exscribe facit.</translation>
    </message>
    <message>
        <source>Paste a whole calculation, such as 12+5=, into the type-in box.</source>
        <translation>Computationem totam, ut 12+5=, in tabulam scribendi inserere.</translation>
    </message>
    <message>
        <source>Show or hide the tape, a paper-tape history of the calculations.</source>
        <translation>Taeniam, computationum memoriam, ostendere aut celare.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Hoc auxilium ostendere.</translation>
    </message>
    <message>
        <source>Quit.</source>
        <translation>Exire.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Claves</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>A decimal number, with your locale&apos;s decimal separator and an optional exponent: 1E3 is 1000.</source>
        <translation>Numerus decimalis, cum signo decimali regionis tuae et exponente si vis: 1E3 est 1000.</translation>
    </message>
    <message>
        <source>A Roman numeral, in either case, read leniently: IIII is 4 and VX is 15; the status line names the standard form.</source>
        <translation>Numerus Romanus, litteris maiusculis aut minusculis, benigne lectus: IIII est 4 et VX est 15; linea nuntiorum formam usitatam nominat.</translation>
    </message>
    <message>
        <source>A hexadecimal number after the prefix 0X: 0X1F is 31.</source>
        <translation>Numerus hexadecimalis post praefixum 0X: 0X1F est 31.</translation>
    </message>
    <message>
        <source>The Roman readout shows numbers below %1 in size: a negative number in parentheses, (XIV), and zero as a row of dashes.</source>
        <translation>Index Romanus numeros infra %1 magnitudine ostendit: numerum negativum in parenthesibus, (XIV), et nihil ut ordinem linearum.</translation>
    </message>
    <message>
        <source>Strictly left to right: 2+3*4= gives 20, not 14. Parentheses group anything else: 2+(3*4)= gives 14.</source>
        <translation>Stricte a sinistra ad dextram: 2+3*4= efficit 20, non 14. Parentheses cetera coniungunt: 2+(3*4)= efficit 14.</translation>
    </message>
    <message>
        <source>A closing parenthesis shows its value only at the next key: after ) the readouts still show the last number typed.</source>
        <translation>Parenthesis claudens valorem suum demum proxima clave ostendit: post ) indices adhuc ultimum numerum scriptum ostendunt.</translation>
    </message>
    <message>
        <source>Good to know</source>
        <translation>Scitu utilia</translation>
    </message>
    <message>
        <source>About</source>
        <translation>De programmate</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: use it, share it, change it.</source>
        <translation>Programma liberum sub licentia MIT: utere, communica, muta.</translation>
    </message>
    <message>
        <source>The project lives at %1, with its source and a place to report problems.</source>
        <translation>Opus habitat apud %1, cum fonte suo et loco ubi vitia nuntiari possunt.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Auxilium</translation>
    </message>
    <message>
        <source>%1
%2: help</source>
        <comment>a button&apos;s tooltip: what it does, then the key that opens the help</comment>
        <translation>%1
%2: auxilium</translation>
    </message>
    <message>
        <source>All clear: a fresh start, whatever the type-in box holds; the keyboard goes back to the type-in box.</source>
        <translation>Omnia delere: initium novum, quidquid tabula scribendi continet; claviatura ad tabulam scribendi redit.</translation>
    </message>
    <message>
        <source>In the tape: copy the selected entries; put the entry&apos;s result into the type-in box, as a double click does. Numbers and operations typed there go to the type-in box.</source>
        <translation>In taenia: inscriptiones selectas exscribere; summam inscriptionis in tabulam scribendi ponere, ut duplex pulsus facit. Numeri et operationes ibi scripti in tabulam scribendi eunt.</translation>
    </message>
    <message>
        <source>After = the result on show is what the next operation works on: 2+3= then *4= gives 20.</source>
        <translation>Post = operatio sequens a summa ostensa incipit: 2+3= deinde *4= dat 20.</translation>
    </message>
    <message>
        <source>A - at the start, after ( or after an operation is the sign of the number after it: 100+-50= gives 50. After ), = or r it subtracts.</source>
        <translation>Signum - in initio, post ( aut post operationem signum numeri sequentis est: 100+-50= dat 50. Post ), = aut r subtrahit.</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend, for that division only: 5/0= gives 5, 0+= gives 0.</source>
        <translation>Divisio per nihil dividendum servat, in ea sola divisione: 5/0= dat 5, 0+= dat 0.</translation>
    </message>
    <message>
        <source>After an error the readouts show no number; the next number typed starts a new calculation.</source>
        <translation>Post errorem indices nullum numerum ostendunt; numerus deinde scriptus novam rationem incipit.</translation>
    </message>
    <message>
        <source>Pasted lines are calculations of their own, each finished with = unless it ends with an operation.</source>
        <translation>Versus inserti rationes suae sunt, quisque = finitus, nisi operatione desinit.</translation>
    </message>
    <message>
        <source>Wider Roman forms, always read: a bar over a letter multiplies it by 1000 (X̅ is 10000), Unicode numerals read as their letters (Ⅻ is 12), S and dots are a half and twelfths (IIS is 2.5).</source>
        <translation>Formae Romanae latiores, semper lectae: virgula super litteram eam millies multiplicat (X̅ est 10000), notae Romanae Unicode ut litterae suae leguntur (Ⅻ est 12), S et puncta semis et unciae sunt (IIS est 2,5).</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: fractions are written to the nearest twelfth, 1.5 as IS and 2.25 as II···; the status line says when that rounds.</source>
        <translation>Optio in indice fenestrae: partes ad unciam proximam scribuntur, 1,5 ut IS et 2,25 ut II···; linea status dicit cum rotundatur.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: numbers from %1 to %2 are written with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV.</source>
        <translation>Optio in indice fenestrae: numeri a %1 ad %2 cum virgula super milia scribuntur, 12345 ut X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>In a readout: select and copy what it shows. Numbers and operations typed there go to the type-in box.</source>
        <translation>In indice: quod ostendit seligere et exscribere. Numeri et operationes ibi scripti in tabulam scribendi eunt.</translation>
    </message>
    <message>
        <source>The forms of printed books and medieval tables, always read: the apostrophus (CIↃ is 1000, IↃↃ 5000, CCIↃↃ 10000) and N or nulla for zero.</source>
        <translation>Formae librorum impressorum et tabularum medii aevi, semper lectae: apostrophus (CIↃ est 1000, IↃↃ 5000, CCIↃↃ 10000) et N vel nulla pro nihilo.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu, or --strict for one run: a Roman numeral is read only as the calculator writes it. IC is refused, and the status line names the standard numerals near it, CI for 101 and XCIX for 99.</source>
        <translation>Optio in indice fenestrae, vel --strict pro una vice: numerus Romanus tantum legitur ut machina eum scribit. IC reicitur, et linea status numeros usitatos propinquos nominat, CI pro 101 et XCIX pro 99.</translation>
    </message>
    <message>
        <source>In the tape: delete the selected entries.</source>
        <translation>In taenia: inscriptiones selectas dele.</translation>
    </message>
    <message>
        <source>Bring back the entries that the tape&apos;s last delete or clear took; a clear also keeps them in tape-cleared.txt beside the tape&apos;s file.</source>
        <translation>Inscriptiones quas ultima deletio aut purgatio taeniae abstulit restitue; purgatio eas etiam in tape-cleared.txt iuxta taeniae fasciculum servat.</translation>
    </message>
    <message>
        <source>Print the tape, or save it as a PDF file.</source>
        <translation>Taeniam imprime, aut ut fasciculum PDF serva.</translation>
    </message>
    <message>
        <source>A line with its result written after =, such as XII + IX = XXI, is calculated once and checked: a wrong result is named on the status line and on the tape.</source>
        <translation>Linea cum summa post = scripta, ut XII + IX = XXI, semel computatur et probatur: summa falsa in linea status et in taenia nominatur.</translation>
    </message>
</context>
<context>
    <name>NumeralChoices</name>
    <message>
        <source>Large numbers with bars</source>
        <translation>Numeri magni cum virgulis</translation>
    </message>
    <message>
        <source>Fractions in twelfths</source>
        <translation>Partes in unciis</translation>
    </message>
    <message>
        <source>Fractions to the nearest twelfth, S for a half and a dot for each twelfth: 2.25 is II···</source>
        <translation>Partes ad unciam proximam, S pro semisse et punctum pro quaque uncia: 2,25 est II···</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2 with a bar over the thousands: 12345 is X̅I̅I̅CCCXLV</source>
        <translation>Numeri a %1 ad %2 cum virgula super milia: 12345 est X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Strict numerals</source>
        <translation>Numeri severi</translation>
    </message>
    <message>
        <source>Roman numerals are read only as the calculator writes them: IC is refused, with CI for 101 and XCIX for 99</source>
        <translation>Numeri Romani tantum leguntur ut machina eos scribit: IC reicitur, cum CI pro 101 et XCIX pro 99</translation>
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
        <translation>Index numerorum Romanorum</translation>
    </message>
</context>
<context>
    <name>RomanNumeral</name>
    <message>
        <source>Roman overflow</source>
        <comment>shown in place of a numeral for a number too large for one; never only Roman letters</comment>
        <translation>Nimis magnus Romanis</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for a negative number too large for one; never only Roman letters</comment>
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
    <message>
        <source>%1: %2, rounded to twelfths</source>
        <comment>a Roman numeral and the decimal value it rounds</comment>
        <translation>%1: %2, ad uncias rotundatum</translation>
    </message>
    <message>
        <source>%1: %2 rounds to a number beyond Roman numerals</source>
        <comment>the readout&apos;s text and a decimal number</comment>
        <translation>%1: %2 ad numerum ultra notas Romanas rotundatur</translation>
    </message>
    <message>
        <source>%1: %2, rounded</source>
        <comment>a Roman numeral and the decimal value it rounds to a whole number</comment>
        <translation>%1: %2, rotundatum</translation>
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
    <name>Settings</name>
    <message>
        <source>roman-calculator: your settings could not be saved in %1</source>
        <translation>roman-calculator: optiones tuae in %1 servari non potuerunt</translation>
    </message>
    <message>
        <source>Your settings cannot be saved in %1 now; they are kept until they can be</source>
        <translation>Optiones tuae nunc in %1 servari non possunt; manent dum servari possint</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Acervus parenthesium</translation>
    </message>
    <message>
        <source>Open parentheses</source>
        <translation>Parentheses apertae</translation>
    </message>
    <message>
        <source>a new calculation</source>
        <comment>what a parenthesis opened with nothing pending waits for</comment>
        <translation>computatio nova</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open, innermost first, each waiting to finish: %1</source>
        <comment>%1 lists what each waits for, as in 2 ×, 3 +</comment>
        <translation>
            <numerusform>%n parenthesis aperta, quae exspectat ut perficiat: %1</numerusform>
            <numerusform>%n parentheses apertae, intima prima, quaeque exspectat ut perficiat: %1</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%n lines calculated</source>
        <translation>
            <numerusform>%n versus computatus</numerusform>
            <numerusform>%n versus computati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; line %2: %3</source>
        <comment>%1 says how many lines were calculated, %2 is the line that stopped, %3 why</comment>
        <translation>%1; versus %2: %3</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <comment>a Roman numeral and its decimal value, e.g. CI is 101</comment>
        <translation>%1 est %2</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral, and %2 has none</source>
        <comment>%1 is a Roman numeral as typed, %2 the decimal value the lenient rules give it</comment>
        <translation>%1 non est numerus usitatus, et %2 nullum habet</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral: %2</source>
        <comment>%1 is a Roman numeral as typed, %2 a list of standard numerals and their values</comment>
        <translation>%1 non est numerus usitatus: %2</translation>
    </message>
    <message>
        <source>%1 %2 waits for a number; %3 replaced %4</source>
        <comment>%1 %2 is the result so far and the operation waiting, %3 that key and %4 the one pressed before it, as in: 5 * waits for a number; * replaced +</comment>
        <translation>%1 %2 numerum exspectat; %3 in locum %4 venit</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n open parentheses first</source>
        <comment>the equals key finishes the calculations in parentheses before the whole one</comment>
        <translation>
            <numerusform>&quot;=&quot; prius %n parenthesim apertam clausit</numerusform>
            <numerusform>&quot;=&quot; prius %n parentheses apertas clausit</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded</source>
        <comment>%1 is a decimal number, %2 the Roman numeral shown for it</comment>
        <translation>%1 rotundatum ut %2 ostenditur</translation>
    </message>
    <message>
        <source>%1 (%2 writes %3)</source>
        <comment>%1 is the sentence before, %2 the name of the choice, %3 the numeral it writes</comment>
        <translation>%1 (%2 scribit %3)</translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded to twelfths</source>
        <comment>%1 is a decimal number, %2 its Roman numeral with S and dots</comment>
        <translation>%1 ad uncias rotundatum ut %2 ostenditur</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral and is shown as zero</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 ad nullam notam Romanam rotundatur et ut nihil ostenditur</translation>
    </message>
    <message>
        <source>%1 rounds to a number beyond Roman numerals</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 ad numerum ultra notas Romanas rotundatur</translation>
    </message>
    <message>
        <source>written %1, calculated %2</source>
        <comment>a result a line wrote down, and the one the calculator calculated for it</comment>
        <translation>scriptum %1, computatum %2</translation>
    </message>
    <message>
        <source>a numeral marked ≈ is calculated as written, and the results written after it are not checked</source>
        <comment>≈ marks a Roman numeral the tape rounded, as in ≈II for 2.25</comment>
        <translation>numerus nota ≈ signatus ut scriptus est computatur, et summae post eum scriptae non probantur</translation>
    </message>
    <message>
        <source>%1 is too long to be a number: an entry has at most %2 characters</source>
        <translation>%1 longius est quam ut numerus sit: inscriptio non plus quam %2 litteras habet</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>÷ 0 keeps the dividend</source>
        <comment>written after a calculation, such as 5 ÷ 0 = 5</comment>
        <translation>÷ 0 dividendum servat</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n parentheses</source>
        <comment>written after a calculation whose open parentheses the equals key closed</comment>
        <translation>
            <numerusform>&quot;=&quot; %n parenthesim clausit</numerusform>
            <numerusform>&quot;=&quot; %n parentheses clausit</numerusform>
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
        <translation>Taenia, impressa %1</translation>
    </message>
</context>
<context>
    <name>TapeFile</name>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1</source>
        <translation>
            <numerusform>roman-calculator: %n inscriptio taeniae in %1 servari non potuit</numerusform>
            <numerusform>roman-calculator: %n inscriptiones taeniae in %1 servari non potuerunt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1; they are kept in %2, and go into the tape when the calculator next starts</source>
        <translation>
            <numerusform>roman-calculator: %n inscriptio taeniae in %1 servari non potuit; in %2 manet et in taeniam venit cum calculator proxime incipit</numerusform>
            <numerusform>roman-calculator: %n inscriptiones taeniae in %1 servari non potuerunt; in %2 manent et in taeniam veniunt cum calculator proxime incipit</numerusform>
        </translation>
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
        <extracomment>The list beside the calculator, as a screen reader names it. Each thing has one word in every text, the help&apos;s and the menus&apos; too: the tape; an entry (a calculation on the tape, not what is typed); Clear (the button, and r); all clear (Escape); a readout (either of the two displays); the type-in box; the keypad; the keyboard; the help.</extracomment>
        <translatorcomment>Glossarium, verbum unum rei cuique: taenia (tape); inscriptio (entry taeniae); scriptura (quod scribitur); Dele (Clear, et r); Omnia delere (all clear, Escape); index (readout); tabula scribendi (type-in box); claves (keypad); claviatura (keyboard); operatio (operation); auxilium (help).</translatorcomment>
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
        <translation>&amp;Exscribe inscriptionem</translation>
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
            <numerusform>%n inscriptio exscripta</numerusform>
            <numerusform>%n inscriptiones exscriptae</numerusform>
        </translation>
    </message>
    <message>
        <source>Every calculation that ends with = is kept here, in both numeral forms. F9 hides the tape.</source>
        <translation>Omnis computatio quae = finitur hic servatur, utraque notatione. F9 taeniam celat.</translation>
    </message>
    <message>
        <source>D&amp;elete entry</source>
        <translation>De&amp;le inscriptionem</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Re&amp;stitue</translation>
    </message>
    <message>
        <source>&amp;Print tape…</source>
        <translation>&amp;Imprime taeniam…</translation>
    </message>
    <message>
        <source>E&amp;xport tape…</source>
        <translation>E&amp;xporta taeniam…</translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries, also kept in %1); %2 brings them back</source>
        <comment>%2 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Taenia purgata (%n inscriptio, etiam in %1 servata); %2 eam restituit</numerusform>
            <numerusform>Taenia purgata (%n inscriptiones, etiam in %1 servatae); %2 eas restituit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries); %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Taenia purgata (%n inscriptio); %1 eam restituit</numerusform>
            <numerusform>Taenia purgata (%n inscriptiones); %1 eas restituit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n entries; %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>%n inscriptio deleta; %1 eam restituit</numerusform>
            <numerusform>%n inscriptiones deletae; %1 eas restituit</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing deleted from the tape to bring back</source>
        <translation>Nihil e taenia deletum est quod restituatur</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n entries</source>
        <translation>
            <numerusform>%n inscriptio restituta</numerusform>
            <numerusform>%n inscriptiones restitutae</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Printed %n entries</source>
        <translation>
            <numerusform>%n inscriptio impressa</numerusform>
            <numerusform>%n inscriptiones impressae</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (*.csv)</source>
        <translation>CSV, pro tabulis computandis (*.csv)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Textus simplex (*.txt)</translation>
    </message>
    <message>
        <source>Export tape</source>
        <translation>Taeniam exporta</translation>
    </message>
    <message>
        <source>The tape could not be exported to %1: %2</source>
        <translation>Taenia in %1 exportari non potuit: %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n entries to %1</source>
        <translation>
            <numerusform>%n inscriptio in %1 exportata</numerusform>
            <numerusform>%n inscriptiones in %1 exportatae</numerusform>
        </translation>
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
    <message>
        <source>Writes fractions in Roman twelfths, for this run: 1.5 is IS, 2.25 is II···.</source>
        <translation>Partes in unciis Romanis scribit, hac vice: 1,5 est IS, 2,25 est II···.</translation>
    </message>
    <message>
        <source>Writes numbers from %1 to %2 with a bar over the thousands, for this run: 12345 is X̅I̅I̅CCCXLV.</source>
        <translation>Numeros a %1 ad %2 cum virgula super milia scribit, hac vice: 12345 est X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>A calculator for Roman, decimal and hexadecimal numerals, from left to right.
Its window shows each number as a decimal and a Roman numeral, keeps a tape
of every calculation (F9) and calculates pasted text line by line; its
right-click menu offers large numbers with bars and fractions in twelfths.
--eval calculates without a window and prints decimal&lt;TAB&gt;Roman per line.</source>
        <extracomment>The start of --help: what the program does. Lines of at most 79 characters.</extracomment>
        <translation>Abacus numerorum Romanorum, decimalium, hexadecimalium, qui a sinistra ad dextram computat. Fenestra eius omnem numerum et decimaliter et Romane ostendit, omnem computationem in taenia (F9) tenet et textum insertum versum post versum computat; index eius pressu dextro apertus numeros magnos cum virgulis et fractiones in unciis praebet. --eval sine fenestra computat et singulis versibus decimalem&lt;TAB&gt;Romanum scribit.</translation>
    </message>
    <message>
        <source>Reads Roman numerals only as the calculator writes them, for this run: IC is refused, and the standard numerals near it are named.</source>
        <translation>Numeros Romanos tantum legit ut machina eos scribit, hac vice: IC reicitur, et numeri usitati propinqui nominantur.</translation>
    </message>
    <message>
        <source>With --eval, adds a third field to each line: how the Roman numeral is built, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</source>
        <translation>Cum --eval, cuique lineae tertium campum addit: quomodo numerus Romanus constet, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</translation>
    </message>
    <message>
        <source>--explain goes with --eval.</source>
        <translation>--explain cum --eval adhibetur.</translation>
    </message>
</context>
</TS>
