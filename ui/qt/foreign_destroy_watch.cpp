#include "ui/qt/foreign_destroy_watch.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QWidget>

namespace veltrop {

ForeignDestroyWatch::ForeignDestroyWatch(const QWidget& window) : window_(window) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

ForeignDestroyWatch::~ForeignDestroyWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool ForeignDestroyWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                            qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) {
        return false;
    }
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    const WId native = window_.internalWinId();
    if (native != 0 && destroyed->window == native) {
        QCoreApplication::quit();
    }
    return false;
}

}  // namespace veltrop
