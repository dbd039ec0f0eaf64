<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ExerciseView</name>
    <message>
        <source>right: %1</source>
        <translation>juste&#xa0;: %1</translation>
    </message>
    <message>
        <source>wrong: %1</source>
        <translation>faux&#xa0;: %1</translation>
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
        <translation>%1 moins %2</translation>
    </message>
    <message>
        <source>%1 minus %2 minus %3</source>
        <translation>%1 moins %2 moins %3</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>%1 times %2 times %3</source>
        <translation>%1 fois %2 fois %3</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 divisé par %2</translation>
    </message>
    <message>
        <source>You got %1 right out of %2: %3</source>
        <translation>Justes&#xa0;: %1 sur %2. Réussite&#xa0;: %3</translation>
    </message>
    <message>
        <source>right: the faces take turns</source>
        <translation>juste&#xa0;: les visages se relaient</translation>
    </message>
    <message>
        <source>type the answer, then press Enter</source>
        <translation>écris ta réponse, puis appuie sur Entrée</translation>
    </message>
    <message>
        <source>%1 is about %2.</source>
        <translation>%1 égale environ %2.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 égale %2.</translation>
    </message>
    <message>
        <source>Right! %1</source>
        <translation>C’est juste&#xa0;! %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>Nearly. Write the decimals after a comma: %1.</source>
        <translation>Presque. Écris une virgule avant les décimales&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nearly. Write the decimals after a point: %1.</source>
        <translation>Presque. Écris un point avant les décimales&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Not quite. %1</source>
        <translation>C’est faux. %1</translation>
    </message>
    <message>
        <source>%1. Type the answer, then press Enter.</source>
        <translation>%1. Écris la réponse, puis appuie sur Entrée.</translation>
    </message>
    <message>
        <source>First problem: %1. Second problem: %2. The keyboard is on the first: type the answer, then press Enter.</source>
        <translation>Premier calcul&#xa0;: %1. Deuxième calcul&#xa0;: %2. Tu es sur le premier. Écris la réponse, puis appuie sur Entrée.</translation>
    </message>
    <message>
        <source>First problem: %1. Second problem: %2. The keyboard is on the second: type the answer, then press Enter.</source>
        <translation>Premier calcul&#xa0;: %1. Deuxième calcul&#xa0;: %2. Tu es sur le deuxième. Écris la réponse, puis appuie sur Entrée.</translation>
    </message>
</context>
<context>
    <name>SaveScore</name>
    <message numerus="yes">
        <source>The name holds characters that a score file cannot store: %1. Each would be saved as &quot;?&quot;.

Save all the same? No goes back to the name.</source>
        <translation>
            <numerusform>Le nom contient un caractère qu’un fichier de scores ne peut pas enregistrer&#xa0;: %1. Il serait remplacé par «&#xa0;?&#xa0;».

Enregistrer quand même&#xa0;? Non revient au nom.</numerusform>
            <numerusform>Le nom contient des caractères qu’un fichier de scores ne peut pas enregistrer&#xa0;: %1. Chacun serait remplacé par «&#xa0;?&#xa0;».

Enregistrer quand même&#xa0;? Non revient au nom.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The text holds characters that a score file cannot store: %1. Each would be saved as &quot;?&quot;.

Save all the same? No goes back to the text.</source>
        <translation>
            <numerusform>Le texte contient un caractère qu’un fichier de scores ne peut pas enregistrer&#xa0;: %1. Il serait remplacé par «&#xa0;?&#xa0;».

Enregistrer quand même&#xa0;? Non revient au texte.</numerusform>
            <numerusform>Le texte contient des caractères qu’un fichier de scores ne peut pas enregistrer&#xa0;: %1. Chacun serait remplacé par «&#xa0;?&#xa0;».

Enregistrer quand même&#xa0;? Non revient au texte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Écris ton nom</translation>
    </message>
    <message>
        <source>Math Score</source>
        <extracomment>The title of the box that asks for the name.</extracomment>
        <translation>Enregistrer le score</translation>
    </message>
    <message>
        <source>The score could not be saved in &quot;%1&quot;: %2</source>
        <translation>Le score n’a pas pu être enregistré dans «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>The name is longer than the %1 characters a score can hold. Please make it shorter.</source>
        <translation>Le nom est trop long&#xa0;: il peut avoir au plus %1 caractères. Raccourcis-le, s’il te plaît.</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 et encore %n</numerusform>
            <numerusform>%1 et encore %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved for %1. Your count starts again.</source>
        <translation>Score enregistré pour %1. On recommence à compter.</translation>
    </message>
