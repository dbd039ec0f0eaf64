// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Every level of every drill: what it deals, how evenly, and that its problems fit the windows.
#include "controls.h"
#include "division/divisionwindow.h"
#include "drills/drillwindow.h"
#include "drilltable/levels.h"
#include "shell/drillwindows.h"
#include "shell/mdisumbrook.h"
#include "toolkit/text/random.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <map>

using drilltable::Level;
using drilltable::Numbers;

Q_DECLARE_METATYPE(drilltable::Numbers)

namespace {

using Problem = QList<int>;

// Each level's rule as a teacher reads it, written apart from the program's own.
bool teacherAllows(const QString &level, const Problem &p)
{
    const auto all = [&](auto f) { return std::ranges::all_of(p, f); };
    int rest = 0;
    for (qsizetype i = 1; i < p.size(); ++i)
        rest += p[i];
    if (level.startsWith(u"sums-to-")) {
        const int bound = level.mid(8).toInt();
        return all([](int n) { return n >= 1; }) && p[0] + rest <= bound;
    }
    if (level.startsWith(u"within-")) {
        const int bound = level.mid(7).toInt();
        return all([&](int n) { return n >= 1 && n <= bound; }) && p[0] - rest >= 0;
    }
    if (level.startsWith(u"tables-")) {
        QList<int> tables;
        if (level == u"tables-to-10")
            tables = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        else
            for (const QString &t : level.mid(7).split(u'-'))
                tables << t.toInt();
        const auto one10 = [](int n) { return n >= 1 && n <= 10; };
        const bool pair =
            (tables.contains(p[0]) && one10(p[1])) || (tables.contains(p[1]) && one10(p[0]));
        return pair && (p.size() == 2 || (p[2] >= 1 && p[2] <= 3));
    }
    if (level == u"whole")
        return p.size() == 2 && p[1] >= 1 && p[1] <= 10 && p[0] % p[1] == 0 && p[0] / p[1] >= 1 &&
               p[0] / p[1] <= 10;
    return false;
}

// Every problem the rule allows, in order, looked for among operands 1 to `highest`.
QList<Problem> allAllowed(const QString &level, Numbers numbers, int highest)
{
    QList<Problem> found;
    const int n = int(numbers);
    Problem p(n, 1);
    for (;;) {
        if (teacherAllows(level, p))
            found << p;
        int i = n - 1;
        while (i >= 0 && p[i] == highest)
            p[i--] = 1;
        if (i < 0)
            return found;
        ++p[i];
    }
}

// Every level but the designed one of every drill, and a table beyond the Class window's.
QList<std::pair<QString, QString>> everyLevel()
{
    QList<std::pair<QString, QString>> rows;
    for (const drilltable::Drill &drill : drilltable::Drills)
        for (const QString &level : Level::offered(QString::fromLatin1(drill.key)))
            if (level != u"designed")
                rows.append({QString::fromLatin1(drill.key), level});
    rows.append({QStringLiteral("multiplication"), QStringLiteral("tables-7-12")});
    return rows;
}

} // namespace

class TestLevels : public QObject
{
    Q_OBJECT

private slots:
    void namesAreExact_data()
    {
        QTest::addColumn<QString>("drill");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title"); // empty: no level of the drill
        for (const auto &[tag, drill, name, title] :
             std::initializer_list<std::array<const char *, 4>>{
                 {"sums", "addition", "sums-to-20", "Sums to 20"},
                 {"designed", "division", "designed", "As designed"},
                 {"tables", "multiplication", "tables-2-5-10", "Tables 2, 5 and 10"},
                 {"one table", "multiplication", "tables-7", "Table of 7"},
                 {"other drill's level", "subtraction", "sums-to-10", ""},
                 {"no such bound", "addition", "sums-to-50", ""},
                 {"tables out of order", "multiplication", "tables-5-2", ""},
                 {"table 13", "multiplication", "tables-13", ""},
                 {"spaces", "addition", " sums-to-10", ""},
                 {"case", "division", "Whole", ""}})
            QTest::newRow(tag) << drill << name << title;
    }
    void namesAreExact()
    {
        QFETCH(QString, drill);
        QFETCH(QString, name);
        QFETCH(QString, title);
        const auto level = Level::fromName(drill, name);
        QCOMPARE(level ? level->title() : QString(), title);
    }

