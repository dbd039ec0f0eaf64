// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of every window (names, descriptions, announcements), and the whole
// program driven from the keyboard alone: each drill from its opening to Exit, and About.
#include "answering.h"
#include "controls.h"
#include "drillrows.h"
#include "fakeregistry.h"
#include "filecheck.h"
#include "heard.h"
#include "rightanswer.h"

#include "about/aboutwindow.h"
#include "division/divisionwindow.h"
#include "drills/drillwindow.h"
#include "drills/exercise.h"
#include "scores/scorewindow.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/accessibility/accessibility.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"
#include "toolkit/text/random.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using drills::Drill;
using drills::DrillWindow;
using drills::Operation;

namespace {

QString spoken(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

QString nameOf(QObject *object)
{
    return spoken(object, QAccessible::Name);
}

QString descriptionOf(QObject *object)
{
    return spoken(object, QAccessible::Description);
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QVERIFY(focused());
    QTest::keyClick(focused(), key, modifiers);
}

// The main window maximised and active, as a learner starts.
[[nodiscard]] bool shownActive(QMainWindow &main)
{
    main.showMaximized();
    main.activateWindow();
    return QTest::qWaitForWindowActive(&main);
}

// The controls a user can act on: what Tab reaches.
QList<QWidget *> actionable(QWidget *form)
{
    QList<QWidget *> controls;
    for (QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QPushButton *>(w) || qobject_cast<QLineEdit *>(w) ||
            qobject_cast<QPlainTextEdit *>(w))
            controls << w;
    }
    return controls;
}

// Every control a user meets has something to say, and what acts says what it does: buttons and
// boxes by a name of their own and a description. Shapes only decorate: a screen reader never
// meets them. The window is named once, by the frame around it when it has one.
void checkHeardOnce(QWidget *form)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form);
    if (auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
        QCOMPARE(nameOf(frame), form->windowTitle());
        QVERIFY2(nameOf(form).isEmpty(), qPrintable(nameOf(form)));
        QCOMPARE(window->role(), QAccessible::Client);
    } else {
        QVERIFY(!nameOf(form).isEmpty());
    }
    // What is exposed is there to see and says something whole: no hidden face, no empty label,
    // no fragment such as "You got ", whose sentence ends elsewhere.
    for (int i = 0; i < window->childCount(); ++i) {
        auto *child = static_cast<QWidget *>(window->child(i)->object());
        QVERIFY(!qobject_cast<toolkit::Shape *>(child));
        QVERIFY2(child->isVisibleTo(form), qPrintable(child->objectName()));
        static const QStringList fragments{"You got ", "Questions Giving you a ", "Out of ",
                                           "The Correct Answer is "};
        QVERIFY2(!nameOf(child).isEmpty() && !fragments.contains(nameOf(child)),
                 qPrintable(child->objectName()));
    }
    for (auto *shape : form->findChildren<toolkit::Shape *>())
        QCOMPARE(window->indexOfChild(QAccessible::queryAccessibleInterface(shape)), -1);

    QStringList names;
    for (QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        auto *label = qobject_cast<QLabel *>(w);
        if (qobject_cast<toolkit::Shape *>(w) || !w->isVisibleTo(form) ||
            (label && label->text().isEmpty() && label->pixmap().isNull()))
            continue; // an empty score value or a picture before the first answer
        QVERIFY2(!nameOf(w).isEmpty(), qPrintable(w->objectName()));
    }
    for (QWidget *w : actionable(form)) {
        QVERIFY2(!descriptionOf(w).isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(!names.contains(nameOf(w)), qPrintable(nameOf(w)));
        names << nameOf(w);
    }
}

// The names a control has each time an event of the kind reaches it: what a screen reader reads as
// it shows or takes the focus.
class NamesAt : public QObject
{
public:
    NamesAt(QWidget *control, QEvent::Type type)
        : m_type(type)
    {
        control->installEventFilter(this);
    }
    QStringList names;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == m_type)
            names << nameOf(watched);
        return false;
    }

private:
    QEvent::Type m_type;
};

// The problem in the box as it is read, and its answer as the box takes it.
struct Problem
{
    QString spoken;
    QString answer;
};

