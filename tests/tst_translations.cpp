// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's language: every catalogue complete, every text a window shows taken from the
// catalogue, German captions where the English ones were, every caption fitting its control in
// every language, and score records the same bytes whatever the language.
#include "about/aboutwindow.h"
#include "answering.h"
#include "classroom/classfile.h"
#include "classroom/classwindow.h"
#include "controls.h"
#include "division/divisionwindow.h"
#include "drillrows.h"
#include "drills/drilldesign.h"
#include "drills/drillwindow.h"
#include "drills/exercise.h"
#include "filecheck.h"
#include "progress/progresswindow.h"
#include "rightanswer.h"
#include "scores/scorefolder.h"
#include "scores/scorerecord.h"
#include "scores/scorewindow.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"
#include "toolkit/look/focusstyle.h"
#include "toolkit/text/translations.h"

#include <QAbstractItemView>
#include <QAction>
#include <QBitmap>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

using drills::DrillWindow;

namespace {

// Every language the build compiles a catalogue for.
const QStringList Languages = QStringLiteral(SUMBROOK_LANGUAGES).split(u',');

// The texts of a catalogue, by context and source text.
QSet<QString> catalogue(const QString &language)
{
    QSet<QString> texts;
    QFile file(QStringLiteral(SUMBROOK_TRANSLATIONS_DIR "/sumbrook_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader ts(&file);
    QString context;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == u"name")
            context = ts.readElementText();
        else if (ts.name() == u"source")
            texts.insert(context + QLatin1Char('\n') + ts.readElementText());
    }
    return texts;
}

// Marks every text that the catalogue holds, so that a text without a mark has bypassed the
// translation or is missing from the catalogue.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (!m_catalogue.contains(QString::fromUtf8(context) + QLatin1Char('\n') + text))
            return {};
        return QStringLiteral("\u27E6%1\u27E7").arg(text);
    }

private:
    QSet<QString> m_catalogue = catalogue(QStringLiteral("de"));
};

bool marked(const QString &text)
{
    return text.startsWith(u'\u27E6') && text.endsWith(u'\u27E7');
}

// What needs no translation: numbers and percentages the window computes, and the program's name.
bool isData(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[-0-9.,% ]*$"));
    return number.match(text).hasMatch() || text == u"Sumbrook";
}

// Every text a user reads or hears in the window: captions, titles, menus, names for screen
// readers.
QStringList shownTexts(const toolkit::Form *form)
{
    QStringList texts{form->windowTitle(), form->accessibleName()};
    for (const QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<const toolkit::Shape *>(w))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        if (const auto *button = qobject_cast<const QPushButton *>(w))
            texts << button->text();
        if (const auto *box = qobject_cast<const QPlainTextEdit *>(w))
            texts << box->toPlainText();
        if (const auto *table = qobject_cast<const QAbstractItemView *>(w))
            for (int c = 0; c < table->model()->columnCount(); ++c)
                texts << table->model()->headerData(c, Qt::Horizontal).toString();
        texts << w->accessibleName() << w->accessibleDescription();
    }
    for (const QMenu *menu : form->menus()) {
        texts << menu->title();
        for (const QAction *item : menu->actions())
            texts << item->text();
    }
    return texts;
}

QStringList drillWindowsOpened(shell::mdiSumbrook &main)
{
    QList<toolkit::Form *> forms;
    for (const Drill &drill : drilltable::Drills) {
        main.findChild<QAction *>(drill.menuName)->trigger();
        forms << qobject_cast<toolkit::Form *>(main.mdiArea()->activeSubWindow()->widget());
    }
    forms << scores::frmScore().show() << progress::frmProgress().show()
          << about::frmAbout().show();
    QStringList texts;
    for (const toolkit::Form *form : forms)
        texts << shownTexts(form);
    return texts;
}

void closeAll(shell::mdiSumbrook &main)
{
    main.mdiArea()->closeAllSubWindows();
    about::frmAbout().unload();
    QTRY_VERIFY(!about::frmAbout().isLoaded());
    QTRY_VERIFY(main.mdiArea()->subWindowList().isEmpty());
}

