<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Visualizzazione in numeri arabi</translation>
    </message>
</context>
<context>
    <name>Calvaran</name>
    <message>
        <source>Status line</source>
        <translation>Riga di stato</translation>
    </message>
    <message>
        <source>Roman Numeral Calculator</source>
        <translation>Calcolatrice di numeri romani</translation>
    </message>
    <message>
        <source>Normal (Arabic) numerals</source>
        <translation>Numeri normali (arabi)</translation>
    </message>
    <message>
        <source>Roman Numerals</source>
        <translation>Numeri romani</translation>
    </message>
    <message>
        <source>Entering the paste: %1% (Escape stops it)</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Inserimento di quanto incollato: %1% (Esc lo ferma)</translation>
    </message>
    <message>
        <source>The paste was stopped at %1%: what came before was entered, the rest was not</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>L’inserimento di quanto incollato si è fermato al %1%: quanto veniva prima è stato inserito, il resto no</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Calculator</source>
        <extracomment>The kind of program, as an application menu lists it.</extracomment>
        <translation>Calcolatrice</translation>
    </message>
    <message>
        <source>Calculate with Roman, decimal and hexadecimal numerals</source>
        <extracomment>The one-line summary in the application menu and the software centre.</extracomment>
        <translation>Calcola con numeri romani, decimali ed esadecimali</translation>
    </message>
    <message>
        <source>roman;numeral;calculator;decimal;hexadecimal;arithmetic;</source>
        <extracomment>Words the application menu&apos;s search finds the program by, each ended by a semicolon; the English words may stay as well.</extracomment>
        <translation>romano;numero;cifra;calcolatrice;decimale;esadecimale;aritmetica;</translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>Numero romano</translation>
    </message>
    <message>
        <source>calculator</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>calcolatrice</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>esadecimale</translation>
    </message>
    <message>
        <source>A small desktop calculator for Roman numerals. Type numbers as decimal numerals, as Roman numerals in either case, or as hexadecimal numbers after the prefix 0X, and combine them with + - * / and parentheses by typing or by clicking the keypad. Every number you enter and every result shows at once as a decimal numeral and as a Roman numeral.</source>
        <extracomment>The software centre&apos;s description of the program.</extracomment>
        <translation>Una piccola calcolatrice da scrivania per i numeri romani. Inserisci i numeri come numeri decimali, come numeri romani in maiuscolo o minuscolo, o come numeri esadecimali dopo il prefisso 0X, e combinali con + - * / e le parentesi, digitando o facendo clic sul tastierino. Ogni numero inserito e ogni risultato appaiono subito come numero decimale e come numero romano.</translation>
    </message>
    <message>
        <source>Strictly from left to right: 2 + 3 * 4 gives 20, and parentheses group the rest</source>
        <translation>Rigorosamente da sinistra a destra: 2 + 3 * 4 dà 20, e le parentesi raggruppano il resto</translation>
    </message>
    <message>
        <source>Roman numerals up to %1, negative numbers in parentheses</source>
        <extracomment>%1 is the largest number written as a Roman numeral.</extracomment>
        <translation>Numeri romani fino a %1, numeri negativi tra parentesi</translation>
    </message>
    <message>
        <source>Roman numerals read leniently, IIII as 4, with a hint at the standard form</source>
        <translation>Numeri romani letti con tolleranza, IIII come 4, con un cenno alla forma usuale</translation>
    </message>
    <message>
        <source>A status line that explains every entry it refuses and shows the pending operation</source>
        <translation>Una riga di stato che spiega ogni inserimento rifiutato e mostra l’operazione in sospeso</translation>
    </message>
    <message>
        <source>Help on F1 with the keys, the forms of a number and what may surprise</source>
        <translation>Aiuto con F1: i tasti, le forme di un numero e ciò che può sorprendere</translation>
    </message>
    <message>
        <source>Scales with the window and with the desktop&apos;s font, and remembers its size</source>
        <translation>Si adatta alla finestra e al carattere del desktop, e ricorda le sue dimensioni</translation>
    </message>
    <message>
        <source>Translated into German, French, Italian, Spanish and Latin</source>
        <translation>Tradotta in tedesco, francese, italiano, spagnolo e latino</translation>
    </message>
    <message>
        <source>The calculator at twice its size, after 8888 + ic: IC reads as 101, standard form CI</source>
        <extracomment>The caption of a picture of the window in the software centre.</extracomment>
        <translation>La calcolatrice a grandezza doppia, dopo 8888 + ic: IC si legge 101, forma usuale CI</translation>
    </message>
    <message>
        <source>The help on F1: the keys, the forms of a number and what may surprise a new user</source>
        <extracomment>The caption of a picture of the help window in the software centre.</extracomment>
        <translation>L’aiuto con F1: i tasti, le forme di un numero e ciò che può sorprendere chi inizia</translation>
    </message>
    <message>
        <source>Large numbers with bars, a choice in the right-click menu: %1 to %2 with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV</source>
        <extracomment>%1 and %2 are the first and the last number written with bars; the bars are combining overlines (U+0305).</extracomment>
        <translation>Numeri grandi con le barre, una scelta nel menu contestuale: da %1 a %2 con una barra sopra le migliaia, 12345 come X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Fractions in twelfths, another choice: 1.5 as IS, 2.25 as II···</source>
        <extracomment>The numerals stay as they are: S is a half, each dot (U+00B7) a twelfth.</extracomment>
        <translation>Frazioni in dodicesimi, un’altra scelta: 1,5 come IS, 2,25 come II···</translation>
    </message>
    <message>
        <source>Unicode Roman numerals read too: Ⅻ as 12, ⅳ as 4, ↀ as 1000</source>
        <extracomment>The numerals are the Unicode characters U+216B, U+2173 and U+2180.</extracomment>
        <translation>Anche i numeri romani Unicode vengono letti: Ⅻ come 12, ⅳ come 4, ↀ come 1000</translation>
    </message>
    <message>
        <source>A tape (F9) that keeps every calculation in both numeral forms, saved in your data folder, to copy and to reuse</source>
        <translation>Un nastro (F9) che conserva ogni calcolo in entrambe le scritture, salvato nella tua cartella dei dati, da copiare e riutilizzare</translation>
    </message>
    <message>
        <source>Whole calculations pasted at once, several lines as several calculations</source>
        <translation>Calcoli interi incollati in una volta, più righe come più calcoli</translation>
    </message>
    <message>
        <source>roman-calculator --eval calculates without a window, from the command line or standard input, and prints each result in decimal and Roman</source>
        <extracomment>&quot;roman-calculator --eval&quot; is a command and stays as it is.</extracomment>
        <translation>roman-calculator --eval calcola senza finestra, dalla riga di comando o dall’input standard, e stampa ogni risultato in decimale e in romano</translation>
    </message>
