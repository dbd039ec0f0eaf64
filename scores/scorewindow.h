// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score viewer frmScore: one window for all four drills that shows a score file whole, lets
// the user edit it and writes it back on closing.
#pragma once

#include "scorebox.h"
#include "scorerecord.h"

#include "toolkit/files/lockedfile.h"
#include "toolkit/forms/dialogs.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/windowinstance.h"

class QLabel;

namespace scores {

class ScoreWindow : public toolkit::Form
{
    Q_OBJECT

public:
    // Asks the program's boxes unless handed others.
    explicit ScoreWindow(toolkit::ModalBoxes &boxes = toolkit::ModalBoxes::instance(),
                         QWidget *parent = nullptr);

    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

    // Puts a file's content in the box and makes that file, in the folder it was read from, the
    // target of the write-back.
    void showScores(const QString &fileName, const toolkit::ReadBytes &read,
                    const QString &drill = {});
    // Asks whether to save unsaved edits and saves them on Yes. False while they are still unsaved:
    // the question was cancelled, the user went back to them, or the write-back failed or was
    // left undone. The caller then keeps them.
    bool settleChanges();

    // The text shown, as it is written back: each line with the line end it was read with, and
    // CR LF after each line the user began.
    QString shownText() const;

    // The window's design, in scorewindow.cpp.
    static const toolkit::WindowDesign Design;
    static const toolkit::ControlRow Rows[];

    // True (-1) once the text has changed since it was shown or saved, False (0) before. Coming
    // back to the window leaves it as it is: edits made before switching away are still unsaved.
    qint16 blnChanged = 0;

    ScoreBox *txtScore = nullptr;
    QLabel *lblPath = nullptr;
    QLabel *Label1 = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Resize();
    void txtScore_Change();
    bool writeBack();

    toolkit::ModalBoxes &m_boxes;

    QString m_path;             // the file shown, named from the root
    toolkit::FolderId m_folder; // the folder it was read from
    QByteArray m_shown;         // the bytes the file began with when shown or last written
};

toolkit::WindowInstance &frmScore();

// The drills' display command: shows the score file in the viewer, first settling edits to the file
// shown before. A file that cannot be read is reported and the viewer keeps what it shows.
void displayScores(const QString &fileName);
inline void displayScores(const ScoreFile &file)
{
    displayScores(QString::fromLatin1(file.fileName));
}

} // namespace scores
