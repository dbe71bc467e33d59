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
    <message>
        <source>Entering the paste: %1% (Escape stops it)</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Saisie du collage&#xa0;: %1&#xa0;% (Échap l’arrête)</translation>
    </message>
    <message>
        <source>The paste was stopped at %1%: what came before was entered, the rest was not</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Le collage a été arrêté à %1&#xa0;%&#xa0;: ce qui précédait a été saisi, le reste non</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Calculator</source>
        <extracomment>The kind of program, as an application menu lists it.</extracomment>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Calculate with Roman, decimal and hexadecimal numerals</source>
        <extracomment>The one-line summary in the application menu and the software centre.</extracomment>
        <translation>Calculer en chiffres romains, décimaux et hexadécimaux</translation>
    </message>
    <message>
        <source>roman;numeral;calculator;decimal;hexadecimal;arithmetic;</source>
        <extracomment>Words the application menu&apos;s search finds the program by, each ended by a semicolon; the English words may stay as well.</extracomment>
        <translation>romain;chiffre;nombre;calculatrice;décimal;hexadécimal;arithmétique;</translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>Chiffre romain</translation>
    </message>
    <message>
        <source>calculator</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>calculatrice</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>hexadécimal</translation>
    </message>
    <message>
        <source>A small desktop calculator for Roman numerals. Type numbers as decimal numerals, as Roman numerals in either case, or as hexadecimal numbers after the prefix 0X, and combine them with + - * / and parentheses by typing or by clicking the keypad. Every number you enter and every result shows at once as a decimal numeral and as a Roman numeral.</source>
        <extracomment>The software centre&apos;s description of the program.</extracomment>
        <translation>Une petite calculatrice de bureau pour les chiffres romains. Saisissez les nombres en chiffres décimaux, en chiffres romains majuscules ou minuscules, ou en hexadécimal après le préfixe 0X, et combinez-les avec + - * / et des parenthèses, au clavier ou en cliquant sur le pavé. Chaque nombre saisi et chaque résultat s’affichent aussitôt en chiffres décimaux et en chiffres romains.</translation>
    </message>
    <message>
        <source>Strictly from left to right: 2 + 3 * 4 gives 20, and parentheses group the rest</source>
        <translation>Strictement de gauche à droite&#xa0;: 2 + 3 * 4 donne 20, et les parenthèses regroupent le reste</translation>
    </message>
    <message>
        <source>Roman numerals up to %1, negative numbers in parentheses</source>
        <extracomment>%1 is the largest number written as a Roman numeral.</extracomment>
        <translation>Chiffres romains jusqu’à %1, nombres négatifs entre parenthèses</translation>
    </message>
    <message>
        <source>Roman numerals read leniently, IIII as 4, with a hint at the standard form</source>
        <translation>Chiffres romains lus avec indulgence, IIII pour 4, avec un rappel de la forme usuelle</translation>
    </message>
    <message>
        <source>A status line that explains every entry it refuses and shows the pending operation</source>
        <translation>Une ligne d’état qui explique chaque saisie refusée et montre l’opération en attente</translation>
    </message>
    <message>
        <source>Help on F1 with the keys, the forms of a number and what may surprise</source>
        <translation>Aide sur F1&#xa0;: les touches, les formes d’un nombre et ce qui peut surprendre</translation>
    </message>
    <message>
        <source>Scales with the window and with the desktop&apos;s font, and remembers its size</source>
        <translation>S’adapte à la fenêtre et à la police du bureau, et retient sa taille</translation>
    </message>
    <message>
        <source>Translated into German, French, Italian, Spanish and Latin</source>
        <translation>Traduite en allemand, français, italien, espagnol et latin</translation>
    </message>
    <message>
        <source>The calculator at twice its size, after 8888 + ic: IC reads as 101, standard form CI</source>
        <extracomment>The caption of a picture of the window in the software centre.</extracomment>
        <translation>La calculatrice en taille double, après 8888 + ic&#xa0;: IC se lit 101, forme usuelle CI</translation>
    </message>
    <message>
        <source>The help on F1: the keys, the forms of a number and what may surprise a new user</source>
        <extracomment>The caption of a picture of the help window in the software centre.</extracomment>
        <translation>L’aide sur F1&#xa0;: les touches, les formes d’un nombre et ce qui peut surprendre un nouvel utilisateur</translation>
    </message>
    <message>
        <source>Large numbers with bars, a choice in the right-click menu: %1 to %2 with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV</source>
        <extracomment>%1 and %2 are the first and the last number written with bars; the bars are combining overlines (U+0305).</extracomment>
        <translation>Grands nombres avec barres, un choix du menu contextuel&#xa0;: de %1 à %2 avec une barre au-dessus des milliers, 12345 s’écrit X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Fractions in twelfths, another choice: 1.5 as IS, 2.25 as II···</source>
        <extracomment>The numerals stay as they are: S is a half, each dot (U+00B7) a twelfth.</extracomment>
        <translation>Fractions en douzièmes, un autre choix&#xa0;: 1,5 s’écrit IS, 2,25 s’écrit II···</translation>
    </message>
    <message>
        <source>Unicode Roman numerals read too: Ⅻ as 12, ⅳ as 4, ↀ as 1000</source>
        <extracomment>The numerals are the Unicode characters U+216B, U+2173 and U+2180.</extracomment>
        <translation>Chiffres romains Unicode lus aussi&#xa0;: Ⅻ pour 12, ⅳ pour 4, ↀ pour 1000</translation>
    </message>
    <message>
        <source>A tape (F9) that keeps every calculation in both numeral forms, saved in your data folder, to copy and to reuse</source>
        <translation>Un ruban (F9) qui garde chaque calcul dans les deux écritures, enregistré dans votre dossier de données, à copier et à réutiliser</translation>
    </message>
    <message>
        <source>Whole calculations pasted at once, several lines as several calculations</source>
        <translation>Des calculs entiers collés d’un coup, plusieurs lignes comme autant de calculs</translation>
    </message>
    <message>
        <source>roman-calculator --eval calculates without a window, from the command line or standard input, and prints each result in decimal and Roman</source>
        <extracomment>&quot;roman-calculator --eval&quot; is a command and stays as it is.</extracomment>
        <translation>roman-calculator --eval calcule sans fenêtre, depuis la ligne de commande ou l’entrée standard, et affiche chaque résultat en décimal et en romain</translation>
    </message>
