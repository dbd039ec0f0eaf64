// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classwindow.h"

#include "practising.h"

#include "drilltable/drills.h"
#include "drilltable/levels.h"
#include "scores/scorefolder.h"
#include "toolkit/application.h"
#include "toolkit/forms/binding.h"
#include "toolkit/forms/dialogs.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace classroom {

using namespace toolkit;

const toolkit::WindowDesign ClassWindow::Design{.name = "frmClass",
                                                .caption = QT_TR_NOOP("Class"),
                                                .clientArea = {10500, 6000},
                                                .icon = "target"};

// The window grows with its frame: the table takes the room the words and buttons leave.
// clang-format off
const ControlRow ClassWindow::Rows[] = {
    {.kind = Kind::Label, .name = "lblClass", .band = Band::Body, .flags = Selectable,
     .member = bindTo<&ClassWindow::lblClass>},
    {.kind = Kind::Table, .name = "grdClass", .band = Band::Body, .stretch = 1,
     .accessibleName = QT_TRANSLATE_NOOP("classroom::ClassWindow", "learners and their levels"),
     .member = bindTo<&ClassWindow::grdClass>, .make = makeAs<QTableWidget>},
    {.kind = Kind::Button, .name = "cmdAdd", .band = Band::Below,
     .caption = QT_TRANSLATE_NOOP("classroom::ClassWindow", "&Add Learner"),
     .member = bindTo<&ClassWindow::cmdAdd>, .handler = on<&ClassWindow::cmdAdd_Click>},
    {.kind = Kind::Button, .name = "cmdRemove", .band = Band::Below,
     .caption = QT_TRANSLATE_NOOP("classroom::ClassWindow", "&Remove"),
     .member = bindTo<&ClassWindow::cmdRemove>, .handler = on<&ClassWindow::cmdRemove_Click>},
    {.kind = Kind::Button, .name = "cmdUp", .band = Band::Below,
     .caption = QT_TRANSLATE_NOOP("classroom::ClassWindow", "Move &Up"),
     .member = bindTo<&ClassWindow::cmdUp>, .handler = on<&ClassWindow::cmdUp_Click>},
    {.kind = Kind::Button, .name = "cmdDown", .band = Band::Below,
     .caption = QT_TRANSLATE_NOOP("classroom::ClassWindow", "Move &Down"),
     .member = bindTo<&ClassWindow::cmdDown>, .handler = on<&ClassWindow::cmdDown_Click>},
    {.kind = Kind::Button, .name = "cmdSave", .band = Band::Below,
     .caption = QT_TRANSLATE_NOOP("classroom::ClassWindow", "&Save"), .flags = Apart,
     .member = bindTo<&ClassWindow::cmdSave>, .handler = on<&ClassWindow::cmdSave_Click>},
};
// clang-format on

ClassWindow::ClassWindow(QWidget *parent)
    : Form(Design, parent)
{
    build(Rows);
    requireBound<&ClassWindow::lblClass, &ClassWindow::grdClass, &ClassWindow::cmdAdd,
                 &ClassWindow::cmdRemove, &ClassWindow::cmdUp, &ClassWindow::cmdDown,
                 &ClassWindow::cmdSave>(*this);
    QStringList headings{tr("Name")};
    for (const drilltable::Drill &drill : drilltable::Drills)
        headings << drilltable::title(drill);
    grdClass->setColumnCount(int(headings.size()));
    grdClass->setHorizontalHeaderLabels(headings);
    // Each column as wide as its widest level in the language shown, at any scale; the table
    // scrolls sideways where the window is narrower than all of them.
    grdClass->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdClass->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(grdClass, &QTableWidget::cellChanged, this, &ClassWindow::grdClass_Change);
}

