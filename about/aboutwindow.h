// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: title, version, contact line, and the start of the system information tool.
#pragma once

#include "registry.h"

#include "toolkit/forms/dialogs.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/windowinstance.h"

#include <QStringList>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace about {

// The registry the lookup reads: the system's on Windows; elsewhere a stand-in whose first location
// names the system information program found.
std::unique_ptr<Registry> systemRegistry();

// The first desktop system information program found in the folders, or on PATH given none: its
// full path, or an empty string.
QString systemInfoProgram(const QStringList &folders = {});

// Starts a program without waiting for it; false when it cannot start.
bool startProgram(const QString &program);

// What the lookup reaches outside the program: the system's registry and programs unless the
// window is handed others.
struct SystemInfoServices
{
    std::unique_ptr<Registry> registry = systemRegistry();
    std::function<bool(const QString &program)> start = startProgram;
};

class AboutWindow : public toolkit::Form
{
    Q_OBJECT

public:
    explicit AboutWindow(SystemInfoServices services = {},
                         toolkit::ModalBoxes &boxes = toolkit::ModalBoxes::instance(),
                         QWidget *parent = nullptr);

    void Form_Load() override;

    // The window's design, in aboutwindow.cpp.
    static const toolkit::ControlRow Rows[];

    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    // Reads one registry value as text; True (-1) when it was read, False (0) when not.
    qint16 GetKeyValue(RegKey KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                       QString &KeyVal);

    SystemInfoServices m_services;
    toolkit::ModalBoxes &m_boxes;
};

// A path of the registry's kind, with "\" between its folders, as this system names it.
QString nativePath(const QString &path);

toolkit::WindowInstance &frmAbout();

} // namespace about
