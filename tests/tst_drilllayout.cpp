// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three drill windows as built: every control of the design table at its place, in its font
// and colours, in its initial state, stacked as the design wants.
#include "controls.h"
#include "division/divisionwindow.h"
#include "drillrows.h"
#include "drills/drilldesign.h"
#include "drills/drillwindow.h"
#include "layoutcheck.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace drills;
using toolkit::Kind;
using toolkit::Shape;

namespace {

const char *drillName(const Drill *drill)
{
    return drill->name;
}

// The design's fonts, face, points and style.
constexpr DesignedFont Heading{
    .family = "MS Sans Serif", .points = 13.5, .bold = true, .italic = true};
constexpr DesignedFont Tile{.family = "MS Sans Serif", .points = 18};
constexpr DesignedFont Sign{.family = "MS Sans Serif", .points = 24};
constexpr DesignedFont LeadIn{.family = "MS Sans Serif", .points = 12, .bold = true};
constexpr DesignedFont Panel11{.family = "Arial", .points = 11.25, .bold = true, .italic = true};
constexpr DesignedFont Panel10{.family = "Arial", .points = 9.75, .bold = true, .italic = true};
constexpr EachWindow<DesignedFont> Panel{Panel11, Panel10, Panel10};

// The controls of the three windows as the design describes them.
// clang-format off
constexpr DesignedLook Looks[] = {
    {.names = "Label11", .caption = {"ADD 2", "SUBTRACT  2", "MULTIPLY  2"}, .font = Heading, .autoSize = true},
    {.names = "Label12", .caption = {"ADD 3", "SUBTRACT 3", "MULTIPLY 3"}, .font = Heading, .autoSize = true},
    {.names = "lblNumber(0)", .caption = "", .font = Tile, .back = 0xFFC0C0, .centred = true},
    {.names = "lblNumber(1) lblnumber2(0)", .caption = "", .font = Tile, .back = 0xFFE0C0, .centred = true},
    {.names = "lblnumber2(1)", .caption = "", .font = Tile, .back = 0xC0FFC0, .centred = true},
    {.names = "lblnumber2(2)", .caption = "", .font = Tile, .back = 0xC0C0FF, .centred = true},
    {.names = "Label2(0) Label2(1) Label2(2)", .caption = {"+", "-", "X"}, .font = Sign, .centred = true, .autoSize = true},
    {.names = "Label1(0) Label1(1)", .caption = "=", .font = Sign, .autoSize = true},
    {.names = "txtAnswer txtNumber2", .caption = "", .font = Tile},
    {.names = "lblNumber(2)", .caption = "", .font = Tile, .systemBack = 9, .border = true, .centred = true, .hidden = true},
    {.names = "lblnumber2(3)", .caption = "", .font = Tile, .systemBack = 14, .border = true, .centred = true},
    {.names = "cmdReset cmdReset1", .caption = "Reset", .disabled = true},
    {.names = "cmdAnswer cmdAnswer1", .caption = "Answer"},
    {.names = "cmdScore1 cmdScore", .caption = "Score"},
    {.names = "cmdExit", .caption = "Exit"},
    {.names = "imgImage imgAnswer", .stretch = true},
    {.names = "lblGood", .caption = "You are good.", .font = {{.family = "MS Serif", .points = 13.5}, {.family = "MS Serif", .points = 12, .bold = true}, {.family = "MS Serif", .points = 13.5}}, .autoSize = true, .hidden = true},
    {.names = "lblGood1", .caption = "You are good.", .font = DesignedFont{.family = "MS Serif", .points = 13.5}, .autoSize = true, .hidden = true},
    {.names = "lblNumber(3)", .caption = "The Correct Answer is ", .font = LeadIn, .centred = true},
    {.names = "lblNumber(4)", .caption = "The Correct Answer is ", .font = LeadIn, .centred = true, .hidden = true},
    {.names = "Timer1 Timer2 Timer3 Timer4", .interval = 500},
    {.names = "Label4 Label3", .caption = "You got ", .font = Panel, .autoSize = true},
    {.names = "Label9 Label7", .caption = "Questions Giving you a ", .font = Panel, .centred = true},
    {.names = "Label6 Label5", .caption = "Out of ", .font = Panel, .autoSize = true},
    {.names = "lblCorrectA lblPercentA lblTotalA lblCorrect lblPersent lblTotal", .caption = "", .font = Panel},
    {.names = "Label10", .captionStart = "For more information or comment Email to ", .centred = true},
    {.names = "Label8"},
    {.names = "imgFace(0) imgFace(1) imgFace(2) imgFace(3) imgFace(4)", .hidden = true},
    {.names = "Shape17", .outline = 0xFFC0C0, .outlineWidth = 12, .rounded = true},
    {.names = "Shape18 Shape19", .outline = 0xFFE0C0, .outlineWidth = 12, .rounded = true},
    {.names = "Shape20", .outline = 0xC0FFC0, .outlineWidth = 12, .rounded = true},
    {.names = "Shape21", .outline = 0xC0C0FF, .outlineWidth = 12, .rounded = true},
    {.names = "Shape10 Shape9", .outline = 0xFFFF00, .outlineWidth = 12, .rounded = true},
    {.names = "Shape12 Shape14", .outline = 0x0000FF, .outlineWidth = 12, .rounded = true, .hidden = true},
    {.names = "Shape13 Shape11", .outline = 0xFF0000, .outlineWidth = 12, .rounded = true, .hidden = true},
    {.names = "Shape3 Shape4 Shape1 Shape2", .outline = 0x0000FF, .outlineWidth = 25, .rounded = true},
    {.names = "Shape7 Shape5", .outline = 0xFFFF00, .outlineWidth = 25, .rounded = true},
    {.names = "Shape8 Shape6", .outline = 0xFFFF00, .outlineWidth = 25, .rounded = true, .hidden = true},
    {.names = "Shape16 Shape15", .outline = 0xFF00FF, .outlineWidth = 25, .rounded = true},
    {.names = "Shape22 Shape23", .outline = 0xFFFFC0, .outlineWidth = 1, .rounded = true, .filled = true},
};

// The design's geometry table.
constexpr DesignedPlace Places[] = {
    {"Label11", {{2160, 0, 1065, 360}, {960, 0, 2145, 360}, {1320, 0, 1980, 360}}},
    {"lblNumber(0)", {{2040, 480, 1095, 495}, {1560, 600, 1095, 495}, {1680, 720, 1095, 495}}},
    {"Label2(0)", {{1440, 1320, 285, 555}, {1200, 1200, 165, 555}, {1200, 1320, 345, 555}}},
    {"lblNumber(1)", {{2040, 1080, 1095, 495}, {1560, 1200, 1095, 495}, {1680, 1320, 1095, 495}}},
    {"Label1(0)", {{1440, 1800, 285, 555}, {1080, 1800, 285, 555}, {1080, 1920, 285, 555}}},
    {"txtAnswer", {{2040, 1800, 975, 675}, {1560, 1875, 975, 555}, {1680, 2040, 975, 555}}},
    {"lblNumber(2)", {{2040, 1800, 975, 615}, {1560, 1920, 975, 495}, {1680, 2040, 975, 495}}},
    {"cmdReset", {{3600, 360, 975, 495}, {3000, 600, 975, 495}, {3120, 720, 1095, 495}}},
    {"cmdAnswer", {{3600, 1080, 975, 495}, {3000, 1320, 975, 495}, {3120, 1440, 1095, 495}}},
    {"cmdScore1", {{3600, 1800, 975, 495}, {3000, 1920, 975, 495}, {3120, 2160, 1095, 495}}},
    {"imgImage", {{2040, 2880, 855, 735}, {1680, 2640, 735, 615}, {1680, 2880, 735, 615}}},
    {"lblNumber(3)", {{240, 1680, 1095, 1335}, {120, 2400, 1215, 975}, {120, 2280, 1215, 1215}}},
    {"lblGood", {{1680, 3720, 1605, 315}, {120, 2760, 1575, 285}, {0, 3000, 1605, 315}}},
    {"Label12", {{6240, 0, 1065, 360}, {5760, 120, 2055, 360}, {6120, 0, 1890, 360}}},
    {"lblnumber2(0)", {{6120, 555, 975, 495}, {6240, 675, 975, 495}, {6360, 555, 975, 495}}},
    {"Label2(1)", {{5520, 1320, 285, 555}, {5760, 1800, 165, 555}, {5760, 1080, 345, 555}}},
    {"lblnumber2(1)", {{6120, 1275, 975, 495}, {6240, 1275, 975, 495}, {6360, 1155, 975, 495}}},
    {"Label2(2)", {{5520, 2040, 285, 555}, {5880, 1200, 165, 555}, {5760, 1680, 345, 555}}},
    {"lblnumber2(2)", {{6120, 1995, 975, 495}, {6240, 1875, 975, 495}, {6360, 1755, 975, 495}}},
    {"Label1(1)", {{5400, 2760, 285, 555}, {5640, 2520, 285, 555}, {5640, 2520, 285, 555}}},
    {"txtNumber2", {{6120, 2760, 975, 555}, {6240, 2520, 975, 555}, {6240, 2520, 1335, 495}}},
    {"lblnumber2(3)", {{6120, 2760, 975, 615}, {6240, 2520, 975, 495}, {6240, 2520, 1335, 495}}},
    {"cmdReset1", {{7680, 480, 975, 495}, {7920, 600, 975, 495}, {8160, 480, 975, 495}}},
    {"cmdAnswer1", {{7680, 1200, 975, 495}, {7920, 1320, 975, 495}, {8160, 1200, 975, 495}}},
    {"cmdScore", {{7680, 1920, 975, 495}, {7920, 1920, 975, 495}, {8160, 1920, 975, 495}}},
    {"imgAnswer", {{6240, 3720, 855, 735}, {6360, 3360, 735, 615}, {6480, 3240, 735, 615}}},
    {"lblNumber(4)", {{4200, 2760, 1095, 1215}, {4200, 2280, 1215, 975}, {4320, 2520, 1335, 1095}}},
    {"lblGood1", {{5880, 4560, 1605, 315}, {3960, 2760, 1605, 315}, {4200, 3000, 1605, 315}}},
    {"Label4", {{360, 4440, 870, 255}, {360, 4080, 795, 240}, {240, 3840, 795, 240}}},
    {"lblCorrectA", {{1440, 4440, 735, 375}, {1440, 4080, 735, 375}, {1320, 3840, 615, 375}}},
    {"Label9", {{2160, 4440, 1815, 615}, {2400, 4080, 1815, 615}, {2160, 3840, 1695, 615}}},
    {"lblPercentA", {{3840, 4440, 1215, 615}, {4320, 4080, 1215, 615}, {3960, 3840, 975, 615}}},
    {"Label6", {{360, 4800, 720, 255}, {360, 4440, 630, 240}, {240, 4200, 630, 240}}},
    {"lblTotalA", {{1440, 4800, 735, 255}, {1440, 4440, 735, 255}, {1320, 4200, 615, 255}}},
    {"Label3", {{5280, 5280, 870, 255}, {5520, 4920, 795, 240}, {4560, 4800, 795, 240}}},
    {"lblCorrect", {{6360, 5280, 735, 375}, {6600, 4920, 735, 375}, {5640, 4800, 615, 375}}},
    {"Label7", {{7200, 5280, 1815, 615}, {7560, 4920, 1815, 615}, {6480, 4800, 1575, 615}}},
    {"lblPersent", {{8880, 5280, 1335, 615}, {9720, 4920, 1095, 615}, {8400, 4800, 975, 615}}},
    {"Label5", {{5280, 5640, 720, 255}, {5520, 5280, 630, 240}, {4560, 5160, 630, 240}}},
    {"lblTotal", {{6360, 5640, 735, 255}, {6600, 5280, 735, 255}, {5640, 5160, 615, 255}}},
    {"cmdExit", {{600, 6120, 1215, 495}, {120, 5040, 1215, 495}, {840, 5880, 1215, 495}}},
    {"Label8", {{600, 5280, 1305, 675}, {1560, 4920, 1305, 675}, {240, 4920, 1305, 675}}},
    {"Label10", {{2880, 5400, 1980, 675}, {3360, 4920, 1980, 675}, {2040, 4920, 1980, 675}}},
    {"Shape22", {{240, 4320, 5295, 855}, {240, 3960, 5535, 855}, {120, 3720, 5055, 855}}},
    {"Shape23", {{5160, 5160, 5535, 855}, {5400, 4800, 5535, 855}, {4440, 4680, 5415, 855}}},
    {"Shape10 Shape12 Shape13",
     {{1920, 1680, 1215, 855}, {1440, 1800, 1215, 735}, {1560, 1920, 1215, 735}}},
    {"Shape9", {{6000, 2670, 1215, 735}, {6120, 2430, 1215, 735}, {6120, 2400, 1575, 645}}},
    {"Shape14", {{6000, 2670, 1215, 765}, {6120, 2430, 1215, 735}, {6120, 2430, 1575, 645}}},
    {"Shape11", {{6000, 2670, 1215, 765}, {6120, 2400, 1215, 735}, {6120, 2430, 1575, 615}}},
    {"Shape19", {{6120, 555, 975, 570}}, "lblnumber2(0)"},
    {"Shape20", {{6120, 1275, 975, 570}}, "lblnumber2(1)"},
    {"Shape21", {{6120, 1995, 975, 570}}, "lblnumber2(2)"},
    {"Shape17", {}, "lblNumber(0)"},
    {"Shape18", {}, "lblNumber(1)"},
    {"Shape3 Shape7", {}, "cmdReset"},
    {"Shape4 Shape8", {}, "cmdAnswer"},
    {"Shape1 Shape5", {}, "cmdReset1"},
    {"Shape2 Shape6", {}, "cmdAnswer1"},
    {"Shape16", {}, "cmdScore1"},
    {"Shape15", {}, "cmdScore"},
    {"imgFace(0) imgFace(1) imgFace(2) imgFace(3) imgFace(4)",
     {{-1, -1, 480, 480}, {-1, -1, 480, 480}, {-1, -1, 480, 480}}},
};
// clang-format on

bool overlaps(QWidget *a, QWidget *b)
{
    return a->geometry().intersects(b->geometry());
}

int stackIndex(QWidget *w)
{
    return int(w->parentWidget()->children().indexOf(w));
}

// The first row, counted from the label's top, of the text painted inside its frame.
int firstRowOfInk(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const QRect inside = label->contentsRect();
    const QRgb background = image.pixel(inside.topLeft());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixel(x, y) != background)
                return y;
    return -1;
}

} // namespace

class TestDrillLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    void everyControlAsDesigned_data()
    {
        addDesignedRows(Looks, {"frmAddition", "frmSubtraction", "frmMultiplication"});
    }
    void everyControlAsDesigned()
    {
        QFETCH(int, window);
        checkDesignedControl(DrillWindow(*integerDrills()[window]), Looks, Places);
    }

    void windowsDifferAsDesigned_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientArea");
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("Addition") << &Addition << "Addition" << QSize(751, 539)
                                  << QStringList{" Score", "mnuitemSaveScore", "Display Scores"};
        QTest::newRow("Subtraction") << &Subtraction << "Subtraction" << QSize(747, 443)
                                     << QStringList{"Score", "mnuItemSaveScore", "Desplay Scores"};
        QTest::newRow("Multiplication")
            << &Multiplication << "Multiplication" << QSize(673, 443)
            << QStringList{"Score", "mnuItemSaveScore", "Desplay Scores"};
    }
    void windowsDifferAsDesigned()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(QString, caption);
        QFETCH(QSize, clientArea);
        QFETCH(QStringList, menu);
        DrillWindow window(drill);
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(window.size(), clientArea);
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.menus().size(), 1);
        const QMenu *score = window.menus().first();
        QCOMPARE(score->title(), menu[0]);
        QCOMPARE(score->actions().size(), 3); // the design's two, then Progress
        QCOMPARE(score->actions()[0]->objectName(), menu[1]);
        QCOMPARE(score->actions()[0]->text(), "Save Score");
        QCOMPARE(score->actions()[1]->objectName(), "mnuItemRetrievScores");
        QCOMPARE(score->actions()[1]->text(), menu[2]);
        QCOMPARE(score->actions()[2]->objectName(), "mnuItemProgress");
        QVERIFY(!control<QLabel>(window, "Label8")->text().isEmpty());
        // The window builds the design's controls and no others.
        QCOMPARE(builtControls(window), designedControls(Looks));
    }

    void facesAreFiveDistinctPictures()
    {
        DrillWindow window(Addition);
        QSet<QByteArray> pictures;
        for (QLabel *face : window.imgFace) {
            QCOMPARE(face->pixmap().size(), QSize(32, 32));
            const QImage image = face->pixmap().toImage();
            pictures.insert(
                QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(pictures.size(), 5);
        QVERIFY(window.two.picture->pixmap().isNull());
        QVERIFY(window.two.picture->hasScaledContents());
    }

    void stackingFollowsTheDesign_data()
    {
        QTest::addColumn<const Drill *>("drill");
        for (const Drill *drill : integerDrills())
            QTest::newRow(drillName(drill)) << drill;
    }
    void stackingFollowsTheDesign()
    {
        const Drill &drill = fetchedDrill();
        DrillWindow window(drill);
        const QList<QWidget *> widgets = window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *upper : widgets) {
            if (!qobject_cast<QPushButton *>(upper) && !qobject_cast<QLineEdit *>(upper))
                continue;
            for (QWidget *lower : widgets) {
                const bool beneath = qobject_cast<QLabel *>(lower) || qobject_cast<Shape *>(lower);
                if (beneath && overlaps(upper, lower))
                    QVERIFY2(stackIndex(upper) > stackIndex(lower),
                             qPrintable(upper->objectName() + " over " + lower->objectName()));
            }
        }
        for (const auto &[yellow, blue] : {std::pair{"Shape7", "Shape3"},
                                           {"Shape8", "Shape4"},
                                           {"Shape5", "Shape1"},
                                           {"Shape6", "Shape2"}})
            QVERIFY(stackIndex(control<QWidget>(window, yellow)) >
                    stackIndex(control<QWidget>(window, blue)));
        for (const char *panel : {"Shape22", "Shape23"}) {
            auto *shape = control<Shape>(window, panel);
            for (QLabel *label : window.findChildren<QLabel *>())
                if (shape->nominalGeometry().intersects(label->geometry()))
                    QVERIFY(stackIndex(label) > stackIndex(shape));
        }
        // The three-number correct-answer label is shown at creation, beneath its box.
        QVERIFY(!window.three.correctAnswer->isHidden());
        QCOMPARE(window.three.answerBox->pos(), window.three.correctAnswer->pos());
        QCOMPARE(window.three.answerBox->width(), window.three.correctAnswer->width());
    }

    void borderedAnswersSitWhereTheTilesDo_data()
    {
        QTest::addColumn<int>("window"); // a drill, or Division after them
        QTest::addColumn<QString>("tile");
        QTest::addColumn<QString>("bordered");
        for (const Drill *drill : integerDrills()) {
            QTest::addRow("%s two", drillName(drill)) << int(indexOf(*drill)) << "lblNumber(0)"
                                                      << "lblNumber(2)";
            QTest::addRow("%s three", drillName(drill)) << int(indexOf(*drill)) << "lblnumber2(0)"
                                                        << "lblnumber2(3)";
        }
        QTest::newRow("frmDivision") << int(indexOf(Division)) << "lblNumber(0)"
                                     << "lblNumber(2)";
    }
    void borderedAnswersSitWhereTheTilesDo()
    {
        QFETCH(int, window);
        QFETCH(QString, tile);
        QFETCH(QString, bordered);
        std::unique_ptr<toolkit::Form> form;
        if (integerLayout(drilltable::Drills[window].layout))
            form = std::make_unique<DrillWindow>(drilltable::Drills[window]);
        else
            form = std::make_unique<division::DivisionWindow>();
        auto *plain = control<QLabel>(*form, tile);
        auto *framed = control<QLabel>(*form, bordered);
        plain->setText("88");
        framed->setText("88");
        const int expected = firstRowOfInk(plain) + framed->frameWidth();
        QVERIFY(expected > 0);
        QCOMPARE(firstRowOfInk(framed), expected);
    }

    void aCoveredAnswerShowsNothingBesideItsBox_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<bool>("dark");
        for (const Drill *drill : integerDrills())
            for (const bool dark : {false, true})
                QTest::addRow("%s %s", drillName(drill), dark ? "dark" : "light") << drill << dark;
    }
    void aCoveredAnswerShowsNothingBesideItsBox()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(bool, dark);
        DrillWindow window(drill);
        if (dark)
            window.setPalette(QPalette(QColor(0x31, 0x36, 0x3B)));
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QLabel *label = window.three.correctAnswer;
        const QImage covered = window.grab().toImage();
        label->hide();
        const QImage absent = window.grab().toImage();
        label->show();
        for (const QRect &r : QRegion(label->geometry()) - window.three.answerBox->geometry())
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    QCOMPARE(covered.pixelColor(x, y), absent.pixelColor(x, y));

        // Uncovered after a wrong answer it shows whole, down to its bottom border.
        window.three.answerBox->setText("x");
        window.cmdAnswer1_Click();
        const QImage uncovered = window.grab().toImage();
        const QPoint bottom(label->geometry().center().x(), label->geometry().bottom());
        QCOMPARE(uncovered.pixelColor(bottom), label->palette().color(QPalette::WindowText));
    }

    void looksAsDesigned()
    {
        // Under a real paint the rims, frames and tiles show their colours where the design puts
        // them: a yellow rim round the disabled Reset, blue round Answer, magenta round Score.
        DrillWindow window(Addition);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const auto above = [&](QWidget *w) {
            return image.pixelColor(w->geometry().center().x(), w->geometry().top() - 6);
        };
        const auto leftOf = [&](QWidget *w) {
            return image.pixelColor(w->geometry().left() - 6, w->geometry().center().y());
        };
        QCOMPARE(leftOf(window.two.resetButton), QColor(Qt::yellow));
        QCOMPARE(leftOf(window.two.answerButton), QColor(Qt::blue));
        QCOMPARE(leftOf(window.findChild<QPushButton *>("cmdScore1")), QColor(Qt::magenta));
        QCOMPARE(leftOf(window.three.resetButton), QColor(Qt::yellow));
        QCOMPARE(leftOf(window.three.answerButton), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(window.two.operands[0]->geometry().center() + QPoint(0, 12)),
                 QColor(0xFF, 0xC0, 0xC0));
        QCOMPARE(above(window.two.answerBox), QColor(Qt::yellow)); // the awaiting frame
    }
};

QTEST_MAIN(TestDrillLayout)
#include "tst_drilllayout.moc"
