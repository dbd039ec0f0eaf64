// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Percentages, the two-decimal pattern and reading typed numbers, under more than one locale.
#include "toolkit/text/formats.h"

#include <QTest>

using namespace toolkit;

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void percentages_data()
    {
        QTest::addColumn<double>("correct");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("none answered") << 0.0 << 1.0 << "0.00%";
        QTest::newRow("none right") << 0.0 << 4.0 << "0.00%";
        QTest::newRow("a third") << 1.0 << 3.0 << "33.33%";
        QTest::newRow("two thirds") << 2.0 << 3.0 << "66.67%";
        QTest::newRow("seven eighths") << 7.0 << 8.0 << "87.50%";
        QTest::newRow("a sixth") << 1.0 << 6.0 << "16.67%";
        QTest::newRow("all") << 5.0 << 5.0 << "100.00%";
        QTest::newRow("half away from zero") << 1.0 << 32.0 << "3.13%";
        QTest::newRow("half in the last place") << 1.0 << 160.0 << "0.63%";
        QTest::newRow("under one per cent") << 1.0 << 300.0 << "0.33%";
        QTest::newRow("one of the most") << 1.0 << 32767.0 << "0.00%";
        QTest::newRow("all but one of the most") << 32766.0 << 32767.0 << "100.00%";
    }
    void percentages()
    {
        QFETCH(double, correct);
        QFETCH(double, total);
        QFETCH(QString, text);
        QCOMPARE(percentText(correct / total, QLocale::c()), text);
    }

    void percentagesFollowTheRegionalSeparator()
    {
        QCOMPARE(percentText(1.0 / 3, QLocale(QLocale::German)), "33,33%");
        QCOMPARE(percentText(0, QLocale(QLocale::French)), "0,00%");
        QCOMPARE(percentText(1, QLocale(QLocale::English, QLocale::UnitedStates)), "100.00%");
    }

    void twoDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("50 / 25") << 50.0 / 25 << "2.";
        QTest::newRow("99 / 2") << 99.0 / 2 << "49.5";
        QTest::newRow("25 / 3") << 25.0 / 3 << "8.33";
        QTest::newRow("26 / 3") << 26.0 / 3 << "8.67";
        QTest::newRow("25 / 7") << 25.0 / 7 << "3.57";
        QTest::newRow("25 / 8, a half") << 25.0 / 8 << "3.13";
        QTest::newRow("typed 3.125") << 3.125 << "3.13";
        QTest::newRow("typed 1.005") << 1.005 << "1.01";
        QTest::newRow("no integer part") << 0.5 << ".5";
        QTest::newRow("zero") << 0.0 << ".";
        QTest::newRow("rounds up to whole") << 8.999 << "9.";
        QTest::newRow("99.999") << 99.999 << "100.";
        QTest::newRow("negative") << -0.5 << "-.5";
        QTest::newRow("rounds to zero") << -0.001 << ".";
    }
    void twoDecimals()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(twoDecimalText(value, QLocale::c()), text);
    }

    void twoDecimalsFollowTheRegionalSeparator()
    {
        QCOMPARE(twoDecimalText(49.5, QLocale(QLocale::German)), "49,5");
        QCOMPARE(twoDecimalText(2, QLocale(QLocale::German)), "2,");
    }

    void readsTypedNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reads");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "2" << true << 2.0;
        QTest::newRow("leading zero") << "02" << true << 2.0;
        QTest::newRow("decimals") << "8.333" << true << 8.333;
        QTest::newRow("blanks around") << "  49.50 " << true << 49.5;
        QTest::newRow("plus") << "+3.5" << true << 3.5;
        QTest::newRow("minus") << "-1" << true << -1.0;
        QTest::newRow("point first") << ".5" << true << 0.5;
        QTest::newRow("point last") << "2." << true << 2.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks") << "   " << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("trailing letters") << "2x" << false << 0.0;
        QTest::newRow("point only") << "." << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("grouping") << "1,000" << false << 0.0;
        QTest::newRow("exponent") << "1e2" << false << 0.0;
        QTest::newRow("currency") << "$5" << false << 0.0;
        QTest::newRow("blank inside") << "4 5" << false << 0.0;
        QTest::newRow("sign apart") << "- 5" << false << 0.0;
        QTest::newRow("other digits") << "\u0663" << false << 0.0;
    }
    void readsTypedNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, reads);
        QFETCH(double, value);
        const std::optional<double> number = readNumber(text, QLocale::c());
        QCOMPARE(number.has_value(), reads);
        if (reads)
            QCOMPARE(*number, value);
    }

    void readsTheRegionalSeparator()
    {
        const QLocale german(QLocale::German);
        QCOMPARE(readNumber(u"8,33", german), std::optional<double>(8.33));
        QVERIFY(!readNumber(u"8.33", german)); // a grouping mark there, not a decimal point
    }
};

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
