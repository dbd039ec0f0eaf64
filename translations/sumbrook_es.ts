<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ExerciseView</name>
    <message>
        <source>right: %1</source>
        <translation>correcto: %1</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <translation>incorrecto: %1</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 más %2</translation>
    </message>
    <message>
        <source>%1 plus %2 plus %3</source>
        <translation>%1 más %2 más %3</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>%1 minus %2 minus %3</source>
        <translation>%1 menos %2 menos %3</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 times %2 times %3</source>
        <translation>%1 por %2 por %3</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 dividido entre %2</translation>
    </message>
    <message>
        <source>You got %1 right out of %2: %3</source>
        <translation>Aciertos: %1 de %2. Porcentaje: %3</translation>
    </message>
    <message>
        <source>right: the faces take turns</source>
        <translation>correcto: las caras van cambiando</translation>
    </message>
    <message>
        <source>type the answer, then press Enter</source>
        <translation>escribe tu resultado y pulsa Intro</translation>
    </message>
    <message>
        <source>%1 is about %2.</source>
        <translation>%1 es aproximadamente %2.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 es igual a %2.</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <translation>¡Correcto! %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>Nearly. Write the decimals after a comma: %1.</source>
        <translation>Casi. Escribe una coma antes de los decimales: %1.</translation>
    </message>
    <message>
        <source>Nearly. Write the decimals after a point: %1.</source>
        <translation>Casi. Escribe un punto antes de los decimales: %1.</translation>
    </message>
    <message>
        <source>Not quite. %1</source>
        <translation>Incorrecto. %1</translation>
    </message>
    <message>
        <source>%1. Type the answer, then press Enter.</source>
        <translation>%1. Escribe la respuesta y pulsa Intro.</translation>
    </message>
    <message>
        <source>First problem: %1. Second problem: %2. The keyboard is on the first: type the answer, then press Enter.</source>
        <translation>Primera operación: %1. Segunda operación: %2. Estás en la primera: escribe la respuesta y pulsa Intro.</translation>
    </message>
    <message>
        <source>First problem: %1. Second problem: %2. The keyboard is on the second: type the answer, then press Enter.</source>
        <translation>Primera operación: %1. Segunda operación: %2. Estás en la segunda: escribe la respuesta y pulsa Intro.</translation>
    </message>
</context>
<context>
    <name>SaveScore</name>
    <message numerus="yes">
        <source>The name holds characters that a score file cannot store: %1. Each would be saved as &quot;?&quot;.

Save all the same? No goes back to the name.</source>
        <translation>
            <numerusform>Un archivo de puntos no puede guardar el nombre tal como está: en lugar de %1 se guardaría «?».

¿Guardar de todos modos? Si pulsas «No», vuelves al nombre.</numerusform>
            <numerusform>Un archivo de puntos no puede guardar el nombre tal como está: en lugar de %1 se guardaría «?».

¿Guardar de todos modos? Si pulsas «No», vuelves al nombre.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds characters that a score file cannot store: %1. Each would be saved as &quot;?&quot;.

Save all the same? No goes back to the text.</source>
        <translation>
            <numerusform>Un archivo de puntos no puede guardar el texto tal como está: en lugar de %1 se guardaría «?».

¿Guardar de todos modos? Si pulsas «No», vuelves al texto.</numerusform>
            <numerusform>Un archivo de puntos no puede guardar el texto tal como está: en lugar de %1 se guardaría «?».

¿Guardar de todos modos? Si pulsas «No», vuelves al texto.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Math Score</source>
        <extracomment>The title of the box that asks for the name.</extracomment>
        <translation>Guardar puntos</translation>
    </message>
    <message>
        <source>The score could not be saved in &quot;%1&quot;: %2</source>
        <translation>No se pudieron guardar los puntos en «%1». %2</translation>
    </message>
    <message>
        <source>The name is longer than the %1 characters a score can hold. Please make it shorter.</source>
        <translation>El nombre es demasiado largo: puede tener como máximo %1 caracteres. Acórtalo, por favor.</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved for %1. Your count starts again.</source>
        <translation>Puntos guardados para %1. Empezamos a contar de nuevo.</translation>
    </message>
