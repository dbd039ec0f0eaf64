// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A class at work: the score folder chosen, a learner picking their name and saving without
// typing, and the Class window changing the class, or showing it only, with the reason.
#include "controls.h"
#include "filecheck.h"

#include "classroom/classfile.h"
#include "classroom/classwindow.h"
#include "classroom/practising.h"
#include "drilltable/drills.h"
#include "drilltable/levels.h"
#include "scores/scorefolder.h"
#include "scores/scorerecord.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace classroom;

namespace {

const QByteArray ClassText = "[class]\nsubtraction=within-20\n[learners]\nsize=3\n1\\name=Mia\n"
                             "1\\addition=sums-to-10\n2\\name=Noah\n3\\name=Ay\xc5\x9f"
                             "e\n";

// The chooser asking who is practising, once it shows.
WhoIsPractising *shownChooser()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *asking = qobject_cast<WhoIsPractising *>(top); asking && asking->isVisible())
            return asking;
    }
    return nullptr;
}

// Types into the field that has the focus, in place of what it held, and Enter.
void typeOver(const QString &text)
{
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QApplication::focusWidget()->setProperty("text", QString());
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

class TestClassroom : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder.enter();
        m_path = QDir::currentPath();
        writeFile(ClassFileName, ClassText);
        QCOMPARE(::chmod(ClassFileName, 0644), 0);
        scores::useScoreFolder(scores::chooseScoreFolder(m_path));
    }
    void cleanup()
    {
        classroom::setCurrentClass({});
        classroom::practise({});
        toolkit::dialogs::clearAnswers();
        m_folder.leave();
    }

    // --folder first, then the administrator's setting, then the folder started in; one that is
    // missing or may not be written is said, and no score is saved anywhere else.
    void theScoreFolderIsChosenAndKept_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("refusal");
        const char *missing = "The score folder \"%1\" does not exist: no score can be saved.";
        const char *locked = "The score folder \"%1\" cannot be written: no score can be saved.";
        for (const auto &[tag, given, system, chosen, refusal] :
             std::initializer_list<std::array<const char *, 5>>{
                 {"given", "class", "elsewhere", "class", ""},
                 {"system-wide", "", "class", "class", ""},
                 {"started in", "", "", ".", ""},
                 {"missing", "gone", "", "gone", missing},
                 {"read-only", "locked", "", "locked", locked}}) {
            if (refusal != locked || ::geteuid() != 0) // root may write anything
                QTest::newRow(tag) << given << system << chosen << refusal;
        }
    }
    void theScoreFolderIsChosenAndKept()
    {
        QFETCH(QString, given);
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        QFETCH(QString, refusal);
        QDir().mkdir("class");
        QDir().mkdir("locked");
        QFile::setPermissions("locked", QFile::ReadOwner | QFile::ExeOwner);
        QDir().mkpath("etc/Sumbrook");
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName("/nowhere:" + m_path + "/etc"));
        const auto unset = qScopeGuard([] { qunsetenv("XDG_CONFIG_DIRS"); });
        if (!system.isEmpty()) {
            QSettings setting(m_path + "/etc/Sumbrook/Sumbrook.conf", QSettings::IniFormat);
            setting.setValue("folder", m_path + '/' + system);
        }
        const scores::ScoreFolder folder = scores::chooseScoreFolder(given);
        const QString path = QDir::cleanPath(m_path + '/' + chosen);
        QCOMPARE(folder.path, path);
        QCOMPARE(folder.refusal, refusal.isEmpty() ? QString() : refusal.arg(path));
        scores::useScoreFolder(folder);
        if (refusal.isEmpty())
            toolkit::dialogs::answerNextInput("Mia");
        else
            toolkit::dialogs::answerNextMessage(QMessageBox::Ok);
        const bool saved = scores::saveScore(nullptr, drilltable::drill("addition").scores, {});
        QCOMPARE(saved, refusal.isEmpty());
        QVERIFY(QFile::exists(m_path + "/Add.txt") == (saved && chosen == "."));
        QCOMPARE(QFile::exists(path + "/Add.txt"), saved);
        const auto boxes = toolkit::dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 1);
        if (!saved) // said instead of asking for the name
            QCOMPARE(boxes.first().text, folder.refusal);
        QFile::setPermissions("locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir::setCurrent(m_path);
    }

    // Mia picks her button, deals at her level, and Enter alone saves her score: the record is
    // the one the program always wrote.
    void aLearnerPicksTheirNameAndSavesWithoutTyping()
    {
        // The question comes alone: the main window is built once it is answered.
        std::unique_ptr<shell::mdiSumbrook> started;
        shell::startPractising([&](const QString &learner) {
            started = std::make_unique<shell::mdiSumbrook>();
            started->showPractising(learner);
            started->show();
        });
        QVERIFY(!started);
        QTRY_VERIFY(shownChooser());
        WhoIsPractising *chooser = shownChooser();
        QStringList names, pictures;
        for (int i = 0; i < 3; ++i) {
            auto *button = control<QPushButton>(*chooser, QStringLiteral("cmdLearner(%1)").arg(i));
            names << button->accessibleName();
            pictures << button->accessibleDescription();
            QVERIFY(!button->icon().isNull());
            QVERIFY(button->height() >= 72);
        }
        QCOMPARE(names, QStringList({"Mia", "Noah", "Ayşe"}));
        QCOMPARE(QSet<QString>(pictures.begin(), pictures.end()).size(), 3); // told apart
        QCOMPARE(control<QPushButton>(*chooser, "cmdSomeoneElse")->text(), "Someone else");
        QVERIFY(QTest::qWaitForWindowActive(chooser));
        QTRY_COMPARE(QApplication::focusWidget(), control<QPushButton>(*chooser, "cmdLearner(0)"));
        // The arrows go along and across the buttons, never out of them; Enter picks.
        for (const auto &[key, to] : {std::pair{Qt::Key_Left, "cmdLearner(0)"},
                                      {Qt::Key_Right, "cmdLearner(1)"},
                                      {Qt::Key_Down, "cmdSomeoneElse"},
                                      {Qt::Key_Down, "cmdSomeoneElse"},
                                      {Qt::Key_Up, "cmdLearner(0)"},
                                      {Qt::Key_End, "cmdSomeoneElse"},
                                      {Qt::Key_Home, "cmdLearner(0)"}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget()->objectName(), to);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(started);
        shell::mdiSumbrook &main = *started;
        QCOMPARE(main.windowTitle(), "Sumbrook - Mia");

        menuItem(main, "mnuitemAddition")->trigger();
        QWidget *addition = main.mdiArea()->currentSubWindow()->widget();
        QCOMPARE(addition->windowTitle(), "Addition (Sums to 10)");
        menuItem(main, "mnuItemSubtraction")->trigger();
        QCOMPARE(main.mdiArea()->currentSubWindow()->widget()->windowTitle(),
                 "Subtraction (Within 20)");
        main.mdiArea()->setActiveSubWindow(main.mdiArea()->subWindowList().first());

        QString offered, chosen;
        whenModal([&](QWidget *box) {
            auto *field = box->findChild<QLineEdit *>();
            offered = field->text();
            chosen = field->selectedText();
            QTest::keyClick(field, Qt::Key_Return);
        });
        menuItem(*addition, "mnuitemSaveScore")->trigger();
        QCOMPARE(offered, "Mia");
        QCOMPARE(chosen, "Mia");
        QFile scores("Add.txt");
        QVERIFY(scores.open(QIODevice::ReadOnly));
        QVERIFY(scores.readAll().startsWith("\"Mia On the Day of "));

        // Esc answers nothing: Mia goes on practising.
        whenModal([](QWidget *box) { QTest::keyClick(box, Qt::Key_Escape); });
        menuItem(main, "mnuItemChangeLearner")->trigger();
        QTRY_VERIFY(!main.findChild<WhoIsPractising *>("frmWhoIsPractising"));
        QVERIFY(main.windowTitle().startsWith("Sumbrook - Mia - "));

        // Another child takes a turn: someone else types their name and practises as designed,
        // from the open window's next problem on.
        whenModal([](QWidget *box) { control<QPushButton>(*box, "cmdSomeoneElse")->click(); });
        menuItem(main, "mnuItemChangeLearner")->trigger();
        QTRY_VERIFY(!main.windowTitle().contains("Mia"));
        QVERIFY(drilltable::levelInForce("addition").isDesigned());
        QCOMPARE(drilltable::levelInForce("subtraction").name(), "within-20");
        QTest::mouseClick(control<QPushButton>(*addition, "cmdAnswer"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(*addition, "cmdReset"), Qt::LeftButton);
        QCOMPARE(addition->windowTitle(), "Addition");
        main.mdiArea()->closeAllSubWindows();
    }

    // The teacher adds a learner, renames one and sets levels; the file keeps all, dated.
    void theTeacherChangesTheClass()
    {
        classroom::loadClass();
        shell::mdiSumbrook main;
        main.show();
        menuItem(main, "mnuItemClass")->trigger();
        QWidget *window = main.mdiArea()->currentSubWindow()->widget();
        QCOMPARE(window->objectName(), "frmClass");
        auto *grid = control<QTableWidget>(*window, "grdClass");
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->item(1, 0)->text(), "Mia");

        control<QPushButton>(*window, "cmdAdd")->click();
        typeOver("Zoe");
        QTRY_COMPARE(grid->item(4, 0)->text(), "Zoe");
        auto *level = control<QComboBox>(*window, "cboLevel(4,multiplication)");
        level->setCurrentIndex(level->findData("tables-2-5-10"));

        grid->setCurrentCell(1, 0);
        grid->editItem(grid->item(1, 0));
        typeOver("Mia K.");
        QTRY_COMPARE(grid->item(1, 0)->text(), "Mia K.");
        control<QPushButton>(*window, "cmdSave")->click();
        QVERIFY2(control<QLabel>(*window, "lblClass")->text().startsWith("The class is saved"),
                 qPrintable(control<QLabel>(*window, "lblClass")->text()));

        const ClassFile saved = readClassFile(m_path);
        QVERIFY(saved.honoured);
        const Learner &zoe = saved.list.learners.last();
        QCOMPARE(zoe.name, "Zoe");
        QCOMPARE(saved.list.levelOf(zoe, "multiplication"), "tables-2-5-10");
        QCOMPARE(saved.list.learners.first().formerNames, QStringList{"Mia"});
        QCOMPARE(saved.list.renames, (QList<Rename>{{"Mia", "Mia K."}}));
        QCOMPARE(saved.list.history, (QList<LevelChange>{{QDate::currentDate(), "Zoe",
                                                          "multiplication", "tables-2-5-10"}}));
        // The next chooser shows Zoe.
        askWhoIsPractising(nullptr, [](const QString &) {});
        WhoIsPractising *chooser = shownChooser();
        QVERIFY(chooser);
        QCOMPARE(control<QPushButton>(
                     *chooser, QStringLiteral("cmdLearner(%1)").arg(saved.list.learners.size() - 1))
                     ->accessibleName(),
                 "Zoe");
        chooser->reject();

        // Removing asks first; a class changed and not saved is asked about on closing, by Esc
        // or the close box: Cancel keeps the window, No forgets the changes.
        const auto remove = [&](QMessageBox::StandardButton answer) {
            grid->setCurrentCell(2, 0);
            toolkit::dialogs::answerNextMessage(answer);
            control<QPushButton>(*window, "cmdRemove")->click();
        };
        remove(QMessageBox::No);
        QCOMPARE(grid->item(2, 0)->text(), "Noah");
        remove(QMessageBox::Yes);
        QCOMPARE(grid->item(2, 0)->text(), "Ayşe");
        toolkit::dialogs::answerNextMessage(QMessageBox::Cancel);
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(window->isVisible());
        toolkit::dialogs::answerNextMessage(QMessageBox::No);
        main.mdiArea()->currentSubWindow()->close();
        QTRY_VERIFY(!frmClass().isLoaded());
        QCOMPARE(readClassFile(m_path).list, saved.list);

        // Yes saves on closing; a file changed elsewhere meanwhile is not saved over, and the
        // class as it is now is offered.
        menuItem(main, "mnuItemClass")->trigger();
        window = main.mdiArea()->currentSubWindow()->widget();
        grid = control<QTableWidget>(*window, "grdClass");
        remove(QMessageBox::Yes);
        QFile appended(ClassFileName);
        QVERIFY(appended.open(QIODevice::Append));
        appended.write("5\\name=Lea\n");
        appended.close();
        toolkit::dialogs::answerNextMessage(QMessageBox::Yes); // save
        toolkit::dialogs::answerNextMessage(QMessageBox::Yes); // show the class as it is now
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QVERIFY(bytesOf(ClassFileName).endsWith("5\\name=Lea\n"));
        QCOMPARE(grid->rowCount(), readClassFile(m_path).list.learners.size() + 1);
        QCOMPARE(grid->item(2, 0)->text(), "Noah");
        main.mdiArea()->closeAllSubWindows();
        QVERIFY(main.mdiArea()->subWindowList().isEmpty()); // nothing changed since: not asked
    }

    // A pupil sees the class, and why they may not change it.
    void aPupilOnlySeesTheClass()
    {
        if (::geteuid() != 0)
            QSKIP("Files of other accounts are made by root");
        QCOMPARE(::chown(".", Teacher, Teacher), 0);
        QCOMPARE(::chown(ClassFileName, Teacher, Teacher), 0);
        shell::mdiSumbrook main;
        main.show();
        menuItem(main, "mnuItemClass")->trigger();
        QWidget *window = main.mdiArea()->currentSubWindow()->widget();
        QCOMPARE(control<QLabel>(*window, "lblClass")->text(),
                 "You can see the class but not change it. Only the folder's owner (4242) can "
                 "change the class.");
        for (const char *name : {"cmdAdd", "cmdRemove", "cmdUp", "cmdDown", "cmdSave"})
            QVERIFY(!control<QPushButton>(*window, name)->isEnabled());
        QVERIFY(!control<QComboBox>(*window, "cboLevel(1,addition)")->isEnabled());
        QCOMPARE(control<QTableWidget>(*window, "grdClass")->editTriggers(),
                 QAbstractItemView::NoEditTriggers);
        main.mdiArea()->closeAllSubWindows();
    }

private:
    ScratchFolder m_folder;
    QString m_path;
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