</context>
<context>
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>roman-calculator: the results could not be written: %1</source>
        <translation>roman-calculator&#xa0;: les résultats n’ont pas pu être écrits&#xa0;: %1</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>l’entrée standard est fermée</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>la sortie standard est fermée</translation>
    </message>
    <message>
        <source>roman-calculator: the input could not be read: %1</source>
        <translation>roman-calculator&#xa0;: l’entrée n’a pas pu être lue&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>In the type-in box: type a number, then end it with an operation; r clears the calculation.</source>
        <translation>Dans la zone de saisie&#xa0;: taper un nombre, puis le terminer par une opération&#xa0;; r efface le calcul.</translation>
    </message>
    <message>
        <source>In the type-in box: finish the entry as = does.</source>
        <translation>Dans la zone de saisie&#xa0;: terminer la saisie comme avec =.</translation>
    </message>
    <message>
        <source>Click that button of the keypad from anywhere in the window; its character is underlined while Alt is held.</source>
        <translation>Cliquer ce bouton du pavé depuis n’importe où dans la fenêtre&#xa0;; son caractère est souligné tant qu’Alt est enfoncée.</translation>
    </message>
    <message>
        <source>Move between the keypad, the readouts and the type-in box.</source>
        <translation>Passer du pavé aux affichages et à la zone de saisie.</translation>
    </message>
    <message>
        <source>In the type-in box with nothing selected: copy the result, as Copy does.</source>
        <translation>Dans la zone de saisie sans sélection&#xa0;: copier le résultat, comme Copier.</translation>
    </message>
    <message>
        <source>Paste a whole calculation, such as 12+5=, into the type-in box.</source>
        <translation>Coller un calcul entier, comme 12+5=, dans la zone de saisie.</translation>
    </message>
    <message>
        <source>Show or hide the tape, a paper-tape history of the calculations.</source>
        <translation>Afficher ou masquer le ruban, l’historique des calculs comme sur un rouleau de papier.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Quit.</source>
        <translation>Quitter.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>A decimal number, with your locale&apos;s decimal separator and an optional exponent: 1E3 is 1000.</source>
        <translation>Un nombre décimal, avec le séparateur décimal de vos paramètres régionaux et un exposant facultatif&#xa0;: 1E3 vaut 1000.</translation>
    </message>
    <message>
        <source>A Roman numeral, in either case, read leniently: IIII is 4 and VX is 15; the status line names the standard form.</source>
        <translation>Un chiffre romain, en majuscules ou minuscules, lu avec indulgence&#xa0;: IIII vaut 4 et VX vaut 15&#xa0;; la ligne d’état indique la forme usuelle.</translation>
    </message>
    <message>
        <source>A hexadecimal number after the prefix 0X: 0X1F is 31.</source>
        <translation>Un nombre hexadécimal après le préfixe 0X&#xa0;: 0X1F vaut 31.</translation>
    </message>
    <message>
        <source>The Roman readout shows numbers below %1 in size: a negative number in parentheses, (XIV), and zero as a row of dashes.</source>
        <translation>L’affichage romain montre les nombres inférieurs à %1 en valeur absolue&#xa0;: un nombre négatif entre parenthèses, (XIV), et zéro comme une rangée de tirets.</translation>
    </message>
    <message>
        <source>Strictly left to right: 2+3*4= gives 20, not 14. Parentheses group anything else: 2+(3*4)= gives 14.</source>
        <translation>Strictement de gauche à droite&#xa0;: 2+3*4= donne 20, et non 14. Les parenthèses regroupent tout le reste&#xa0;: 2+(3*4)= donne 14.</translation>
    </message>
    <message>
        <source>A closing parenthesis shows its value only at the next key: after ) the readouts still show the last number typed.</source>
        <translation>Une parenthèse fermante ne montre sa valeur qu’à la touche suivante&#xa0;: après ) les affichages montrent encore le dernier nombre tapé.</translation>
    </message>
    <message>
        <source>Good to know</source>
        <translation>Bon à savoir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: use it, share it, change it.</source>
        <translation>Logiciel libre sous licence MIT&#xa0;: utilisez-le, partagez-le, modifiez-le.</translation>
    </message>
    <message>
        <source>The project lives at %1, with its source and a place to report problems.</source>
        <translation>Le projet se trouve sur %1, avec son code source et un endroit où signaler les problèmes.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1
