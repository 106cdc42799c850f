// A game controller as the game window's keys: which arrow its d-pad and stick give, when the
// presses repeat and release, shots, Start and Back, and the strokes reaching the window.
#include <QKeyEvent>
#include <QTest>
#include <vector>

#include "core/sound/Sounds.h"
#include "qt/GamePad.h"
#include "qt/GameWindow.h"

using boltik::qt::GamePad;
using boltik::qt::PadKeys;
using boltik::qt::PadStroke;
using boltik::sdl::PadState;

namespace {

PadStroke press(int key, bool shift = false) {
    return {key, true, shift, false};
}
PadStroke repeat(int key, bool shift = false) {
    return {key, true, shift, true};
}
PadStroke release(int key) {
    return {key, false};
}

using Strokes = std::vector<PadStroke>;

PadState stick(int x, int y) {
    PadState s;
    s.stickX = x;
    s.stickY = y;
    return s;
}

PadState dpad(bool up, bool right, bool down, bool left, bool fire = false) {
    PadState s;
    s.up = up;
    s.right = right;
    s.down = down;
    s.left = left;
    s.fire = fire;
    return s;
}

// A reading at a moment and the strokes it must give.
struct Step {
    long ms;
    PadState pad;
    Strokes strokes;
};

void play(const std::vector<Step>& steps) {
    PadKeys keys;
    for (const Step& step : steps) {
        const Strokes got = keys.next(step.pad, step.ms);
        if (got != step.strokes) {
            QFAIL(qPrintable(QStringLiteral("at %1 ms: %2 strokes, %3 expected (first key %4)")
                                 .arg(step.ms)
                                 .arg(got.size())
                                 .arg(step.strokes.size())
                                 .arg(got.empty() ? 0 : got.front().key, 0, 16)));
        }
    }
}

// A widget that keeps the keys it is given.
class KeySink : public QWidget {
public:
    std::vector<PadStroke> keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keep(e, true); }
    void keyReleaseEvent(QKeyEvent* e) override { keep(e, false); }

private:
    void keep(QKeyEvent* e, bool pressed) {
        keys.push_back({e->key(), pressed, e->modifiers() == Qt::ShiftModifier, e->isAutoRepeat()});
    }
};

}  // namespace

class GamePadTest : public QObject {
    Q_OBJECT

private slots:
    void dpadTapIsHeldLongEnoughForTheNextTurn() {
        const PadState right = dpad(false, true, false, false);
        play({
            {0, right, {press(Qt::Key_Right)}},
            {16, {}, {}},
            {149, {}, {}},
            {150, {}, {release(Qt::Key_Right)}},
            {166, {}, {}},
        });
    }

    void heldDirectionRepeatsLikeAHeldKey() {
        const PadState down = dpad(false, false, true, false);
        play({
            {0, down, {press(Qt::Key_Down)}},
            {249, down, {}},
            {250, down, {repeat(Qt::Key_Down)}},
            {290, down, {}},
            {300, down, {repeat(Qt::Key_Down)}},
            {310, {}, {release(Qt::Key_Down)}},
        });
    }

    void stickPressesPastItsDeadZoneAndReleasesNearTheCentre() {
        play({
            {0, stick(11999, 0), {}},
            {10, stick(12000, 0), {press(Qt::Key_Right)}},
            // Back inside the press point but not near the centre: still held.
            {200, stick(8000, 0), {}},
            {210, stick(7999, 0), {release(Qt::Key_Right)}},
            {220, stick(0, -30000), {press(Qt::Key_Up)}},
            {400, stick(0, 32767), {release(Qt::Key_Up), press(Qt::Key_Down)}},
            {600, stick(-32768, 0), {release(Qt::Key_Down), press(Qt::Key_Left)}},
        });
    }

    void stickDiagonalKeepsTheDirectionHeldUntilTheOtherAxisLeads() {
        play({
            // From the centre the larger axis wins, and a tie goes to the horizontal.
            {0, stick(20000, 15000), {press(Qt::Key_Right)}},
            {16, stick(20000, 25000), {}},
            {32, stick(20000, 25001), {press(Qt::Key_Down)}},
            {48, stick(20000, 24000), {}},
            {150, stick(20000, 24000), {release(Qt::Key_Right)}},
            {160, {}, {}},
            {400, {}, {release(Qt::Key_Down)}},
            {410, stick(-20000, 20000), {press(Qt::Key_Left)}},
        });
    }