Problem problemIn(QWidget *form, QLineEdit *box)
{
    const Operation operation = operationOf(*form);
    const bool three = box->objectName() == "txtNumber2";
    QStringList operands;
    for (int i = 0; i < (three ? 3 : 2); ++i) {
        const QString tile = three ? "lblnumber2(%1)" : "lblNumber(%1)";
        operands << form->findChild<QLabel *>(tile.arg(i))->text();
    }
    return {spokenProblem(operation, operands), rightAnswer(operation, operands)};
}

// Opens the first menu with F10 or Alt, walks down to the item and chooses it with Enter.
void chooseByKeyboard(QMainWindow &main, const QString &item, bool f10 = true)
{
    QWidget *start = focused() ? focused() : &main;
    if (f10) {
        QTest::keyClick(start, Qt::Key_F10);
    } else {
        QTest::keyClick(start, Qt::Key_Alt, Qt::AltModifier);
        QTRY_VERIFY(main.menuBar()->hasFocus());
        QTest::keyClick(main.menuBar(), Qt::Key_Down);
    }
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    auto *menu = static_cast<QMenu *>(QApplication::activePopupWidget());
    // The list opens with its first item chosen, so Enter alone takes it, as the highlight says.
    QVERIFY(menu->activeAction());
    QCOMPARE(menu->activeAction(), menu->actions().value(0));
    for (int i = 0; i < 6 && menu->activeAction()->objectName() != item; ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    QCOMPARE(menu->activeAction()->objectName(), item);
    QTest::keyClick(menu, Qt::Key_Return);
}

// Tabs on until the control named so has the focus; every control passed on the way speaks.
void tabTo(const QString &name)
{
    for (int i = 0; i < 12 && nameOf(focused()) != name; ++i) {
        press(Qt::Key_Tab);
        QVERIFY2(!nameOf(focused()).isEmpty() && !descriptionOf(focused()).isEmpty(),
                 qPrintable(focused()->objectName()));
    }
    QCOMPARE(nameOf(focused()), name);
}

// Types into the next modal box as it opens, and presses Enter.
void typeIntoNextBox(const QString &text)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, text] {
        if (QWidget *box = QApplication::activeModalWidget(); box && box->focusWidget()) {
            QTest::keyClicks(box->focusWidget(), text);
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
            poll->deleteLater();
        }
    });
    poll->start(20);
}

// One drill done by keys alone, step by step, for the row of aWholeDrillByKeysAlone_data() that
// runs; each step leaves the focus where a learner would be for the next.
class DrillByKeys
{
public:
    struct Drill
    {
        const ::Drill *row;
        QString startBox; // where the focus lands as it opens
        QString exercise; // what the exercise's buttons are named after
    };

    DrillByKeys(QMainWindow &main, QStringList &announced, Drill drill)
        : m_main(main)
        , m_announced(announced)
        , m_drill(std::move(drill))
    {}

    // The drill's menu item opens it with the focus in its first box, where the problem is heard
    // with the keys that go on from there.
    void openFromTheMenu()
    {
        chooseByKeyboard(m_main, m_drill.row->menuName);
        QTRY_COMPARE(focused()->objectName(), m_drill.startBox);
        m_box = static_cast<QLineEdit *>(focused());
        m_form = m_box->parentWidget();
        m_problem = problemIn(m_form, m_box);
        QCOMPARE(nameOf(m_box), m_problem.spoken);
        QVERIFY(descriptionOf(m_box).contains("press Enter"));
        QVERIFY(descriptionOf(m_box).contains("Tab"));
    }

    // Enter answers, and the focus lands on Reset, which says how it went and the correct answer;
    // Enter there deals the next problem into the box.
    void answerWrongThenFiveRight()
    {
        for (int round = 0; round < 6 && !QTest::currentTestFailed(); ++round)
            answerAndGoOn(round > 0, round == 5);
    }

    // Score, reached by Tab, is pressed with Enter and says its three values.
    void scoreByTab()
    {
        tabTo("Score" + m_drill.exercise);
        QVERIFY(descriptionOf(focused()).startsWith("press Enter"));
        press(Qt::Key_Return);
        QCOMPARE(m_announced, QStringList{"You got 5 right out of 6: 83.33%"});
    }

