#include "window_fixture.h"

#include <QToolTip>

#include "ui/qt/application_setup.h"

namespace veltrop::testing {

void WindowFixture::initTestCase() {
    SetUpApplication();
}

void WindowFixture::init() {
    window_ = std::make_unique<CalculatorWindow>();
    QVERIFY(ShowActive(*window_));
}

void WindowFixture::cleanup() {
    // A tooltip still showing would satisfy the next test's wait for one.
    QToolTip::hideText();
    window_.reset();
}

void WindowFixture::Retype(const char* text) const {
    Click(Input());
    Press(*window_, Qt::Key_A, Qt::ControlModifier);
    Press(*window_, Qt::Key_Delete);
    Type(*window_, text);
}

}  // namespace veltrop::testing
