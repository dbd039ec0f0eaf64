// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "legibility.h"

#include "appearance.h"
#include "toolkit/forms/controls.h"
#include "toolkit/forms/shape.h"

#include <QWidget>

#include <algorithm>

namespace toolkit {

void Legibility::track(std::span<const ControlRow> rows, const QHash<QString, QObject *> &controls)
{
    for (const ControlRow &row : rows) {
        if (row.kind != Kind::Label && row.kind != Kind::Shape && row.kind != Kind::Line)
            continue;
        Colours colours{static_cast<QWidget *>(controls.value(QString::fromLatin1(row.name))),
                        row.kind,
                        row.fore,
                        row.back,
                        row.outline,
                        {}};
        if (row.kind == Kind::Label && !row.back.isSet()) {
            const QPoint centre = placeOf(row).center();
            const auto panel = std::find_if(rows.begin(), rows.end(), [&](const ControlRow &r) {
                return r.kind == Kind::Shape && r.back.isSet() && placeOf(r).contains(centre);
            });
            if (panel != rows.end())
                colours.backdrop = panel->back;
        }
        m_colours.push_back(colours);
    }
}

void Legibility::apply(const QWidget &window) const
{
    const QPalette &face = window.palette();
    for (const Colours &c : m_colours) {
        if (c.kind != Kind::Label) {
            static_cast<Shape *>(c.control)->setColours(
                c.outline.isSet() ? resolve(c.outline, face) : face.color(QPalette::WindowText),
                resolve(c.back, face));
            continue;
        }
        // Only what is set here overrides what the label takes from the window.
        QPalette own;
        if (c.back.source == Colour::Rgb)
            own.setColor(QPalette::Window, resolve(c.back, face));
        const Colour &under = c.back.isSet() ? c.back : c.backdrop;
        const QColor backdrop =
            under.isSet() ? resolve(under, face) : face.color(window.backgroundRole());
        const QColor designed =
            c.fore.isSet() ? resolve(c.fore, face) : face.color(QPalette::WindowText);
        own.setColor(QPalette::WindowText, legibleText(designed, backdrop, face));
        c.control->setPalette(own);
    }
}

} // namespace toolkit