    // Save Score from the window's menu, the name typed into the box.
    void saveTheScoreFromTheMenu()
    {
        const QString scoreFile = m_drill.row->scores.fileName;
        typeIntoNextBox("Dav");
        chooseByKeyboard(m_main, saveScoreItem(*m_form)->objectName());
        QTRY_VERIFY(QFile::exists(scoreFile));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(bytesOf(scoreFile).contains("83.33%"));
        QVERIFY(bytesOf(scoreFile).contains("of 6 Questions"));
        QCOMPARE(m_announced.last(), "Saved for Dav. Your count starts again.");
        // A window manager gives the frame back its activation after the box; offscreen, the test.
        m_main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_main));
        QCOMPARE(nameOf(focused()), "Score" + m_drill.exercise);
    }

    // Display Scores: the viewer says its keys; Tab types no tab into the text, and Ctrl+F4
    // closes the viewer without a question.
    void viewTheScoresAndCloseThem()
    {
        chooseByKeyboard(m_main, "mnuItemRetrievScores");
        QTRY_VERIFY(scores::frmScore().isLoaded());
        auto *scores = control<QPlainTextEdit>(*scores::frmScore().form(), "txtScore");
        QTRY_COMPARE(focused(), scores);
        QCOMPARE(nameOf(focused()), "scores");
        QVERIFY(descriptionOf(focused()).contains("Ctrl+F4 closes it, Ctrl+Tab goes to the other"));
        const QString shown = scores->toPlainText();
        press(Qt::Key_Tab);
        QCOMPARE(scores->toPlainText(), shown);
        QCOMPARE(static_cast<scores::ScoreWindow *>(scores::frmScore().form())->blnChanged,
                 qint16(0));
        press(Qt::Key_F4, Qt::ControlModifier);
        QTRY_VERIFY(!scores::frmScore().isLoaded());
        QTRY_VERIFY(m_form->isAncestorOf(focused()));
    }

    // Exit, by Tab and Enter; the empty frame takes the focus and is heard by its title.
    void exitByTab()
    {
        tabTo("Exit");
        QCOMPARE(descriptionOf(focused()), "press Enter to close the window");
        QPointer<QWidget> closing = m_form;
        press(Qt::Key_Return);
        QTRY_VERIFY(closing.isNull());
        QTRY_COMPARE(focused(), &m_main);
        QCOMPARE(nameOf(focused()), "Sumbrook");
    }

private:
    void answerAndGoOn(bool right, bool praised)
    {
        QTest::keyClicks(focused(), right ? m_problem.answer : "0.5");
        press(Qt::Key_Return);
        // The verdict comes first, as Reset's name; its description says what Enter does.
        QVERIFY(focused()->objectName().startsWith("cmdReset"));
        QCOMPARE(nameOf(focused()), verdict(right) + (praised ? " You are good." : ""));
        QVERIFY(descriptionOf(focused()).startsWith("press Enter for a new"));
        press(Qt::Key_Return);
        QCOMPARE(focused(), m_box);
        m_problem = problemIn(m_form, m_box);
        QCOMPARE(nameOf(m_box), m_problem.spoken);
        // The long hint was for the first problem.
        QCOMPARE(descriptionOf(m_box), "type the answer, then press Enter");
        QVERIFY(m_box->text().isEmpty());
    }

    // "Right! 5 plus 3 is 8.", and "is about" for a quotient rounded to two decimals.
    QString verdict(bool right) const
    {
        const QString answer =
            m_problem.answer.endsWith(u'.') ? m_problem.answer.chopped(1) : m_problem.answer;
        const auto operand = [this](int i) {
            return control<QLabel>(*m_form, QStringLiteral("lblNumber(%1)").arg(i))->text().toInt();
        };
        const bool rounded =
            m_drill.row->operation == Operation::Divide && operand(0) * 100 % operand(1);
        return QString(right ? "Right! %1 is %2%3." : "Not quite. %1 is %2%3.")
            .arg(m_problem.spoken, rounded ? "about " : "",
                 answer.startsWith(u'-') ? "minus " + answer.mid(1) : answer);
    }

    QMainWindow &m_main;
    QStringList &m_announced;
    const Drill m_drill;
    QLineEdit *m_box = nullptr;
    QWidget *m_form = nullptr;
    Problem m_problem;
};

