// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal box seam: answers given in advance are taken in order, and with none waiting the real
// input and message boxes are shown and answered by a user.
#include "controls.h"
#include "toolkit/forms/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace toolkit;

namespace {

QPushButton *buttonOf(QWidget *box, const QString &caption)
{
    for (auto *button : box->findChildren<QPushButton *>()) {
        if (button->text().remove('&') == caption)
            return button;
    }
    return nullptr;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void theRealInputBoxReturnsWhatWasTyped()
    {
        QString prompt, title, field;
        whenModal([&](QWidget *box) {
            auto *dialog = qobject_cast<QInputDialog *>(box);
            QVERIFY(dialog);
            prompt = dialog->labelText();
            title = dialog->windowTitle();
            auto *edit = dialog->findChild<QLineEdit *>();
            field = edit->text();
            QTest::keyClicks(edit, QStringLiteral("Dav \"D\""));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(inputBox(nullptr, "Please Enter Your Name", "Math Score"), "Dav \"D\"");
        QCOMPARE(prompt, "Please Enter Your Name");
        QCOMPARE(title, "Math Score");
        QVERIFY(field.isEmpty());
    }

    void theRealInputBoxHasRoomForItsWholeTitle()
    {
        // The title bar holds the title in a bold face, the box's icon and its buttons.
        const QString title = QStringLiteral("Enregistrer le score de calcul");
        int width = 0;
        whenModal([&](QWidget *box) {
            width = box->width();
            box->close();
        });
        inputBox(nullptr, QStringLiteral("Nom"), title);
        QFont bold = QApplication::font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        QVERIFY2(width >= metrics.horizontalAdvance(title) + 6 * metrics.height(),
                 qPrintable(QString::number(width)));
    }

    // A pasted line break shows as the blank it becomes: the field holds one line, as typed.
    void theRealInputBoxHoldsOneLine()
    {
        QString shown;
        whenModal([&](QWidget *box) {
            auto *edit = box->findChild<QLineEdit *>();
            QTest::keyClicks(edit, QStringLiteral("Eve"));
            QApplication::clipboard()->setText(QStringLiteral("\r\nX\nY"));
            QTest::keySequence(edit, QKeySequence::Paste);
            QTest::keyClick(edit, Qt::Key_Home);
            QTest::keyClicks(edit, QStringLiteral("A"));
            shown = edit->text();
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(inputBox(nullptr, "Please Enter Your Name", "Math Score"), "AEve X Y");
        QCOMPARE(shown, "AEve X Y");
    }

    void theRealInputBoxGivesNothingOnCancelOrAnEmptyOk_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("OK with an empty field") << "OK";
    }
    void theRealInputBoxGivesNothingOnCancelOrAnEmptyOk()
    {
        QFETCH(QString, button);
        whenModal([&](QWidget *box) {
            if (button == "Cancel")
                QTest::keyClicks(box->findChild<QLineEdit *>(), QStringLiteral("typed"));
            QPushButton *pressed = buttonOf(box, button);
            QVERIFY(pressed);
            QTest::mouseClick(pressed, Qt::LeftButton);
        });
        QVERIFY(inputBox(nullptr, "Please Enter Your Name", "Math Score").isEmpty());
    }

    void theRealMessageBoxAnswersWithThePressedButton()
    {
        QString text, title;
        bool hasIcon = true;
        whenModal([&](QWidget *box) {
            text = box->findChild<QLabel *>("qt_msgbox_label")->text();
            title = box->windowTitle();
            hasIcon = !box->findChild<QLabel *>("qt_msgboxex_icon_label")->pixmap().isNull();
            QTest::keyClick(box, Qt::Key_Return); // the default button
        });
        QCOMPARE(messageBox(nullptr, "Do You Want to Save Changes?", "Math  Scores",
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
                 QMessageBox::Yes);
        QCOMPARE(text, "Do You Want to Save Changes?");
        QCOMPARE(title, "Math  Scores");
        QVERIFY(!hasIcon);

        whenModal([](QWidget *box) { QTest::mouseClick(buttonOf(box, "No"), Qt::LeftButton); });
        QCOMPARE(messageBox(nullptr, "Save?", "Math  Scores", QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::Yes),
                 QMessageBox::No);
    }

    // A question closed without an answer is called off: it is never taken for No.
    void theRealMessageBoxCancelsOnEscOrItsCloseButton_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("close button") << false;
    }
    void theRealMessageBoxCancelsOnEscOrItsCloseButton()
    {
        QFETCH(bool, escape);
        QStringList shown;
        whenModal([&](QWidget *box) {
            for (auto *button : box->findChildren<QPushButton *>()) {
                if (button->isVisible())
                    shown << button->text().remove('&');
            }
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close(); // what the title bar's button asks for
        });
        QCOMPARE(messageBox(nullptr, "Save?", "Math  Scores", QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::Yes),
                 QMessageBox::Cancel);
        QCOMPARE(shown, QStringList({"Yes", "No"}));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
