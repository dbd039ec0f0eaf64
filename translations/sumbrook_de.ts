<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ExerciseView</name>
    <message>
        <source>right: %1</source>
        <translation>richtig: %1</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <translation>falsch: %1</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 plus %2 plus %3</source>
        <translation>%1 plus %2 plus %3</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>%1 minus %2 minus %3</source>
        <translation>%1 minus %2 minus %3</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>%1 times %2 times %3</source>
        <translation>%1 mal %2 mal %3</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 geteilt durch %2</translation>
    </message>
    <message>
        <source>You got %1 right out of %2: %3</source>
        <translation>Du hast %1 von %2 richtig: %3</translation>
    </message>
    <message>
        <source>right: the faces take turns</source>
        <translation>richtig: Die Gesichter wechseln sich ab</translation>
    </message>
    <message>
        <source>type the answer, then press Enter</source>
        <translation>gib das Ergebnis ein und drücke die Eingabetaste</translation>
    </message>
    <message>
        <source>%1 is about %2.</source>
        <translation>%1 ist ungefähr %2.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 ist %2.</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <translation>Richtig! %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>Nearly. Write the decimals after a comma: %1.</source>
        <translation>Fast. Schreib ein Komma vor die Nachkommastellen: %1.</translation>
    </message>
    <message>
        <source>Nearly. Write the decimals after a point: %1.</source>
        <translation>Fast. Schreib einen Punkt vor die Nachkommastellen: %1.</translation>
    </message>
    <message>
        <source>Not quite. %1</source>
        <translation>Leider falsch. %1</translation>
    </message>
    <message>
        <source>%1. Type the answer, then press Enter.</source>
        <translation>%1. Schreib die Lösung und drück dann Enter.</translation>
    </message>
    <message>
        <source>First problem: %1. Second problem: %2. The keyboard is on the first: type the answer, then press Enter.</source>
        <translation>Erste Aufgabe: %1. Zweite Aufgabe: %2. Du bist bei der ersten: schreib die Lösung und drück dann Enter.</translation>
    </message>
    <message>
        <source>First problem: %1. Second problem: %2. The keyboard is on the second: type the answer, then press Enter.</source>
        <translation>Erste Aufgabe: %1. Zweite Aufgabe: %2. Du bist bei der zweiten: schreib die Lösung und drück dann Enter.</translation>
    </message>
</context>
<context>
    <name>SaveScore</name>
    <message numerus="yes">
        <source>The name holds characters that a score file cannot store: %1. Each would be saved as &quot;?&quot;.

Save all the same? No goes back to the name.</source>
        <translation>
            <numerusform>Dieses Zeichen in deinem Namen kann Sumbrook nicht speichern: %1. Dafür steht dann ein „?“.

Trotzdem speichern? Mit Nein kannst du den Namen ändern.</numerusform>
            <numerusform>Diese Zeichen in deinem Namen kann Sumbrook nicht speichern: %1. Dafür steht dann ein „?“.

Trotzdem speichern? Mit Nein kannst du den Namen ändern.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds characters that a score file cannot store: %1. Each would be saved as &quot;?&quot;.

Save all the same? No goes back to the text.</source>
        <translation>
            <numerusform>Dieses Zeichen im Text kann Sumbrook nicht speichern: %1. Dafür steht dann ein „?“.

Trotzdem speichern? Mit Nein kannst du den Text ändern.</numerusform>
            <numerusform>Diese Zeichen im Text kann Sumbrook nicht speichern: %1. Dafür steht dann ein „?“.

Trotzdem speichern? Mit Nein kannst du den Text ändern.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Wie heißt du? Gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>Math Score</source>
        <extracomment>The title of the box that asks for the name.</extracomment>
        <translation>Punkte speichern</translation>
    </message>
    <message>
        <source>The score could not be saved in &quot;%1&quot;: %2</source>
        <translation>Die Punkte konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The name is longer than the %1 characters a score can hold. Please make it shorter.</source>
        <translation>Der Name ist zu lang: Er darf höchstens %1 Zeichen haben. Bitte kürze ihn.</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 und %n weiteres</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved for %1. Your count starts again.</source>
        <translation>Für %1 gespeichert. Jetzt wird neu gezählt.</translation>
    </message>
</context>
<context>
    <name>about::AboutWindow</name>
    <message>
        <source>Sumbrook icon</source>
        <translation>Sumbrook-Symbol</translation>
    </message>
    <message>
        <source>Please send any comments to  sumbrook@example.org</source>
        <translation>Schreib uns deine Meinung an sumbrook@example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo …</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind gerade nicht verfügbar.</translation>
    </message>
    <message>
        <source>press Enter to close this window</source>
        <translation>drücke die Eingabetaste, um dieses Fenster zu schließen</translation>
    </message>
    <message>
        <source>press Enter to start the system information tool</source>
        <translation>drücke die Eingabetaste, um das Programm für Systeminformationen zu starten</translation>
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
        <translation>rot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A learner&apos;s picture: a colour and a shape, as in &quot;red star&quot;.</extracomment>
        <translation>%2, %1</translation>
    </message>
