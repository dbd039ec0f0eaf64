// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The characters, words, sentences and lines a screen reader hears of a text box, at every offset.
#include "toolkit/accessibility/textunits.h"

#include <QTest>

using toolkit::TextSpan;

Q_DECLARE_METATYPE(QAccessible::TextBoundaryType)

namespace toolkit {

char *toString(const TextSpan &span)
{
    return QTest::toString(QStringLiteral("%1..%2").arg(span.start).arg(span.end));
}

} // namespace toolkit

class TestTextUnits : public QObject
{
    Q_OBJECT

private slots:
    // Each text is cut into its pieces; at every offset, the unit there is the piece holding it
    // (the last at the very end, but no character), and the units before and after are its
    // neighbours.
    void unitsAtEveryOffset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QAccessible::TextBoundaryType>("unit");
        QTest::addColumn<QStringList>("pieces");
        const auto word = QAccessible::WordBoundary;
        QTest::newRow("one digit") << "7" << word << QStringList{"7"};
        QTest::newRow("digits") << "57" << word << QStringList{"57"};
        QTest::newRow("decimal") << "2.29" << word << QStringList{"2.29"};
        QTest::newRow("words") << "  don't 1,000. -3" << word
                               << QStringList{"  ", "don't ", "1,000. -", "3"};
        QTest::newRow("empty") << "" << word << QStringList{""};
        QTest::newRow("sentences") << "Mia. Ok!  2.29 is it" << QAccessible::SentenceBoundary
                                   << QStringList{"Mia. ", "Ok!  ", "2.29 is it"};
        QTest::newRow("characters")
            << QString::fromUtf8("a\U0001D400e\u0301") << QAccessible::CharBoundary
            << QStringList{"a", QString::fromUtf8("\U0001D400"), QString::fromUtf8("e\u0301")};
        QTest::newRow("line") << "Mia. 12" << QAccessible::LineBoundary << QStringList{"Mia. 12"};
        // The score viewer's lines, and its words across them.
        QTest::newRow("lines") << "\"Mia\n\n\"On\n"
                               << QAccessible::LineBoundary
                               << QStringList{"\"Mia\n", "\n", "\"On\n"};
        QTest::newRow("words over lines")
            << "\"Mia On the\n1" << word << QStringList{"\"", "Mia ", "On ", "the\n", "1"};
        QTest::newRow("no unit") << "Mia. 12" << QAccessible::NoBoundary << QStringList{"Mia. 12"};
    }
    void unitsAtEveryOffset()
    {
        QFETCH(QString, text);
        QFETCH(QAccessible::TextBoundaryType, unit);
        QFETCH(QStringList, pieces);
        QList<TextSpan> spans;
        for (int start = 0; const QString &piece : pieces) {
            spans.append({start, start + int(piece.size())});
            start = spans.last().end;
        }
        const int length = int(text.size());
        QCOMPARE(spans.last().end, length);
        const TextSpan none{length, length};
        for (int offset = 0; offset <= length; ++offset) {
            qsizetype i = 0;
            while (i + 1 < spans.size() && spans[i].end <= offset)
                ++i;
            const bool noCharacter = unit == QAccessible::CharBoundary && offset == length;
            const TextSpan at = noCharacter ? none : spans[i];
            const qsizetype before = noCharacter ? spans.size() - 1 : i - 1;
            QCOMPARE(toolkit::unitAt(text, offset, unit), at);
            QCOMPARE(toolkit::unitBefore(text, offset, unit),
                     (before >= 0 ? spans[before] : TextSpan{0, 0}));
            QCOMPARE(toolkit::unitAfter(text, offset, unit),
                     !noCharacter && i + 1 < spans.size() ? spans[i + 1] : none);
        }
    }
};

QTEST_APPLESS_MAIN(TestTextUnits)
#include "tst_textunits.moc"
