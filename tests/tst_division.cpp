// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Division window: its long-division layout, dealing, the two-decimal answer as it shows, and
// the feedback, animation and summary it shares with the other drills.
#include "answering.h"
#include "controls.h"
#include "division/divisionwindow.h"
#include "drillrows.h"
#include "layoutcheck.h"
#include "shell/mdisumbrook.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"
#include "toolkit/text/random.h"

#include <QMenu>
#include <QTest>

using division::DivisionWindow;
using toolkit::RandomSource;

namespace {

constexpr float Largest = 1.0f - 0x1p-24f;

constexpr DesignedFont Tile{.family = "MS Sans Serif", .points = 18};
constexpr DesignedFont Panel{.family = "Arial", .points = 11.25, .bold = true, .italic = true};

// The window's controls as the design describes them.
// clang-format off
constexpr DesignedLook Looks[] = {
    {.names = "Label11", .caption = "Divide 2 decimal places  ", .font = DesignedFont{.family = "MS Sans Serif", .points = 13.5, .bold = true, .italic = true}, .autoSize = true},
    {.names = "lblNumber(3)", .caption = "The Correct Answer is ", .font = DesignedFont{.family = "MS Sans Serif", .points = 12, .bold = true}, .centred = true, .oneLine = true},
    {.names = "lblGood", .caption = "You are good.", .font = DesignedFont{.family = "MS Serif", .points = 13.5}, .autoSize = true, .hidden = true},
    {.names = "txtAnswer", .caption = "", .font = Tile},
    {.names = "lblNumber(2)", .caption = "", .font = Tile, .systemBack = 9, .border = true, .centred = true, .hidden = true},
    {.names = "imgImage", .stretch = true},
    {.names = "Shape21 Shape24", .outlineInText = true, .outlineWidth = 5},
    {.names = "lblNumber(1)", .caption = "", .font = Tile, .back = 0xFFE0C0, .centred = true},
    {.names = "lblNumber(0)", .caption = "", .font = Tile, .back = 0xFFC0C0, .centred = true},
    {.names = "Shape18", .outline = 0xFFE0C0, .outlineWidth = 12, .rounded = true},
    {.names = "Shape17", .outline = 0xFFC0C0, .outlineWidth = 12, .rounded = true},
    {.names = "Shape10", .outline = 0xFFFF00, .outlineWidth = 12, .rounded = true},
    {.names = "Shape12", .outline = 0x0000FF, .outlineWidth = 12, .rounded = true, .hidden = true},
    {.names = "Shape13", .outline = 0xFF0000, .outlineWidth = 12, .rounded = true, .hidden = true},
    {.names = "cmdReset", .caption = "Reset", .disabled = true},
    {.names = "cmdAnswer", .caption = "Answer"},
    {.names = "cmdScore1", .caption = "Score"},
    {.names = "cmdExit", .caption = "Exit"},
    {.names = "Shape3 Shape4", .outline = 0x0000FF, .outlineWidth = 25, .rounded = true},
    {.names = "Shape7", .outline = 0xFFFF00, .outlineWidth = 25, .rounded = true},
    {.names = "Shape8", .outline = 0xFFFF00, .outlineWidth = 25, .rounded = true, .hidden = true},
    {.names = "Shape16", .outline = 0xFF00FF, .outlineWidth = 25, .rounded = true},
    {.names = "Shape22", .outline = 0xFFFFC0, .outlineWidth = 1, .rounded = true, .filled = true},
    {.names = "Label4", .caption = "You got ", .font = Panel, .autoSize = true},
    {.names = "lblCorrectA", .caption = "", .font = Panel},
    {.names = "Label9", .caption = "Questions Giving you a ", .font = Panel, .centred = true},
    {.names = "lblPercentA", .caption = "", .font = DesignedFont{.family = "Arial", .points = 15.75, .bold = true, .italic = true}},
    {.names = "Label6", .caption = "Out of ", .font = Panel, .autoSize = true},
    {.names = "lblTotalA", .caption = "", .font = Panel},
    {.names = "Label8"},
    {.names = "Label10", .captionStart = "For more information or comment Email to ", .centred = true},
    {.names = "Timer1 Timer2", .interval = 500},
    {.names = "imgFace(0) imgFace(1) imgFace(2) imgFace(3) imgFace(4)", .hidden = true},
};

// A few of the design's places, in twips; the drill windows' test checks the rest as properties.
const std::pair<const char *, QRect> Spots[] = {
    {"txtAnswer", {3120, 1320, 1575, 555}},
    {"lblNumber(0)", {3120, 2160, 1095, 495}},
    {"cmdReset", {5640, 840, 1095, 495}},
    {"lblPercentA", {5040, 3240, 1695, 615}},
};
// clang-format on

void pose(DivisionWindow &w, int dividend, int divisor)
{
    w.two.operands[0]->setText(QString::number(dividend));
    w.two.operands[1]->setText(QString::number(divisor));
}

bool showsFace(const DivisionWindow &w, int face)
{
    return w.two.picture->pixmap().cacheKey() == w.imgFace[face]->pixmap().cacheKey();
}

} // namespace

