// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A label lying under a text box, as a correct-answer label under its answer box, shows nothing
// beside the box while the box is shown, even where it is larger than the box.
#pragma once

#include "design.h"

#include <QHash>
#include <QObject>

#include <span>
#include <vector>

class QLabel;
class QWidget;

namespace toolkit {

class CoveredLabels : public QObject
{
public:
    explicit CoveredLabels(QObject *window);

    // Pairs each text box of the rows, built as controls, with the labels beneath it.
    void track(std::span<const ControlRow> rows, const QHash<QString, QObject *> &controls);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cover(const QWidget *box) const;

    struct Covered
    {
        QWidget *box;
        QLabel *label;
    };
    std::vector<Covered> m_covered;
};

} // namespace toolkit
