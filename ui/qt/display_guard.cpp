#include "ui/qt/display_guard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace veltrop {
namespace {

[[noreturn]] void ExitWithNoDisplay(const char* why) {
    std::fprintf(stderr, "veltrop: no display to open the window on (%s)\n", why);
    std::fflush(stderr);
    // Possibly inside QApplication's constructor: nothing to tidy, and
    // nothing of Qt's may run any more.
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

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler qtHandler = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Qt's only word for "no platform could start" is this fatal message.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        ExitWithNoDisplay("none of Qt's platform plugins could open one");
    }
    if (type == QtFatalMsg) {
        qtHandler(type, context, text);
        return;
    }
    heldMessages.push_back({type, context.category != nullptr ? context.category : "", text});
}

}  // namespace

DisplayGuard::DisplayGuard(int argc, char* argv[]) {
    if (!PlatformChosen(argc, argv) && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        ExitWithNoDisplay("neither DISPLAY nor WAYLAND_DISPLAY is set");
    }
    qtHandler = qInstallMessageHandler(HoldMessage);
    holding_ = true;
}

DisplayGuard::~DisplayGuard() {
    Release();
}

void DisplayGuard::Release() {
    if (!holding_) {
        return;
    }
    holding_ = false;
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& held : heldMessages) {
        qtHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.c_str()),
                  held.text);
    }
    heldMessages.clear();
}

}  // namespace veltrop