</context>
<context>
    <name>classroom::ClassFile</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it is not text, and is left out.</source>
        <translation>Sie ist kein Text und wird übergangen.</translation>
    </message>
    <message>
        <source>there is no section &quot;%1&quot;; it is left out.</source>
        <translation>Einen Abschnitt „%1“ gibt es nicht; er wird übergangen.</translation>
    </message>
    <message>
        <source>it is not a setting, and is left out.</source>
        <translation>Sie ist keine Einstellung und wird übergangen.</translation>
    </message>
    <message>
        <source>there is no drill &quot;%1&quot;.</source>
        <translation>Eine Übung „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a level of %2: it is practised as designed.</source>
        <translation>„%1“ ist keine Stufe der %2: Es wird wie vorgesehen geübt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of the class, and is left out.</source>
        <translation>„%1“ ist keine Einstellung der Klasse und wird übergangen.</translation>
    </message>
    <message>
        <source>a class holds up to %1 learners; the rest are left out.</source>
        <translation>Eine Klasse hat höchstens %1 Kinder; die übrigen werden übergangen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a learner, and is left out.</source>
        <translation>„%1“ ist keine Einstellung eines Kindes und wird übergangen.</translation>
    </message>
    <message>
        <source>the learner has no name, and is left out.</source>
        <translation>Das Kind hat keinen Namen und wird übergangen.</translation>
    </message>
    <message>
        <source>a name holds up to %1 characters; the learner is left out.</source>
        <translation>Ein Name hat höchstens %1 Zeichen; das Kind wird übergangen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the class already; the second is left out.</source>
        <translation>„%1“ ist schon in der Klasse; der zweite Eintrag wird übergangen.</translation>
    </message>
    <message>
        <source>a rename needs the name before and after it.</source>
        <translation>Eine Umbenennung braucht den alten und den neuen Namen.</translation>
    </message>
    <message>
        <source>the level change is not complete, and is left out.</source>
        <translation>Die Änderung der Stufe ist unvollständig und wird übergangen.</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; is not followed: %2</source>
        <translation>Die Klassendatei „%1“ wird nicht beachtet: %2</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; belongs to %2, not to the folder&apos;s owner (%3) or to you: it is not followed, and everyone practises as designed.</source>
        <translation>Die Klassendatei „%1“ gehört %2, nicht dem Besitzer des Ordners (%3) und nicht dir: Sie wird nicht beachtet, und alle üben wie vorgesehen.</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; may be changed by others than its owner (%2): it is not followed. Its owner can allow only themselves to change it (chmod go-w).</source>
        <translation>Die Klassendatei „%1“ können auch andere als ihr Besitzer (%2) ändern: Sie wird nicht beachtet. Der Besitzer kann das Ändern nur sich selbst erlauben (chmod go-w).</translation>
    </message>
    <message>
        <source>Only the folder&apos;s owner (%1) can change the class.</source>
        <translation>Nur der Besitzer des Ordners (%1) kann die Klasse ändern.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written.</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The class file was changed elsewhere since it was opened. Open the Class window again to see it.</source>
        <translation>Die Klassendatei wurde woanders geändert, seit sie geöffnet wurde. Öffne das Fenster „Klasse“ noch einmal, um sie zu sehen.</translation>
    </message>
    <message>
        <source>The folder was moved or replaced since the class file was read.</source>
        <translation>Der Ordner wurde verschoben oder ersetzt, seit die Klassendatei gelesen wurde.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… und %n weitere.</numerusform>
            <numerusform>… und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>classroom::ClassWindow</name>
    <message>
        <source>&amp;Add Learner</source>
        <translation>Kind &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>learners and their levels</source>
        <translation>Kinder und ihre Stufen</translation>
    </message>
    <message>
        <source>You can see the class but not change it. %1</source>
        <translation>Du kannst die Klasse ansehen, aber nicht ändern. %1</translation>
    </message>
    <message>
        <source>The class of the folder &quot;%1&quot;. A learner&apos;s level &quot;Like the class&quot; follows the whole class&apos;s.</source>
        <translation>Die Klasse im Ordner „%1“. Ein Kind mit der Stufe „Wie die Klasse“ übt auf der Stufe der ganzen Klasse.</translation>
    </message>
    <message>
        <source>The whole class</source>
        <translation>Die ganze Klasse</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Like the class</source>
        <translation>Wie die Klasse</translation>
    </message>
    <message>
        <source>A learner needs a name.</source>
        <translation>Ein Kind braucht einen Namen.</translation>
    </message>
    <message>
        <source>A name holds up to %1 characters.</source>
        <translation>Ein Name hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A name cannot hold control characters.</source>
        <translation>Ein Name darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the class already.</source>
        <translation>„%1“ ist schon in der Klasse.</translation>
    </message>
    <message>
        <source>Learner %1</source>
        <translation>Kind %1</translation>
    </message>
    <message>
        <source>Remove %1 from the class? Their scores stay in the score files.</source>
        <translation>%1 aus der Klasse entfernen? Die Punkte bleiben in den Punktedateien.</translation>
    </message>
    <message>
        <source>The class could not be saved: %1

