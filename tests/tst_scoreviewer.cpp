// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score viewer on the real widgets in the main window: showing a drill's file as stored,
// following the window's width, asking before edits are lost, and writing back exactly what it
// shows, atomically, keeping the viewer open when the write fails.
#include "answering.h"
#include "controls.h"
#include "drillrows.h"
#include "filecheck.h"

#include "drills/drilldesign.h"
#include "drills/drillwindow.h"
#include "scores/scoretext.h"
#include "scores/scorewindow.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/files/codepage.h"
#include "toolkit/files/lockedfile.h"
#include "toolkit/look/appearance.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTextBlock>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using scores::displayScores;
using scores::frmScore;
using scores::ScoreWindow;
namespace dialogs = toolkit::dialogs;

namespace {

const QByteArray TwoRecords =
    "\"Ann On the Day of 12/05/26 Got A 80.00% Out of 10 Questions on ADD "
    "2 and 50.00% out of 4 Questions on ADD 3\r\n\"\r\n"
    "\"Bob \"B\" On the Day of 12/06/26 Got A 100.00% Out of 2 Questions "
    "on ADD 2 and  out of 4 Questions on ADD 3\r\n\"\r\n";
// Lines ended each in its own way: a file shared by programs of different systems.
const QByteArray Mixed = "a1\nb2\rc3\r\nd4\n";
const QByteArray SubRecord = "\"Cy On the Day of 12/06/26 Got A 0.00% Out of 1 Questions on "
                             "SUBTRACT 2 and 0.00% out of 1 Questions on SUBTRACT 3\r\n\"\r\n";

ScoreWindow *viewer()
{
    return qobject_cast<ScoreWindow *>(frmScore().form());
}

// Add.txt holding these bytes, shown in the viewer.
ScoreWindow *showing(const QByteArray &bytes)
{
    writeFile("Add.txt", bytes);
    displayScores("Add.txt");
    return viewer();
}

// Closes the viewer, its boxes answered so; true once it has closed.
[[nodiscard]] bool closedAnswering(QList<QMessageBox::StandardButton> answers = {QMessageBox::Yes})
{
    for (const QMessageBox::StandardButton answer : answers)
        dialogs::answerNextMessage(answer);
    viewer()->unload();
    return QTest::qWaitFor([] { return !frmScore().isLoaded(); });
}

// An edit that leaves the text as it was.
void typeAndUndo(QPlainTextEdit *box)
{
    QTest::keyClicks(box, "x");
    QTest::keyClick(box, Qt::Key_Backspace);
}

void typeAtTheEnd(QPlainTextEdit *box, const QString &text)
{
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

// Puts the cursor in a line, at a character, as a click there would.
void placeCursor(QPlainTextEdit *box, int line, int column)
{
    QTextCursor cursor(box->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, column);
    box->setTextCursor(cursor);
}

// Edits as a user does, in steps joined by "; ": "at line column", "select line column line
// column", "type text", "key Return|Backspace|Delete|Undo|Redo|Cut|Copy|Paste", and "clip text"
// for another program's text on the clipboard.
void edit(QPlainTextEdit *box, const QString &steps)
{
    const QHash<QString, QKeySequence> keys = {
        {"Return", Qt::Key_Return},   {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
        {"Undo", QKeySequence::Undo}, {"Redo", QKeySequence::Redo},     {"Cut", QKeySequence::Cut},
        {"Copy", QKeySequence::Copy}, {"Paste", QKeySequence::Paste}};
    for (const QString &step : steps.split(QStringLiteral("; "))) {
        const QString command = step.section(u' ', 0, 0);
        const QString rest = step.section(u' ', 1);
        const QStringList at = rest.split(u' ');
        if (command == u"at" || command == u"select")
            placeCursor(box, at[0].toInt(), at[1].toInt());
        if (command == u"select") {
            QTextCursor cursor = box->textCursor();
            const int line = box->document()->findBlockByNumber(at[2].toInt()).position();
            cursor.setPosition(line + at[3].toInt(), QTextCursor::KeepAnchor);
            box->setTextCursor(cursor);
        } else if (command == u"type") {
            QTest::keyClicks(box, rest);
        } else if (command == u"key") {
            QTest::keySequence(box, keys.value(rest));
        } else if (command == u"clip") {
            QApplication::clipboard()->setText(rest);
        }
    }
}

// Leaves the viewer as a user does: closing it, closing the main window, or choosing Display in
// another drill.
void leaveViewer(QWidget *mainWindow, const QString &way)
{
    if (way == u"viewer")
        frmScore().unload();
    else if (way == u"main window")
        mainWindow->close();
    else
        displayScores("Sub.txt");
}

} // namespace

class TestScoreViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        toolkit::installFontSubstitutes();
        toolkit::ignoreFileSizeSignal();
    }