</context>
<context>
    <name>about::AboutWindow</name>
    <message>
        <source>Sumbrook icon</source>
        <translation>icono de Sumbrook</translation>
    </message>
    <message>
        <source>Please send any comments to  sumbrook@example.org</source>
        <translation>Envía tus comentarios a sumbrook@example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. &amp;sistema...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento.</translation>
    </message>
    <message>
        <source>press Enter to close this window</source>
        <translation>pulsa Intro para cerrar esta ventana</translation>
    </message>
    <message>
        <source>press Enter to start the system information tool</source>
        <translation>pulsa Intro para abrir la herramienta de información del sistema</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the title, then the version, read aloud together</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>classroom::Badge</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquesa</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triángulo</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>corazón</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>luna</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A learner&apos;s picture: a colour and a shape, as in &quot;red star&quot;.</extracomment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>classroom::ClassFile</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>it is not text, and is left out.</source>
        <translation>no es texto y se omite.</translation>
    </message>
    <message>
        <source>there is no section &quot;%1&quot;; it is left out.</source>
        <translation>no hay ninguna sección «%1»; se omite.</translation>
    </message>
    <message>
        <source>it is not a setting, and is left out.</source>
        <translation>no es un ajuste y se omite.</translation>
    </message>
    <message>
        <source>there is no drill &quot;%1&quot;.</source>
        <translation>no hay ningún ejercicio «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a level of %2: it is practised as designed.</source>
        <translation>«%1» no es un nivel de %2: se practica como está previsto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of the class, and is left out.</source>
        <translation>«%1» no es un ajuste de la clase y se omite.</translation>
    </message>
    <message>
        <source>a class holds up to %1 learners; the rest are left out.</source>
        <translation>una clase tiene como mucho %1 alumnos; los demás se omiten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a learner, and is left out.</source>
        <translation>«%1» no es un ajuste de un alumno y se omite.</translation>
    </message>
    <message>
        <source>the learner has no name, and is left out.</source>
        <translation>el alumno no tiene nombre y se omite.</translation>
    </message>
    <message>
        <source>a name holds up to %1 characters; the learner is left out.</source>
        <translation>un nombre tiene como mucho %1 caracteres; el alumno se omite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the class already; the second is left out.</source>
        <translation>«%1» ya está en la clase; el segundo se omite.</translation>
    </message>
    <message>
        <source>a rename needs the name before and after it.</source>
        <translation>un cambio de nombre necesita el nombre de antes y el de después.</translation>
    </message>
    <message>
        <source>the level change is not complete, and is left out.</source>
        <translation>el cambio de nivel está incompleto y se omite.</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; is not followed: %2</source>
        <translation>No se sigue el archivo de la clase «%1»: %2</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; belongs to %2, not to the folder&apos;s owner (%3) or to you: it is not followed, and everyone practises as designed.</source>
        <translation>El archivo de la clase «%1» es de %2, no del dueño de la carpeta (%3) ni tuyo: no se sigue, y todos practican como está previsto.</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; may be changed by others than its owner (%2): it is not followed. Its owner can allow only themselves to change it (chmod go-w).</source>
        <translation>Otros además de su dueño (%2) pueden cambiar el archivo de la clase «%1»: no se sigue. Su dueño puede permitir que solo él lo cambie (chmod go-w).</translation>
    </message>
    <message>
        <source>Only the folder&apos;s owner (%1) can change the class.</source>
        <translation>Solo el dueño de la carpeta (%1) puede cambiar la clase.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written.</source>
        <translation>No se puede escribir en la carpeta «%1».</translation>
    </message>
    <message>
        <source>The class file was changed elsewhere since it was opened. Open the Class window again to see it.</source>
        <translation>El archivo de la clase se cambió en otro lugar después de abrirlo. Abre otra vez la ventana «Clase» para verlo.</translation>
    </message>
    <message>
        <source>The folder was moved or replaced since the class file was read.</source>
        <translation>La carpeta se movió o se reemplazó después de leer el archivo de la clase.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… y %n más.</numerusform>
            <numerusform>… y %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>classroom::ClassWindow</name>
    <message>
        <source>&amp;Add Learner</source>
        <translation>&amp;Añadir alumno</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>learners and their levels</source>
        <translation>alumnos y sus niveles</translation>
    </message>
    <message>
        <source>You can see the class but not change it. %1</source>
        <translation>Puedes ver la clase, pero no cambiarla. %1</translation>
    </message>
    <message>
        <source>The class of the folder &quot;%1&quot;. A learner&apos;s level &quot;Like the class&quot; follows the whole class&apos;s.</source>
        <translation>La clase de la carpeta «%1». Un alumno con el nivel «Como la clase» sigue el de toda la clase.</translation>
    </message>
    <message>
        <source>The whole class</source>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Like the class</source>
        <translation>Como la clase</translation>
    </message>
    <message>
        <source>A learner needs a name.</source>
        <translation>Un alumno necesita un nombre.</translation>
    </message>
    <message>
        <source>A name holds up to %1 characters.</source>
        <translation>Un nombre tiene como mucho %1 caracteres.</translation>
    </message>
    <message>
        <source>A name cannot hold control characters.</source>
        <translation>Un nombre no puede tener caracteres de control.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the class already.</source>
        <translation>«%1» ya está en la clase.</translation>
    </message>
    <message>
        <source>Learner %1</source>
        <translation>Alumno %1</translation>
    </message>
    <message>
        <source>Remove %1 from the class? Their scores stay in the score files.</source>
        <translation>¿Quitar a %1 de la clase? Sus puntos se quedan en los archivos de puntos.</translation>
    </message>
    <message>
        <source>The class could not be saved: %1

