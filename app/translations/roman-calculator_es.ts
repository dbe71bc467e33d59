<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Visor de números arábigos</translation>
    </message>
</context>
<context>
    <name>Calvaran</name>
    <message>
        <source>Status line</source>
        <translation>Línea de estado</translation>
    </message>
    <message>
        <source>Roman Numeral Calculator</source>
        <translation>Calculadora de números romanos</translation>
    </message>
    <message>
        <source>Normal (Arabic) numerals</source>
        <translation>Números normales (arábigos)</translation>
    </message>
    <message>
        <source>Roman Numerals</source>
        <translation>Números romanos</translation>
    </message>
    <message>
        <source>Entering the paste: %1% (Escape stops it)</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Introduciendo lo pegado: %1% (Escape lo detiene)</translation>
    </message>
    <message>
        <source>The paste was stopped at %1%: what came before was entered, the rest was not</source>
        <comment>%1 is a number from 0 to 100</comment>
        <translation>Lo pegado se detuvo en el %1%: lo anterior se introdujo, el resto no</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Calculator</source>
        <extracomment>The kind of program, as an application menu lists it.</extracomment>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Calculate with Roman, decimal and hexadecimal numerals</source>
        <extracomment>The one-line summary in the application menu and the software centre.</extracomment>
        <translation>Calcula con números romanos, decimales y hexadecimales</translation>
    </message>
    <message>
        <source>roman;numeral;calculator;decimal;hexadecimal;arithmetic;</source>
        <extracomment>Words the application menu&apos;s search finds the program by, each ended by a semicolon; the English words may stay as well.</extracomment>
        <translation>romano;número;cifra;calculadora;decimal;hexadecimal;aritmética;</translation>
    </message>
    <message>
        <source>Roman numeral</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>Número romano</translation>
    </message>
    <message>
        <source>calculator</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>calculadora</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <extracomment>A search word of the software centre.</extracomment>
        <translation>hexadecimal</translation>
    </message>
    <message>
        <source>A small desktop calculator for Roman numerals. Type numbers as decimal numerals, as Roman numerals in either case, or as hexadecimal numbers after the prefix 0X, and combine them with + - * / and parentheses by typing or by clicking the keypad. Every number you enter and every result shows at once as a decimal numeral and as a Roman numeral.</source>
        <extracomment>The software centre&apos;s description of the program.</extracomment>
        <translation>Una pequeña calculadora de escritorio para números romanos. Escribe los números como números decimales, como números romanos en mayúsculas o minúsculas, o como números hexadecimales tras el prefijo 0X, y combínalos con + - * / y paréntesis, tecleando o haciendo clic en la botonera. Cada número que introduces y cada resultado aparecen al instante como número decimal y como número romano.</translation>
    </message>
    <message>
        <source>Strictly from left to right: 2 + 3 * 4 gives 20, and parentheses group the rest</source>
        <translation>Estrictamente de izquierda a derecha: 2 + 3 * 4 da 20, y los paréntesis agrupan lo demás</translation>
    </message>
    <message>
        <source>Roman numerals up to %1, negative numbers in parentheses</source>
        <extracomment>%1 is the largest number written as a Roman numeral.</extracomment>
        <translation>Números romanos hasta %1, números negativos entre paréntesis</translation>
    </message>
    <message>
        <source>Roman numerals read leniently, IIII as 4, with a hint at the standard form</source>
        <translation>Números romanos leídos con flexibilidad, IIII como 4, con una indicación de la forma habitual</translation>
    </message>
    <message>
        <source>A status line that explains every entry it refuses and shows the pending operation</source>
        <translation>Una línea de estado que explica cada entrada rechazada y muestra la operación pendiente</translation>
    </message>
    <message>
        <source>Help on F1 with the keys, the forms of a number and what may surprise</source>
        <translation>Ayuda con F1: las teclas, las formas de un número y lo que puede sorprender</translation>
    </message>
    <message>
        <source>Scales with the window and with the desktop&apos;s font, and remembers its size</source>
        <translation>Se adapta a la ventana y a la fuente del escritorio, y recuerda su tamaño</translation>
    </message>
    <message>
        <source>Translated into German, French, Italian, Spanish and Latin</source>
        <translation>Traducida al alemán, francés, italiano, español y latín</translation>
    </message>
    <message>
        <source>The calculator at twice its size, after 8888 + ic: IC reads as 101, standard form CI</source>
        <extracomment>The caption of a picture of the window in the software centre.</extracomment>
        <translation>La calculadora al doble de su tamaño, tras 8888 + ic: IC se lee como 101, forma habitual CI</translation>
    </message>
    <message>
        <source>The help on F1: the keys, the forms of a number and what may surprise a new user</source>
        <extracomment>The caption of a picture of the help window in the software centre.</extracomment>
        <translation>La ayuda con F1: las teclas, las formas de un número y lo que puede sorprender a quien empieza</translation>
    </message>
    <message>
        <source>Large numbers with bars, a choice in the right-click menu: %1 to %2 with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV</source>
        <extracomment>%1 and %2 are the first and the last number written with bars; the bars are combining overlines (U+0305).</extracomment>
        <translation>Números grandes con barras, una opción del menú contextual: de %1 a %2 con una barra sobre los millares, 12345 como X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Fractions in twelfths, another choice: 1.5 as IS, 2.25 as II···</source>
        <extracomment>The numerals stay as they are: S is a half, each dot (U+00B7) a twelfth.</extracomment>
        <translation>Fracciones en doceavos, otra opción: 1,5 como IS, 2,25 como II···</translation>
    </message>
    <message>
        <source>Unicode Roman numerals read too: Ⅻ as 12, ⅳ as 4, ↀ as 1000</source>
        <extracomment>The numerals are the Unicode characters U+216B, U+2173 and U+2180.</extracomment>
        <translation>También se leen los números romanos de Unicode: Ⅻ como 12, ⅳ como 4, ↀ como 1000</translation>
    </message>
    <message>
        <source>A tape (F9) that keeps every calculation in both numeral forms, saved in your data folder, to copy and to reuse</source>
        <translation>Una cinta (F9) que guarda cada cálculo en las dos escrituras, en tu carpeta de datos, para copiarlo y reutilizarlo</translation>
    </message>
    <message>
        <source>Whole calculations pasted at once, several lines as several calculations</source>
        <translation>Cálculos enteros pegados de una vez, varias líneas como varios cálculos</translation>
    </message>
    <message>
        <source>roman-calculator --eval calculates without a window, from the command line or standard input, and prints each result in decimal and Roman</source>
        <extracomment>&quot;roman-calculator --eval&quot; is a command and stays as it is.</extracomment>
        <translation>roman-calculator --eval calcula sin ventana, desde la línea de órdenes o la entrada estándar, e imprime cada resultado en decimal y en romano</translation>
    </message>
