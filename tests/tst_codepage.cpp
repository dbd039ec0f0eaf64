// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score files' code page, Windows-1252, both ways: what a character the code page lacks
// becomes, and every byte read back as it was.
#include "filecheck.h"

#include "toolkit/files/codepage.h"

#include <QTest>

using namespace toolkit;

class TestCodePage : public QObject
{
    Q_OBJECT

private slots:
    void encodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lost"); // what the user is told of
        QTest::newRow("code page letters")
            << QString::fromUtf8("é€“") << QByteArray("\xe9\x80\x93") << QStringList();
        QTest::newRow("outside the code page, twice")
            << QString::fromUtf8("aŁbŁ") << QByteArray("a?b?") << QStringList{"Ł"};
        QTest::newRow("outside the plane")
            << QString::fromUtf8("x😀y字") << QByteArray("x?y?")
            << QStringList{QString::fromUtf8("😀"), QString::fromUtf8("字")};
        QTest::newRow("own SUB beside a substitute")
            << QString::fromUtf8("\x1aŁ\x1a") << QByteArray("\x1a?\x1a") << QStringList{"Ł"};
        QTest::newRow("no-break space")
            << QString(QChar(0xA0)) << QByteArray("\xa0") << QStringList();
        QTest::newRow("a lone high surrogate at the end")
            << (QStringLiteral("a") + QChar(0xD800)) << QByteArray("a?")
            << QStringList{QString(QChar(0xD800))};
        QTest::newRow("a zero-width space")
            << QStringLiteral("a\u200Bb") << QByteArray("a?b") << QStringList{"\u200B"};
    }
    void encodes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lost);
        QCOMPARE(encode(text), bytes);
        QCOMPARE(unencodable(text), lost);
    }

    void everyByteSurvivesARoundTrip()
    {
        // The five bytes the code page leaves undefined among them.
        QCOMPARE(encode(decode(allBytes())), allBytes());
        QCOMPARE(decode("\x80\x93\xe9"), QString::fromUtf8("€“é"));
    }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