Show the class as the file holds it now? The changes made here are lost.</source>
        <translation>Die Klasse konnte nicht gespeichert werden: %1

Die Klasse so zeigen, wie sie jetzt in der Datei steht? Deine Änderungen hier gehen verloren.</translation>
    </message>
    <message>
        <source>The class could not be saved: %1</source>
        <translation>Die Klasse konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The class is saved in &quot;%1&quot;.</source>
        <translation>Die Klasse ist in „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Save the changes to the class?</source>
        <translation>Die Änderungen an der Klasse speichern?</translation>
    </message>
</context>
<context>
    <name>classroom::WhoIsPractising</name>
    <message>
        <source>Who is practising?</source>
        <translation>Wer übt jetzt?</translation>
    </message>
    <message>
        <source>Someone else</source>
        <translation>Jemand anderes</translation>
    </message>
    <message>
        <source>Type your name when you save a score.</source>
        <translation>Du gibst deinen Namen ein, wenn du deine Punkte speicherst.</translation>
    </message>
</context>
<context>
    <name>division::DivisionWindow</name>
    <message>
        <source>Divide 2 decimal places  </source>
        <extracomment>The answer is rounded to two decimal places.</extracomment>
        <translation>Runde auf 2 Kommastellen</translation>
    </message>
    <message>
        <source>The Correct Answer is </source>
        <extracomment>Above the correct answer after a wrong one; short and kind.</extracomment>
        <translation>Die Lösung:</translation>
    </message>
    <message>
        <source>You are good.</source>
        <translation>Du bist super!</translation>
    </message>
    <message>
        <source>correct answer, to two decimal places</source>
        <translation>Lösung, auf zwei Kommastellen gerundet</translation>
    </message>
    <message>
        <source>whether the answer was right</source>
        <translation>ob dein Ergebnis richtig war</translation>
    </message>
    <message>
        <source>number to divide by</source>
        <translation>Zahl, durch die geteilt wird</translation>
    </message>
    <message>
        <source>number to divide</source>
        <translation>Zahl, die geteilt wird</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>trauriges Gesicht</translation>
    </message>
    <message>
        <source>face with a straight mouth</source>
        <translation>Gesicht mit geradem Mund</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>lächelndes Gesicht</translation>
    </message>
    <message>
        <source>laughing face</source>
        <translation>lachendes Gesicht</translation>
    </message>
    <message>
        <source>laughing face with a nose</source>
        <translation>lachendes Gesicht mit Nase</translation>
    </message>
    <message>
        <source>Sumbrook is freeware: share it freely.</source>
        <translation>Sumbrook ist kostenlos: Gib es gern weiter.</translation>
    </message>
    <message>
        <source>For more information or comment Email to sumbrook@example.org</source>
        <translation>Fragen oder Ideen? Schreib an sumbrook@example.org</translation>
    </message>
    <message>
        <source>You got </source>
        <extracomment>The score panel is three labels at fixed places, each before a number the program writes: right answers, questions answered and the percentage. Write each as a label (&quot;Right:&quot;, &quot;Total:&quot;, &quot;That is&quot;), not as a piece of a sentence.</extracomment>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>number of right answers</source>
        <translation>Anzahl der richtig gerechneten Aufgaben</translation>
    </message>
    <message>
        <source>Questions Giving you a </source>
        <extracomment>Before the percentage, on the same line.</extracomment>
        <translation>Das sind</translation>
    </message>
    <message>
        <source>percentage of right answers</source>
        <translation>Anteil der richtig gerechneten Aufgaben in Prozent</translation>
    </message>
    <message>
        <source>Out of </source>
        <extracomment>Before the number of questions answered.</extracomment>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>number of problems answered</source>
        <translation>Anzahl der gerechneten Aufgaben</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Save Score</source>
        <translation>Punkte speichern</translation>
    </message>
    <message>
        <source>Display Scores</source>
        <translation>Punkte anzeigen</translation>
    </message>
    <message>
        <source>Division </source>
        <translation>Geteiltaufgaben</translation>
    </message>
    <message>
        <source>type the answer to two decimal places and press Enter; Tab moves on to the buttons</source>
        <translation>tippe dein Ergebnis mit zwei Kommastellen ein und drücke die Eingabetaste; mit der Tabulatortaste geht es weiter zu den Knöpfen</translation>
    </message>
    <message>
        <source>press Enter for a new problem</source>
        <translation>drücke die Eingabetaste für eine neue Aufgabe</translation>
    </message>
    <message>
        <source>press Enter to check the answer</source>
        <translation>drücke die Eingabetaste, um dein Ergebnis zu prüfen</translation>
    </message>
    <message>
        <source>press Enter for the score</source>
        <translation>drücke die Eingabetaste für deine Punkte</translation>
    </message>
    <message>
        <source>press Enter to close the window</source>
        <translation>drücke die Eingabetaste, um das Fenster zu schließen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
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
        <translation>2 Zahlen</translation>
    </message>
    <message>
        <source>SUBTRACT  2</source>
        <translation>2 Zahlen</translation>
    </message>
    <message>
        <source>MULTIPLY  2</source>
        <translation>2 Zahlen</translation>
    </message>
    <message>
        <source>first number of the two-number problem</source>
        <translation>erste Zahl der Aufgabe mit zwei Zahlen</translation>
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
        <translation>•</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>second number of the two-number problem</source>
        <translation>zweite Zahl der Aufgabe mit zwei Zahlen</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>correct answer to the two-number problem</source>
        <translation>Lösung der Aufgabe mit zwei Zahlen</translation>
    </message>
    <message>
        <source>whether the answer to the two-number problem was right</source>
        <translation>ob dein Ergebnis der Aufgabe mit zwei Zahlen richtig war</translation>
    </message>
    <message>
        <source>You are good.</source>
        <translation>Du bist super!</translation>
    </message>
    <message>
        <source>The Correct Answer is </source>
        <extracomment>Beside the correct answer after a wrong one; short and kind. It wraps in a narrow column, each line clear of the &quot;=&quot; and of the Score button&apos;s rim.</extracomment>
        <translation>Die Lösung:</translation>
    </message>
    <message>
        <source>You got </source>
        <extracomment>The score panel is three labels at fixed places, each before a number the program writes: right answers, questions answered and the percentage. Write each as a label (&quot;Right:&quot;, &quot;Total:&quot;, &quot;That is&quot;), not as a piece of a sentence.</extracomment>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>number of right answers to the two-number problem</source>
        <translation>Anzahl der richtig gerechneten Aufgaben mit zwei Zahlen</translation>
    </message>
    <message>
        <source>Questions Giving you a </source>
        <extracomment>Before the percentage, on the same line.</extracomment>
        <translation>Das sind</translation>
    </message>
    <message>
        <source>percentage of right answers to the two-number problem</source>
        <translation>Anteil der richtig gerechneten Aufgaben mit zwei Zahlen in Prozent</translation>
    </message>
    <message>
        <source>Out of </source>
        <extracomment>Before the number of questions answered.</extracomment>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>number of two-number problems answered</source>
        <translation>Anzahl der gerechneten Aufgaben mit zwei Zahlen</translation>
    </message>
    <message>
        <source>ADD 3</source>
        <translation>3 Zahlen</translation>
    </message>
    <message>
        <source>SUBTRACT 3</source>
        <translation>3 Zahlen</translation>
    </message>
    <message>
        <source>MULTIPLY 3</source>
        <translation>3 Zahlen</translation>
    </message>
    <message>
        <source>first number of the three-number problem</source>
        <translation>erste Zahl der Aufgabe mit drei Zahlen</translation>
    </message>
    <message>
        <source>second number of the three-number problem</source>
        <translation>zweite Zahl der Aufgabe mit drei Zahlen</translation>
    </message>
    <message>
        <source>third number of the three-number problem</source>
        <translation>dritte Zahl der Aufgabe mit drei Zahlen</translation>
    </message>
    <message>
        <source>correct answer to the three-number problem</source>
        <translation>Lösung der Aufgabe mit drei Zahlen</translation>
    </message>
    <message>
        <source>whether the answer to the three-number problem was right</source>
        <translation>ob dein Ergebnis der Aufgabe mit drei Zahlen richtig war</translation>
    </message>
    <message>
        <source>number of right answers to the three-number problem</source>
        <translation>Anzahl der richtig gerechneten Aufgaben mit drei Zahlen</translation>
    </message>
    <message>
        <source>percentage of right answers to the three-number problem</source>
        <translation>Anteil der richtig gerechneten Aufgaben mit drei Zahlen in Prozent</translation>
    </message>
    <message>
        <source>number of three-number problems answered</source>
        <translation>Anzahl der gerechneten Aufgaben mit drei Zahlen</translation>
    </message>
    <message>
        <source>Sumbrook is freeware: share it freely.</source>
        <translation>Sumbrook ist kostenlos: Gib es gern weiter.</translation>
    </message>
    <message>
        <source>For more information or comment Email to sumbrook@example.org</source>
        <translation>Fragen oder Ideen? Schreib an sumbrook@example.org</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>trauriges Gesicht</translation>
    </message>
    <message>
        <source>face with a straight mouth</source>
        <translation>Gesicht mit geradem Mund</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>lächelndes Gesicht</translation>
    </message>
    <message>
        <source>laughing face</source>
        <translation>lachendes Gesicht</translation>
    </message>
    <message>
        <source>laughing face with a nose</source>
        <translation>lachendes Gesicht mit Nase</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Save Score</source>
        <translation>Punkte speichern</translation>
    </message>
    <message>
        <source>Display Scores</source>
        <translation>Punkte anzeigen</translation>
    </message>
    <message>
        <source>Desplay Scores</source>
        <translation>Punkte anzeigen</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plusaufgaben</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minusaufgaben</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Malaufgaben</translation>
    </message>
    <message>
        <source>type the answer and press Enter; Tab moves on to the buttons</source>
        <translation>tippe dein Ergebnis ein und drücke die Eingabetaste; mit der Tabulatortaste geht es weiter zu den Knöpfen</translation>
    </message>
    <message>
        <source>Reset, two numbers</source>
        <translation>Weiter, zwei Zahlen</translation>
    </message>
    <message>
        <source>press Enter for a new two-number problem</source>
        <translation>drücke die Eingabetaste für eine neue Aufgabe mit zwei Zahlen</translation>
    </message>
    <message>
        <source>Answer, two numbers</source>
        <translation>Prüfen, zwei Zahlen</translation>
    </message>
    <message>
        <source>press Enter to check the answer to the two-number problem</source>
        <translation>drücke die Eingabetaste, um dein Ergebnis der Aufgabe mit zwei Zahlen zu prüfen</translation>
    </message>
    <message>
        <source>Score, two numbers</source>
        <translation>Punkte, zwei Zahlen</translation>
    </message>
    <message>
        <source>press Enter for the score of the two-number problem</source>
        <translation>drücke die Eingabetaste für deine Punkte bei den Aufgaben mit zwei Zahlen</translation>
    </message>
    <message>
        <source>Reset, three numbers</source>
        <translation>Weiter, drei Zahlen</translation>
    </message>
    <message>
        <source>press Enter for a new three-number problem</source>
        <translation>drücke die Eingabetaste für eine neue Aufgabe mit drei Zahlen</translation>
    </message>
    <message>
        <source>Answer, three numbers</source>
        <translation>Prüfen, drei Zahlen</translation>
    </message>
    <message>
        <source>press Enter to check the answer to the three-number problem</source>
        <translation>drücke die Eingabetaste, um dein Ergebnis der Aufgabe mit drei Zahlen zu prüfen</translation>
    </message>
    <message>
        <source>Score, three numbers</source>
        <translation>Punkte, drei Zahlen</translation>
    </message>
    <message>
        <source>press Enter for the score of the three-number problem</source>
        <translation>drücke die Eingabetaste für deine Punkte bei den Aufgaben mit drei Zahlen</translation>
    </message>
    <message>
        <source>press Enter to close the window</source>
        <translation>drücke die Eingabetaste, um das Fenster zu schließen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
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
        <translation>Wie vorgesehen</translation>
    </message>
    <message>
        <source>Sums to %1</source>
        <translation>Summen bis %1</translation>
    </message>
    <message>
        <source>Within %1</source>
        <translation>Bis %1</translation>
    </message>
    <message>
        <source>Tables 1 to 10</source>
        <translation>Einmaleins 1 bis 10</translation>
    </message>
    <message>
        <source>Table of %1</source>
        <translation>%1er-Reihe</translation>
    </message>
    <message>
        <source>Tables %1 and %2</source>
        <translation>Reihen %1 und %2</translation>
    </message>
    <message>
        <source>Whole answers</source>
        <translation>Ohne Rest</translation>
    </message>