</context>
<context>
    <name>Evaluate</name>
    <message>
        <source>line %1: %2</source>
        <comment>%1 is the number of the input line, %2 what went wrong</comment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>roman-calculator: the results could not be written: %1</source>
        <translation>roman-calculator: no se pudieron escribir los resultados: %1</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>la entrada estándar está cerrada</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>la salida estándar está cerrada</translation>
    </message>
    <message>
        <source>roman-calculator: the input could not be read: %1</source>
        <translation>roman-calculator: no se pudo leer la entrada: %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>In the type-in box: type a number, then end it with an operation; r clears the calculation.</source>
        <translation>En el área de entrada: escribir un número y terminarlo con una operación; r borra el cálculo.</translation>
    </message>
    <message>
        <source>In the type-in box: finish the entry as = does.</source>
        <translation>En el área de entrada: terminar la entrada como con =.</translation>
    </message>
    <message>
        <source>Click that button of the keypad from anywhere in the window; its character is underlined while Alt is held.</source>
        <translation>Pulsar ese botón de la botonera desde cualquier lugar de la ventana; su carácter aparece subrayado mientras se mantiene pulsada Alt.</translation>
    </message>
    <message>
        <source>Move between the keypad, the readouts and the type-in box.</source>
        <translation>Moverse entre la botonera, los visores y el área de entrada.</translation>
    </message>
    <message>
        <source>In the type-in box with nothing selected: copy the result, as Copy does.</source>
        <translation>En el área de entrada sin nada seleccionado: copiar el resultado, como Copiar.</translation>
    </message>
    <message>
        <source>Paste a whole calculation, such as 12+5=, into the type-in box.</source>
        <translation>Pegar un cálculo entero, como 12+5=, en el área de entrada.</translation>
    </message>
    <message>
        <source>Show or hide the tape, a paper-tape history of the calculations.</source>
        <translation>Mostrar u ocultar la cinta, el historial de cálculos como en un rollo de papel.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Quit.</source>
        <translation>Salir.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>A decimal number, with your locale&apos;s decimal separator and an optional exponent: 1E3 is 1000.</source>
        <translation>Un número decimal, con el separador decimal de tu configuración regional y un exponente opcional: 1E3 es 1000.</translation>
    </message>
    <message>
        <source>A Roman numeral, in either case, read leniently: IIII is 4 and VX is 15; the status line names the standard form.</source>
        <translation>Un número romano, en mayúsculas o minúsculas, leído con flexibilidad: IIII es 4 y VX es 15; la línea de estado indica la forma habitual.</translation>
    </message>
    <message>
        <source>A hexadecimal number after the prefix 0X: 0X1F is 31.</source>
        <translation>Un número hexadecimal tras el prefijo 0X: 0X1F es 31.</translation>
    </message>
    <message>
        <source>The Roman readout shows numbers below %1 in size: a negative number in parentheses, (XIV), and zero as a row of dashes.</source>
        <translation>El visor romano muestra los números por debajo de %1 en valor absoluto: un número negativo entre paréntesis, (XIV), y el cero como una fila de guiones.</translation>
    </message>
    <message>
        <source>Strictly left to right: 2+3*4= gives 20, not 14. Parentheses group anything else: 2+(3*4)= gives 14.</source>
        <translation>Estrictamente de izquierda a derecha: 2+3*4= da 20, no 14. Los paréntesis agrupan todo lo demás: 2+(3*4)= da 14.</translation>
    </message>
    <message>
        <source>A closing parenthesis shows its value only at the next key: after ) the readouts still show the last number typed.</source>
        <translation>Un paréntesis de cierre muestra su valor solo con la tecla siguiente: tras ) los visores aún muestran el último número escrito.</translation>
    </message>
    <message>
        <source>Good to know</source>
        <translation>Conviene saber</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: use it, share it, change it.</source>
        <translation>Software libre con licencia MIT: úsalo, compártelo, modifícalo.</translation>
    </message>
    <message>
        <source>The project lives at %1, with its source and a place to report problems.</source>
        <translation>El proyecto está en %1, con su código fuente y un lugar donde informar de problemas.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1
