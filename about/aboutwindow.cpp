#include "aboutwindow.h"

#include "toolkit/application.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

namespace about {

using namespace toolkit;
using enum toolkit::Kind;

namespace {

constexpr Font Sans12{"MS Sans Serif", 12};
constexpr QPoint DesignPosition{156, 129}; // 2340 by 1935 twips from the screen's corner

// In the design's order, front to back, except the two lines of the etched groove: a later row
// is drawn over an earlier one, so the white line comes first and the grey one lies over it.
// clang-format off
constexpr ControlRow Rows[] = {
    {Image, "picIcon", {240, 240, 540, 540}, ":/target-32.xpm"},
    {Button, "cmdOK", {4245, 2625, 1260, 345}, "OK", {}, {}, TabStop},
    {Button, "cmdSysInfo", {4260, 3075, 1245, 345}, "&System Info...", {}, {}, TabStop},
    {Label, "Label1", {240, 2640, 3495, 735}, "Please send any comments to  " SUMBROOK_CONTACT_ADDRESS,
     Sans12, {}, Centred},
    {Line, "Line1(0)", {105, 2460, 5654, 2460}, "", {}, {}, NoFlags, rgb(0xFFFFFF), 2},
    {Label, "lblTitle", {1050, 240, 1260, 300}, "", Sans12, {}, AutoSize, rgb(0x000000)},
    {Line, "Line1(1)", {90, 2445, 5654, 2445}, "", {}, {}, NoFlags, rgb(0x808080), 1},
    {Label, "lblVersion", {1050, 780, 1200, 300}, "", Sans12, {}, AutoSize},
};
// clang-format on

constexpr AccessibleRow Accessible[] = {
    {"picIcon", "Sumbrook icon"},
    {"cmdOK", nullptr, "closes this window"},
    {"cmdSysInfo", nullptr, "starts the system information tool"},
};

constexpr WindowDesign Design{"frmAbout", "", {5730, 3555}, nullptr, false};
constexpr const char *TabOrder[] = {"cmdOK", "cmdSysInfo"};

constexpr char gREGKEYSYSINFOLOC[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char gREGVALSYSINFOLOC[] = "MSINFO";
constexpr char gREGKEYSYSINFO[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char gREGVALSYSINFO[] = "PATH";
constexpr char ProgramFile[] = "\\MSINFO32.EXE";

bool plainFileExists(const QString &path)
{
    const QFileInfo info(nativePath(path));
    return info.isFile() && !info.isHidden();
}

} // namespace

SystemInfoServices &systemInfoServices()
{
    static SystemInfoServices services{
        systemRegistry(),
        [](const QString &program) { return QProcess::startDetached(nativePath(program), {}); },
        [](const QString &text, const QString &title) {
            QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
            box.exec();
        }};
    return services;
}

QString nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return path;
#else
    return QString(path).replace(u'\\', u'/');
#endif
}

AboutWindow::AboutWindow(QWidget *parent)
    : Form(Design, parent)
{
    build(Rows);
    describe(Accessible);
    setTabOrder(TabOrder);
    bind(lblTitle, "lblTitle");
    bind(lblVersion, "lblVersion");
    bind(cmdOK, "cmdOK");
    bind(cmdSysInfo, "cmdSysInfo");
    makeDefault(cmdOK);

    // A fixed dialog border without minimize or maximize. A tool window would stay out of the
    // task bar, but it would not keep the program running once the main window has closed.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    setGeometry(QRect(DesignPosition, size()));

    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutWindow::cmdSysInfo_Click);
}

void AboutWindow::Form_Load()
{
    const QString title = QString::fromLatin1(ApplicationTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    setAccessibleName(windowTitle());
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(VersionMajor)
                            .arg(VersionMinor)
                            .arg(VersionRevision));
    lblVersion->adjustSize();
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
    SystemInfoServices &services = systemInfoServices();
    try {
        QString SysInfoPath;
        bool found = GetKeyValue(LocalMachine, gREGKEYSYSINFO, gREGVALSYSINFO, SysInfoPath);
        if (!found &&
            GetKeyValue(LocalMachine, gREGKEYSYSINFOLOC, gREGVALSYSINFOLOC, SysInfoPath) &&
            plainFileExists(SysInfoPath + ProgramFile)) {
            SysInfoPath += ProgramFile;
            found = true;
        }
        if (found && services.start(SysInfoPath))
            return;
    } catch (const LookupFailed &) {
    }
    services.message(QStringLiteral("System Information Is Unavailable At This Time"),
                     QString::fromLatin1(ApplicationTitle));
}

qint16 AboutWindow::GetKeyValue(RegKey KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                                QString &KeyVal)
{
    // The registry takes and gives text in the system's 8-bit code page.
    std::string value = KeyVal.toLocal8Bit().toStdString();
    const bool read =
        getKeyValue(*systemInfoServices().registry, KeyRoot, KeyName.toLocal8Bit().toStdString(),
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

toolkit::WindowInstance &frmAbout()
{
    static toolkit::WindowInstance instance([] { return new AboutWindow; });
    return instance;
}

} // namespace about
