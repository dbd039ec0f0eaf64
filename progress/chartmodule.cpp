// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The module that draws the Progress window's chart with Qt Charts, loaded when the window first
// opens.
#include "chart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFontMetrics>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

class ProgressChart final : public progress::Chart
{
public:
    explicit ProgressChart(QWidget *parent)
        : m_view(new QChartView(new QChart, parent))
    {
        m_view->setRenderHint(QPainter::Antialiasing);
        m_view->chart()->legend()->setAlignment(Qt::AlignBottom);
        // A shadow is drawn as a picture: in a PDF, megabytes and seconds at print resolution.
        m_view->chart()->setDropShadowEnabled(false);
        m_view->setObjectName(QStringLiteral("picChart"));
        // Queued: a new tick count lays the chart out again.
        QObject::connect(
            m_view->chart(), &QChart::plotAreaChanged, m_view, [this] { fitDates(); },
            Qt::QueuedConnection);
    }
    ~ProgressChart() override = default;

    QWidget *widget() override { return m_view; }

    void show(const QList<progress::ChartSeries> &series,
              const progress::ChartTexts &texts) override
    {
        QChart *chart = m_view->chart();
        chart->removeAllSeries();
        // A removed axis is the caller's again.
        for (QAbstractAxis *axis : chart->axes()) {
            chart->removeAxis(axis);
            delete axis;
        }
        chart->setLocalizeNumbers(true);
        chart->setLocale(texts.locale);

        auto *dates = m_dates = new QDateTimeAxis;
        dates->setTitleText(texts.dates);
        dates->setFormat(texts.locale.dateFormat(QLocale::ShortFormat));
        auto *percents = new QValueAxis;
        percents->setTitleText(texts.percents);
        percents->setRange(0, 100);
        percents->setLabelFormat(QStringLiteral("%.0f"));
        chart->addAxis(dates, Qt::AlignBottom);
        chart->addAxis(percents, Qt::AlignLeft);

        double first = 0, last = 0;
        bool any = false;
        for (const progress::ChartSeries &one : series) {
            auto *line = new QLineSeries;
            line->setName(one.name);
            line->append(one.points);
            line->setPointsVisible(true);
            chart->addSeries(line);
            line->attachAxis(dates);
            line->attachAxis(percents);
            for (const QPointF &p : one.points) {
                first = any ? std::min(first, p.x()) : p.x();
                last = any ? std::max(last, p.x()) : p.x();
                any = true;
            }
        }
        // A day either side, so that a single day's saves stand inside the axis.
        constexpr double Day = 24 * 3600 * 1000.0;
        dates->setRange(QDateTime::fromMSecsSinceEpoch(qint64(first - Day)),
                        QDateTime::fromMSecsSinceEpoch(qint64(last + Day)));
        m_wantedDates = std::clamp(int((last - first) / Day) + 3, 2, 7);
        fitDates();
    }

private:
    // A date for each day shown, up to seven, but no more than stand side by side in the plot
    // area: a narrow window, a long date or a large screen scale would cut every label short.
    void fitDates()
    {
        if (!m_dates)
            return;
        const QFontMetrics metrics(m_dates->labelsFont());
        const int label = metrics.horizontalAdvance(m_dates->min().toString(m_dates->format())) +
                          2 * metrics.averageCharWidth();
        const int room = int(m_view->chart()->plotArea().width()) / std::max(label, 1) + 1;
        const int count = std::clamp(std::min(m_wantedDates, room), 2, 7);
        if (count != m_dates->tickCount())
            m_dates->setTickCount(count);
    }

    QChartView *m_view;
    QDateTimeAxis *m_dates = nullptr; // the chart's, replaced at each show
    int m_wantedDates = 2;
};

} // namespace

extern "C" Q_DECL_EXPORT progress::Chart *sumbrookMakeProgressChart(QWidget *parent)
{
    return new ProgressChart(parent);
}
