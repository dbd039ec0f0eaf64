// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The two-decimal and percentage texts: a quotient's two-decimal text reads back as the same text
// and lies within half a hundredth of the number; a share of right answers is a percentage from
// "0.00%" to "100.00%", rounded as exact arithmetic rounds it.
#include "fuzzcheck.h"

#include "toolkit/text/formats.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstring>

using fuzzcheck::require;

namespace {

const QLocale &localeOf(uint8_t pick)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::Swedish, QLocale::Sweden),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    return locales[pick % std::size(locales)];
}

void checkTwoDecimals(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return;
    const QString text = toolkit::twoDecimalText(value, locale);
    const QString where = QString::asprintf("%.17g in ", value) + locale.name() + " -> " + text;
    // No leading zero, the separator always, at most two decimals and no trailing zero.
    const QRegularExpression pattern(QStringLiteral("^-?([1-9][0-9]*)?%1([0-9]?[1-9])?$")
                                         .arg(QRegularExpression::escape(locale.decimalPoint())));
    require(pattern.match(text).hasMatch(), "the pattern ###.##", where);

    if (text == locale.decimalPoint()) {
        // Zero has no digit to read back; the typed "0" is rewritten to it instead.
        require(std::fabs(value) <= 0.005, "only what rounds to zero shows no digit", where);
        require(toolkit::twoDecimalText(0, locale) == text, "zero's text", where);
        return;
    }
    const std::optional<double> read = toolkit::readNumber(text, locale);
    require(read.has_value(), "the two-decimal text reads back", where);
    require(toolkit::twoDecimalText(*read, locale) == text,
            "the two-decimal text of its own value is the same text",
            where + " -> " + toolkit::twoDecimalText(*read, locale));
    require(std::fabs(*read - value) <= 0.005 * (1 + 1e-12) + std::fabs(value) * 1e-15,
            "rounded to the nearest hundredth", where + QString::asprintf(" reads %.17g", *read));
}

// The percentage with two decimals of correct / total, halves rounded up, in exact arithmetic.
QString exactPercent(uint64_t correct, uint64_t total)
{
    const uint64_t hundredths = (20000 * correct + total) / (2 * total);
    return QString::asprintf("%llu.%02llu%%", static_cast<unsigned long long>(hundredths / 100),
                             static_cast<unsigned long long>(hundredths % 100));
}

void checkPercent(uint32_t correct, uint32_t total, const QLocale &locale)
{
    if (total == 0)
        return;
    correct %= total + uint64_t(1);
    const double share = double(correct) / double(total);
    const QString text = toolkit::percentText(share, QLocale::c());
    const QString where = QString::asprintf("%u / %u -> ", correct, total) + text;
    require(text == exactPercent(correct, total), "the percentage rounds as exact arithmetic",
            where + " not " + exactPercent(correct, total));
    const double shown = text.chopped(1).toDouble();
    require(shown >= 0 && shown <= 100, "from 0.00% to 100.00%", where);
    require((text == u"100.00%") == (20000 * uint64_t(correct) >= 19999 * uint64_t(total)),
            "100.00% only for what rounds to it", where);
    QString local = text;
    local.replace(u'.', locale.decimalPoint());
    require(toolkit::percentText(share, locale) == local, "only the separator is regional",
            where + " and " + toolkit::percentText(share, locale));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QLocale &locale = localeOf(in.ConsumeIntegral<uint8_t>());
    const auto correct = in.ConsumeIntegral<uint32_t>();
    const auto total = in.ConsumeIntegral<uint32_t>();
    checkPercent(correct, total, locale);
    // The window's own tallies are 16-bit.
    checkPercent(correct & 0x7FFF, total & 0x7FFF, locale);

    double raw = 0;
    if (in.remaining_bytes() >= sizeof raw) {
        const auto bytes = in.ConsumeBytes<uint8_t>(sizeof raw);
        std::memcpy(&raw, bytes.data(), sizeof raw);
    }
    checkTwoDecimals(raw, locale);
    // Quotients of the Division drill's kind and typed answers, read as the window reads them.
    if (total != 0)
        checkTwoDecimals(double(correct) / double(total), locale);
    const QString typed = fuzzcheck::utf8Text(in, 64);
    if (const std::optional<double> value = toolkit::readNumber(typed, locale))
        checkTwoDecimals(*value, locale);
    return 0;
}
