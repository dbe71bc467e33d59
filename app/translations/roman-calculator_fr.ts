<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Affichage en chiffres arabes</translation>
    </message>
</context>
<context>
    <name>Calvaran</name>
    <message>
        <source>Status line</source>
        <translation>Ligne d’état</translation>
    </message>
    <message>
        <source>Roman Numeral Calculator</source>
        <translation>Calculatrice en chiffres romains</translation>
    </message>
    <message>
        <source>Normal (Arabic) numerals</source>
        <translation>Chiffres normaux (arabes)</translation>
    </message>
    <message>
        <source>Roman Numerals</source>
        <translation>Chiffres romains</translation>
    </message>
</context>
<context>
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>ParenBase</name>
    <message>
        <source>Add</source>
        <translation>Additionner</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Soustraire</translation>
    </message>
    <message>
        <source>Start Paren</source>
        <translation>Ouvrir la parenthèse</translation>
    </message>
    <message>
        <source>End Paren</source>
        <translation>Fermer la parenthèse</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <extracomment>The button that clears the calculation; &amp; marks its access key, a letter that no other button of the window uses.</extracomment>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Basic Calculations</source>
        <translation>Opérations de base</translation>
    </message>
</context>
<context>
    <name>PropertyBag</name>
    <message>
        <source>the setting &quot;%1&quot; is not a small whole number.</source>
        <comment>follows &quot;Conversion error: &quot;; %1 is the setting&apos;s name</comment>
        <translation>le réglage «&#xa0;%1&#xa0;» n’est pas un petit nombre entier.</translation>
    </message>
</context>
<context>
    <name>RomanDisplay</name>
    <message>
        <source>Roman numeral readout</source>
        <translation>Affichage en chiffres romains</translation>
    </message>
</context>
<context>
    <name>RomanNumeral</name>
    <message>
        <source>Roman overflow</source>
        <comment>shown in place of a numeral for numbers from 9000 up; never only Roman letters</comment>
        <translation>Romain&#xa0;: trop grand</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for numbers from -9000 down; never only Roman letters</comment>
        <translation>Romain&#xa0;: trop petit</translation>
    </message>
    <message>
        <source> - - - - - -</source>
        <comment>shown for zero, which has no Roman numeral</comment>
        <translation> - - - - - -</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1&#xa0;: pas un nombre</translation>
    </message>
    <message>
        <source>%1: %2 is too large for Roman numerals</source>
        <translation>%1&#xa0;: %2 est trop grand pour les chiffres romains</translation>
    </message>
    <message>
        <source>%1: %2 is too small for Roman numerals</source>
        <translation>%1&#xa0;: %2 est trop petit pour les chiffres romains</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>zéro</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 arrondi ne donne aucun chiffre romain</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a Roman numeral and its decimal value, e.g. XIV: 14</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error %1: %2</source>
        <comment>%1 is the error&apos;s number, %2 its message</comment>
        <translation>Erreur d’exécution %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Overflow: a number grew too large for the space it has.</source>
        <translation>Dépassement de capacité&#xa0;: un nombre est devenu trop grand pour la place dont il dispose.</translation>
    </message>
    <message>
        <source>Conversion error: %1</source>
        <comment>%1 says which setting and why</comment>
        <translation>Erreur de conversion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Arithmetic error: the result is too large, or not a number.</source>
        <translation>Erreur de calcul : le résultat est trop grand, ou n’est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Pile des parenthèses</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>the quotation marks around a text the person typed</comment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is not a number or a Roman numeral</source>
        <translation>%1 n’est ni un nombre ni un chiffre romain</translation>
    </message>
    <message>
        <source>%1; %2 was not used</source>
        <comment>%1 is the sentence before, %2 a quoted key</comment>
        <translation>%1&#xa0;; %2 n’a pas été utilisé</translation>
    </message>
    <message>
        <source>%1 reads as %2</source>
        <translation>%1 se lit %2</translation>
    </message>
    <message>
        <source>%1 reads as %2 (standard form %3)</source>
        <translation>%1 se lit %2 (forme usuelle %3)</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open</source>
        <translation>
            <numerusform>%n parenthèse ouverte</numerusform>
            <numerusform>%n parenthèses ouvertes</numerusform>
        </translation>
    </message>
    <message>
        <source>the outermost one was dropped</source>
        <translation>la plus extérieure a été abandonnée</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copié</translation>
    </message>
    <message>
        <source>%1 is too large for the calculator; the largest number is %2</source>
        <translation>%1 est trop grand pour la calculatrice ; le plus grand nombre est %2</translation>
    </message>
    <message>
        <source>%1; the decimal separator here is %2</source>
        <comment>%1 is the sentence before</comment>
        <translation>%1 ; le séparateur décimal est ici %2</translation>
    </message>
    <message>
        <source>%1; the paste stopped there, and %2 was not entered</source>
        <comment>%1 is the sentence before, %2 the quoted rest of the pasted text</comment>
        <translation>%1 ; le collage s’est arrêté là, et %2 n’a pas été saisi</translation>
    </message>
    <message>
        <source>%1 reads as %2; reading stopped at %3</source>
        <translation>%1 se lit %2 ; la lecture s’est arrêtée à %3</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend: %1</source>
        <translation>Diviser par zéro garde le dividende : %1</translation>
    </message>
    <message>
        <source>(…) = %1, waiting for the next operation</source>
        <comment>the value of the parentheses just closed</comment>
        <translation>(…) = %1, en attente de l’opération suivante</translation>
    </message>
    <message>
        <source>Cleared; an operation key now starts from %1, a number typed first replaces it</source>
        <comment>after the clear key, which keeps the last number entered</comment>
        <translation>Effacé ; une touche d’opération part maintenant de %1, un nombre tapé d’abord le remplace</translation>
    </message>
    <message>
        <source>Press r or Escape to start again</source>
        <comment>r is the letter typed to clear in every language; Escape is the key</comment>
        <translation>Appuyez sur r ou Échap pour recommencer</translation>
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
        <translation>%1 ; ÷ 0 garde le dividende</translation>
    </message>