</context>
<context>
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>roman-calculator: the results could not be written: %1</source>
        <translation>roman-calculator: non è stato possibile scrivere i risultati: %1</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>lo standard input è chiuso</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>lo standard output è chiuso</translation>
    </message>
    <message>
        <source>roman-calculator: the input could not be read: %1</source>
        <translation>roman-calculator: non è stato possibile leggere l’input: %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>In the type-in box: type a number, then end it with an operation; r clears the calculation.</source>
        <translation>Nell’area di inserimento: digitare un numero, poi chiuderlo con un’operazione; r azzera il calcolo.</translation>
    </message>
    <message>
        <source>In the type-in box: finish the entry as = does.</source>
        <translation>Nell’area di inserimento: concludere l’inserimento come con =.</translation>
    </message>
    <message>
        <source>Click that button of the keypad from anywhere in the window; its character is underlined while Alt is held.</source>
        <translation>Premere quel pulsante del tastierino da qualunque punto della finestra; il suo carattere è sottolineato finché si tiene premuto Alt.</translation>
    </message>
    <message>
        <source>Move between the keypad, the readouts and the type-in box.</source>
        <translation>Spostarsi tra il tastierino, le visualizzazioni e l’area di inserimento.</translation>
    </message>
    <message>
        <source>In the type-in box with nothing selected: copy the result, as Copy does.</source>
        <translation>Nell’area di inserimento senza selezione: copiare il risultato, come Copia.</translation>
    </message>
    <message>
        <source>Paste a whole calculation, such as 12+5=, into the type-in box.</source>
        <translation>Incollare un calcolo intero, come 12+5=, nell’area di inserimento.</translation>
    </message>
    <message>
        <source>Show or hide the tape, a paper-tape history of the calculations.</source>
        <translation>Mostrare o nascondere il nastro, la cronologia dei calcoli come su un rotolo di carta.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrare questo aiuto.</translation>
    </message>
    <message>
        <source>Quit.</source>
        <translation>Uscire.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>A decimal number, with your locale&apos;s decimal separator and an optional exponent: 1E3 is 1000.</source>
        <translation>Un numero decimale, con il separatore decimale della tua lingua e un esponente facoltativo: 1E3 è 1000.</translation>
    </message>
    <message>
        <source>A Roman numeral, in either case, read leniently: IIII is 4 and VX is 15; the status line names the standard form.</source>
        <translation>Un numero romano, maiuscolo o minuscolo, letto con tolleranza: IIII è 4 e VX è 15; la riga di stato indica la forma usuale.</translation>
    </message>
    <message>
        <source>A hexadecimal number after the prefix 0X: 0X1F is 31.</source>
        <translation>Un numero esadecimale dopo il prefisso 0X: 0X1F è 31.</translation>
    </message>
    <message>
        <source>The Roman readout shows numbers below %1 in size: a negative number in parentheses, (XIV), and zero as a row of dashes.</source>
        <translation>La visualizzazione romana mostra i numeri sotto %1 in valore assoluto: un numero negativo tra parentesi, (XIV), e lo zero come una fila di trattini.</translation>
    </message>
    <message>
        <source>Strictly left to right: 2+3*4= gives 20, not 14. Parentheses group anything else: 2+(3*4)= gives 14.</source>
        <translation>Rigorosamente da sinistra a destra: 2+3*4= dà 20, non 14. Le parentesi raggruppano tutto il resto: 2+(3*4)= dà 14.</translation>
    </message>
    <message>
        <source>A closing parenthesis shows its value only at the next key: after ) the readouts still show the last number typed.</source>
        <translation>Una parentesi chiusa mostra il suo valore solo al tasto successivo: dopo ) le visualizzazioni mostrano ancora l’ultimo numero digitato.</translation>
    </message>
    <message>
        <source>Good to know</source>
        <translation>Buono a sapersi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: use it, share it, change it.</source>
        <translation>Software libero con licenza MIT: usalo, condividilo, modificalo.</translation>
    </message>
    <message>
        <source>The project lives at %1, with its source and a place to report problems.</source>
        <translation>Il progetto si trova su %1, con il suo codice sorgente e un luogo dove segnalare i problemi.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>%1
