// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "toolkit/speech/readaloud.h"

#include "toolkit/accessibility/accessibility.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

#include <memory>

namespace toolkit {

namespace {

ModalBoxes *installed = nullptr;

} // namespace

QString oneLine(QStringView text, int *cursor)
{
    QString line;
    line.reserve(text.size());
    const qsizetype at = cursor ? *cursor : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            if (cursor && at > i + 1)
                --*cursor;
            ++i;
        }
        const QChar c = text[i];
        const bool lineBreak =
            c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        line += lineBreak ? QChar(u' ') : c;
    }
    return line;
}

namespace {

class OneLine : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &cursor) const override
    {
        input = oneLine(input, &cursor);
        return Acceptable;
    }
};

class LockWaitBox
{
public:
    LockWaitBox(QWidget *parent, const QString &fileName)
        : m_parent(parent)
        , m_fileName(fileName)
    {}
    ~LockWaitBox()
    {
        delete m_box;
        if (m_since.isValid())
            QApplication::restoreOverrideCursor();
    }
    LockWaitBox(const LockWaitBox &) = delete;
    LockWaitBox &operator=(const LockWaitBox &) = delete;

    bool operator()()
    {
        // Most locks are let go within a few milliseconds: a box would only flash.
        constexpr int BoxAfterMs = 400;
        constexpr int StepMs = 20;
        if (!m_since.isValid()) {
            QApplication::setOverrideCursor(Qt::BusyCursor);
            m_since.start();
        }
        if (!m_box && m_since.elapsed() >= BoxAfterMs) {
            m_box = new QProgressDialog(m_parent); // its Cancel in Qt's own words
            m_box->setLabelText(QCoreApplication::translate("toolkit::dialogs",
                                                            "Another program is using \"%1\". "
                                                            "Waiting for it to finish…")
                                    .arg(m_fileName));
            m_box->setRange(0, 0);
            m_box->setWindowTitle(QString::fromLatin1(ApplicationTitle));
            m_box->setWindowModality(Qt::ApplicationModal);
            m_box->setMinimumDuration(0);
            m_box->show();
        }
        // Until the box shows, what the user does waits, so that nothing starts halfway through
        // what waits for the lock; then the box keeps the other windows from it.
        QEventLoop loop;
        QTimer::singleShot(StepMs, &loop, &QEventLoop::quit);
        loop.exec(m_box ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        return !(m_box && m_box->wasCanceled());
    }

private:
    QPointer<QWidget> m_parent;
    QString m_fileName;
    QElapsedTimer m_since;
    QPointer<QProgressDialog> m_box;
};

// The width a box needs for its whole title to show in its title bar.
int titleBarWidth(const QString &title)
{
    // The window manager draws the title in its own bold face, about the size of ours, between the
    // box's icon and its buttons, and centres it, so the room they take is kept on both sides: a
    // box as narrow as a short prompt would cut a longer title.
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

} // namespace

QString inputBox(QWidget *parent, const QString &prompt, const QString &title, const QString &text)
{
    // With the name it offers, as it was typed: "Mia", said as a word.
    speech::sayAlso(text.isEmpty() ? prompt : prompt + QLatin1Char(' ') + text);
    putAccessibilityFirst(); // its name box is read as the windows' text boxes are
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(text);
    // The box keeps to the size its layout asks for, so the field asks for the room.
    box.minimumSizeHint();
    const QMargins margins = box.layout()->contentsMargins();
    box.findChild<QLineEdit *>()->setMinimumWidth(titleBarWidth(title) - margins.left() -
                                                  margins.right());
    box.findChild<QLineEdit *>()->setValidator(new OneLine(&box));
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text, const QString &title,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton defaultButton,
                                       QMessageBox::Icon icon)
{
    speech::sayAlso(text);
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // Left to itself, a box with Yes and No answers No to Esc and to its close button.
    QAbstractButton *cancel = box.button(QMessageBox::Cancel);
    if (!cancel) {
        cancel = box.addButton(QMessageBox::Cancel);
        cancel->hide();
    }
    box.setEscapeButton(cancel);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : QMessageBox::Cancel;
}

std::function<bool()> lockWaitBox(QWidget *parent, const QString &fileName)
{
    // A program without windows has none to keep answering: it waits as when given no wait.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return {};
    auto box = std::make_shared<LockWaitBox>(parent, fileName);
    return [box] { return (*box)(); };
}

QString ModalBoxes::input(QWidget *parent, const QString &prompt, const QString &title,
                          const QString &text)
{
    return inputBox(parent, prompt, title, text);
}

QMessageBox::StandardButton ModalBoxes::message(QWidget *parent, const QString &text,
                                                const QString &title,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton,
                                                QMessageBox::Icon icon)
{
    return messageBox(parent, text, title, buttons, defaultButton, icon);
}

QString ModalBoxes::folder(QWidget *parent, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, title, start);
}

QString ModalBoxes::saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                                 const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

ModalBoxes &ModalBoxes::instance()
{
    static ModalBoxes program;
    return installed ? *installed : program;
}

void ModalBoxes::install(ModalBoxes *boxes)
{
    installed = boxes;
}

} // namespace toolkit
