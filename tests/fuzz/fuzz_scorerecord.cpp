// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Score records from any name and captions: the record is the sentence between double quotes and
// CR LF, the sentence starts with the name as typed, the date as mm/dd/yy and the captions as the
// file holds them, and the record comes back from the score file's code page as written wherever
// the code page holds its characters.
#include "fuzzcheck.h"

#include "drilltable/drills.h"
#include "scores/scorerecord.h"
#include "toolkit/files/codepage.h"

using fuzzcheck::require;
using fuzzcheck::spelled;

namespace {

const scores::ScoreFile &fileOf(uint8_t pick)
{
    return drilltable::Drills[pick % drilltable::DrillCount].scores;
}

// A caption as the score file holds it: no blanks (a language may show "83,33 %"), a digit of any
// script as its ASCII digit, a character the code page lacks (one encode() turns into '?') as ".".
QString stored(const QString &caption)
{
    QString text;
    for (const QChar c : caption) {
        if (c.isSpace())
            continue;
        if (c.digitValue() >= 0)
            text += QChar(u'0' + c.digitValue());
        else
            text += c == u'?' || toolkit::encode(QString(c)) != "?" ? c : QChar(u'.');
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const scores::ScoreFile &file = fileOf(in.ConsumeIntegral<uint8_t>());
    // Dates from 1900 to 2155, and now and then one that is not valid.
    const auto day = in.ConsumeIntegral<uint16_t>();
    const QDate date = day == 0xFFFF ? QDate() : QDate(1900, 1, 1).addDays(day * 1.427);
    const QString name = fuzzcheck::utf8Text(in, 64);
    scores::Captions captions;
    captions.lblPercentA = fuzzcheck::utf8Text(in, 16);
    captions.lblTotalA = fuzzcheck::utf8Text(in, 16);
    captions.lblPersent = fuzzcheck::utf8Text(in, 16);
    captions.lblTotal = fuzzcheck::utf8Text(in, 16);

    const QString sentence = scores::scoreSentence(file, name, date, captions);
    const QString record = scores::scoreRecord(sentence);
    const QString where = spelled(name) + " -> " + spelled(record);

    require(record.startsWith(u'"'), "a record starts with a double quote", where);
    require(record.endsWith(QLatin1String("\"\r\n")), "a record ends with a quote and CR LF",
            where);
    require(record.sliced(1, record.size() - 4) == sentence, "the sentence unchanged inside",
            where);
    require(sentence.endsWith(QLatin1String("\r\n")), "a sentence ends with CR LF", where);

    const QString dateText = date.isValid() ? QString::asprintf("%02d/%02d/%02d", date.month(),
                                                                date.day(), date.year() % 100)
                                            : QString();
    require(sentence.startsWith(name + " On the Day of " + dateText + " Got A " +
                                stored(captions.lblPercentA) + " Out of " +
                                stored(captions.lblTotalA) + QLatin1String(file.firstText)),
            "the name as typed, then the date and the first exercise's score", where);
    if (file.secondText) {
        require(sentence.endsWith(stored(captions.lblPersent) + " out of " +
                                  stored(captions.lblTotal) + QLatin1String(file.secondText) +
                                  "\r\n"),
                "the second exercise's score last", where);
    } else {
        require(sentence.size() == name.size() + 15 + dateText.size() + 7 +
                                       stored(captions.lblPercentA).size() + 8 +
                                       stored(captions.lblTotalA).size() +
                                       qsizetype(strlen(file.firstText)) + 2,
                "one exercise's score only", where);
    }

    // As the score file holds it: a name the code page holds survives the file whole.
    bool held = true;
    for (const QChar c : name)
        held = held && toolkit::decode(toolkit::encode(QString(c))) == QString(c);
    if (held) {
        require(toolkit::decode(toolkit::encode(record)).startsWith(u'"' + name),
                "the name comes back from the file unchanged", where);
    }
    return 0;
}
