#include "drillwindow.h"

#include "scores/scorerecord.h"
#include "scores/scorewindow.h"
#include "toolkit/random.h"
#include "toolkit/shape.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace drills {

using toolkit::Shape;

namespace {

std::vector<toolkit::ControlRow> rowsOf(Drill drill)
{
    std::vector<toolkit::ControlRow> rows;
    std::ranges::transform(drillRows(), std::back_inserter(rows),
                           [drill](const DrillRow &row) { return row.at(drill); });
    return rows;
}

std::vector<toolkit::AccessibleRow> accessibleRowsOf(Drill drill)
{
    std::vector<toolkit::AccessibleRow> rows;
    std::ranges::transform(drillAccessibility(), std::back_inserter(rows),
                           [drill](const DrillAccessibleRow &row) { return row.at(drill); });
    return rows;
}

std::vector<toolkit::MenuRow> menuRowsOf(Drill drill)
{
    std::vector<toolkit::MenuRow> rows;
    std::ranges::transform(drillMenuRows(), std::back_inserter(rows), [drill](const auto &row) {
        return toolkit::MenuRow{row.name[drill], row.caption[drill], row.parent};
    });
    return rows;
}

constexpr PerDrill<const scores::ScoreFile *> ScoreFiles{
    &scores::AdditionScores, &scores::SubtractionScores, &scores::MultiplicationScores};

} // namespace

DrillWindow::DrillWindow(Drill drill, QWidget *parent)
    : Form(windowDesign(drill), parent)
    , m_drill(drill)
    , m_ranges(operandRanges(drill))
{
    build(rowsOf(drill));
    describe(accessibleRowsOf(drill));
    buildMenus(menuRowsOf(drill));
    setTabOrder(tabOrder(drill));

    bind(lblNumber, "lblNumber");
    bind(lblnumber2, "lblnumber2");
    bind(imgFace, "imgFace");
    bind(txtAnswer, "txtAnswer");
    bind(txtNumber2, "txtNumber2");
    bind(cmdAnswer, "cmdAnswer");
    bind(cmdReset, "cmdReset");
    bind(cmdScore1, "cmdScore1");
    bind(cmdAnswer1, "cmdAnswer1");
    bind(cmdReset1, "cmdReset1");
    bind(cmdScore, "cmdScore");
    bind(cmdExit, "cmdExit");
    bind(imgImage, "imgImage");
    bind(imgAnswer, "imgAnswer");
    bind(lblGood, "lblGood");
    bind(lblGood1, "lblGood1");
    bind(lblCorrectA, "lblCorrectA");
    bind(lblTotalA, "lblTotalA");
    bind(lblPercentA, "lblPercentA");
    bind(lblCorrect, "lblCorrect");
    bind(lblTotal, "lblTotal");
    bind(lblPersent, "lblPersent");
    bind(Timer1, "Timer1");
    bind(Timer2, "Timer2");
    bind(Timer3, "Timer3");
    bind(Timer4, "Timer4");
    m_two = twoNumber();
    m_three = threeNumber();

    connect(cmdReset, &QPushButton::clicked, this, &DrillWindow::cmdReset_Click);
    connect(cmdReset1, &QPushButton::clicked, this, &DrillWindow::cmdReset1_Click);
    connect(cmdExit, &QPushButton::clicked, this, &DrillWindow::cmdExit_Click);
    connect(txtAnswer, &QLineEdit::textChanged, this, &DrillWindow::txtAnswer_Change);
    connect(txtNumber2, &QLineEdit::textChanged, this, &DrillWindow::txtNumber2_Change);
    connect(cmdAnswer, &QPushButton::clicked, this, &DrillWindow::cmdAnswer_Click);
    connect(cmdAnswer1, &QPushButton::clicked, this, &DrillWindow::cmdAnswer1_Click);
    connect(cmdScore1, &QPushButton::clicked, this, &DrillWindow::cmdScore1_Click);
    connect(cmdScore, &QPushButton::clicked, this, &DrillWindow::cmdScore_Click);
    connect(Timer1, &QTimer::timeout, this, &DrillWindow::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &DrillWindow::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &DrillWindow::Timer3_Timer);
    connect(Timer4, &QTimer::timeout, this, &DrillWindow::Timer4_Timer);
    connect(menuItem(QString::fromLatin1(drillMenuRows()[1].name[drill])), &QAction::triggered,
            this, &DrillWindow::mnuItemSaveScore_Click);
    connect(menuItem("mnuItemRetrievScores"), &QAction::triggered, this,
            &DrillWindow::mnuItemRetrievScores_Click);
}

