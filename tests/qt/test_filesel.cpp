// The level chooser: its keys, clicks and the names it gives.
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "WindowTesting.h"
#include "core/progress/Progress.h"
#include "qt/Filesel.h"
#include "qt/Words.h"
#include "support/Rig.h"

using boltik::qt::Filesel;

class FileselTest : public QObject {
    Q_OBJECT

private slots:
    void listsLevelFilesOfTheCurrentDirectory() {
        boltik::testing::TempDir dir;
        dir.write("2.tur", "");
        dir.write("10.tur", "");
        dir.write("notes.txt", "");
        Filesel chooser;
        QStringList names;
        for (int i = 0; i < chooser.fileList()->count(); ++i) {
            names << chooser.fileList()->item(i)->text();
        }
        // In number order.
        QCOMPARE(names, (QStringList{"2.tur", "10.tur"}));
        QCOMPARE(chooser.nameBox()->text(), QStringLiteral("1"));
        QVERIFY(chooser.tag().isEmpty());
    }

    void numberedLevelsComeFirstInNumberOrderThenTheRestByName() {
        const QString huge = QString(300, u'9') + QStringLiteral(".tur");
        QCOMPARE(boltik::qt::inLevelOrder({"b.tur", "10.tur", "-1.tur", huge, "2.tur", "007.tur",
                                           "1.tur", "a.tur", "99999.tur", "19.tur"}),
                 (QStringList{"1.tur", "2.tur", "007.tur", "10.tur", "19.tur", "99999.tur", huge,
                              "-1.tur", "a.tur", "b.tur"}));
    }

