// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coveredlabels.h"

#include "controls.h"

#include <QEvent>
#include <QLabel>

namespace toolkit {

CoveredLabels::CoveredLabels(QObject *window)
    : QObject(window)
{}

void CoveredLabels::track(std::span<const ControlRow> rows,
                          const QHash<QString, QObject *> &controls)
{
    const auto controlOf = [&controls](const ControlRow &row) {
        return static_cast<QWidget *>(controls.value(QString::fromLatin1(row.name)));
    };
    for (const ControlRow &row : rows) {
        if (row.kind != Kind::TextBox)
            continue;
        QWidget *box = controlOf(row);
        for (const ControlRow &under : rows) {
            if (under.kind == Kind::Label && placeOf(under).intersects(box->geometry()))
                m_covered.push_back({box, static_cast<QLabel *>(controlOf(under))});
        }
        box->installEventFilter(this);
        cover(box);
    }
}

bool CoveredLabels::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        cover(static_cast<QWidget *>(watched));
    return false;
}

void CoveredLabels::cover(const QWidget *box) const
{
    for (const Covered &c : m_covered) {
        if (c.box != box)
            continue;
        if (box->isHidden())
            c.label->clearMask();
        else
            c.label->setMask(QRegion(box->geometry().translated(-c.label->pos())));
    }
}

} // namespace toolkit