%2: help</source>
        <comment>a button&apos;s tooltip: what it does, then the key that opens the help</comment>
        <translation>%1
%2&#xa0;: aide</translation>
    </message>
    <message>
        <source>All clear: a fresh start, whatever the type-in box holds; the keyboard goes back to the type-in box.</source>
        <translation>Tout effacer : un nouveau départ, quel que soit le contenu de la zone de saisie ; le clavier revient à la zone de saisie.</translation>
    </message>
    <message>
        <source>In the tape: copy the selected entries; put the entry&apos;s result into the type-in box, as a double click does. Numbers and operations typed there go to the type-in box.</source>
        <translation>Dans le ruban : copier les entrées sélectionnées ; mettre le résultat de l’entrée dans la zone de saisie, comme un double-clic. Les nombres et les opérations tapés là vont dans la zone de saisie.</translation>
    </message>
    <message>
        <source>After = the result on show is what the next operation works on: 2+3= then *4= gives 20.</source>
        <translation>Après =, l’opération suivante part du résultat affiché&#xa0;: 2+3= puis *4= donne 20.</translation>
    </message>
    <message>
        <source>A - at the start, after ( or after an operation is the sign of the number after it: 100+-50= gives 50. After ), = or r it subtracts.</source>
        <translation>Un - au début, après ( ou après une opération est le signe du nombre qui suit&#xa0;: 100+-50= donne 50. Après ), = ou r, il soustrait.</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend, for that division only: 5/0= gives 5, 0+= gives 0.</source>
        <translation>Diviser par zéro garde le dividende, pour cette division seulement&#xa0;: 5/0= donne 5, 0+= donne 0.</translation>
    </message>
    <message>
        <source>After an error the readouts show no number; the next number typed starts a new calculation.</source>
        <translation>Après une erreur, les afficheurs ne montrent aucun nombre&#xa0;; le nombre tapé ensuite commence un nouveau calcul.</translation>
    </message>
    <message>
        <source>Pasted lines are calculations of their own, each finished with = unless it ends with an operation.</source>
        <translation>Les lignes collées sont des calculs distincts, chacun terminé par = sauf s’il finit par une opération.</translation>
    </message>
    <message>
        <source>Wider Roman forms, always read: a bar over a letter multiplies it by 1000 (X̅ is 10000), Unicode numerals read as their letters (Ⅻ is 12), S and dots are a half and twelfths (IIS is 2.5).</source>
        <translation>Autres formes romaines, toujours lues&#xa0;: une barre sur une lettre la multiplie par 1000 (X̅ vaut 10000), les chiffres romains Unicode valent leurs lettres (Ⅻ vaut 12), S et les points sont une moitié et des douzièmes (IIS vaut 2,5).</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: fractions are written to the nearest twelfth, 1.5 as IS and 2.25 as II···; the status line says when that rounds.</source>
        <translation>Un choix du menu contextuel de la fenêtre&#xa0;: les fractions sont écrites au douzième le plus proche, 1,5 en IS et 2,25 en II···&#xa0;; la ligne d’état dit quand cela arrondit.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: numbers from %1 to %2 are written with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV.</source>
        <translation>Un choix du menu contextuel de la fenêtre&#xa0;: les nombres de %1 à %2 sont écrits avec une barre sur les milliers, 12345 en X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>In a readout: select and copy what it shows. Numbers and operations typed there go to the type-in box.</source>
        <translation>Dans un affichage&#xa0;: sélectionner et copier ce qu’il montre. Les nombres et les opérations tapés là vont dans la zone de saisie.</translation>
    </message>
    <message>
        <source>The forms of printed books and medieval tables, always read: the apostrophus (CIↃ is 1000, IↃↃ 5000, CCIↃↃ 10000) and N or nulla for zero.</source>
        <translation>Les formes des livres imprimés et des tables médiévales, toujours lues&#xa0;: l’apostrophus (CIↃ vaut 1000, IↃↃ 5000, CCIↃↃ 10000) et N ou nulla pour zéro.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu, or --strict for one run: a Roman numeral is read only as the calculator writes it. IC is refused, and the status line names the standard numerals near it, CI for 101 and XCIX for 99.</source>
        <translation>Un choix du menu contextuel de la fenêtre, ou --strict pour une exécution&#xa0;: un chiffre romain n’est lu que tel que la calculatrice l’écrit. IC est refusé, et la ligne d’état nomme les chiffres usuels proches, CI pour 101 et XCIX pour 99.</translation>
    </message>
    <message>
        <source>In the tape: delete the selected entries.</source>
        <translation>Dans le ruban : supprimer les entrées sélectionnées.</translation>
    </message>
    <message>
        <source>Bring back the entries that the tape&apos;s last delete or clear took; a clear also keeps them in tape-cleared.txt beside the tape&apos;s file.</source>
        <translation>Rétablir les entrées que la dernière suppression ou le dernier vidage du ruban a ôtées ; un vidage les garde aussi dans tape-cleared.txt, à côté du fichier du ruban.</translation>
    </message>
    <message>
        <source>Print the tape, or save it as a PDF file.</source>
        <translation>Imprimer le ruban, ou l’enregistrer en fichier PDF.</translation>
    </message>
    <message>
        <source>A line with its result written after =, such as XII + IX = XXI, is calculated once and checked: a wrong result is named on the status line and on the tape.</source>
        <translation>Une ligne dont le résultat est écrit après =, comme XII + IX = XXI, est calculée une fois et vérifiée&#xa0;: un résultat faux est signalé sur la ligne d’état et sur le ruban.</translation>
    </message>
</context>
<context>
    <name>NumeralChoices</name>
    <message>
        <source>Large numbers with bars</source>
        <translation>Grands nombres avec barres</translation>
    </message>
    <message>
        <source>Fractions in twelfths</source>
        <translation>Fractions en douzièmes</translation>
    </message>
    <message>
        <source>Fractions to the nearest twelfth, S for a half and a dot for each twelfth: 2.25 is II···</source>
        <translation>Fractions au douzième le plus proche, S pour une moitié et un point par douzième&#xa0;: 2,25 s’écrit II···</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2 with a bar over the thousands: 12345 is X̅I̅I̅CCCXLV</source>
        <translation>Nombres de %1 à %2 avec une barre sur les milliers&#xa0;: 12345 s’écrit X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Strict numerals</source>
        <translation>Chiffres stricts</translation>
    </message>
    <message>
        <source>Roman numerals are read only as the calculator writes them: IC is refused, with CI for 101 and XCIX for 99</source>
        <translation>Les chiffres romains ne sont lus que tels que la calculatrice les écrit&#xa0;: IC est refusé, avec CI pour 101 et XCIX pour 99</translation>
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
        <comment>shown in place of a numeral for a number too large for one; never only Roman letters</comment>
        <translation>Romain&#xa0;: trop grand</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for a negative number too large for one; never only Roman letters</comment>
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
    <message>
        <source>%1: %2, rounded to twelfths</source>
        <comment>a Roman numeral and the decimal value it rounds</comment>
        <translation>%1&#xa0;: %2, arrondi aux douzièmes</translation>
    </message>
    <message>
        <source>%1: %2 rounds to a number beyond Roman numerals</source>
        <comment>the readout&apos;s text and a decimal number</comment>
        <translation>%1 : %2 s’arrondit à un nombre au-delà des chiffres romains</translation>
    </message>
    <message>
        <source>%1: %2, rounded</source>
        <comment>a Roman numeral and the decimal value it rounds to a whole number</comment>
        <translation>%1 : %2, arrondi</translation>
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
        <translation>Erreur de calcul&#xa0;: le résultat est trop grand, ou n’est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>roman-calculator: your settings could not be saved in %1</source>
        <translation>roman-calculator&#xa0;: vos réglages n’ont pas pu être enregistrés dans %1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved in %1 now; they are kept until they can be</source>
        <translation>Vos réglages ne peuvent pas être enregistrés dans %1 pour l’instant&#xa0;; ils sont gardés jusqu’à ce qu’ils puissent l’être</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Pile des parenthèses</translation>
    </message>
    <message>
        <source>Open parentheses</source>
        <translation>Parenthèses ouvertes</translation>
    </message>
    <message>
        <source>a new calculation</source>
        <comment>what a parenthesis opened with nothing pending waits for</comment>
        <translation>un nouveau calcul</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open, innermost first, each waiting to finish: %1</source>
        <comment>%1 lists what each waits for, as in 2 ×, 3 +</comment>
        <translation>
            <numerusform>%n parenthèse ouverte, qui attend pour finir : %1</numerusform>
            <numerusform>%n parenthèses ouvertes, la plus intérieure d’abord, chacune attend pour finir : %1</numerusform>
        </translation>
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
        <translation>%1 est trop grand pour la calculatrice&#xa0;; le plus grand nombre est %2</translation>
    </message>
    <message>
        <source>%1; the decimal separator here is %2</source>
        <comment>%1 is the sentence before</comment>
        <translation>%1&#xa0;; le séparateur décimal est ici %2</translation>
    </message>
    <message>
        <source>%1; the paste stopped there, and %2 was not entered</source>
        <comment>%1 is the sentence before, %2 the quoted rest of the pasted text</comment>
        <translation>%1&#xa0;; le collage s’est arrêté là, et %2 n’a pas été saisi</translation>
    </message>
    <message>
        <source>%1 reads as %2; reading stopped at %3</source>
        <translation>%1 se lit %2&#xa0;; la lecture s’est arrêtée à %3</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend: %1</source>
        <translation>Diviser par zéro garde le dividende&#xa0;: %1</translation>
    </message>
    <message>
        <source>(…) = %1, waiting for the next operation</source>
        <comment>the value of the parentheses just closed</comment>
        <translation>(…) = %1, en attente de l’opération suivante</translation>
    </message>
    <message>
        <source>Cleared; an operation key now starts from %1, a number typed first replaces it</source>
        <comment>after the clear key, which keeps the last number entered</comment>
        <translation>Effacé&#xa0;; une touche d’opération part maintenant de %1, un nombre tapé d’abord le remplace</translation>
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
    <message numerus="yes">
        <source>%n lines calculated</source>
        <translation>
            <numerusform>%n ligne calculée</numerusform>
            <numerusform>%n lignes calculées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; line %2: %3</source>
        <comment>%1 says how many lines were calculated, %2 is the line that stopped, %3 why</comment>
        <translation>%1&#xa0;; ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <comment>a Roman numeral and its decimal value, e.g. CI is 101</comment>
        <translation>%1 vaut %2</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral, and %2 has none</source>
        <comment>%1 is a Roman numeral as typed, %2 the decimal value the lenient rules give it</comment>
        <translation>%1 n’est pas un chiffre usuel, et %2 n’en a aucun</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral: %2</source>
        <comment>%1 is a Roman numeral as typed, %2 a list of standard numerals and their values</comment>
        <translation>%1 n’est pas un chiffre usuel&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 %2 waits for a number; %3 replaced %4</source>
        <comment>%1 %2 is the result so far and the operation waiting, %3 that key and %4 the one pressed before it, as in: 5 * waits for a number; * replaced +</comment>
        <translation>%1 %2 attend un nombre ; %3 a remplacé %4</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n open parentheses first</source>
        <comment>the equals key finishes the calculations in parentheses before the whole one</comment>
        <translation>
            <numerusform>« = » a d’abord fermé %n parenthèse ouverte</numerusform>
            <numerusform>« = » a d’abord fermé %n parenthèses ouvertes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded</source>
        <comment>%1 is a decimal number, %2 the Roman numeral shown for it</comment>
        <translation>%1 est affiché arrondi en %2</translation>
    </message>
    <message>
        <source>%1 (%2 writes %3)</source>
        <comment>%1 is the sentence before, %2 the name of the choice, %3 the numeral it writes</comment>
        <translation>%1 (%2 écrit %3)</translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded to twelfths</source>
        <comment>%1 is a decimal number, %2 its Roman numeral with S and dots</comment>
        <translation>%1 est affiché arrondi aux douzièmes en %2</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral and is shown as zero</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 ne s’arrondit à aucun chiffre romain et s’affiche comme zéro</translation>
    </message>
    <message>
        <source>%1 rounds to a number beyond Roman numerals</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 s’arrondit à un nombre au-delà des chiffres romains</translation>
    </message>
    <message>
        <source>written %1, calculated %2</source>
        <comment>a result a line wrote down, and the one the calculator calculated for it</comment>
        <translation>écrit %1, calculé %2</translation>
    </message>
    <message>
        <source>a numeral marked ≈ is calculated as written, and the results written after it are not checked</source>
        <comment>≈ marks a Roman numeral the tape rounded, as in ≈II for 2.25</comment>
        <translation>un chiffre marqué ≈ est calculé tel qu’il est écrit, et les résultats écrits après lui ne sont pas vérifiés</translation>
    </message>
    <message>
        <source>%1 is too long to be a number: an entry has at most %2 characters</source>
        <translation>%1 est trop long pour être un nombre : une saisie a au plus %2 caractères</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>÷ 0 keeps the dividend</source>
        <comment>written after a calculation, such as 5 ÷ 0 = 5</comment>
        <translation>÷ 0 garde le dividende</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n parentheses</source>
        <comment>written after a calculation whose open parentheses the equals key closed</comment>
        <translation>
            <numerusform>« = » a fermé %n parenthèse</numerusform>
            <numerusform>« = » a fermé %n parenthèses</numerusform>
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
        <translation>Ruban, imprimé le %1</translation>
    </message>
</context>
<context>
    <name>TapeFile</name>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1</source>
        <translation>
            <numerusform>roman-calculator&#xa0;: %n entrée du ruban n’a pas pu être enregistrée dans %1</numerusform>
            <numerusform>roman-calculator&#xa0;: %n entrées du ruban n’ont pas pu être enregistrées dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1; they are kept in %2, and go into the tape when the calculator next starts</source>
        <translation>
            <numerusform>roman-calculator&#xa0;: %n entrée du ruban n’a pas pu être enregistrée dans %1&#xa0;; elle est gardée dans %2 et rejoint le ruban au prochain démarrage de la calculatrice</numerusform>
            <numerusform>roman-calculator&#xa0;: %n entrées du ruban n’ont pas pu être enregistrées dans %1&#xa0;; elles sont gardées dans %2 et rejoignent le ruban au prochain démarrage de la calculatrice</numerusform>
        </translation>
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
        <extracomment>The list beside the calculator, as a screen reader names it. Each thing has one word in every text, the help&apos;s and the menus&apos; too: the tape; an entry (a calculation on the tape, not what is typed); Clear (the button, and r); all clear (Escape); a readout (either of the two displays); the type-in box; the keypad; the keyboard; the help.</extracomment>
        <translatorcomment>Glossaire, un mot par chose : ruban (tape) ; entrée (entry du ruban) ; saisie (ce qui est tapé) ; Effacer (Clear, et r) ; Tout effacer (all clear, Échap) ; affichage (readout) ; zone de saisie (type-in box) ; pavé (keypad) ; clavier (keyboard) ; opération (operation) ; aide (help) ; chiffres romains (Roman numerals).</translatorcomment>
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
        <translation>Le ruban dans %1 n’a pas pu être lu&#xa0;; il est conservé sous %2, et un nouveau ruban commence</translation>
    </message>
    <message>
        <source>The tape cannot be saved in %1; it is kept until the window closes</source>
        <translation>Le ruban ne peut pas être enregistré dans %1&#xa0;; il est gardé jusqu’à la fermeture de la fenêtre</translation>
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
    <message>
        <source>D&amp;elete entry</source>
        <translation>&amp;Supprimer l’entrée</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Print tape…</source>
        <translation>Im&amp;primer le ruban…</translation>
    </message>
    <message>
        <source>E&amp;xport tape…</source>
        <translation>E&amp;xporter le ruban…</translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries, also kept in %1); %2 brings them back</source>
        <comment>%2 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Ruban vidé (%n entrée, gardée aussi dans %1) ; %2 la rétablit</numerusform>
            <numerusform>Ruban vidé (%n entrées, gardées aussi dans %1) ; %2 les rétablit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries); %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Ruban vidé (%n entrée) ; %1 la rétablit</numerusform>
            <numerusform>Ruban vidé (%n entrées) ; %1 les rétablit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n entries; %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>%n entrée supprimée ; %1 la rétablit</numerusform>
            <numerusform>%n entrées supprimées ; %1 les rétablit</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing deleted from the tape to bring back</source>
        <translation>Rien de supprimé du ruban à rétablir</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n entries</source>
        <translation>
            <numerusform>%n entrée rétablie</numerusform>
            <numerusform>%n entrées rétablies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Printed %n entries</source>
        <translation>
            <numerusform>%n entrée imprimée</numerusform>
            <numerusform>%n entrées imprimées</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (*.csv)</source>
        <translation>CSV, pour les tableurs (*.csv)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>Export tape</source>
        <translation>Exporter le ruban</translation>
    </message>
    <message>
        <source>The tape could not be exported to %1: %2</source>
        <translation>Le ruban n’a pas pu être exporté vers %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n entries to %1</source>
        <translation>
            <numerusform>%n entrée exportée vers %1</numerusform>
            <numerusform>%n entrées exportées vers %1</numerusform>
        </translation>
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
        <translation>Il manque une valeur après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is no display to open the window on; --eval calculates without one.</source>
        <translation>Il n’y a pas d’écran où ouvrir la fenêtre&#xa0;; --eval calcule sans écran.</translation>
    </message>
    <message>
        <source>Keeps the tape of calculations in memory only: nothing is read or saved.</source>
        <translation>Garde le ruban des calculs en mémoire seulement&#xa0;: rien n’est lu ni enregistré.</translation>
    </message>
    <message>
        <source>Writes fractions in Roman twelfths, for this run: 1.5 is IS, 2.25 is II···.</source>
        <translation>Écrit les fractions en douzièmes romains, pour cette exécution&#xa0;: 1,5 s’écrit IS, 2,25 II···.</translation>
    </message>
    <message>
        <source>Writes numbers from %1 to %2 with a bar over the thousands, for this run: 12345 is X̅I̅I̅CCCXLV.</source>
        <translation>Écrit les nombres de %1 à %2 avec une barre sur les milliers, pour cette exécution&#xa0;: 12345 s’écrit X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>A calculator for Roman, decimal and hexadecimal numerals, from left to right.
