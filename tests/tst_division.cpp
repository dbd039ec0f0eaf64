// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Division window: its long-division layout, dealing, the two-decimal answer as it shows, and
// the feedback, animation and summary it shares with the other drills.
#include "division/divisiondesign.h"
#include "division/divisionwindow.h"
#include "layoutcheck.h"
#include "shell/mdisumbrook.h"
#include "toolkit/appearance.h"
#include "toolkit/random.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

using division::DivisionWindow;
using toolkit::RandomSource;

namespace {

constexpr float Largest = 1.0f - 0x1p-24f;

void pose(DivisionWindow &w, int dividend, int divisor)
{
    w.lblNumber[0]->setText(QString::number(dividend));
    w.lblNumber[1]->setText(QString::number(divisor));
}

void answerWith(DivisionWindow &w, const QString &text)
{
    w.txtAnswer->clear();
    QTest::keyClicks(w.txtAnswer, text);
    QTest::mouseClick(w.cmdAnswer, Qt::LeftButton);
}

bool showsFace(const DivisionWindow &w, int face)
{
    return w.imgImage->pixmap().cacheKey() == w.imgFace[face]->pixmap().cacheKey();
}

} // namespace

class TestDivision : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }
    void cleanup() { RandomSource::instance().clearSupplied(); }

    void everyControlAsDesigned_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(division::divisionRows().size()); ++i)
            QTest::newRow(division::divisionRows()[i].name) << i;
    }
    void everyControlAsDesigned()
    {
        QFETCH(int, row);
        const DivisionWindow window;
        checkControl(window, division::divisionRows()[row]);
    }

    void windowAsDesigned()
    {
        DivisionWindow w;
        QCOMPARE(w.objectName(), "frmDivision");
        QCOMPARE(w.windowTitle(), "Division ");
        QCOMPARE(w.size(), QSize(448, 377));
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(w.control<QLabel>("Label11")->text(), "Divide 2 decimal places  ");
        QCOMPARE(w.lblPercentA->font().pointSizeF(), 15.75);
        QCOMPARE(w.lblCorrectA->font().pointSizeF(), 11.25);
        const QMenu *score = w.menus().first();
        QCOMPARE(score->title(), " Score");
        QCOMPARE(score->actions()[0]->objectName(), "mnuitemSaveScore");
        QCOMPARE(score->actions()[1]->text(), "Display Scores");
        for (const char *absent : {"txtNumber2", "cmdAnswer1", "lblNumber(4)", "Timer3", "Label12"})
            QVERIFY(!w.control(absent));
    }

    void theBracketIsOneBlackCorner()
    {
        DivisionWindow w;
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage image = w.grab().toImage();
        const QRect dividend = w.lblNumber[0]->geometry();
        const QRect divisor = w.lblNumber[1]->geometry();
        // A bar above the dividend, a stroke to its left, meeting at its top-left corner.
        QCOMPARE(image.pixelColor(dividend.center().x(), dividend.top() - 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(dividend.left() - 6, dividend.center().y()), QColor(Qt::black));
        QCOMPARE(image.pixelColor(dividend.left() - 6, dividend.top() - 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(dividend.center().x(), dividend.top() - 18),
                 QColor(Qt::yellow)); // the answer frame above the bar
        QVERIFY(divisor.right() < dividend.left() - 8);
        QCOMPARE(divisor.top(), dividend.top());
        QVERIFY(w.txtAnswer->geometry().bottom() < dividend.top() - 12);
    }

    void dealsFromItsRanges()
    {
        DivisionWindow w;
        // Dividend first, then divisor; the largest value below 1 reaches neither 100 nor 26.
        RandomSource::instance().supply({Largest, 0.0f});
        w.cmdReset_Click();
        QCOMPARE(w.lblNumber[0]->text(), "99");
        QCOMPARE(w.lblNumber[1]->text(), "1");
        RandomSource::instance().supply({0.0f, Largest});
        w.Form_Load();
        QCOMPARE(w.lblNumber[0]->text(), "25");
        QCOMPARE(w.lblNumber[1]->text(), "25");
    }

    void theAnswerShowsInTwoDecimalText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("2.0 reads as 2.") << "2.0" << true;
        QTest::newRow("2.1 is wrong") << "2.1" << false;
    }
    void theAnswerShowsInTwoDecimalText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QLocale::setDefault(QLocale::c());
        DivisionWindow w;
        w.Form_Load();
        w.show();
        pose(w, 50, 25);
        answerWith(w, typed);
        QCOMPARE(w.lblNumber[2]->text(), "2.");
        if (right) {
            QCOMPARE(w.txtAnswer->text(), "2.");
            QVERIFY(!w.control<QWidget>("Shape12")->isHidden());
            QVERIFY(showsFace(w, 2));
        } else {
            QVERIFY(w.txtAnswer->isHidden());
            QVERIFY(!w.lblNumber[2]->isHidden() && !w.lblNumber[3]->isHidden());
            QVERIFY(!w.control<QWidget>("Shape13")->isHidden());
            QVERIFY(showsFace(w, 0));
        }
        QCOMPARE(w.defaultButton(), w.cmdReset);
    }

    void typingMovesNoDefaultButton()
    {
        DivisionWindow w;
        w.Form_Load();
        w.show();
        pose(w, 50, 25);
        answerWith(w, "2");
        QTest::keyClicks(w.txtAnswer, "5");
        QCOMPARE(w.defaultButton(), w.cmdReset);
        QTest::keyClick(w.txtAnswer, Qt::Key_Return);
        QVERIFY(!w.cmdReset->isEnabled());
        QVERIFY(w.txtAnswer->text().isEmpty());
    }

    void enterDealsTheNextProblemAfterAWrongAnswer()
    {
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto *w = static_cast<DivisionWindow *>(division::frmDivision().show());
        QTRY_COMPARE(QApplication::focusWidget(), w->txtAnswer);
        QTest::keyClicks(w->txtAnswer, "x");
        QTest::keyClick(w->txtAnswer, Qt::Key_Return);
        QVERIFY(w->txtAnswer->isHidden());
        // The box that had the focus is hidden; Enter still reaches the window.
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key_Return);
        QVERIFY(!w->txtAnswer->isHidden());
        QCOMPARE(QApplication::focusWidget(), w->txtAnswer);
        division::frmDivision().unload();
        QTRY_VERIFY(!division::frmDivision().isLoaded());
    }

    void feedbackAnimationAndSummaryAsInTheOtherDrills()
    {
        DivisionWindow w;
        w.Form_Load();
        w.show();
        w.intRewardA = 4;
        pose(w, 25, 3);
        answerWith(w, "8.33"); // the fifth right one
        QVERIFY(w.Timer1->isActive());
        w.Timer1_Timer();
        QVERIFY(!w.lblGood->isHidden());
        QVERIFY(showsFace(w, 1));
        QVERIFY(w.Timer2->isActive());
        w.Timer2_Timer();
        QVERIFY(showsFace(w, 2));
        w.cmdReset_Click();
        QVERIFY(!w.Timer1->isActive() && !w.Timer2->isActive());
        QVERIFY(w.lblGood->isHidden() && w.imgImage->isHidden());

        w.cmdScore1_Click();
        QCOMPARE(w.lblCorrectA->text(), "1");
        QCOMPARE(w.lblTotalA->text(), "1");
        QCOMPARE(w.lblPercentA->text(), "100.00%");
    }

    void opensFromTheMenuAndOnlyActivatesAfter()
    {
        shell::mdiSumbrook main;
        main.showMaximized();
        auto *item = main.findChild<QAction *>("mnuItemDivision");
        QVERIFY(item->isEnabled());
        item->trigger();
        QMdiSubWindow *sub = main.mdiArea()->activeSubWindow();
        QVERIFY(sub && sub->isMaximized());
        auto *w = qobject_cast<DivisionWindow *>(sub->widget());
        QVERIFY(w);
        w->intTotalA = 2;
        item->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(w->intTotalA, qint16(2));
        division::frmDivision().unload();
        QTRY_VERIFY(!division::frmDivision().isLoaded());
    }
};

QTEST_MAIN(TestDivision)
#include "tst_division.moc"
