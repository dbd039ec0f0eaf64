#include "divisionwindow.h"

#include "divisiondesign.h"

#include "scores/scorerecord.h"
#include "scores/scorewindow.h"
#include "toolkit/formats.h"
#include "toolkit/random.h"
#include "toolkit/shape.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace division {

DivisionWindow::DivisionWindow(QWidget *parent)
    : Form(divisionDesign(), parent)
{
    build(divisionRows());
    describe(divisionAccessibility());
    buildMenus(divisionMenuRows());
    setTabOrder(divisionTabOrder());

    bind(lblNumber, "lblNumber");
    bind(imgFace, "imgFace");
    bind(txtAnswer, "txtAnswer");
    bind(cmdAnswer, "cmdAnswer");
    bind(cmdReset, "cmdReset");
    bind(cmdScore1, "cmdScore1");
    bind(cmdExit, "cmdExit");
    bind(imgImage, "imgImage");
    bind(lblGood, "lblGood");
    bind(lblCorrectA, "lblCorrectA");
    bind(lblTotalA, "lblTotalA");
    bind(lblPercentA, "lblPercentA");
    bind(Timer1, "Timer1");
    bind(Timer2, "Timer2");

    drills::Exercise &e = m_exercise;
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
    e.correctText = quotientText;
    e.rewriteTyped = [](QLineEdit *box) { box->setText(rewrittenAnswer(box->text())); };

    // The answer box has no change handler: typing moves no default button here.
    connect(cmdReset, &QPushButton::clicked, this, &DivisionWindow::cmdReset_Click);
    connect(cmdAnswer, &QPushButton::clicked, this, &DivisionWindow::cmdAnswer_Click);
    connect(cmdScore1, &QPushButton::clicked, this, &DivisionWindow::cmdScore1_Click);
    connect(cmdExit, &QPushButton::clicked, this, &DivisionWindow::cmdExit_Click);
    connect(Timer1, &QTimer::timeout, this, &DivisionWindow::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &DivisionWindow::Timer2_Timer);
    connect(menuItem("mnuitemSaveScore"), &QAction::triggered, this,
            &DivisionWindow::mnuitemSaveScore_Click);
    connect(menuItem("mnuItemRetrievScores"), &QAction::triggered, this,
            &DivisionWindow::mnuItemRetrievScores_Click);
}

void DivisionWindow::Form_Load()
{
    intStepA = 0;
    intRewardA = 0;
    intCorrectA = 0;
    intTotalA = 0;
    makeDefault(cmdAnswer);
    toolkit::RandomSource::instance().reseed();
    m_exercise.deal(OperandRanges);
    lblNumber[2]->hide();
    lblNumber[3]->hide();
    txtAnswer->show();
    txtAnswer->setText(QString());
}

void DivisionWindow::cmdReset_Click()
{
    m_exercise.reset(OperandRanges);
}

void DivisionWindow::cmdAnswer_Click()
{
    m_exercise.answer();
}

void DivisionWindow::cmdScore1_Click()
{
    m_exercise.showScore();
}

void DivisionWindow::cmdExit_Click()
{
    unload();
}

void DivisionWindow::mnuitemSaveScore_Click()
{
    // The count starts afresh only once the record is safely in the file.
    if (!scores::saveScore(this, scores::DivisionScores, {lblPercentA->text(), lblTotalA->text()}))
        return;
    intTotalA = 0;
    intCorrectA = 0;
    lblPercentA->clear();
}

void DivisionWindow::mnuItemRetrievScores_Click()
{
    scores::displayScores(scores::DivisionScores);
}

void DivisionWindow::Timer1_Timer()
{
    m_exercise.firstTimerTick();
}

void DivisionWindow::Timer2_Timer()
{
    m_exercise.secondTimerTick();
}

QString quotientText(const QList<double> &operands)
{
    return toolkit::twoDecimalText(operands.value(0) / operands.value(1));
}

QString rewrittenAnswer(const QString &typed)
{
    const std::optional<double> value = toolkit::readNumber(typed);
    return value ? toolkit::twoDecimalText(*value) : typed;
}

toolkit::WindowInstance &frmDivision()
{
    static toolkit::WindowInstance instance([] { return new DivisionWindow; });
    return instance;
}

} // namespace division
