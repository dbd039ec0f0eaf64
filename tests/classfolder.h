// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A class folder as a teacher meets it: 24 pupils, three months of saves in the four score files,
// names typed differently, a pupil who never saved and a guest, and the answers to a teacher's
// four questions worked out here, from the numbers dealt, not by the program under test.
#pragma once

#include "classroom/classfile.h"

#include "drilltable/drills.h"
#include "scores/scorerecord.h"
#include "toolkit/files/codepage.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <map>
#include <random>

namespace classfolder {

struct Truth
{
    QDate today;
    QStringList pupils;                // the class list, in its order
    QHash<QString, QString> renamedTo; // names saved before, and the pupil they are now
    int records = 0;
    // "How is Mia doing in Subtraction since October?": Mia K., since the first of the month
    // two months back; right answers out of questions, and each month's percentage.
    QString mia = QStringLiteral("Mia K.");
    QDate since;
    qint64 miaRight = 0, miaQuestions = 0;
    std::map<QDate, double> miaMonths;
    // "Which three children need help with Multiplication?": the lowest three over the school year.
    QStringList needHelp;
    // "Did the class improve in Division this month?": the class's last month and this month.
    double divisionBefore = 0, divisionNow = 0;
    // "Who has not practised this week?": in the class's order.
    QStringList notThisWeek;
};

struct Counts
{
    qint64 right = 0, questions = 0;
    double percent() const { return questions ? 100.0 * double(right) / double(questions) : 0; }
};

// Writes Add.txt, Sub.txt, Multiply.txt and Divide.txt into the folder, each record as Save
// Score writes it, the last on today.
inline Truth write(const QString &folder, QDate today)
{
    Truth truth;
    truth.today = today;
    truth.pupils = {"Ali",  "Ben",   "Chloé", "Dana", "Emil", "Finn",   "Greta",  "Hugo",
                    "Ida",  "Jonas", "Kai",   "Lara", "Léa",  "Mia K.", "Mia S.", "Noah",
                    "Olga", "Paul",  "Quinn", "Rosa", "Sami", "Tara",   "Umar",   "Vera"};
    truth.renamedTo = {{"Mia", "Mia K."}, {"mia", "Mia S."}};
    truth.since = QDate(today.year(), today.month(), 1).addMonths(-2);
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    const QDate thisMonth(today.year(), today.month(), 1);
    const QDate schoolYear(today.month() >= 9 ? today.year() : today.year() - 1, 9, 1);
    const QStringList idle = {"Dana", "Hugo", "Noah", "Sami"}; // nothing this week
    const QStringList weakAtTimes = {"Finn", "Olga", "Tara"};

    std::mt19937 random(39);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    // Which drill is which matters to the truth below: 1 Subtraction, 2 Multiplication, 3 Division.
    const std::array<const scores::ScoreFile *, 4> Files{
        &drilltable::drill("addition").scores, &drilltable::drill("subtraction").scores,
        &drilltable::drill("multiplication").scores, &drilltable::drill("division").scores};
    std::array<QByteArray, 4> bytes;
    std::map<QString, Counts> multiplication;
    std::map<QDate, Counts> miaMonths;
    Counts divisionBefore, divisionNow;
    QHash<QString, double> skill;
    QSet<QString> practised; // this week
    for (const QString &pupil : truth.pupils)
        skill.insert(pupil, uniform(0.62, 0.9));

    const QDate first = today.addDays(-91);
    for (QDate day = first; day <= today; day = day.addDays(1)) {
        const bool weekend = day.dayOfWeek() >= 6;
        for (const QString &pupil : truth.pupils + QStringList{"Gast"}) {
            if (pupil == u"Noah" || (day >= monday && idle.contains(pupil)))
                continue;
            if (uniform(0, 1) > (pupil == u"Gast" ? 0.05 : weekend ? 0.15 : 0.5))
                continue;
            const int drills = uniform(0, 1) < 0.7 ? 2 : 1;
            for (int n = 0; n < drills; ++n) {
                const int drill = int(uniform(0, 4));
                double p = skill.value(pupil, 0.7);
                if (drill == 2 && weakAtTimes.contains(pupil))
                    p -= 0.25 + 0.03 * weakAtTimes.indexOf(pupil);
                if (drill == 3)
                    p += day >= thisMonth ? 0.1 : -0.05;
                QString saved = pupil;
                if (pupil == u"Mia K." && day < first.addDays(30))
                    saved = QStringLiteral("Mia");
                if (pupil == u"Mia S." && uniform(0, 1) < 0.3)
                    saved = QStringLiteral("mia");
                scores::Captions captions;
                const int exercises = drill == 3 ? 1 : 2;
                for (int e = 0; e < exercises; ++e) {
                    const bool scored = e == 0 || uniform(0, 1) < 0.8;
                    const int total = int(uniform(5, 21));
                    const int right =
                        std::clamp(int(std::lround(total * (p + uniform(-0.12, 0.12)))), 0, total);
                    const QString percent =
                        scored ? QString::asprintf("%.2f%%", 100.0 * right / total) : QString();
                    (e == 0 ? captions.lblPercentA : captions.lblPersent) = percent;
                    (e == 0 ? captions.lblTotalA : captions.lblTotal) = QString::number(total);
                    if (!scored)
                        continue;
                    const Counts one{right, total};
                    const auto add = [&](Counts &to) {
                        to.right += one.right;
                        to.questions += one.questions;
                    };
                    if (drill == 2 && pupil != u"Gast" && day >= schoolYear)
                        add(multiplication[pupil]);
                    if (drill == 1 && pupil == truth.mia && day >= truth.since) {
                        add(miaMonths[QDate(day.year(), day.month(), 1)]);
                        truth.miaRight += right;
                        truth.miaQuestions += total;
                    }
                    if (drill == 3 && pupil != u"Gast" && day >= thisMonth)
                        add(divisionNow);
                    if (drill == 3 && pupil != u"Gast" && day < thisMonth &&
                        day >= thisMonth.addMonths(-1))
                        add(divisionBefore);
                }
                bytes[drill] += toolkit::encode(scores::scoreRecord(
                    scores::scoreSentence(*Files[drill], saved, day, captions)));
                ++truth.records;
                if (day >= monday)
                    practised.insert(pupil);
            }
        }
    }
    for (int drill = 0; drill < 4; ++drill) {
        QFile file(QDir(folder).filePath(QLatin1String(Files[drill]->fileName)));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes[drill]);
    }
    for (const auto &[month, counts] : miaMonths)
        truth.miaMonths[month] = counts.percent();
    std::vector<std::pair<double, QString>> lowest;
    for (const auto &[pupil, counts] : multiplication)
        lowest.emplace_back(counts.percent(), pupil);
    std::ranges::sort(lowest);
    for (int i = 0; i < 3 && i < int(lowest.size()); ++i)
        truth.needHelp << lowest[i].second;
    truth.divisionBefore = divisionBefore.percent();
    truth.divisionNow = divisionNow.percent();
    for (const QString &pupil : truth.pupils) {
        if (!practised.contains(pupil))
            truth.notThisWeek << pupil;
    }
    // The class file the teacher wrote in the Class window: the list, and the names two pupils
    // saved under before they were renamed.
    classroom::ClassList list;
    for (const QString &pupil : truth.pupils)
        list.learners.append({pupil, {}, {}});
    for (auto rename = truth.renamedTo.cbegin(); rename != truth.renamedTo.cend(); ++rename)
        list.renames.append({rename.key(), rename.value()});
    QFile file(QDir(folder).filePath(classroom::ClassFileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(classroom::classText(list)) < 0)
        qFatal("Cannot write the class file in %s", qPrintable(folder));
    return truth;
}

} // namespace classfolder