%2: help</source>
        <comment>a button&apos;s tooltip: what it does, then the key that opens the help</comment>
        <translation>%1
%2: ayuda</translation>
    </message>
    <message>
        <source>All clear: a fresh start, whatever the type-in box holds; the keyboard goes back to the type-in box.</source>
        <translation>Borrar todo: empezar de cero, contenga lo que contenga el área de entrada; el teclado vuelve al área de entrada.</translation>
    </message>
    <message>
        <source>In the tape: copy the selected entries; put the entry&apos;s result into the type-in box, as a double click does. Numbers and operations typed there go to the type-in box.</source>
        <translation>En la cinta: copiar los apuntes seleccionados; poner el resultado del apunte en el área de entrada, como un doble clic. Los números y las operaciones escritos allí van al área de entrada.</translation>
    </message>
    <message>
        <source>After = the result on show is what the next operation works on: 2+3= then *4= gives 20.</source>
        <translation>Después de = la siguiente operación parte del resultado mostrado: 2+3= y luego *4= da 20.</translation>
    </message>
    <message>
        <source>A - at the start, after ( or after an operation is the sign of the number after it: 100+-50= gives 50. After ), = or r it subtracts.</source>
        <translation>Un - al principio, después de ( o después de una operación es el signo del número que sigue: 100+-50= da 50. Después de ), = o r resta.</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend, for that division only: 5/0= gives 5, 0+= gives 0.</source>
        <translation>Dividir entre cero conserva el dividendo, solo en esa división: 5/0= da 5, 0+= da 0.</translation>
    </message>
    <message>
        <source>After an error the readouts show no number; the next number typed starts a new calculation.</source>
        <translation>Tras un error los visores no muestran ningún número; el siguiente número tecleado empieza un cálculo nuevo.</translation>
    </message>
    <message>
        <source>Pasted lines are calculations of their own, each finished with = unless it ends with an operation.</source>
        <translation>Las líneas pegadas son cálculos propios, cada uno terminado con = salvo que acabe en una operación.</translation>
    </message>
    <message>
        <source>Wider Roman forms, always read: a bar over a letter multiplies it by 1000 (X̅ is 10000), Unicode numerals read as their letters (Ⅻ is 12), S and dots are a half and twelfths (IIS is 2.5).</source>
        <translation>Otras formas romanas, siempre leídas: una barra sobre una letra la multiplica por 1000 (X̅ es 10000), los numerales romanos Unicode valen sus letras (Ⅻ es 12), S y los puntos son una mitad y doceavos (IIS es 2,5).</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: fractions are written to the nearest twelfth, 1.5 as IS and 2.25 as II···; the status line says when that rounds.</source>
        <translation>Una opción del menú contextual de la ventana: las fracciones se escriben al doceavo más cercano, 1,5 como IS y 2,25 como II···; la línea de estado dice cuándo redondea.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu: numbers from %1 to %2 are written with a bar over the thousands, 12345 as X̅I̅I̅CCCXLV.</source>
        <translation>Una opción del menú contextual de la ventana: los números de %1 a %2 se escriben con una barra sobre los millares, 12345 como X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>In a readout: select and copy what it shows. Numbers and operations typed there go to the type-in box.</source>
        <translation>En un visor: seleccionar y copiar lo que muestra. Los números y las operaciones escritos allí van al área de entrada.</translation>
    </message>
    <message>
        <source>The forms of printed books and medieval tables, always read: the apostrophus (CIↃ is 1000, IↃↃ 5000, CCIↃↃ 10000) and N or nulla for zero.</source>
        <translation>Las formas de los libros impresos y de las tablas medievales, siempre leídas: el apóstrofo (CIↃ es 1000, IↃↃ 5000, CCIↃↃ 10000) y N o nulla para el cero.</translation>
    </message>
    <message>
        <source>A choice in the window&apos;s right-click menu, or --strict for one run: a Roman numeral is read only as the calculator writes it. IC is refused, and the status line names the standard numerals near it, CI for 101 and XCIX for 99.</source>
        <translation>Una opción del menú contextual de la ventana, o --strict para una ejecución: un número romano solo se lee como la calculadora lo escribe. IC se rechaza, y la línea de estado nombra los números habituales cercanos, CI para 101 y XCIX para 99.</translation>
    </message>
    <message>
        <source>In the tape: delete the selected entries.</source>
        <translation>En la cinta: borrar los apuntes seleccionados.</translation>
    </message>
    <message>
        <source>Bring back the entries that the tape&apos;s last delete or clear took; a clear also keeps them in tape-cleared.txt beside the tape&apos;s file.</source>
        <translation>Recuperar los apuntes que quitó el último borrado o vaciado de la cinta; al vaciarla también se guardan en tape-cleared.txt, junto al archivo de la cinta.</translation>
    </message>
    <message>
        <source>Print the tape, or save it as a PDF file.</source>
        <translation>Imprimir la cinta o guardarla como archivo PDF.</translation>
    </message>
    <message>
        <source>A line with its result written after =, such as XII + IX = XXI, is calculated once and checked: a wrong result is named on the status line and on the tape.</source>
        <translation>Una línea con su resultado escrito tras =, como XII + IX = XXI, se calcula una vez y se comprueba: un resultado erróneo se indica en la línea de estado y en la cinta.</translation>
    </message>
