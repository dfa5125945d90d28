#pragma once

#include <QObject>
#include <memory>

#include "ui/qt/calculator_window.h"
#include "window_driver.h"

namespace veltrop::testing {

// The base of every window suite: the application set up as the program
// sets it up, and a fresh window, shown and active, for each test.
class WindowFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<CalculatorWindow> window_;

    QLineEdit& Input() const { return *Child<QLineEdit>(*window_, "txtInput"); }
    QPushButton& Button(const char* name) const { return *Child<QPushButton>(*window_, name); }
    QString Caption(const char* name) const { return Child<QLabel>(*window_, name)->text(); }

    // Puts new text in the box the way a user would: click into it,
    // select everything, type over it.
    void Retype(const char* text) const;

private slots:
    void initTestCase();
    void init();
    void cleanup();
};

}  // namespace veltrop::testing