// What goes wrong as a screen reader asks the box about its text, in each of the texts: each
// character, word, sentence and line before, at and after every offset is the text there, the line
// there is all of it, and so is the run of text attributes it is read by.
QStringList textFaults(QLineEdit *box)
{
    QStringList faults;
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(box)->textInterface();
    for (const QString all : {"", "7", "57", "12", "2.29", "-3", "Mia", "Mia de. 12 ok"}) {
        box->setText(all);
        for (int offset = 0; offset <= all.size(); ++offset) {
            const QString where = QStringLiteral("\"%1\" at %2").arg(all).arg(offset);
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            if (start != 0 || end != all.size())
                faults << where + ": attributes";
            for (const auto unit : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                    QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                    QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                for (const auto ask : {&QAccessibleTextInterface::textBeforeOffset,
                                       &QAccessibleTextInterface::textAtOffset,
                                       &QAccessibleTextInterface::textAfterOffset}) {
                    const QString said = (text->*ask)(offset, unit, &start, &end);
                    if (start < 0 || end < start || end > all.size() ||
                        said != all.mid(start, end - start))
                        faults << where + QStringLiteral(", unit %1").arg(unit);
                }
                if (unit == QAccessible::LineBoundary &&
                    text->textAtOffset(offset, unit, &start, &end) != all)
                    faults << where + ": the line";
            }
        }
    }
    return faults;
}

} // namespace

