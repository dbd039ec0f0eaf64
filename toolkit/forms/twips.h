// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Design geometry is in twips; this is the one place that turns it into pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace toolkit {

// 15 twips make a pixel at 96 dpi; Qt's high-DPI scaling takes care of other screens.
constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

// Left, Top, Width, Height from the top-left corner of the client area.
struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const Twips &, const Twips &) = default;
    QRect toPixels() const
    {
        return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
    }
};

struct TwipsSize
{
    int width = 0;
    int height = 0;

    QSize toPixels() const { return QSize(pixels(width), pixels(height)); }
};

} // namespace toolkit