    void aLevelsTooltipIsItsTitleThenItsBestResult() {
        boltik::testing::TempDir dir;
        for (const char* name : {"1.tur", "2.tur", "3.tur", "mine.tur"})
            dir.write(name, "");
        // "Ящики" and "Ключ" in code page 1251; a bad line in between changes nothing else.
        dir.write("names.txt", "1.tur \xDF\xF9\xE8\xEA\xE8\n../2.tur x\n2.tur \xCA\xEB\xFE\xF7\n");
        boltik::progress::Progress progress;
        progress.record("2.tur", 21, 1);
        progress.record("3.tur", 5, 0);
        QVERIFY(progress.save());
        Filesel chooser;
        QListWidget* list = chooser.fileList();
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(0)->toolTip(), QStringLiteral("Ящики"));
        QCOMPARE(list->item(1)->toolTip(),
                 QStringLiteral("Ключ\nПройден. Лучший результат: 21 цикл, потеряно жизней: 1"));
        QCOMPARE(list->item(2)->toolTip(),
                 QStringLiteral("Пройден. Лучший результат: 5 циклов, потеряно жизней: 0"));
        QVERIFY(list->item(3)->toolTip().isEmpty());
        QCOMPARE(list->item(1)->text(), QStringLiteral("2.tur"));
    }

    void aMissingOrBrokenTitlesFileLeavesTheListAsItWas() {
        for (const std::string& bytes :
             {std::string(), std::string(5000, '\x01'), std::string("\xFF\xFE\x00\x01", 4)}) {
            boltik::testing::TempDir dir;
            dir.write("1.tur", "");
            if (!bytes.empty()) dir.write("names.txt", bytes);
            Filesel chooser;
            QCOMPARE(chooser.fileList()->count(), 1);
            QVERIFY(chooser.fileList()->item(0)->toolTip().isEmpty());
        }
    }

    void countsSpeakRussian() {
        using boltik::qt::cyclesText;
        QCOMPARE(cyclesText(1), QStringLiteral("1 цикл"));
        QCOMPARE(cyclesText(2), QStringLiteral("2 цикла"));
        QCOMPARE(cyclesText(5), QStringLiteral("5 циклов"));
        QCOMPARE(cyclesText(11), QStringLiteral("11 циклов"));
        QCOMPARE(cyclesText(14), QStringLiteral("14 циклов"));
        QCOMPARE(cyclesText(21), QStringLiteral("21 цикл"));
        QCOMPARE(cyclesText(784), QStringLiteral("784 цикла"));
        QCOMPARE(cyclesText(112), QStringLiteral("112 циклов"));
        QCOMPARE(cyclesText(0), QStringLiteral("0 циклов"));
    }

    void enterConfirmsTheTypedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("designer text") << "1"
                                       << "1.tur";
        QTest::newRow("with extension") << "12.tur"
                                        << "12.tur";
        QTest::newRow("upper case") << "12.TUR"
                                    << "12.TUR.tur";
        QTest::newRow("short") << "ab"
                               << "ab.tur";
        QTest::newRow("empty") << ""
                               << ".tur";
    }

    void enterConfirmsTheTypedName() {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        Filesel chooser;
        chooser.show();
        chooser.nameBox()->setText(typed);
        QSignalSpy chosen(&chooser, &Filesel::chosen);
        QTest::keyClick(chooser.nameBox(), Qt::Key_Return);
        QCOMPARE(chooser.tag(), name);
        QCOMPARE(chosen.count(), 1);
    }

    void clickCopiesAndDoubleClickConfirms() {
        boltik::testing::TempDir dir;
        dir.write("7.tur", "");
        Filesel chooser;
        chooser.show();
        QListWidget* list = chooser.fileList();
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(chooser.nameBox()->text(), QStringLiteral("7.tur"));
        QVERIFY(chooser.tag().isEmpty());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(chooser.tag(), QStringLiteral("7.tur"));
    }

    void arrowsInTheListCopyTheNameAsAClickDoes() {
        boltik::testing::TempDir dir;
        for (const char* name : {"1.tur", "10.tur", "11.tur", "2.tur"})
            dir.write(name, "");
        Filesel chooser;
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        chooser.nameBox()->setFocus();
        chooser.nameBox()->setText("5");
        // Going back into the list only marks its first entry: the typed name stays.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), chooser.fileList());
        QCOMPARE(chooser.nameBox()->text(), QStringLiteral("5"));
        QTest::keyClick(chooser.fileList(), Qt::Key_Down);
        QCOMPARE(chooser.nameBox()->text(), QStringLiteral("2.tur"));
        QTest::keyClick(chooser.fileList(), Qt::Key_Down);
        QCOMPARE(chooser.nameBox()->text(), QStringLiteral("10.tur"));
        QTest::keyClick(chooser.fileList(), Qt::Key_Return);
        QCOMPARE(chooser.tag(), QStringLiteral("10.tur"));
        // Up, and Home, go back the same way.
        QTest::keyClick(chooser.fileList(), Qt::Key_Home);
        QCOMPARE(chooser.nameBox()->text(), QStringLiteral("1.tur"));
    }

    void okButtonConfirms() {
        Filesel chooser;
        chooser.show();
        chooser.nameBox()->setText("3");
        QTest::mouseClick(chooser.okButton(), Qt::LeftButton);
        QCOMPARE(chooser.tag(), QStringLiteral("3.tur"));
    }

    void theOkButtonIsReachedByTabAndPressedBySpace() {
        Filesel chooser;
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        chooser.nameBox()->setFocus();
        chooser.nameBox()->setText("4");
        QTest::keyClick(chooser.nameBox(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), chooser.okButton());
        QTest::keyClick(chooser.okButton(), Qt::Key_Space);
        QCOMPARE(chooser.tag(), QStringLiteral("4.tur"));
    }

    void closingIsACancellation() {
        boltik::testing::whenShown<Filesel>([](Filesel* f) { f->close(); });
        QCOMPARE(Filesel::choose(), QString());
        boltik::testing::whenShown<Filesel>(
            [](Filesel* f) { QTest::keyClick(f->nameBox(), Qt::Key_Escape); });
        QCOMPARE(Filesel::choose(), QString());
    }
};

QTEST_MAIN(FileselTest)
#include "test_filesel.moc"