Show the class as the file holds it now? The changes made here are lost.</source>
        <translation>No se pudo guardar la clase: %1

¿Mostrar la clase como la tiene ahora el archivo? Tus cambios aquí se pierden.</translation>
    </message>
    <message>
        <source>The class could not be saved: %1</source>
        <translation>No se pudo guardar la clase: %1</translation>
    </message>
    <message>
        <source>The class is saved in &quot;%1&quot;.</source>
        <translation>La clase está guardada en «%1».</translation>
    </message>
    <message>
        <source>Save the changes to the class?</source>
        <translation>¿Guardar los cambios de la clase?</translation>
    </message>
</context>
<context>
    <name>classroom::WhoIsPractising</name>
    <message>
        <source>Who is practising?</source>
        <translation>¿Quién practica?</translation>
    </message>
    <message>
        <source>Someone else</source>
        <translation>Otra persona</translation>
    </message>
    <message>
        <source>Type your name when you save a score.</source>
        <translation>Escribe tu nombre cuando guardes tus puntos.</translation>
    </message>
</context>
<context>
    <name>division::DivisionWindow</name>
    <message>
        <source>Divide 2 decimal places  </source>
        <extracomment>The answer is rounded to two decimal places.</extracomment>
        <translation>Redondea a 2 decimales</translation>
    </message>
    <message>
        <source>The Correct Answer is </source>
        <extracomment>Above the correct answer after a wrong one; short and kind.</extracomment>
        <translation>La solución:</translation>
    </message>
    <message>
        <source>You are good.</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>correct answer, to two decimal places</source>
        <translation>solución, redondeada a dos decimales</translation>
    </message>
    <message>
        <source>whether the answer was right</source>
        <translation>si tu resultado es correcto</translation>
    </message>
    <message>
        <source>number to divide by</source>
        <translation>divisor</translation>
    </message>
    <message>
        <source>number to divide</source>
        <translation>dividendo</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>cara triste</translation>
    </message>
    <message>
        <source>face with a straight mouth</source>
        <translation>cara seria</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>cara sonriente</translation>
    </message>
    <message>
        <source>laughing face</source>
        <translation>cara que ríe</translation>
    </message>
    <message>
        <source>laughing face with a nose</source>
        <translation>cara que ríe, con nariz</translation>
    </message>
    <message>
        <source>Sumbrook is freeware: share it freely.</source>
        <translation>Sumbrook es gratis: ¡compártelo!</translation>
    </message>
    <message>
        <source>For more information or comment Email to sumbrook@example.org</source>
        <translation>Para más información o comentarios, escribe a sumbrook@example.org</translation>
    </message>
    <message>
        <source>You got </source>
        <extracomment>The score panel is three labels at fixed places, each before a number the program writes: right answers, questions answered and the percentage. Write each as a label (&quot;Right:&quot;, &quot;Total:&quot;, &quot;That is&quot;), not as a piece of a sentence.</extracomment>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>number of right answers</source>
        <translation>número de aciertos</translation>
    </message>
    <message>
        <source>Questions Giving you a </source>
        <extracomment>Before the percentage, on the same line.</extracomment>
        <translation>Porcentaje:</translation>
    </message>
    <message>
        <source>percentage of right answers</source>
        <translation>porcentaje de aciertos</translation>
    </message>
    <message>
        <source>Out of </source>
        <extracomment>Before the number of questions answered.</extracomment>
        <translation>Total:</translation>
    </message>
    <message>
        <source>number of problems answered</source>
        <translation>número de operaciones hechas</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Corregir</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source> Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Save Score</source>
        <translation>Guardar puntos</translation>
    </message>
    <message>
        <source>Display Scores</source>
        <translation>Ver puntos</translation>
    </message>
    <message>
        <source>Division </source>
        <translation>División</translation>
    </message>
    <message>
        <source>type the answer to two decimal places and press Enter; Tab moves on to the buttons</source>
        <translation>escribe tu resultado redondeado a dos decimales y pulsa Intro; con el tabulador pasas a los botones</translation>
    </message>
    <message>
        <source>press Enter for a new problem</source>
        <translation>pulsa Intro para otra operación</translation>
    </message>
    <message>
        <source>press Enter to check the answer</source>
        <translation>pulsa Intro para corregir tu resultado</translation>
    </message>
    <message>
        <source>press Enter for the score</source>
        <translation>pulsa Intro para ver tus puntos</translation>
    </message>
    <message>
        <source>press Enter to close the window</source>
        <translation>pulsa Intro para cerrar la ventana</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>drills::DrillWindow</name>
    <message>
        <source>ADD 2</source>
        <extracomment>A heading says how many numbers the problem has (&quot;2 numbers&quot;), not a step to take. In the Addition window about eight letters fit before the Reset button&apos;s rim.</extracomment>
        <translation>Con 2</translation>
    </message>
    <message>
        <source>SUBTRACT  2</source>
        <translation>Con 2</translation>
    </message>
    <message>
        <source>MULTIPLY  2</source>
        <translation>Con 2</translation>
    </message>
    <message>
        <source>first number of the two-number problem</source>
        <translation>primer número de la operación de dos números</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>−</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>second number of the two-number problem</source>
        <translation>segundo número de la operación de dos números</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>correct answer to the two-number problem</source>
        <translation>solución de la operación de dos números</translation>
    </message>
    <message>
        <source>whether the answer to the two-number problem was right</source>
        <translation>si tu resultado de la operación de dos números es correcto</translation>
    </message>
    <message>
        <source>You are good.</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>The Correct Answer is </source>
        <extracomment>Beside the correct answer after a wrong one; short and kind. It wraps in a narrow column, each line clear of the &quot;=&quot; and of the Score button&apos;s rim.</extracomment>
        <translation>La solución:</translation>
    </message>
    <message>
        <source>You got </source>
        <extracomment>The score panel is three labels at fixed places, each before a number the program writes: right answers, questions answered and the percentage. Write each as a label (&quot;Right:&quot;, &quot;Total:&quot;, &quot;That is&quot;), not as a piece of a sentence.</extracomment>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>number of right answers to the two-number problem</source>
        <translation>número de aciertos en las operaciones de dos números</translation>
    </message>
    <message>
        <source>Questions Giving you a </source>
        <extracomment>Before the percentage, on the same line.</extracomment>
        <translation>Porcentaje:</translation>
    </message>
    <message>
        <source>percentage of right answers to the two-number problem</source>
        <translation>porcentaje de aciertos en las operaciones de dos números</translation>
    </message>
    <message>
        <source>Out of </source>
        <extracomment>Before the number of questions answered.</extracomment>
        <translation>Total:</translation>
    </message>
    <message>
        <source>number of two-number problems answered</source>
        <translation>número de operaciones de dos números hechas</translation>
    </message>
    <message>
        <source>ADD 3</source>
        <translation>Con 3</translation>
    </message>
    <message>
        <source>SUBTRACT 3</source>
        <translation>Con 3</translation>
    </message>
    <message>
        <source>MULTIPLY 3</source>
        <translation>Con 3</translation>
    </message>
    <message>
        <source>first number of the three-number problem</source>
        <translation>primer número de la operación de tres números</translation>
    </message>
    <message>
        <source>second number of the three-number problem</source>
        <translation>segundo número de la operación de tres números</translation>
    </message>
    <message>
        <source>third number of the three-number problem</source>
        <translation>tercer número de la operación de tres números</translation>
    </message>
    <message>
        <source>correct answer to the three-number problem</source>
        <translation>solución de la operación de tres números</translation>
    </message>
    <message>
        <source>whether the answer to the three-number problem was right</source>
        <translation>si tu resultado de la operación de tres números es correcto</translation>
    </message>
    <message>
        <source>number of right answers to the three-number problem</source>
        <translation>número de aciertos en las operaciones de tres números</translation>
    </message>
    <message>
        <source>percentage of right answers to the three-number problem</source>
        <translation>porcentaje de aciertos en las operaciones de tres números</translation>
    </message>
    <message>
        <source>number of three-number problems answered</source>
        <translation>número de operaciones de tres números hechas</translation>
    </message>
    <message>
        <source>Sumbrook is freeware: share it freely.</source>
        <translation>Sumbrook es gratis: ¡compártelo!</translation>
    </message>
    <message>
        <source>For more information or comment Email to sumbrook@example.org</source>
        <translation>Para más información o comentarios, escribe a sumbrook@example.org</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>cara triste</translation>
    </message>
    <message>
        <source>face with a straight mouth</source>
        <translation>cara seria</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>cara sonriente</translation>
    </message>
    <message>
        <source>laughing face</source>
        <translation>cara que ríe</translation>
    </message>
    <message>
        <source>laughing face with a nose</source>
        <translation>cara que ríe, con nariz</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Corregir</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source> Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Save Score</source>
        <translation>Guardar puntos</translation>
    </message>
    <message>
        <source>Display Scores</source>
        <translation>Ver puntos</translation>
    </message>
    <message>
        <source>Desplay Scores</source>
        <translation>Ver puntos</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>type the answer and press Enter; Tab moves on to the buttons</source>
        <translation>escribe tu resultado y pulsa Intro; con el tabulador pasas a los botones</translation>
    </message>
    <message>
        <source>Reset, two numbers</source>
        <translation>Siguiente, dos números</translation>
    </message>
    <message>
        <source>press Enter for a new two-number problem</source>
        <translation>pulsa Intro para otra operación de dos números</translation>
    </message>
    <message>
        <source>Answer, two numbers</source>
        <translation>Corregir, dos números</translation>
    </message>
    <message>
        <source>press Enter to check the answer to the two-number problem</source>
        <translation>pulsa Intro para corregir tu resultado de la operación de dos números</translation>
    </message>
    <message>
        <source>Score, two numbers</source>
        <translation>Puntos, dos números</translation>
    </message>
    <message>
        <source>press Enter for the score of the two-number problem</source>
        <translation>pulsa Intro para ver tus puntos en las operaciones de dos números</translation>
    </message>
    <message>
        <source>Reset, three numbers</source>
        <translation>Siguiente, tres números</translation>
    </message>
    <message>
        <source>press Enter for a new three-number problem</source>
        <translation>pulsa Intro para otra operación de tres números</translation>
    </message>
    <message>
        <source>Answer, three numbers</source>
        <translation>Corregir, tres números</translation>
    </message>
    <message>
        <source>press Enter to check the answer to the three-number problem</source>
        <translation>pulsa Intro para corregir tu resultado de la operación de tres números</translation>
    </message>
    <message>
        <source>Score, three numbers</source>
        <translation>Puntos, tres números</translation>
    </message>
    <message>
        <source>press Enter for the score of the three-number problem</source>
        <translation>pulsa Intro para ver tus puntos en las operaciones de tres números</translation>
    </message>
    <message>
        <source>press Enter to close the window</source>
        <translation>pulsa Intro para cerrar la ventana</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>drilltable::Level</name>
    <message>
        <source>As designed</source>
        <translation>Como está previsto</translation>
    </message>
    <message>
        <source>Sums to %1</source>
        <translation>Sumas hasta %1</translation>
    </message>
    <message>
        <source>Within %1</source>
        <translation>Hasta %1</translation>
    </message>
    <message>
        <source>Tables 1 to 10</source>
        <translation>Tablas del 1 al 10</translation>
    </message>
    <message>
        <source>Table of %1</source>
        <translation>Tabla del %1</translation>
    </message>
    <message>
        <source>Tables %1 and %2</source>
        <translation>Tablas del %1 y del %2</translation>
    </message>
    <message>
        <source>Whole answers</source>
        <translation>Sin resto</translation>
    </message>