// The space a caption needs in its control, as the control is drawn.
bool fits(const QWidget *w, QString *why)
{
    if (const auto *button = qobject_cast<const QPushButton *>(w)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const QString shown = QString(button->text()).remove(u'&'); // the access key is underlined
        const int needed = button->fontMetrics().horizontalAdvance(shown) + 2 * margin;
        *why = QStringLiteral("%1 needs %2 px, has %3")
                   .arg(button->text())
                   .arg(needed)
                   .arg(w->width());
        return needed <= w->width();
    }
    const auto *label = qobject_cast<const QLabel *>(w);
    if (!label || label->text().isEmpty() || !label->pixmap().isNull())
        return true;
    const QRect room = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(
        room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
    *why = QStringLiteral("\"%1\" needs %2x%3 px, has %4x%5")
               .arg(label->text())
               .arg(needed.width())
               .arg(needed.height())
               .arg(room.width())
               .arg(room.height());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The pixels a visible control paints, in device pixels of its window: a caption's letters, a
// frame's ring, a face; a box or a button takes its whole rectangle.
QRegion inkOf(const QWidget *w)
{
    const qreal ratio = w->devicePixelRatioF();
    const QRect place(w->geometry().topLeft() * ratio, w->size() * ratio);
    if (w->isHidden())
        return {};
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPushButton *>(w))
        return place;
    QImage image(place.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    const_cast<QWidget *>(w)->render(&image, {}, {}, QWidget::RenderFlags());
    return QRegion(QBitmap::fromImage(image.createAlphaMask())).translated(place.topLeft());
}

// A caption a translation may change: words on the window's ground. Numbers are the window's,
// and a sign stands where the design puts it, close by its tile.
const QLabel *caption(const QWidget *w)
{
    const auto *label = qobject_cast<const QLabel *>(w);
    if (!label || label->isHidden() || label->text().size() < 2 || !label->pixmap().isNull() ||
        label->autoFillBackground() || label->frameShape() != QFrame::NoFrame)
        return nullptr;
    static const QRegularExpression number(QStringLiteral("^[0-9.,%]+$"));
    return number.match(label->text()).hasMatch() ? nullptr : label;
}

// Every visible caption keeps clear of every other mark on the window, stays on its panel when it
// stands on one, and stays inside the window's client area. Six pixels, as the English captions
// keep: closer, a word reads as run together with the sign or rim beside it.
constexpr int Clearance = 6;
QStringList crowdedCaptions(const toolkit::Form *form)
{
    const qreal ratio = form->devicePixelRatioF();
    const QRect client(QPoint(0, 0), form->design().clientArea.toPixels() * ratio);
    QList<std::pair<const QWidget *, QRegion>> marks;
    for (const QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        marks.append({w, inkOf(w)});
    QStringList crowded;
    for (const auto &[w, ink] : std::as_const(marks)) {
        const QLabel *label = caption(w);
        if (!label)
            continue;
        QRegion near;
        const int clear = qRound(Clearance * ratio);
        for (int dx = -clear; dx <= clear; ++dx)
            for (int dy = -clear; dy <= clear; ++dy)
                near += ink.translated(dx, dy);
        const QString who = QStringLiteral("%1.%2 \"%3\"")
                                .arg(form->objectName(), label->objectName(), label->text());
        if (!QRegion(client).contains(ink.boundingRect()))
            crowded << who + QStringLiteral(" leaves the window");
        for (const auto &[other, mark] : std::as_const(marks)) {
            if (other == w || mark.isEmpty())
                continue;
            const auto *shape = qobject_cast<const toolkit::Shape *>(other);
            if (shape && shape->style().fill.isValid()) { // a panel its labels stand on
                if (shape->geometry().contains(label->pos()) && !ink.subtracted(mark).isEmpty())
                    crowded << who + QStringLiteral(" runs off ") + other->objectName();
            } else if (near.intersects(mark)) {
                crowded << who + QStringLiteral(" runs into ") + other->objectName();
            }
        }
    }
    return crowded;
}

// One exercise of a window as a lesson drives it: its controls, its first timer and its Score.
struct Side
{
    const drills::ExerciseControls &controls;
    const char *firstTimer, *score;
};

// What a lesson brings out, one state after another: a score of 100 of 100 on each side, then the
// lead-in of a wrong answer on one side and the praise of a fifth right one, at the first tick, on
// the other, and the other way round.
QList<std::function<void()>> lessons(toolkit::Form *form)
{
    QList<Side> sides;
    if (auto *w = qobject_cast<DrillWindow *>(form))
        sides = {{w->two, "Timer1", "cmdScore1"}, {w->three, "Timer3", "cmdScore"}};
    else if (auto *w = qobject_cast<division::DivisionWindow *>(form))
        sides = {{w->two, "Timer1", "cmdScore1"}};
    else
        return {[] {}};
    const auto lesson = [form, sides](bool praiseFirst) {
        form->Form_Load(); // the counts start from nothing
        for (const Side &side : sides) {
            answerProblems(*form, side.controls, 100);
            press(*form, side.score);
        }
        for (qsizetype i = 0; i < sides.size(); ++i) {
            const bool praise = (i == 0) == praiseFirst;
            answerProblems(*form, sides[i].controls, praise ? 4 : 0);
            answerProblem(*form, sides[i].controls, praise);
            if (praise)
                tick(*form, sides[i].firstTimer);
        }
    };
    return {[=] { lesson(false); }, [=] { lesson(true); }};
}

// Four right answers and a wrong one in Addition's two-number exercise, scored and saved for Dav:
// the file written, and the percentage the score panel showed.
QByteArray scoreSaved(QString *shown = nullptr)
{
    QFile::remove(QStringLiteral("Add.txt"));
    DrillWindow window(Addition);
    window.Form_Load();
    answerProblems(window, window.two, 4);
    answerProblems(window, window.two, 1, false);
    press(window, "cmdScore1");
    press(window, "cmdScore");
    if (shown)
        *shown = window.two.percent->text();
    toolkit::dialogs::answerNextInput(QStringLiteral("Dav"));
    saveScoreItem(window)->trigger();
    return bytesOf(QStringLiteral("Add.txt"));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        toolkit::installFontSubstitutes();
        QApplication::setStyle(new toolkit::FocusStyle); // as the program draws its buttons
        QLocale::setDefault(QLocale::c());               // numbers as the records below show them
        QVERIFY(m_folder.isValid());
        QDir::setCurrent(m_folder.path());
    }

    void cleanup()
    {
        for (const auto &translator : m_translators)
            QCoreApplication::removeTranslator(translator.get());
        m_translators.clear();
        toolkit::dialogs::clearAnswers();
    }

    void everyCatalogueIsComplete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Languages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyCatalogueIsComplete()
    {
        QFETCH(QString, language);
        QFile file(QStringLiteral(SUMBROOK_TRANSLATIONS_DIR "/sumbrook_%1.ts").arg(language));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader ts(&file);
        int messages = 0;
        // The same texts in every language.
        QCOMPARE(catalogue(language), catalogue(QStringLiteral("de")));
        QString source;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == u"source") {
                source = ts.readElementText();
            } else if (ts.name() == u"translation") {
                const QString type = ts.attributes().value(QLatin1String("type")).toString();
                QVERIFY2(type.isEmpty(), qPrintable(source + QStringLiteral(": ") + type));
                // A counted text holds one form per count, each a <numerusform>.
                const QString text = ts.readElementText(QXmlStreamReader::IncludeChildElements);
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(source));
                ++messages;
            }
        }
        QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
        QVERIFY(messages > 100);
    }

    void everyShownTextComesFromTheCatalogue()
    {
        install(std::make_unique<MarkingTranslator>());
        shell::mdiSumbrook main;
        main.show();
        QStringList texts = drillWindowsOpened(main) + shownTexts(classroom::frmClass().show());
        for (const QAction *item : main.findChildren<QAction *>())
            if (!item->objectName().isEmpty())
                texts << item->text();

        // What the windows say as they are used: a verdict on an answer, the question before
        // closing edited scores.
        auto *addition = static_cast<DrillWindow *>(instanceOf(Addition).show());
        addition->two.answerBox->setText(QStringLiteral("x"));
        press(*addition, "cmdAnswer");
        texts << addition->two.picture->accessibleName();

        // Saving a score: the name asked for, a name the file cannot hold, a file that is no file;
        // the viewer's question on closing with edits.
        namespace dialogs = toolkit::dialogs;
        dialogs::answerNextInput(QStringLiteral("\u0141ucja"));
        dialogs::answerNextMessage(QMessageBox::No);
        dialogs::answerNextInput(QString());
        saveScoreItem(*addition)->trigger();
        QVERIFY(QDir().mkdir(QStringLiteral("Sub.txt")));
        dialogs::answerNextMessage(QMessageBox::Ok);
        scores::displayScores(QStringLiteral("Sub.txt"));
        scores::displayScores(QStringLiteral("Add.txt"));
        QTest::keyClicks(static_cast<scores::ScoreWindow *>(scores::frmScore().form())->txtScore,
                         QStringLiteral("x"));
        dialogs::answerNextMessage(QMessageBox::No);
        scores::frmScore().unload();
        QTRY_VERIFY(!scores::frmScore().isLoaded());
        const QList<dialogs::AnsweredBox> boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 5);
        for (const dialogs::AnsweredBox &box : boxes) {
            texts << box.text << box.title;
            QVERIFY2(box.text.count(u'\u27E6') == box.text.count(u'\u27E7'), qPrintable(box.text));
        }
        QVERIFY(boxes[3].text.count(u'\u27E6') == 2); // the reason, within the message

        for (const QString &text : std::as_const(texts))
            QVERIFY2(text.isEmpty() || marked(text) || isData(text), qPrintable(text));
        QDir().rmdir(QStringLiteral("Sub.txt"));
        closeAll(main);
    }

    void germanCaptionsWhereTheEnglishWere()
    {
        const QTranslator *catalogue = loadCatalogue(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(catalogue);
        const QTranslator &de = *catalogue;

        shell::mdiSumbrook main;
        main.show();
        const QStringList texts = drillWindowsOpened(main);
        const auto german_ = [&de](const char *context, const char *english) {
            const QString text = de.translate(context, english);
            return text.isEmpty() ? QString::fromUtf8(english) : text;
        };
        auto *addition = static_cast<DrillWindow *>(instanceOf(Addition).form());
        QCOMPARE(addition->two.answerButton->text(), german_("drills::DrillWindow", "Answer"));
        QVERIFY(addition->two.answerButton->text() != u"Answer");
        QCOMPARE(addition->two.leadIn->text(),
                 german_("drills::DrillWindow", "The Correct Answer is "));
        QCOMPARE(addition->menus().first()->actions().first()->text(),
                 german_("drills::DrillWindow", "Save Score"));
        auto *division = static_cast<division::DivisionWindow *>(instanceOf(Division).form());
        QCOMPARE(division->two.resetButton->text(), german_("division::DivisionWindow", "Reset"));
        auto *about = static_cast<about::AboutWindow *>(about::frmAbout().form());
        QCOMPARE(about->cmdSysInfo->text(), german_("about::AboutWindow", "&System Info..."));
        QCOMPARE(about->windowTitle(), german_("about::AboutWindow", "About %1").arg("Sumbrook"));
        QCOMPARE(main.findChild<QAction *>("mnuItemDivision")->text(),
                 german_("shell::mdiSumbrook", "Division"));
        QVERIFY(!texts.contains(QStringLiteral("Questions Giving you a ")));
        closeAll(main);
    }

    void everyCaptionFitsAndKeepsClear_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const QString &language : Languages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyCaptionFitsAndKeepsClear()
    {
        QFETCH(QString, language);
        if (!language.isEmpty())
            QVERIFY(loadCatalogue(QLocale(language)));
        // Every window is built afresh in the language: none is left from an earlier row.
        for (const toolkit::WindowInstance *window :
             {&about::frmAbout(), &scores::frmScore(), &progress::frmProgress(),
              &instanceOf(Addition), &instanceOf(Division)})
            QVERIFY(!window->isLoaded());
        shell::mdiSumbrook main;
        const auto closing = qScopeGuard([&main] { closeAll(main); });
        main.show();
        drillWindowsOpened(main);
        QStringList tight;
        QList<toolkit::Form *> forms{about::frmAbout().form()};
        for (QMdiSubWindow *sub : main.mdiArea()->subWindowList())
            forms << qobject_cast<toolkit::Form *>(sub->widget());
        for (toolkit::Form *form : forms) {
            for (const QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                QString why;
                if (!fits(w, &why))
                    tight << form->objectName() + QLatin1Char('.') + w->objectName() + ": " + why;
            }
            QStringList shown;
            for (const auto &lesson : lessons(form)) {
                lesson();
                tight << crowdedCaptions(form);
                for (const QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                    if (caption(w))
                        shown << w->objectName();
            }
            // The lessons did bring out the praise and the lead-in of every exercise.
            for (const char *name : {"lblGood", "lblNumber(3)", "lblGood1", "lblNumber(4)"})
                if (form->findChild<QLabel *>(QString::fromLatin1(name)))
                    QVERIFY2(shown.contains(QString::fromLatin1(name)), name);
        }
        // The Class window: every level, and "Like the class", whole in its list.
        QTemporaryDir folder;
        QFile classFile(folder.filePath(QLatin1String(classroom::ClassFileName)));
        QVERIFY(classFile.open(QIODevice::WriteOnly));
        classFile.write("[learners]\nsize=1\n1\\name=Mia\n");
        classFile.close();
        const scores::ScoreFolder before = scores::scoreFolder();
        const auto restore = qScopeGuard([before] { scores::useScoreFolder(before); });
        scores::useScoreFolder(scores::chooseScoreFolder(folder.path()));
        toolkit::Form *classWindow = classroom::frmClass().show();
        const auto lists = classWindow->findChildren<QComboBox *>();
        QCOMPARE(lists.size(), 2 * qsizetype(drilltable::DrillCount)); // the class and Mia
        for (const QComboBox *list : lists)
            if (list->width() < list->sizeHint().width() ||
                list->height() < list->sizeHint().height())
                tight << QStringLiteral("frmClass.%1: needs %2x%3 px, has %4x%5")
                             .arg(list->objectName())
                             .arg(list->sizeHint().width())
                             .arg(list->sizeHint().height())
                             .arg(list->width())
                             .arg(list->height());
        for (const QWidget *w : classWindow->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (QString why; !fits(w, &why))
                tight << "frmClass." + w->objectName() + ": " + why;
        tight.removeDuplicates();
        QVERIFY2(tight.isEmpty(), qPrintable(tight.join(QLatin1Char('\n'))));
    }

    // Ten characters a file cannot hold are named, the rest counted in the form the count takes,
    // with no comma before "und".
    void theCharactersBeyondTenAreCounted_data()
    {
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("said");
        QTest::newRow("one more") << 11 << QString::fromUtf8("κ und 1 weiteres.");
        QTest::newRow("two more") << 12 << QString::fromUtf8("κ und 2 weitere.");
    }
    void theCharactersBeyondTenAreCounted()
    {
        QFETCH(int, characters);
        QFETCH(QString, said);
        QVERIFY(loadCatalogue(QLocale(QLocale::German)));
        QString greek;
        for (int i = 0; i < characters; ++i)
            greek += QChar(0x03B1 + i);
        toolkit::dialogs::answerNextMessage(QMessageBox::No);
        QVERIFY(!scores::saveDespiteUnencodable(nullptr, greek, scores::Holder::Name));
        QVERIFY2(toolkit::dialogs::takeAnsweredBoxes().value(0).text.contains(said),
                 qPrintable(said));
    }

    void aRecordIsTheSameBytesInEveryLanguage()
    {
        const QByteArray english = scoreSaved();
        QVERIFY(english.startsWith("\"Dav On the Day of "));
        QVERIFY(english.contains(" Got A 80.00% Out of 5 Questions on ADD 2 and 0.00% out of 1 "
                                 "Questions on ADD 3\r\n\"\r\n"));
        QVERIFY(loadCatalogue(QLocale::German));
        QCOMPARE(scoreSaved(), english);
    }

    // A percentage reads alike in a drill's score panel, in what it says and in Progress, as the
    // language writes it; the record keeps the form the files have always had.
    void aPercentageIsWrittenAlikeEverywhere_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("en_GB") << QStringLiteral("en_GB") << QStringLiteral("80.00%")
                               << QByteArray(" Got A 80.00% Out of 5 ");
        QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("80,00\u00A0%")
                            << QByteArray(" Got A 80,00% Out of 5 ");
        QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral("80,00\u00A0%")
                            << QByteArray(" Got A 80,00% Out of 5 ");
        QTest::newRow("es") << QStringLiteral("es") << QStringLiteral("80,00\u00A0%")
                            << QByteArray(" Got A 80,00% Out of 5 ");
    }
    void aPercentageIsWrittenAlikeEverywhere()
    {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        QFETCH(QByteArray, stored);
        QLocale::setDefault(QLocale(language));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        loadCatalogue(QLocale(language)); // none for en_GB
        QString percent;
        const QByteArray record = scoreSaved(&percent);
        QCOMPARE(percent, shown);
        QCOMPARE(progress::percentText(80, 2), shown);
        QCOMPARE(progress::percentText(66.66, 1),
                 QString(shown)
                     .replace(QStringLiteral("80.00"), QStringLiteral("66.7"))
                     .replace(QStringLiteral("80,00"), QStringLiteral("66,7")));
        QVERIFY2(record.contains(stored), stored.constData());
    }

private:
    void install(std::unique_ptr<QTranslator> translator)
    {
        QCoreApplication::installTranslator(translator.get());
        m_translators.push_back(std::move(translator));
    }
    // The program's catalogue for the language, installed; null when there is none.
    const QTranslator *loadCatalogue(const QLocale &language)
    {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(language, QStringLiteral("sumbrook"), QStringLiteral("_"),
                              QStringLiteral(":/translations")))
            return nullptr;
        install(std::move(translator));
        return m_translators.back().get();
    }

    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
