// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorerecord.h"

#include "scorefolder.h"

#include "toolkit/accessibility/accessibility.h"
#include "toolkit/application.h"
#include "toolkit/files/codepage.h"
#include "toolkit/files/lockedfile.h"
#include "toolkit/forms/dialogs.h"

#include <QCoreApplication>
#include <QLocale>

namespace scores {

namespace {

constexpr QLatin1String LineEnd("\r\n");

// A number as the file has always held it, whatever the language shows: a digit of any script as
// its ASCII digit, what the code page lacks (a regional decimal separator) as ".", and no space
// before the per cent sign ("83,33 %" is stored "83,33%").
QString storable(const QString &number)
{
    QString text;
    for (const QChar c : number) {
        if (c.isSpace())
            continue;
        if (const int digit = c.digitValue(); digit >= 0)
            text += QChar(u'0' + digit);
        else
            text += toolkit::unencodable(QStringView(&c, 1)).isEmpty() ? c : QChar(u'.');
    }
    return text;
}

} // namespace

QString scoreSentence(const ScoreFile &file, const QString &name, QDate date,
                      const Captions &captions)
{
    // The C locale's date text: a slash always, whatever the user's regional separator.
    QString sentence = name + QLatin1String(" On the Day of ") + date.toString(u"MM/dd/yy") +
                       QLatin1String(" Got A ") + storable(captions.lblPercentA) +
                       QLatin1String(" Out of ") + storable(captions.lblTotalA) +
                       QLatin1String(file.firstText);
    if (file.secondText)
        sentence += storable(captions.lblPersent) + QLatin1String(" out of ") +
                    storable(captions.lblTotal) + QLatin1String(file.secondText);
    return sentence + LineEnd;
}

QString scoreRecord(const QString &sentence)
{
    return QLatin1Char('"') + sentence + QLatin1Char('"') + LineEnd;
}

bool saveDespiteUnencodable(QWidget *parent, QStringView text, Holder holder,
                            toolkit::ModalBoxes &boxes)
{
    const QStringList characters = toolkit::unencodable(text);
    if (characters.isEmpty())
        return true;
    constexpr qsizetype Listed = 10;
    QStringList named;
    for (const QString &character : characters.first(std::min(characters.size(), Listed))) {
        // A letter as it looks; by number only what has no picture (a lone half of a pair).
        const char32_t code = character.size() == 2
                                  ? QChar::surrogateToUcs4(character[0], character[1])
                                  : character[0].unicode();
        named.append(QChar::isPrint(code) && !QChar::isSurrogate(code)
                         ? character
                         : QStringLiteral("U+") +
                               QString::number(code, 16).toUpper().rightJustified(4, u'0'));
    }
    QString list = named.join(QStringLiteral(", "));
    // One whole phrase, counted: some languages put no comma before "and", and "1 more" takes
    // another form than "2 more".
    if (characters.size() > Listed)
        list = QCoreApplication::translate("SaveScore", "%1, and %n more", nullptr,
                                           int(characters.size() - Listed))
                   .arg(list);
    const char *question =
        holder == Holder::Name
            ? QT_TRANSLATE_N_NOOP("SaveScore",
                                  "The name holds characters that a score file cannot store: %1. "
                                  "Each would be saved as \"?\".\n\nSave all the same? No goes "
                                  "back to the name.")
            : QT_TRANSLATE_N_NOOP("SaveScore",
                                  "The text holds characters that a score file cannot store: %1. "
                                  "Each would be saved as \"?\".\n\nSave all the same? No goes "
                                  "back to the text.");
    const auto answer = boxes.message(
        parent,
        QCoreApplication::translate("SaveScore", question, nullptr, int(characters.size()))
            .arg(list),
        QString::fromLatin1(toolkit::ApplicationTitle), QMessageBox::Yes | QMessageBox::No,
        QMessageBox::No, QMessageBox::Warning);
    return answer == QMessageBox::Yes;
}

QString withoutControls(const QString &name)
{
    QString kept;
    kept.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c == u'\r' && name.sliced(i).startsWith(u"\r\n"))
            continue; // one blank for the pair
        if (c == u'\t' || c == u'\n' || c == u'\r')
            kept += u' ';
        else if (c.category() != QChar::Other_Control)
            kept += c;
    }
    return kept;
}

QString savedNotice(const QString &name)
{
    return QCoreApplication::translate("SaveScore", "Saved for %1. Your count starts again.")
        .arg(name);
}

namespace {

QString &offered()
{
    static QString name;
    return name;
}

} // namespace

void offerName(const QString &name)
{
    offered() = name;
}

bool saveScore(QWidget *window, const ScoreFile &file, const Captions &captions, QDate today,
               toolkit::ModalBoxes &boxes)
{
    // Saved anywhere else, the class would never find it.
    if (const QString refusal = scoreFolder().refusal; !refusal.isEmpty()) {
        boxes.message(window, refusal, QString::fromLatin1(toolkit::ApplicationTitle),
                      QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    QString name = offered();
    QString stored; // what is saved and said: the name without control characters
    QString record;
    for (;;) {
        // Going back shows the name as it was typed.
        name =
            boxes.input(window, QCoreApplication::translate("SaveScore", "Please Enter Your Name"),
                        //: The title of the box that asks for the name.
                        QCoreApplication::translate("SaveScore", "Math Score"), name);
        if (name.isEmpty())
            return false;
        stored = withoutControls(name);
        if (stored.trimmed().isEmpty() && !name.trimmed().isEmpty())
            return false; // nothing but control characters
        // Counted in characters, as the learner sees them; sent back whole: cut, it would not be
        // the name typed.
        if (QStringView(name).toUcs4().size() > LongestName)
            boxes.message(window,
                          QCoreApplication::translate(
                              "SaveScore", "The name is longer than the %1 characters a score can "
                                           "hold. Please make it shorter.")
                              .arg(QLocale().toString(LongestName)),
                          QString::fromLatin1(toolkit::ApplicationTitle), QMessageBox::Ok,
                          QMessageBox::Ok, QMessageBox::Warning);
        else if (record = scoreRecord(scoreSentence(file, stored, today, captions));
                 saveDespiteUnencodable(window, record, Holder::Name, boxes))
            break;
    }

    const QString fileName = QString::fromLatin1(file.fileName);
    const QString error = toolkit::appendLine(fileName, toolkit::encode(record),
                                              toolkit::lockWaitBox(window, fileName));
    if (error.isEmpty()) {
        // The box has closed and the focus is back where it was, which says nothing new.
        if (window)
            toolkit::announce(window, savedNotice(stored));
        return true;
    }

    boxes.message(
        window,
        QCoreApplication::translate("SaveScore", "The score could not be saved in \"%1\": %2")
            .arg(fileName, error),
        QString::fromLatin1(toolkit::ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
        QMessageBox::Warning);
    return false;
}

} // namespace scores
