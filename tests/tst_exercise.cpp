// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// One exercise without a window: dealing, the comparison as typed or to two decimals, the tallies
// and their ceiling, the reward run, the animation's steps and the score summary, for every
// operation.
#include "drills/exercise.h"
#include "drills/sentences.h"
#include "rightanswer.h"
#include "toolkit/text/random.h"

#include <QTest>

using namespace drills;
using toolkit::RandomSource;

Q_DECLARE_METATYPE(drills::Operation)
Q_DECLARE_METATYPE(drills::Face)

namespace {

constexpr float Largest = 1.0f - 0x1p-24f;

// Operands whose correct answer is "12", "-13", "2." and the like, per operation.
QStringList problemOf(Operation operation)
{
    switch (operation) {
    case Operation::Add:
        return {"7", "5"};
    case Operation::Subtract:
        return {"35", "28", "20"};
    case Operation::Multiply:
        return {"4", "3"};
    case Operation::Divide:
        return {"25", "3"};
    }
    return {};
}

void addOperationRows()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<Face>("rightFace");
    QTest::newRow("add, two numbers") << Operation::Add << Face::Smiling;
    QTest::newRow("subtract, three numbers") << Operation::Subtract << Face::Laughing;
    QTest::newRow("multiply, two numbers") << Operation::Multiply << Face::Smiling;
    QTest::newRow("divide") << Operation::Divide << Face::Smiling;
}

Exercise::Answered answerRight(Exercise &e, Operation operation)
{
    const QStringList operands = problemOf(operation);
    return e.answer(operands, rightAnswer(operation, operands));
}

Exercise::Answered answerWrong(Exercise &e, Operation operation)
{
    return e.answer(problemOf(operation), QStringLiteral("x"));
}

} // namespace