%2: help</source>
        <comment>a button&apos;s tooltip: what it does, then the key that opens the help</comment>
        <translation>%1
%2: aiuto</translation>
    </message>
    <message>
        <source>All clear: a fresh start, whatever the type-in box holds; the keyboard goes back to the type-in box.</source>
        <translation>Azzerare tutto: si ricomincia da capo, qualunque cosa contenga l’area di inserimento; la tastiera torna all’area di inserimento.</translation>
    </message>
    <message>
        <source>In the tape: copy the selected entries; put the entry&apos;s result into the type-in box, as a double click does. Numbers and operations typed there go to the type-in box.</source>
        <translation>Nel nastro: copiare le voci selezionate; mettere il risultato della voce nell’area di inserimento, come un doppio clic. I numeri e le operazioni digitati lì vanno nell’area di inserimento.</translation>
    </message>
    <message>
        <source>After = the result on show is what the next operation works on: 2+3= then *4= gives 20.</source>
        <translation>Dopo = l’operazione successiva parte dal risultato mostrato: 2+3= e poi *4= dà 20.</translation>
    </message>
    <message>
        <source>A - at the start, after ( or after an operation is the sign of the number after it: 100+-50= gives 50. After ), = or r it subtracts.</source>
        <translation>Un - all’inizio, dopo ( o dopo un’operazione è il segno del numero che segue: 100+-50= dà 50. Dopo ), = o r sottrae.</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend, for that division only: 5/0= gives 5, 0+= gives 0.</source>
        <translation>Dividere per zero mantiene il dividendo, solo per quella divisione: 5/0= dà 5, 0+= dà 0.</translation>
    </message>
    <message>
        <source>After an error the readouts show no number; the next number typed starts a new calculation.</source>
        <translation>Dopo un errore i visori non mostrano alcun numero; il numero digitato dopo inizia un nuovo calcolo.</translation>
    </message>
    <message>
        <source>Pasted lines are calculations of their own, each finished with = unless it ends with an operation.</source>
        <translation>Le righe incollate sono calcoli a sé, ciascuno concluso con = a meno che non finisca con un’operazione.</translation>
    </message>
    <message>
        <source>Wider Roman forms, always read: a bar over a letter multiplies it by 1000 (X̅ is 10000), Unicode numerals read as their letters (Ⅻ is 12), S and dots are a half and twelfths (IIS is 2.5).</source>
        <translation>Altre forme romane, sempre lette: una barra su una lettera la moltiplica per 1000 (X̅ è 10000), i numerali romani Unicode valgono le loro lettere (Ⅻ è 12), S e i punti sono una metà e dodicesimi (IIS è 2,5).</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: fractions are written to the nearest twelfth, 1.5 as IS and 2.25 as II···; the status line says when that rounds.</source>
        <translation>Una scelta nel menu contestuale della finestra: le frazioni sono scritte al dodicesimo più vicino, 1,5 come IS e 2,25 come II···; la riga di stato dice quando arrotonda.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: numbers from %1 to %2 are written with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV.</source>
        <translation>Una scelta nel menu contestuale della finestra: i numeri da %1 a %2 sono scritti con una barra sulle migliaia, 12345 come X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>In a readout: select and copy what it shows. Numbers and operations typed there go to the type-in box.</source>
        <translation>In una visualizzazione: selezionare e copiare ciò che mostra. I numeri e le operazioni digitati lì vanno nell’area di inserimento.</translation>
    </message>
    <message>
        <source>The forms of printed books and medieval tables, always read: the apostrophus (CIↃ is 1000, IↃↃ 5000, CCIↃↃ 10000) and N or nulla for zero.</source>
        <translation>Le forme dei libri a stampa e delle tavole medievali, sempre lette: l’apostrofo (CIↃ è 1000, IↃↃ 5000, CCIↃↃ 10000) e N o nulla per lo zero.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu, or --strict for one run: a Roman numeral is read only as the calculator writes it. IC is refused, and the status line names the standard numerals near it, CI for 101 and XCIX for 99.</source>
        <translation>Una scelta nel menu contestuale della finestra, o --strict per un’esecuzione: un numero romano è letto solo come la calcolatrice lo scrive. IC è rifiutato, e la riga di stato nomina i numeri usuali vicini, CI per 101 e XCIX per 99.</translation>
    </message>
    <message>
        <source>In the tape: delete the selected entries.</source>
        <translation>Nel nastro: elimina le voci selezionate.</translation>
    </message>
    <message>
        <source>Bring back the entries that the tape&apos;s last delete or clear took; a clear also keeps them in tape-cleared.txt beside the tape&apos;s file.</source>
        <translation>Ripristina le voci tolte dall’ultima eliminazione o dall’ultimo svuotamento del nastro; uno svuotamento le conserva anche in tape-cleared.txt, accanto al file del nastro.</translation>
    </message>
    <message>
        <source>Print the tape, or save it as a PDF file.</source>
        <translation>Stampa il nastro, o salvalo come file PDF.</translation>
    </message>
    <message>
        <source>A line with its result written after =, such as XII + IX = XXI, is calculated once and checked: a wrong result is named on the status line and on the tape.</source>
        <translation>Una riga con il risultato scritto dopo =, come XII + IX = XXI, è calcolata una volta e verificata: un risultato sbagliato è indicato nella riga di stato e sul nastro.</translation>
    </message>