</context>
<context>
    <name>progress::ProgressWindow</name>
    <message>
        <source>shows the scores saved in another folder</source>
        <translation>zeigt die Punkte aus einem anderen Ordner</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <source>records</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>the chosen learner&apos;s saved scores, as the chart shows them</source>
        <translation>die gespeicherten Punkte des gewählten Kindes, wie sie das Diagramm zeigt</translation>
    </message>
    <message>
        <source>All drills</source>
        <translation>Alle Aufgaben</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plusaufgaben</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minusaufgaben</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Malaufgaben</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteiltaufgaben</translation>
    </message>
    <message>
        <source>Addition, 2 numbers</source>
        <translation>Plusaufgaben mit 2 Zahlen</translation>
    </message>
    <message>
        <source>Addition, 3 numbers</source>
        <translation>Plusaufgaben mit 3 Zahlen</translation>
    </message>
    <message>
        <source>Subtraction, 2 numbers</source>
        <translation>Minusaufgaben mit 2 Zahlen</translation>
    </message>
    <message>
        <source>Subtraction, 3 numbers</source>
        <translation>Minusaufgaben mit 3 Zahlen</translation>
    </message>
    <message>
        <source>Multiplication, 2 numbers</source>
        <translation>Malaufgaben mit 2 Zahlen</translation>
    </message>
    <message>
        <source>Multiplication, 3 numbers</source>
        <translation>Malaufgaben mit 3 Zahlen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Open a Folder of Scores</source>
        <translation>Ordner mit Punkten öffnen</translation>
    </message>
    <message>
        <source>Scores in %1</source>
        <translation>Punkte in %1</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Save the Table</source>
        <translation>Tabelle speichern</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv)</source>
        <translation>Tabellenkalkulation (*.csv)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Since…</source>
        <translation>Seit …</translation>
    </message>
    <message>
        <source>The school year</source>
        <translation>Das Schuljahr</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>&amp;Ordner öffnen …</translation>
    </message>
    <message>
        <source>period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>since</source>
        <translation>seit</translation>
    </message>
    <message>
        <source>class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>each learner&apos;s average, right answers and change in the period, days practised and last practised; sort by a column&apos;s heading; choose a learner to see their progress</source>
        <translation>für jedes Kind: der Durchschnitt, die richtigen Lösungen und die Veränderung im Zeitraum, an wie vielen Tagen es geübt hat und wann zuletzt; sortiere über die Spaltenköpfe; wähle ein Kind, um seinen Fortschritt zu sehen</translation>
    </message>
    <message>
        <source>reading the scores</source>
        <translation>Punkte werden gelesen</translation>
    </message>
    <message>
        <source>Save &amp;Table…</source>
        <translation>&amp;Tabelle speichern …</translation>
    </message>
    <message>
        <source>saves the class table, or the learner&apos;s records, for a spreadsheet</source>
        <translation>speichert die Klassentabelle oder die Einträge des Kindes für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Als &amp;PDF speichern …</translation>
    </message>
    <message>
        <source>saves the class table, or the learner&apos;s chart and records, to print</source>
        <translation>speichert die Klassentabelle oder das Diagramm und die Einträge des Kindes zum Drucken</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Klasse</translation>
    </message>
    <message>
        <source>&amp;Learner</source>
        <translation>K&amp;ind</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. %2</source>
        <translation>„%1“ konnte nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>it is written in %1, not as Sumbrook writes it; read as such</source>
        <translation>sie ist in %1 geschrieben, nicht wie Sumbrook schreibt; so gelesen</translation>
    </message>
    <message>
        <source>it holds %1; the first %2 were read</source>
        <translation>sie ist %1 groß; die ersten %2 wurden gelesen</translation>
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
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1: change</source>
        <translation>%1: Veränderung</translation>
    </message>
    <message>
        <source>Days practised</source>
        <translation>Tage geübt</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>Class average</source>
        <translation>Klassendurchschnitt</translation>
    </message>
    <message>
        <source>%1 (not in the class)</source>
        <translation>%1 (nicht in der Klasse)</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>no percentage</source>
        <translation>kein Prozentwert</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>No scores in this period.</source>
        <translation>Keine Punkte in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Chart: %1&apos;s results in per cent</source>
        <translation>Diagramm: Ergebnisse von %1 in Prozent</translation>
    </message>
    <message>
        <source>in 1 save</source>
        <translation>in 1 Eintrag</translation>
    </message>
    <message>
        <source>in %1 saves</source>
        <translation>in %1 Einträgen</translation>
    </message>
    <message>
        <source>%1: %2 %3, none the period before</source>
        <translation>%1: %2 %3, keine im Zeitraum davor</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 from %5 the period before</source>
        <translation>%1: %2 %3, %4 gegenüber %5 im Zeitraum davor</translation>
    </message>
    <message>
        <source>up</source>
        <translation>gestiegen</translation>
    </message>
    <message>
        <source>down</source>
        <translation>gesunken</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>In the class</source>
        <translation>In der Klasse</translation>
    </message>
    <message>
        <source>%1: average (%)</source>
        <translation>%1: Durchschnitt (%)</translation>
    </message>
    <message>
        <source>%1: right answers</source>
        <translation>%1: richtig</translation>
    </message>
    <message>
        <source>%1: questions</source>
        <translation>%1: Aufgaben</translation>
    </message>
    <message>
        <source>%1: change (points)</source>
        <translation>%1: Veränderung (Prozentpunkte)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>the class</source>
        <translation>der Klasse</translation>
    </message>
    <message>
        <source>%1 · %2 · printed %3 · page %4 of %5</source>
        <extracomment>The PDF&apos;s heading: the drill, the period, the day it was printed, the page.</extracomment>
        <translation>%1 · %2 · gedruckt am %3 · Seite %4 von %5</translation>
    </message>
    <message>
        <source>1 line is not a score</source>
        <translation>1 Zeile ist kein Punkteeintrag</translation>
    </message>
    <message>
        <source>%1 lines are not scores</source>
        <translation>%1 Zeilen sind keine Punkteeinträge</translation>
    </message>
    <message>
        <source>1 date cannot be read</source>
        <translation>1 Datum ist nicht lesbar</translation>
    </message>
    <message>
        <source>%1 dates cannot be read</source>
        <translation>%1 Daten sind nicht lesbar</translation>
    </message>
    <message>
        <source>1 date typed by hand could be either day or month first</source>
        <translation>bei 1 von Hand getipptem Datum kann Tag oder Monat vorne stehen</translation>
    </message>
    <message>
        <source>%1 dates typed by hand could be either day or month first</source>
        <translation>bei %1 von Hand getippten Daten kann Tag oder Monat vorne stehen</translation>
    </message>
    <message>
        <source>1 date is after today</source>
        <translation>1 Datum liegt nach heute</translation>
    </message>
    <message>
        <source>%1 dates are after today</source>
        <translation>%1 Daten liegen nach heute</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>+%1 up</source>
        <extracomment>A rise in percentage points: the sign, the number, then the word.</extracomment>
        <translation>+%1 gestiegen</translation>
    </message>
    <message>
        <source>−%1 down</source>
        <translation>−%1 gesunken</translation>
    </message>
    <message>
        <source>±0 same</source>
        <translation>±0 gleich</translation>
    </message>
    <message>
        <source>%1 (%2 of %3)</source>
        <extracomment>An average percentage, then the right answers out of the questions.</extracomment>
        <translation>%1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved. %2</source>
        <translation>„%1“ konnte nicht gespeichert werden. %2</translation>
    </message>