</context>
<context>
    <name>about::AboutWindow</name>
    <message>
        <source>Sumbrook icon</source>
        <translation>icône de Sumbrook</translation>
    </message>
    <message>
        <source>Please send any comments to  sumbrook@example.org</source>
        <translation>Envoie tes remarques à sumbrook@example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Infos système</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment.</translation>
    </message>
    <message>
        <source>press Enter to close this window</source>
        <translation>appuie sur Entrée pour fermer cette fenêtre</translation>
    </message>
    <message>
        <source>press Enter to start the system information tool</source>
        <translation>appuie sur Entrée pour ouvrir l’outil d’informations système</translation>
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
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>rond</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>lune</translation>
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
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not text, and is left out.</source>
        <translation>ce n’est pas du texte, elle est ignorée.</translation>
    </message>
    <message>
        <source>there is no section &quot;%1&quot;; it is left out.</source>
        <translation>il n’y a pas de section «&#xa0;%1&#xa0;»&#xa0;; elle est ignorée.</translation>
    </message>
    <message>
        <source>it is not a setting, and is left out.</source>
        <translation>ce n’est pas un réglage, elle est ignorée.</translation>
    </message>
    <message>
        <source>there is no drill &quot;%1&quot;.</source>
        <translation>il n’y a pas d’exercice «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a level of %2: it is practised as designed.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un niveau de %2&#xa0;: on s’entraîne comme prévu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of the class, and is left out.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un réglage de la classe, il est ignoré.</translation>
    </message>
    <message>
        <source>a class holds up to %1 learners; the rest are left out.</source>
        <translation>une classe compte au plus %1 élèves&#xa0;; les autres sont ignorés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a learner, and is left out.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un réglage d’un élève, il est ignoré.</translation>
    </message>
    <message>
        <source>the learner has no name, and is left out.</source>
        <translation>l’élève n’a pas de nom, il est ignoré.</translation>
    </message>
    <message>
        <source>a name holds up to %1 characters; the learner is left out.</source>
        <translation>un nom compte au plus %1 caractères&#xa0;; l’élève est ignoré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the class already; the second is left out.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans la classe&#xa0;; le second est ignoré.</translation>
    </message>
    <message>
        <source>a rename needs the name before and after it.</source>
        <translation>un changement de nom demande l’ancien et le nouveau nom.</translation>
    </message>
    <message>
        <source>the level change is not complete, and is left out.</source>
        <translation>le changement de niveau est incomplet, il est ignoré.</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; is not followed: %2</source>
        <translation>Le fichier de la classe «&#xa0;%1&#xa0;» n’est pas suivi. %2</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; belongs to %2, not to the folder&apos;s owner (%3) or to you: it is not followed, and everyone practises as designed.</source>
        <translation>Le fichier de la classe «&#xa0;%1&#xa0;» appartient à %2, ni au propriétaire du dossier (%3) ni à toi. Il n’est pas suivi, et tout le monde s’entraîne comme prévu.</translation>
    </message>
    <message>
        <source>The class file &quot;%1&quot; may be changed by others than its owner (%2): it is not followed. Its owner can allow only themselves to change it (chmod go-w).</source>
        <translation>Le fichier de la classe «&#xa0;%1&#xa0;» peut être modifié par d’autres que son propriétaire (%2). Il n’est pas suivi. Son propriétaire peut être seul à pouvoir le modifier (chmod go-w).</translation>
    </message>
    <message>
        <source>Only the folder&apos;s owner (%1) can change the class.</source>
        <translation>Seul le propriétaire du dossier (%1) peut modifier la classe.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written.</source>
        <translation>Impossible d’écrire dans le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The class file was changed elsewhere since it was opened. Open the Class window again to see it.</source>
        <translation>Le fichier de la classe a été modifié ailleurs depuis son ouverture. Ouvre de nouveau la fenêtre «&#xa0;Classe&#xa0;» pour le voir.</translation>
    </message>
    <message>
        <source>The folder was moved or replaced since the class file was read.</source>
        <translation>Le dossier a été déplacé ou remplacé depuis la lecture du fichier de la classe.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… et %n autre.</numerusform>
            <numerusform>… et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>classroom::ClassWindow</name>
    <message>
        <source>&amp;Add Learner</source>
        <translation>&amp;Ajouter un élève</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Monter (&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>learners and their levels</source>
        <translation>élèves et leurs niveaux</translation>
    </message>
    <message>
        <source>You can see the class but not change it. %1</source>
        <translation>Tu peux voir la classe, mais pas la modifier. %1</translation>
    </message>
    <message>
        <source>The class of the folder &quot;%1&quot;. A learner&apos;s level &quot;Like the class&quot; follows the whole class&apos;s.</source>
        <translation>La classe du dossier «&#xa0;%1&#xa0;». Un élève au niveau «&#xa0;Comme la classe&#xa0;» suit celui de toute la classe.</translation>
    </message>
    <message>
        <source>The whole class</source>
        <translation>Toute la classe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Like the class</source>
        <translation>Comme la classe</translation>
    </message>
    <message>
        <source>A learner needs a name.</source>
        <translation>Un élève a besoin d’un nom.</translation>
    </message>
    <message>
        <source>A name holds up to %1 characters.</source>
        <translation>Un nom compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A name cannot hold control characters.</source>
        <translation>Un nom ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the class already.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans la classe.</translation>
    </message>
    <message>
        <source>Learner %1</source>
        <translation>Élève %1</translation>
    </message>
    <message>
        <source>Remove %1 from the class? Their scores stay in the score files.</source>
        <translation>Retirer %1 de la classe ? Ses scores restent dans les fichiers de scores.</translation>
    </message>
    <message>
        <source>The class could not be saved: %1

Show the class as the file holds it now? The changes made here are lost.</source>
        <translation>La classe n&apos;a pas pu être enregistrée : %1

Afficher la classe telle que le fichier la contient maintenant ? Tes modifications ici seront perdues.</translation>
    </message>
    <message>
        <source>The class could not be saved: %1</source>
        <translation>La classe n’a pas pu être enregistrée. %1</translation>
    </message>
    <message>
        <source>The class is saved in &quot;%1&quot;.</source>
        <translation>La classe est enregistrée dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Save the changes to the class?</source>
        <translation>Enregistrer les modifications de la classe ?</translation>
    </message>
</context>
<context>
    <name>classroom::WhoIsPractising</name>
    <message>
        <source>Who is practising?</source>
        <translation>Qui s’entraîne&#xa0;?</translation>
    </message>
    <message>
        <source>Someone else</source>
        <translation>Quelqu’un d’autre</translation>
    </message>
    <message>
        <source>Type your name when you save a score.</source>
        <translation>Tu écriras ton nom quand tu enregistreras ton score.</translation>
    </message>
</context>
<context>
    <name>division::DivisionWindow</name>
    <message>
        <source>Divide 2 decimal places  </source>
        <extracomment>The answer is rounded to two decimal places.</extracomment>
        <translation>Divise et arrondis au centième</translation>
    </message>
    <message>
        <source>The Correct Answer is </source>
        <extracomment>Above the correct answer after a wrong one; short and kind.</extracomment>
        <translation>Le résultat&#xa0;:</translation>
    </message>
    <message>
        <source>You are good.</source>
        <translation>Très bien&#xa0;!</translation>
    </message>
    <message>
        <source>correct answer, to two decimal places</source>
        <translation>résultat, arrondi au centième</translation>
    </message>
    <message>
        <source>whether the answer was right</source>
        <translation>si ta réponse était juste</translation>
    </message>
    <message>
        <source>number to divide by</source>
        <translation>nombre par lequel on divise</translation>
    </message>
    <message>
        <source>number to divide</source>
        <translation>nombre à diviser</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>visage triste</translation>
    </message>
    <message>
        <source>face with a straight mouth</source>
        <translation>visage à la bouche droite</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>visage souriant</translation>
    </message>
    <message>
        <source>laughing face</source>
        <translation>visage qui rit</translation>
    </message>
    <message>
        <source>laughing face with a nose</source>
        <translation>visage qui rit, avec un nez</translation>
    </message>
    <message>
        <source>Sumbrook is freeware: share it freely.</source>
        <translation>Sumbrook est gratuit&#xa0;: tu peux le partager.</translation>
    </message>
    <message>
        <source>For more information or comment Email to sumbrook@example.org</source>
        <translation>Pour en savoir plus ou donner ton avis, écris à sumbrook@example.org</translation>
    </message>
    <message>
        <source>You got </source>
        <extracomment>The score panel is three labels at fixed places, each before a number the program writes: right answers, questions answered and the percentage. Write each as a label (&quot;Right:&quot;, &quot;Total:&quot;, &quot;That is&quot;), not as a piece of a sentence.</extracomment>
        <translation>Justes&#xa0;:</translation>
    </message>
    <message>
        <source>number of right answers</source>
        <translation>nombre de réponses justes</translation>
    </message>
    <message>
        <source>Questions Giving you a </source>
        <extracomment>Before the percentage, on the same line.</extracomment>
        <translation>Réussite&#xa0;:</translation>
    </message>
    <message>
        <source>percentage of right answers</source>
        <translation>pourcentage de réponses justes</translation>
    </message>
    <message>
        <source>Out of </source>
        <extracomment>Before the number of questions answered.</extracomment>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>number of problems answered</source>
        <translation>nombre de calculs que tu as faits</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source> Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Save Score</source>
        <translation>Enregistrer le score</translation>
    </message>
    <message>
        <source>Display Scores</source>
        <translation>Voir les scores</translation>
    </message>
    <message>
        <source>Division </source>
        <translation>Division</translation>
    </message>
    <message>
        <source>type the answer to two decimal places and press Enter; Tab moves on to the buttons</source>
        <translation>écris ta réponse arrondie au centième et appuie sur Entrée&#xa0;; la touche Tab mène aux boutons</translation>
    </message>
    <message>
        <source>press Enter for a new problem</source>
        <translation>appuie sur Entrée pour un nouveau calcul</translation>
    </message>
    <message>
        <source>press Enter to check the answer</source>
        <translation>appuie sur Entrée pour vérifier ta réponse</translation>
    </message>
    <message>
        <source>press Enter for the score</source>
        <translation>appuie sur Entrée pour voir ton score</translation>
    </message>
    <message>
        <source>press Enter to close the window</source>
        <translation>appuie sur Entrée pour fermer la fenêtre</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
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
        <translation>2 termes</translation>
    </message>
    <message>
        <source>SUBTRACT  2</source>
        <translation>2 termes</translation>
    </message>
    <message>
        <source>MULTIPLY  2</source>
        <translation>2 facteurs</translation>
    </message>
    <message>
        <source>first number of the two-number problem</source>
        <translation>premier nombre du calcul à deux nombres</translation>
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
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>second number of the two-number problem</source>
        <translation>deuxième nombre du calcul à deux nombres</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>correct answer to the two-number problem</source>
        <translation>résultat du calcul à deux nombres</translation>
    </message>
    <message>
        <source>whether the answer to the two-number problem was right</source>
        <translation>si ta réponse au calcul à deux nombres était juste</translation>
    </message>
    <message>
        <source>You are good.</source>
        <translation>Très bien&#xa0;!</translation>
    </message>
    <message>
        <source>The Correct Answer is </source>
        <extracomment>Beside the correct answer after a wrong one; short and kind. It wraps in a narrow column, each line clear of the &quot;=&quot; and of the Score button&apos;s rim.</extracomment>
        <translation>Le résultat&#xa0;:</translation>
    </message>
    <message>
        <source>You got </source>
        <extracomment>The score panel is three labels at fixed places, each before a number the program writes: right answers, questions answered and the percentage. Write each as a label (&quot;Right:&quot;, &quot;Total:&quot;, &quot;That is&quot;), not as a piece of a sentence.</extracomment>
        <translation>Justes&#xa0;:</translation>
    </message>
    <message>
        <source>number of right answers to the two-number problem</source>
        <translation>nombre de réponses justes aux calculs à deux nombres</translation>
    </message>
    <message>
        <source>Questions Giving you a </source>
        <extracomment>Before the percentage, on the same line.</extracomment>
        <translation>Réussite&#xa0;:</translation>
    </message>
    <message>
        <source>percentage of right answers to the two-number problem</source>
        <translation>pourcentage de réponses justes aux calculs à deux nombres</translation>
    </message>
    <message>
        <source>Out of </source>
        <extracomment>Before the number of questions answered.</extracomment>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>number of two-number problems answered</source>
        <translation>nombre de calculs à deux nombres que tu as faits</translation>
    </message>
    <message>
        <source>ADD 3</source>
        <translation>3 termes</translation>
    </message>
    <message>
        <source>SUBTRACT 3</source>
        <translation>3 termes</translation>
    </message>
    <message>
        <source>MULTIPLY 3</source>
        <translation>3 facteurs</translation>
    </message>
    <message>
        <source>first number of the three-number problem</source>
        <translation>premier nombre du calcul à trois nombres</translation>
    </message>
    <message>
        <source>second number of the three-number problem</source>
        <translation>deuxième nombre du calcul à trois nombres</translation>
    </message>
    <message>
        <source>third number of the three-number problem</source>
        <translation>troisième nombre du calcul à trois nombres</translation>
    </message>
    <message>
        <source>correct answer to the three-number problem</source>
        <translation>résultat du calcul à trois nombres</translation>
    </message>
    <message>
        <source>whether the answer to the three-number problem was right</source>
        <translation>si ta réponse au calcul à trois nombres était juste</translation>
    </message>
    <message>
        <source>number of right answers to the three-number problem</source>
        <translation>nombre de réponses justes aux calculs à trois nombres</translation>
    </message>
    <message>
        <source>percentage of right answers to the three-number problem</source>
        <translation>pourcentage de réponses justes aux calculs à trois nombres</translation>
    </message>
    <message>
        <source>number of three-number problems answered</source>
        <translation>nombre de calculs à trois nombres que tu as faits</translation>
    </message>
    <message>
        <source>Sumbrook is freeware: share it freely.</source>
        <translation>Sumbrook est gratuit&#xa0;: tu peux le partager.</translation>
    </message>
    <message>
        <source>For more information or comment Email to sumbrook@example.org</source>
        <translation>Pour en savoir plus ou donner ton avis, écris à sumbrook@example.org</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>visage triste</translation>
    </message>
    <message>
        <source>face with a straight mouth</source>
        <translation>visage à la bouche droite</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>visage souriant</translation>
    </message>
    <message>
        <source>laughing face</source>
        <translation>visage qui rit</translation>
    </message>
    <message>
        <source>laughing face with a nose</source>
        <translation>visage qui rit, avec un nez</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source> Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Save Score</source>
        <translation>Enregistrer le score</translation>
    </message>
    <message>
        <source>Display Scores</source>
        <translation>Voir les scores</translation>
    </message>
    <message>
        <source>Desplay Scores</source>
        <translation>Voir les scores</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>type the answer and press Enter; Tab moves on to the buttons</source>
        <translation>écris ta réponse et appuie sur Entrée&#xa0;; la touche Tab mène aux boutons</translation>
    </message>
    <message>
        <source>Reset, two numbers</source>
        <translation>Suivant, deux nombres</translation>
    </message>
    <message>
        <source>press Enter for a new two-number problem</source>
        <translation>appuie sur Entrée pour un nouveau calcul à deux nombres</translation>
    </message>
    <message>
        <source>Answer, two numbers</source>
        <translation>Vérifier, deux nombres</translation>
    </message>
    <message>
        <source>press Enter to check the answer to the two-number problem</source>
        <translation>appuie sur Entrée pour vérifier ta réponse au calcul à deux nombres</translation>
    </message>
    <message>
        <source>Score, two numbers</source>
        <translation>Score, deux nombres</translation>
    </message>
    <message>
        <source>press Enter for the score of the two-number problem</source>
        <translation>appuie sur Entrée pour voir ton score aux calculs à deux nombres</translation>
    </message>
    <message>
        <source>Reset, three numbers</source>
        <translation>Suivant, trois nombres</translation>
    </message>
    <message>
        <source>press Enter for a new three-number problem</source>
        <translation>appuie sur Entrée pour un nouveau calcul à trois nombres</translation>
    </message>
    <message>
        <source>Answer, three numbers</source>
        <translation>Vérifier, trois nombres</translation>
    </message>
    <message>
        <source>press Enter to check the answer to the three-number problem</source>
        <translation>appuie sur Entrée pour vérifier ta réponse au calcul à trois nombres</translation>
    </message>
    <message>
        <source>Score, three numbers</source>
        <translation>Score, trois nombres</translation>
    </message>
    <message>
        <source>press Enter for the score of the three-number problem</source>
        <translation>appuie sur Entrée pour voir ton score aux calculs à trois nombres</translation>
    </message>
    <message>
        <source>press Enter to close the window</source>
        <translation>appuie sur Entrée pour fermer la fenêtre</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
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
        <translation>Comme prévu</translation>
    </message>
    <message>
        <source>Sums to %1</source>
        <translation>Sommes jusqu’à %1</translation>
    </message>
    <message>
        <source>Within %1</source>
        <translation>Jusqu’à %1</translation>
    </message>
    <message>
        <source>Tables 1 to 10</source>
        <translation>Tables de 1 à 10</translation>
    </message>
    <message>
        <source>Table of %1</source>
        <translation>Table de %1</translation>
    </message>
    <message>
        <source>Tables %1 and %2</source>
        <translation>Tables de %1 et de %2</translation>
    </message>
    <message>
        <source>Whole answers</source>
        <translation>Sans reste</translation>
    </message>
</context>
<context>
    <name>progress::ProgressWindow</name>
    <message>
        <source>shows the scores saved in another folder</source>
        <translation>montre les scores d’un autre dossier</translation>
    </message>
    <message>
        <source>drill</source>
        <translation>exercice</translation>
    </message>
    <message>
        <source>records</source>
        <translation>enregistrements</translation>
    </message>
    <message>
        <source>the chosen learner&apos;s saved scores, as the chart shows them</source>
        <translation>les scores enregistrés de l’élève choisi, comme le graphique les montre</translation>
    </message>
    <message>
        <source>All drills</source>
        <translation>Tous les exercices</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Addition, 2 numbers</source>
        <translation>Addition à 2 termes</translation>
    </message>
    <message>
        <source>Addition, 3 numbers</source>
        <translation>Addition à 3 termes</translation>
    </message>
    <message>
        <source>Subtraction, 2 numbers</source>
        <translation>Soustraction à 2 termes</translation>
    </message>
    <message>
        <source>Subtraction, 3 numbers</source>
        <translation>Soustraction à 3 termes</translation>
    </message>
    <message>
        <source>Multiplication, 2 numbers</source>
        <translation>Multiplication à 2 facteurs</translation>
    </message>
    <message>
        <source>Multiplication, 3 numbers</source>
        <translation>Multiplication à 3 facteurs</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Open a Folder of Scores</source>
        <translation>Ouvrir un dossier de scores</translation>
    </message>
    <message>
        <source>Scores in %1</source>
        <translation>Scores dans %1</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Save the Table</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv)</source>
        <translation>Tableur (*.csv)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progrès de %1</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Since…</source>
        <translation>Depuis…</translation>
    </message>
    <message>
        <source>The school year</source>
        <translation>L’année scolaire</translation>
    </message>
    <message>
        <source>Open &amp;Folder…</source>
        <translation>Ouvrir un &amp;dossier…</translation>
    </message>
    <message>
        <source>period</source>
        <translation>période</translation>
    </message>
    <message>
        <source>since</source>
        <translation>depuis</translation>
    </message>
    <message>
        <source>class</source>
        <translation>classe</translation>
    </message>
    <message>
        <source>each learner&apos;s average, right answers and change in the period, days practised and last practised; sort by a column&apos;s heading; choose a learner to see their progress</source>
        <translation>pour chaque élève&#xa0;: la moyenne, les réponses justes et l’évolution sur la période, les jours d’entraînement et la dernière séance&#xa0;; trie avec les en-têtes de colonnes&#xa0;; choisis un élève pour voir ses progrès</translation>
    </message>
    <message>
        <source>reading the scores</source>
        <translation>lecture des scores</translation>
    </message>
    <message>
        <source>Save &amp;Table…</source>
        <translation>Enregistrer le &amp;tableau…</translation>
    </message>
    <message>
        <source>saves the class table, or the learner&apos;s records, for a spreadsheet</source>
        <translation>enregistre le tableau de la classe, ou les séances de l’élève, pour un tableur</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>saves the class table, or the learner&apos;s chart and records, to print</source>
        <translation>enregistre le tableau de la classe, ou le graphique et les séances de l’élève, à imprimer</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Classe</translation>
    </message>
    <message>
        <source>&amp;Learner</source>
        <translation>É&amp;lève</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read. %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être lu. %2</translation>
    </message>
    <message>
        <source>it is written in %1, not as Sumbrook writes it; read as such</source>
        <translation>il est écrit en %1, pas comme Sumbrook l’écrit&#xa0;; lu ainsi</translation>
    </message>
    <message>
        <source>it holds %1; the first %2 were read</source>
        <translation>il fait %1&#xa0;; les premiers %2 ont été lus</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A file&apos;s name, then what was skipped in it and why, separated by &quot;; &quot;.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>%1: change</source>
        <translation>%1&#xa0;: évolution</translation>
    </message>
    <message>
        <source>Days practised</source>
        <translation>Jours d’entraînement</translation>
    </message>
    <message>
        <source>Last practised</source>
        <translation>Dernière séance</translation>
    </message>
    <message>
        <source>Class average</source>
        <translation>Moyenne de la classe</translation>
    </message>
    <message>
        <source>%1 (not in the class)</source>
        <translation>%1 (pas dans la classe)</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Réponses justes</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>no percentage</source>
        <translation>pas de pourcentage</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>No scores in this period.</source>
        <translation>Aucun score sur cette période.</translation>
    </message>
    <message>
        <source>Chart: %1&apos;s results in per cent</source>
        <translation>Graphique&#xa0;: résultats de %1 en pourcentage</translation>
    </message>
    <message>
        <source>in 1 save</source>
        <translation>en 1 séance</translation>
    </message>
    <message>
        <source>in %1 saves</source>
        <translation>en %1 séances</translation>
    </message>
    <message>
        <source>%1: %2 %3, none the period before</source>
        <translation>%1&#xa0;: %2 %3, aucune sur la période précédente</translation>
    </message>
    <message>
        <source>%1: %2 %3, %4 from %5 the period before</source>
        <translation>%1&#xa0;: %2 %3, %4 par rapport à %5 sur la période précédente</translation>
    </message>
    <message>
        <source>up</source>
        <translation>en hausse</translation>
    </message>
    <message>
        <source>down</source>
        <translation>en baisse</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 enregistré dans %2</translation>
    </message>
    <message>
        <source>In the class</source>
        <translation>Dans la classe</translation>
    </message>
    <message>
        <source>%1: average (%)</source>
        <translation>%1&#xa0;: moyenne (%)</translation>
    </message>
    <message>
        <source>%1: right answers</source>
        <translation>%1&#xa0;: réponses justes</translation>
    </message>
    <message>
        <source>%1: questions</source>
        <translation>%1&#xa0;: calculs</translation>
    </message>
    <message>
        <source>%1: change (points)</source>
        <translation>%1&#xa0;: évolution (points)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>the class</source>
        <translation>la classe</translation>
    </message>
    <message>
        <source>%1 · %2 · printed %3 · page %4 of %5</source>
        <extracomment>The PDF&apos;s heading: the drill, the period, the day it was printed, the page.</extracomment>
        <translation>%1 · %2 · imprimé le %3 · page %4 sur %5</translation>
    </message>
    <message>
        <source>1 line is not a score</source>
        <translation>1 ligne n’est pas un score</translation>
    </message>
    <message>
        <source>%1 lines are not scores</source>
        <translation>%1 lignes ne sont pas des scores</translation>
    </message>
    <message>
        <source>1 date cannot be read</source>
        <translation>1 date est illisible</translation>
    </message>
    <message>
        <source>%1 dates cannot be read</source>
        <translation>%1 dates sont illisibles</translation>
    </message>
    <message>
        <source>1 date typed by hand could be either day or month first</source>
        <translation>1 date tapée à la main peut commencer par le jour ou par le mois</translation>
    </message>
    <message>
        <source>%1 dates typed by hand could be either day or month first</source>
        <translation>%1 dates tapées à la main peuvent commencer par le jour ou par le mois</translation>
    </message>
    <message>
        <source>1 date is after today</source>
        <translation>1 date est après aujourd’hui</translation>
    </message>
    <message>
        <source>%1 dates are after today</source>
        <translation>%1 dates sont après aujourd’hui</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>+%1 up</source>
        <extracomment>A rise in percentage points: the sign, the number, then the word.</extracomment>
        <translation>+%1 en hausse</translation>
    </message>
    <message>
        <source>−%1 down</source>
        <translation>−%1 en baisse</translation>
    </message>
    <message>
        <source>±0 same</source>
        <translation>±0 stable</translation>
    </message>
    <message>
        <source>%1 (%2 of %3)</source>
        <extracomment>An average percentage, then the right answers out of the questions.</extracomment>
        <translation>%1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved. %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être enregistré. %2</translation>
    </message>
