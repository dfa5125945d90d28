#include "ui/qt/display_guard.h"

#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/command_line.h"
#include "ui/qt/stderr_capture.h"

namespace veltrop {
namespace {

[[noreturn]] void ExitWithLine(const QString& line) {
    std::fprintf(stderr, "veltrop: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    // Possibly inside QApplication's constructor: nothing to tidy, and
    // nothing of Qt's may run any more.
    std::_Exit(1);
}

const QString kNoDisplay = QStringLiteral("no display to open the window on (%1)");

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt's plugin loader names the plugin it could not find or could not start;
// the plugin says why it could not start in the message just before.
const QRegularExpression kNotFound(
    QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
const QRegularExpression kNotStarted(
    QStringLiteral("Could not load the Qt platform plugin \"([^\"]*)\""));
const QRegularExpression kInstalled(
    QStringLiteral("Available platform plugins are: ([^\n]*?)\\.?\\s*$"));

}  // namespace

DisplayGuard* DisplayGuard::holding_ = nullptr;

DisplayGuard::DisplayGuard(const CommandLine& commandLine) {
    const bool platformChosen = commandLine.NamesPlatform() || IsSet("QT_QPA_PLATFORM");
    // A chosen platform (such as offscreen) may need no display at all:
    // Qt then decides for itself.
    if (!platformChosen && !commandLine.NamesDisplay() && !IsSet("DISPLAY") &&
        !IsSet("WAYLAND_DISPLAY")) {
        ExitWithLine(kNoDisplay.arg(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set")));
    }
    capture_ = std::make_unique<StderrCapture>();
    holding_ = this;
    qtHandler_ = qInstallMessageHandler(&DisplayGuard::HoldMessage);
}

DisplayGuard::~DisplayGuard() {
    Release();
}

void DisplayGuard::Release() {
    if (holding_ != this) {
        return;
    }
    holding_ = nullptr;
    qInstallMessageHandler(qtHandler_);
    PassOnHeld();
}

void DisplayGuard::PassOnHeld() {
    capture_->PassOn();
    for (const HeldMessage& held : held_) {
        qtHandler_(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.c_str()),
                   held.text);
    }
    held_.clear();
}

void DisplayGuard::HoldMessage(QtMsgType type, const QMessageLogContext& context,
                               const QString& text) {
    DisplayGuard* guard = holding_;
    // Qt's only word for "no platform could start" is this fatal message.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        guard->ExitWithReason(text);
    }
    if (type == QtFatalMsg) {
        guard->PassOnHeld();
        guard->qtHandler_(type, context, text);
        return;
    }
    guard->held_.push_back({type, context.category != nullptr ? context.category : "", text});
}

void DisplayGuard::ExitWithReason(const QString& fatalText) {
    capture_->Drop();
    QStringList notInstalled;
    QStringList notStarted;
    QString lastWord;
    for (const HeldMessage& held : held_) {
        const QRegularExpressionMatch found = kNotFound.match(held.text);
        const QRegularExpressionMatch loaded = kNotStarted.match(held.text);
        if (found.hasMatch()) {
            notInstalled << QStringLiteral("Qt platform plugin \"%1\" is not installed")
                                .arg(found.captured(1));
        } else if (loaded.hasMatch()) {
            notStarted << QStringLiteral("Qt platform plugin \"%1\": %2")
                              .arg(loaded.captured(1), lastWord.isEmpty()
                                                           ? QStringLiteral("could not start")
                                                           : lastWord);
        } else if (!held.text.startsWith(QLatin1String("QStandardPaths:"))) {
            lastWord = held.text.trimmed();
            continue;
        }
        lastWord.clear();
    }
    if (!notInstalled.isEmpty()) {
        QString line = QStringLiteral("cannot open the window: ") +
                       (notInstalled + notStarted).join(QStringLiteral("; "));
        const QRegularExpressionMatch installed = kInstalled.match(fatalText);
        if (installed.hasMatch()) {
            line += QStringLiteral(" (installed: %1)").arg(installed.captured(1));
        }
        ExitWithLine(line);
    }
    if (!notStarted.isEmpty()) {
        ExitWithLine(kNoDisplay.arg(notStarted.join(QStringLiteral("; "))));
    }
    ExitWithLine(kNoDisplay.arg(QStringLiteral("none of Qt's platform plugins could open one")));
}

}  // namespace veltrop
