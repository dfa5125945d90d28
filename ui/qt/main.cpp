#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "res/version.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/design_to_qt.h"
#include "ui/qt/program_icon.h"

namespace {

constexpr const char* kNoDisplay = "veltrop: no display to open the window on";

[[noreturn]] void ExitWithNoDisplay(const char* why) {
    std::fprintf(stderr, "%s (%s)\n", kNoDisplay, why);
    std::fflush(stderr);
    // Inside QApplication's constructor: nothing to tidy, and nothing of
    // Qt's may run any more.
    std::_Exit(1);
}

// True when the user chose a platform (such as offscreen) that may need
// no display at all; Qt then decides for itself.
bool PlatformChosen(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") != nullptr) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform" || arg.starts_with("-platform=") ||
            arg.starts_with("--platform=")) {
            return true;
        }
    }
    return false;
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Messages from QApplication's constructor, held back: when no platform
// can open a display, Qt reports it in several lines and aborts; the user
// gets one line and exit status 1 instead. Otherwise they are passed on.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler qtHandler = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        ExitWithNoDisplay("none of Qt's platform plugins could open one");
    }
    if (type == QtFatalMsg) {
        qtHandler(type, context, text);
        return;
    }
    heldMessages.push_back({type, context.category ? context.category : "", text});
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!PlatformChosen(argc, argv) && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        ExitWithNoDisplay("neither DISPLAY nor WAYLAND_DISPLAY is set");
    }
    qtHandler = qInstallMessageHandler(HoldMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const auto& held : heldMessages) {
        qtHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.c_str()),
                  held.text);
    }
    heldMessages.clear();

    QApplication::setApplicationName(QStringLiteral("Veltrop"));
    QApplication::setApplicationVersion(veltrop::ToQString(veltrop::version::kText));
    // Lets the desktop match the running window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.veltrop.Veltrop"));
    QApplication::setWindowIcon(veltrop::ProgramIcon());

    veltrop::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