</context>
<context>
    <name>scores::ScoreFolder</name>
    <message>
        <source>The score folder &quot;%1&quot; does not exist: no score can be saved.</source>
        <translation>Le dossier des scores «&#xa0;%1&#xa0;» n’existe pas. Aucun score ne peut être enregistré.</translation>
    </message>
    <message>
        <source>The score folder &quot;%1&quot; cannot be written: no score can be saved.</source>
        <translation>Impossible d’écrire dans le dossier des scores «&#xa0;%1&#xa0;». Aucun score ne peut être enregistré.</translation>
    </message>
</context>
<context>
    <name>scores::ScoreWindow</name>
    <message>
        <source>It is larger than %1, the most the score viewer shows. To see it here, open it in a text editor and move older records into another file.</source>
        <translation>Le fichier dépasse %1, le maximum que montre la fenêtre «&#xa0;Scores enregistrés&#xa0;». Pour le voir ici, ouvre-le dans un éditeur de texte et déplace les anciens scores dans un autre fichier.</translation>
    </message>
    <message>
        <source>It has %1 lines, more than the %2 the score viewer shows. To see it here, open it in a text editor and move older records into another file.</source>
        <translation>Le fichier a %1 lignes, plus que les %2 que montre la fenêtre «&#xa0;Scores enregistrés&#xa0;». Pour le voir ici, ouvre-le dans un éditeur de texte et déplace les anciens scores dans un autre fichier.</translation>
    </message>
    <message>
        <source>One of its lines is %1 characters long, more than the %2 the score viewer shows in a line. To see it here, open it in a text editor and break that line up.</source>
        <translation>Une ligne du fichier fait %1 caractères, plus que les %2 que la fenêtre «&#xa0;Scores enregistrés&#xa0;» montre sur une ligne. Pour le voir ici, ouvre-le dans un éditeur de texte et coupe cette ligne.</translation>
    </message>
    <message>
        <source>Math Scores</source>
        <translation>Scores enregistrés</translation>
    </message>
    <message>
        <source>The Math Scores Are </source>
        <translation>Voici les scores enregistrés&#xa0;:</translation>
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
        <translation>scores enregistrés</translation>
    </message>
    <message>
        <source>Do You Want to Save Changes?</source>
        <translation>Veux-tu enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Math  Scores</source>
        <translation>Scores enregistrés</translation>
    </message>
    <message>
        <source>The scores could not be saved in &quot;%1&quot;: %2</source>
        <translation>Les scores n’ont pas pu être enregistrés dans «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>The scores in &quot;%1&quot; could not be shown: %2</source>
        <translation>Les scores de «&#xa0;%1&#xa0;» ne peuvent pas être affichés. %2</translation>
    </message>
    <message>
        <source>the scores saved in the file, one record a line; edits are saved when the window closes; Ctrl+F4 closes it, Ctrl+Tab goes to the other windows</source>
        <translation>les scores enregistrés dans le fichier, un par ligne&#xa0;; en fermant la fenêtre, tu peux enregistrer tes modifications&#xa0;; Ctrl+F4 la ferme, Ctrl+Tab passe aux autres fenêtres</translation>
    </message>
    <message>
        <source>The folder that &quot;%1&quot; was shown from has been renamed or replaced since.