</context>
<context>
    <name>NumeralChoices</name>
    <message>
        <source>Large numbers with bars</source>
        <translation>Numeri grandi con barre</translation>
    </message>
    <message>
        <source>Fractions in twelfths</source>
        <translation>Frazioni in dodicesimi</translation>
    </message>
    <message>
        <source>Fractions to the nearest twelfth, S for a half and a dot for each twelfth: 2.25 is II···</source>
        <translation>Frazioni al dodicesimo più vicino, S per una metà e un punto per dodicesimo: 2,25 è II···</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2 with a bar over the thousands: 12345 is X̅I̅I̅CCCXLV</source>
        <translation>Numeri da %1 a %2 con una barra sulle migliaia: 12345 è X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Strict numerals</source>
        <translation>Numeri rigorosi</translation>
    </message>
    <message>
        <source>Roman numerals are read only as the calculator writes them: IC is refused, with CI for 101 and XCIX for 99</source>
        <translation>I numeri romani sono letti solo come la calcolatrice li scrive: IC è rifiutato, con CI per 101 e XCIX per 99</translation>
    </message>
</context>
<context>
    <name>ParenBase</name>
    <message>
        <source>Add</source>
        <translation>Addiziona</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Moltiplica</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Sottrai</translation>
    </message>
    <message>
        <source>Start Paren</source>
        <translation>Apri parentesi</translation>
    </message>
    <message>
        <source>End Paren</source>
        <translation>Chiudi parentesi</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <extracomment>The button that clears the calculation; &amp; marks its access key, a letter that no other button of the window uses.</extracomment>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>Basic Calculations</source>
        <translation>Operazioni di base</translation>
    </message>