Exercise DrillWindow::twoNumber()
{
    Exercise e;
    e.form = this;
    e.operands = {lblNumber[0], lblNumber[1]};
    e.answerBox = txtAnswer;
    e.correctAnswer = lblNumber[2];
    e.leadIn = lblNumber[3];
    e.answerButton = cmdAnswer;
    e.resetButton = cmdReset;
    bind(e.answerRim, "Shape8");
    bind(e.resetRim, "Shape7");
    bind(e.awaitingFrame, "Shape10");
    bind(e.rightFrame, "Shape12");
    bind(e.wrongFrame, "Shape13");
    e.picture = imgImage;
    e.praise = lblGood;
    e.faces = imgFace;
    e.firstTimer = Timer1;
    e.secondTimer = Timer2;
    e.correctLabel = lblCorrectA;
    e.totalLabel = lblTotalA;
    e.percentLabel = lblPercentA;
    e.total = &intTotalA;
    e.correct = &intCorrectA;
    e.reward = &intRewardA;
    e.step = &intStepA;
    e.rightFace = 2;
    e.correctText = [drill = m_drill](const QList<double> &v) { return resultText(drill, v); };
    return e;
}

Exercise DrillWindow::threeNumber()
{
    Exercise e;
    e.form = this;
    e.operands = {lblnumber2[0], lblnumber2[1], lblnumber2[2]};
    e.answerBox = txtNumber2;
    e.correctAnswer = lblnumber2[3];
    e.leadIn = lblNumber[4];
    e.answerButton = cmdAnswer1;
    e.resetButton = cmdReset1;
    bind(e.answerRim, "Shape6");
    bind(e.resetRim, "Shape5");
    bind(e.awaitingFrame, "Shape9");
    bind(e.rightFrame, "Shape14");
    bind(e.wrongFrame, "Shape11");
    e.picture = imgAnswer;
    e.praise = lblGood1;
    e.faces = imgFace;
    e.firstTimer = Timer3;
    e.secondTimer = Timer4;
    e.correctLabel = lblCorrect;
    e.totalLabel = lblTotal;
    e.percentLabel = lblPersent;
    e.total = &intTotal;
    e.correct = &intCorrect;
    e.reward = &intReward;
    e.step = &intStep;
    e.rightFace = 3;
    e.correctText = [drill = m_drill](const QList<double> &v) { return resultText(drill, v); };
    return e;
}

void DrillWindow::Form_Load()
{
    intStepA = 0;
    intStep = 0;
    intCorrect = 0;
    intCorrectA = 0;
    intRewardA = 0;
    intTotalA = 0;
    intReward = 0;
    intTotal = 0;
    makeDefault(cmdAnswer);
    toolkit::RandomSource::instance().reseed();
    m_three.deal(m_ranges.threeAtLoad);
    m_two.deal(m_ranges.twoAtLoad);
    lblNumber[2]->hide();
    lblNumber[3]->hide();
    txtAnswer->show();
    txtAnswer->setText(QString());
}

void DrillWindow::cmdReset_Click()
{
    m_two.reset(m_ranges.twoAtReset);
}

void DrillWindow::cmdReset1_Click()
{
    m_three.reset(m_ranges.threeAtReset);
}

void DrillWindow::cmdExit_Click()
{
    unload();
}

void DrillWindow::txtAnswer_Change()
{
    takeDefault(cmdAnswer1);
    takeDefault(cmdReset1);
    makeDefault(cmdAnswer);
}

void DrillWindow::txtNumber2_Change()
{
    takeDefault(cmdReset);
    takeDefault(cmdAnswer);
    makeDefault(cmdAnswer1);
}

void DrillWindow::cmdAnswer_Click()
{
    m_two.answer();
}

void DrillWindow::cmdAnswer1_Click()
{
    m_three.answer();
}

void DrillWindow::Timer1_Timer()
{
    m_two.firstTimerTick();
}

void DrillWindow::Timer2_Timer()
{
    m_two.secondTimerTick();
}

void DrillWindow::Timer3_Timer()
{
    m_three.firstTimerTick();
}

void DrillWindow::Timer4_Timer()
{
    m_three.secondTimerTick();
}

void DrillWindow::cmdScore1_Click()
{
    m_two.showScore();
}

void DrillWindow::cmdScore_Click()
{
    m_three.showScore();
}

void DrillWindow::mnuItemSaveScore_Click()
{
    // The count starts afresh only once the record is safely in the file.
    const scores::Captions shown{lblPercentA->text(), lblTotalA->text(), lblPersent->text(),
                                 lblTotal->text()};
    if (!scores::saveScore(this, *ScoreFiles[m_drill], shown))
        return;
    intCorrect = 0;
    intTotal = 0;
    intTotalA = 0;
    intCorrectA = 0;
    lblPercentA->clear();
    lblPersent->clear();
}

void DrillWindow::mnuItemRetrievScores_Click()
{
    scores::displayScores(*ScoreFiles[m_drill]);
}

} // namespace drills
