// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows under a dark desktop palette, set before they open or while they are open: system
// colours follow it, the design's fixed colours stay, and every text stays legible.
#include "about/aboutwindow.h"
#include "answering.h"
#include "classroom/classwindow.h"
#include "controls.h"
#include "division/divisionwindow.h"
#include "drillrows.h"
#include "drills/drillwindow.h"
#include "progress/progresswindow.h"
#include "shell/mdisumbrook.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"
#include "toolkit/look/focusstyle.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using namespace toolkit;

namespace {

// A dark scheme like the common desktop ones, with light text on highlights too.
QPalette darkPalette()
{
    QPalette p(QColor(0x31, 0x36, 0x3B));
    p.setColor(QPalette::Window, QColor(0x31, 0x36, 0x3B));
    p.setColor(QPalette::WindowText, QColor(0xEF, 0xF0, 0xF1));
    p.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    p.setColor(QPalette::Text, QColor(0xEF, 0xF0, 0xF1));
    p.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3B));
    p.setColor(QPalette::ButtonText, QColor(0xEF, 0xF0, 0xF1));
    p.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
    p.setColor(QPalette::HighlightedText, QColor(0xFC, 0xFC, 0xFC));
    p.setColor(QPalette::Dark, QColor(0x19, 0x1B, 0x1D));
    return p;
}

// Qt hands the new palette to the widgets from the event loop.
void usePalette(const QPalette &palette)
{
    QApplication::setPalette(palette);
    QApplication::processEvents();
}

// The colour behind a label: its own background, else the filled panel it lies on, else the face.
QColor backdropOf(const QLabel *label)
{
    if (label->autoFillBackground())
        return label->palette().color(label->backgroundRole());
    const auto *form = label->parentWidget();
    for (const auto *shape : form->findChildren<Shape *>()) {
        if (shape->style().fill.isValid() && shape->geometry().contains(label->geometry().center()))
            return shape->style().fill;
    }
    return form->palette().color(form->backgroundRole());
}

void checkLegible(const QWidget *form)
{
    for (const QLabel *label : form->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(form))
            continue;
        const QColor text = label->palette().color(label->foregroundRole());
        const double ratio = contrastRatio(text, backdropOf(label));
        QVERIFY2(ratio >= LegibleContrast,
                 qPrintable(QStringLiteral("%1 \"%2\": %3 on %4, %5")
                                .arg(label->objectName(), label->text(), text.name(),
                                     backdropOf(label).name())
                                .arg(ratio)));
    }
    for (const QLineEdit *box : form->findChildren<QLineEdit *>()) {
        const QPalette &p = box->palette();
        QVERIFY(contrastRatio(p.color(QPalette::Text), p.color(QPalette::Base)) >= LegibleContrast);
    }
}

// SUMBROOK_SCREENSHOT=/tmp/dark names a folder for pictures of the windows, to look at.
void saveScreenshot(QWidget *window, const char *name)
{
    const QString folder = qEnvironmentVariable("SUMBROOK_SCREENSHOT");
    if (folder.isEmpty())
        return;
    QApplication::processEvents();
    QVERIFY(window->grab().save(folder + QLatin1Char('/') + QLatin1String(name) + ".png"));
}

} // namespace

