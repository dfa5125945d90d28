#include "ui/qt/application_setup.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QToolTip>

#include "res/version.h"
#include "ui/design_record.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/design_to_qt.h"
#include "ui/qt/program_icon.h"

namespace veltrop {
namespace {

// A plain top-level QWidget reaches a screen reader as a filler; present
// the calculator as the application's window (a frame over AT-SPI).
QAccessibleInterface* WindowAccessible(const QString& /*key*/, QObject* object) {
    if (auto* window = qobject_cast<CalculatorWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void SetUpApplication() {
    QApplication::setApplicationName(ToQString(version::kProductName));
    QApplication::setApplicationVersion(ToQString(version::kText));
    // Lets the desktop match the running window to its menu entry and icon.
    QApplication::setDesktopFileName(ToQString(version::kAppId));
    QApplication::setWindowIcon(ProgramIcon());

    // The message box is a window of its own and takes the application's
    // font, not the calculator window's.
    const QFont windowFont = FontFromRecord(design::kWindow.font);
    QApplication::setFont(windowFont);
    // Tooltips in the window's face and size but not bold, as tooltips
    // usually are. Set after the application font, which clears the fonts
    // set for classes of widgets.
    QFont toolTipFont = windowFont;
    toolTipFont.setWeight(QFont::Normal);
    QToolTip::setFont(toolTipFont);

    static const bool kFactoryInstalled = [] {
        QAccessible::installFactory(WindowAccessible);
        return true;
    }();
    (void)kFactoryInstalled;
}

}  // namespace veltrop