</context>
<context>
    <name>TapePanel</name>
    <message>
        <source>&amp;Tape</source>
        <translation>R&amp;uban</translation>
    </message>
    <message>
        <source>Show or hide the tape (%1)</source>
        <comment>%1 names the keys that do it, e.g. F9, Alt+T</comment>
        <translation>Afficher ou masquer le ruban (%1)</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Ruban</translation>
    </message>
    <message>
        <source>Copy result (&amp;Roman)</source>
        <translation>Copier le résultat (&amp;romain)</translation>
    </message>
    <message>
        <source>Copy result (&amp;decimal)</source>
        <translation>Copier le résultat (&amp;décimal)</translation>
    </message>
    <message>
        <source>&amp;Copy entry</source>
        <translation>&amp;Copier l’entrée</translation>
    </message>
    <message>
        <source>Copy &amp;whole tape</source>
        <translation>Copier &amp;tout le ruban</translation>
    </message>
    <message>
        <source>C&amp;lear tape</source>
        <translation>&amp;Vider le ruban</translation>
    </message>
    <message>
        <source>The tape in %1 could not be read; it is kept as %2, and a new tape begins</source>
        <translation>Le ruban dans %1 n’a pas pu être lu ; il est conservé sous %2, et un nouveau ruban commence</translation>
    </message>
    <message>
        <source>The tape cannot be saved in %1; it is kept until the window closes</source>
        <translation>Le ruban ne peut pas être enregistré dans %1 ; il est gardé jusqu’à la fermeture de la fenêtre</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries</source>
        <translation>
            <numerusform>%n entrée copiée</numerusform>
            <numerusform>%n entrées copiées</numerusform>
        </translation>
    </message>
    <message>
        <source>Every calculation that ends with = is kept here, in both numeral forms. F9 hides the tape.</source>
        <translation>Chaque calcul terminé par = est gardé ici, dans les deux écritures. F9 masque le ruban.</translation>
    </message>
</context>
<context>
    <name>TypeInPad</name>
    <message>
        <source>Type-in pad</source>
        <translation>Zone de saisie</translation>
    </message>
    <message>
        <source>Enter Numbers here</source>
        <translation>Saisissez les nombres ici</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>a button; give it no access key</comment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Not readable</source>
        <comment>the name of the mark on an entry that is not a number</comment>
        <translation>Illisible</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A calculator for Roman, decimal and hexadecimal numerals, evaluated from left to right.</source>
        <translation>Une calculatrice pour les nombres romains, décimaux et hexadécimaux, évalués de gauche à droite.</translation>
    </message>
    <message>
        <source>Calculates &lt;expression&gt; as if typed into the window and prints the result, decimal and Roman, separated by a tab. With -, reads one calculation a line from standard input.</source>
        <translation>Calcule &lt;expression&gt; comme si elle était tapée dans la fenêtre et affiche le résultat, décimal et romain, séparés par une tabulation. Avec -, lit un calcul par ligne sur l’entrée standard.</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>expression</translation>
    </message>
    <message>
        <source>Try --help for the options.</source>
        <translation>Essayez --help pour voir les options.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Il manque une valeur après « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>There is no display to open the window on; --eval calculates without one.</source>
        <translation>Il n’y a pas d’écran où ouvrir la fenêtre ; --eval calcule sans écran.</translation>
    </message>
    <message>
        <source>Keeps the tape of calculations in memory only: nothing is read or saved.</source>
        <translation>Garde le ruban des calculs en mémoire seulement : rien n’est lu ni enregistré.</translation>
    </message>
</context>
</TS>
