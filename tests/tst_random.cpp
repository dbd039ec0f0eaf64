// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The random source and the dealing of operands from it.
#include "toolkit/text/random.h"

#include <QTest>

using namespace toolkit;

namespace {
constexpr float Largest = 1.0f - 0x1p-24f; // the largest single-precision value below 1
}

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void dealsTheWholeRange_data()
    {
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::newRow("1 to 10") << 1 << 10;
        QTest::newRow("1 to 25") << 1 << 25;
        QTest::newRow("25 to 74") << 25 << 74;
        QTest::newRow("35 to 84") << 35 << 84;
        QTest::newRow("20 to 54") << 20 << 54;
        QTest::newRow("1 to 20") << 1 << 20;
        QTest::newRow("dividend 25 to 99") << 25 << 99;
    }
    void dealsTheWholeRange()
    {
        QFETCH(int, lo);
        QFETCH(int, hi);
        QCOMPARE(dealOperand(0.0f, lo, hi), lo);
        QCOMPARE(dealOperand(Largest, lo, hi), hi);
        // Each value takes an equal share of [0, 1).
        const int k = hi - lo + 1;
        const auto firstAtLeast = [k](int i) {
            float r = float(i) / k;
            while (double(r) * k < i)
                r = std::nextafter(r, 1.0f);
            return r;
        };
        for (int i = 0; i < k; ++i) {
            QCOMPARE(dealOperand(firstAtLeast(i), lo, hi), lo + i);
            QCOMPARE(dealOperand(std::nextafter(firstAtLeast(i + 1), 0.0f), lo, hi), lo + i);
        }
    }

    void valuesLieInTheUnitInterval()
    {
        RandomSource &source = RandomSource::instance();
        source.reseed();
        float lowest = 1, highest = 0;
        for (int i = 0; i < 100000; ++i) {
            const float r = source.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.001f);
        QVERIFY(highest > 0.999f);
    }

    void chosenValuesComeFirstWhateverTheSeed()
    {
        RandomSource source({0.5f, Largest});
        source.reseed();
        QCOMPARE(source.next(), 0.5f);
        QCOMPARE(source.next(), Largest);
        const float r = source.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
    }

    void seedsInQuickSuccessionDiffer()
    {
        RandomSource &source = RandomSource::instance();
        source.reseed();
        const QList<float> first{source.next(), source.next(), source.next()};
        source.reseed();
        const QList<float> second{source.next(), source.next(), source.next()};
        QVERIFY(first != second);
    }
};

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