</context>
<context>
    <name>PropertyBag</name>
    <message>
        <source>the setting &quot;%1&quot; is not a small whole number.</source>
        <comment>follows &quot;Conversion error: &quot;; %1 is the setting&apos;s name</comment>
        <translation>l’impostazione «%1» non è un piccolo numero intero.</translation>
    </message>
</context>
<context>
    <name>RomanDisplay</name>
    <message>
        <source>Roman numeral readout</source>
        <translation>Visualizzazione in numeri romani</translation>
    </message>
</context>
<context>
    <name>RomanNumeral</name>
    <message>
        <source>Roman overflow</source>
        <comment>shown in place of a numeral for a number too large for one; never only Roman letters</comment>
        <translation>Romano: troppo grande</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for a negative number too large for one; never only Roman letters</comment>
        <translation>Romano: troppo piccolo</translation>
    </message>
    <message>
        <source> - - - - - -</source>
        <comment>shown for zero, which has no Roman numeral</comment>
        <translation> - - - - - -</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1: non è un numero</translation>
    </message>
    <message>
        <source>%1: %2 is too large for Roman numerals</source>
        <translation>%1: %2 è troppo grande per i numeri romani</translation>
    </message>
    <message>
        <source>%1: %2 is too small for Roman numerals</source>
        <translation>%1: %2 è troppo piccolo per i numeri romani</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 arrotondato non dà alcun numero romano</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a Roman numeral and its decimal value, e.g. XIV: 14</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, rounded to twelfths</source>
        <comment>a Roman numeral and the decimal value it rounds</comment>
        <translation>%1: %2, arrotondato ai dodicesimi</translation>
    </message>
    <message>
        <source>%1: %2 rounds to a number beyond Roman numerals</source>
        <comment>the readout&apos;s text and a decimal number</comment>
        <translation>%1: %2 si arrotonda a un numero oltre i numeri romani</translation>
    </message>
    <message>
        <source>%1: %2, rounded</source>
        <comment>a Roman numeral and the decimal value it rounds to a whole number</comment>
        <translation>%1: %2, arrotondato</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error %1: %2</source>
        <comment>%1 is the error&apos;s number, %2 its message</comment>
        <translation>Errore di esecuzione %1: %2</translation>
    </message>
    <message>
        <source>Overflow: a number grew too large for the space it has.</source>
        <translation>Overflow: un numero è diventato troppo grande per lo spazio che ha.</translation>
    </message>
    <message>
        <source>Conversion error: %1</source>
        <comment>%1 says which setting and why</comment>
        <translation>Errore di conversione: %1</translation>
    </message>
    <message>
        <source>Arithmetic error: the result is too large, or not a number.</source>
        <translation>Errore di calcolo: il risultato è troppo grande, o non è un numero.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>roman-calculator: your settings could not be saved in %1</source>
        <translation>roman-calculator: non è stato possibile salvare le impostazioni in %1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved in %1 now; they are kept until they can be</source>
        <translation>Le impostazioni non si possono salvare ora in %1; restano finché non sarà possibile</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Pila delle parentesi</translation>
    </message>
    <message>
        <source>Open parentheses</source>
        <translation>Parentesi aperte</translation>
    </message>
    <message>
        <source>a new calculation</source>
        <comment>what a parenthesis opened with nothing pending waits for</comment>
        <translation>un nuovo calcolo</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open, innermost first, each waiting to finish: %1</source>
        <comment>%1 lists what each waits for, as in 2 ×, 3 +</comment>
        <translation>
            <numerusform>%n parentesi aperta, che attende di finire: %1</numerusform>
            <numerusform>%n parentesi aperte, la più interna per prima, ciascuna attende di finire: %1</numerusform>
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
        <translation>%1 non è né un numero né un numero romano</translation>
    </message>
    <message>
        <source>%1; %2 was not used</source>
        <comment>%1 is the sentence before, %2 a quoted key</comment>
        <translation>%1; %2 non è stato usato</translation>
    </message>
    <message>
        <source>%1 reads as %2</source>
        <translation>%1 si legge %2</translation>
    </message>
    <message>
        <source>%1 reads as %2 (standard form %3)</source>
        <translation>%1 si legge %2 (forma usuale %3)</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open</source>
        <translation>
            <numerusform>%n parentesi aperta</numerusform>
            <numerusform>%n parentesi aperte</numerusform>
        </translation>
    </message>
    <message>
        <source>the outermost one was dropped</source>
        <translation>la più esterna è stata scartata</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copiato</translation>
    </message>
    <message>
        <source>%1 is too large for the calculator; the largest number is %2</source>
        <translation>%1 è troppo grande per la calcolatrice; il numero più grande è %2</translation>
    </message>
    <message>
        <source>%1; the decimal separator here is %2</source>
        <comment>%1 is the sentence before</comment>
        <translation>%1; il separatore decimale qui è %2</translation>
    </message>
    <message>
        <source>%1; the paste stopped there, and %2 was not entered</source>
        <comment>%1 is the sentence before, %2 the quoted rest of the pasted text</comment>
        <translation>%1; l’incolla si è fermato lì, e %2 non è stato inserito</translation>
    </message>
    <message>
        <source>%1 reads as %2; reading stopped at %3</source>
        <translation>%1 si legge %2; la lettura si è fermata a %3</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend: %1</source>
        <translation>Dividere per zero mantiene il dividendo: %1</translation>
    </message>
    <message>
        <source>(…) = %1, waiting for the next operation</source>
        <comment>the value of the parentheses just closed</comment>
        <translation>(…) = %1, in attesa della prossima operazione</translation>
    </message>
    <message>
        <source>Cleared; an operation key now starts from %1, a number typed first replaces it</source>
        <comment>after the clear key, which keeps the last number entered</comment>
        <translation>Azzerato; un tasto di operazione ora parte da %1, un numero digitato prima lo sostituisce</translation>
    </message>
    <message>
        <source>Press r or Escape to start again</source>
        <comment>r is the letter typed to clear in every language; Escape is the key</comment>
        <translation>Premi r o Esc per ricominciare</translation>
    </message>
    <message>
        <source>⚠ %1</source>
        <comment>an error&apos;s message</comment>
        <translation>⚠ %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lines calculated</source>
        <translation>
            <numerusform>%n riga calcolata</numerusform>
            <numerusform>%n righe calcolate</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; line %2: %3</source>
        <comment>%1 says how many lines were calculated, %2 is the line that stopped, %3 why</comment>
        <translation>%1; riga %2: %3</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <comment>a Roman numeral and its decimal value, e.g. CI is 101</comment>
        <translation>%1 è %2</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral, and %2 has none</source>
        <comment>%1 is a Roman numeral as typed, %2 the decimal value the lenient rules give it</comment>
        <translation>%1 non è un numero usuale, e %2 non ne ha</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral: %2</source>
        <comment>%1 is a Roman numeral as typed, %2 a list of standard numerals and their values</comment>
        <translation>%1 non è un numero usuale: %2</translation>
    </message>
    <message>
        <source>%1 %2 waits for a number; %3 replaced %4</source>
        <comment>%1 %2 is the result so far and the operation waiting, %3 that key and %4 the one pressed before it, as in: 5 * waits for a number; * replaced +</comment>
        <translation>%1 %2 attende un numero; %3 ha sostituito %4</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n open parentheses first</source>
        <comment>the equals key finishes the calculations in parentheses before the whole one</comment>
        <translation>
            <numerusform>«=» ha chiuso prima %n parentesi aperta</numerusform>
            <numerusform>«=» ha chiuso prima %n parentesi aperte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded</source>
        <comment>%1 is a decimal number, %2 the Roman numeral shown for it</comment>
        <translation>%1 è mostrato arrotondato come %2</translation>
    </message>
    <message>
        <source>%1 (%2 writes %3)</source>
        <comment>%1 is the sentence before, %2 the name of the choice, %3 the numeral it writes</comment>
        <translation>%1 (%2 scrive %3)</translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded to twelfths</source>
        <comment>%1 is a decimal number, %2 its Roman numeral with S and dots</comment>
        <translation>%1 è mostrato arrotondato ai dodicesimi come %2</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral and is shown as zero</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 non si arrotonda ad alcun numero romano ed è mostrato come zero</translation>
    </message>
    <message>
        <source>%1 rounds to a number beyond Roman numerals</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 si arrotonda a un numero oltre i numeri romani</translation>
    </message>
    <message>
        <source>written %1, calculated %2</source>
        <comment>a result a line wrote down, and the one the calculator calculated for it</comment>
        <translation>scritto %1, calcolato %2</translation>
    </message>
    <message>
        <source>a numeral marked ≈ is calculated as written, and the results written after it are not checked</source>
        <comment>≈ marks a Roman numeral the tape rounded, as in ≈II for 2.25</comment>
        <translation>un numero segnato ≈ è calcolato come è scritto, e i risultati scritti dopo non sono verificati</translation>
    </message>
    <message>
        <source>%1 is too long to be a number: an entry has at most %2 characters</source>
        <translation>%1 è troppo lungo per essere un numero: una voce ha al massimo %2 caratteri</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>÷ 0 keeps the dividend</source>
        <comment>written after a calculation, such as 5 ÷ 0 = 5</comment>
        <translation>÷ 0 mantiene il dividendo</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n parentheses</source>
        <comment>written after a calculation whose open parentheses the equals key closed</comment>
        <translation>
            <numerusform>«=» ha chiuso %n parentesi</numerusform>
            <numerusform>«=» ha chiuso %n parentesi</numerusform>
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
        <translation>Nastro, stampato il %1</translation>
    </message>
