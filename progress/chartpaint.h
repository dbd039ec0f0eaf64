// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A learner's chart, painted the same way on screen and on paper: weekly averages as lines that
// leave gaps unbridged, each save a faint mark, and every exercise in a colour, a dash and a
// marker of its own, so that no two read alike without colour.
#pragma once

#include "classview.h"

#include <QLocale>
#include <QWidget>

class QPainter;

namespace progress {

struct ChartPicture
{
    Period period;
    std::vector<ExerciseWeeks> exercises;
    QStringList names;   // each exercise's, in the order above
    QString emptyText;   // said where there is nothing to draw
    QString percentText; // the left axis's title
    QLocale locale;
};

// The chart within a rectangle, its legend below; fonts are the painter's.
void paintChart(QPainter &painter, const QRectF &area, const ChartPicture &picture);

class ChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent);
    void show(ChartPicture picture);
    const ChartPicture &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ChartPicture m_picture;
};

} // namespace progress
