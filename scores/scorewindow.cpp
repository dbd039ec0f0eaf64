// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorewindow.h"

#include "scorefolder.h"

#include "toolkit/application.h"
#include "toolkit/files/codepage.h"
#include "toolkit/files/replacefile.h"
#include "toolkit/forms/binding.h"
#include "toolkit/forms/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace scores {

using namespace toolkit;

namespace {

constexpr qint16 True = -1;
constexpr qint16 False = 0;

// A new line for what follows the text, where the text does not end in one.
QByteArray onNewLine(const QByteArray &text, const QByteArray &next)
{
    if (text.isEmpty() || next.isEmpty() || text.endsWith('\n') || text.endsWith('\r'))
        return text + next;
    return text + "\r\n" + next;
}

} // namespace

void ScoreWindow::Form_Load()
{
    blnChanged = False;
    txtScore->resize(width(), txtScore->height());
    txtScore->setFocus();
}

void ScoreWindow::Form_Resize()
{
    txtScore->resize(width(), txtScore->height());
}

void ScoreWindow::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    Form_Resize();
}

void ScoreWindow::txtScore_Change()
{
    blnChanged = True;
}

void ScoreWindow::Form_Unload(bool &cancel)
{
    if (!settleChanges())
        cancel = true;
}

bool ScoreWindow::settleChanges()
{
    if (!blnChanged)
        return true;
    const auto answer =
        m_boxes.message(this, tr("Do You Want to Save Changes?"), tr("Math  Scores"),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes) // Esc or the box's close button: what asked is called off
        return false;
    return writeBack();
}

void ScoreWindow::showScores(const QString &fileName, const ReadBytes &read, const QString &drill)
{
    // Named after the drill whose menu opened it, on screen and for a screen reader.
    setWindowTitle(drill.isEmpty() ? tr(Design.caption)
                                   : tr("%1: %2").arg(tr(Design.caption), drill));
    txtScore->load(read.bytes);
    m_path = QDir::current().absoluteFilePath(fileName);
    m_folder = read.folder;
    m_shown = read.bytes;
    lblPath->setText(fileName);
    lblPath->adjustSize();
    // Orca says nothing of an empty box: the name tells.
    txtScore->setAccessibleName(read.bytes.isEmpty() ? tr("scores, none saved yet") : tr("scores"));
    blnChanged = False;
}

QString ScoreWindow::shownText() const
{
    return txtScore->fileText();
}

bool ScoreWindow::writeBack()
{
    const QString fileName = lblPath->text();
    const QString text = shownText();
    if (const QString refusal = scoreFolder().refusal; !refusal.isEmpty()) {
        m_boxes.message(this, refusal, QString::fromLatin1(ApplicationTitle), QMessageBox::Ok,
                        QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    if (!saveDespiteUnencodable(this, text, Holder::Text, m_boxes))
        return false;

    const QByteArray bytes = encode(text);
    QByteArray written = bytes;
    Fingerprint read = fingerprintOf(m_shown);
    const FolderId *readFrom = &m_folder;
    for (;;) {
        const Replaced replaced =
            replaceKeepingAppended(m_path, read, written, lockWaitBox(this, fileName), readFrom);
        if (replaced.outcome == Replaced::Written) {
            m_folder = replaced.folder;
            break;
        }
        if (replaced.outcome == Replaced::Failed) {
            m_boxes.message(
                this,
                tr("The scores could not be saved in \"%1\": %2").arg(fileName, replaced.error),
                QString::fromLatin1(ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
                QMessageBox::Warning);
            return false;
        }
        if (replaced.outcome == Replaced::Moved) {
            const auto answer = m_boxes.message(
                this,
                tr("The folder that \"%1\" was shown from has been renamed or replaced "
                   "since.\n\nSave the "
                   "text shown here as \"%2\"? No keeps this window open with its text.")
                    .arg(fileName, QDir::toNativeSeparators(m_path)),
                QString::fromLatin1(ApplicationTitle), QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No, QMessageBox::Warning);
            if (answer != QMessageBox::Yes)
                return false;
            readFrom = nullptr;
            continue;
        }
        // Scores saved in it since it was shown are never lost, whatever else changed.
        const Records kept = recordsNotShown(m_shown, replaced.bytes);
        // A file removed was neither changed nor is it replaced: it is saved again.
        QString question = replaced.removed
                               ? tr("\"%1\" was removed since it was shown here.")
                               : tr("\"%1\" was changed elsewhere since it was shown here.");
        question += QStringLiteral("\n\n");
        if (kept.count > 0)
            question += tr("Scores saved in it since: %Ln. They stay, after the text shown "
                           "here; every other change made elsewhere is replaced.",
                           nullptr, int(kept.count)) +
                        QStringLiteral("\n\n");
        question += replaced.removed
                        ? tr("Save the text shown here in its place? No leaves it removed, and "
                             "this window stays open with its text.")
                        : tr("Replace it with the text shown here? No keeps the file as it is, "
                             "and this window stays open with its text.");
        const auto answer = m_boxes.message(
            this, question.arg(fileName), QString::fromLatin1(ApplicationTitle),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning);
        if (answer != QMessageBox::Yes)
            return false;
        read = replaced.found; // what is added from now on is still kept
        written = onNewLine(bytes, kept.bytes);
    }
    // The file now begins with these bytes, whether the viewer closes or stays open with them.
    m_shown = bytes;
    blnChanged = False;
    return true;
}

void displayScores(const QString &fileName)
{
    // The window whose menu asks: the drill the scores are of.
    const QMdiArea *area = WindowInstance::mdiArea();
    const QMdiSubWindow *asking = area ? area->currentSubWindow() : nullptr;
    const QString drill = asking && asking->widget() != frmScore().form()
                              ? asking->widget()->windowTitle().trimmed()
                              : QString();
    if (frmScore().isLoaded()) {
        auto *viewer = static_cast<ScoreWindow *>(frmScore().show());
        if (!viewer->settleChanges())
            return;
    }

    const ReadBytes read =
        readBytes(fileName, ShownLimits.bytes, lockWaitBox(QApplication::activeWindow(), fileName));
    QString problem;
    if (read.tooLarge)
        problem = beyondLimits(true, {});
    else if (!read.error.isEmpty())
        problem = read.error;
    else
        problem = beyondLimits(false, linesOf(read.bytes));
    if (!problem.isEmpty()) {
        ModalBoxes::instance().message(
            QApplication::activeWindow(),
            QCoreApplication::translate("scores::ScoreWindow",
                                        "The scores in \"%1\" could not be shown: %2")
                .arg(fileName, problem),
            QString::fromLatin1(ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
            QMessageBox::Warning);
        return;
    }

    frmScore().show([&](Form &viewer) {
        static_cast<ScoreWindow &>(viewer).showScores(fileName, read, drill);
    });
}

} // namespace scores
