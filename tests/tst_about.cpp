// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window and the lookup of the system information tool, on a fake registry, on the
// stand-in registry with a real program started, and on the real dialog.
#include "about/aboutwindow.h"
#include "controls.h"
#include "fakeregistry.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/look/appearance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace about;

namespace {

const std::string InfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string LocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Fakes for the lookup, handed to the window of one test, and answers for its message boxes.
class Services
{
public:
    Services()
    {
        for (int box = 0; box < 3; ++box)
            toolkit::dialogs::answerNextMessage(QMessageBox::Ok);
    }
    ~Services() { toolkit::dialogs::clearAnswers(); }

    // The fake registry, and a start that notes the program and fails when told to.
    SystemInfoServices forWindow()
    {
        return {std::move(m_registry), [this](const QString &program) {
                    started << program;
                    return startSucceeds;
                }};
    }

    // The messages shown so far, each as its title and text.
    const QStringList &messages()
    {
        for (const auto &box : toolkit::dialogs::takeAnsweredBoxes())
            m_messages << box.title + ": " + box.text;
        return m_messages;
    }

private:
    std::unique_ptr<FakeRegistry> m_registry = std::make_unique<FakeRegistry>();

public:
    FakeRegistry *const registry = m_registry.get(); // the window's once handed over
    QStringList started;
    bool startSucceeds = true;

private:
    QStringList m_messages;
};

const QString Unavailable = "Sumbrook: System Information Is Unavailable At This Time";

std::vector<unsigned char> bytes(const std::string &text)
{
    return {text.begin(), text.end()};
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    void theFirstLocationStartsWithoutAFileTest()
    {
        Services services;
        services.registry->setString(InfoKey, "PATH", "C:\\Tools\\info.exe");
        AboutWindow w(services.forWindow());
        w.StartSysInfo();
        QCOMPARE(services.started, QStringList{"C:\\Tools\\info.exe"});
        QVERIFY(services.messages().isEmpty());
        QCOMPARE(services.registry->openKeys(), 0);
    }

    void theSecondLocationNeedsTheProgramFile()
    {
        QTemporaryDir folder;
        const QString registryFolder = QString(folder.path()).replace('/', '\\');
        Services services;
        services.registry->setString(LocationKey, "MSINFO", registryFolder.toStdString());
        AboutWindow w(services.forWindow());
        w.StartSysInfo();
        QCOMPARE(services.messages(), QStringList{Unavailable});
        QVERIFY(services.started.isEmpty());

        QFile program(folder.filePath("MSINFO32.EXE"));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();
        w.StartSysInfo();
        QCOMPARE(services.started, QStringList{registryFolder + "\\MSINFO32.EXE"});
        QCOMPARE(services.messages().size(), 1);

        // A folder of that name is no program file.
        QVERIFY(program.remove());
        QVERIFY(QDir(folder.path()).mkdir("MSINFO32.EXE"));
        w.StartSysInfo();
        QCOMPARE(services.messages().size(), 2);
    }

    void neitherLocationShowsTheMessage()
    {
        Services services;
        AboutWindow w(services.forWindow());
        w.StartSysInfo();
        QCOMPARE(services.messages(), QStringList{Unavailable});
        QVERIFY(services.started.isEmpty());
    }

    void aStartThatFailsShowsTheMessage()
    {
        Services services;
        services.registry->setString(InfoKey, "PATH", "/nowhere/info");
        services.startSucceeds = false;
        AboutWindow w(services.forWindow());
        w.StartSysInfo();
        QCOMPARE(services.started.size(), 1);
        QCOMPARE(services.messages(), QStringList{Unavailable});
    }

    void readsStringsWithOrWithoutTheirZero()
    {
        Services services;
        services.registry->setString(InfoKey, "PATH", "C:\\info.exe", true);
        services.registry->setString(LocationKey, "MSINFO", "C:\\info.exe", false);
        AboutWindow w(services.forWindow());
        QString first, second;
        QCOMPARE(w.GetKeyValue(LocalMachine, QString::fromStdString(InfoKey), "PATH", first),
                 qint16(-1));
        QCOMPARE(w.GetKeyValue(LocalMachine, QString::fromStdString(LocationKey), "MSINFO", second),
                 qint16(-1));
        QCOMPARE(first, "C:\\info.exe");
        QCOMPARE(second, first);
        QCOMPARE(services.registry->openKeys(), 0);
    }

    void valuesThatDoNotFit_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("read");
        QTest::newRow("1023 and a zero") << 1023 << true;
        QTest::newRow("1024 and a zero") << 1024 << false;
    }
    void valuesThatDoNotFit()
    {
        QFETCH(int, length);
        QFETCH(bool, read);
        Services services;
        services.registry->setString(InfoKey, "PATH", std::string(length, 'a'));
        AboutWindow w(services.forWindow());
        QString value = "before";
        QCOMPARE(w.GetKeyValue(LocalMachine, QString::fromStdString(InfoKey), "PATH", value),
                 qint16(read ? -1 : 0));
        QCOMPARE(value.size(), read ? length : 0);
        QCOMPARE(services.registry->openKeys(), 0);
    }

    void numbersAndOtherTypes()
    {
        Services services;
        services.registry->setValue(InfoKey, "NUMBER", TypeNumber, {0x0A, 0x00, 0x2B, 0x01});
        services.registry->setValue(InfoKey, "BINARY", 3, bytes("\x01\x02"));
        AboutWindow w(services.forWindow());
        QString number = "x";
        QCOMPARE(w.GetKeyValue(LocalMachine, QString::fromStdString(InfoKey), "NUMBER", number),
                 qint16(-1));
        // Characters from the last to the first in upper-case hex, after the text on entry.
        QCOMPARE(number, "&hx12B0A");
        QString binary = "kept";
        QCOMPARE(w.GetKeyValue(LocalMachine, QString::fromStdString(InfoKey), "BINARY", binary),
                 qint16(-1));
        QCOMPARE(binary, "kept");
    }

