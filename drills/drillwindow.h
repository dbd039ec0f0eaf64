// The Addition, Subtraction and Multiplication windows: one class, two exercises side by side.
#pragma once

#include "drilldesign.h"
#include "exercise.h"

#include "toolkit/form.h"
#include "toolkit/picture.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace toolkit {
class Shape;
}

namespace drills {

class DrillWindow : public toolkit::Form
{
    Q_OBJECT

public:
    explicit DrillWindow(Drill drill, QWidget *parent = nullptr);

    Drill drill() const { return m_drill; }

    void Form_Load() override;
    void cmdReset_Click();
    void cmdReset1_Click();
    void cmdExit_Click();
    void txtAnswer_Change();
    void txtNumber2_Change();
    void cmdAnswer_Click();
    void cmdAnswer1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void cmdScore1_Click();
    void cmdScore_Click();
    void mnuItemSaveScore_Click();
    void mnuitemSaveScore_Click() { mnuItemSaveScore_Click(); } // the Addition window's spelling
    void mnuItemRetrievScores_Click();

    // The tallies and animation steps of the two-number (A) and three-number exercises.
    qint16 intTotalA = 0;
    qint16 intCorrectA = 0;
    qint16 intRewardA = 0;
    qint16 intStepA = 0;
    qint16 intTotal = 0;
    qint16 intCorrect = 0;
    qint16 intReward = 0;
    qint16 intStep = 0;

    QLabel *lblNumber[5];
    QLabel *lblnumber2[4];
    toolkit::Picture *imgFace[5];
    QLineEdit *txtAnswer;
    QLineEdit *txtNumber2;
    QPushButton *cmdAnswer;
    QPushButton *cmdReset;
    QPushButton *cmdScore1;
    QPushButton *cmdAnswer1;
    QPushButton *cmdReset1;
    QPushButton *cmdScore;
    QPushButton *cmdExit;
    toolkit::Picture *imgImage;
    toolkit::Picture *imgAnswer;
    QLabel *lblGood;
    QLabel *lblGood1;
    QLabel *lblCorrectA;
    QLabel *lblTotalA;
    QLabel *lblPercentA;
    QLabel *lblCorrect;
    QLabel *lblTotal;
    QLabel *lblPersent;
    QTimer *Timer1;
    QTimer *Timer2;
    QTimer *Timer3;
    QTimer *Timer4;

private:
    Exercise twoNumber();
    Exercise threeNumber();

    const Drill m_drill;
    const OperandRanges &m_ranges;
    Exercise m_two;
    Exercise m_three;
};

} // namespace drills
