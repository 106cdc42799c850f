// Helpers for window tests: wait for a window by polling with a deadline, act on it, and never
// leave a test waiting for a window that does not come.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace boltik::testing {

// Closes every window that is open, so whatever waits in a modal loop returns.
inline void closeAllWindows() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(w)) {
            dialog->reject();
        } else {
            w->close();
        }
    }
}

// Calls act every 10 ms until it returns true. When that has not happened within deadlineMs,
// the test fails and every window is closed.
inline void poll(std::function<bool()> act, int deadlineMs = 20000, const char* what = "a step") {
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, deadlineMs, what] {
        bool done = act();
        if (!done && clock->elapsed() > deadlineMs) {
            QTest::qFail(QByteArray("timed out waiting for ").append(what).constData(), __FILE__,
                         __LINE__);
            closeAllWindows();
            done = true;
        }
        if (done) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start(10);
}

// The visible top-level window of type T, or nothing.
template <typename T>
T* visibleWindow() {
    if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) return modal;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) return t;
    }
    return nullptr;
}

// Acts once on the window of type T as soon as it is shown, or fails the test after deadlineMs.
template <typename T>
void whenShown(std::function<void(T*)> act, int deadlineMs = 5000) {
    poll(
        [act] {
            T* window = visibleWindow<T>();
            if (window) act(window);
            return window != nullptr;
        },
        deadlineMs, T::staticMetaObject.className());
}

}  // namespace boltik::testing