    void dpadGivesOneDirectionTheNewestPressed() {
        play({
            {0, dpad(false, true, false, false), {press(Qt::Key_Right)}},
            {200, dpad(false, true, true, false), {release(Qt::Key_Right), press(Qt::Key_Down)}},
            {400, dpad(false, true, false, false), {release(Qt::Key_Down), press(Qt::Key_Right)}},
            // Two pressed at once from nothing: the first in the order up, right, down, left.
            {600, {}, {release(Qt::Key_Right)}},
            {800, dpad(false, false, true, true), {press(Qt::Key_Down)}},
        });
    }

    void dpadWinsOverTheStick() {
        PadState both = stick(-30000, 0);
        both.up = true;
        play({
            {0, both, {press(Qt::Key_Up)}},
            {200, stick(-30000, 0), {release(Qt::Key_Up), press(Qt::Key_Left)}},
        });
    }

    void faceButtonWithADirectionFires() {
        const PadState fireRight = dpad(false, true, false, false, true);
        const PadState right = dpad(false, true, false, false);
        PadState fireOnly;
        fireOnly.fire = true;
        play({
            {0, fireOnly, {}},
            {16, fireRight, {press(Qt::Key_Right, true)}},
            {266, fireRight, {repeat(Qt::Key_Right, true)}},
            // Fire let go, direction held: the shot request goes, the robot walks.
            {280, right, {release(Qt::Key_Right), press(Qt::Key_Right)}},
            // Fire pressed while walking: a shot is asked for at once.
            {300, fireRight, {press(Qt::Key_Right, true)}},
            {310, fireOnly, {}},
            {450, fireOnly, {release(Qt::Key_Right)}},
        });
    }

    void startAndBackAreOneTapEachPerPress() {
        PadState start;
        start.start = true;
        PadState back;
        back.back = true;
        play({
            {0, start, {press(Qt::Key_P), release(Qt::Key_P)}},
            {16, start, {}},
            {500, start, {}},
            {516, {}, {}},
            {532, start, {press(Qt::Key_P), release(Qt::Key_P)}},
            {548, back, {press(Qt::Key_Backspace), release(Qt::Key_Backspace)}},
            {564, back, {}},
        });
    }

    void unpluggedControllerReleasesWhatItHeld() {
        PadKeys keys;
        PadState held = dpad(false, false, false, true);
        held.start = true;
        keys.next(held, 0);
        QVERIFY(keys.releaseAll() == Strokes{release(Qt::Key_Left)});
        QVERIFY(keys.releaseAll().empty());
        // Plugged in again with Start still held: a new press.
        QVERIFY(keys.next(held, 20) ==
                (Strokes{press(Qt::Key_Left), press(Qt::Key_P), release(Qt::Key_P)}));
    }

    void strokesReachTheWindowAndPollingSlowsWithoutAController() {
        KeySink sink;
        bool attached = false;
        PadState state;
        GamePad pad(
            [&](PadState& s) {
                s = state;
                return attached;
            },
            [&] { return &sink; });
        QCOMPARE(pad.pollInterval(), GamePad::kIdleMs);

        state = dpad(false, true, false, false, true);
        attached = true;
        QTRY_VERIFY(!sink.keys.empty());
        QCOMPARE(pad.pollInterval(), GamePad::kAttachedMs);
        QVERIFY(sink.keys.front() == press(Qt::Key_Right, true));

        // Unplugged with the direction held: the window is told it was let go.
        attached = false;
        QTRY_VERIFY(sink.keys.back() == release(Qt::Key_Right));
        QCOMPARE(pad.pollInterval(), GamePad::kIdleMs);
    }

    void noWindowInFrontTakesNoKeys() {
        PadState state;
        state.start = true;
        GamePad pad(
            [&](PadState& s) {
                s = state;
                return true;
            },
            [] { return nullptr; });
        QTest::qWait(GamePad::kIdleMs + 100);
        QCOMPARE(pad.pollInterval(), GamePad::kAttachedMs);
    }

    void startPausesTheGameWindowAndResumesIt() {
        boltik::sound::SilentSounds sounds;
        boltik::qt::GameWindow window(sounds);
        window.show();
        PadState state;
        GamePad pad(
            [&](PadState& s) {
                s = state;
                return true;
            },
            [&] { return &window; });
        state.start = true;
        QTRY_VERIFY(window.paused());
        state.start = false;
        QTest::qWait(100);
        state.start = true;
        QTRY_VERIFY(!window.paused());
    }
};

QTEST_MAIN(GamePadTest)
#include "test_game_pad.moc"