Q_DECLARE_METATYPE(DrillByKeys::Drill)

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    void init() { m_heard.clear(); }

    void cleanup()
    {
        for (const Drill *drill : integerDrills()) {
            instanceOf(drill).unload();
            QTRY_VERIFY(!instanceOf(drill).isLoaded());
        }
        instanceOf(Division).unload();
        QTRY_VERIFY(!instanceOf(Division).isLoaded());
        scores::frmScore().unload();
        about::frmAbout().unload();
    }

    void drillTilesAndAnswerBoxes_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Addition") << &Addition << "Addition";
        QTest::newRow("Subtraction") << &Subtraction << "Subtraction";
        QTest::newRow("Multiplication") << &Multiplication << "Multiplication";
    }
    void drillTilesAndAnswerBoxes()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(QString, caption);
        // A problem at load, then another after Reset.
        toolkit::RandomSource chosen({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.5f, 0.0f, 0.99f, 0.3f, 0.7f});
        DrillWindow w(drill, chosen);
        w.Form_Load();
        QCOMPARE(nameOf(&w), caption);

        const std::pair<QLabel *, const char *> tiles[] = {
            {w.two.operands[0], "first number of the two-number problem"},
            {w.two.operands[1], "second number of the two-number problem"},
            {w.three.operands[0], "first number of the three-number problem"},
            {w.three.operands[1], "second number of the three-number problem"},
            {w.three.operands[2], "third number of the three-number problem"},
        };
        const auto checkProblems = [&] {
            for (const auto &[tile, description] : tiles) {
                QVERIFY(!tile->text().isEmpty());
                QCOMPARE(nameOf(tile), tile->text());
                QCOMPARE(descriptionOf(tile), QString::fromLatin1(description));
            }
            // Each box is named by its problem, so the focus landing there reads it.
            for (QLineEdit *box : {w.two.answerBox, w.three.answerBox})
                QCOMPARE(nameOf(box), problemIn(&w, box).spoken);
        };
        checkProblems();
        // The names follow the numbers through a new problem.
        press(w, "cmdReset");
        press(w, "cmdReset1");
        checkProblems();

        const std::pair<QLabel *, const char *> counts[] = {
            {w.two.correct, "number of right answers to the two-number problem"},
            {w.two.total, "number of two-number problems answered"},
            {w.two.percent, "percentage of right answers to the two-number problem"},
            {w.three.correct, "number of right answers to the three-number problem"},
            {w.three.total, "number of three-number problems answered"},
            {w.three.percent, "percentage of right answers to the three-number problem"},
        };
        w.show(); // a notice is heard only from a window on screen
        press(w, "cmdScore1");
        press(w, "cmdScore");
        for (const auto &[label, description] : counts) {
            QCOMPARE(descriptionOf(label), QString::fromLatin1(description));
            QCOMPARE(nameOf(label), label->text());
        }
        QCOMPARE(nameOf(w.two.total), "1");
        // Score leaves the focus where it is: its values are announced, by a notice that is gone
        // at once, not to be news again when its window shows again.
        QCOMPARE(m_heard.announced, QStringList(2, "You got 0 right out of 1: 0.00%"));
        QVERIFY(w.findChild<QWidget *>("notice")->isHidden());
        checkHeardOnce(&w);
    }

    void divisionTilesAndAnswerBox()
    {
        division::DivisionWindow w;
        w.Form_Load();
        QCOMPARE(nameOf(&w), "Division ");
        QCOMPARE(nameOf(w.two.operands[0]), w.two.operands[0]->text());
        QCOMPARE(descriptionOf(w.two.operands[0]), "number to divide");
        QCOMPARE(nameOf(w.two.operands[1]), w.two.operands[1]->text());
        QCOMPARE(descriptionOf(w.two.operands[1]), "number to divide by");
        QCOMPARE(nameOf(w.two.answerBox), problemIn(&w, w.two.answerBox).spoken);
        QVERIFY(descriptionOf(w.two.answerBox).contains("two decimal places"));
        QCOMPARE(descriptionOf(w.two.percent), "percentage of right answers");
        w.two.answerBox->setText(QStringLiteral("x"));
        press(w, "cmdAnswer");
        QCOMPARE(nameOf(w.two.picture), "wrong: frowning face");
        QCOMPARE(nameOf(w.two.correctAnswer), w.two.correctAnswer->text());
        checkHeardOnce(&w);
    }

    // Every box a learner types into answers a screen reader's questions about its text, digits
    // and all, as the caret moves by word (Ctrl+Left, Ctrl+Right): the answer boxes of each
    // window and the box that asks for a name as the score is saved.
    void textBoxesAnswerWhatTheirTextHolds()
    {
        // Qt's own answers never came for digits: SIGALRM ends a run that hangs.
        alarm(30);
        DrillWindow addition(Addition);
        DrillWindow subtraction(Subtraction);
        DrillWindow multiplication(Multiplication);
        division::DivisionWindow division;
        for (DrillWindow *w : {&addition, &subtraction, &multiplication}) {
            QCOMPARE(textFaults(w->two.answerBox), QStringList());
            QCOMPARE(textFaults(w->three.answerBox), QStringList());
        }
        QCOMPARE(textFaults(division.two.answerBox), QStringList());

        QStringList nameBoxFaults{"no name box"};
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (auto *name = box ? box->findChild<QLineEdit *>() : nullptr) {
                nameBoxFaults = textFaults(name);
                static_cast<QDialog *>(box)->reject();
            }
        });
        poll.start(20);
        toolkit::inputBox(&addition, "Please Enter Your Name", "Math Score", "Mia");
        QCOMPARE(nameBoxFaults, QStringList());
        alarm(0);
    }

    void feedbackPictureSaysTheVerdictAndTheFace_data()
    {
        QTest::addColumn<bool>("three");
        QTest::addColumn<QString>("rightFace");
        QTest::newRow("two numbers") << false << "smiling face";
        QTest::newRow("three numbers") << true << "laughing face";
    }
    void feedbackPictureSaysTheVerdictAndTheFace()
    {
        QFETCH(bool, three);
        QFETCH(QString, rightFace);
        DrillWindow w(Multiplication);
        w.Form_Load();
        w.show();
        const drills::ExerciseControls &side = three ? w.three : w.two;
        QLabel *picture = side.picture;
        const auto answer = [&](bool right) { answerProblem(w, side, right); };
        const auto reset = [&] { side.resetButton->click(); };
        answer(false); // Reset deals once the first problem is answered
        // The picture is named before it shows, so it is never heard with the last verdict.
        const NamesAt shown(picture, QEvent::Show);
        for (int i = 0; i < 5; ++i) {
            reset();
            answer(i > 0);
        }
        QCOMPARE(shown.names,
                 QStringList({"wrong: frowning face"}) + QStringList(4, "right: " + rightFace));

        // The fifth right answer: the faces take turns, and the picture keeps the name it took:
        // renamed at each tick, it would keep the accessibility bus busy as long as it runs.
        reset();
        answer(true);
        QCOMPARE(nameOf(picture), "right: the faces take turns");
        for (int i = 0; i < 10; ++i) {
            three ? (i % 2 ? tick(w, "Timer4") : tick(w, "Timer3"))
                  : (i % 2 ? tick(w, "Timer2") : tick(w, "Timer1"));
            QCOMPARE(nameOf(picture), "right: the faces take turns");
        }
        QVERIFY(side.praise->isVisible());
    }

    void everyWindowIsHeardOnce()
    {
        shell::mdiSumbrook main;
        main.showMaximized();
        for (const Drill *drill : integerDrills())
            checkHeardOnce(instanceOf(drill).show());
        checkHeardOnce(instanceOf(Division).show());
        auto *viewer = static_cast<scores::ScoreWindow *>(scores::frmScore().show());
        QCOMPARE(nameOf(viewer->txtScore), "scores");
        checkHeardOnce(viewer);

        // About opens as a dialog, which a screen reader reads whole: its texts of three words or
        // more, the version named with the title among them.
        auto *about = static_cast<about::AboutWindow *>(about::frmAbout().show());
        QCOMPARE(QAccessible::queryAccessibleInterface(about)->role(), QAccessible::Dialog);
        QCOMPARE(nameOf(about), "About Sumbrook");
        QCOMPARE(nameOf(about->lblVersion), "Sumbrook, Version 2.0.0");
        QCOMPARE(nameOf(about->cmdSysInfo), "System Info...");
        QCOMPARE(nameOf(control<QLabel>(*about, "picIcon")), "Sumbrook icon");
        QCOMPARE(QAccessible::queryAccessibleInterface(about)->indexOfChild(
                     QAccessible::queryAccessibleInterface(about->lblTitle)),
                 -1);
        checkHeardOnce(about);
    }

    void menusOpenEveryWindowFromTheKeyboard_data()
    {
        QTest::addColumn<bool>("f10");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        for (const bool f10 : {true, false}) {
            for (const Drill &drill : drilltable::Drills)
                QTest::addRow("%s %s", f10 ? "F10" : "Alt", drill.key)
                    << f10 << QString(drill.menuName) << QString(drill.name);
        }
    }
    void menusOpenEveryWindowFromTheKeyboard()
    {
        QFETCH(bool, f10);
        QFETCH(QString, item);
        QFETCH(QString, window);
        shell::mdiSumbrook main;
        QVERIFY(shownActive(main));
        // The frame becomes the active window again only after the menu has closed, after the box
        // took the focus: the screen reader is told once more that the focus is in the box, or it
        // rests on the frame and the arrow keys in the box are silent. What Qt tells while the
        // menu is open goes unheard.
        const QObject frameActive;
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, &frameActive, [this](QWindow *now) {
            if (now && now->type() != Qt::Popup)
                m_heard.focus.clear();
        });
        chooseByKeyboard(main, item, f10);
        QMdiSubWindow *active = main.mdiArea()->activeSubWindow();
        QVERIFY(active);
        QCOMPARE(active->widget()->objectName(), window);
        // The keyboard lands in the answer box, ready for typing.
        QTRY_VERIFY(qobject_cast<QLineEdit *>(focused()));
        QTRY_COMPARE(m_heard.focus, QList<QObject *>{focused()});

        // Ctrl+F4 closes the child, and the frame's menu comes back for the next window.
        press(Qt::Key_F4, Qt::ControlModifier);
        QTRY_VERIFY(main.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(main.menuBar()->actions().value(0)->text(), "Sumbrook");
    }

    // A learner who cannot see or use a mouse does a whole drill: every step by keys, each heard
    // from the control the focus lands on, from opening the drill to its Exit.
    void aWholeDrillByKeysAlone_data()
    {
        using Drill = DrillByKeys::Drill;
        QTest::addColumn<Drill>("drill");
        QTest::newRow("Addition") << Drill{&Addition, "txtAnswer", ", two numbers"};
        QTest::newRow("Subtraction") << Drill{&Subtraction, "txtNumber2", ", three numbers"};
        QTest::newRow("Multiplication") << Drill{&Multiplication, "txtNumber2", ", three numbers"};
        QTest::newRow("Division") << Drill{&Division, "txtAnswer", ""};
    }
    void aWholeDrillByKeysAlone()
    {
        QFETCH(DrillByKeys::Drill, drill);
        ScratchFolder folder;
        folder.enter();
        shell::mdiSumbrook main;
        QVERIFY(shownActive(main));
        DrillByKeys journey{main, m_heard.announced, drill};
        for (const auto step :
             {&DrillByKeys::openFromTheMenu, &DrillByKeys::answerWrongThenFiveRight,
              &DrillByKeys::scoreByTab, &DrillByKeys::saveTheScoreFromTheMenu,
              &DrillByKeys::viewTheScoresAndCloseThem, &DrillByKeys::exitByTab}) {
            (journey.*step)();
            if (QTest::currentTestFailed())
                break;
        }
        folder.leave();
    }

    // From the empty frame, F10 and Right reach About on the menu bar, and Enter opens it.
    void aboutOpensFromTheMenuBarByKeys()
    {
        shell::mdiSumbrook main;
        QVERIFY(shownActive(main));
        QTest::keyClick(&main, Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTRY_COMPARE(main.menuBar()->activeAction()->objectName(), "mnuAbout");
        QTRY_VERIFY(!QApplication::activePopupWidget());
        // The bar has the keyboard: Enter reaches it as a key does, where the focus is.
        QCOMPARE(focused(), main.menuBar());
        press(Qt::Key_Return);
        QTRY_VERIFY(about::frmAbout().isLoaded());
        QVERIFY(QTest::qWaitForWindowActive(about::frmAbout().form()));
        QTRY_COMPARE(nameOf(focused()), "OK");
        QCOMPARE(descriptionOf(focused()), "press Enter to close this window");
        press(Qt::Key_Escape);
        QTRY_VERIFY(!about::frmAbout().isLoaded());
    }

    // About's System Info is reached by Tab and pressed by Enter, not OK.
    void systemInfoByTabAndEnter()
    {
        const auto clearAnswers = qScopeGuard(&toolkit::dialogs::clearAnswers);
        toolkit::dialogs::answerNextMessage(QMessageBox::Ok);
        about::AboutWindow about(
            {std::make_unique<FakeRegistry>(), [](const QString &) { return false; }});
        about.Form_Load();
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        about.focusFirst();
        tabTo("System Info...");
        QCOMPARE(descriptionOf(focused()), "press Enter to start the system information tool");
        press(Qt::Key_Return);
        QCOMPARE(toolkit::dialogs::takeAnsweredBoxes().value(0).text,
                 "System Information Is Unavailable At This Time");
        QVERIFY(about.isVisible());
        press(Qt::Key_Escape);
        QTRY_VERIFY(!about.isVisible());
    }

    // Enter takes the next step of the exercise the learner is in, however the focus came there.
    void enterActsWhereTheLearnerIs()
    {
        shell::mdiSumbrook main;
        QVERIFY(shownActive(main));
        auto *w = static_cast<DrillWindow *>(instanceOf(Subtraction).show());
        // Subtraction opens in the three-number box: Enter there answers that exercise.
        QTRY_COMPARE(focused(), w->three.answerBox);
        QCOMPARE(defaultButton(*w), w->three.answerButton);

        // The two-number problem answered, the learner goes on to the other box and back.
        w->two.answerBox->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w->two.answerBox, problemIn(w, w->two.answerBox).answer);
        press(Qt::Key_Return);
        QCOMPARE(focused(), w->two.resetButton);
        tabTo(nameOf(w->three.answerBox));
        QCOMPARE(defaultButton(*w), w->three.answerButton);
        while (focused() != w->two.answerBox)
            press(Qt::Key_Tab);
        // Enter deals its next problem; the empty three-number box stays unanswered.
        QCOMPARE(defaultButton(*w), w->two.resetButton);
        press(Qt::Key_Return);
        QVERIFY(!w->three.resetButton->isEnabled()); // still unanswered
        QVERIFY(w->three.answerButton->isEnabled());
        QVERIFY(w->two.answerButton->isEnabled());
        QCOMPARE(focused(), w->two.answerBox);
    }

    // However a new problem is dealt after a right answer, the learner hears it: read as the box
    // takes the focus, or announced when the box keeps it.
    void everyNewProblemIsHeard_data()
    {
        QTest::addColumn<bool>("backInTheBox");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Enter on Reset") << false << "";
        QTest::newRow("Enter in the answered box") << true << "";
        QTest::newRow("typing, then Enter") << true << "4";
    }
    void everyNewProblemIsHeard()
    {
        QFETCH(bool, backInTheBox);
        QFETCH(QString, typed);
        shell::mdiSumbrook main;
        QVERIFY(shownActive(main));
        auto *w = static_cast<DrillWindow *>(instanceOf(Addition).show());
        QTRY_COMPARE(focused(), w->two.answerBox);
        QTest::keyClicks(w->two.answerBox, problemIn(w, w->two.answerBox).answer);
        press(Qt::Key_Return);
        QCOMPARE(focused(), w->two.resetButton);
        if (backInTheBox)
            press(Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClicks(focused(), typed);

        const NamesAt focusedAs(w->two.answerBox, QEvent::FocusIn);
        m_heard.announced.clear();
        press(Qt::Key_Return);
        QCOMPARE(focused(), w->two.answerBox);
        QVERIFY(w->two.answerButton->isEnabled() && w->two.answerBox->text().isEmpty());
        QCOMPARE(focusedAs.names + m_heard.announced,
                 QStringList{problemIn(w, w->two.answerBox).spoken});
    }

    // The menus are heard by what they do, whatever the design's spelling on screen.
    void menusAreHeardByTheirNames_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("item");
        QTest::newRow("Addition") << &Addition << " Score"
                                  << "Display Scores";
        QTest::newRow("Subtraction") << &Subtraction << "Score"
                                     << "Desplay Scores";
    }
    void menusAreHeardByTheirNames()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(QString, entry);
        QFETCH(QString, item);
        shell::mdiSumbrook main;
        main.showMaximized();
        QMenu *menu = instanceOf(drill).show()->menus().first();
        QCOMPARE(menu->title(), entry);
        QCOMPARE(menu->actions().at(1)->text(), item);

        // As the bar presents its entry, and the entry its list.
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(menu->menuAction());
        QCOMPARE(heard->parent()->object(), main.menuBar());
        QCOMPARE(heard->text(QAccessible::Name), "Score");
        QCOMPARE(heard->child(0)->child(1)->text(QAccessible::Name), "Display Scores");
    }

    // The viewer takes the focus holding its file's text, so it is read once, whole; an empty one
    // says it is empty.
    void theViewerIsReadOnceAsItOpens()
    {
        ScratchFolder folder;
        folder.enter();
        writeFile("Add.txt", "\"Dav On the Day of 12/06/26 Got A 80.00%\"\r\n\"\r\n");
        shell::mdiSumbrook main;
        QVERIFY(shownActive(main));
        // What the box holds each time it takes the focus, as a screen reader reads it.
        struct Reading : QObject
        {
            QStringList heard;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (auto *box = qobject_cast<QPlainTextEdit *>(watched);
                    box && event->type() == QEvent::FocusIn)
                    heard << nameOf(box) + ": " + box->toPlainText().left(3);
                return false;
            }
        } reading;
        qApp->installEventFilter(&reading);
        for (const char *file : {"Add.txt", "Sub.txt"}) {
            scores::displayScores(file);
            QTRY_VERIFY(qobject_cast<QPlainTextEdit *>(focused()));
            scores::frmScore().unload();
            QTRY_VERIFY(!scores::frmScore().isLoaded());
        }
        qApp->removeEventFilter(&reading);
        const QStringList &heard = reading.heard;
        QCOMPARE(heard, QStringList({"scores: \"Da", "scores, none saved yet: "}));
        folder.leave();
    }

    // After praise, a save, a viewer of an unsaved file and About, the tree a screen reader walks
    // holds nothing hidden and nothing said elsewhere: no face, fragment, praise, lead-in, file
    // name, second title or old notice.
    void nothingIsExposedThatTellsNothing()
    {
        ScratchFolder folder;
        folder.enter();
        shell::mdiSumbrook main;
        main.showMaximized();
        auto *w = static_cast<DrillWindow *>(instanceOf(Addition).show());
        answerProblems(*w, w->two, 4);
        answerProblem(*w, w->two);
        for (int ticks = 0; ticks < 4 && !w->two.praise->isVisible(); ++ticks)
            tick(*w, "Timer1");
        QVERIFY(w->two.praise->isVisible());
        typeIntoNextBox("Dav");
        saveScoreItem(*w)->trigger();
        scores::displayScores("Divide.txt");
        about::frmAbout().show();

        QStringList noise;
        QStringList told{"You got ",
                         "Questions Giving you a ",
                         "Out of ",
                         "You are good.",
                         "The Correct Answer is ",
                         "Divide.txt",
                         "Saved for Dav. Your count starts again."};
        // A menu is hidden until it opens.
        const std::function<void(QAccessibleInterface *, int)> walk =
            [&](QAccessibleInterface *node, int depth) {
                auto *widget = qobject_cast<QWidget *>(node->object());
                if ((widget && !widget->isVisible() && !qobject_cast<QMenu *>(widget)) ||
                    told.contains(node->text(QAccessible::Name)))
                    noise << node->object()->objectName() + ": " + node->text(QAccessible::Name);
                for (int i = 0; depth < 12 && i < node->childCount(); ++i)
                    walk(node->child(i), depth + 1);
            };
        walk(QAccessible::queryAccessibleInterface(&main), 0);
        told << "Sumbrook"; // About's title says it
        walk(QAccessible::queryAccessibleInterface(about::frmAbout().form()), 0);
        QVERIFY2(noise.isEmpty(), qPrintable(noise.join(", ")));
        folder.leave();
    }

private:
    Heard m_heard;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
