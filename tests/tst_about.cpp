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

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    // The first location's value is started as read, with no look for the file: a string as it
    // is, its terminating zero dropped; a 32-bit number as "&h" and its bytes' hex codes, last
    // first; another type as nothing. A value too long for the lookup, an empty one or none ends
    // in the message. Every key opened is closed again.
    void systemInfoStartsWhatTheRegistryNames_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("started"); // the message shows when nothing is
        const QString info = QString::fromStdString(InfoKey);
        const QByteArray path = "C:\\Tools\\info.exe", longest(1023, 'a');
        QTest::newRow("a string and its zero")
            << info << "PATH" << TypeString << path + '\0' << QStringList{path};
        QTest::newRow("a string without a zero")
            << info << "PATH" << TypeString << path << QStringList{path};
        QTest::newRow("1023 characters and a zero")
            << info << "PATH" << TypeString << longest + '\0' << QStringList{longest};
        QTest::newRow("1024 characters and a zero")
            << info << "PATH" << TypeString << longest + "a" + '\0' << QStringList();
        QTest::newRow("a number") << info << "PATH" << TypeNumber
                                  << QByteArray("\x0A\x00\x2B\x01", 4) << QStringList{"&h12B0A"};
        QTest::newRow("another type") << info << "PATH" << 3u << path << QStringList{""};
        QTest::newRow("an empty string")
            << info << "PATH" << TypeString << QByteArray() << QStringList();
        QTest::newRow("another value") << info << "MSINFO" << TypeString << path << QStringList();
        QTest::newRow("another key") << "SOFTWARE\\Microsoft\\Shared Tools"
                                     << "PATH" << TypeString << path << QStringList();
    }
    void systemInfoStartsWhatTheRegistryNames()
    {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(QStringList, started);
        Services services;
        services.registry->setValue(key.toStdString(), name.toStdString(), type,
                                    {data.begin(), data.end()});
        AboutWindow w(services.forWindow());
        press(w, "cmdSysInfo");
        QCOMPARE(services.started, started);
        QCOMPARE(services.messages(), started.isEmpty() ? QStringList{Unavailable} : QStringList());
        QCOMPARE(services.registry->openKeys(), 0);
    }

    // The second location names a folder, which counts only when it holds the program file.
    void theSecondLocationNeedsTheProgramFile()
    {
        QTemporaryDir folder;
        const QString registryFolder = QString(folder.path()).replace('/', '\\');
        Services services;
        services.registry->setString(LocationKey, "MSINFO", registryFolder.toStdString(), false);
        AboutWindow w(services.forWindow());
        press(w, "cmdSysInfo");
        QCOMPARE(services.messages(), QStringList{Unavailable});
        QVERIFY(services.started.isEmpty());

        QFile program(folder.filePath("MSINFO32.EXE"));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();
        press(w, "cmdSysInfo");
        QCOMPARE(services.started, QStringList{registryFolder + "\\MSINFO32.EXE"});
        QCOMPARE(services.messages().size(), 1);

        // A folder of that name is no program file.
        QVERIFY(program.remove());
        QVERIFY(QDir(folder.path()).mkdir("MSINFO32.EXE"));
        press(w, "cmdSysInfo");
        QCOMPARE(services.messages().size(), 2);
        QCOMPARE(services.registry->openKeys(), 0);
    }

    void aStartThatFailsShowsTheMessage()
    {
        Services services;
        services.registry->setString(InfoKey, "PATH", "/nowhere/info");
        services.startSucceeds = false;
        AboutWindow w(services.forWindow());
        press(w, "cmdSysInfo");
        QCOMPARE(services.started, QStringList{"/nowhere/info"});
        QCOMPARE(services.messages(), QStringList{Unavailable});
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
        press(found, "cmdSysInfo");
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(toolkit::dialogs::pendingAnswers(), 1); // no message

        // With none of the programs on the path the message is shown.
        qputenv("PATH", bin.filePath("empty").toUtf8());
        AboutWindow none;
        press(none, "cmdSysInfo");
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
        // The separator is etched: grey over white.
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QImage image = w->grab().toImage();
        QCOMPARE(image.pixelColor(w->width() / 2, 2445 / 15), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(w->width() / 2, 2460 / 15), QColor(Qt::white));
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
