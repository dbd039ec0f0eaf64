// Sumbrook: arithmetic drills in a multiple-document window.
#include "shell/mdisumbrook.h"
#include "toolkit/appearance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    toolkit::installFontSubstitutes();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sumbrook"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Sumbrook"));

    shell::mdiSumbrook window;
    window.showMaximized();
    return app.exec();
}