Its window shows each number as a decimal and a Roman numeral, keeps a tape
of every calculation (F9) and calculates pasted text line by line; its
right-click menu offers large numbers with bars and fractions in twelfths.
--eval calculates without a window and prints decimal&lt;TAB&gt;Roman per line.</source>
        <extracomment>The start of --help: what the program does. Lines of at most 79 characters.</extracomment>
        <translation>Une calculatrice pour les nombres romains, décimaux et hexadécimaux, évalués de gauche à droite. Sa fenêtre montre chaque nombre en décimal et en romain, garde chaque calcul sur un ruban (F9) et calcule le texte collé ligne par ligne&#xa0;; son menu contextuel propose les grands nombres avec barres et les fractions en douzièmes. --eval calcule sans fenêtre et affiche décimal&lt;TAB&gt;romain par ligne.</translation>
    </message>
    <message>
        <source>Reads Roman numerals only as the calculator writes them, for this run: IC is refused, and the standard numerals near it are named.</source>
        <translation>Ne lit les chiffres romains que tels que la calculatrice les écrit, pour cette exécution&#xa0;: IC est refusé, et les chiffres usuels proches sont nommés.</translation>
    </message>
    <message>
        <source>With --eval, adds a third field to each line: how the Roman numeral is built, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</source>
        <translation>Avec --eval, ajoute un troisième champ à chaque ligne&#xa0;: comment le chiffre romain est construit, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</translation>
    </message>
    <message>
        <source>--explain goes with --eval.</source>
        <translation>--explain va avec --eval.</translation>
    </message>
</context>
</TS>
