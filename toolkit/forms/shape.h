// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A decorative rectangle or rounded rectangle whose outline is drawn centred on its edge.
#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace toolkit {

class Shape : public QWidget
{
    Q_OBJECT

public:
    struct Style
    {
        QColor outline;
        int outlineWidth = 1;
        QColor fill; // invalid: no fill
        bool rounded = true;
    };

    static constexpr int CornerRadius = 8; // pixels, the same for every rounded shape

    Shape(const QRect &nominal, const Style &style, QWidget *parent);

    const Style &style() const { return m_style; }
    // Colours only: the outline width, and so the widget's extent, stays as built.
    void setColours(const QColor &outline, const QColor &fill)
    {
        m_style.outline = outline;
        m_style.fill = fill;
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawShape(QPainter &painter) const;
    int margin() const { return (m_style.outlineWidth + 1) / 2; }

    Style m_style;
};

} // namespace toolkit