</context>
<context>
    <name>progress::ProgressWindow</name>
    <message>
        <source>shows the scores saved in another folder</source>
        <translation>muestra los puntos guardados en otra carpeta</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>ejercicio</translation>
    </message>
    <message>
        <source>records</source>
        <translation>registros</translation>
    </message>
    <message>
        <source>the chosen learner&apos;s saved scores, as the chart shows them</source>
        <translation>los puntos guardados del alumno elegido, como los muestra el gráfico</translation>
    </message>
    <message>
        <source>All drills</source>
        <translation>Todos los ejercicios</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Addition, 2 numbers</source>
        <translation>Suma de 2 números</translation>
    </message>
    <message>
        <source>Addition, 3 numbers</source>
        <translation>Suma de 3 números</translation>
    </message>
    <message>
        <source>Subtraction, 2 numbers</source>
        <translation>Resta de 2 números</translation>
    </message>
    <message>
        <source>Subtraction, 3 numbers</source>
        <translation>Resta de 3 números</translation>
    </message>
    <message>
        <source>Multiplication, 2 numbers</source>
        <translation>Multiplicación de 2 números</translation>
    </message>
    <message>
        <source>Multiplication, 3 numbers</source>
        <translation>Multiplicación de 3 números</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Open a Folder of Scores</source>
        <translation>Abrir una carpeta de puntos</translation>
    </message>
    <message>
        <source>Scores in %1</source>
        <translation>Puntos en %1</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Save the Table</source>
        <translation>Guardar la tabla</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv)</source>
        <translation>Hoja de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Since…</source>
        <translation>Desde…</translation>
    </message>
    <message>
        <source>The school year</source>
        <translation>El curso escolar</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>Abrir &amp;carpeta…</translation>
    </message>
    <message>
        <source>period</source>
        <translation>periodo</translation>
    </message>
    <message>
        <source>since</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>class</source>
        <translation>clase</translation>
    </message>
    <message>
        <source>each learner&apos;s average, right answers and change in the period, days practised and last practised; sort by a column&apos;s heading; choose a learner to see their progress</source>
        <translation>de cada alumno: la media, los aciertos y el cambio en el periodo, los días que practicó y la última sesión; ordena con los encabezados de columna; elige uno para ver su progreso</translation>
    </message>
    <message>
        <source>reading the scores</source>
        <translation>leyendo los puntos</translation>
    </message>
    <message>
        <source>Save &amp;Table…</source>
        <translation>Guardar &amp;tabla…</translation>
    </message>
    <message>
        <source>saves the class table, or the learner&apos;s records, for a spreadsheet</source>
        <translation>guarda la tabla de la clase, o las sesiones del alumno, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Guardar como &amp;PDF…</translation>
    </message>
    <message>
        <source>saves the class table, or the learner&apos;s chart and records, to print</source>
        <translation>guarda la tabla de la clase, o el gráfico y las sesiones del alumno, para imprimir</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Clase</translation>
    </message>
    <message>
        <source>&amp;Learner</source>
        <translation>&amp;Alumno</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. %2</source>
        <translation>«%1» no se pudo leer. %2</translation>
    </message>
    <message>
        <source>it is written in %1, not as Sumbrook writes it; read as such</source>
        <translation>está escrito en %1, no como lo escribe Sumbrook; leído así</translation>
    </message>
    <message>
        <source>it holds %1; the first %2 were read</source>
        <translation>ocupa %1; se leyeron los primeros %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A file&apos;s name, then what was skipped in it and why, separated by &quot;; &quot;.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>%1: change</source>
        <translation>%1: cambio</translation>
    </message>
    <message>
        <source>Days practised</source>
        <translation>Días de práctica</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Última sesión</translation>
    </message>
    <message>
        <source>Class average</source>
        <translation>Media de la clase</translation>
    </message>
    <message>
        <source>%1 (not in the class)</source>
        <translation>%1 (no está en la clase)</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>no percentage</source>
        <translation>sin porcentaje</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No scores in this period.</source>
        <translation>No hay puntos en este periodo.</translation>
    </message>
    <message>
        <source>Chart: %1&apos;s results in per cent</source>
        <translation>Gráfico: resultados de %1 en porcentaje</translation>
    </message>
    <message>
        <source>in 1 save</source>
        <translation>en 1 sesión</translation>
    </message>
    <message>
        <source>in %1 saves</source>
        <translation>en %1 sesiones</translation>
    </message>
    <message>
        <source>%1: %2 %3, none the period before</source>
        <translation>%1: %2 %3, ninguna en el periodo anterior</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 from %5 the period before</source>
        <translation>%1: %2 %3, %4 respecto a %5 en el periodo anterior</translation>
    </message>
    <message>
        <source>up</source>
        <translation>sube</translation>
    </message>
    <message>
        <source>down</source>
        <translation>baja</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 guardado en %2</translation>
    </message>
    <message>
        <source>In the class</source>
        <translation>En la clase</translation>
    </message>
    <message>
        <source>%1: average (%)</source>
        <translation>%1: media (%)</translation>
    </message>
    <message>
        <source>%1: right answers</source>
        <translation>%1: aciertos</translation>
    </message>
    <message>
        <source>%1: questions</source>
        <translation>%1: operaciones</translation>
    </message>
    <message>
        <source>%1: change (points)</source>
        <translation>%1: cambio (puntos)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>the class</source>
        <translation>la clase</translation>
    </message>
    <message>
        <source>%1 · %2 · printed %3 · page %4 of %5</source>
        <extracomment>The PDF&apos;s heading: the drill, the period, the day it was printed, the page.</extracomment>
        <translation>%1 · %2 · impreso el %3 · página %4 de %5</translation>
    </message>
    <message>
        <source>1 line is not a score</source>
        <translation>1 línea no es un registro de puntos</translation>
    </message>
    <message>
        <source>%1 lines are not scores</source>
        <translation>%1 líneas no son registros de puntos</translation>
    </message>
    <message>
        <source>1 date cannot be read</source>
        <translation>1 fecha no se puede leer</translation>
    </message>
    <message>
        <source>%1 dates cannot be read</source>
        <translation>%1 fechas no se pueden leer</translation>
    </message>
    <message>
        <source>1 date typed by hand could be either day or month first</source>
        <translation>1 fecha escrita a mano puede empezar por el día o por el mes</translation>
    </message>
    <message>
        <source>%1 dates typed by hand could be either day or month first</source>
        <translation>%1 fechas escritas a mano pueden empezar por el día o por el mes</translation>
    </message>
    <message>
        <source>1 date is after today</source>
        <translation>1 fecha es posterior a hoy</translation>
    </message>
    <message>
        <source>%1 dates are after today</source>
        <translation>%1 fechas son posteriores a hoy</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;MB</translation>
    </message>
    <message>
        <source>+%1 up</source>
        <extracomment>A rise in percentage points: the sign, the number, then the word.</extracomment>
        <translation>+%1 sube</translation>
    </message>
    <message>
        <source>−%1 down</source>
        <translation>−%1 baja</translation>
    </message>
    <message>
        <source>±0 same</source>
        <translation>±0 igual</translation>
    </message>
    <message>
        <source>%1 (%2 of %3)</source>
        <extracomment>An average percentage, then the right answers out of the questions.</extracomment>
        <translation>%1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved. %2</source>
        <translation>No se pudo guardar «%1». %2</translation>
    </message>
