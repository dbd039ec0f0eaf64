<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ExerciseView</name>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveScore</name>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name holds characters that a score file cannot store: %1. Each would be saved as &quot;?&quot;.

Save all the same? No goes back to the name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text holds characters that a score file cannot store: %1. Each would be saved as &quot;?&quot;.

Save all the same? No goes back to the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score could not be saved in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>about::AboutWindow</name>
    <message>
        <source>Sumbrook icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please send any comments to  sumbrook@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closes this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starts the system information tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>division::DivisionWindow</name>
    <message>
        <source>Divide 2 decimal places  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Correct Answer is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>correct answer, to two decimal places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whether the answer was right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number to divide by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number to divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face with a straight mouth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>laughing face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>laughing face with a nose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumbrook is freeware: share it freely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more information or comment Email to sumbrook@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You got </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of right answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions Giving you a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percentage of right answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of problems answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer, to two decimal places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type it and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checks the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shows the score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>drills::DrillWindow</name>
    <message>
        <source>ADD 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUBTRACT  2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MULTIPLY  2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first number of the two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second number of the two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>correct answer to the two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whether the answer to the two-number problem was right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Correct Answer is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You got </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of right answers to the two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions Giving you a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percentage of right answers to the two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of two-number problems answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUBTRACT 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MULTIPLY 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first number of the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second number of the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third number of the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>correct answer to the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whether the answer to the three-number problem was right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of right answers to the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percentage of right answers to the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of three-number problems answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sumbrook is freeware: share it freely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more information or comment Email to sumbrook@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face with a straight mouth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>laughing face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>laughing face with a nose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer to the two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type it and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checks the answer to the two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shows the score of the two-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer to the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checks the answer to the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shows the score of the three-number problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desplay Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scores::ScoreWindow</name>
    <message>
        <source>It is larger than %1, the most the score viewer shows. To see it here, open it in a text editor and move older records into another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has %1 lines, more than the %2 the score viewer shows. To see it here, open it in a text editor and move older records into another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of its lines is %1 characters long, more than the %2 the score viewer shows in a line. To see it here, open it in a text editor and break that line up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Math Scores Are </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scores saved in the file, one record a line; edits are saved when the window closes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do You Want to Save Changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math  Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scores could not be saved in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed elsewhere since it was shown here: it was removed.

Replace it with the text shown here? No keeps the file as it is, and this window stays open with its text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed elsewhere since it was shown here.

Replace it with the text shown here? No keeps the file as it is, and this window stays open with its text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scores in &quot;%1&quot; could not be shown: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>shell::mdiSumbrook</name>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Sumbrook</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>toolkit::TextFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a named pipe, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is using the file. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file keeps being replaced. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (and the part written stays in the file: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
