// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Class window frmClass: the learners of the class and the level each practises every drill
// at, the class's own levels, and saving them whole into the class file. Only the folder's owner
// or the class file's owner may change them; everyone else sees them and why not.
#pragma once

#include "classfile.h"

#include "toolkit/forms/form.h"
#include "toolkit/forms/windowinstance.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace classroom {

class ClassWindow : public toolkit::Form
{
    Q_OBJECT

public:
    explicit ClassWindow(QWidget *parent = nullptr);

    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

    static const toolkit::WindowDesign Design;
    static const toolkit::ControlRow Rows[];

    QLabel *lblClass = nullptr;
    QTableWidget *grdClass = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdUp = nullptr;
    QPushButton *cmdDown = nullptr;
    QPushButton *cmdSave = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Its controls' handlers, which the rows connect.
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdSave_Click();
    void grdClass_Change(int row, int column);

    // Saves the class; false where it was not saved (the reason said).
    bool saveClass();
    bool changed() const { return m_list != m_file.list; }
    // The table shows the class as it stands: the whole class first, then each learner.
    void showClass(int currentRow);
    void levelChosen(int row, const QString &drill, const QString &level);
    void swapLearners(int row, int other);

    ClassFile m_file;
    ClassList m_list;
    bool m_filling = false;
};

toolkit::WindowInstance &frmClass();

} // namespace classroom
