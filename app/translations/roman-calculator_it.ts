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
</context>
<context>
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>riga %1: %2</translation>
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
        <comment>shown in place of a numeral for numbers from 9000 up; never only Roman letters</comment>
        <translation>Romano: troppo grande</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for numbers from -9000 down; never only Roman letters</comment>
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
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Pila delle parentesi</translation>
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
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1; ÷ 0 keeps the dividend</source>
        <comment>%1 is a calculation written out, such as 5 ÷ 0 = 5</comment>
        <translation>%1; ÷ 0 mantiene il dividendo</translation>
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
        <source>A calculator for Roman, decimal and hexadecimal numerals, evaluated from left to right.</source>
        <translation>Una calcolatrice per numeri romani, decimali ed esadecimali, valutati da sinistra a destra.</translation>
    </message>
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
</context>
</TS>
