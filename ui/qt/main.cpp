#include <QApplication>
#include <QDirIterator>
#include <QIcon>

#include "res/version.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/design_to_qt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrop"));
    QApplication::setApplicationVersion(veltrop::ToQString(veltrop::version::kText));
    // Lets the desktop match the running window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.veltrop.Veltrop"));
    QIcon icon;
    for (QDirIterator it(QStringLiteral(":/icons"), QDirIterator::Subdirectories); it.hasNext();) {
        icon.addFile(it.next());
    }
    QApplication::setWindowIcon(icon);

    veltrop::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