    // 10,000 deals of every level: each within the rule, never the one before, every problem seen
    // where there are few, and as often as any other within a chi-square bound.
    void dealsEvenlyWithinTheRule_data()
    {
        QTest::addColumn<QString>("drill");
        QTest::addColumn<QString>("level");
        QTest::addColumn<Numbers>("numbers");
        for (const auto &[drill, level] : everyLevel())
            for (const Numbers numbers : {Numbers::Two, Numbers::Three})
                if (drill != u"division" || numbers == Numbers::Two)
                    QTest::addRow("%s %s %d", qPrintable(drill), qPrintable(level), int(numbers))
                        << drill << level << numbers;
    }
    void dealsEvenlyWithinTheRule()
    {
        QFETCH(QString, drill);
        QFETCH(QString, level);
        QFETCH(Numbers, numbers);
        const Level rule = *Level::fromName(drill, level);
        const QList<Problem> allowed = allAllowed(level, numbers, 100);
        QVERIFY(allowed.size() > 1);
        std::map<Problem, qsizetype> index;
        for (qsizetype i = 0; i < allowed.size(); ++i)
            index[allowed[i]] = i;

        // Problems grouped by their place in order, a hundred groups at most, each counted.
        const qsizetype groups = std::min<qsizetype>(allowed.size(), 100);
        const auto groupOf = [&](qsizetype i) { return i * groups / allowed.size(); };
        QList<double> expected(groups), seen(groups);
        constexpr int Deals = 10000;
        for (qsizetype i = 0; i < allowed.size(); ++i)
            expected[groupOf(i)] += double(Deals) / allowed.size();
        QSet<qsizetype> distinct;
        toolkit::RandomSource random;
        random.reseed();
        Problem previous;
        for (int d = 0; d < Deals; ++d) {
            const Problem p = rule.deal(numbers, random, previous);
            QVERIFY2(teacherAllows(level, p) && rule.allows(p), qPrintable(toString(p)));
            QVERIFY(p != previous);
            seen[groupOf(index.at(p))] += 1;
            distinct.insert(index.at(p));
            previous = p;
        }
        if (allowed.size() <= 200)
            QCOMPARE(distinct.size(), allowed.size());
        double chiSquare = 0;
        for (qsizetype g = 0; g < groups; ++g)
            chiSquare += (seen[g] - expected[g]) * (seen[g] - expected[g]) / expected[g];
        // Five standard deviations above the mean of the distribution: a fair dealer fails it
        // less than once in a hundred thousand runs.
        const double freedom = double(groups - 1);
        QVERIFY2(chiSquare < freedom + 5 * std::sqrt(2 * freedom),
                 qPrintable(QStringLiteral("chi-square %1 with %2 degrees of freedom")
                                .arg(chiSquare)
                                .arg(freedom)));
    }

    // The windows deal at the level in force, show it in their title, and the largest operand
    // and answer of every level fit their tiles.
    void windowsDealAtTheLevelAndItFits_data()
    {
        QTest::addColumn<QString>("drill");
        QTest::addColumn<QString>("level");
        for (const auto &[drill, level] : everyLevel())
            QTest::addRow("%s %s", qPrintable(drill), qPrintable(level)) << drill << level;
    }
    void windowsDealAtTheLevelAndItFits()
    {
        QFETCH(QString, drill);
        QFETCH(QString, level);
        const Level rule = *Level::fromName(drill, level);
        drilltable::setLevelsInForce({{drill, level}});
        const auto designed = qScopeGuard([] { drilltable::setLevelsInForce({}); });
        shell::mdiSumbrook main;
        main.show();
        menuItem(main, drilltable::drill(drill.toStdString()).menuName)->trigger();
        QWidget *form = main.mdiArea()->currentSubWindow()->widget();
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" (%1)").arg(rule.title())));
        auto *integer = qobject_cast<drills::DrillWindow *>(form);
        const std::vector<drills::ExerciseControls *> exercises =
            integer ? std::vector{&integer->two, &integer->three}
                    : std::vector{&static_cast<division::DivisionWindow *>(form)->two};
        const auto fits = [](QLabel *label, int number) {
            label->setText(QString::number(number));
            return label->fontMetrics().horizontalAdvance(label->text()) <=
                   label->contentsRect().width();
        };
        for (const drills::ExerciseControls *side : exercises) {
            const Numbers numbers = side == exercises[0] ? Numbers::Two : Numbers::Three;
            const auto tiles = std::span(side->operands).first(int(numbers));
            for (int round = 0; round < 20; ++round) {
                Problem p;
                for (const QLabel *tile : tiles)
                    p << tile->text().toInt();
                QVERIFY2(teacherAllows(level, p), qPrintable(toString(p)));
                QTest::mouseClick(side->answerButton, Qt::LeftButton);
                QTest::mouseClick(side->resetButton, Qt::LeftButton);
            }
            for (QLabel *tile : tiles)
                QVERIFY2(fits(tile, rule.largestOperand(numbers)), qPrintable(tile->objectName()));
            if (integer)
                QVERIFY(fits(side->correctAnswer, rule.largestAnswer(numbers)));
        }
        main.mdiArea()->closeAllSubWindows();
    }

private:
    static QString toString(const Problem &p)
    {
        QStringList texts;
        for (const int n : p)
            texts << QString::number(n);
        return texts.join(u' ');
    }
};

QTEST_MAIN(TestLevels)
#include "tst_levels.moc"