void ClassWindow::Form_Load()
{
    const scores::ScoreFolder &folder = scores::scoreFolder();
    m_file = folder.exists ? readClassFile(folder.path) : ClassFile();
    if (!folder.exists)
        m_file.saveRefusal = folder.refusal;
    m_list = m_file.list;
    const bool mayChange = m_file.saveRefusal.isEmpty();
    QStringList said = m_file.problems.mid(0, 3);
    if (!mayChange)
        said.prepend(tr("You can see the class but not change it. %1").arg(m_file.saveRefusal));
    else
        said.prepend(
            tr("The class of the folder \"%1\". A learner's level \"Like the class\" follows "
               "the whole class's.")
                .arg(folder.path));
    lblClass->setText(said.join(u'\n'));
    grdClass->setEditTriggers(mayChange ? QAbstractItemView::DoubleClicked |
                                              QAbstractItemView::EditKeyPressed |
                                              QAbstractItemView::AnyKeyPressed
                                        : QAbstractItemView::NoEditTriggers);
    for (QPushButton *button : {cmdAdd, cmdRemove, cmdUp, cmdDown, cmdSave})
        button->setEnabled(mayChange);
    showClass(0);
}

void ClassWindow::showClass(int currentRow)
{
    m_filling = true;
    const bool mayChange = m_file.saveRefusal.isEmpty();
    grdClass->clearContents();
    grdClass->setRowCount(int(m_list.learners.size()) + 1);
    const QList<Badge> badges = badgesOf(m_list);
    for (int row = 0; row <= m_list.learners.size(); ++row) {
        const bool wholeClass = row == 0;
        auto *name = new QTableWidgetItem(wholeClass ? tr("The whole class")
                                                     : m_list.learners[row - 1].name);
        if (wholeClass)
            name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        else // the picture the learner's button shows them
            name->setIcon(badgeIcon(badges[row - 1]));
        grdClass->setItem(row, 0, name);
        for (const drilltable::Drill &column : drilltable::Drills) {
            const QString drill = QString::fromLatin1(column.key);
            auto *choice = new QComboBox(grdClass);
            choice->setObjectName(QStringLiteral("cboLevel(%1,%2)").arg(row).arg(drill));
            choice->setAccessibleName(tr("%1: %2").arg(name->text(), drilltable::title(column)));
            if (!wholeClass)
                choice->addItem(tr("Like the class"), QString());
            QStringList levels = drilltable::Level::offered(drill);
            const QString current =
                wholeClass ? m_list.classLevels.value(drill, QStringLiteral("designed"))
                           : m_list.learners[row - 1].levels.value(drill);
            if (!current.isEmpty() && !levels.contains(current))
                levels << current; // written by hand: kept as it is
            for (const QString &level : levels)
                choice->addItem(drilltable::Level::fromName(drill, level)
                                    .value_or(drilltable::Level::designed(drill))
                                    .title(),
                                level);
            choice->setCurrentIndex(choice->findData(current));
            choice->setEnabled(mayChange);
            connect(choice, &QComboBox::currentIndexChanged, this, [this, row, drill, choice] {
                levelChosen(row, drill, choice->currentData().toString());
            });
            grdClass->setCellWidget(row, int(drilltable::indexOf(column)) + 1, choice);
        }
    }
    grdClass->setCurrentCell(currentRow, 0);
    m_filling = false;
}

void ClassWindow::levelChosen(int row, const QString &drill, const QString &level)
{
    m_list.setLevel(row == 0 ? QString() : m_list.learners[row - 1].name, drill, level,
                    QDate::currentDate());
}

void ClassWindow::grdClass_Change(int row, int column)
{
    if (m_filling || row == 0 || column != 0)
        return;
    const qsizetype index = row - 1;
    const QString name = grdClass->item(row, 0)->text().trimmed();
    QString wrong;
    if (name.isEmpty())
        wrong = tr("A learner needs a name.");
    else if (name.size() > LongestName)
        wrong = tr("A name holds up to %1 characters.").arg(LongestName);
    else if (hasControls(name))
        wrong = tr("A name cannot hold control characters.");
    else
        for (qsizetype i = 0; i < m_list.learners.size(); ++i)
            if (i != index && m_list.learners[i].name == name)
                wrong = tr("\"%1\" is in the class already.").arg(name);
    if (!wrong.isEmpty()) {
        toolkit::ModalBoxes::instance().message(
            this, wrong, QString::fromLatin1(toolkit::ApplicationTitle), QMessageBox::Ok,
            QMessageBox::Ok, QMessageBox::Warning);
        showClass(row);
        return;
    }
    // A learner added since the last save has no records to join: no rename is kept for them.
    const bool saved = std::ranges::any_of(m_file.list.learners, [&](const Learner &l) {
        return l.name == m_list.learners[index].name;
    });
    if (saved)
        m_list.rename(index, name);
    else
        m_list.learners[index].name = name;
    showClass(row);
}

