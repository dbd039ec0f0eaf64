// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The class file: whose file is followed, what a broken, huge or hostile one gives, and a class
// written and read back whole. Accounts other than the tester's own are only to be had as root.
#include "filecheck.h"

#include "classroom/classfile.h"
#include "toolkit/files/lockedfile.h"

#include <QDir>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace classroom;

namespace {

const QByteArray Mia = "[class]\naddition=designed\nsubtraction=within-20\n[learners]\nsize=2\n"
                       "1\\name=Mia\n1\\addition=sums-to-10\n2\\name=Noah\n";

QByteArray manyLearners(int count)
{
    QByteArray text = "[learners]\nsize=" + QByteArray::number(count) + "\n";
    for (int i = 1; i <= count; ++i)
        text += QByteArray::number(i) + "\\name=L" + QByteArray::number(i) + "\n";
    return text;
}

} // namespace

class TestClassFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (::geteuid() != 0)
            QSKIP("Files of other accounts are made by root");
        m_folder.enter();
        QCOMPARE(::chmod(".", 02775), 0);
        QCOMPARE(::chown(".", Teacher, Class), 0);
    }
    void cleanup() { m_folder.leave(); }

    // Each file as the class folder may hold it: what is followed, what is said, and the line.
    void readsOnlyWhatItShould_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<uint>("owner");
        QTest::addColumn<uint>("mode");
        QTest::addColumn<uint>("linkMaker"); // 1: the file itself, not a link
        QTest::addColumn<bool>("honoured");
        QTest::addColumn<QStringList>("learners");
        QTest::addColumn<QString>("said"); // the start of the first message, or none

        const QStringList both{"Mia", "Noah"};
        QTest::newRow("the teacher's") << Mia << Teacher << 0644u << 1u << true << both << "";
        QTest::newRow("mine") << Mia << 0u << 0600u << 1u << true << both << "";
        QTest::newRow("planted by a pupil")
            << Mia << Pupil << 0644u << 1u << false << QStringList()
            << "The class file \"./sumbrook-class.ini\" belongs to 4244, not to the folder's "
               "owner (4242) or to you: it is not followed, and everyone practises as designed.";
        QTest::newRow("the class may write it")
            << Mia << Teacher << 0664u << 1u << false << QStringList()
            << "The class file \"./sumbrook-class.ini\" may be changed by others";
        QTest::newRow("a pupil's link")
            << Mia << Teacher << 0644u << Pupil << false << QStringList()
            << "The class file \"./sumbrook-class.ini\" is not followed: It is a symbolic link "
               "made by another user (4244): it is not followed.";
        QTest::newRow("the teacher's link")
            << Mia << Teacher << 0644u << Teacher << true << both << "";
        QTest::newRow("huge") << QByteArray(LargestClassFile + 1, 'a') << Teacher << 0644u << 1u
                              << false << QStringList()
                              << "The class file \"./sumbrook-class.ini\" is not followed: It is "
                                 "larger than 1048576 bytes.";
        QStringList first500;
        for (int i = 1; i <= MostLearners; ++i)
            first500 << QStringLiteral("L%1").arg(i);
        QTest::newRow("10,000 learners")
            << manyLearners(10000) << Teacher << 0644u << 1u << true << first500
            << "Line 503: a class holds up to 500 learners; the rest are left out.";
        QTest::newRow("binary")
            << QByteArray("[learners]\n1\\name=Ann\n\x00\xff\xfe\x01garbage\n2\\name=Bo\x07y\n"
                          "3\\name=Cy\n",
                          56)
            << Teacher << 0644u << 1u << true << QStringList{"Ann", "Cy"}
            << "Line 3: it is not text, and is left out.";
        QTest::newRow("not settings")
            << QByteArray("[learners]\nMia\n1\\name=Mia\n[teachers]\nx=1\nname=Bo\n") << Teacher
            << 0644u << 1u << true << QStringList{"Mia"}
            << "Line 2: it is not a setting, and is left out.";
        QTest::newRow("unknown level")
            << QByteArray("[class]\naddition=sums-to-7\n[learners]\n1\\name=Mia\n"
                          "1\\division=whole\n1\\subtraction=tables-2\n")
            << Teacher << 0644u << 1u << true << QStringList{"Mia"}
            << "Line 2: \"sums-to-7\" is not a level of Addition: it is practised as designed.";
        QTest::newRow("twice the same name")
            << QByteArray("[learners]\n1\\name=Mia\n2\\name=Mia\n") << Teacher << 0644u << 1u
            << true << QStringList{"Mia"}
            << "Line 3: \"Mia\" is in the class already; the second is left out.";
    }
    void readsOnlyWhatItShould()
    {
        QFETCH(QByteArray, text);
        QFETCH(uint, owner);
        QFETCH(uint, mode);
        QFETCH(uint, linkMaker);
        QFETCH(bool, honoured);
        QFETCH(QStringList, learners);
        QFETCH(QString, said);
        const char *name = linkMaker == 1 ? ClassFileName : "class.txt";
        writeFile(name, text);
        QCOMPARE(::chown(name, owner, Class), 0);
        QCOMPARE(::chmod(name, mode), 0);
        if (linkMaker != 1) {
            QCOMPARE(::symlink(name, ClassFileName), 0);
            QCOMPARE(::lchown(ClassFileName, linkMaker, Class), 0);
        }

        const ClassFile file = readClassFile(QStringLiteral("."));
        QCOMPARE(file.missing, false);
        QCOMPARE(file.honoured, honoured);
        QStringList names;
        for (const Learner &learner : file.list.learners)
            names << learner.name;
        QCOMPARE(names, learners);
        if (said.isEmpty())
            QCOMPARE(file.problems, QStringList());
        else
            QVERIFY2(!file.problems.isEmpty() && file.problems.first().startsWith(said),
                     qPrintable(file.problems.join(u'\n')));
        if (!honoured) // everyone practises as designed
            QCOMPARE(file.list, ClassList());
        if (QTest::currentDataTag() == QByteArray("unknown level")) {
            const Learner &mia = file.list.learners.first();
            QCOMPARE(file.list.levelOf(mia, "addition"), "designed");
            QCOMPARE(file.list.levelOf(mia, "division"), "whole");
            QCOMPARE(file.list.levelOf(mia, "subtraction"), "designed");
            QCOMPARE(file.problems.size(), 2);
        }
    }

    // The teacher's class, renames and levels of every day, written and read back as it was; a
    // pupil sees why they may not change it, and cannot.
    void aClassIsWrittenWholeAndKeptFromPupils()
    {
        ClassFile empty = readClassFile(QStringLiteral("."));
        QVERIFY(empty.missing);
        QCOMPARE(empty.saveRefusal, "Only the folder's owner (4242) can change the class.");
        QCOMPARE(::chown(".", 0, Class), 0);
        empty = readClassFile(QStringLiteral("."));
        QCOMPARE(empty.saveRefusal, QString());

        ClassList list;
        const QDate monday(2026, 12, 7), tuesday(2026, 12, 8);
        for (const char *name : {"Mia", "Ayşe", "\"Jo\", Jr.", "Bo ; #1 = \\o/"})
            list.learners.append({QString::fromUtf8(name), {}, {}});
        list.setLevel({}, "addition", "sums-to-20", monday);
        list.setLevel("Mia", "addition", "sums-to-10", monday);
        list.setLevel("Mia", "addition", "sums-to-20", monday); // the same day: one change
        list.setLevel("Mia", "multiplication", "tables-2-5-10", tuesday);
        list.rename(0, "Mia K.");
        list.rename(0, "Mia S.");
        QCOMPARE(writeClassFile(".", empty, list), QString());

        const ClassFile read = readClassFile(QStringLiteral("."));
        QVERIFY2(read.honoured && read.problems.isEmpty(), qPrintable(read.problems.join(u'\n')));
        QCOMPARE(read.list, list);
        const Learner &mia = read.list.learners.first();
        QCOMPARE(mia.formerNames, QStringList({"Mia", "Mia K."}));
        QCOMPARE(read.list.levelOf(mia, "addition"), "sums-to-20");
        QCOMPARE(read.list.levelOf(read.list.learners[1], "addition"), "sums-to-20");
        QCOMPARE(read.list.history.size(), 3);
        QCOMPARE(read.list.history[1], (LevelChange{monday, "Mia", "addition", "sums-to-20"}));
        // Qt's own reading of the format finds the same names.
        QSettings settings(ClassFileName, QSettings::IniFormat);
        const int size = settings.beginReadArray("learners");
        QCOMPARE(size, list.learners.size());
        for (int i = 0; i < size; ++i) {
            settings.setArrayIndex(i);
            QCOMPARE(settings.value("name").toString(), list.learners[i].name);
        }
        settings.endArray();
        // The folder's group may save scores, but only the teacher may change the class.
        struct stat info = {};
        QCOMPARE(::stat(ClassFileName, &info), 0);
        QCOMPARE(info.st_gid, gid_t(Class));
        QCOMPARE(info.st_mode & 0022, 0u);

        QVERIFY(asUser(Pupil, {PupilsOwn, Class}, [] {
            const ClassFile seen = readClassFile(QStringLiteral("."));
            return seen.honoured && seen.list.learners.size() == 4 &&
                   seen.saveRefusal == "Only the folder's owner (root) can change the class." &&
                   writeClassFile(".", seen, {}) == seen.saveRefusal;
        }));
        QCOMPARE(readClassFile(QStringLiteral(".")).list, list);

        // Changed elsewhere since it was read, or appended to (by hand, or a second Class
        // window): the class is not written over it, nor are added lines kept after a class
        // that no longer has them.
        for (const QByteArray &meanwhile : {Mia, Mia + "3\\name=Lea\n"}) {
            const ClassFile before = readClassFile(QStringLiteral("."));
            writeFile(ClassFileName, meanwhile);
            QVERIFY(writeClassFile(".", before, list).startsWith("The class file was changed"));
            QCOMPARE(bytesOf(ClassFileName), meanwhile);
        }
    }

private:
    ScratchFolder m_folder;
};

QTEST_MAIN(TestClassFile)
#include "tst_classfile.moc"
