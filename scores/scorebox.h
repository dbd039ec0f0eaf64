// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's text box: each line keeps the line end it was read with through every edit, undo
// and redo, cut, copy and paste; a line break the user types or pastes from another program ends
// its line with CR LF. A long line is drawn from what is in view, however many tabs it holds.
#pragma once

#include "scoretext.h"

#include <QByteArrayView>
#include <QPlainTextEdit>

namespace scores {

class ScoreBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ScoreBox(QWidget *parent = nullptr);

    // Puts a file's bytes in the box as its lines; there is nothing to undo afterwards.
    void load(QByteArrayView bytes);

    // The text as it is written back: each line with its own line end.
    QString fileText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace scores