</context>
<context>
    <name>scores::ScoreFolder</name>
    <message>
        <source>The score folder &quot;%1&quot; does not exist: no score can be saved.</source>
        <translation>La carpeta de los puntos «%1» no existe: no se pueden guardar puntos.</translation>
    </message>
    <message>
        <source>The score folder &quot;%1&quot; cannot be written: no score can be saved.</source>
        <translation>No se puede escribir en la carpeta de los puntos «%1»: no se pueden guardar puntos.</translation>
    </message>
</context>
<context>
    <name>scores::ScoreWindow</name>
    <message>
        <source>It is larger than %1, the most the score viewer shows. To see it here, open it in a text editor and move older records into another file.</source>
        <translation>El archivo ocupa más de %1, lo máximo que muestra la ventana «Puntos guardados». Para verlo aquí, ábrelo en un editor de texto y pasa los registros antiguos a otro archivo.</translation>
    </message>
    <message>
        <source>It has %1 lines, more than the %2 the score viewer shows. To see it here, open it in a text editor and move older records into another file.</source>
        <translation>El archivo tiene %1 líneas, más de las %2 que muestra la ventana «Puntos guardados». Para verlo aquí, ábrelo en un editor de texto y pasa los registros antiguos a otro archivo.</translation>
    </message>
    <message>
        <source>One of its lines is %1 characters long, more than the %2 the score viewer shows in a line. To see it here, open it in a text editor and break that line up.</source>
        <translation>Una línea del archivo tiene %1 caracteres, más de los %2 que la ventana «Puntos guardados» muestra en una línea. Para verlo aquí, ábrelo en un editor de texto y divide esa línea.</translation>
    </message>
    <message>
        <source>Math Scores</source>
        <translation>Puntos guardados</translation>
    </message>
    <message>
        <source>The Math Scores Are </source>
        <translation>Estos son los puntos guardados:</translation>
    </message>
    <message>
        <source>Label2</source>
        <extracomment>Never shown: the hidden label that holds the name of the file shown.</extracomment>
        <translation>Label2</translation>
    </message>
    <message>
        <source>Text1</source>
        <extracomment>The box&apos;s text until a file&apos;s scores are put in it, which is before it is first drawn: never seen.</extracomment>
        <translation>Text1</translation>
    </message>
    <message>
        <source>scores</source>
        <translation>puntos guardados</translation>
    </message>
    <message>
        <source>Do You Want to Save Changes?</source>
        <translation>¿Quieres guardar los cambios?</translation>
    </message>
    <message>
        <source>Math  Scores</source>
        <translation>Puntos guardados</translation>
    </message>
    <message>
        <source>The scores could not be saved in &quot;%1&quot;: %2</source>
        <translation>No se pudieron guardar los puntos en «%1». %2</translation>
    </message>
    <message>
        <source>The scores in &quot;%1&quot; could not be shown: %2</source>
        <translation>No se pudieron mostrar los puntos de «%1». %2</translation>
    </message>
    <message>
        <source>the scores saved in the file, one record a line; edits are saved when the window closes; Ctrl+F4 closes it, Ctrl+Tab goes to the other windows</source>
        <translation>los puntos guardados en el archivo, un registro por línea; los cambios se guardan al cerrar la ventana; Ctrl+F4 la cierra, Ctrl+Tab pasa a las otras ventanas</translation>
    </message>
    <message>
        <source>The folder that &quot;%1&quot; was shown from has been renamed or replaced since.

