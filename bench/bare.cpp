// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The baselines: a bare Qt program with a maximized main window, its MDI area and a two-entry
// menu, doing without Sumbrook what Sumbrook's figures time.
//   bare                          shows the window (the start-up and memory baselines)
//   bare open <labels> <w> <h> <reps>   opens a sub window of plain labels, maximized
//   bare display <file> <reps>    reads and decodes the file into a bare QPlainTextEdit
//   bare roundtrip <reps>         asks the X server where the pointer is, a round trip each
#include "paintwatch.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStringDecoder>

#include <cstdio>

namespace {

class BareWindow : public QMainWindow
{
public:
    BareWindow()
        : m_area(new QMdiArea(this))
    {
        setCentralWidget(m_area);
        QMenu *menu = menuBar()->addMenu(QStringLiteral("Program"));
        menu->addAction(QStringLiteral("Open"));
        menu->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    }

    QMdiArea *area() const { return m_area; }

private:
    QMdiArea *m_area;
};

QMdiSubWindow *showMaximizedChild(QMdiArea *area, QWidget *child)
{
    QMdiSubWindow *frame = area->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->showMaximized();
    area->setActiveSubWindow(frame);
    return frame;
}

void print(const char *key, qint64 from, qint64 to)
{
    std::printf("%s %.4f\n", key, double(to - from) / 1e6);
}

void openLabels(BareWindow &window, int labels, QSize size, int reps)
{
    for (int rep = 0; rep < reps; ++rep) {
        QWidget *child = nullptr;
        bench::PaintWatch painted([&](const QWidget *w) { return bench::within(w, child); });
        const qint64 start = bench::now();
        child = new QWidget;
        child->resize(size);
        for (int i = 0; i < labels; ++i) {
            auto *label = new QLabel(QStringLiteral("Label%1").arg(i + 1), child);
            label->setGeometry(8 + (i % 6) * 96, 8 + (i / 6) * 32, 90, 26);
        }
        QMdiSubWindow *frame = showMaximizedChild(window.area(), child);
        print(rep == 0 ? "cold" : "warm", start, painted.wait());
        frame->close();
        bench::settle();
    }
}

void displayFile(BareWindow &window, const QString &fileName, int reps)
{
    for (int rep = 0; rep < reps; ++rep) {
        QPlainTextEdit *box = nullptr;
        bench::PaintWatch painted([&](const QWidget *w) { return bench::within(w, box); });
        const qint64 start = bench::now();
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("Cannot read %s", qPrintable(fileName));
        QStringDecoder decoder("windows-1252");
        const QString text = decoder.decode(file.readAll());
        box = new QPlainTextEdit;
        QMdiSubWindow *frame = showMaximizedChild(window.area(), box);
        box->setPlainText(text);
        print(rep == 0 ? "cold" : "warm", start, painted.wait());
        frame->close();
        bench::settle();
    }
}

} // namespace

// Qt asks the server where the pointer is whenever a control appears under it, and waits.
void roundTrips(int reps)
{
    for (int rep = 0; rep < reps; ++rep) {
        const qint64 start = bench::now();
        const QPoint where = QCursor::pos();
        print("roundtrip", start, bench::now());
        Q_UNUSED(where);
    }
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BareWindow window;
    window.showMaximized();
    if (argc == 1)
        return app.exec();

    bench::PaintWatch first([&](const QWidget *w) { return bench::within(w, &window); });
    first.wait();
    bench::settle(100);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == u"open" && args.size() == 6)
        openLabels(window, args[2].toInt(), QSize(args[3].toInt(), args[4].toInt()),
                   args[5].toInt());
    else if (args.value(1) == u"roundtrip" && args.size() == 3)
        roundTrips(args[2].toInt());
    else if (args.value(1) == u"display" && args.size() == 4)
        displayFile(window, args[2], args[3].toInt());
    else
        qFatal("Unknown arguments");
    return 0;
}
