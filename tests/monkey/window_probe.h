#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;

namespace veltrop {
class CalculatorWindow;
}

namespace veltrop::testing {

// What the user can see of the calculator window at one moment.
struct WindowSnapshot {
    QString input;
    QString cv17;
    QString cv18;
    QStringList otherCaptions;  // every other label and button, in design order
    QString copyRightToolTip;
    QString title;
    bool inputHasFocus = false;  // within the window, active or not
    bool visible = false;
};

// What happened during one event, as far as the checks need to know.
struct EventOutcome {
    int errorBoxes = 0;      // input-error boxes shown and closed
    bool mayClear = false;   // the event could have clicked Clear
    bool mayClose = false;   // the event could have closed the window
    int acceptedNumber = 0;  // the controller's number after the event
};

// Reads the real controls of a calculator window by their design names and
// checks one event's effect against the window's rules.
class WindowProbe {
public:
    // Also checks every click on cmdEnter once it has run.
    explicit WindowProbe(CalculatorWindow& window);
    ~WindowProbe();
    WindowProbe(const WindowProbe&) = delete;
    WindowProbe& operator=(const WindowProbe&) = delete;

    WindowSnapshot Take() const;

    // Empty unless a click on Enter ran while the number last read was not
    // the number of the text the box held.
    const QString& EnterFault() const { return enterFault_; }
    int EnterClicks() const { return enterClicks_; }

    // Empty when the change from `before` to `after` is allowed; otherwise
    // what is wrong.
    static QString Check(const WindowSnapshot& before, const WindowSnapshot& after,
                         const EventOutcome& outcome);

private:
    void CheckEnterClick();

    CalculatorWindow& window_;
    QLineEdit* input_;
    QLabel* cv17_;
    QLabel* cv18_;
    QLabel* copyRight_;
    QMetaObject::Connection released_;
    QMetaObject::Connection clicked_;
    QString textAtClick_;
    QString enterFault_;
    int enterClicks_ = 0;
};

}  // namespace veltrop::testing