Save the text shown here as &quot;%2&quot;? No keeps this window open with its text.</source>
        <translation>La carpeta desde la que se abrió «%1» se ha renombrado o sustituido desde entonces.

¿Guardar el texto de esta ventana como «%2»? Si pulsas «No», esta ventana sigue abierta con su texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed elsewhere since it was shown here.</source>
        <translation>«%1» ha cambiado en otro sitio desde que se abrió aquí.</translation>
    </message>
    <message>
        <source>Replace it with the text shown here? No keeps the file as it is, and this window stays open with its text.</source>
        <translation>¿Reemplazarlo con el texto de esta ventana? Si pulsas «No», el archivo se queda como está y esta ventana sigue abierta con su texto.</translation>
    </message>
    <message>
        <source>scores, none saved yet</source>
        <translation>puntos guardados: todavía ninguno</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was removed since it was shown here.</source>
        <translation>«%1» se ha borrado desde que se abrió aquí.</translation>
    </message>
    <message>
        <source>Save the text shown here in its place? No leaves it removed, and this window stays open with its text.</source>
        <translation>¿Guardarlo de nuevo con el texto de esta ventana? Si pulsas «No», sigue borrado y esta ventana sigue abierta con su texto.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Scores saved in it since: %Ln. They stay, after the text shown here; every other change made elsewhere is replaced.</source>
        <translation>
            <numerusform>Desde entonces se ha guardado %Ln registro nuevo. Se conservan, después del texto de aquí; todos los demás cambios hechos en otro sitio se sustituyen.</numerusform>
            <numerusform>Desde entonces se han guardado %Ln registros nuevos. Se conservan, después del texto de aquí; todos los demás cambios hechos en otro sitio se sustituyen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::mdiSumbrook</name>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>About Sumbrook</source>
        <translation>Acerca de Sumbrook</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Press F10 to choose a drill</source>
        <translation>Pulsa F10 para elegir un ejercicio</translation>
    </message>
    <message>
        <source>Change Learner</source>
        <translation>Cambiar de alumno</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: the number, then the per cent sign as the language writes it. Shown in the drills&apos; score panel and in Progress; keep it short, the drills&apos; panel is narrow.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>toolkit::dialogs</name>
    <message>
        <source>Another program is using &quot;%1&quot;. Waiting for it to finish…</source>
        <translation>Otro programa está usando «%1». Esperando a que termine…</translation>
    </message>
