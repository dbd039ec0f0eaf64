// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What Progress saves for a teacher: the class table or a learner's records as CSV for a
// spreadsheet, and as PDF with the chart, to print.
#include "progresswindow.h"

#include "chartpaint.h"
#include "texttable.h"

#include "toolkit/accessibility/accessibility.h"
#include "toolkit/application.h"
#include "toolkit/files/replacefile.h"
#include "toolkit/forms/dialogs.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>

namespace progress {

using namespace toolkit;

namespace {

// The learner's name as a file's, proposed in the teacher's documents: only letters, digits,
// blanks and a few marks, so no name a pupil typed can name another folder, a list of files or a
// hidden file, or mean anything to a shell.
QString fileNameFor(const QString &learner, const char *suffix)
{
    QString name;
    for (const QChar c : learner)
        name += c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_' ? c : QChar(u'_');
    name = name.simplified();
    while (name.startsWith(u'-') || name.startsWith(u'_'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QCoreApplication::translate("progress::ProgressWindow", "Progress");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(QDir(documents).exists() ? documents : QDir::homePath())
        .filePath(name.left(100) + QLatin1String(suffix));
}

// Where the language writes a decimal comma, spreadsheets take ";" between cells.
QChar csvSeparator()
{
    return QLocale().decimalPoint() == u',' ? u';' : u',';
}

// A cell as a spreadsheet reads it: one that would begin a formula (=, +, -, @, a tab or a line
// end) begins with an apostrophe instead, so opening the file runs nothing; numbers, written with
// either decimal sign, stay numbers. Quoted where it holds the separator, a quote or a line end.
QString csvField(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+([.,][0-9]+)?$"));
    QString cell = text;
    if (!cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front()) &&
        !number.match(cell).hasMatch())
        cell.prepend(u'\'');
    const QChar separator = csvSeparator();
    if (!cell.contains(separator) && !cell.contains(u'"') && !cell.contains(u'\n') &&
        !cell.contains(u'\r'))
        return cell;
    return u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString csvNumber(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

} // namespace

void ProgressWindow::cmdSaveTable_Click()
{
    const bool learner = tabViews->currentIndex() == 1;
    const QString fileName = ModalBoxes::instance().saveFileName(
        this, tr("Save the Table"), fileNameFor(learner ? learnerName() : tr("Class"), ".csv"),
        tr("Spreadsheet (*.csv)"), QStringLiteral("csv"));
    if (!fileName.isEmpty())
        saveTable(fileName);
}

void ProgressWindow::cmdSavePdf_Click()
{
    const bool learner = tabViews->currentIndex() == 1;
    const QString fileName = ModalBoxes::instance().saveFileName(
        this, tr("Save as PDF"), fileNameFor(learner ? learnerName() : tr("Class"), ".pdf"),
        tr("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!fileName.isEmpty())
        savePdf(fileName);
}

bool ProgressWindow::writeExportFile(const QString &path, const QByteArray &bytes)
{
    // Written as the score files are: no link followed that another account could have planted,
    // no file replaced but whole, and a failure said with its reason.
    const QString error = toolkit::writeWholeFile(path, bytes);
    if (!error.isEmpty()) {
        ModalBoxes::instance().message(this, tr("\"%1\" could not be saved. %2").arg(path, error),
                                       QString::fromLatin1(ApplicationTitle), QMessageBox::Ok,
                                       QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    const QFileInfo info(path);
    announce(this,
             tr("Saved %1 in %2").arg(info.fileName(), QDir::toNativeSeparators(info.path())));
    return true;
}

bool ProgressWindow::saveTable(const QString &fileName)
{
    return writeExportFile(fileName, tableBytes());
}

bool ProgressWindow::savePdf(const QString &fileName)
{
    const QByteArray bytes = pdfBytes();
    return !bytes.isEmpty() && writeExportFile(fileName, bytes);
}

QByteArray ProgressWindow::tableBytes() const
{
    // UTF-8 with a byte-order mark, cells apart as the language's spreadsheets expect, numbers
    // with its decimal sign and without a % sign, dates as ISO 8601, which every spreadsheet reads
    // as a date in every language.
    const QChar separator = csvSeparator();
    QStringList lines;
    const auto line = [&](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields << csvField(cell);
        lines << fields.join(separator);
    };
    if (tabViews->currentIndex() == 1) {
        line({tr("Learner"), tr("Date"), tr("Exercise"), tr("Percentage"), tr("Right answers"),
              tr("Questions"), tr("Level")});
        for (const LearnerData::Line &one : m_learner.lines)
            line({learnerName(), one.date.toString(Qt::ISODate), exerciseName(one.exercise),
                  one.result.scored ? csvNumber(one.result.percent, 2) : QString(),
                  one.result.scored && one.result.answered >= 0
                      ? QString::number(rightOf(one.result))
                      : QString(),
                  one.result.answered < 0 ? QString() : QString::number(one.result.answered),
                  one.level ? levelTitle(drilltable::drillOfExercise(one.exercise), *one.level)
                            : QString()});
    } else {
        QStringList headers{tr("Learner"), tr("In the class")};
        for (const Drill &drill : drilltable::Drills)
            headers << tr("%1: average (%)").arg(drilltable::title(drill))
                    << tr("%1: right answers").arg(drilltable::title(drill))
                    << tr("%1: questions").arg(drilltable::title(drill))
                    << tr("%1: change (points)").arg(drilltable::title(drill));
        headers << tr("Days practised") << tr("Last practised") << tr("From") << tr("To");
        line(headers);
        const auto row = [&](const ClassRow &learner, const QString &name, const QString &in,
                             int decimals) {
            QStringList cells{name, in};
            for (const Drill &drill : drilltable::Drills) {
                const DrillTally &tally = learner.drills[drilltable::indexOf(drill)];
                const auto now = tally.now.average(), before = tally.before.average();
                cells << (now ? csvNumber(*now, 1) : QString())
                      << (tally.now.questions ? QString::number(tally.now.right) : QString())
                      << (tally.now.questions ? QString::number(tally.now.questions) : QString())
                      << (now && before ? csvNumber(*now - *before, 1) : QString());
            }
            cells << csvNumber(learner.days, decimals)
                  << (learner.last.isValid() ? learner.last.toString(Qt::ISODate) : QString())
                  << m_view.period.from.toString(Qt::ISODate)
                  << m_view.period.to.toString(Qt::ISODate);
            line(cells);
        };
        for (const ClassRow &learner : m_view.learners)
            row(learner, learner.name, learner.inClass ? tr("yes") : tr("no"), 0);
        row(m_view.average, tr("Class average"), QString(), 1);
    }
    return (QChar(0xFEFF) + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray ProgressWindow::pdfBytes() const
{
    const bool learner = tabViews->currentIndex() == 1;
    const QString who = learner ? learnerName() : tr("the class");
    // The table's rows, worked out first so that each page can say how many there are; each
    // column's share of the width.
    QStringList headers;
    QList<QStringList> rows;
    std::vector<double> columns{0};
    if (learner) {
        headers = m_recordTable->headers();
        for (int r = 0; r < m_recordTable->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < headers.size(); ++c)
                cells << m_recordTable->cell(r, c);
            rows << cells;
        }
        columns = {0, 0.17, 0.5, 0.68, 0.88};
    } else {
        // On paper a change stands under a short heading, right of its drill's.
        for (int c = 0; c < m_classTable->columnCount(); ++c)
            headers
                << (c > 0 && c < m_classTable->columnCount() - 2 && c % 2 == 0
                        ? tr("Change")
                        : m_classTable->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int r = 0; r < m_sorted->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < headers.size(); ++c)
                cells << m_sorted->index(r, c).data().toString();
            rows << cells;
        }
        // The name, then each drill's average and change, the days and the last day.
        std::vector<double> weights{2.8};
        for (int c = 1; c < headers.size() - 2; ++c)
            weights.push_back(c % 2 ? 2.4 : 1.9);
        weights.insert(weights.end(), {1.3, 1.9});
        double sum = 0;
        for (const double w : weights)
            sum += w;
        for (size_t c = 0; c + 1 < weights.size(); ++c)
            columns.push_back(columns.back() + weights[c] / sum);
    }
    // A class row may take two lines: its cells are narrow.
    const int rowLines = learner ? 1 : 2;

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        // QPdfWriter is Qt's PDF engine without the print dialogs: no print support library
        // loads with the program.
        QPdfWriter printer(&buffer);
        printer.setResolution(300);
        printer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                                          ? QPageSize::Letter
                                          : QPageSize::A4));
        // Every drill's columns want the page sideways.
        if (!learner && headers.size() > 7)
            printer.setPageOrientation(QPageLayout::Landscape);
        const QString title = tr("Progress of %1").arg(who);
        printer.setTitle(title);
        QPainter painter;
        if (!painter.begin(&printer))
            return {};
        QFont font = this->font();
        font.setPointSizeF(10);
        QFont bold = font;
        bold.setBold(true);
        QFont heading = bold;
        heading.setPointSizeF(14);
        painter.setFont(font);
        const double lineHeight = painter.fontMetrics().height() * 1.3;
        const double rowHeight = lineHeight * rowLines;

        const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
        const double headingHeight = lineHeight * 3.2;
        const double chartHeight = learner ? area.height() * 0.42 : 0;
        const double trendHeight = learner ? lineHeight * 4 : 0;
        const int firstRows = std::max(
            1, int((area.height() - headingHeight - chartHeight - trendHeight) / rowHeight) - 1);
        const int otherRows = std::max(1, int((area.height() - headingHeight) / rowHeight) - 1);
        const int pages =
            1 + (std::max(0, int(rows.size()) - firstRows) + otherRows - 1) / otherRows;

        const QString printed = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
        int pageNumber = 0;
        double y = 0;
        const auto headed = [&] {
            if (pageNumber++ > 0)
                printer.newPage();
            painter.setFont(heading);
            painter.drawText(QRectF(0, 0, area.width(), lineHeight * 1.5),
                             Qt::AlignLeft | Qt::AlignVCenter, title);
            painter.setFont(font);
            //: The PDF's heading: the drill, the period, the day it was printed, the page.
            QString line = tr("%1 · %2 · printed %3 · page %4 of %5")
                               .arg(cboDrill->currentText(), periodText(), printed,
                                    QLocale().toString(pageNumber), QLocale().toString(pages));
            if (!m_roster.name.isEmpty())
                line.prepend(m_roster.name + QStringLiteral(" · "));
            painter.drawText(QRectF(0, lineHeight * 1.5, area.width(), lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, line);
            painter.drawLine(QPointF(0, lineHeight * 2.7), QPointF(area.width(), lineHeight * 2.7));
            y = headingHeight;
        };
        const auto tableRow = [&](const QStringList &cells) {
            for (int c = 0; c < cells.size() && c < int(columns.size()); ++c) {
                const double right = c + 1 < int(columns.size()) ? columns[c + 1] : 1.0;
                painter.drawText(QRectF(columns[c] * area.width(), y,
                                        (right - columns[c]) * area.width() - lineHeight / 3,
                                        rowHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, cells[c]);
            }
            y += rowHeight;
        };
        const auto headerRow = [&] {
            painter.setFont(bold);
            tableRow(headers);
            painter.setFont(font);
        };

        headed();
        if (learner) {
            painter.setPen(Qt::black);
            paintChart(painter, QRectF(0, y, area.width(), chartHeight), picChart->picture());
            y += chartHeight + lineHeight / 2;
            const QRectF box = painter.boundingRect(QRectF(0, y, area.width(), trendHeight),
                                                    Qt::TextWordWrap, trend());
            painter.drawText(box, Qt::TextWordWrap, trend());
            y += std::max(box.height(), trendHeight - lineHeight) + lineHeight / 2;
        }
        headerRow();
        int onPage = 0;
        for (const QStringList &cells : rows) {
            if (onPage == (pageNumber == 1 ? firstRows : otherRows)) {
                headed();
                headerRow();
                onPage = 0;
            }
            tableRow(cells);
            ++onPage;
        }
        if (!painter.end())
            return {};
    }
    return buffer.data();
}

} // namespace progress
