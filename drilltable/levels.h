// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A drill's levels: each an exact rule for the problems it deals, named as the class file names it
// ("sums-to-10", "tables-2-5-10"), dealt uniformly among the problems it allows.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>

namespace toolkit {
class RandomSource;
}

namespace drilltable {

// The two-number exercise (and Division's one) or the three-number one.
enum class Numbers { Two = 2, Three = 3 };

class Level
{
public:
    // The drill's own dealing, untouched.
    static Level designed(const QString &drill);
    // The level of that name for the drill ("addition", "subtraction", "multiplication",
    // "division"), or none where the drill has no such level.
    static std::optional<Level> fromName(const QString &drill, const QString &name);
    // The names the Class window offers for the drill, "designed" first.
    static QStringList offered(const QString &drill);

    QString drill() const { return m_drill; }
    QString name() const { return m_name; }
    bool isDesigned() const { return m_rule == Rule::Designed; }
    // What a teacher or a learner reads: "Sums to 10", "Tables 2, 5 and 10".
    QString title() const;

    // Whether the rule allows these operands, as their tiles show them from left to right. A
    // designed level allows everything.
    bool allows(std::span<const int> operands) const;
    // A problem the rule allows, uniformly among them all but the one before, which never comes
    // twice in a row while there are others.
    QList<int> deal(Numbers numbers, toolkit::RandomSource &random,
                    std::span<const int> previous = {}) const;
    // The largest operand and the largest answer a problem of the level holds.
    int largestOperand(Numbers numbers) const;
    int largestAnswer(Numbers numbers) const;

    friend bool operator==(const Level &, const Level &) = default;

private:
    enum class Rule { Designed, SumsTo, Within, Tables, Whole };
    // The operands' box the rule's problems lie in: each from 1 to its bound.
    std::array<int, 3> box(Numbers numbers) const;

    QString m_drill;
    QString m_name;
    Rule m_rule = Rule::Designed;
    int m_bound = 0;
    quint32 m_tables = 0; // bit n: the table of n
};

// The captions of a problem dealt at the level after the one its tiles show, or none where the
// level is the designed one.
QStringList dealCaptions(const Level &level, Numbers numbers, toolkit::RandomSource &random,
                         const QStringList &shown);

// The levels in force while a learner practises, by drill; a drill not named deals as designed.
// The chooser sets them; the drill windows read them when they deal.
void setLevelsInForce(const QHash<QString, QString> &byDrill);
Level levelInForce(const QString &drill);

} // namespace drilltable