class TestExercise : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void dealsEachTileFromItsRange()
    {
        const Exercise e(operationRow(Operation::Subtract), Face::Laughing);
        const Range ranges[] = {{35, 84}, {20, 54}, {1, 20}};
        RandomSource chosen({0.0f, Largest, 0.5f});
        QCOMPARE(e.deal(ranges, chosen), QStringList({"35", "54", "11"}));
        for (int i = 0; i < 1000; ++i) {
            const QStringList dealt = e.deal(ranges, chosen);
            for (int tile = 0; tile < 3; ++tile) {
                const int value = dealt[tile].toInt();
                QVERIFY(value >= ranges[tile].lo && value <= ranges[tile].hi);
                QCOMPARE(dealt[tile], QString::number(value)); // digits only
            }
        }
    }

    void wholeNumbersAreComparedAsTyped_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QStringList>("operands");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        const QStringList twelve{"7", "5"};
        QTest::newRow("12") << Operation::Add << twelve << "12" << true;
        QTest::newRow("blank before") << Operation::Add << twelve << " 12" << false;
        QTest::newRow("blank after") << Operation::Add << twelve << "12 " << false;
        QTest::newRow("leading zero") << Operation::Add << twelve << "012" << false;
        QTest::newRow("plus sign") << Operation::Add << twelve << "+12" << false;
        QTest::newRow("point zero") << Operation::Add << twelve << "12.0" << false;
        QTest::newRow("empty") << Operation::Add << twelve << "" << false;
        const QStringList negative{"35", "28", "20"};
        QTest::newRow("-13") << Operation::Subtract << negative << "-13" << true;
        QTest::newRow("13 for -13") << Operation::Subtract << negative << "13" << false;
        QTest::newRow("- 13") << Operation::Subtract << negative << "- 13" << false;
        QTest::newRow("true minus") << Operation::Subtract << negative << "\u221213" << false;
        const QStringList zero{"25", "25"};
        QTest::newRow("0") << Operation::Subtract << zero << "0" << true;
        QTest::newRow("00") << Operation::Subtract << zero << "00" << false;
        QTest::newRow("-0") << Operation::Subtract << zero << "-0" << false;
        const QStringList largest{"25", "25", "25"};
        QTest::newRow("15625") << Operation::Multiply << largest << "15625" << true;
        QTest::newRow("grouped") << Operation::Multiply << largest << "15,625" << false;
    }
    void wholeNumbersAreComparedAsTyped()
    {
        QFETCH(Operation, operation);
        QFETCH(QStringList, operands);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        Exercise e(operationRow(operation), Face::Smiling);
        const Exercise::Answered answered = e.answer(operands, typed);
        QCOMPARE(answered.right, right);
        QCOMPARE(answered.typedText, typed); // never rewritten
        QCOMPARE(e.correct, qint16(right));
        QCOMPARE(e.total, qint16(1));
        QCOMPARE(answered.face, right ? Face::Smiling : Face::Frowning);
    }

    void quotientsAreComparedToTwoPlaces_data()
    {
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("shown"); // the typed answer after the check
        QTest::addColumn<QString>("correct");
        // clang-format off
        QTest::newRow("2") << "50" << "25" << "2" << true << "2." << "2.";
        QTest::newRow("2.0") << "50" << "25" << "2.0" << true << "2." << "2.";
        QTest::newRow("2.00") << "50" << "25" << "2.00" << true << "2." << "2.";
        QTest::newRow("02") << "50" << "25" << "02" << true << "2." << "2.";
        QTest::newRow("2. itself") << "50" << "25" << "2." << true << "2." << "2.";
        QTest::newRow("blanks and plus") << "50" << "25" << " +2 " << true << "2." << "2.";
        QTest::newRow("49.5") << "99" << "2" << "49.5" << true << "49.5" << "49.5";
        QTest::newRow("49.50") << "99" << "2" << "49.50" << true << "49.5" << "49.5";
        QTest::newRow("8.33") << "25" << "3" << "8.33" << true << "8.33" << "8.33";
        QTest::newRow("8.333") << "25" << "3" << "8.333" << true << "8.33" << "8.33";
        QTest::newRow("8.3") << "25" << "3" << "8.3" << false << "8.3" << "8.33";
        QTest::newRow("8.34") << "25" << "3" << "8.34" << false << "8.34" << "8.33";
        QTest::newRow("8.666") << "26" << "3" << "8.666" << true << "8.67" << "8.67";
        QTest::newRow("8.66") << "26" << "3" << "8.66" << false << "8.66" << "8.67";
        QTest::newRow("3.57") << "25" << "7" << "3.57" << true << "3.57" << "3.57";
        QTest::newRow("3.13 for a half") << "25" << "8" << "3.13" << true << "3.13" << "3.13";
        QTest::newRow("3.125 for a half") << "25" << "8" << "3.125" << true << "3.13" << "3.13";
        QTest::newRow("3.12 for a half") << "25" << "8" << "3.12" << false << "3.12" << "3.13";
        QTest::newRow("99") << "99" << "1" << "99" << true << "99." << "99.";
        QTest::newRow("letters") << "50" << "25" << "two" << false << "two" << "2.";
        QTest::newRow("empty") << "50" << "25" << "" << false << "" << "2.";
        QTest::newRow("negative") << "50" << "25" << "-2" << false << "-2." << "2.";
        // clang-format on
    }
    void quotientsAreComparedToTwoPlaces()
    {
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QFETCH(QString, shown);
        QFETCH(QString, correct);
        Exercise e(operationRow(Operation::Divide), Face::Smiling);
        const Exercise::Answered answered = e.answer({dividend, divisor}, typed);
        QCOMPARE(answered.right, right);
        QCOMPARE(answered.typedText, shown);
        QCOMPARE(answered.correctText, correct);
    }

    void theRegionalSeparatorReadsAndWrites()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        Exercise e(operationRow(Operation::Divide), Face::Smiling);
        const Exercise::Answered answered = e.answer({"99", "2"}, " 49,50");
        QVERIFY(answered.right);
        QCOMPARE(answered.correctText, "49,5");
        QCOMPARE(answered.typedText, "49,5");
        QCOMPARE(e.score().percent, "100,00%");
    }

    // A rounded quotient is "about" its two places, and digits right but for the separator are
    // told how to write.
    void theVerdictSaysWhatAQuotientIs_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QStringList>("operands");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        const QLocale::Language c = QLocale::C;
        QTest::newRow("exact") << c << QStringList{"50", "25"} << "2"
                               << "Right! 50 divided by 25 is 2.";
        QTest::newRow("rounded") << c << QStringList{"50", "23"} << "2.17"
                                 << "Right! 50 divided by 23 is about 2.17.";
        // Right but for the separator: only how to write it, and only where there are decimals.
        QTest::newRow("comma for a point") << c << QStringList{"50", "23"} << "2,17"
                                           << "Nearly. Write the decimals after a point: 2.17.";
        QTest::newRow("point for a comma") << QLocale::German << QStringList{"99", "2"} << "49.50"
                                           << "Nearly. Write the decimals after a comma: 49,5.";
        QTest::newRow("whole quotient") << QLocale::German << QStringList{"44", "4"} << "11.0"
                                        << "Not quite. 44 divided by 4 is 11.";
        QTest::newRow("other digits too") << QLocale::German << QStringList{"99", "2"} << "49.6"
                                          << "Not quite. 99 divided by 2 is 49,5.";
        QTest::newRow("negative") << c << QStringList{"-12", "4"} << "3"
                                  << "Not quite. minus 12 divided by 4 is minus 3.";
    }
    void theVerdictSaysWhatAQuotientIs()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, operands);
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QLocale::setDefault(QLocale(language));
        Exercise e(operationRow(Operation::Divide), Face::Smiling);
        QCOMPARE(drills::verdictSentence(
                     drills::spokenProblem(operationRow(Operation::Divide), operands),
                     e.answer(operands, typed), "You are good."),
                 verdict);
    }

    void everyFifthRightAnswerStartsTheAnimation_data() { addOperationRows(); }
    void everyFifthRightAnswerStartsTheAnimation()
    {
        QFETCH(Operation, operation);
        QFETCH(Face, rightFace);
        Exercise e(operationRow(operation), rightFace);
        // Right, right, wrong, right, right: four right answers, no animation; a wrong one neither
        // counts nor starts the run again.
        for (const bool right : {true, true, false, true, true}) {
            const auto answered = right ? answerRight(e, operation) : answerWrong(e, operation);
            QVERIFY(!answered.animationStarts);
            QCOMPARE(answered.face, right ? rightFace : Face::Frowning);
            QVERIFY(answered.faceChanges);
        }
        QCOMPARE(e.reward, qint16(4));
        const Exercise::Answered fifth = answerRight(e, operation);
        QVERIFY(fifth.right && fifth.animationStarts);
        // Until the first tick the picture keeps the face it showed last.
        QVERIFY(!fifth.faceChanges);
        QCOMPARE(fifth.face, rightFace);
        QCOMPARE(e.reward, qint16(0));
        QCOMPARE(e.correct, qint16(5));
        QCOMPARE(e.total, qint16(6));

        // After a wrong answer, the face kept for the first tick is the frowning one.
        for (int i = 0; i < 4; ++i)
            answerRight(e, operation);
        answerWrong(e, operation);
        const Exercise::Answered next = answerRight(e, operation);
        QVERIFY(next.animationStarts);
        QCOMPARE(next.face, Face::Frowning);
    }

    void theStepsRunThroughTheFacesAndGoOnFromWhereTheyStopped_data() { addOperationRows(); }
    void theStepsRunThroughTheFacesAndGoOnFromWhereTheyStopped()
    {
        QFETCH(Operation, operation);
        QFETCH(Face, rightFace);
        Exercise e(operationRow(operation), rightFace);
        // Steps 1 to 5, then round again; the fifth step keeps the fourth face. Only the first
        // timer's ticks show the praise.
        const Face faces[] = {Face::Straight,         Face::Smiling,          Face::Laughing,
                              Face::LaughingWithNose, Face::LaughingWithNose, Face::Straight,
                              Face::Smiling};
        for (int i = 0; i < 7; ++i) {
            const bool first = i % 2 == 0;
            const Exercise::Ticked ticked = e.tick(first);
            QCOMPARE(e.step, qint16(i % 5 + 1));
            QCOMPARE(ticked.face, faces[i]);
            QCOMPARE(ticked.faceChanges, i != 4);
            QCOMPARE(ticked.praiseShows, first);
        }
        // A stop after step 2 (Reset) leaves the step: the next animation starts at step 3.
        QCOMPARE(e.tick(true).face, Face::Laughing);
        // A stop at step 5 starts the next animation at step 1.
        e.tick(false);
        e.tick(true);
        QCOMPARE(e.step, qint16(5));
        QCOMPARE(e.tick(true).face, Face::Straight);
        QCOMPARE(e.step, qint16(1));
    }

    void talliesStopAt32767()
    {
        Exercise e(operationRow(Operation::Subtract), Face::Laughing);
        e.total = 32767;
        e.correct = 32767;
        QVERIFY(answerRight(e, Operation::Subtract).right);
        QCOMPARE(e.total, qint16(32767));
        QCOMPARE(e.correct, qint16(32767));
        QCOMPARE(e.reward, qint16(1));
        QVERIFY(!answerWrong(e, Operation::Subtract).right);
        QCOMPARE(e.total, qint16(32767));
        QCOMPARE(e.score().total, "32767");
        QCOMPARE(e.score().percent, "100.00%");
    }

    // The labels show the tallies, a total of 1 when nothing was answered, and the share to two
    // places, halves rounded up.
    void scoreSummary_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("percent");
        QTest::newRow("none") << 0 << 0 << "0.00%";
        QTest::newRow("0 of 4") << 0 << 4 << "0.00%";
        QTest::newRow("1 of 3") << 1 << 3 << "33.33%";
        QTest::newRow("2 of 3") << 2 << 3 << "66.67%";
        QTest::newRow("7 of 8") << 7 << 8 << "87.50%";
        QTest::newRow("5 of 5") << 5 << 5 << "100.00%";
        QTest::newRow("1 of 32") << 1 << 32 << "3.13%";
    }
    void scoreSummary()
    {
        QFETCH(int, correct);
        QFETCH(int, total);
        QFETCH(QString, percent);
        Exercise e(operationRow(Operation::Add), Face::Smiling);
        e.correct = qint16(correct);
        e.total = qint16(total);
        const Exercise::Score score = e.score();
        QCOMPARE(score.correct, QString::number(correct));
        QCOMPARE(score.total, QString::number(qMax(total, 1)));
        QCOMPARE(score.percent, percent);
        QCOMPARE(e.total, qint16(total)); // the label shows 1, the tally stays
    }
};

QTEST_GUILESS_MAIN(TestExercise)
#include "tst_exercise.moc"