    void anotherTypeLeavesAnEmptyPathThatFailsToStart()
    {
        Services services;
        services.registry->setValue(InfoKey, "PATH", 3, bytes("C:\\info.exe"));
        services.startSucceeds = false;
        AboutWindow w(services.forWindow());
        w.StartSysInfo();
        QCOMPARE(services.started, QStringList{QString()});
        QCOMPARE(services.messages(), QStringList{Unavailable});
    }

    void anEmptyReadEndsInTheMessage()
    {
        Services services;
        services.registry->setValue(InfoKey, "PATH", TypeString, {});
        AboutWindow w(services.forWindow());
        w.StartSysInfo();
        QVERIFY(services.started.isEmpty());
        QCOMPARE(services.messages(), QStringList{Unavailable});
        QCOMPARE(services.registry->openKeys(), 0);
    }

    void theStandInStartsAProgramFoundOnPath()
    {
        QTemporaryDir bin;
        const QString marker = bin.filePath("started");
        QFile script(bin.filePath("kinfocenter"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // The window's own services, which look for the program as the window is made.
        const QByteArray savedPath = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });
        const auto clearAnswers = qScopeGuard(&toolkit::dialogs::clearAnswers);
        qputenv("PATH", bin.path().toUtf8() + ":" + savedPath);
        toolkit::dialogs::answerNextMessage(QMessageBox::Ok);
        AboutWindow found;
        found.StartSysInfo();
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(toolkit::dialogs::pendingAnswers(), 1); // no message

        // With none of the programs on the path the message is shown.
        qputenv("PATH", bin.filePath("empty").toUtf8());
        AboutWindow none;
        none.StartSysInfo();
        const auto boxes = toolkit::dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, "System Information Is Unavailable At This Time");
    }

    void findsTheFirstProgramOfTheList()
    {
        QTemporaryDir one, two, three;
        const std::pair<QTemporaryDir *, QString> tools[] = {
            {&one, "gnome-system-monitor"}, {&two, "hardinfo"}, {&three, "kinfocenter"}};
        for (const auto &[dir, name] : tools) {
            QFile f(dir->filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            f.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            // Each tool the package suggests is found on its own.
            QCOMPARE(systemInfoProgram({dir->path()}), f.fileName());
        }
        QCOMPARE(systemInfoProgram({one.path(), two.path()}), two.filePath("hardinfo"));
        QVERIFY(systemInfoProgram({one.filePath("empty")}).isEmpty());
    }

    void theSeparatorIsEtchedGreyOverWhite()
    {
        auto *w = static_cast<AboutWindow *>(frmAbout().show());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QImage image = w->grab().toImage();
        const int x = w->width() / 2;
        QCOMPARE(image.pixelColor(x, 2445 / 15), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(x, 2460 / 15), QColor(Qt::white));
        frmAbout().unload();
        QTRY_VERIFY(!frmAbout().isLoaded());
    }

    void theDialogAfterLoad()
    {
        AboutWindow *w = static_cast<AboutWindow *>(frmAbout().show());
        QCOMPARE(w->objectName(), "frmAbout");
        QCOMPARE(w->windowTitle(), "About Sumbrook");
        QCOMPARE(w->lblTitle->text(), "Sumbrook");
        QCOMPARE(w->lblVersion->text(), "Version 2.0.0");
        QCOMPARE(w->lblVersion->size(), w->lblVersion->sizeHint());
        QCOMPARE(w->size(), QSize(382, 237));
        QCOMPARE(w->geometry().topLeft(), QPoint(156, 129));
        QVERIFY(w->parentWidget() == nullptr);
        QVERIFY(
            !(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(control<QLabel>(*w, "Label1")->text().startsWith("Please send any comments to  "));
        QVERIFY(!control<QLabel>(*w, "picIcon")->pixmap().isNull());
        QCOMPARE(w->cmdSysInfo->text(), "&System Info...");
        QCOMPARE(frmAbout().show(), w); // only activates
        frmAbout().unload();
        QTRY_VERIFY(!frmAbout().isLoaded());
    }

    void okEnterAndEscClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("click OK") << 0;
    }
    void okEnterAndEscClose()
    {
        QFETCH(int, key);
        QPointer<AboutWindow> w = static_cast<AboutWindow *>(frmAbout().show());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->lblTitle->setText("changed");
        if (key)
            QTest::keyClick(w->cmdOK, Qt::Key(key));
        else
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
        // Reopening runs the load again.
        auto *again = static_cast<AboutWindow *>(frmAbout().show());
        QCOMPARE(again->lblTitle->text(), "Sumbrook");
        frmAbout().unload();
        QTRY_VERIFY(!frmAbout().isLoaded());
    }

    void outlivesTheMainWindow()
    {
        auto *main = new shell::mdiSumbrook;
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->show();
        main->findChild<QAction *>("mnuAbout")->trigger();
        QVERIFY(frmAbout().isLoaded());
        bool aboutOutlivedTheFrame = false;
        QTimer::singleShot(0, main, &QWidget::close);
        QTimer::singleShot(200, qApp, [&] {
            aboutOutlivedTheFrame = frmAbout().isLoaded() && frmAbout().form()->isVisible();
            frmAbout().unload();
        });
        QTimer::singleShot(5000, qApp, &QCoreApplication::quit); // only if closing would not end it
        QElapsedTimer running;
        running.start();
        qApp->exec();
        QVERIFY(aboutOutlivedTheFrame);
        QVERIFY(running.elapsed() < 4000);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
