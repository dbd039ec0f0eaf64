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

// A few places, in twips, that hold each layout to the design's own numbers; the rest is checked
// as properties every window has.
struct Spot
{
    const char *drill; // its key
    const char *name;
    QRect twips;
};
constexpr Spot Spots[] = {
    {"addition", "lblNumber(0)", {2040, 480, 1095, 495}},
    {"addition", "txtAnswer", {2040, 1800, 975, 675}},
    {"addition", "cmdExit", {600, 6120, 1215, 495}},
    {"subtraction", "lblnumber2(2)", {6240, 1875, 975, 495}},
    {"subtraction", "cmdScore", {7920, 1920, 975, 495}},
    {"multiplication", "txtNumber2", {6240, 2520, 1335, 495}},
    {"multiplication", "lblPersent", {8400, 4800, 975, 615}},
};
// clang-format on

// Every window of the table, built afresh.
std::unique_ptr<toolkit::Form> windowOf(const Drill &drill)
{
    if (integerLayout(drill.layout))
        return std::make_unique<DrillWindow>(drill);
    return std::make_unique<division::DivisionWindow>();
}

void addEveryWindow(bool integerOnly = false)
{
    QTest::addColumn<const Drill *>("drill");
    for (const Drill &drill : drilltable::Drills) {
        if (!integerOnly || integerLayout(drill.layout))
            QTest::newRow(drill.name) << &drill;
    }
}

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
        checkDesignedControl(DrillWindow(*integerDrills()[window]), Looks);
    }

    void designedPlaces()
    {
        for (const Spot &spot : Spots) {
            const DrillWindow built(drilltable::drill(spot.drill));
            QCOMPARE(control<QWidget>(built, spot.name)->geometry(),
                     QRect(spot.twips.topLeft() / 15, spot.twips.size() / 15));
        }
    }

    // Inside its window, and no button or box over another, in every integer drill's window.
    // Division's design puts its score panel past the window's edge.
    void everyControlIsInsideItsWindowAndClearOfTheOthers_data() { addEveryWindow(true); }
    void everyControlIsInsideItsWindowAndClearOfTheOthers()
    {
        const std::unique_ptr<toolkit::Form> window = windowOf(fetchedDrill());
        const QRect inside(QPoint(), window->size());
        // What is pressed, typed in or painted as a tile of its own stands clear of the others,
        // but for a box that covers a tile beneath it on purpose.
        QList<QWidget *> clear;
        for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(inside.contains(control->geometry()), qPrintable(control->objectName()));
            if (qobject_cast<QPushButton *>(control) || qobject_cast<QLineEdit *>(control) ||
                (qobject_cast<QLabel *>(control) && control->autoFillBackground()))
                clear << control;
        }
        for (QWidget *one : clear)
            for (QWidget *other : clear)
                QVERIFY2(one == other || !overlaps(one, other) ||
                             (qobject_cast<QLineEdit *>(one) && qobject_cast<QLabel *>(other)) ||
                             (qobject_cast<QLabel *>(one) && qobject_cast<QLineEdit *>(other)),
                         qPrintable(one->objectName() + " over " + other->objectName()));
    }

    // Drills that share a layout show it alike: a new drill takes an old one's places and looks.
    void aLayoutIsTheSameInEveryWindowOfIt_data() { addEveryWindow(); }
    void aLayoutIsTheSameInEveryWindowOfIt()
    {
        const Drill &drill = fetchedDrill();
        const Drill *first = &drill;
        for (const Drill &other : drilltable::Drills) {
            if (other.layout == drill.layout && &other < first)
                first = &other;
        }
        if (first == &drill)
            QSKIP("the first window of its layout");
        const std::unique_ptr<toolkit::Form> window = windowOf(drill);
        const std::unique_ptr<toolkit::Form> model = windowOf(*first);
        QCOMPARE(window->size(), model->size());
        for (QWidget *modelled : model->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const auto *own = control<QWidget>(*window, modelled->objectName());
            // A drill's own heading and sign take the width of their text.
            QCOMPARE(own->pos(), modelled->pos());
            const auto *label = qobject_cast<const QLabel *>(own);
            if (!label || label->text() == static_cast<const QLabel *>(modelled)->text())
                QCOMPARE(own->size(), modelled->size());
            QCOMPARE(own->font(), modelled->font());
            QCOMPARE(own->isHidden(), modelled->isHidden());
            QCOMPARE(own->isEnabled(), modelled->isEnabled());
        }
        QCOMPARE(builtControls(*window), builtControls(*model));
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

    void stackingFollowsTheDesign_data() { addEveryWindow(true); }
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
                if (shape->geometry().intersects(label->geometry()))
                    QVERIFY(stackIndex(label) > stackIndex(shape));
        }
        // The three-number correct-answer label is shown at creation, beneath its box.
        QVERIFY(!window.three.correctAnswer->isHidden());
        QCOMPARE(window.three.answerBox->pos(), window.three.correctAnswer->pos());
        QCOMPARE(window.three.answerBox->width(), window.three.correctAnswer->width());
    }

    void borderedAnswersSitWhereTheTilesDo_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<QString>("tile");
        QTest::addColumn<QString>("bordered");
        for (const Drill &drill : drilltable::Drills) {
            QTest::addRow("%s two", drill.name) << &drill << "lblNumber(0)"
                                                << "lblNumber(2)";
            if (integerLayout(drill.layout))
                QTest::addRow("%s three", drill.name) << &drill << "lblnumber2(0)"
                                                      << "lblnumber2(3)";
        }
    }
    void borderedAnswersSitWhereTheTilesDo()
    {
        QFETCH(QString, tile);
        QFETCH(QString, bordered);
        const std::unique_ptr<toolkit::Form> form = windowOf(fetchedDrill());
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
                QTest::addRow("%s %s", drill->name, dark ? "dark" : "light") << drill << dark;
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
        press(window, "cmdAnswer1");
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
