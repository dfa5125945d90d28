#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>

// Drives a window as a user would: real mouse and keyboard events delivered
// through its QWindow (so modality applies), controls found by objectName.
namespace veltrop::testing {

template <typename T = QWidget>
T* Child(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// Shows the window and waits until it is the active one, as a user would
// find it; false when it never becomes active.
[[nodiscard]] inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A left click at the middle of the control, or at a point inside it.
inline void Click(const QWidget& control, QPoint at = {-1, -1}) {
    const QWidget& top = *control.window();
    const QPoint local = at.x() < 0 ? control.rect().center() : at;
    QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, control.mapTo(&top, local));
}

// Types into whatever has the keyboard focus.
inline void Type(const QWidget& window, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        QTest::keyClick(window.windowHandle(), *c);
    }
}

// A drag of text from another program let go at a point of the window,
// delivered as the platform delivers it: enter, move, drop. True if a
// control took the drop.
inline bool DropText(const QWidget& window, QPoint at, const QString& text) {
    QMimeData data;
    data.setText(text);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.windowHandle(), &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.windowHandle(), &move);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.windowHandle(), &drop);
    return drop.isAccepted();
}

inline void Press(const QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

inline QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

// Answers every application-modal message box that opens while it lives:
// hands the box to `inspect`, then clicks its first button with the mouse.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QMessageBox&)> inspect = {})
        : inspect_(std::move(inspect)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
        timer_.start();
    }

    int Answered() const { return answered_; }

private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        timer_.stop();
        if (QTest::qWaitForWindowActive(box)) {
            if (inspect_) {
                inspect_(*box);
            }
            const QList<QAbstractButton*> buttons = box->buttons();
            if (!buttons.isEmpty()) {
                Click(*buttons.first());
            }
        }
        if (box == QApplication::activeModalWidget()) {
            box->done(0);  // never leave a test hanging on a box
        }
        ++answered_;
        timer_.start();
    }

    std::function<void(QMessageBox&)> inspect_;
    QTimer timer_;
    int answered_ = 0;
};

}  // namespace veltrop::testing
