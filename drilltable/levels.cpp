// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels.h"

#include "toolkit/text/random.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <bit>

namespace drilltable {

namespace {

constexpr int HighestTable = 12;
constexpr int SumBounds[] = {10, 20, 100};

QHash<QString, QString> &inForce()
{
    static QHash<QString, QString> levels;
    return levels;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("drilltable::Level", text);
}

} // namespace

Level Level::designed(const QString &drill)
{
    Level level;
    level.m_drill = drill;
    level.m_name = QStringLiteral("designed");
    return level;
}

std::optional<Level> Level::fromName(const QString &drill, const QString &name)
{
    Level level = designed(drill);
    level.m_name = name;
    if (name == u"designed")
        return level;
    static const QRegularExpression sums(QStringLiteral("^sums-to-(10|20|100)$"));
    static const QRegularExpression within(QStringLiteral("^within-(10|20|100)$"));
    static const QRegularExpression tables(QStringLiteral("^tables(-(?:[1-9]|1[0-2]))+$"));
    if (drill == u"addition") {
        if (const auto m = sums.match(name); m.hasMatch()) {
            level.m_rule = Rule::SumsTo;
            level.m_bound = m.captured(1).toInt();
            return level;
        }
    } else if (drill == u"subtraction") {
        if (const auto m = within.match(name); m.hasMatch()) {
            level.m_rule = Rule::Within;
            level.m_bound = m.captured(1).toInt();
            return level;
        }
    } else if (drill == u"multiplication") {
        level.m_rule = Rule::Tables;
        if (name == u"tables-to-10") {
            level.m_tables = 0b111'1111'1110;
            return level;
        }
        if (tables.match(name).hasMatch()) {
            // Each table once, in rising order: one level has one name.
            int last = 0;
            for (const QString &n : name.mid(7).split(u'-')) {
                const int table = n.toInt();
                if (table <= last)
                    return std::nullopt;
                level.m_tables |= 1u << table;
                last = table;
            }
            return level;
        }
    } else if (drill == u"division" && name == u"whole") {
        level.m_rule = Rule::Whole;
        return level;
    }
    return std::nullopt;
}

QStringList Level::offered(const QString &drill)
{
    QStringList names{QStringLiteral("designed")};
    if (drill == u"addition" || drill == u"subtraction")
        for (const int bound : SumBounds)
            names << QStringLiteral("%1-%2")
                         .arg(drill == u"addition" ? u"sums-to" : u"within")
                         .arg(bound);
    else if (drill == u"multiplication")
        names << QStringLiteral("tables-to-10") << QStringLiteral("tables-2-5-10")
              << QStringLiteral("tables-2-3-4-5") << QStringLiteral("tables-6-7-8-9");
    else if (drill == u"division")
        names << QStringLiteral("whole");
    return names;
}

QString Level::title() const
{
    switch (m_rule) {
    case Rule::Designed:
        return tr("As designed");
    case Rule::SumsTo:
        return tr("Sums to %1").arg(m_bound);
    case Rule::Within:
        return tr("Within %1").arg(m_bound);
    case Rule::Tables: {
        if (m_tables == 0b111'1111'1110)
            return tr("Tables 1 to 10");
        QStringList tables;
        for (int t = 1; t <= HighestTable; ++t)
            if (m_tables & (1u << t))
                tables << QString::number(t);
        if (tables.size() == 1)
            return tr("Table of %1").arg(tables.first());
        const QString last = tables.takeLast();
        return tr("Tables %1 and %2").arg(tables.join(QStringLiteral(", ")), last);
    }
    case Rule::Whole:
        return tr("Whole answers");
    }
    return {};
}

std::array<int, 3> Level::box(Numbers numbers) const
{
    const int third = numbers == Numbers::Three;
    switch (m_rule) {
    case Rule::SumsTo:
    case Rule::Within:
        return {m_bound, m_bound, third ? m_bound : 0};
    case Rule::Tables: {
        const int highest = std::max(10, int(std::bit_width(m_tables)) - 1);
        return {highest, highest, third ? 3 : 0};
    }
    case Rule::Whole:
        return {10, 10, 0}; // the quotient and the divisor
    case Rule::Designed:
        break;
    }
    return {};
}

bool Level::allows(std::span<const int> operands) const
{
    if (m_rule == Rule::Designed)
        return true;
    const auto numbers = Numbers(operands.size());
    if (numbers != Numbers::Two && (numbers != Numbers::Three || m_rule == Rule::Whole))
        return false;
    if (m_rule == Rule::Whole) {
        const int dividend = operands[0], divisor = operands[1];
        return divisor >= 1 && divisor <= 10 && dividend % divisor == 0 &&
               dividend / divisor >= 1 && dividend / divisor <= 10;
    }
    const auto bounds = box(numbers);
    for (std::size_t i = 0; i < operands.size(); ++i)
        if (operands[i] < 1 || operands[i] > bounds[i])
            return false;
    int sum = 0;
    for (const int operand : operands)
        sum += operand;
    switch (m_rule) {
    case Rule::SumsTo:
        return sum <= m_bound;
    case Rule::Within:
        return operands[0] - (sum - operands[0]) >= 0;
    case Rule::Tables: {
        const auto inTables = [this](int f) { return f <= HighestTable && (m_tables & (1u << f)); };
        const int a = operands[0], b = operands[1];
        return (inTables(a) && b <= 10) || (inTables(b) && a <= 10);
    }
    default:
        return false;
    }
}

QList<int> Level::deal(Numbers numbers, toolkit::RandomSource &random,
                       std::span<const int> previous) const
{
    if (m_rule == Rule::Designed || (m_rule == Rule::Whole && numbers == Numbers::Three))
        return {};
    // Drawn from the box the rule lies in and drawn again until the rule allows it: every
    // allowed problem is as likely as any other. Every rule allows many problems, so the
    // one before is always left out.
    const auto bounds = box(numbers);
    const int count = int(numbers);
    QList<int> problem(count);
    for (;;) {
        for (int i = 0; i < count; ++i)
            problem[i] = toolkit::dealOperand(random.next(), 1, bounds[i]);
        if (m_rule == Rule::Whole)
            problem = {problem[0] * problem[1], problem[1]};
        if (allows(problem) && !std::ranges::equal(problem, previous))
            return problem;
    }
}

int Level::largestOperand(Numbers numbers) const
{
    if (m_rule == Rule::Whole)
        return 100;
    const auto bounds = box(numbers);
    return *std::ranges::max_element(bounds);
}

int Level::largestAnswer(Numbers numbers) const
{
    switch (m_rule) {
    case Rule::SumsTo:
        return m_bound;
    case Rule::Within:
        return m_bound - 1;
    case Rule::Tables:
        return (int(std::bit_width(m_tables)) - 1) * 10 * (numbers == Numbers::Three ? 3 : 1);
    case Rule::Whole:
        return 10;
    case Rule::Designed:
        break;
    }
    return 0;
}

void setLevelsInForce(const QHash<QString, QString> &byDrill)
{
    inForce() = byDrill;
}

QStringList dealCaptions(const Level &level, Numbers numbers, toolkit::RandomSource &random,
                         const QStringList &shown)
{
    QList<int> previous;
    for (const QString &caption : shown)
        previous << caption.toInt();
    QStringList captions;
    for (const int operand : level.deal(numbers, random, previous))
        captions << QString::number(operand);
    return captions;
}

Level levelInForce(const QString &drill)
{
    return Level::fromName(drill, inForce().value(drill)).value_or(Level::designed(drill));
}

} // namespace drilltable
