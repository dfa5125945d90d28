// The yardstick for the calculator's start-up and memory: an empty Qt
// window of the calculator's size and nothing else.
#include <QApplication>
#include <QWidget>

#include "ui/design_record.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    constexpr int kDpi = 96;
    window.setFixedSize(
        veltrop::design::TwipsToPixels(veltrop::design::kWindow.clientWidth, kDpi),
        veltrop::design::TwipsToPixels(veltrop::design::kWindow.clientHeight, kDpi));
    window.show();
    return QApplication::exec();
}
