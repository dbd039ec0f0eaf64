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
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace scores {

using namespace toolkit;

namespace {

constexpr qint16 True = -1;
constexpr qint16 False = 0;

constexpr WindowDesign Design{
    .name = "frmScore", .caption = "Math Scores", .clientArea = {10350, 6465}, .icon = "bulb"};

// clang-format off
constexpr ControlRow Rows[] = {
    {.kind = Kind::Label, .name = "Label1", .geometry = {720, 240, 2760, 315},
     .caption = "The Math Scores Are ", .font = {"MS Serif", 13.5, true}, .flags = AutoSize,
     .member = bindTo<&ScoreWindow::Label1>},
    {.kind = Kind::Label, .name = "lblPath", .geometry = {360, 3960, 480, 195}, .caption = "Label2",
     .flags = Hidden | AutoSize, .member = bindTo<&ScoreWindow::lblPath>},
    {.kind = Kind::TextBox, .name = "txtScore", .geometry = {240, 960, 5775, 2775},
     .caption = "Text1", .flags = MultiLine, .tabIndex = 0, .accessibleName = "scores",
     .description = "the scores saved in the file, one record a line; edits are saved when the "
                    "window closes",
     .member = bindTo<&ScoreWindow::txtScore>, .handler = on<&ScoreWindow::txtScore_Change>},
};
// clang-format on

} // namespace

ScoreWindow::ScoreWindow(QWidget *parent)
    : Form(Design, parent)
{
    build(Rows);
    setFocusProxy(txtScore);

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
    const auto answer = messageBox(this, QStringLiteral("Do You Want to Save Changes?"),
                                   QStringLiteral("Math  Scores"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return true;
    return writeBack();
}

void ScoreWindow::showScores(const QString &fileName, QByteArrayView content)
{
    // The file goes in a piece at a time, so that its text is never held twice over: a large
    // file would cost twice the memory at once.
    constexpr qsizetype Piece = 64 * 1024;
    QTextDocument *document = txtScore->document();
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
    txtScore->moveCursor(QTextCursor::Start);
    lblPath->setText(fileName);
    lblPath->adjustSize();
    blnChanged = False;
}

QString ScoreWindow::shownText() const
{
    // The box keeps lines as blocks, so the file's CR LF come back here; a line break typed with
    // Shift+Enter ends a line too.
    QString text = txtScore->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

bool ScoreWindow::writeBack()
{
    const QString fileName = lblPath->text();
    const QString error = replaceText(fileName, shownText());
    if (!error.isEmpty()) {
        messageBox(
            this,
            QStringLiteral("The scores could not be saved in \"%1\": %2").arg(fileName, error),
            QString::fromLatin1(ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
            QMessageBox::Warning);
        return false;
    }
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

    const ReadBytes read = readBytes(fileName);
    if (!read.error.isEmpty()) {
        messageBox(
            QApplication::activeWindow(),
            QStringLiteral("The scores in \"%1\" could not be shown: %2").arg(fileName, read.error),
            QString::fromLatin1(ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
            QMessageBox::Warning);
        return;
    }

    auto *viewer = static_cast<ScoreWindow *>(frmScore().show());
    viewer->showScores(fileName, read.bytes);
}

} // namespace scores