</context>
<context>
    <name>TapeFile</name>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1</source>
        <translation>
            <numerusform>roman-calculator: non è stato possibile salvare %n voce del nastro in %1</numerusform>
            <numerusform>roman-calculator: non è stato possibile salvare %n voci del nastro in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1; they are kept in %2, and go into the tape when the calculator next starts</source>
        <translation>
            <numerusform>roman-calculator: non è stato possibile salvare %n voce del nastro in %1; resta in %2 ed entra nel nastro al prossimo avvio della calcolatrice</numerusform>
            <numerusform>roman-calculator: non è stato possibile salvare %n voci del nastro in %1; restano in %2 ed entrano nel nastro al prossimo avvio della calcolatrice</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TapePanel</name>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Nastro</translation>
    </message>
    <message>
        <source>Show or hide the tape (%1)</source>
        <comment>%1 names the keys that do it, e.g. F9, Alt+T</comment>
        <translation>Mostra o nascondi il nastro (%1)</translation>
    </message>
    <message>
        <source>Tape</source>
        <extracomment>The list beside the calculator, as a screen reader names it. Each thing has one word in every text, the help&apos;s and the menus&apos; too: the tape; an entry (a calculation on the tape, not what is typed); Clear (the button, and r); all clear (Escape); a readout (either of the two displays); the type-in box; the keypad; the keyboard; the help.</extracomment>
        <translatorcomment>Glossario, una parola per ogni cosa: nastro (tape); voce (entry del nastro); inserimento (ciò che si digita); Azzera (Clear, e r); Azzerare tutto (all clear, Esc); visualizzazione (readout); area di inserimento (type-in box); tastierino (keypad); tastiera (keyboard); operazione (operation); aiuto (help).</translatorcomment>
        <translation>Nastro</translation>
    </message>
    <message>
        <source>Copy result (&amp;Roman)</source>
        <translation>Copia il risultato (&amp;romano)</translation>
    </message>
    <message>
        <source>Copy result (&amp;decimal)</source>
        <translation>Copia il risultato (&amp;decimale)</translation>
    </message>
    <message>
        <source>&amp;Copy entry</source>
        <translation>&amp;Copia la voce</translation>
    </message>
    <message>
        <source>Copy &amp;whole tape</source>
        <translation>Copia &amp;tutto il nastro</translation>
    </message>
    <message>
        <source>C&amp;lear tape</source>
        <translation>S&amp;vuota il nastro</translation>
    </message>
    <message>
        <source>The tape in %1 could not be read; it is kept as %2, and a new tape begins</source>
        <translation>Il nastro in %1 non si è potuto leggere; è conservato come %2, e comincia un nuovo nastro</translation>
    </message>
    <message>
        <source>The tape cannot be saved in %1; it is kept until the window closes</source>
        <translation>Il nastro non si può salvare in %1; resta finché la finestra non si chiude</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries</source>
        <translation>
            <numerusform>%n voce copiata</numerusform>
            <numerusform>%n voci copiate</numerusform>
        </translation>
    </message>
    <message>
        <source>Every calculation that ends with = is kept here, in both numeral forms. F9 hides the tape.</source>
        <translation>Ogni calcolo che finisce con = resta qui, in entrambe le scritture. F9 nasconde il nastro.</translation>
    </message>
    <message>
        <source>D&amp;elete entry</source>
        <translation>&amp;Elimina la voce</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Print tape…</source>
        <translation>Stam&amp;pa il nastro…</translation>
    </message>
    <message>
        <source>E&amp;xport tape…</source>
        <translation>Esp&amp;orta il nastro…</translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries, also kept in %1); %2 brings them back</source>
        <comment>%2 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Nastro svuotato (%n voce, conservata anche in %1); %2 la ripristina</numerusform>
            <numerusform>Nastro svuotato (%n voci, conservate anche in %1); %2 le ripristina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries); %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Nastro svuotato (%n voce); %1 la ripristina</numerusform>
            <numerusform>Nastro svuotato (%n voci); %1 le ripristina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n entries; %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>%n voce eliminata; %1 la ripristina</numerusform>
            <numerusform>%n voci eliminate; %1 le ripristina</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing deleted from the tape to bring back</source>
        <translation>Nulla di eliminato dal nastro da ripristinare</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n entries</source>
        <translation>
            <numerusform>%n voce ripristinata</numerusform>
            <numerusform>%n voci ripristinate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Printed %n entries</source>
        <translation>
            <numerusform>%n voce stampata</numerusform>
            <numerusform>%n voci stampate</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (*.csv)</source>
        <translation>CSV, per fogli di calcolo (*.csv)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Testo semplice (*.txt)</translation>
    </message>
    <message>
        <source>Export tape</source>
        <translation>Esporta il nastro</translation>
    </message>
    <message>
        <source>The tape could not be exported to %1: %2</source>
        <translation>Non è stato possibile esportare il nastro in %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n entries to %1</source>
        <translation>
            <numerusform>%n voce esportata in %1</numerusform>
            <numerusform>%n voci esportate in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TypeInPad</name>
    <message>
        <source>Type-in pad</source>
        <translation>Area di inserimento</translation>
    </message>
    <message>
        <source>Enter Numbers here</source>
        <translation>Inserisci qui i numeri</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>a button; give it no access key</comment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Not readable</source>
        <comment>the name of the mark on an entry that is not a number</comment>
        <translation>Non leggibile</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Calculates &lt;expression&gt; as if typed into the window and prints the result, decimal and Roman, separated by a tab. With -, reads one calculation a line from standard input.</source>
        <translation>Calcola &lt;espressione&gt; come se fosse digitata nella finestra e stampa il risultato, decimale e romano, separati da una tabulazione. Con - legge un calcolo per riga dall’input standard.</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>espressione</translation>
    </message>
    <message>
        <source>Try --help for the options.</source>
        <translation>Prova --help per le opzioni.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca un valore dopo «%1».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>There is no display to open the window on; --eval calculates without one.</source>
        <translation>Non c’è uno schermo su cui aprire la finestra; --eval calcola senza.</translation>
    </message>
    <message>
        <source>Keeps the tape of calculations in memory only: nothing is read or saved.</source>
        <translation>Tiene il nastro dei calcoli solo in memoria: nulla viene letto o salvato.</translation>
    </message>
    <message>
        <source>Writes fractions in Roman twelfths, for this run: 1.5 is IS, 2.25 is II···.</source>
        <translation>Scrive le frazioni in dodicesimi romani, per questa esecuzione: 1,5 è IS, 2,25 è II···.</translation>
    </message>
    <message>
        <source>Writes numbers from %1 to %2 with a bar over the thousands, for this run: 12345 is X̅I̅I̅CCCXLV.</source>
        <translation>Scrive i numeri da %1 a %2 con una barra sulle migliaia, per questa esecuzione: 12345 è X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>A calculator for Roman, decimal and hexadecimal numerals, from left to right.
