// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorewindow.h"

#include "toolkit/application.h"
#include "toolkit/binding.h"
#include "toolkit/codepage.h"
#include "toolkit/dialogs.h"
#include "toolkit/replacefile.h"

#include <QApplication>
#include <QLabel>

namespace scores {

using namespace toolkit;

namespace {

constexpr qint16 True = -1;
constexpr qint16 False = 0;

} // namespace

// The window's design; its texts are translated in the window's context.
// clang-format off
const WindowDesign ScoreWindow::Design{.name = "frmScore", .caption = QT_TR_NOOP("Math Scores"),
                                       .clientArea = {10350, 6465}, .icon = "bulb"};

const ControlRow ScoreWindow::Rows[] = {
    {.kind = Kind::Label, .name = "Label1", .geometry = {720, 240, 2760, 315},
     .caption = QT_TR_NOOP("The Math Scores Are "), .font = {"MS Serif", 13.5, true},
     .flags = AutoSize, .member = bindTo<&ScoreWindow::Label1>},
    {.kind = Kind::Label, .name = "lblPath", .geometry = {360, 3960, 480, 195},
     //: Never shown: the hidden label that holds the name of the file shown.
     .caption = QT_TR_NOOP("Label2"), .flags = Hidden | AutoSize,
     .member = bindTo<&ScoreWindow::lblPath>},
    {.kind = Kind::TextBox, .name = "txtScore", .geometry = {240, 960, 5775, 2775},
     //: The box's text until a file's scores are put in it, which is before it is first drawn:
     //: never seen.
     .caption = QT_TR_NOOP("Text1"), .flags = MultiLine, .tabIndex = 0,
     .accessibleName = QT_TR_NOOP("scores"),
     .description = QT_TR_NOOP("the scores saved in the file, one record a line; edits are saved "
                               "when the window closes; Ctrl+F4 closes it, Ctrl+Tab goes to the "
                               "other windows"),
     .member = bindTo<&ScoreWindow::txtScore>, .handler = on<&ScoreWindow::txtScore_Change>,
     .make = makeAs<ScoreBox>},
};
// clang-format on

ScoreWindow::ScoreWindow(QWidget *parent)
    : Form(Design, parent)
{
    build(Rows);
    setFocusProxy(txtScore);
}

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
    const auto answer = messageBox(this, tr("Do You Want to Save Changes?"), tr("Math  Scores"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes) // Esc or the box's close button: what asked is called off
        return false;
    return writeBack();
}

void ScoreWindow::showScores(const QString &fileName, const ReadBytes &read)
{
    txtScore->load(read.bytes);
    m_shown = fingerprintOf(read.bytes);
    lblPath->setText(fileName);
    lblPath->adjustSize();
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
    if (!saveDespiteUnencodable(this, text, Holder::Text))
        return false;

    const QByteArray bytes = encode(text);
    Fingerprint read = m_shown;
    for (;;) {
        const Replaced replaced =
            replaceKeepingAppended(fileName, read, bytes, lockWaitBox(this, fileName));
        if (replaced.outcome == Replaced::Written)
            break;
        if (replaced.outcome == Replaced::Failed) {
            messageBox(
                this,
                tr("The scores could not be saved in \"%1\": %2").arg(fileName, replaced.error),
                QString::fromLatin1(ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
                QMessageBox::Warning);
            return false;
        }
        const auto answer = messageBox(
            this,
            (replaced.removed ? tr("\"%1\" was changed elsewhere since it was shown here: it was "
                                   "removed.\n\nReplace it with the text shown here? No keeps the "
                                   "file as it is, and this window stays open with its text.")
                              : tr("\"%1\" was changed elsewhere since it was shown here.\n\n"
                                   "Replace it with the text shown here? No keeps the file as it "
                                   "is, and this window stays open with its text."))
                .arg(fileName),
            QString::fromLatin1(ApplicationTitle), QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No, QMessageBox::Warning);
        if (answer != QMessageBox::Yes)
            return false;
        read = replaced.found; // what is added from now on is still kept
    }
    // The file now begins with these bytes, whether the viewer closes or stays open with them.
    m_shown = fingerprintOf(bytes);
    blnChanged = False;
    return true;
}

namespace {
toolkit::WindowInstance g_instance([] { return new ScoreWindow; });
}

toolkit::WindowInstance &frmScore()
{
    return g_instance;
}

void displayScores(const QString &fileName)
{
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
        messageBox(QApplication::activeWindow(),
                   QCoreApplication::translate("scores::ScoreWindow",
                                               "The scores in \"%1\" could not be shown: %2")
                       .arg(fileName, problem),
                   QString::fromLatin1(ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
                   QMessageBox::Warning);
        return;
    }

    auto *viewer = static_cast<ScoreWindow *>(frmScore().show());
    viewer->showScores(fileName, read);
}

} // namespace scores
