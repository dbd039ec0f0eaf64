// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The form services: controls from a design table, stacking, the default button and Enter, and
// one instance per window that loads on open and unloads on close.
#include "controls.h"
#include "toolkit/forms/binding.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/shape.h"
#include "toolkit/forms/windowinstance.h"
#include "toolkit/look/appearance.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace toolkit;

namespace {

constexpr WindowDesign Design{
    .name = "frmSample", .caption = "Sample", .clientArea = {4500, 3000}, .icon = "target"};

class SampleForm : public Form
{
public:
    explicit SampleForm(int *loads = nullptr);
    void Form_Load() override
    {
        if (m_loads)
            ++*m_loads;
    }
    void cmdOne_Click() { ++clicks; }
    QPushButton *button(const char *name) const { return control<QPushButton>(*this, name); }

    QPushButton *cmdOne = nullptr;
    QLabel *lblArray[2] = {};
    int clicks = 0;

private:
    int *m_loads;
};

// Back to front.
// clang-format off
constexpr ControlRow Rows[] = {
    {.kind = Kind::Shape, .name = "ShapePanel", .geometry = {3000, 1500, 1200, 900},
     .back = rgb(0xFFFFC0), .outline = rgb(0xFFFFC0), .outlineWidth = 1, .flags = Rounded},
    {.kind = Kind::Label, .name = "lblArray(1)", .geometry = {3150, 1650, 600, 300}, .caption = "on",
     .font = {"Arial", 9.75, true, true}, .member = bindTo<&SampleForm::lblArray, 1>},
    {.kind = Kind::Label, .name = "lblArray(0)", .geometry = {150, 150, 900, 450},
     .back = rgb(0xFFC0C0), .flags = Centred, .member = bindTo<&SampleForm::lblArray, 0>},
    {.kind = Kind::Label, .name = "lblAuto", .geometry = {150, 1800, 3000, 3000}, .caption = "Sized",
     .font = {"Arial", 12}, .flags = AutoSize},
    {.kind = Kind::Label, .name = "lblHidden", .geometry = {150, 2400, 900, 300},
     .caption = "Hidden", .flags = Hidden},
    {.kind = Kind::Shape, .name = "ShapeRim", .geometry = {1500, 150, 900, 450},
     .outline = rgb(0xFFFF00), .outlineWidth = 25, .flags = Rounded},
    {.kind = Kind::Timer, .name = "TimerA", .interval = 500},
    {.kind = Kind::TextBox, .name = "txtFirst", .geometry = {150, 150, 900, 450},
     .font = {"MS Sans Serif", 18}, .tabIndex = 3},
    {.kind = Kind::TextBox, .name = "txtSecond", .geometry = {150, 900, 900, 450}, .tabIndex = 1},
    {.kind = Kind::Button, .name = "cmdOne", .geometry = {1500, 150, 900, 450}, .caption = "One",
     .tabIndex = 0, .member = bindTo<&SampleForm::cmdOne>,
     .handler = on<&SampleForm::cmdOne_Click>},
    {.kind = Kind::Button, .name = "cmdTwo", .geometry = {1500, 750, 900, 450}, .caption = "Two",
     .flags = Disabled, .tabIndex = 2},
};
// clang-format on

// A member named as its control carries that name, checked against the row's as the form is built.
static_assert(bindTo<&SampleForm::cmdOne>.member == "cmdOne");
static_assert(bindTo<&SampleForm::lblArray, 1>.member == "lblArray" &&
              bindTo<&SampleForm::lblArray, 1>.index == 1);

SampleForm::SampleForm(int *loads)
    : Form(Design)
    , m_loads(loads)
{
    build(Rows);
}

// A window that grows with its frame: its rows stand in bands, not at places.
class BandedForm : public Form
{
public:
    BandedForm();
    void changed() { ++changes; }
    int changes = 0;
    static const ControlRow Rows[];
};

constexpr const char *Pages[] = {"&First", "&Second", nullptr};
constexpr const char *Items[] = {"one", "two", nullptr};

// clang-format off
const ControlRow BandedForm::Rows[] = {
    {.kind = Kind::Label, .name = "lblAbove", .band = Band::Above, .stretch = 1, .caption = "Above"},
    {.kind = Kind::Choice, .name = "cboAbove", .band = Band::Above, .items = Items,
     .handler = on<&BandedForm::changed>},
    {.kind = Kind::Date, .name = "datAbove", .band = Band::Above, .flags = Disabled,
     .handler = on<&BandedForm::changed>},
    {.kind = Kind::Pages, .name = "tabPages", .band = Band::Body, .stretch = 1, .items = Pages},
    {.kind = Kind::Table, .name = "grdFirst", .band = Band::Page, .page = 0, .stretch = 1},
    {.kind = Kind::Table, .name = "grdSecond", .band = Band::Page, .page = 1, .stretch = 1},
    {.kind = Kind::Meter, .name = "prgBelow", .band = Band::Below, .flags = Hidden},
    {.kind = Kind::Button, .name = "cmdLeft", .band = Band::Below, .caption = "Left"},
    {.kind = Kind::Button, .name = "cmdRight", .band = Band::Below, .caption = "Right",
     .flags = Apart},
};
// clang-format on

BandedForm::BandedForm()
    : Form(Design)
{
    build(Rows);
}

int indexAmongSiblings(QWidget *w)
{
    return int(w->parentWidget()->children().indexOf(w));
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void buildsNamedControlsAtTheirPlaces()
    {
        SampleForm form;
        QCOMPARE(form.objectName(), "frmSample");
        QCOMPARE(form.windowTitle(), "Sample");
        QCOMPARE(form.size(), QSize(300, 200));
        for (const ControlRow &row : Rows)
            QVERIFY2(form.findChild<QObject *>(row.name), row.name);
        auto *first = control<QLineEdit>(form, "txtFirst");
        QCOMPARE(first->geometry(), QRect(10, 10, 60, 30));
        QCOMPARE(first->alignment(), Qt::AlignCenter);
        QVERIFY(!first->hasFrame());
        QCOMPARE(QFontInfo(first->font()).family(), "Liberation Sans");
        QCOMPARE(first->font().pointSizeF(), 18.0);
        QVERIFY(!form.button("cmdTwo")->isEnabled());
        QVERIFY(control<QLabel>(form, "lblHidden")->isHidden());
        QVERIFY(!control<QLabel>(form, "lblArray(0)")->isHidden());
        QCOMPARE(control<QLabel>(form, "lblArray(0)")->palette().color(QPalette::Window),
                 QColor(0xFF, 0xC0, 0xC0));
        QCOMPARE(control<QTimer>(form, "TimerA")->interval(), 500);
        QVERIFY(!control<QTimer>(form, "TimerA")->isActive());
    }

    // Menus and boxes use the application's font: a monospace face the desktop's fontconfig
    // falls to gives way to the window font's, a proportional one stays.
    void applicationFontStaysProportional_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("shown");
        QTest::newRow("monospace") << "Liberation Mono"
                                   << "Liberation Sans";
        QTest::newRow("proportional") << "Liberation Serif"
                                      << "Liberation Serif";
    }
    void applicationFontStaysProportional()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, shown);
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        QFont font(desktop);
        font.setPointSizeF(9);
        QApplication::setFont(font);
        keepProportionalFont();
        QCOMPARE(QFontInfo(QApplication::font()).family(), shown);
        QCOMPARE(QApplication::font().pointSizeF(), 9.0);
    }

    void autoSizeKeepsLeftAndTop()
    {
        SampleForm form;
        auto *label = control<QLabel>(form, "lblAuto");
        QCOMPARE(label->pos(), QPoint(10, 120));
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(label->width() < 200);
    }

    void shapesDrawTheirOutlineAcrossTheEdge()
    {
        SampleForm form;
        auto *rim = control<Shape>(form, "ShapeRim");
        QCOMPARE(rim->geometry(), form.button("cmdOne")->geometry().adjusted(-13, -13, 13, 13));
        QVERIFY(rim->testAttribute(Qt::WA_TransparentForMouseEvents));

        // Only the outer half of the rim shows around the button drawn above it.
        form.show();
        const QImage image = form.grab().toImage();
        const QRect button = form.button("cmdOne")->geometry();
        QCOMPARE(image.pixelColor(button.center().x(), button.top() - 6), QColor(Qt::yellow));
        QVERIFY(image.pixelColor(button.center()) != QColor(Qt::yellow));

        // A drawn shape is kept for repaints, and drawn afresh in new colours or at a new size.
        const QPoint top(button.center().x(), button.top() - 6);
        rim->setColours(Qt::blue, QColor());
        QCOMPARE(form.grab().toImage().pixelColor(top), QColor(Qt::blue));
        rim->resize(rim->width() + 40, rim->height());
        const QPoint right(rim->geometry().right() - 6, rim->geometry().center().y());
        QCOMPARE(form.grab().toImage().pixelColor(right), QColor(Qt::blue));
    }

    void rowsStackBackToFrontAndBindWhereTheyAreDeclared()
    {
        SampleForm form;
        const QList<QWidget *> stack = form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QStringList names;
        for (const QWidget *w : stack)
            names << w->objectName();
        QStringList rows;
        for (const ControlRow &row : Rows)
            if (row.kind != Kind::Timer)
                rows << row.name;
        QCOMPARE(names, rows);
        QVERIFY(indexAmongSiblings(control<QLineEdit>(form, "txtFirst")) >
                indexAmongSiblings(control<QLabel>(form, "lblArray(0)")));

        QCOMPARE(form.cmdOne, form.button("cmdOne"));
        QCOMPARE(form.lblArray[0], control<QLabel>(form, "lblArray(0)"));
        QCOMPARE(form.lblArray[1], control<QLabel>(form, "lblArray(1)"));
        QTest::mouseClick(form.cmdOne, Qt::LeftButton);
        QCOMPARE(form.clicks, 1);
    }

    // One default button at a time, which Enter presses while it is enabled and shown.
    void enterPressesTheEnabledDefaultButton()
    {
        SampleForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QPushButton *one = form.button("cmdOne");
        QPushButton *two = form.button("cmdTwo");
        QSignalSpy oneClicks(one, &QPushButton::clicked);
        QSignalSpy twoClicks(two, &QPushButton::clicked);
        auto *box = control<QLineEdit>(form, "txtSecond");

        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(oneClicks.count(), 0); // no default button yet

        form.makeDefault(one);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(oneClicks.count(), 2);

        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(oneClicks.count(), 2);

        form.makeDefault(two); // disabled: Enter does nothing
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(twoClicks.count(), 0);
        QCOMPARE(oneClicks.count(), 2);

        two->setEnabled(true);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(twoClicks.count(), 1);
        QCOMPARE(defaultButton(form), two); // one at a time
        form.takeDefault(one);              // not the default: nothing changes
        QCOMPARE(defaultButton(form), two);
        two->hide();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(twoClicks.count(), 1);
        form.takeDefault(two);
        QCOMPARE(defaultButton(form), nullptr);
    }

    void typingStartsInTheFirstBoxAndTabReachesTheButtons()
    {
        SampleForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        form.focusFirst();
        // cmdOne stands first in the tab order, but typing goes to a box.
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(form, "txtSecond"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(form, "txtFirst"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.cmdOne);
        // Enter presses the focused button, default or not.
        QVERIFY(!form.cmdOne->isDefault());
        QTest::keyClick(form.cmdOne, Qt::Key_Return);
        QCOMPARE(form.clicks, 1);
    }

    void bandsGrowWithTheWindowInTheOrderOfTheirRows()
    {
        BandedForm form;
        form.resize(600, 400);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto place = [&form](const char *name) {
            auto *w = control<QWidget>(form, name);
            return QRect(w->mapTo(&form, QPoint()), w->size());
        };
        // The bar above, the pages, the bar below, each within the window and none on another.
        QVERIFY(place("cboAbove").bottom() < place("tabPages").top());
        QVERIFY(place("tabPages").bottom() < place("cmdLeft").top());
        QVERIFY(form.rect().contains(place("cmdRight")));
        QVERIFY(place("lblAbove").right() < place("cboAbove").left());
        // The spare room goes to the stretching rows, and Apart sets a button off to the right.
        QVERIFY(place("grdFirst").height() > form.height() / 2);
        QVERIFY(place("cmdRight").left() - place("cmdLeft").right() > form.width() / 2);
        QVERIFY(control<QWidget>(form, "prgBelow")->isHidden());
        const auto *tabs = control<QTabWidget>(form, "tabPages");
        QCOMPARE(tabs->tabText(1), QStringLiteral("&Second"));
        QVERIFY(tabs->widget(1)->isAncestorOf(control<QWidget>(form, "grdSecond")));
        // Tab follows the rows.
        form.activateWindow();
        form.focusFirst();
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"cboAbove", "qt_tabwidget_tabbar", "grdFirst", "cmdLeft"}));
        // A choice's and a date's change run their handler; the choice's items are its rows'.
        auto *choice = control<QComboBox>(form, "cboAbove");
        QCOMPARE(choice->count(), 2);
        choice->setCurrentIndex(1);
        control<QDateEdit>(form, "datAbove")->setDate(QDate(2026, 9, 1));
        QCOMPARE(form.changes, 2);
    }

    void instanceLoadsOnceAndAfreshAfterClosing()
    {
        QMdiArea area;
        area.resize(800, 600);
        area.show();
        WindowInstance::setMdiArea(&area);
        int loads = 0;
        WindowInstance instance([&loads] { return new SampleForm(&loads); });
        QVERIFY(!instance.isLoaded());

        Form *first = instance.show();
        QCOMPARE(loads, 1);
        QCOMPARE(area.subWindowList().size(), 1);
        QVERIFY(area.subWindowList().first()->isMaximized());
        QCOMPARE(area.activeSubWindow()->widget(), first);

        QCOMPARE(instance.show(), first);
        QCOMPARE(loads, 1);
        QCOMPARE(area.subWindowList().size(), 1);

        QPointer<QLabel> label = control<QLabel>(*first, "lblArray(0)");
        first->unload();
        QTRY_VERIFY(!instance.isLoaded());
        QTRY_VERIFY(label.isNull());
        QVERIFY(area.subWindowList().isEmpty());

        Form *second = instance.show();
        QCOMPARE(loads, 2);
        QVERIFY(control<QLabel>(*second, "lblArray(0)"));
        instance.unload();
        QTRY_VERIFY(!instance.isLoaded());
        WindowInstance::setMdiArea(nullptr);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