</context>
<context>
    <name>toolkit::files</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file.</source>
        <translation>Es una tubería con nombre, no un archivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es un socket, no un archivo.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <source>Another program is using the file. Try again in a moment.</source>
        <translation>Otro programa está usando el archivo. Inténtalo de nuevo dentro de un momento.</translation>
    </message>
    <message>
        <source>The file keeps being replaced. Try again in a moment.</source>
        <translation>El archivo se reemplaza una y otra vez. Inténtalo de nuevo dentro de un momento.</translation>
    </message>
    <message>
        <source>%1 (and the part written stays in the file: %2)</source>
        <translation>%1 (y la parte ya escrita se queda en el archivo: %2)</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>El archivo ocupa más de %1 bytes.</translation>
    </message>
    <message>
        <source>Saved by you, it could no longer be changed by everyone who can change it now.</source>
        <translation>Si lo guardaras, algunas personas que ahora pueden cambiarlo ya no podrían hacerlo.</translation>
    </message>
    <message>
        <source>It is a symbolic link made by another user (%1): it is not followed.</source>
        <translation>Es un enlace simbólico creado por otro usuario (%1): no se sigue.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; is no longer there.</source>
        <translation>La carpeta «%1» ya no existe.</translation>
    </message>
    <message>
        <source>It is a symbolic link to a file that does not exist: nothing is created through it.</source>
        <translation>Es un enlace simbólico a un archivo que no existe: no se crea nada a través de él.</translation>
    </message>
    <message>
        <source>It was changed elsewhere and is now larger than %1 bytes.</source>
        <translation>Se ha cambiado en otro sitio y ahora ocupa más de %1 bytes.</translation>
    </message>
    <message>
        <source>It is a symbolic link made by the folder&apos;s owner (%1) to a file in another folder: it is not followed.</source>
        <translation>Es un enlace simbólico creado por el dueño de la carpeta (%1) hacia un archivo de otra carpeta: no se sigue.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is a symbolic link. Ask the folder&apos;s owner to remove it.</source>
        <translation>El archivo de bloqueo «%1» es un enlace simbólico. Pide al dueño de la carpeta que lo borre.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a file. Ask the folder&apos;s owner to remove it.</source>
        <translation>El archivo de bloqueo «%1» no es un archivo. Pide al dueño de la carpeta que lo borre.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is another name of a file. Ask the folder&apos;s owner to remove it.</source>
        <translation>El archivo de bloqueo «%1» es otro nombre de un archivo. Pide al dueño de la carpeta que lo borre.</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile. Try again in a moment.</source>
        <translation>Otro programa lo ha cambiado mientras tanto. Inténtalo de nuevo dentro de un momento.</translation>
    </message>
    <message>
        <source>Another program made a file by that name meanwhile. Try again in a moment.</source>
        <translation>Otro programa ha creado mientras tanto un archivo con ese nombre. Inténtalo de nuevo dentro de un momento.</translation>
    </message>
</context>
<context>
    <name>toolkit::speech</name>
    <message>
        <source>Read Aloud</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Reading aloud is on.</source>
        <translation>La lectura en voz alta está activada.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: no voice is installed. Voices come with the packages speech-dispatcher and espeak-ng.</source>
        <translation>No se lee nada en voz alta. No hay ninguna voz instalada. Las voces vienen con los paquetes speech-dispatcher y espeak-ng.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: the speech service does not answer. It is tried again at the next sentence.</source>
        <translation>No se lee nada en voz alta. El servicio de voz no responde. Se volverá a intentar con la siguiente frase.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: the speech module is missing.</source>
        <translation>No se lee nada en voz alta. Falta el módulo de voz.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>Say It Again</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>A screen reader is running, so Sumbrook does not read aloud as well. Press Ctrl+R again to read aloud anyway.</source>
        <translation>Hay un lector de pantalla activo, así que Sumbrook no lee en voz alta además. Pulsa Ctrl+R otra vez para leer de todos modos.</translation>
    </message>
    <message>
        <source>Reading aloud is off.</source>
        <translation>La lectura en voz alta está desactivada.</translation>
    </message>
</context>
</TS>