Save the text shown here as &quot;%2&quot;? No keeps this window open with its text.</source>
        <translation>Le dossier d’où «&#xa0;%1&#xa0;» a été affiché a été renommé ou remplacé depuis.

Enregistrer le texte affiché ici sous «&#xa0;%2&#xa0;»&#xa0;? Si tu réponds Non, cette fenêtre reste ouverte avec ton texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed elsewhere since it was shown here.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié ailleurs depuis qu’il est affiché ici.</translation>
    </message>
    <message>
        <source>Replace it with the text shown here? No keeps the file as it is, and this window stays open with its text.</source>
        <translation>Le remplacer par le texte affiché ici&#xa0;? Si tu réponds Non, le fichier ne change pas et cette fenêtre reste ouverte avec ton texte.</translation>
    </message>
    <message>
        <source>scores, none saved yet</source>
        <translation>scores enregistrés&#xa0;: aucun pour l’instant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was removed since it was shown here.</source>
        <translation>«&#xa0;%1&#xa0;» a été supprimé pendant qu’il était affiché ici.</translation>
    </message>
    <message>
        <source>Save the text shown here in its place? No leaves it removed, and this window stays open with its text.</source>
        <translation>Enregistrer de nouveau le texte affiché ici&#xa0;? Si tu réponds Non, le fichier reste supprimé et cette fenêtre reste ouverte avec ton texte.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Scores saved in it since: %Ln. They stay, after the text shown here; every other change made elsewhere is replaced.</source>
        <translation>
            <numerusform>Depuis, %Ln score a été enregistré dans ce fichier. Ils sont gardés, après ton texte&#xa0;; toutes les autres modifications faites ailleurs seront remplacées.</numerusform>
            <numerusform>Depuis, %Ln scores ont été enregistrés dans ce fichier. Ils sont gardés, après ton texte&#xa0;; toutes les autres modifications faites ailleurs seront remplacées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::mdiSumbrook</name>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>About Sumbrook</source>
        <translation>À propos de Sumbrook</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Press F10 to choose a drill</source>
        <translation>Appuie sur F10 pour choisir un exercice</translation>
    </message>
    <message>
        <source>Change Learner</source>
        <translation>Changer d’élève</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
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
        <translation>Un autre programme utilise «&#xa0;%1&#xa0;». Sumbrook attend qu’il ait fini…</translation>
    </message>