void ClassWindow::cmdAdd_Click()
{
    if (m_list.learners.size() >= MostLearners)
        return;
    QString name;
    for (int n = int(m_list.learners.size()) + 1;; ++n) {
        name = tr("Learner %1").arg(n);
        if (std::ranges::none_of(m_list.learners, [&](const Learner &l) { return l.name == name; }))
            break;
    }
    m_list.learners.append({name, {}, {}});
    showClass(int(m_list.learners.size()));
    grdClass->setFocus();
    grdClass->editItem(grdClass->item(int(m_list.learners.size()), 0));
}

void ClassWindow::cmdRemove_Click()
{
    const int row = grdClass->currentRow();
    if (row < 1)
        return;
    // Their scores stay in the score files; only the class forgets them.
    const QString name = m_list.learners[row - 1].name;
    if (toolkit::ModalBoxes::instance().message(
            this, tr("Remove %1 from the class? Their scores stay in the score files.").arg(name),
            QString::fromLatin1(toolkit::ApplicationTitle), QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No, QMessageBox::Question) != QMessageBox::Yes)
        return;
    m_list.learners.removeAt(row - 1);
    showClass(std::min(row, int(m_list.learners.size())));
}

void ClassWindow::swapLearners(int row, int other)
{
    if (row < 1 || other < 1 || other > m_list.learners.size() || row > m_list.learners.size())
        return;
    m_list.learners.swapItemsAt(row - 1, other - 1);
    showClass(other);
}

void ClassWindow::cmdUp_Click()
{
    swapLearners(grdClass->currentRow(), grdClass->currentRow() - 1);
}

void ClassWindow::cmdDown_Click()
{
    swapLearners(grdClass->currentRow(), grdClass->currentRow() + 1);
}

void ClassWindow::cmdSave_Click()
{
    saveClass();
}

bool ClassWindow::saveClass()
{
    const scores::ScoreFolder &folder = scores::scoreFolder();
    const QString error = writeClassFile(folder.path, m_file, m_list);
    if (!error.isEmpty()) {
        const QString title = QString::fromLatin1(toolkit::ApplicationTitle);
        // Changed elsewhere since it was read: this window's class is not written over it, but the
        // teacher may see the class as it is now instead.
        if (const ClassFile now = readClassFile(folder.path); now.read != m_file.read) {
            if (toolkit::ModalBoxes::instance().message(
                    this,
                    tr("The class could not be saved: %1\n\nShow the class as "
                       "the file holds it now? The changes made here are lost.")
                        .arg(error),
                    title, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                    QMessageBox::Warning) == QMessageBox::Yes)
                Form_Load();
            return false;
        }
        toolkit::ModalBoxes::instance().message(
            this, tr("The class could not be saved: %1").arg(error), title, QMessageBox::Ok,
            QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    // The class is read back as everyone will read it; the learner practising goes on at the
    // levels now set.
    m_file = readClassFile(folder.path);
    m_list = m_file.list;
    setCurrentClass(m_file);
    practise(practising());
    lblClass->setText(tr("The class is saved in \"%1\".").arg(folder.path));
    showClass(std::max(grdClass->currentRow(), 0));
    return true;
}

void ClassWindow::Form_Unload(bool &cancel)
{
    if (!changed())
        return;
    const auto answer = toolkit::ModalBoxes::instance().message(
        this, tr("Save the changes to the class?"), QString::fromLatin1(toolkit::ApplicationTitle),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
        QMessageBox::Question);
    if (answer == QMessageBox::No) {
        m_list = m_file.list; // forgotten: the window opens afresh from the file
        return;
    }
    // Cancel, Esc or the box's close button keep the window open; a save that fails too.
    cancel = answer != QMessageBox::Yes || !saveClass();
}

void ClassWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc closes the window, as in the program's other windows; a name being typed or a list of
    // levels open takes its own Esc first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        unload();
        return;
    }
    Form::keyPressEvent(event);
}

namespace {
toolkit::WindowInstance g_instance([] { return new ClassWindow; });
}

toolkit::WindowInstance &frmClass()
{
    return g_instance;
}

} // namespace classroom
