// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the colours of a window's labels and shapes legible under the desktop's palette: the
// design's system colours follow the scheme, and text that would not read on its backdrop (a dark
// scheme under the design's light panels) takes a colour that does.
#pragma once

#include "toolkit/forms/design.h"

#include <QHash>
#include <QString>

#include <span>
#include <vector>

class QObject;
class QWidget;

namespace toolkit {

class Legibility
{
public:
    // Remembers what the colours of the rows' labels and shapes, built as controls, come from.
    void track(std::span<const ControlRow> rows, const QHash<QString, QObject *> &controls);
    // Colours every tracked control of the window for its palette: at building and whenever the
    // palette changes.
    void apply(const QWidget &window) const;

private:
    struct Colours
    {
        QWidget *control;
        Kind kind;
        Colour fore;
        Colour back;
        Colour outline;
        Colour backdrop; // the fill of the panel a label lies on
    };

    std::vector<Colours> m_colours;
};

} // namespace toolkit