</context>
<context>
    <name>toolkit::files</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file.</source>
        <translation>C’est un tube nommé, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>C’est une socket, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>C’est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <source>Another program is using the file. Try again in a moment.</source>
        <translation>Un autre programme utilise le fichier. Réessaie dans un instant.</translation>
    </message>
    <message>
        <source>The file keeps being replaced. Try again in a moment.</source>
        <translation>Le fichier est sans cesse remplacé. Réessaie dans un instant.</translation>
    </message>
    <message>
        <source>%1 (and the part written stays in the file: %2)</source>
        <translation>%1 (et la partie déjà écrite reste dans le fichier&#xa0;: %2)</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>Le fichier dépasse %1 octets.</translation>
    </message>
    <message>
        <source>Saved by you, it could no longer be changed by everyone who can change it now.</source>
        <translation>Si tu l’enregistrais, certaines personnes qui peuvent le modifier maintenant ne le pourraient plus.</translation>
    </message>
    <message>
        <source>It is a symbolic link made by another user (%1): it is not followed.</source>
        <translation>C’est un lien symbolique créé par un autre utilisateur (%1)&#xa0;: il n’est pas suivi.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; is no longer there.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe plus.</translation>
    </message>
    <message>
        <source>It is a symbolic link to a file that does not exist: nothing is created through it.</source>
        <translation>C’est un lien symbolique vers un fichier qui n’existe pas&#xa0;: rien n’est créé à travers lui.</translation>
    </message>
    <message>
        <source>It was changed elsewhere and is now larger than %1 bytes.</source>
        <translation>Il a été modifié ailleurs et dépasse maintenant %1&#xa0;octets.</translation>
    </message>
    <message>
        <source>It is a symbolic link made by the folder&apos;s owner (%1) to a file in another folder: it is not followed.</source>
        <translation>C’est un lien symbolique créé par le propriétaire du dossier (%1) vers un fichier d’un autre dossier&#xa0;: il n’est pas suivi.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is a symbolic link. Ask the folder&apos;s owner to remove it.</source>
        <translation>Le fichier de verrou «&#xa0;%1&#xa0;» est un lien symbolique. Demande au propriétaire du dossier de le supprimer.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a file. Ask the folder&apos;s owner to remove it.</source>
        <translation>Le fichier de verrou «&#xa0;%1&#xa0;» n’est pas un fichier. Demande au propriétaire du dossier de le supprimer.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is another name of a file. Ask the folder&apos;s owner to remove it.</source>
        <translation>Le fichier de verrou «&#xa0;%1&#xa0;» est un autre nom d’un fichier. Demande au propriétaire du dossier de le supprimer.</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile. Try again in a moment.</source>
        <translation>Un autre programme l’a modifié entre-temps. Réessaie dans un instant.</translation>
    </message>
    <message>
        <source>Another program made a file by that name meanwhile. Try again in a moment.</source>
        <translation>Un autre programme a créé entre-temps un fichier de ce nom. Réessaie dans un instant.</translation>
    </message>
</context>
<context>
    <name>toolkit::speech</name>
    <message>
        <source>Read Aloud</source>
        <translation>Lire à voix haute</translation>
    </message>
    <message>
        <source>Reading aloud is on.</source>
        <translation>La lecture à voix haute est activée.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: no voice is installed. Voices come with the packages speech-dispatcher and espeak-ng.</source>
        <translation>Rien n’est lu à voix haute. Aucune voix n’est installée. Les voix viennent avec les paquets speech-dispatcher et espeak-ng.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: the speech service does not answer. It is tried again at the next sentence.</source>
        <translation>Rien n’est lu à voix haute. Le service de synthèse vocale ne répond pas. Il sera réessayé à la phrase suivante.</translation>
    </message>
    <message>
        <source>Nothing is read aloud: the speech module is missing.</source>
        <translation>Rien n’est lu à voix haute. Le module de synthèse vocale est absent.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>Say It Again</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>A screen reader is running, so Sumbrook does not read aloud as well. Press Ctrl+R again to read aloud anyway.</source>
        <translation>Un lecteur d’écran est actif, donc Sumbrook ne lit pas à voix haute en plus. Appuie encore sur Ctrl+R pour lire quand même.</translation>
    </message>
    <message>
        <source>Reading aloud is off.</source>
        <translation>La lecture à voix haute est désactivée.</translation>
    </message>
</context>
</TS>
