// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a voice makes of the spoken sentences in each language: espeak-ng's phonemes show a
// negative number said with the language's minus and the decimals said, and the separator verdict
// is short; and the voice itself is chosen by rule, whatever order the service offers them in.
#include "drills/sentences.h"
#include "rightanswer.h"
#include "toolkit/speech/voicechoice.h"
#include "toolkit/text/translations.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using drills::Exercise;
using drills::Operation;
using toolkit::speech::chooseLocale;
using toolkit::speech::chooseVoice;
using toolkit::speech::wantedVoice;

namespace {

QByteArray espeak(const QString &language, const QStringList &arguments, const QString &text)
{
    QProcess process;
    process.start(QStringLiteral("espeak-ng"), QStringList{"-v", language} << arguments << text);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// The phonemes, without the stress and pause marks that shift with a word's neighbours.
QString phonemes(const QString &language, const QString &text)
{
    return QString::fromUtf8(espeak(language, {"-x", "-q"}, text))
        .toLower()
        .remove(QRegularExpression(QStringLiteral("[',_|:]")))
        .simplified();
}

Exercise::Answered answered(const QString &correct, bool rounded = false,
                            const QString &separatorWanted = {})
{
    Exercise::Answered a;
    a.correctText = correct;
    a.rounded = rounded;
    a.separatorWanted = separatorWanted;
    return a;
}

} // namespace

class TestSpokenLanguages : public QObject
{
    Q_OBJECT

private slots:
    void theVoiceIsChosenByRule_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("chosen");
        const QStringList french{"fr_CH", "fr_BE", "fr_FR", "en_US", "en_GB"};
        QTest::newRow("French, no country") << "fr"
                                            << "C" << french << "fr_FR";
        QTest::newRow("French, any order")
            << "fr"
            << "C" << QStringList{"fr_BE", "fr_FR", "fr_CH"} << "fr_FR";
        QTest::newRow("Swiss desktop") << "fr"
                                       << "fr_CH" << french << "fr_CH";
        QTest::newRow("desktop of another language") << "fr"
                                                     << "de_CH" << french << "fr_FR";
        QTest::newRow("English, C") << "en"
                                    << "C" << french << "en_GB";
        QTest::newRow("English, US desktop") << "en"
                                             << "en_US" << french << "en_US";
        QTest::newRow("Spanish, Latin America only")
            << "es"
            << "C" << QStringList{"es_MX", "es_419"} << "es_419";
        QTest::newRow("no voice of the language") << "de"
                                                  << "C" << french << "C";
    }
    void theVoiceIsChosenByRule()
    {
        QFETCH(QString, shown);
        QFETCH(QString, desktop);
        QFETCH(QStringList, offered);
        QFETCH(QString, chosen);
        QList<QLocale> locales;
        for (const QString &name : offered)
            locales.append(QLocale(name));
        QCOMPARE(chooseLocale(locales, wantedVoice(QLocale(shown), QLocale(desktop))).name(),
                 QLocale(chosen).name());
        // Among a locale's voices, the first by name that needs no data of its own.
        QCOMPARE(chooseVoice({"french-mbrola-1", "French (France)", "fr+klatt"}), 1);
        QCOMPARE(chooseVoice({}), -1);
    }

    void everySentenceIsSaidRight_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es"})
            QTest::newRow(language) << language;
    }
    void everySentenceIsSaidRight()
    {
        QFETCH(QString, language);
        if (QStandardPaths::findExecutable("espeak-ng").isEmpty())
            QSKIP("espeak-ng is not installed");
        toolkit::installTranslations(QLocale(language));
        QLocale::setDefault(QLocale(language));
        const QString point = QLocale().decimalPoint();

        // Every operation's problem, with a negative number among them.
        const QString problem =
            drills::spokenProblem(operationRow(Operation::Subtract), {"40", "40", "12"});
        QStringList sentences{problem,
                              drills::spokenProblem(operationRow(Operation::Divide), {"-12", "4"})};
        for (Operation operation : {Operation::Add, Operation::Multiply})
            sentences << drills::spokenProblem(operationRow(operation), {"3", "4"})
                      << drills::spokenProblem(operationRow(operation), {"3", "4", "5"});
        const QString negative = drills::verdictSentence(problem, answered("-12"), {});
        const QString positive = drills::verdictSentence(problem, answered("12"), {});
        const QString rounded = drills::verdictSentence(
            drills::spokenProblem(operationRow(Operation::Divide), {"50", "23"}),
            answered("2" + point + "17", true), "You are good.");
        const QString separator =
            drills::verdictSentence(problem, answered("2" + point + "17", true, point), {});
        sentences << negative << rounded << separator
                  << drills::openingSentence(problem, sentences[2], false)
                  << drills::scoreSentence({"5", "6", "83" + point + "33%"});
        for (const QString &sentence : sentences) {
            QVERIFY2(!sentence.contains(QRegularExpression("[-\u2212]\\d")), qPrintable(sentence));
            QVERIFY2(!phonemes(language, sentence).isEmpty(), qPrintable(sentence));
        }

        // The result said with one minus more than the same verdict with a positive result.
        const QString minus = phonemes(language, drills::spokenNumber("-").simplified());
        QVERIFY(!minus.isEmpty());
        QCOMPARE(phonemes(language, negative).count(minus),
                 phonemes(language, positive).count(minus) + 1);
        // The decimals are said, as they are said on their own.
        const QString decimals = phonemes(language, "2" + point + "17");
        QVERIFY2(phonemes(language, rounded).contains(decimals),
                 qPrintable(phonemes(language, rounded) + " lacks " + decimals));
        // Short enough for a child to wait for: espeak-ng's samples are 22050 a second, 16 bits.
        const qsizetype bytes = espeak(language, {"--stdout"}, separator).size();
        QVERIFY2(bytes > 44 && (bytes - 44) / (22050 * 2) < 5,
                 qPrintable(QString::number((bytes - 44) / 44100.0) + " s: " + separator));
    }
};

QTEST_MAIN(TestSpokenLanguages)
#include "tst_spokenlanguages.moc"
