// A seeded random stream of real mouse and keyboard events on the real
// calculator window, checking after every event that the window still
// shows only what it may. Replay a failure with VELTROP_MONKEY_SEED=<seed>;
// VELTROP_MONKEY_EVENTS sets the length of the stream.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <array>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>

#include "box_closer.h"
#include "ui/design_record.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/calculator_window.h"
#include "window_driver.h"
#include "window_probe.h"

using veltrop::CalculatorWindow;
using namespace veltrop::testing;

namespace {

unsigned EnvNumber(const char* name, unsigned fallback) {
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// Characters that can make or break a number, and a few that never can.
constexpr std::array<char, 25> kTyped = {'0', '1', '2', '3', '4', '5', '6', '7', '8',
                                         '9', '+', '-', '.', 'e', 'E', '&', 'h', 'H',
                                         'o', 'O', ' ', 'd', 'x', ',', '\t'};
const std::array<QString, 9> kPasted = {
    QStringLiteral("1000"),         QStringLiteral("1\u200B23"),
    QStringLiteral("12345"),        QStringLiteral("&HFF"),
    QStringLiteral("1e5"),          QString(QChar(0x00A0)) + QStringLiteral("5"),
    QStringLiteral("\uFF11\uFF12"), QStringLiteral("\U0001F682"),
    QStringLiteral("-2.5\n7"),
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private:
    std::mt19937 random_;
    std::unique_ptr<CalculatorWindow> window_;
    std::unique_ptr<WindowProbe> probe_;
    std::deque<QString> recent_;
    int windowsOpened_ = 0;
    int enterClicks_ = 0;  // by the windows closed so far

    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    bool OpenWindow() {
        if (probe_) {
            enterClicks_ += probe_->EnterClicks();
        }
        probe_.reset();
        window_ = std::make_unique<CalculatorWindow>();
        probe_ = std::make_unique<WindowProbe>(*window_);
        window_->show();
        ++windowsOpened_;
        return Activate();
    }

    // What a window manager does after a box closes: the window is active again.
    bool Activate() {
        if (window_->isActiveWindow()) {
            return true;
        }
        window_->activateWindow();
        return QTest::qWaitForWindowActive(window_.get());
    }

    QWindow* Handle() { return window_->windowHandle(); }

    QWidget* Control(std::string_view name) {
        return window_->findChild<QWidget*>(QString::fromLatin1(name.data()),
                                            Qt::FindDirectChildrenOnly);
    }

    // A random point on a random control; seldom on Exit, to keep most
    // windows open long.
    QPoint PointOnAControl() {
        const veltrop::design::ControlRecord* record = nullptr;
        do {
            record = &veltrop::design::kControls.at(
                static_cast<std::size_t>(Pick(veltrop::design::kControls.size())));
        } while (record->name == "cmdExit" && Pick(8) != 0);
        const QWidget* control = Control(record->name);
        return control->mapTo(window_.get(),
                              QPoint(Pick(control->width()), Pick(control->height())));
    }

    // One random user event; says what it did and what it may have clicked.
    QString Act(EventOutcome& outcome) {
        QWidget* focus = window_->focusWidget();
        const auto focusIs = [&](std::string_view name) { return focus == Control(name); };
        if (focusIs("cmdExit") && Pick(4) != 0) {
            // Mostly move on, or a Space would end most windows early.
            QTest::keyClick(Handle(), Qt::Key_Tab);
            return QStringLiteral("Tab away from Exit");
        }
        const int roll = Pick(1000);
        if (roll < 300) {
            const char c = kTyped.at(static_cast<std::size_t>(Pick(kTyped.size())));
            if (c == ' ') {  // a space presses a focused button
                outcome.mayClear = focusIs("cmdClear");
                outcome.mayClose = focusIs("cmdExit");
            }
            QTest::keyClick(Handle(), c);
            return QStringLiteral("type '%1'").arg(QChar(c));
        }
        if (roll < 380) {
            static constexpr std::array<Qt::Key, 6> kEditing = {Qt::Key_Backspace, Qt::Key_Delete,
                                                                Qt::Key_Left,      Qt::Key_Right,
                                                                Qt::Key_Home,      Qt::Key_End};
            const Qt::Key key = kEditing.at(static_cast<std::size_t>(Pick(kEditing.size())));
            QTest::keyClick(Handle(), key);
            return QStringLiteral("key %1").arg(key, 0, 16);
        }
        if (roll < 400) {
            QTest::keyClick(Handle(), Qt::Key_A, Qt::ControlModifier);
            return QStringLiteral("Ctrl+A");
        }
        if (roll < 440) {
            const QString text = kPasted.at(static_cast<std::size_t>(Pick(kPasted.size())));
            QApplication::clipboard()->setText(text);
            QTest::keyClick(Handle(), Qt::Key_V, Qt::ControlModifier);
            return QStringLiteral("paste '%1'").arg(text);
        }
        if (roll < 540) {
            const bool back = Pick(3) == 0;
            QTest::keyClick(Handle(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            return back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab");
        }
        if (roll < 600) {
            outcome.mayClear = focusIs("cmdClear");
            outcome.mayClose = focusIs("cmdExit");
            QTest::keyClick(Handle(), Qt::Key_Space);
            return QStringLiteral("Space");
        }
        if (roll < 640) {
            // Return clicks a focused button.
            outcome.mayClear = focusIs("cmdClear");
            outcome.mayClose = focusIs("cmdExit");
            QTest::keyClick(Handle(), Pick(2) == 0 ? Qt::Key_Return : Qt::Key_Enter);
            return QStringLiteral("Return");
        }
        if (roll < 660) {
            QTest::keyClick(Handle(), Qt::Key_Escape);
            return QStringLiteral("Escape");
        }
        if (roll < 680) {
            // Text dragged from another program and let go over the window.
            const QString text = kPasted.at(static_cast<std::size_t>(Pick(kPasted.size())));
            const QPoint at = PointOnAControl();
            DropText(*window_, at, text);
            return QStringLiteral("drop '%1' at %2,%3").arg(text).arg(at.x()).arg(at.y());
        }
        if (roll < 710) {
            // The middle button pastes the selection where the desktop has one.
            const QString text = kPasted.at(static_cast<std::size_t>(Pick(kPasted.size())));
            QApplication::clipboard()->setText(text, QClipboard::Selection);
            const QPoint at = PointOnAControl();
            QTest::mouseClick(Handle(), Qt::MiddleButton, {}, at);
            return QStringLiteral("middle-click '%1' at %2,%3").arg(text).arg(at.x()).arg(at.y());
        }
        if (roll < 740) {
            return ScreenReaderAction(outcome);
        }
        if (roll < 997) {
            // A click somewhere on a control, or anywhere in the window.
            QPoint at(Pick(window_->width()), Pick(window_->height()));
            if (roll < 960) {
                at = PointOnAControl();
            }
            const QWidget* target = window_->childAt(at);
            outcome.mayClear = target == Control("cmdClear");
            outcome.mayClose = target == Control("cmdExit");
            QTest::mouseClick(Handle(), Qt::LeftButton, {}, at);
            return QStringLiteral("click at %1,%2 on %3")
                .arg(at.x())
                .arg(at.y())
                .arg(target != nullptr ? target->objectName() : QStringLiteral("the window"));
        }
        // The window frame's close button.
        outcome.mayClose = true;
        Handle()->close();
        return QStringLiteral("close from the frame");
    }

    // A screen reader's Press on a button, which leaves the focus where it
    // is, or its SetFocus on a control.
    QString ScreenReaderAction(EventOutcome& outcome) {
        static constexpr std::array<std::string_view, 4> kTargets = {"cmdEnter", "cmdClear",
                                                                     "cmdExit", "txtInput"};
        const std::string_view name = kTargets.at(static_cast<std::size_t>(Pick(kTargets.size())));
        QWidget* control = Control(name);
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(control)->actionInterface();
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (button == nullptr || Pick(3) == 0) {
            actions->doAction(QAccessibleActionInterface::setFocusAction());
            return QStringLiteral("SetFocus on %1").arg(control->objectName());
        }
        outcome.mayClear = name == "cmdClear";
        outcome.mayClose = name == "cmdExit";
        actions->doAction(QAccessibleActionInterface::pressAction());
        // The press clicks a moment later; the click belongs to this event.
        while (button->isDown()) {
            QTest::qWait(5);
        }
        return QStringLiteral("Press on %1").arg(control->objectName());
    }

    QString Recent() const {
        QString log;
        for (const QString& line : recent_) {
            log += QStringLiteral("\n  ") + line;
        }
        return log;
    }

private slots:
    // As the program sets it up at its start.
    void initTestCase() { veltrop::SetUpApplication(); }

    void survivesASeededStreamOfUserEvents() {
        const unsigned seed = EnvNumber("VELTROP_MONKEY_SEED", std::random_device{}());
        const unsigned events = EnvNumber("VELTROP_MONKEY_EVENTS", 10'000);
        std::printf("monkey: seed %u, %u events (replay: VELTROP_MONKEY_SEED=%u)\n", seed, events,
                    seed);
        std::fflush(stdout);
        random_.seed(seed);
        BoxCloser closer(random_);
        QVERIFY(OpenWindow());

        int accepted = 0;
        for (unsigned i = 0; i < events; ++i) {
            QVERIFY2(Activate(), "the window cannot be activated again");
            const WindowSnapshot before = probe_->Take();
            const int boxesBefore = closer.Closed();
            EventOutcome outcome;
            const QString event = Act(outcome);
            outcome.errorBoxes = closer.Closed() - boxesBefore;
            outcome.acceptedNumber = window_->Controller().State().LocoNumber;
            const WindowSnapshot after = probe_->Take();

            recent_.push_back(QStringLiteral("#%1 %2 -> input '%3', results '%4' '%5'")
                                  .arg(i)
                                  .arg(event, after.input, after.cv17, after.cv18));
            if (recent_.size() > 12) {
                recent_.pop_front();
            }
            QString fault = WindowProbe::Check(before, after, outcome);
            if (fault.isEmpty()) {
                fault = probe_->EnterFault();
            }
            if (fault.isEmpty()) {
                fault = closer.Fault();
            }
            if (!fault.isEmpty()) {
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3; the last events:%4")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(fault, Recent())));
            }
            if (!after.cv17.isEmpty() && after.cv17 != before.cv17) {
                ++accepted;
            }
            if (!after.visible) {
                QVERIFY(OpenWindow());
            }
        }

        // Still alive and still right: one more number through the window.
        QVERIFY(Activate());
        QTest::mouseClick(Handle(), Qt::LeftButton, {}, Control("txtInput")->geometry().center());
        QTest::keyClick(Handle(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Control("txtInput"), QStringLiteral("1000"));
        QTest::mouseClick(Handle(), Qt::LeftButton, {}, Control("cmdEnter")->geometry().center());
        QCOMPARE(qobject_cast<QLabel*>(Control("lblCV17"))->text(), QStringLiteral(" 195"));
        QCOMPARE(qobject_cast<QLabel*>(Control("lblCV18"))->text(), QStringLiteral(" 232"));

        std::printf(
            "monkey: %u events, %d Enter clicks checked, %d error boxes closed, %d new results, "
            "%d windows\n",
            events, enterClicks_ + probe_->EnterClicks(), closer.Closed(), accepted,
            windowsOpened_);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
