// The two-button question: answers and the captions' colours under the pointer.
#include <QAccessible>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

#include "WindowTesting.h"
#include "qt/MsgBo.h"

using boltik::qt::AskUser;
using boltik::qt::MsgBo;

namespace {

// Acts on the question window once it is open.
void whenAsked(std::function<void(MsgBo*)> act) {
    boltik::testing::whenShown<MsgBo>(act);
}

bool isBlue(QLabel* caption) {
    return caption->styleSheet().contains("#0000ff");
}

}  // namespace

class MsgBoTest : public QObject {
    Q_OBJECT

private slots:
    void firstButtonAnswersOneSecondTwo() {
        whenAsked([](MsgBo* box) { QTest::mouseClick(box->clickArea(1), Qt::LeftButton); });
        QCOMPARE(AskUser("Вы уверены, что хотите выйти ?", "Да", "Нет"), 1);
        whenAsked([](MsgBo* box) { QTest::mouseClick(box->clickArea(2), Qt::LeftButton); });
        QCOMPARE(AskUser("?", "Нет", "Да"), 2);  // whatever the captions say
    }

    void closingWithoutAClickAnswersTwo() {
        whenAsked([](MsgBo* box) { QTest::mouseClick(box->clickArea(1), Qt::LeftButton); });
        QCOMPARE(AskUser("a", "Да", "Нет"), 1);
        whenAsked([](MsgBo* box) { box->close(); });
        QCOMPARE(AskUser("b", "Да", "Нет"), 2);  // not the previous answer
        whenAsked([](MsgBo* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(AskUser("c", "Да", "Нет"), 2);
    }

    void eachQuestionStartsOnTheAnswerThatKeepsThePlayerWhereTheyAre() {
        using namespace boltik::game;
        const Question kQuestions[] = {leaveGameQuestion(), restartLevelQuestion(),
                                       exitProgramQuestion(), missingLevelQuestion("9.tur")};
        const int kSafe[] = {2, 2, 2, 1};
        for (int i = 0; i < 4; ++i) {
            whenAsked([](MsgBo* box) {
                QVERIFY(isBlue(box->caption(box->selected())));
                QTest::keyClick(box, Qt::Key_Return);
            });
            QCOMPARE(AskUser(kQuestions[i]), kSafe[i]);
        }
    }

    void keysMoveTheHighlightAndAnswer() {
        struct Case {
            std::vector<Qt::Key> keys;
            int answer;
        };
        const Case kCases[] = {
            {{Qt::Key_Left, Qt::Key_Return}, 1},
            {{Qt::Key_Left, Qt::Key_Right, Qt::Key_Enter}, 2},
            {{Qt::Key_Left, Qt::Key_Space}, 1},
            {{Qt::Key_Tab, Qt::Key_Return}, 1},
            {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, 2},
            {{Qt::Key_Left, Qt::Key_Escape}, 2},
        };
        for (const Case& c : kCases) {
            whenAsked([c](MsgBo* box) {
                for (Qt::Key key : c.keys) {
                    if (key == Qt::Key_Left) QVERIFY(!isBlue(box->caption(1)));
                    QTest::keyClick(box, key);
                }
            });
            QCOMPARE(AskUser("?", "Да", "Нет"), c.answer);
        }
        // The pointer answers as before, whatever the keys chose.
        whenAsked([](MsgBo* box) {
            QTest::keyClick(box, Qt::Key_Left);
            QTest::mouseClick(box->clickArea(2), Qt::LeftButton);
        });
        QCOMPARE(AskUser("?", "Да", "Нет"), 2);
    }

    void theHighlightedAnswerIsTheFocusedButton() {
        // Keys go to whatever has the focus, as a real keyboard's do.
        whenAsked([](MsgBo* box) {
            QCOMPARE(QApplication::focusWidget(), box->clickArea(2));
            QAccessibleInterface* focused =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            QCOMPARE(focused->role(), QAccessible::Button);
            QCOMPARE(focused->text(QAccessible::Name), QStringLiteral("Нет"));
            QVERIFY(focused->state().focused);
            QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name),
                     QStringLiteral("Вы уверены, что хотите выйти ?"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
            QCOMPARE(QApplication::focusWidget(), box->clickArea(1));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        QCOMPARE(AskUser("Вы уверены, что хотите выйти ?", "Да", "Нет"), 1);
        // A screen reader's press answers as a click; the pointer moves the focus with the
        // highlight, so Return answers what the pointer lit up.
        whenAsked([](MsgBo* box) {
            QAccessible::queryAccessibleInterface(box->clickArea(1))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        });
        QCOMPARE(AskUser("?", "Да", "Нет"), 1);
        whenAsked([](MsgBo* box) {
            QTest::mouseMove(box->clickArea(1), QPoint(10, 10));
            QTRY_COMPARE(QApplication::focusWidget(), box->clickArea(1));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(AskUser("?", "Да", "Нет"), 1);
    }

    void theHighlightedAnswerReadsAtLeastAsWellAsThePlainOne() {
        // The contrast of each caption's text against the ground it is drawn on, measured on
        // the window as it is painted: the median of the caption's box is its ground.
        const auto luminance = [](QColor c) {
            const auto channel = [](double v) {
                v /= 255.0;
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) +
                   0.0722 * channel(c.blue());
        };
        MsgBo box("Вы уверены, что хотите выйти ?", "Да", "Нет");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseMove(box.clickArea(2), QPoint(10, 10));
        QTRY_VERIFY(isBlue(box.caption(2)));
        const QImage shown = box.grab().toImage();
        const auto contrast = [&](QLabel* caption, QColor text) {
            std::vector<double> ground;
            const QRect r = caption->geometry();
            for (int x = r.left(); x <= r.right(); ++x)
                for (int y = r.top(); y <= r.bottom(); ++y)
                    ground.push_back(luminance(shown.pixelColor(x, y)));
            std::nth_element(ground.begin(), ground.begin() + ground.size() / 2, ground.end());
            const double a = luminance(text), b = ground[ground.size() / 2];
            return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
        };
        const double plain = contrast(box.caption(1), Qt::white);
        const double highlighted = contrast(box.caption(2), QColor(0, 0, 255));
        QTest::mouseMove(&box, QPoint(5, 5));  // off the answers again, for the next test
        QVERIFY2(highlighted >= plain,
                 qPrintable(QStringLiteral("%1 < %2").arg(highlighted).arg(plain)));
    }

    void captionsLightUpUnderThePointer() {
        MsgBo box("Вопрос", "Да", "Нет");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseMove(box.clickArea(1), QPoint(10, 10));
        QTRY_VERIFY(isBlue(box.caption(1)));
        QVERIFY(!isBlue(box.caption(2)));
        // Over the question text the caption stays blue; over the bare surface it turns white.
        QMouseEvent overText(QEvent::MouseMove, QPointF(100, 30), QPointF(100, 30), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box.childAt(100, 30), &overText);
        QVERIFY(isBlue(box.caption(1)));
        QMouseEvent overSurface(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                                Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &overSurface);
        QVERIFY(!isBlue(box.caption(1)));
        QTest::mouseMove(box.clickArea(2), QPoint(10, 10));
        QTRY_VERIFY(isBlue(box.caption(2)));
    }
};

QTEST_MAIN(MsgBoTest)
#include "test_msgbo.moc"