Its window shows each number as a decimal and a Roman numeral, keeps a tape
of every calculation (F9) and calculates pasted text line by line; its
right-click menu offers large numbers with bars and fractions in twelfths.
--eval calculates without a window and prints decimal&lt;TAB&gt;Roman per line.</source>
        <extracomment>The start of --help: what the program does. Lines of at most 79 characters.</extracomment>
        <translation>Una calcolatrice per numeri romani, decimali ed esadecimali, valutati da sinistra a destra. La sua finestra mostra ogni numero in decimale e in romano, tiene ogni calcolo su un nastro (F9) e calcola il testo incollato riga per riga; il suo menu contestuale offre i numeri grandi con le barre e le frazioni in dodicesimi. --eval calcola senza finestra e stampa decimale&lt;TAB&gt;romano per riga.</translation>
    </message>
    <message>
        <source>Reads Roman numerals only as the calculator writes them, for this run: IC is refused, and the standard numerals near it are named.</source>
        <translation>Legge i numeri romani solo come la calcolatrice li scrive, per questa esecuzione: IC è rifiutato, e i numeri usuali vicini sono nominati.</translation>
    </message>
    <message>
        <source>With --eval, adds a third field to each line: how the Roman numeral is built, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</source>
        <translation>Con --eval, aggiunge a ogni riga un terzo campo: come è composto il numero romano, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</translation>
    </message>
    <message>
        <source>--explain goes with --eval.</source>
        <translation>--explain va con --eval.</translation>
    </message>
</context>
</TS>