</context>
<context>
    <name>scores::ScoreFolder</name>
    <message>
        <source>The score folder &quot;%1&quot; does not exist: no score can be saved.</source>
        <translation>Den Ordner für die Punkte „%1“ gibt es nicht: Es können keine Punkte gespeichert werden.</translation>
    </message>
    <message>
        <source>The score folder &quot;%1&quot; cannot be written: no score can be saved.</source>
        <translation>In den Ordner für die Punkte „%1“ kann nicht geschrieben werden: Es können keine Punkte gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>scores::ScoreWindow</name>
    <message>
        <source>It is larger than %1, the most the score viewer shows. To see it here, open it in a text editor and move older records into another file.</source>
        <translation>Die Datei ist größer als %1. So große Dateien kann das Fenster „Gespeicherte Punkte“ nicht zeigen. Um sie hier zu sehen, öffne sie in einem Texteditor und verschiebe ältere Einträge in eine andere Datei.</translation>
    </message>
    <message>
        <source>It has %1 lines, more than the %2 the score viewer shows. To see it here, open it in a text editor and move older records into another file.</source>
        <translation>Die Datei hat %1 Zeilen, mehr als die %2, die das Fenster „Gespeicherte Punkte“ zeigt. Um sie hier zu sehen, öffne sie in einem Texteditor und verschiebe ältere Einträge in eine andere Datei.</translation>
    </message>
    <message>
        <source>One of its lines is %1 characters long, more than the %2 the score viewer shows in a line. To see it here, open it in a text editor and break that line up.</source>
        <translation>Eine Zeile der Datei ist %1 Zeichen lang, länger als die %2 Zeichen, die das Fenster „Gespeicherte Punkte“ in einer Zeile zeigt. Um sie hier zu sehen, öffne sie in einem Texteditor und teile diese Zeile auf.</translation>
    </message>
    <message>
        <source>Math Scores</source>
        <translation>Gespeicherte Punkte</translation>
    </message>
    <message>
        <source>The Math Scores Are </source>
        <translation>Hier sind die gespeicherten Punkte:</translation>
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
        <translation>gespeicherte Punkte</translation>
    </message>
    <message>
        <source>Do You Want to Save Changes?</source>
        <translation>Möchtest du die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Math  Scores</source>
        <translation>Gespeicherte Punkte</translation>
    </message>
    <message>
        <source>The scores could not be saved in &quot;%1&quot;: %2</source>
        <translation>Die Punkte konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The scores in &quot;%1&quot; could not be shown: %2</source>
        <translation>Die Punkte in „%1“ können nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>the scores saved in the file, one record a line; edits are saved when the window closes; Ctrl+F4 closes it, Ctrl+Tab goes to the other windows</source>
        <translation>die in der Datei gespeicherten Punkte, ein Eintrag pro Zeile; Änderungen werden beim Schließen des Fensters gespeichert; Strg+F4 schließt es, Strg+Tab wechselt zu den anderen Fenstern</translation>
    </message>
    <message>
        <source>The folder that &quot;%1&quot; was shown from has been renamed or replaced since.

