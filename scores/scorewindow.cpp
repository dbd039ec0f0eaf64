// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorewindow.h"

#include "toolkit/application.h"
#include "toolkit/binding.h"
#include "toolkit/dialogs.h"
#include "toolkit/textfile.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

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
     .member = bindTo<&ScoreWindow::txtScore>, .handler = on<&ScoreWindow::txtScore_Change>},
};
// clang-format on

ScoreWindow::ScoreWindow(QWidget *parent)
    : Form(Design, parent)
{
    build(Rows);
    setFocusProxy(txtScore);

    connect(txtScore->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { followEdit(position, added); });
    if (QMdiArea *area = WindowInstance::mdiArea()) {
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *child) {
            if (child && child == parentWidget())
                Form_Activate();
        });
    }
}

void ScoreWindow::Form_Load()
{
    blnChanged = False;
    txtScore->resize(width(), txtScore->height());
    txtScore->setFocus();
}

void ScoreWindow::Form_Activate()
{
    // Edits made before switching to another window are still unsaved when the user comes back,
    // so activation leaves blnChanged as it is.
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

void ScoreWindow::showScores(const QString &fileName, const ReadBytes &read, Lines lines)
{
    // The file goes in a piece at a time, so that its text is never held twice over: a large
    // file would cost twice the memory at once.
    constexpr qsizetype Piece = 64 * 1024;
    QByteArrayView content = read.bytes;
    QTextDocument *document = txtScore->document();
    m_loading = true;
    txtScore->clear();
    document->setUndoRedoEnabled(false); // like a text set whole, nothing to undo
    QTextCursor end(document);
    end.beginEditBlock();
    while (!content.isEmpty()) {
        qsizetype size = std::min(content.size(), Piece);
        // A piece ends after a line end: CR LF cut in two would read as two line ends.
        if (size < content.size()) {
            const qsizetype lineFeed = content.first(size).lastIndexOf('\n');
            if (lineFeed >= 0)
                size = lineFeed + 1;
            else if (content[size - 1] == '\r')
                --size;
        }
        end.insertText(decode(content.first(size)));
        content = content.sliced(size);
    }
    end.endEditBlock();
    document->setUndoRedoEnabled(true);
    m_loading = false;
    m_lineEnds.assign(std::move(lines.ends));
    m_shown = read.fingerprint;
    txtScore->moveCursor(QTextCursor::Start);
    lblPath->setText(fileName);
    lblPath->adjustSize();
    blnChanged = False;
}

void ScoreWindow::followEdit(int position, int added)
{
    // The box reports each change as a span of the text replaced by another; the line breaks in
    // the new span are counted, and those of the old span follow from the number of lines.
    if (m_loading)
        return;
    const QTextDocument *document = txtScore->document();
    const int first = document->findBlock(position).blockNumber();
    const QTextBlock last = document->findBlock(position + added);
    const int addedBreaks =
        (last.isValid() ? last.blockNumber() : document->blockCount() - 1) - first;
    const qsizetype removedBreaks = m_lineEnds.size() - (document->blockCount() - 1) + addedBreaks;
    m_lineEnds.replace(first, removedBreaks, addedBreaks);
}

QString ScoreWindow::shownText() const
{
    const QTextDocument *document = txtScore->document();
    QString text;
    text.reserve(document->characterCount() + m_lineEnds.size());
    qsizetype line = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next(), ++line) {
        text += block.text();
        if (block.next().isValid()) // a line the edits were not followed into is the user's
            text += textOf(line < m_lineEnds.size() ? m_lineEnds.at(line) : LineEnd::CrLf);
    }
    // A line break typed with Shift+Enter ends a line within a block: the user began a line.
    text.replace(QChar::LineSeparator, QLatin1StringView("\r\n"));
    return text;
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
        const Replaced replaced = replaceKeepingAppended(fileName, read, bytes);
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

    const ReadBytes read = readBytes(fileName, ShownLimits.bytes);
    Lines lines;
    QString problem;
    if (read.tooLarge) {
        problem = beyondLimits(true, lines);
    } else if (!read.error.isEmpty()) {
        problem = read.error;
    } else {
        lines = linesOf(read.bytes);
        problem = beyondLimits(false, lines);
    }
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
    viewer->showScores(fileName, read, std::move(lines));
}

} // namespace scores