</context>
<context>
    <name>NumeralChoices</name>
    <message>
        <source>Large numbers with bars</source>
        <translation>Números grandes con barras</translation>
    </message>
    <message>
        <source>Fractions in twelfths</source>
        <translation>Fracciones en doceavos</translation>
    </message>
    <message>
        <source>Fractions to the nearest twelfth, S for a half and a dot for each twelfth: 2.25 is II···</source>
        <translation>Fracciones al doceavo más cercano, S para una mitad y un punto por doceavo: 2,25 es II···</translation>
    </message>
    <message>
        <source>Numbers from %1 to %2 with a bar over the thousands: 12345 is X̅I̅I̅CCCXLV</source>
        <translation>Números de %1 a %2 con una barra sobre los millares: 12345 es X̅I̅I̅CCCXLV</translation>
    </message>
    <message>
        <source>Strict numerals</source>
        <translation>Números estrictos</translation>
    </message>
    <message>
        <source>Roman numerals are read only as the calculator writes them: IC is refused, with CI for 101 and XCIX for 99</source>
        <translation>Los números romanos solo se leen como la calculadora los escribe: IC se rechaza, con CI para 101 y XCIX para 99</translation>
    </message>
</context>
<context>
    <name>ParenBase</name>
    <message>
        <source>Add</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Start Paren</source>
        <translation>Abrir paréntesis</translation>
    </message>
    <message>
        <source>End Paren</source>
        <translation>Cerrar paréntesis</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <extracomment>The button that clears the calculation; &amp; marks its access key, a letter that no other button of the window uses.</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Basic Calculations</source>
        <translation>Operaciones básicas</translation>
    </message>
</context>
<context>
    <name>PropertyBag</name>
    <message>
        <source>the setting &quot;%1&quot; is not a small whole number.</source>
        <comment>follows &quot;Conversion error: &quot;; %1 is the setting&apos;s name</comment>
        <translation>el ajuste «%1» no es un número entero pequeño.</translation>
    </message>
</context>
<context>
    <name>RomanDisplay</name>
    <message>
        <source>Roman numeral readout</source>
        <translation>Visor de números romanos</translation>
    </message>
