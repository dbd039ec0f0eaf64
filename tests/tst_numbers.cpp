// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Number captions: written plainly, read back leniently; 16-bit tallies stop at their ceiling.
#include "toolkit/text/numbers.h"

#include <QTest>

#include <limits>

using namespace toolkit;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void writesPlainDecimal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("twelve") << 12.0 << "12";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -13.0 << "-13";
        QTest::newRow("largest product") << 15625.0 << "15625";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("fraction") << 2.5 << "2.5";
    }
    void writesPlainDecimal()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(numberText(value), text);
    }

    void readsLeadingNumericPart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("digits") << "74" << 74.0;
        QTest::newRow("leading blanks") << "  7" << 7.0;
        QTest::newRow("trailing text") << "87.50%" << 87.5;
        QTest::newRow("sign") << "-39" << -39.0;
        QTest::newRow("plus") << "+4" << 4.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("dangling exponent") << "1e" << 1.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("past the range") << "1e999" << std::numeric_limits<double>::max();
        QTest::newRow("past the range, negative")
            << "-1e999" << -std::numeric_limits<double>::max();
        QTest::newRow("below the smallest") << "1e-999" << 0.0;
    }
    void readsLeadingNumericPart()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(leadingNumber(text), value);
    }

    // The largest doubles' captions are rounded past the range; they still read back as shown.
    void extremeCaptionsReadBackAsShown()
    {
        for (const double value : {std::numeric_limits<double>::max(),
                                   -std::numeric_limits<double>::max(), 1.7976931348623e308}) {
            const QString caption = numberText(value);
            QCOMPARE(numberText(leadingNumber(caption)), caption);
        }
    }

    void talliesStopAtTheCeiling()
    {
        qint16 tally = 0;
        addOne(tally);
        QCOMPARE(tally, qint16(1));
        tally = 32766;
        addOne(tally);
        QCOMPARE(tally, qint16(32767));
        addOne(tally);
        QCOMPARE(tally, qint16(32767));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
