#pragma once

#include <QAbstractNativeEventFilter>

class QWidget;

namespace veltrop {

// Ends the program when another X client destroys the window's native
// window (xdotool windowclose, a misbehaving window manager): Qt is not
// told, and would otherwise run on with no window to show. While it lives
// it watches every X event of the application; elsewhere than on X it does
// nothing.
class ForeignDestroyWatch : public QAbstractNativeEventFilter {
public:
    explicit ForeignDestroyWatch(const QWidget& window);
    ~ForeignDestroyWatch() override;
    ForeignDestroyWatch(const ForeignDestroyWatch&) = delete;
    ForeignDestroyWatch& operator=(const ForeignDestroyWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& window_;
};

}  // namespace veltrop
