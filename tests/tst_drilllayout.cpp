// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three drill windows as built: every control of the design table at its place, in its font
// and colours, in its initial state, stacked as the design wants.
#include "division/divisionwindow.h"
#include "drills/drilldesign.h"
#include "drills/drillwindow.h"
#include "layoutcheck.h"
#include "toolkit/appearance.h"
#include "toolkit/shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace drills;
using toolkit::Kind;
using toolkit::Shape;

Q_DECLARE_METATYPE(drills::Drill)

namespace {

const char *drillName(Drill drill)
{
    return windowDesign(drill).name;
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
        QTest::addColumn<Drill>("drill");
        QTest::addColumn<int>("row");
        for (const Drill drill : AllDrills)
            for (int i = 0; i < int(drillRows().size()); ++i)
                QTest::addRow("%s %s", drillName(drill), drillRows()[i].shared.name) << drill << i;
    }
    void everyControlAsDesigned()
    {
        QFETCH(Drill, drill);
        QFETCH(int, row);
        const DrillWindow window(drill);
        checkControl(window, drillRows()[row].at(drill));
    }

    void windowsDifferAsDesigned_data()
    {
        QTest::addColumn<Drill>("drill");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientArea");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("Addition") << Drill::Addition << "Addition" << QSize(751, 539)
                                  << QStringList{"ADD 2", "ADD 3"} << "+"
                                  << QStringList{" Score", "mnuitemSaveScore", "Display Scores"};
        QTest::newRow("Subtraction") << Drill::Subtraction << "Subtraction" << QSize(747, 443)
                                     << QStringList{"SUBTRACT  2", "SUBTRACT 3"} << "-"
                                     << QStringList{"Score", "mnuItemSaveScore", "Desplay Scores"};
        QTest::newRow("Multiplication")
            << Drill::Multiplication << "Multiplication" << QSize(673, 443)
            << QStringList{"MULTIPLY  2", "MULTIPLY 3"} << "X"
            << QStringList{"Score", "mnuItemSaveScore", "Desplay Scores"};
    }
    void windowsDifferAsDesigned()
    {
        QFETCH(Drill, drill);
        QFETCH(QString, caption);
        QFETCH(QSize, clientArea);
        QFETCH(QStringList, headings);
        QFETCH(QString, sign);
        QFETCH(QStringList, menu);
        DrillWindow window(drill);
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(window.size(), clientArea);
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.control<QLabel>("Label11")->text(), headings[0]);
        QCOMPARE(window.control<QLabel>("Label12")->text(), headings[1]);
        for (const char *name : {"Label2(0)", "Label2(1)", "Label2(2)"})
            QCOMPARE(window.control<QLabel>(name)->text(), sign);
        QCOMPARE(window.menus().size(), 1);
        const QMenu *score = window.menus().first();
        QCOMPARE(score->title(), menu[0]);
        QCOMPARE(score->actions().size(), 2);
        QCOMPARE(score->actions()[0]->objectName(), menu[1]);
        QCOMPARE(score->actions()[0]->text(), "Save Score");
        QCOMPARE(score->actions()[1]->objectName(), "mnuItemRetrievScores");
        QCOMPARE(score->actions()[1]->text(), menu[2]);
        QVERIFY(window.control<QLabel>("Label10")->text().startsWith(
            "For more information or comment Email to "));
        QVERIFY(!window.control<QLabel>("Label8")->text().isEmpty());
    }

    void facesAreFiveDistinctPictures()
    {
        DrillWindow window(Drill::Addition);
        QSet<QByteArray> pictures;
        for (QLabel *face : window.imgFace) {
            QCOMPARE(face->pixmap().size(), QSize(32, 32));
            const QImage image = face->pixmap().toImage();
            pictures.insert(
                QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(pictures.size(), 5);
        QVERIFY(window.imgImage->pixmap().isNull());
        QVERIFY(window.imgImage->hasScaledContents());
    }

    void stackingFollowsTheDesign_data()
    {
        QTest::addColumn<Drill>("drill");
        for (const Drill drill : AllDrills)
            QTest::newRow(drillName(drill)) << drill;
    }
    void stackingFollowsTheDesign()
    {
        QFETCH(Drill, drill);
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
            QVERIFY(stackIndex(window.control<QWidget>(yellow)) >
                    stackIndex(window.control<QWidget>(blue)));
        for (const char *panel : {"Shape22", "Shape23"}) {
            auto *shape = window.control<Shape>(panel);
            for (QLabel *label : window.findChildren<QLabel *>())
                if (shape->nominalGeometry().intersects(label->geometry()))
                    QVERIFY(stackIndex(label) > stackIndex(shape));
        }
        // The three-number correct-answer label is shown at creation, beneath its box.
        QVERIFY(!window.lblnumber2[3]->isHidden());
        QCOMPARE(window.txtNumber2->pos(), window.lblnumber2[3]->pos());
        QCOMPARE(window.txtNumber2->width(), window.lblnumber2[3]->width());
    }

    void borderedAnswersSitWhereTheTilesDo_data()
    {
        QTest::addColumn<int>("window"); // a drill, or Division after them
        QTest::addColumn<QString>("tile");
        QTest::addColumn<QString>("bordered");
        for (const Drill drill : AllDrills) {
            QTest::addRow("%s two", drillName(drill)) << int(drill) << "lblNumber(0)"
                                                      << "lblNumber(2)";
            QTest::addRow("%s three", drillName(drill)) << int(drill) << "lblnumber2(0)"
                                                        << "lblnumber2(3)";
        }
        QTest::newRow("frmDivision") << int(std::size(AllDrills)) << "lblNumber(0)"
                                     << "lblNumber(2)";
    }
    void borderedAnswersSitWhereTheTilesDo()
    {
        QFETCH(int, window);
        QFETCH(QString, tile);
        QFETCH(QString, bordered);
        std::unique_ptr<toolkit::Form> form;
        if (window < int(std::size(AllDrills)))
            form = std::make_unique<DrillWindow>(AllDrills[window]);
        else
            form = std::make_unique<division::DivisionWindow>();
        auto *plain = form->control<QLabel>(tile);
        auto *framed = form->control<QLabel>(bordered);
        plain->setText("88");
        framed->setText("88");
        const int expected = firstRowOfInk(plain) + framed->frameWidth();
        QVERIFY(expected > 0);
        QCOMPARE(firstRowOfInk(framed), expected);
    }

    void aCoveredAnswerShowsNothingBesideItsBox_data()
    {
        QTest::addColumn<Drill>("drill");
        QTest::addColumn<bool>("dark");
        for (const Drill drill : AllDrills)
            for (const bool dark : {false, true})
                QTest::addRow("%s %s", drillName(drill), dark ? "dark" : "light") << drill << dark;
    }
    void aCoveredAnswerShowsNothingBesideItsBox()
    {
        QFETCH(Drill, drill);
        QFETCH(bool, dark);
        DrillWindow window(drill);
        if (dark)
            window.setPalette(QPalette(QColor(0x31, 0x36, 0x3B)));
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QLabel *label = window.lblnumber2[3];
        const QImage covered = window.grab().toImage();
        label->hide();
        const QImage absent = window.grab().toImage();
        label->show();
        for (const QRect &r : QRegion(label->geometry()) - window.txtNumber2->geometry())
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    QCOMPARE(covered.pixelColor(x, y), absent.pixelColor(x, y));

        // Uncovered after a wrong answer it shows whole, down to its bottom border.
        window.txtNumber2->setText("x");
        window.cmdAnswer1_Click();
        const QImage uncovered = window.grab().toImage();
        const QPoint bottom(label->geometry().center().x(), label->geometry().bottom());
        QCOMPARE(uncovered.pixelColor(bottom), label->palette().color(QPalette::WindowText));
    }

    void looksAsDesigned()
    {
        // Under a real paint the rims, frames and tiles show their colours where the design puts
        // them: a yellow rim round the disabled Reset, blue round Answer, magenta round Score.
        DrillWindow window(Drill::Addition);
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
        QCOMPARE(leftOf(window.cmdReset), QColor(Qt::yellow));
        QCOMPARE(leftOf(window.cmdAnswer), QColor(Qt::blue));
        QCOMPARE(leftOf(window.cmdScore1), QColor(Qt::magenta));
        QCOMPARE(leftOf(window.cmdReset1), QColor(Qt::yellow));
        QCOMPARE(leftOf(window.cmdAnswer1), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(window.lblNumber[0]->geometry().center() + QPoint(0, 12)),
                 QColor(0xFF, 0xC0, 0xC0));
        QCOMPARE(above(window.txtAnswer), QColor(Qt::yellow)); // the awaiting frame
    }
};

QTEST_MAIN(TestDrillLayout)
#include "tst_drilllayout.moc"
