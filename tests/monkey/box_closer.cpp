#include "box_closer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <array>

#include "calc/calculator_controller.h"

namespace veltrop::testing {

BoxCloser::BoxCloser(std::mt19937& random) : random_(random) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
    timer_.start();
}

void BoxCloser::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    timer_.stop();
    const QString expectedTitle = QString::fromStdU16String(std::u16string(kInputErrorTitle));
    const QString expectedText = QString::fromStdU16String(std::u16string(kInputErrorText));
    if (box->windowTitle() != expectedTitle || box->text() != expectedText ||
        box->buttons().size() != 1) {
        fault_ =
            QStringLiteral("an unexpected box: '%1' / '%2'").arg(box->windowTitle(), box->text());
    }
    int way = std::uniform_int_distribution<int>(0, 3)(random_);
    // Space presses the button only when the button has the focus, which
    // the offscreen platform does not give it.
    if (way == 2 && qobject_cast<QAbstractButton*>(box->focusWidget()) == nullptr) {
        way = 3;
    }
    if (QTest::qWaitForWindowActive(box)) {
        QWindow* handle = box->windowHandle();
        switch (way) {
            case 0:
                QTest::keyClick(handle, Qt::Key_Return);
                break;
            case 1:
                QTest::keyClick(handle, Qt::Key_Escape);
                break;
            case 2:
                QTest::keyClick(handle, Qt::Key_Space);
                break;
            default: {
                QAbstractButton* ok = box->buttons().value(0);
                if (ok != nullptr) {
                    QTest::mouseClick(handle, Qt::LeftButton, {},
                                      ok->mapTo(box, ok->rect().center()));
                }
                break;
            }
        }
    }
    if (box == QApplication::activeModalWidget() && box->isVisible()) {
        static constexpr std::array<const char*, 4> kWays = {"Return", "Escape", "Space",
                                                             "a click on its button"};
        fault_ = QStringLiteral("the error box did not close on %1")
                     .arg(QLatin1String(kWays.at(static_cast<std::size_t>(way))));
        box->done(0);  // never leave the run hanging on a box
    }
    ++closed_;
    timer_.start();
}

}  // namespace veltrop::testing
