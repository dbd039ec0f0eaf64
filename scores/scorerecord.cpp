#include "scorerecord.h"

#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/textfile.h"

namespace scores {

namespace {
constexpr QLatin1String LineEnd("\r\n");
}

QString scoreSentence(const ScoreFile &file, const QString &name, QDate date,
                      const Captions &captions)
{
    // The C locale's date text: a slash always, whatever the user's regional separator.
    QString sentence = name + QLatin1String(" On the Day of ") + date.toString(u"MM/dd/yy") +
                       QLatin1String(" Got A ") + captions.lblPercentA + QLatin1String(" Out of ") +
                       captions.lblTotalA + QLatin1String(file.firstText);
    if (file.secondText)
        sentence += captions.lblPersent + QLatin1String(" out of ") + captions.lblTotal +
                    QLatin1String(file.secondText);
    return sentence + LineEnd;
}

QString scoreRecord(const QString &sentence)
{
    return QLatin1Char('"') + sentence + QLatin1Char('"') + LineEnd;
}

bool saveScore(QWidget *window, const ScoreFile &file, const Captions &captions, QDate today)
{
    const QString name = toolkit::inputBox(window, QStringLiteral("Please Enter Your Name"),
                                           QStringLiteral("Math Score"));
    if (name.isEmpty())
        return false;

    const QString fileName = QString::fromLatin1(file.fileName);
    const QString error =
        toolkit::appendText(fileName, scoreRecord(scoreSentence(file, name, today, captions)));
    if (error.isEmpty())
        return true;

    toolkit::messageBox(
        window, QStringLiteral("The score could not be saved in \"%1\": %2").arg(fileName, error),
        QString::fromLatin1(toolkit::ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
        QMessageBox::Warning);
    return false;
}

} // namespace scores