Save the text shown here as &quot;%2&quot;? No keeps this window open with its text.</source>
        <translation>Der Ordner, aus dem „%1“ angezeigt wurde, wurde inzwischen umbenannt oder ersetzt.

Soll der Text hier als „%2“ gespeichert werden? Mit Nein bleibt dieses Fenster mit seinem Text offen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed elsewhere since it was shown here.</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, während die Datei hier offen war.</translation>
    </message>
    <message>
        <source>Replace it with the text shown here? No keeps the file as it is, and this window stays open with its text.</source>
        <translation>Soll sie durch den Text hier ersetzt werden? Mit Nein bleibt die Datei, wie sie ist, und dieses Fenster bleibt mit seinem Text offen.</translation>
    </message>
    <message>
        <source>scores, none saved yet</source>
        <translation>gespeicherte Punkte: noch keine</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was removed since it was shown here.</source>
        <translation>„%1“ wurde gelöscht, während die Datei hier offen war.</translation>
    </message>
    <message>
        <source>Save the text shown here in its place? No leaves it removed, and this window stays open with its text.</source>
        <translation>Soll sie mit dem Text hier neu gespeichert werden? Mit Nein bleibt sie gelöscht, und dieses Fenster bleibt mit seinem Text offen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Scores saved in it since: %Ln. They stay, after the text shown here; every other change made elsewhere is replaced.</source>
        <translation>
            <numerusform>Seitdem wurde darin %Ln Punkteeintrag gespeichert. Sie bleiben erhalten und kommen hinter den Text hier; alle anderen Änderungen von außen werden überschrieben.</numerusform>
            <numerusform>Seitdem wurden darin %Ln Punkteeinträge gespeichert. Sie bleiben erhalten und kommen hinter den Text hier; alle anderen Änderungen von außen werden überschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::mdiSumbrook</name>
    <message>
        <source>Addition</source>
        <translation>Plusaufgaben</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minusaufgaben</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Malaufgaben</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteiltaufgaben</translation>
    </message>
    <message>
        <source>About Sumbrook</source>
        <translation>Über Sumbrook</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Press F10 to choose a drill</source>
        <translation>Drück F10, um eine Übung zu wählen</translation>
    </message>
    <message>
        <source>Change Learner</source>
        <translation>Wer übt?</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
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
        <translation>Ein anderes Programm benutzt gerade „%1“. Warte kurz, bis es fertig ist …</translation>
    </message>