class TestDarkPalette : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installFontSubstitutes();
        QApplication::setStyle(new FocusStyle);
        m_light = QApplication::palette();
    }

    void cleanup()
    {
        for (const Drill &drill : drilltable::Drills)
            instanceOf(drill).unload();
        about::frmAbout().unload();
        usePalette(m_light);
    }

    void contrastFollowsTheGuidelines()
    {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::white, Qt::white), 1.0);
        QCOMPARE(contrastRatio(Qt::white, Qt::black), contrastRatio(Qt::black, Qt::white));
        // The designed colour stays while it reads; a dark face gets the palette's light text.
        const QPalette dark = darkPalette();
        QCOMPARE(legibleText(Qt::black, QColor(0xFFC0C0), dark), QColor(Qt::black));
        QCOMPARE(legibleText(Qt::black, dark.color(QPalette::Window), dark),
                 dark.color(QPalette::WindowText));
        // Light text on a fixed light colour: none of the palette's texts reads there.
        QCOMPARE(legibleText(dark.color(QPalette::WindowText), QColor(0xFFFFC0), dark),
                 QColor(Qt::black));
        // A selection's colours are no text colours: with a deep blue highlight that reads on the
        // pink tile and not on the lavender one, both tiles still get black digits.
        QPalette navy = dark;
        navy.setColor(QPalette::Highlight, QColor(0x00, 0x50, 0xA0));
        for (const QColor tile : {QColor(0xFFC0C0), QColor(0xC0C0FF)})
            QCOMPARE(legibleText(navy.color(QPalette::WindowText), tile, navy), QColor(Qt::black));
    }

    void drillWindowsAreLegible_data()
    {
        QTest::addColumn<bool>("darkFirst");
        QTest::newRow("dark before opening") << true;
        QTest::newRow("dark while open") << false;
    }
    void drillWindowsAreLegible()
    {
        QFETCH(bool, darkFirst);
        const QPalette dark = darkPalette();
        if (darkFirst)
            usePalette(dark);
        shell::mdiSumbrook main;
        main.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        for (const Drill *drill : integerDrills()) {
            auto *w = static_cast<drills::DrillWindow *>(instanceOf(drill).show());
            answerProblem(*w, w->two); // both feedback pictures and one correct answer show
            answerProblem(*w, w->three, false);
        }
        if (!darkFirst)
            usePalette(dark);

        QCOMPARE(main.mdiArea()->background().color(), dark.color(QPalette::Dark));
        for (const Drill *drill : integerDrills()) {
            auto *w = static_cast<drills::DrillWindow *>(instanceOf(drill).form());
            QVERIFY(w->three.correctAnswer->isVisible());
            QCOMPARE(w->palette().color(w->backgroundRole()), dark.color(QPalette::Window));
            // The fixed colours stay as designed: light tiles keep dark text.
            QCOMPARE(w->two.operands[0]->palette().color(QPalette::Window), QColor(0xFFC0C0));
            QCOMPARE(w->two.operands[0]->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(control<Shape>(*w, "Shape10")->style().outline, QColor(0xFFFF00));
            QCOMPARE(control<QLabel>(*w, "Label11")->palette().color(QPalette::WindowText),
                     dark.color(QPalette::WindowText));
            checkLegible(w);
        }

        instanceOf(Addition).show();
        saveScreenshot(&main, darkFirst ? "addition-dark" : "addition-darkened");

        // Back to the light scheme, the design's own colours return.
        usePalette(m_light);
        auto *addition = static_cast<drills::DrillWindow *>(instanceOf(Addition).form());
        QCOMPARE(control<QLabel>(*addition, "Label11")->palette().color(QPalette::WindowText),
                 m_light.color(QPalette::WindowText));
        checkLegible(addition);
    }

    void divisionBracketFollowsThePalette()
    {
        shell::mdiSumbrook main;
        main.show();
        auto *w = static_cast<division::DivisionWindow *>(instanceOf(Division).show());
        w->two.answerBox->setText(QStringLiteral("0"));
        press(*w, "cmdAnswer");
        const QPalette dark = darkPalette();
        usePalette(dark);
        for (const char *bar : {"Shape24", "Shape21"}) {
            auto *shape = control<Shape>(*w, bar);
            QCOMPARE(shape->style().outline, dark.color(QPalette::WindowText));
            QVERIFY(shape->isVisible());
        }
        // The answer frame the bar lies above is still beneath it.
        const auto siblings = w->children();
        QVERIFY(siblings.indexOf(control<Shape>(*w, "Shape13")) <
                siblings.indexOf(control<Shape>(*w, "Shape24")));
        checkLegible(w);
        saveScreenshot(&main, "division-darkened");
    }

    void aboutTitleReadsOnADarkFace()
    {
        usePalette(darkPalette());
        auto *w = static_cast<about::AboutWindow *>(about::frmAbout().show());
        // Designed black, which would vanish on the dark face.
        QCOMPARE(w->lblTitle->palette().color(QPalette::WindowText),
                 darkPalette().color(QPalette::WindowText));
        checkLegible(w);
        saveScreenshot(w, "about-dark");
        usePalette(m_light);
        QCOMPARE(w->lblTitle->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    // The windows that grow with their frame: their words on the dark face, in their own tables.
    void laidOutWindowsReadOnADarkFace()
    {
        usePalette(darkPalette());
        for (WindowInstance *instance : {&progress::frmProgress(), &classroom::frmClass()}) {
            QWidget *w = instance->show();
            checkLegible(w);
            saveScreenshot(w, qPrintable(w->objectName()));
            instance->unload();
        }
        usePalette(m_light);
    }

    // Where the keyboard is shows in either palette: a solid mark two pixels wide in the text
    // colour inside the focused button, which the default button without the focus does not
    // wear, and inside the frameless answer box, 3:1 at least against the face around it.
    void focusShowsInEitherPalette_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void focusShowsInEitherPalette()
    {
        QFETCH(bool, dark);
        if (dark)
            usePalette(darkPalette());
        // The rows of the mark's left side, away from the centred caption or caret, where two
        // neighbouring columns both wear the ink.
        const auto dotted = [&](QWidget *control, QPalette::ColorRole role) {
            const QImage image = control->grab().toImage();
            const QColor ink = control->palette().color(role);
            const QColor face = control->palette().color(
                role == QPalette::ButtonText ? QPalette::Button : QPalette::Base);
            if (contrastRatio(ink, face) < 3)
                return -1;
            int rows = 0;
            for (int y = 4; y < image.height() - 4; ++y) {
                bool wide = false;
                for (int x = 1; x < 6; ++x)
                    wide = wide ||
                           (image.pixelColor(x, y) == ink && image.pixelColor(x + 1, y) == ink);
                rows += wide;
            }
            return rows >= (image.height() - 8) / 2 ? rows : 0;
        };
        auto *about = static_cast<about::AboutWindow *>(about::frmAbout().show());
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        about->cmdSysInfo->setFocus(Qt::TabFocusReason);
        QVERIFY(dotted(about->cmdSysInfo, QPalette::ButtonText) >= 3);
        QCOMPARE(dotted(about->cmdOK, QPalette::ButtonText), 0);
        QVERIFY(about->cmdOK->isDefault());

        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto *w = static_cast<drills::DrillWindow *>(instanceOf(Addition).show());
        QTRY_COMPARE(QApplication::focusWidget(), w->two.answerBox);
        QVERIFY(dotted(w->two.answerBox, QPalette::Text) >= 3);
        QCOMPARE(dotted(w->three.answerBox, QPalette::Text), 0);
    }

private:
    QPalette m_light;
};

QTEST_MAIN(TestDarkPalette)
#include "tst_darkpalette.moc"