</context>
<context>
    <name>RomanNumeral</name>
    <message>
        <source>Roman overflow</source>
        <comment>shown in place of a numeral for a number too large for one; never only Roman letters</comment>
        <translation>Romano: demasiado grande</translation>
    </message>
    <message>
        <source>Roman underflow</source>
        <comment>shown in place of a numeral for a negative number too large for one; never only Roman letters</comment>
        <translation>Romano: demasiado pequeño</translation>
    </message>
    <message>
        <source> - - - - - -</source>
        <comment>shown for zero, which has no Roman numeral</comment>
        <translation> - - - - - -</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1: no es un número</translation>
    </message>
    <message>
        <source>%1: %2 is too large for Roman numerals</source>
        <translation>%1: %2 es demasiado grande para los números romanos</translation>
    </message>
    <message>
        <source>%1: %2 is too small for Roman numerals</source>
        <translation>%1: %2 es demasiado pequeño para los números romanos</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>cero</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 redondeado no da ningún número romano</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a Roman numeral and its decimal value, e.g. XIV: 14</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, rounded to twelfths</source>
        <comment>a Roman numeral and the decimal value it rounds</comment>
        <translation>%1: %2, redondeado a doceavos</translation>
    </message>
    <message>
        <source>%1: %2 rounds to a number beyond Roman numerals</source>
        <comment>the readout&apos;s text and a decimal number</comment>
        <translation>%1: %2 se redondea a un número fuera de los números romanos</translation>
    </message>
    <message>
        <source>%1: %2, rounded</source>
        <comment>a Roman numeral and the decimal value it rounds to a whole number</comment>
        <translation>%1: %2, redondeado</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error %1: %2</source>
        <comment>%1 is the error&apos;s number, %2 its message</comment>
        <translation>Error en tiempo de ejecución %1: %2</translation>
    </message>
    <message>
        <source>Overflow: a number grew too large for the space it has.</source>
        <translation>Desbordamiento: un número se ha vuelto demasiado grande para el espacio que tiene.</translation>
    </message>
    <message>
        <source>Conversion error: %1</source>
        <comment>%1 says which setting and why</comment>
        <translation>Error de conversión: %1</translation>
    </message>
    <message>
        <source>Arithmetic error: the result is too large, or not a number.</source>
        <translation>Error aritmético: el resultado es demasiado grande, o no es un número.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>roman-calculator: your settings could not be saved in %1</source>
        <translation>roman-calculator: no se pudieron guardar sus ajustes en %1</translation>
    </message>
    <message>
        <source>Your settings cannot be saved in %1 now; they are kept until they can be</source>
        <translation>Sus ajustes no se pueden guardar ahora en %1; se conservan hasta que se pueda</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Parenthesis stack</source>
        <translation>Pila de paréntesis</translation>
    </message>
    <message>
        <source>Open parentheses</source>
        <translation>Paréntesis abiertos</translation>
    </message>
    <message>
        <source>a new calculation</source>
        <comment>what a parenthesis opened with nothing pending waits for</comment>
        <translation>un cálculo nuevo</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open, innermost first, each waiting to finish: %1</source>
        <comment>%1 lists what each waits for, as in 2 ×, 3 +</comment>
        <translation>
            <numerusform>%n paréntesis abierto, que espera para terminar: %1</numerusform>
            <numerusform>%n paréntesis abiertos, el más interior primero, cada uno espera para terminar: %1</numerusform>
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
        <translation>%1 no es ni un número ni un número romano</translation>
    </message>
    <message>
        <source>%1; %2 was not used</source>
        <comment>%1 is the sentence before, %2 a quoted key</comment>
        <translation>%1; %2 no se ha usado</translation>
    </message>
    <message>
        <source>%1 reads as %2</source>
        <translation>%1 se lee como %2</translation>
    </message>
    <message>
        <source>%1 reads as %2 (standard form %3)</source>
        <translation>%1 se lee como %2 (forma habitual %3)</translation>
    </message>
    <message numerus="yes">
        <source>%n parentheses open</source>
        <translation>
            <numerusform>%n paréntesis abierto</numerusform>
            <numerusform>%n paréntesis abiertos</numerusform>
        </translation>
    </message>
    <message>
        <source>the outermost one was dropped</source>
        <translation>la más externa se ha descartado</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copiado</translation>
    </message>
    <message>
        <source>%1 is too large for the calculator; the largest number is %2</source>
        <translation>%1 es demasiado grande para la calculadora; el número más grande es %2</translation>
    </message>
    <message>
        <source>%1; the decimal separator here is %2</source>
        <comment>%1 is the sentence before</comment>
        <translation>%1; el separador decimal aquí es %2</translation>
    </message>
    <message>
        <source>%1; the paste stopped there, and %2 was not entered</source>
        <comment>%1 is the sentence before, %2 the quoted rest of the pasted text</comment>
        <translation>%1; el pegado se detuvo ahí, y %2 no se introdujo</translation>
    </message>
    <message>
        <source>%1 reads as %2; reading stopped at %3</source>
        <translation>%1 se lee como %2; la lectura se detuvo en %3</translation>
    </message>
    <message>
        <source>Dividing by zero keeps the dividend: %1</source>
        <translation>Dividir entre cero conserva el dividendo: %1</translation>
    </message>
    <message>
        <source>(…) = %1, waiting for the next operation</source>
        <comment>the value of the parentheses just closed</comment>
        <translation>(…) = %1, esperando la siguiente operación</translation>
    </message>
    <message>
        <source>Cleared; an operation key now starts from %1, a number typed first replaces it</source>
        <comment>after the clear key, which keeps the last number entered</comment>
        <translation>Borrado; una tecla de operación empieza ahora desde %1, un número escrito antes lo sustituye</translation>
    </message>
    <message>
        <source>Press r or Escape to start again</source>
        <comment>r is the letter typed to clear in every language; Escape is the key</comment>
        <translation>Pulsa r o Escape para empezar de nuevo</translation>
    </message>
    <message>
        <source>⚠ %1</source>
        <comment>an error&apos;s message</comment>
        <translation>⚠ %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lines calculated</source>
        <translation>
            <numerusform>%n línea calculada</numerusform>
            <numerusform>%n líneas calculadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; line %2: %3</source>
        <comment>%1 says how many lines were calculated, %2 is the line that stopped, %3 why</comment>
        <translation>%1; línea %2: %3</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <comment>a Roman numeral and its decimal value, e.g. CI is 101</comment>
        <translation>%1 es %2</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral, and %2 has none</source>
        <comment>%1 is a Roman numeral as typed, %2 the decimal value the lenient rules give it</comment>
        <translation>%1 no es un número habitual, y %2 no tiene ninguno</translation>
    </message>
    <message>
        <source>%1 is not a standard numeral: %2</source>
        <comment>%1 is a Roman numeral as typed, %2 a list of standard numerals and their values</comment>
        <translation>%1 no es un número habitual: %2</translation>
    </message>
    <message>
        <source>%1 %2 waits for a number; %3 replaced %4</source>
        <comment>%1 %2 is the result so far and the operation waiting, %3 that key and %4 the one pressed before it, as in: 5 * waits for a number; * replaced +</comment>
        <translation>%1 %2 espera un número; %3 sustituyó a %4</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n open parentheses first</source>
        <comment>the equals key finishes the calculations in parentheses before the whole one</comment>
        <translation>
            <numerusform>«=» cerró primero %n paréntesis abierto</numerusform>
            <numerusform>«=» cerró primero %n paréntesis abiertos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded</source>
        <comment>%1 is a decimal number, %2 the Roman numeral shown for it</comment>
        <translation>%1 se muestra redondeado como %2</translation>
    </message>
    <message>
        <source>%1 (%2 writes %3)</source>
        <comment>%1 is the sentence before, %2 the name of the choice, %3 the numeral it writes</comment>
        <translation>%1 (%2 escribe %3)</translation>
    </message>
    <message>
        <source>%1 is shown as %2, rounded to twelfths</source>
        <comment>%1 is a decimal number, %2 its Roman numeral with S and dots</comment>
        <translation>%1 se muestra redondeado a doceavos como %2</translation>
    </message>
    <message>
        <source>%1 rounds to no Roman numeral and is shown as zero</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 no se redondea a ningún número romano y se muestra como cero</translation>
    </message>
    <message>
        <source>%1 rounds to a number beyond Roman numerals</source>
        <comment>%1 is a decimal number</comment>
        <translation>%1 se redondea a un número fuera de los números romanos</translation>
    </message>
    <message>
        <source>written %1, calculated %2</source>
        <comment>a result a line wrote down, and the one the calculator calculated for it</comment>
        <translation>escrito %1, calculado %2</translation>
    </message>
    <message>
        <source>a numeral marked ≈ is calculated as written, and the results written after it are not checked</source>
        <comment>≈ marks a Roman numeral the tape rounded, as in ≈II for 2.25</comment>
        <translation>un número marcado con ≈ se calcula tal como está escrito, y los resultados escritos después no se comprueban</translation>
    </message>
    <message>
        <source>%1 is too long to be a number: an entry has at most %2 characters</source>
        <translation>%1 es demasiado largo para ser un número: una entrada tiene como máximo %2 caracteres</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>÷ 0 keeps the dividend</source>
        <comment>written after a calculation, such as 5 ÷ 0 = 5</comment>
        <translation>÷ 0 conserva el dividendo</translation>
    </message>
    <message numerus="yes">
        <source>&quot;=&quot; closed %n parentheses</source>
        <comment>written after a calculation whose open parentheses the equals key closed</comment>
        <translation>
            <numerusform>«=» cerró %n paréntesis</numerusform>
            <numerusform>«=» cerró %n paréntesis</numerusform>
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
        <translation>Cinta, impresa el %1</translation>
    </message>