</context>
<context>
    <name>toolkit::files</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file.</source>
        <translation>Das ist eine benannte Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Das ist ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Das ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>Another program is using the file. Try again in a moment.</source>
        <translation>Ein anderes Programm benutzt die Datei. Versuch es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The file keeps being replaced. Try again in a moment.</source>
        <translation>Die Datei wird immer wieder ersetzt. Versuch es gleich noch einmal.</translation>
    </message>
    <message>
        <source>%1 (and the part written stays in the file: %2)</source>
        <translation>%1 (und der schon geschriebene Teil bleibt in der Datei: %2)</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>Die Datei ist größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>Saved by you, it could no longer be changed by everyone who can change it now.</source>
        <translation>Würdest du sie speichern, könnten nicht mehr alle sie ändern, die das jetzt dürfen.</translation>
    </message>
    <message>
        <source>It is a symbolic link made by another user (%1): it is not followed.</source>
        <translation>Das ist eine Verknüpfung, die ein anderer Benutzer (%1) angelegt hat: Sumbrook folgt ihr nicht.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; is no longer there.</source>
        <translation>Der Ordner „%1“ ist nicht mehr da.</translation>
    </message>
    <message>
        <source>It is a symbolic link to a file that does not exist: nothing is created through it.</source>
        <translation>Das ist eine Verknüpfung auf eine Datei, die es nicht gibt: Darüber wird nichts angelegt.</translation>
    </message>
    <message>
        <source>It was changed elsewhere and is now larger than %1 bytes.</source>
        <translation>Sie wurde von einem anderen Programm geändert und ist jetzt größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>It is a symbolic link made by the folder&apos;s owner (%1) to a file in another folder: it is not followed.</source>
        <translation>Das ist eine Verknüpfung, die der Besitzer des Ordners (%1) auf eine Datei in einem anderen Ordner angelegt hat: Sumbrook folgt ihr nicht.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is a symbolic link. Ask the folder&apos;s owner to remove it.</source>
        <translation>Die Sperrdatei „%1“ ist eine Verknüpfung. Bitte den Besitzer des Ordners, sie zu löschen.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a file. Ask the folder&apos;s owner to remove it.</source>
        <translation>Die Sperrdatei „%1“ ist keine Datei. Bitte den Besitzer des Ordners, sie zu löschen.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is another name of a file. Ask the folder&apos;s owner to remove it.</source>
        <translation>Die Sperrdatei „%1“ ist ein zweiter Name einer anderen Datei. Bitte den Besitzer des Ordners, sie zu löschen.</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile. Try again in a moment.</source>
        <translation>Ein anderes Programm hat sie inzwischen geändert. Versuch es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Another program made a file by that name meanwhile. Try again in a moment.</source>
        <translation>Ein anderes Programm hat inzwischen eine Datei mit diesem Namen angelegt. Versuch es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>toolkit::speech</name>
    <message>
        <source>Read Aloud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Reading aloud is on.</source>
        <translation>Vorlesen ist an.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: no voice is installed. Voices come with the packages speech-dispatcher and espeak-ng.</source>
        <translation>Es wird nichts vorgelesen: Es ist keine Stimme installiert. Stimmen kommen mit den Paketen speech-dispatcher und espeak-ng.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: the speech service does not answer. It is tried again at the next sentence.</source>
        <translation>Es wird nichts vorgelesen: Der Sprachdienst antwortet nicht. Beim nächsten Satz wird es wieder versucht.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: the speech module is missing.</source>
        <translation>Es wird nichts vorgelesen: Das Sprachmodul fehlt.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Say It Again</source>
        <translation>Noch einmal sagen</translation>
    </message>
    <message>
        <source>A screen reader is running, so Sumbrook does not read aloud as well. Press Ctrl+R again to read aloud anyway.</source>
        <translation>Ein Bildschirmleser läuft, darum liest Sumbrook nicht auch noch vor. Drück noch einmal Strg+R, um trotzdem vorzulesen.</translation>
    </message>
    <message>
        <source>Reading aloud is off.</source>
        <translation>Vorlesen ist aus.</translation>
    </message>
</context>
</TS>
