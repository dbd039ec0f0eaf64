// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutwindow.h"

#include "toolkit/application.h"
#include "toolkit/forms/dialogs.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace about {

using namespace toolkit;

namespace {

constexpr char ProgramFile[] = "\\MSINFO32.EXE";

bool plainFileExists(const QString &path)
{
    const QFileInfo info(nativePath(path));
    return info.isFile() && !info.isHidden();
}

} // namespace

std::unique_ptr<Registry> systemRegistry()
{
#ifdef Q_OS_WIN
    return windowsRegistry();
#else
    return standInRegistry(systemInfoProgram().toLocal8Bit().toStdString());
#endif
}

QString systemInfoProgram(const QStringList &folders)
{
    for (const char *program :
         {"hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(program), folders);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool startProgram(const QString &program)
{
    return QProcess::startDetached(nativePath(program), {});
}

QString nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return path;
#else
    return QString(path).replace(u'\\', u'/');
#endif
}

void AboutWindow::Form_Load()
{
    const QString title = QString::fromLatin1(ApplicationTitle);
    setWindowTitle(tr("About %1").arg(title));
    setAccessibleName(windowTitle());
    lblVersion->setText(
        tr("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
    lblVersion->adjustSize();
    // A screen reader reads a dialog's texts of three words or more as it opens: named with the
    // title, the version is one of them.
    lblVersion->setAccessibleName(tr("%1, %2", "the title, then the version, read aloud together")
                                      .arg(title, lblVersion->text()));
    lblTitle->setText(title);
    lblTitle->adjustSize();
}

void AboutWindow::cmdOK_Click()
{
    unload();
}

void AboutWindow::cmdSysInfo_Click()
{
    StartSysInfo();
}

void AboutWindow::StartSysInfo()
{
    try {
        QString SysInfoPath;
        bool found = GetKeyValue(LocalMachine, gREGKEYSYSINFO, gREGVALSYSINFO, SysInfoPath);
        if (!found &&
            GetKeyValue(LocalMachine, gREGKEYSYSINFOLOC, gREGVALSYSINFOLOC, SysInfoPath) &&
            plainFileExists(SysInfoPath + ProgramFile)) {
            SysInfoPath += ProgramFile;
            found = true;
        }
        if (found && m_services.start(SysInfoPath))
            return;
    } catch (const LookupFailed &) {
    }
    m_boxes.message(this, tr("System Information Is Unavailable At This Time"),
                    QString::fromLatin1(ApplicationTitle));
}

qint16 AboutWindow::GetKeyValue(RegKey KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                                QString &KeyVal)
{
    // The registry takes and gives text in the system's 8-bit code page.
    std::string value = KeyVal.toLocal8Bit().toStdString();
    const bool read =
        getKeyValue(*m_services.registry, KeyRoot, KeyName.toLocal8Bit().toStdString(),
                    SubKeyRef.toLocal8Bit().toStdString(), value);
    KeyVal = QString::fromLocal8Bit(value);
    return read ? -1 : 0;
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    // OK is the window's cancel button as well.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    Form::keyPressEvent(event);
}

} // namespace about