</context>
<context>
    <name>TapeFile</name>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1</source>
        <translation>
            <numerusform>roman-calculator: %n apunte de la cinta no se pudo guardar en %1</numerusform>
            <numerusform>roman-calculator: %n apuntes de la cinta no se pudieron guardar en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roman-calculator: %n entries of the tape could not be saved in %1; they are kept in %2, and go into the tape when the calculator next starts</source>
        <translation>
            <numerusform>roman-calculator: %n apunte de la cinta no se pudo guardar en %1; se conserva en %2 y pasa a la cinta la próxima vez que se inicie la calculadora</numerusform>
            <numerusform>roman-calculator: %n apuntes de la cinta no se pudieron guardar en %1; se conservan en %2 y pasan a la cinta la próxima vez que se inicie la calculadora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TapePanel</name>
    <message>
        <source>&amp;Tape</source>
        <translation>C&amp;inta</translation>
    </message>
    <message>
        <source>Show or hide the tape (%1)</source>
        <comment>%1 names the keys that do it, e.g. F9, Alt+T</comment>
        <translation>Mostrar u ocultar la cinta (%1)</translation>
    </message>
    <message>
        <source>Tape</source>
        <extracomment>The list beside the calculator, as a screen reader names it. Each thing has one word in every text, the help&apos;s and the menus&apos; too: the tape; an entry (a calculation on the tape, not what is typed); Clear (the button, and r); all clear (Escape); a readout (either of the two displays); the type-in box; the keypad; the keyboard; the help.</extracomment>
        <translatorcomment>Glosario, una palabra por cosa: cinta (tape); apunte (entry de la cinta); entrada (lo que se escribe); Borrar (Clear, y r); Borrar todo (all clear, Escape); visor (readout); área de entrada (type-in box); botonera (keypad); teclado (keyboard); operación (operation); ayuda (help). Trato de tú.</translatorcomment>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>Copy result (&amp;Roman)</source>
        <translation>Copiar el resultado (&amp;romano)</translation>
    </message>
    <message>
        <source>Copy result (&amp;decimal)</source>
        <translation>Copiar el resultado (&amp;decimal)</translation>
    </message>
    <message>
        <source>&amp;Copy entry</source>
        <translation>&amp;Copiar el apunte</translation>
    </message>
    <message>
        <source>Copy &amp;whole tape</source>
        <translation>Copiar &amp;toda la cinta</translation>
    </message>
    <message>
        <source>C&amp;lear tape</source>
        <translation>&amp;Vaciar la cinta</translation>
    </message>
    <message>
        <source>The tape in %1 could not be read; it is kept as %2, and a new tape begins</source>
        <translation>La cinta en %1 no se pudo leer; se guarda como %2 y empieza una cinta nueva</translation>
    </message>
    <message>
        <source>The tape cannot be saved in %1; it is kept until the window closes</source>
        <translation>La cinta no se puede guardar en %1; se conserva hasta que se cierre la ventana</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n entries</source>
        <translation>
            <numerusform>%n apunte copiado</numerusform>
            <numerusform>%n apuntes copiados</numerusform>
        </translation>
    </message>
    <message>
        <source>Every calculation that ends with = is kept here, in both numeral forms. F9 hides the tape.</source>
        <translation>Cada cálculo que termina con = se guarda aquí, en las dos escrituras. F9 oculta la cinta.</translation>
    </message>
    <message>
        <source>D&amp;elete entry</source>
        <translation>&amp;Borrar el apunte</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>&amp;Print tape…</source>
        <translation>Im&amp;primir la cinta…</translation>
    </message>
    <message>
        <source>E&amp;xport tape…</source>
        <translation>E&amp;xportar la cinta…</translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries, also kept in %1); %2 brings them back</source>
        <comment>%2 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Cinta vaciada (%n apunte, guardado también en %1); %2 lo recupera</numerusform>
            <numerusform>Cinta vaciada (%n apuntes, guardados también en %1); %2 los recupera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tape cleared (%n entries); %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>Cinta vaciada (%n apunte); %1 lo recupera</numerusform>
            <numerusform>Cinta vaciada (%n apuntes); %1 los recupera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n entries; %1 brings them back</source>
        <comment>%1 names the key, Ctrl+Z</comment>
        <translation>
            <numerusform>%n apunte borrado; %1 lo recupera</numerusform>
            <numerusform>%n apuntes borrados; %1 los recupera</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing deleted from the tape to bring back</source>
        <translation>No hay nada borrado de la cinta que recuperar</translation>
    </message>
    <message numerus="yes">
        <source>Brought back %n entries</source>
        <translation>
            <numerusform>%n apunte recuperado</numerusform>
            <numerusform>%n apuntes recuperados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Printed %n entries</source>
        <translation>
            <numerusform>%n apunte impreso</numerusform>
            <numerusform>%n apuntes impresos</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (*.csv)</source>
        <translation>CSV, para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>Export tape</source>
        <translation>Exportar la cinta</translation>
    </message>
    <message>
        <source>The tape could not be exported to %1: %2</source>
        <translation>No se pudo exportar la cinta a %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n entries to %1</source>
        <translation>
            <numerusform>%n apunte exportado a %1</numerusform>
            <numerusform>%n apuntes exportados a %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TypeInPad</name>
    <message>
        <source>Type-in pad</source>
        <translation>Área de entrada</translation>
    </message>
    <message>
        <source>Enter Numbers here</source>
        <translation>Escribe aquí los números</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>a button; give it no access key</comment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Not readable</source>
        <comment>the name of the mark on an entry that is not a number</comment>
        <translation>No legible</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Calculates &lt;expression&gt; as if typed into the window and prints the result, decimal and Roman, separated by a tab. With -, reads one calculation a line from standard input.</source>
        <translation>Calcula &lt;expresión&gt; como si se tecleara en la ventana e imprime el resultado, decimal y romano, separados por un tabulador. Con - lee un cálculo por línea de la entrada estándar.</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>expresión</translation>
    </message>
    <message>
        <source>Try --help for the options.</source>
        <translation>Prueba --help para ver las opciones.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>There is no display to open the window on; --eval calculates without one.</source>
        <translation>No hay pantalla en la que abrir la ventana; --eval calcula sin ella.</translation>
    </message>
    <message>
        <source>Keeps the tape of calculations in memory only: nothing is read or saved.</source>
        <translation>Guarda la cinta de cálculos solo en memoria: no se lee ni se guarda nada.</translation>
    </message>
    <message>
        <source>Writes fractions in Roman twelfths, for this run: 1.5 is IS, 2.25 is II···.</source>
        <translation>Escribe las fracciones en doceavos romanos, en esta ejecución: 1,5 es IS, 2,25 es II···.</translation>
    </message>
    <message>
        <source>Writes numbers from %1 to %2 with a bar over the thousands, for this run: 12345 is X̅I̅I̅CCCXLV.</source>
        <translation>Escribe los números de %1 a %2 con una barra sobre los millares, en esta ejecución: 12345 es X̅I̅I̅CCCXLV.</translation>
    </message>
    <message>
        <source>A calculator for Roman, decimal and hexadecimal numerals, from left to right.
