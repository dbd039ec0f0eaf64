# Tests of the score records, the score viewer and the toolkit services they use.
sumbrook_test(tst_textfile)
sumbrook_test(tst_dialogs)
sumbrook_test(tst_scorerecord)
sumbrook_test(tst_scoreviewer)
sumbrook_test(tst_scoremenus)
