// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the class folder of classfolder.h for trying the Progress window by hand:
//   classfolder <folder>
// and prints the answers to the teacher's four questions it worked out.
#include "classfolder.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::arguments().value(1);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        std::fprintf(stderr, "usage: classfolder <folder>\n");
        return 2;
    }
    const classfolder::Truth truth = classfolder::write(folder, QDate::currentDate());
    const auto line = [](const QString &text) { std::printf("%s\n", qPrintable(text)); };
    line(QStringLiteral("records %1").arg(truth.records));
    line(QStringLiteral("class %1").arg(truth.pupils.join(u';')));
    for (auto it = truth.renamedTo.cbegin(); it != truth.renamedTo.cend(); ++it)
        line(QStringLiteral("renamed %1 -> %2").arg(it.key(), it.value()));
    line(QStringLiteral("mia %1 subtraction since %2: %3 of %4 = %5%")
             .arg(truth.mia, truth.since.toString(Qt::ISODate))
             .arg(truth.miaRight)
             .arg(truth.miaQuestions)
             .arg(100.0 * double(truth.miaRight) / double(truth.miaQuestions), 0, 'f', 1));
    for (const auto &[month, percent] : truth.miaMonths)
        line(QStringLiteral("mia month %1: %2%")
                 .arg(month.toString(u"yyyy-MM"))
                 .arg(percent, 0, 'f', 1));
    line(QStringLiteral("need help in multiplication: %1").arg(truth.needHelp.join(u", ")));
    line(QStringLiteral("division last month %1%, this month %2%")
             .arg(truth.divisionBefore, 0, 'f', 1)
             .arg(truth.divisionNow, 0, 'f', 1));
    line(QStringLiteral("not practised this week: %1").arg(truth.notThisWeek.join(u", ")));
    return 0;
}