Its window shows each number as a decimal and a Roman numeral, keeps a tape
of every calculation (F9) and calculates pasted text line by line; its
right-click menu offers large numbers with bars and fractions in twelfths.
--eval calculates without a window and prints decimal&lt;TAB&gt;Roman per line.</source>
        <extracomment>The start of --help: what the program does. Lines of at most 79 characters.</extracomment>
        <translation>Una calculadora de números romanos, decimales y hexadecimales, evaluados de izquierda a derecha. Su ventana muestra cada número en decimal y en romano, guarda cada cálculo en una cinta (F9) y calcula el texto pegado línea a línea; su menú contextual ofrece números grandes con barras y fracciones en doceavos. --eval calcula sin ventana e imprime decimal&lt;TAB&gt;romano por línea.</translation>
    </message>
    <message>
        <source>Reads Roman numerals only as the calculator writes them, for this run: IC is refused, and the standard numerals near it are named.</source>
        <translation>Lee los números romanos solo como la calculadora los escribe, en esta ejecución: IC se rechaza, y se nombran los números habituales cercanos.</translation>
    </message>
    <message>
        <source>With --eval, adds a third field to each line: how the Roman numeral is built, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</source>
        <translation>Con --eval, añade a cada línea un tercer campo: cómo se compone el número romano, MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9.</translation>
    </message>
    <message>
        <source>--explain goes with --eval.</source>
        <translation>--explain va con --eval.</translation>
    </message>
</context>
</TS>