    void init()
    {
        m_folder.enter();
        m_window = new shell::mdiSumbrook;
        m_window->showMaximized();

        // A box nobody answered would wait for ever: close it and fail the test.
        m_unexpected.clear();
        m_guard = new QTimer(this);
        connect(m_guard, &QTimer::timeout, this, [this] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                m_unexpected << box->windowTitle();
                box->close();
            }
        });
        m_guard->start(50);
    }

    void cleanup()
    {
        dialogs::clearAnswers();
        dialogs::answerNextMessage(QMessageBox::No); // lets an edited viewer close
        frmScore().unload();
        QTRY_VERIFY(!frmScore().isLoaded());
        for (const Drill *drill : integerDrills())
            instanceOf(drill).unload();
        dialogs::clearAnswers();
        delete m_guard;
        delete m_window;
        QVERIFY2(m_unexpected.isEmpty(), qPrintable(m_unexpected.join(", ")));
        m_folder.leave();
    }

    void opensMaximizedAsDesigned()
    {
        displayScores("Add.txt"); // no scores saved yet
        ScoreWindow *form = viewer();
        QVERIFY(form);
        QCOMPARE(form->objectName(), "frmScore");
        QCOMPARE(form->windowTitle(), "Math Scores");
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(form->parentWidget()->windowIcon().cacheKey(), form->windowIcon().cacheKey());
        QVERIFY(form->parentWidget()->isMaximized());
        QCOMPARE(m_window->mdiArea()->activeSubWindow(), form->parentWidget());
        QCOMPARE(m_window->menuBar()->actions().first()->text(), "Sumbrook"); // no menu of its own

        QCOMPARE(form->txtScore->objectName(), "txtScore");
        QCOMPARE(form->txtScore->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(form->txtScore->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(form->txtScore->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QTRY_COMPARE(QApplication::focusWidget(), form->txtScore);
        QCOMPARE(form->lblPath->objectName(), "lblPath");
        QVERIFY(form->lblPath->isHidden());
        QCOMPARE(form->Label1->objectName(), "Label1");
        QCOMPARE(form->Label1->text(), "The Math Scores Are ");
        QCOMPARE(form->Label1->font().pointSizeF(), 13.5);
        QVERIFY(form->Label1->font().bold());
        QCOMPARE(form->Label1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(form->Label1->pos(), QPoint(48, 16));

        // A file not saved yet shows empty, ready to be written to.
        QCOMPARE(form->txtScore->toPlainText(), "");
        QCOMPARE(form->lblPath->text(), "Add.txt");
        QCOMPARE(form->blnChanged, qint16(0));
        QVERIFY(!QFileInfo::exists("Add.txt"));
    }

    void showsTheFileAsStored()
    {
        ScoreWindow *form = showing(TwoRecords + "\xe9");
        const QStringList lines = form->txtScore->toPlainText().split('\n');
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].startsWith("\"Ann On the Day of 12/05/26"));
        QCOMPARE(lines[1], "\"");
        QVERIFY(lines[2].startsWith("\"Bob \"B\" On"));
        QCOMPARE(lines[3], "\"");
        QCOMPARE(lines[4], QString::fromUtf8("é"));
        QCOMPARE(form->shownText(), QString::fromLatin1(TwoRecords + "\xe9"));
        QCOMPARE(form->lblPath->text(), "Add.txt");
        QCOMPARE(form->blnChanged, qint16(0));
    }

    // Large files go into the box a piece at a time; no piece boundary may show or change a line.
    // A screen reader stepping by word and by line hears the program's own units, as in the
    // answer boxes: Qt 6.4's own read "O", then nothing, over "Mia On the.
    void aScreenReaderStepsByWordAndLine()
    {
        showing("\"Mia On the\r\n\"Noah\r\n");
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(viewer()->txtScore);
        QAccessibleTextInterface *text = box ? box->textInterface() : nullptr;
        QVERIFY(text);
        QStringList heard;
        int start = 0, end = 0;
        for (int offset = 0; offset < text->characterCount(); offset = end)
            heard << text->textAtOffset(offset, QAccessible::WordBoundary, &start, &end);
        QCOMPARE(heard, (QStringList{"\"", "Mia ", "On ", "the\n\"", "Noah\n"}));
        QCOMPARE(text->textAfterOffset(2, QAccessible::LineBoundary, &start, &end), "\"Noah\n");
    }

    void aLargeFileComesBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        // Lines ended by a lone CR put no LF in the first piece, and its last byte is the CR of a
        // CR LF.
        const QByteArray loneCrs = QByteArray("abc\r").repeated(16383) + "abc";
        QTest::newRow("CR LF across a piece's end") << loneCrs + "\r\n" + TwoRecords << 16389;
        QByteArray records;
        while (records.size() < 300000)
            records += TwoRecords;
        QTest::newRow("many records") << records + "\x80" << int(records.count('\n')) + 1;
        // As many lines as the viewer shows: a final line end begins no line of its own.
        const QByteArray most = QByteArray("x\r\n").repeated(scores::ShownLimits.lines);
        QTest::newRow("the most lines, each ending in CR LF") << most << int(most.count('\n')) + 1;
    }

    void aLargeFileComesBackByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        ScoreWindow *form = showing(bytes);
        QCOMPARE(form->txtScore->document()->blockCount(), lines);
        QCOMPARE(form->shownText(), toolkit::decode(bytes));
        QCOMPARE(form->txtScore->textCursor().position(), 0);
        QCOMPARE(form->blnChanged, qint16(0));

        // Loading is no edit to undo: an undo that emptied the box would empty the file.
        QTest::keyClick(form->txtScore, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->txtScore->document()->blockCount(), lines);
        typeAtTheEnd(form->txtScore, "Eve");
        QVERIFY(closedAnswering());
        QCOMPARE(bytesOf("Add.txt"), bytes + "Eve");
    }

    void theBoxFollowsTheInnerWidthOnly()
    {
        displayScores("Add.txt");
        ScoreWindow *form = viewer();
        const auto checkBox = [form] {
            QCOMPARE(form->txtScore->width(), form->width());
            QCOMPARE(form->txtScore->geometry().topLeft(), QPoint(16, 64));
            QCOMPARE(form->txtScore->height(), 185); // 2775 twips
        };
        QTRY_COMPARE(form->txtScore->width(), form->width());
        checkBox();

        m_window->resize(m_window->width() + 150, m_window->height() - 40);
        QTRY_COMPARE(form->txtScore->width(), form->width());
        checkBox();

        form->parentWidget()->showNormal();
        QTRY_VERIFY(!form->parentWidget()->isMaximized());
        checkBox();
    }

    // Closing the viewer or Display in another drill after an edit asks first, even after a
    // visit to another window: Yes writes the text shown back where it came from, No drops it.
    void anEditAsksBeforeItIsLeft_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("addLine");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray added = TwoRecords + "Eve \"E\"\r\n";
        QTest::newRow("closing, No") << "viewer" << QMessageBox::No << true << TwoRecords;
        QTest::newRow("closing, Yes, the text as shown")
            << "viewer" << QMessageBox::Yes << false << TwoRecords;
        QTest::newRow("closing, Yes, a line added")
            << "viewer" << QMessageBox::Yes << true << added;
        QTest::newRow("Display, Yes") << "display" << QMessageBox::Yes << true << added;
        QTest::newRow("Display, No") << "display" << QMessageBox::No << true << TwoRecords;
    }
    void anEditAsksBeforeItIsLeft()
    {
        QFETCH(QString, way);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, addLine);
        QFETCH(QByteArray, bytes);
        writeFile("Sub.txt", SubRecord);
        ScoreWindow *form = showing(TwoRecords);
        if (addLine) {
            typeAtTheEnd(form->txtScore, "Eve \"E\"");
            QTest::keyClick(form->txtScore, Qt::Key_Return);
        } else {
            typeAndUndo(form->txtScore);
        }
        instanceOf(Addition).show();
        QVERIFY(m_window->mdiArea()->activeSubWindow() != form->parentWidget());
        frmScore().show();
        QCOMPARE(m_window->mdiArea()->activeSubWindow(), form->parentWidget());
        QCOMPARE(form->blnChanged, qint16(-1));

        dialogs::answerNextMessage(answer);
        leaveViewer(m_window, way);
        const auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, "Do You Want to Save Changes?");
        QCOMPARE(boxes[0].title, "Math  Scores");
        QCOMPARE(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(boxes[0].defaultButton, QMessageBox::Yes);
        QCOMPARE(boxes[0].icon, QMessageBox::NoIcon);
        QCOMPARE(bytesOf("Add.txt"), bytes);
        QCOMPARE(bytesOf("Sub.txt"), SubRecord);
        if (way == "viewer") {
            QTRY_VERIFY(!frmScore().isLoaded());
            return;
        }
        QCOMPARE(form->shownText(), QString::fromLatin1(SubRecord));
        QCOMPARE(form->lblPath->text(), "Sub.txt");
        QCOMPARE(form->blnChanged, qint16(0));
    }

    void closingUneditedAsksNothing()
    {
        showing(TwoRecords);
        QTest::keyClick(viewer()->txtScore, Qt::Key_Down); // moving is no edit
        m_window->close();
        QTRY_VERIFY(!frmScore().isLoaded());
        QVERIFY(dialogs::takeAnsweredBoxes().isEmpty());
        QCOMPARE(bytesOf("Add.txt"), TwoRecords);
    }

    void theWriteBackReplacesTheFileWhole()
    {
        writeFile("Add.txt", TwoRecords);
        QCOMPARE(::link("Add.txt", "Add-link.txt"), 0); // a second name for the old file
        displayScores("Add.txt");
        typeAtTheEnd(viewer()->txtScore, "Eve");
        QVERIFY(closedAnswering());
        // A new file took the name; the old one was never rewritten in place.
        QCOMPARE(bytesOf("Add.txt"), TwoRecords + "Eve");
        QCOMPARE(bytesOf("Add-link.txt"), TwoRecords);
    }

    void aFailedWriteBackKeepsTheViewerOpen_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("name taken by a folder") << false << "folder";
        QTest::newRow("disk full part-way") << true << "File too large";
    }
    void aFailedWriteBackKeepsTheViewerOpen()
    {
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        writeFile("Sub.txt", SubRecord);
        ScoreWindow *form = showing(TwoRecords);
        typeAtTheEnd(form->txtScore, QString(4000, 'z'));
        const QString edited = form->shownText();
        if (!diskFull) {
            QVERIFY(QFile::remove("Add.txt"));
            QVERIFY(QDir().mkdir("Add.txt"));
        }

        dialogs::answerNextMessage(QMessageBox::Yes);
        dialogs::answerNextMessage(QMessageBox::Ok);
        {
            const FileSizeLimit limit(diskFull ? TwoRecords.size() + 100 : RLIM_INFINITY);
            form->unload();
        }
        auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].title, "Sumbrook");
        QVERIFY2(boxes[1].text.contains("\"Add.txt\"") && boxes[1].text.contains(reason),
                 qPrintable(boxes[1].text));
        QVERIFY(frmScore().isLoaded());
        QVERIFY(form->isVisible());
        QCOMPARE(form->shownText(), edited);
        QCOMPARE(form->blnChanged, qint16(-1));
        if (diskFull)
            QCOMPARE(bytesOf("Add.txt"), TwoRecords);
        else
            QVERIFY(QDir("Add.txt").isEmpty());

        // Closing the main window, or Display in another drill, fails the same way and keeps the
        // viewer on its edits too.
        for (const char *way : {"main window", "display"}) {
            dialogs::answerNextMessage(QMessageBox::Yes);
            dialogs::answerNextMessage(QMessageBox::Ok);
            {
                const FileSizeLimit limit(diskFull ? TwoRecords.size() + 100 : RLIM_INFINITY);
                leaveViewer(m_window, way);
            }
            QCOMPARE(dialogs::takeAnsweredBoxes().size(), 2);
            QVERIFY(m_window->isVisible());
            QCOMPARE(form->lblPath->text(), "Add.txt");
            QCOMPARE(form->shownText(), edited);
            QCOMPARE(form->blnChanged, qint16(-1));
        }

        // Once the cause is gone, trying again saves; where the file is gone too, only when told.
        dialogs::answerNextMessage(QMessageBox::Yes);
        if (!diskFull) {
            QVERIFY(QDir().rmdir("Add.txt"));
            dialogs::answerNextMessage(QMessageBox::Yes);
        }
        form->unload();
        QTRY_VERIFY(!frmScore().isLoaded());
        QCOMPARE(bytesOf("Add.txt"), edited.toLatin1());
    }

    // Display in another drill writes the edits back, then cannot show that drill's file: the
    // viewer stays on the file it wrote and must know it as written, so that later edits land once.
    void aViewerLeftOpenKnowsTheFileAsItWroteIt_data()
    {
        QTest::addColumn<QByteArray>("meanwhile"); // Add.txt as another program left it
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("typing at the end")
            << QByteArray() << "at 4 7; type  done" << TwoRecords + "Teacher done";
        QTest::newRow("a word deleted")
            << QByteArray() << "select 4 0 4 7; key Delete" << TwoRecords;
        QTest::newRow("typing at the start") << QByteArray() << "at 0 0; type X"
                                             << "X" + TwoRecords + "Teacher";
        QTest::newRow("after a record was saved")
            << TwoRecords + "Teacher" + SubRecord << "at 4 7; type  done"
            << TwoRecords + "Teacher done\r\n" + SubRecord;
        QTest::newRow("after replacing a file changed elsewhere")
            << SubRecord << "at 4 7; type  done" << TwoRecords + "Teacher done\r\n" + SubRecord;
    }
    void aViewerLeftOpenKnowsTheFileAsItWroteIt()
    {
        QFETCH(QByteArray, meanwhile);
        QFETCH(QString, steps);
        QFETCH(QByteArray, written);
        writeFile("Add.txt", TwoRecords);
        writeFile("Sub.txt", QByteArray(scores::ShownLimits.lines + 1, '\n'));
        displayScores("Add.txt");
        typeAtTheEnd(viewer()->txtScore, "Teacher");
        const bool rewritten = meanwhile == SubRecord;
        if (rewritten)
            writeFile("Add.txt", SubRecord);
        dialogs::answerNextMessage(QMessageBox::Yes);
        if (rewritten)
            dialogs::answerNextMessage(QMessageBox::Yes); // replace it all the same
        dialogs::answerNextMessage(QMessageBox::Ok);      // Sub.txt could not be shown
        displayScores("Sub.txt");
        QCOMPARE(viewer()->lblPath->text(), "Add.txt");
        // The record saved elsewhere is kept on a line of its own.
        QCOMPARE(bytesOf("Add.txt"),
                 TwoRecords + "Teacher" + (rewritten ? "\r\n" + SubRecord : ""));
        if (!meanwhile.isEmpty() && !rewritten)
            writeFile("Add.txt", meanwhile);
        dialogs::takeAnsweredBoxes();

        edit(viewer()->txtScore, steps);
        QVERIFY(closedAnswering());
        QCOMPARE(dialogs::takeAnsweredBoxes().size(), 1); // nothing changed elsewhere
        QCOMPARE(bytesOf("Add.txt"), written);
    }

    // Display in another drill shows its file in the same viewer, and edits go there only.
    void editsGoOnlyToTheFileShown()
    {
        showing(TwoRecords);
        displayScores("Divide.txt"); // none saved yet
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(viewer()->shownText(), "");
        QCOMPARE(viewer()->lblPath->text(), "Divide.txt");

        QTest::keyClicks(viewer()->txtScore, "Dav");
        QVERIFY(closedAnswering());
        QCOMPARE(bytesOf("Divide.txt"), "Dav");
        QCOMPARE(bytesOf("Add.txt"), TwoRecords);
    }

    void aFileThatCannotBeShownChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder"
                                  << "It is a folder, not a file.";
        QTest::newRow("a named pipe") << "pipe"
                                      << "It is a named pipe, not a file.";
        QTest::newRow("a link to /dev/zero") << "device"
                                             << "It is a device, not a file.";
        QTest::newRow("too large") << "bytes"
                                   << "It is larger than 12 MiB, the most the score "
                                      "viewer shows. To see it here, open it in a text "
                                      "editor and move older records into another file.";
        QTest::newRow("too many lines")
            << "lines"
            << QString("It has %1 lines, more than the %2 the score viewer shows.")
                   .arg(QLocale().toString(250001), QLocale().toString(250000));
        QTest::newRow("too long a line") << "line"
                                         << "break that line up.";
    }
    void aFileThatCannotBeShownChangesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const scores::ViewerLimits limits = scores::ShownLimits;
        if (kind == "bytes") {
            QFile big("Sub.txt");
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(limits.bytes + 1));
        } else if (kind == "lines") {
            writeFile("Sub.txt", QByteArray(limits.lines + 1, '\n'));
        } else if (kind == "line") {
            writeFile("Sub.txt", "\"Ann\r\n" + QByteArray(limits.lineLength + 1, 'x'));
        } else {
            QVERIFY(makeOddFile(kind, "Sub.txt"));
        }
        const Watchdog watchdog(20);

        // Not opened at all when it was closed.
        dialogs::answerNextMessage(QMessageBox::Ok);
        displayScores("Sub.txt");
        QVERIFY(!frmScore().isLoaded());

        showing(TwoRecords);
        dialogs::answerNextMessage(QMessageBox::Ok);
        displayScores("Sub.txt");
        const auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].title, "Sumbrook");
        QVERIFY2(boxes[1].text.startsWith("The scores in \"Sub.txt\" could not be shown: ") &&
                     boxes[1].text.contains(reason),
                 qPrintable(boxes[1].text));
        QCOMPARE(viewer()->shownText(), QString::fromLatin1(TwoRecords));
        QCOMPARE(viewer()->lblPath->text(), "Add.txt");
        QCOMPARE(viewer()->blnChanged, qint16(0));
    }

    // Each line keeps the line end it was read with through every edit; a line break the user
    // types, or pastes from another program, is CR LF.
    void untouchedBytesComeBackUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("LF") << QByteArray("one\ntwo\nthree\n") << "at 1 3; type !"
                            << QByteArray("one\ntwo!\nthree\n");
        QTest::newRow("CR") << QByteArray("one\rtwo\rthree\r") << "at 1 3; type !"
                            << QByteArray("one\rtwo!\rthree\r");
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << "at 0 0; type !"
                               << QByteArray("!one\r\ntwo\r\n");
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\n\r") << "at 2 1; type !"
                               << QByteArray("a\r\nb\nc!\rd\n\r");
        QTest::newRow("no line end at the end")
            << QByteArray("a\nb") << "at 1 1; type !" << QByteArray("a\nb!");
        QTest::newRow("every byte value") << allBytes() + "\r\n" + allBytes() << "at 2 0; type !"
                                          << allBytes().insert(14, '!') + "\r\n" + allBytes();
        QTest::newRow("a line break typed inside a line")
            << QByteArray("ab\ncd\n") << "at 0 1; key Return" << QByteArray("a\r\nb\ncd\n");
        QTest::newRow("a line break typed at the end")
            << QByteArray("ab\rcd") << "at 1 2; type x; key Return" << QByteArray("ab\rcdx\r\n");
        QTest::newRow("a line typed in an empty line")
            << QByteArray("a\n\nb\n") << "at 1 0; type x; key Return; type y"
            << QByteArray("a\nx\r\ny\nb\n");
        QTest::newRow("two lines joined keep the later line end")
            << QByteArray("a\rb\nc") << "at 1 0; key Backspace" << QByteArray("ab\nc");
        QTest::newRow("two lines joined, undone")
            << Mixed << "at 2 0; key Backspace; key Undo" << Mixed;
        QTest::newRow("two lines joined, undone and redone")
            << Mixed << "at 2 0; key Backspace; key Undo; key Redo"
            << QByteArray("a1\nb2c3\r\nd4\n");
        QTest::newRow("pasted at the start") << Mixed << "clip XY\nZ\n; at 0 0; key Paste"
                                             << "XY\r\nZ\r\n" + Mixed;
        QTest::newRow("pasted inside a line") << Mixed << "clip XY\nZ\n; at 1 1; key Paste"
                                              << QByteArray("a1\nbXY\r\nZ\r\n2\rc3\r\nd4\n");
        QTest::newRow("pasted at the end")
            << Mixed << "clip XY\nZ\n; at 4 0; key Paste" << Mixed + "XY\r\nZ\r\n";
        QTest::newRow("pasted with CR LF from another program")
            << Mixed << "clip P\r\nQ; at 1 0; key Paste" << QByteArray("a1\nP\r\nQb2\rc3\r\nd4\n");
        QTest::newRow("a line deleted with its end, undone")
            << Mixed << "select 1 0 2 0; key Delete; key Undo" << Mixed;
        QTest::newRow("a line deleted with its end, undone and redone")
            << Mixed << "select 1 0 2 0; key Delete; key Undo; key Redo"
            << QByteArray("a1\nc3\r\nd4\n");
        QTest::newRow("lines typed over, undone")
            << Mixed << "select 0 1 2 1; type Z; key Undo" << Mixed;
        QTest::newRow("a line cut and pasted back")
            << Mixed << "select 1 0 2 0; key Cut; key Paste" << Mixed;
        QTest::newRow("a line cut and pasted above")
            << Mixed << "select 1 0 2 0; key Cut; at 0 0; key Paste"
            << QByteArray("b2\ra1\nc3\r\nd4\n");
        QTest::newRow("lines copied and pasted twice")
            << Mixed << "select 0 0 2 0; key Copy; at 4 0; key Paste; key Paste"
            << Mixed + "a1\nb2\ra1\nb2\r";
    }
    void untouchedBytesComeBackUnchanged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, steps);
        QFETCH(QByteArray, written);
        showing(bytes);
        edit(viewer()->txtScore, steps);
        QVERIFY(closedAnswering());
        QCOMPARE(bytesOf("Add.txt"), written);
    }

    // The box looks for a character in its own font only: searching every other font for control
    // characters that none has made typing in long lines of them slow. Every character a score
    // file holds must be in it.
    void theBoxShowsTheCodePageInItsOwnFont()
    {
        displayScores("Add.txt");
        const QFont font = viewer()->txtScore->font();
        QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
        const QFontMetrics metrics(font);
        const QByteArray undefined("\x7f\x81\x8d\x8f\x90\x9d");
        for (int byte = 0x20; byte < 0x100; ++byte) {
            if (!undefined.contains(char(byte)))
                QVERIFY2(metrics.inFont(toolkit::decode(QByteArray(1, char(byte)))[0]),
                         qPrintable(QString::number(byte, 16)));
        }
    }

    // Lines with tabs are drawn from the part in view: wherever the box is scrolled, with a
    // selection or the caret there, it must look as a plain box holding the same text looks.
    void linesOfTabsLookAsAPlainBoxShowsThem_data()
    {
        QTest::addColumn<double>("scrolled"); // the share of the way to the right
        QTest::addColumn<bool>("focused");
        for (const double scrolled : {0.0, 0.37, 1.0}) {
            QTest::addRow("%.2f", scrolled) << scrolled << false;
            QTest::addRow("%.2f, the caret in view", scrolled) << scrolled << true;
        }
    }
    void linesOfTabsLookAsAPlainBoxShowsThem()
    {
        QFETCH(double, scrolled);
        QFETCH(bool, focused);
        QByteArray bytes; // text between tabs of every width, so that stops fall everywhere
        for (int line = 0; line < 12; ++line) {
            for (int i = 0; i < 60; ++i)
                bytes +=
                    QByteArray(i % (line + 2) ? 0 : (i + line) % 5, i % 3 ? 'W' : '\xe9') + '\t';
            bytes += "end\r\n";
        }
        showing(bytes);
        QPlainTextEdit *box = viewer()->txtScore;
        if (focused)
            box->setFocus();
        else
            box->clearFocus();
        QTRY_COMPARE(box->hasFocus(), focused);
        QPlainTextEdit plain(box->toPlainText(), box->parentWidget());
        plain.setGeometry(box->geometry());
        plain.setFont(box->font());
        plain.setLineWrapMode(QPlainTextEdit::NoWrap);
        plain.show();
        for (QPlainTextEdit *edit : {box, &plain})
            edit->horizontalScrollBar()->setValue(scrolled *
                                                  edit->horizontalScrollBar()->maximum());
        // Selected from the second line's start to the caret, in the middle of the view.
        const int caret = box->cursorForPosition(box->viewport()->rect().center()).position();
        for (QPlainTextEdit *edit : {box, &plain}) {
            QTextCursor cursor(edit->document()->findBlockByNumber(1));
            cursor.setPosition(caret, QTextCursor::KeepAnchor);
            edit->setTextCursor(cursor);
        }
        QImage shown = box->viewport()->grab().toImage();
        QImage expected = plain.viewport()->grab().toImage();
        if (focused) { // the caret is all that may differ
            QVERIFY(shown != expected);
            for (QImage *image : {&shown, &expected})
                QPainter(image).fillRect(box->cursorRect().adjusted(-1, -1, 1, 1), Qt::black);
        }
        QCOMPARE(shown, expected);
    }

    // Pastes anywhere, over any lines, against the same edits made to the file's bytes.
    void lineEndsFollowEveryEdit()
    {
        QRandomGenerator random(13);
        const QByteArray ends[] = {"\r\n", "\n", "\r"};
        QByteArrayList characters; // of the box: a line end is one
        for (int i = 0; i < 300; ++i) {
            for (const char c : "line " + QByteArray::number(i))
                characters.append(QByteArray(1, c));
            characters.append(ends[random.bounded(3)]);
        }
        showing(characters.join());
        QPlainTextEdit *box = viewer()->txtScore;
        QTextDocument *document = box->document();
        for (int edit = 0; edit < 200; ++edit) {
            const int from = random.bounded(document->characterCount() - 1);
            const int to =
                from + random.bounded(std::min(40, document->characterCount() - 1 - from));
            const QString typed = QStringList{"x", "y\nz", "\n\n", ""}[random.bounded(4)];
            QTextCursor cursor(document);
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            box->setTextCursor(cursor);
            QApplication::clipboard()->setText(typed); // as another program's text
            box->paste();
            characters.remove(from, to - from);
            for (qsizetype i = typed.size() - 1; i >= 0; --i)
                characters.insert(from, typed[i] == u'\n' ? "\r\n" : typed.mid(i, 1).toLatin1());
        }
        QCOMPARE(viewer()->shownText(), QString::fromLatin1(characters.join()));
    }

    void aRecordSavedMeanwhileIsKept_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("byAnotherCopy");
        QTest::newRow("by this program, closing the viewer") << "viewer" << false;
        QTest::newRow("by another copy, closing the main window") << "main window" << true;
        QTest::newRow("by another copy, Display in another drill") << "display" << true;
    }
    void aRecordSavedMeanwhileIsKept()
    {
        QFETCH(QString, way);
        QFETCH(bool, byAnotherCopy);
        writeFile("Add.txt", TwoRecords);
        writeFile("Sub.txt", SubRecord);
        displayScores("Add.txt");
        typeAtTheEnd(viewer()->txtScore, "Eve");
        if (byAnotherCopy) {
            QCOMPARE(QProcess::execute(SCOREWRITER, {"save", "Add.txt", "1", "Cy"}), 0);
        } else {
            dialogs::answerNextInput("Cy");
            menuItem(*instanceOf(Addition).show(), "mnuitemSaveScore")->trigger();
            frmScore().show();
        }
        const QByteArray saved = bytesOf("Add.txt").sliced(TwoRecords.size());
        QVERIFY(saved.startsWith("\"Cy"));

        dialogs::answerNextMessage(QMessageBox::Yes);
        leaveViewer(m_window, way);
        QCOMPARE(dialogs::pendingAnswers(), 0);
        QCOMPARE(bytesOf("Add.txt"), TwoRecords + "Eve\r\n" + saved);
    }

    // Another copy wrote the file back without the first record and a pupil saved P2 while the
    // viewer was open: the question says what stays, and no answer loses a score it never showed.
    void aFileChangedElsewhereIsNeverOverwrittenSilently_data()
    {
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("rewritten, replaced") << false << QMessageBox::Yes;
        QTest::newRow("rewritten, kept, then P3 saved") << false << QMessageBox::No;
        QTest::newRow("rewritten, kept on Esc, then P3 saved") << false << QMessageBox::Cancel;
        QTest::newRow("removed, replaced") << true << QMessageBox::Yes;
        QTest::newRow("removed, kept") << true << QMessageBox::No;
    }
    void aFileChangedElsewhereIsNeverOverwrittenSilently()
    {
        QFETCH(bool, removed);
        QFETCH(QMessageBox::StandardButton, answer);
        const QByteArray bob = TwoRecords.sliced(TwoRecords.indexOf("\"Bob"));
        const QByteArray p2 = "\"P2 On the Day\r\n\"\r\n", p3 = "\"P3 On the Day\r\n\"\r\n";
        showing(TwoRecords);
        typeAtTheEnd(viewer()->txtScore, "Eve");
        if (removed)
            QVERIFY(QFile::remove("Add.txt"));
        else
            writeFile("Add.txt", bob + p2);

        dialogs::answerNextMessage(QMessageBox::Yes);
        dialogs::answerNextMessage(answer);
        viewer()->unload();
        const auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].text,
                 removed ? QString("\"Add.txt\" was removed since it was shown here.\n\nSave the "
                                   "text shown here in its place? No leaves it removed, and this "
                                   "window stays open with its text.")
                         : QString("\"Add.txt\" was changed elsewhere since it was shown here.\n\n"
                                   "Scores saved in it since: 1. They stay, after the text shown "
                                   "here; every other change made elsewhere is replaced.\n\n"
                                   "Replace it with the text shown here? No keeps the file as it "
                                   "is, and this window stays open with its text."));
        QCOMPARE(boxes[1].defaultButton, QMessageBox::No);
        if (answer == QMessageBox::Yes) {
            QTRY_VERIFY(!frmScore().isLoaded());
            QCOMPARE(bytesOf("Add.txt"), TwoRecords + "Eve" + (removed ? "" : "\r\n" + p2));
            return;
        }
        QVERIFY(viewer()->isVisible());
        QCOMPARE(viewer()->shownText(), QString::fromLatin1(TwoRecords + "Eve"));
        QCOMPARE(viewer()->blnChanged, qint16(-1));
        QCOMPARE(QFileInfo::exists("Add.txt"), !removed);
        if (removed)
            return;
        QCOMPARE(bytesOf("Add.txt"), bob + p2);

        writeFile("Add.txt", bob + p2 + p3);
        QVERIFY(closedAnswering({QMessageBox::Yes, QMessageBox::Yes}));
        QVERIFY(dialogs::takeAnsweredBoxes()[1].text.contains("Scores saved in it since: 2."));
        QCOMPARE(bytesOf("Add.txt"), TwoRecords + "Eve\r\n" + p2 + p3);
    }

    // Saves only append: records after the last one shown are saved since, less those standing
    // in for shown records edited elsewhere, which are neither kept twice nor counted.
    void onlyRecordsAppendedCountAsSavedSince_data()
    {
        const QByteArray a = "\"A\r\n\"\r\n", b = "\"B\r\n\"\r\n", e = "\"E\r\n\"\r\n",
                         n = "\"N\r\n\"\r\n";
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<QByteArray>("now");
        QTest::addColumn<QByteArray>("savedSince");
        QTest::newRow("one appended") << a + b << a + b + n << n;
        QTest::newRow("the first removed, one appended") << a + b << b + n << n;
        QTest::newRow("the last edited") << a + b << a + e << QByteArray();
        QTest::newRow("the last edited, one appended") << a + b << a + e + n << n;
        QTest::newRow("one edited in the middle") << a + b + n << a + e + n << QByteArray();
        QTest::newRow("replaced whole: all kept") << a << e + n << e + n;
        QTest::newRow("the same saved twice") << a << a + a + a << a + a;
        QTest::newRow("saved into an empty file") << QByteArray() << a + b << a + b;
    }
    void onlyRecordsAppendedCountAsSavedSince()
    {
        QFETCH(QByteArray, shown);
        QFETCH(QByteArray, now);
        QFETCH(QByteArray, savedSince);
        const scores::Records records = scores::recordsNotShown(shown, now);
        QCOMPARE(records.bytes, savedSince);
        QCOMPARE(records.count, savedSince.count("\r\n\"\r\n"));
    }

    // The folder the scores were shown from is renamed, or another takes its name, while the
    // viewer is open: the write-back says so and asks, instead of writing silently elsewhere.
    void aFolderRenamedMeanwhileIsNotWrittenSilently_data()
    {
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("renamed") << false << QMessageBox::Ok;
        QTest::newRow("replaced, saved in the new one") << true << QMessageBox::Yes;
        QTest::newRow("replaced, kept") << true << QMessageBox::No;
    }
    void aFolderRenamedMeanwhileIsNotWrittenSilently()
    {
        QFETCH(bool, replaced);
        QFETCH(QMessageBox::StandardButton, answer);
        QVERIFY(QDir().mkdir("class") && QDir::setCurrent("class"));
        const QString folder = QDir::currentPath();
        showing(TwoRecords);
        typeAtTheEnd(viewer()->txtScore, "Eve");
        QVERIFY(QDir().rename(folder, folder + "-old"));
        if (replaced)
            QVERIFY(QDir().mkdir(folder));

        dialogs::answerNextMessage(QMessageBox::Yes);
        dialogs::answerNextMessage(answer);
        if (answer ==
            QMessageBox::Yes) // the new folder holds no such file: replace it all the same
            dialogs::answerNextMessage(QMessageBox::Yes);
        viewer()->unload();
        const auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes[1].text,
                 replaced ? QString("The folder that \"Add.txt\" was shown from has been renamed "
                                    "or replaced since.\n\nSave the text shown here as \"%1\"? "
                                    "No keeps this window open with its text.")
                                .arg(folder + "/Add.txt")
                          : QString("The scores could not be saved in \"Add.txt\": Its folder "
                                    "\"%1\" is no longer there.")
                                .arg(folder));
        QCOMPARE(bytesOf(folder + "-old/Add.txt"), TwoRecords);
        if (answer == QMessageBox::Yes) {
            QTRY_VERIFY(!frmScore().isLoaded());
            QCOMPARE(bytesOf(folder + "/Add.txt"), TwoRecords + "Eve");
            return;
        }
        QVERIFY(viewer()->isVisible());
        QCOMPARE(viewer()->shownText(), QString::fromLatin1(TwoRecords + "Eve"));
        QVERIFY(!QFileInfo::exists(folder + "/Add.txt"));
    }

    // On the real box: Esc or its close button call off what asked, the edits kept.
    void closingTheQuestionCallsOffWhatAsked_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("escape");
        QTest::newRow("closing the viewer, Esc") << "viewer" << true;
        QTest::newRow("closing the viewer, close button") << "viewer" << false;
        QTest::newRow("closing the main window, Esc") << "main window" << true;
        QTest::newRow("Display in another drill, close button") << "display" << false;
    }
    void closingTheQuestionCallsOffWhatAsked()
    {
        QFETCH(QString, way);
        QFETCH(bool, escape);
        writeFile("Add.txt", TwoRecords);
        writeFile("Sub.txt", SubRecord);
        instanceOf(Addition).show();
        displayScores("Add.txt");
        typeAtTheEnd(viewer()->txtScore, "Eve");

        m_guard->stop();
        QString asked;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            answer.stop();
            asked = box->text();
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        answer.start(10);
        leaveViewer(m_window, way);
        m_guard->start();

        QCOMPARE(asked, "Do You Want to Save Changes?");
        QVERIFY(viewer()->isVisible());
        QCOMPARE(viewer()->lblPath->text(), "Add.txt");
        QCOMPARE(viewer()->shownText(), QString::fromLatin1(TwoRecords + "Eve"));
        QCOMPARE(viewer()->blnChanged, qint16(-1));
        QVERIFY(m_window->isVisible());
        QVERIFY(instanceOf(Addition).form()->isVisible());
        QCOMPARE(bytesOf("Add.txt"), TwoRecords);
    }

    // While another program holds the lock, the window keeps answering with a busy cursor, and
    // after a moment a box lets the user give up. Nothing is lost: Save Score keeps the count
    // and says so, the viewer keeps its edits and the file it shows.
    void aHeldLockKeepsTheWindowAnswering_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("giveUp");
        QTest::newRow("Save Score, let go") << "save" << false;
        QTest::newRow("Save Score, given up") << "save" << true;
        QTest::newRow("writing back, given up") << "viewer" << true;
        QTest::newRow("Display in another drill, given up") << "display" << true;
    }
    void aHeldLockKeepsTheWindowAnswering()
    {
        QFETCH(QString, way);
        QFETCH(bool, giveUp);
        writeFile("Add.txt", TwoRecords);
        writeFile("Sub.txt", SubRecord);
        auto *drill = static_cast<drills::DrillWindow *>(instanceOf(Addition).show());
        answerProblems(*drill, drill->two, 3);
        displayScores("Add.txt");
        const QString edits = way == "display" ? "" : "Eve";
        typeAtTheEnd(viewer()->txtScore, edits);
        QProcess other; // another copy, holding the lock as while it saves
        other.start(SCOREWRITER, {"hold", way == "display" ? "Sub.txt" : "Add.txt",
                                  giveUp ? "60000" : "1500", "other"});
        QVERIFY(other.waitForReadyRead());

        // The user's turns while the lock is awaited, and the cursor each shows.
        m_guard->stop();
        int turns = 0, busy = 0;
        bool waited = false;
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            ++turns;
            const QCursor *cursor = QApplication::overrideCursor();
            busy += cursor && cursor->shape() == Qt::BusyCursor;
            if (auto *box = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget())) {
                waited = true;
                if (giveUp)
                    box->cancel();
            }
        });
        user.start(10);
        if (way == "save")
            dialogs::answerNextInput("Dav");
        if (way == "viewer")
            dialogs::answerNextMessage(QMessageBox::Yes);
        if (giveUp)
            dialogs::answerNextMessage(QMessageBox::Ok);
        if (way == "save")
            menuItem(*drill, "mnuitemSaveScore")->trigger();
        else
            leaveViewer(m_window, way);
        user.stop();
        m_guard->start();
        other.kill();
        other.waitForFinished();

        QVERIFY(waited);
        QVERIFY2(turns > 10, qPrintable(QString::number(turns)));
        QCOMPARE(busy, turns);
        QCOMPARE(dialogs::pendingAnswers(), 0);
        QCOMPARE(scoreShown(drill->two, control<QPushButton>(*drill, "cmdScore1")),
                 way == "save" && !giveUp ? QStringList({"0", "1"}) : QStringList({"3", "3"}));
        if (!giveUp) {
            QVERIFY(bytesOf("Add.txt").startsWith(TwoRecords + "other\r\n\"Dav On the Day"));
            return;
        }
        const QString said = way == "save"     ? "The score could not be saved in \"Add.txt\": "
                             : way == "viewer" ? "The scores could not be saved in \"Add.txt\": "
                                               : "The scores in \"Sub.txt\" could not be shown: ";
        QCOMPARE(dialogs::takeAnsweredBoxes().last().text,
                 said + "Another program is using the file. Try again in a moment.");
        QCOMPARE(viewer()->lblPath->text(), "Add.txt");
        QCOMPARE(viewer()->shownText(), QString::fromLatin1(TwoRecords) + edits);
        QCOMPARE(bytesOf("Add.txt"), TwoRecords);
    }

    void charactersTheFileCannotHoldAreNamedFirst()
    {
        showing(TwoRecords);
        viewer()->txtScore->moveCursor(QTextCursor::End);
        viewer()->txtScore->insertPlainText(QString::fromUtf8("Łucja 字")); // as pasted
        dialogs::answerNextMessage(QMessageBox::Yes);
        dialogs::answerNextMessage(QMessageBox::No);
        viewer()->unload();
        const auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].text, QString::fromUtf8("The text holds characters that a score file "
                                                  "cannot store: Ł, 字. Each "
                                                  "would be saved as \"?\".\n\nSave all the "
                                                  "same? No goes back to the text."));
        QVERIFY(viewer()->isVisible());
        QCOMPARE(bytesOf("Add.txt"), TwoRecords);

        QVERIFY(closedAnswering({QMessageBox::Yes, QMessageBox::Yes}));
        QCOMPARE(bytesOf("Add.txt"), TwoRecords + "?ucja ?");
    }

private:
    ScratchFolder m_folder;
    shell::mdiSumbrook *m_window = nullptr;
    QTimer *m_guard = nullptr;
    QStringList m_unexpected;
};

QTEST_MAIN(TestScoreViewer)
#include "tst_scoreviewer.moc"
