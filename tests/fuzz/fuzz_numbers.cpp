// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers: a caption's leading number and a typed answer. Whatever the text, the value is
// finite; the typed reader takes exactly sign, digits and one separator, and both readers agree
// with the C library on the value; a number's caption reads back as the same caption.
#include "fuzzcheck.h"

#include "toolkit/text/formats.h"
#include "toolkit/text/numbers.h"

#include <QLocale>

#include <cmath>
#include <cstring>

using fuzzcheck::require;
using fuzzcheck::spelled;

namespace {

// The C locale, a comma, a minus sign that is not '-', and a separator and sign of several code
// units each.
const QLocale &localeOf(uint8_t pick)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::Swedish, QLocale::Sweden),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    return locales[pick % std::size(locales)];
}

// The typed reader's grammar, spelled out again: blanks, a sign, digits with at most one
// separator, blanks. Returns the number in C notation for strtod, or nothing.
std::optional<std::string> plainNumber(QStringView text, const QLocale &locale)
{
    QStringView rest = text.trimmed();
    std::string plain;
    for (const QString &sign : {QStringLiteral("+"), QStringLiteral("-"), locale.negativeSign()}) {
        if (rest.startsWith(sign)) {
            plain = sign == u"+" ? "" : "-";
            rest = rest.sliced(sign.size());
            break;
        }
    }
    bool digit = false;
    bool point = false;
    while (!rest.isEmpty()) {
        if (rest.front() >= u'0' && rest.front() <= u'9') {
            plain += char(rest.front().unicode());
            digit = true;
            rest = rest.sliced(1);
        } else if (!point && rest.startsWith(locale.decimalPoint())) {
            plain += '.';
            point = true;
            rest = rest.sliced(locale.decimalPoint().size());
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    return plain;
}

void checkTyped(const QString &text, const QLocale &locale)
{
    const std::optional<double> value = toolkit::readNumber(text, locale);
    const std::optional<std::string> plain = plainNumber(text, locale);
    const QString where = spelled(text) + " in " + locale.name();
    if (!plain) {
        require(!value, "only sign, digits and one separator read", where);
        return;
    }
    const double expected = std::strtod(plain->c_str(), nullptr);
    if (!std::isfinite(expected)) {
        require(!value, "a number too large for a double does not read", where);
        return;
    }
    require(value.has_value(), "sign, digits and one separator read", where);
    require(*value == expected && std::signbit(*value) == std::signbit(expected),
            "the typed value is the nearest double",
            where + QString::asprintf(": %.17g, not %.17g", *value, expected));
}

void checkCaption(const QString &text)
{
    const double value = toolkit::leadingNumber(text);
    require(std::isfinite(value), "a caption's number is finite", spelled(text));
    // Where the typed reader takes the whole caption, the caption reader finds the same number.
    qsizetype blanks = 0;
    while (blanks < text.size() && (text[blanks] == u' ' || text[blanks] == u'\t'))
        ++blanks;
    const bool plainBlanks = blanks == text.size() || !text[blanks].isSpace();
    if (const std::optional<double> typed = toolkit::readNumber(text, QLocale::c());
        typed && plainBlanks) {
        require(value == *typed, "both readers agree on a plain number",
                spelled(text) + QString::asprintf(": %.17g and %.17g", value, *typed));
    }
}

void checkNumberText(double value)
{
    if (!std::isfinite(value))
        return;
    const QString text = toolkit::numberText(value);
    const QString where = QString::asprintf("%.17g -> ", value) + text;
    require(!text.isEmpty() && !text[0].isSpace(), "no leading blank", where);
    require(text.startsWith(u'-') == (value < 0), "a minus sign for negatives only", where);
    const double read = toolkit::leadingNumber(text);
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        require(!text.contains(u'.') && !text.contains(u'e'), "whole numbers have no point", where);
        require(read == value, "a whole number reads back exactly", where);
    }
    require(toolkit::numberText(read) == text, "a caption reads back as the same caption",
            where + " -> " + toolkit::numberText(read));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    double value = 0;
    if (in.remaining_bytes() >= sizeof value) {
        const auto raw = in.ConsumeBytes<uint8_t>(sizeof value);
        std::memcpy(&value, raw.data(), sizeof value);
    }
    const QLocale &locale = localeOf(in.ConsumeIntegral<uint8_t>());
    const QString text = fuzzcheck::utf8Text(in);

    checkTyped(text, locale);
    checkCaption(text);
    checkNumberText(value);
    checkNumberText(toolkit::leadingNumber(text));
    return 0;
}