class TestDivision : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    void everyControlAsDesigned_data() { addDesignedRows(Looks, {"frmDivision"}); }
    void everyControlAsDesigned() { checkDesignedControl(DivisionWindow(), Looks); }

    void designedPlaces()
    {
        const DivisionWindow w;
        for (const auto &[name, twips] : Spots)
            QCOMPARE(control<QWidget>(w, name)->geometry(),
                     QRect(twips.topLeft() / 15, twips.size() / 15));
    }

    void windowAsDesigned()
    {
        DivisionWindow w;
        QCOMPARE(w.objectName(), "frmDivision");
        QCOMPARE(w.windowTitle(), "Division ");
        QCOMPARE(w.size(), QSize(448, 377));
        QVERIFY(!w.windowIcon().isNull());
        const QMenu *score = w.menus().first();
        QCOMPARE(score->title(), " Score");
        QCOMPARE(score->actions()[0]->objectName(), "mnuitemSaveScore");
        QCOMPARE(score->actions()[1]->text(), "Display Scores");
        // The window builds the design's controls and no others.
        QCOMPARE(builtControls(w), designedControls(Looks));
    }

    void theBracketIsOneBlackCorner()
    {
        DivisionWindow w;
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage image = w.grab().toImage();
        const QRect dividend = w.two.operands[0]->geometry();
        const QRect divisor = w.two.operands[1]->geometry();
        // A bar above the dividend, a stroke to its left, meeting at its top-left corner.
        QCOMPARE(image.pixelColor(dividend.center().x(), dividend.top() - 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(dividend.left() - 6, dividend.center().y()), QColor(Qt::black));
        QCOMPARE(image.pixelColor(dividend.left() - 6, dividend.top() - 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(dividend.center().x(), dividend.top() - 18),
                 QColor(Qt::yellow)); // the answer frame above the bar
        QVERIFY(divisor.right() < dividend.left() - 8);
        QCOMPARE(divisor.top(), dividend.top());
        QVERIFY(w.two.answerBox->geometry().bottom() < dividend.top() - 12);
    }

    void dealsFromItsRanges()
    {
        // Dividend first, then divisor; the largest value below 1 reaches neither 100 nor 26.
        RandomSource chosen({0.0f, Largest, Largest, 0.0f});
        DivisionWindow w(chosen);
        w.Form_Load();
        QCOMPARE(w.two.operands[0]->text(), "25");
        QCOMPARE(w.two.operands[1]->text(), "25");
        w.two.answerBox->setText("0");
        press(w, "cmdAnswer");
        press(w, "cmdReset");
        QCOMPARE(w.two.operands[0]->text(), "99");
        QCOMPARE(w.two.operands[1]->text(), "1");
    }

    // The answer shows in two-decimal text, right or wrong, and the next Enter deals the next
    // problem: typing after a right answer moves no default button, and the box a wrong one hid
    // hands Enter to the window.
    void answerThenEnter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("2.0 reads as 2.") << "2.0" << true;
        QTest::newRow("2.1 is wrong") << "2.1" << false;
    }
    void answerThenEnter()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QLocale::setDefault(QLocale::c());
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto *w = static_cast<DivisionWindow *>(instanceOf(Division).show());
        QLineEdit *box = w->two.answerBox;
        QTRY_COMPARE(QApplication::focusWidget(), box);
        pose(*w, 50, 25);
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(w->two.correctAnswer->text(), "2.");
        QCOMPARE(w->two.rightFrame->isHidden(), !right);
        QCOMPARE(w->two.wrongFrame->isHidden(), right);
        QVERIFY(showsFace(*w, right ? 2 : 0));
        QCOMPARE(box->isHidden(), !right);
        QCOMPARE(w->two.correctAnswer->isHidden(), right);
        QCOMPARE(w->two.leadIn->isHidden(), right);
        QCOMPARE(defaultButton(*w), w->two.resetButton);
        if (right) {
            QCOMPARE(box->text(), "2.");
            QTest::keyClicks(box, "5");
            QCOMPARE(defaultButton(*w), w->two.resetButton);
        }
        QTest::keyClick(right ? box : QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!w->two.resetButton->isEnabled());
        QVERIFY(!box->isHidden() && box->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), box);
        instanceOf(Division).unload();
        QTRY_VERIFY(!instanceOf(Division).isLoaded());
    }

    void feedbackAnimationAndSummaryAsInTheOtherDrills()
    {
        DivisionWindow w;
        w.Form_Load();
        w.show();
        answerProblems(w, w.two, 3);
        answerProblem(w, w.two);
        QVERIFY(!w.two.firstTimer->isActive());
        press(w, "cmdReset");
        answerProblem(w, w.two); // the fifth right one
        QVERIFY(w.two.firstTimer->isActive());
        tick(w, "Timer1");
        QVERIFY(!w.two.praise->isHidden());
        QVERIFY(showsFace(w, 1));
        QVERIFY(w.two.secondTimer->isActive());
        tick(w, "Timer2");
        QVERIFY(showsFace(w, 2));
        press(w, "cmdReset");
        QVERIFY(!w.two.firstTimer->isActive() && !w.two.secondTimer->isActive());
        QVERIFY(w.two.praise->isHidden() && w.two.picture->isHidden());
        QCOMPARE(scoreShown(w.two, control<QPushButton>(w, "cmdScore1")), QStringList({"5", "5"}));
        QCOMPARE(w.two.percent->text(), "100.00%");
    }
};

QTEST_MAIN(TestDivision)
#include "tst_division.moc"
