#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <string>
#include <vector>

namespace veltrop {

class CommandLine;
class StderrCapture;

// Ends the program with one clear line and exit status 1 when the window
// cannot open (no display, or Qt cannot start its platform plugin),
// instead of Qt's several lines and abort. Made before QApplication,
// released once it stands: until then Qt's messages, and whatever else
// is written to standard error, are held back, and passed on at Release()
// if Qt went on.
class DisplayGuard {
public:
    explicit DisplayGuard(const CommandLine& commandLine);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    void Release();

private:
    struct HeldMessage {
        QtMsgType type;
        std::string category;
        QString text;
    };

    static void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);
    [[noreturn]] void ExitWithReason(const QString& fatalText);
    void PassOnHeld();

    static DisplayGuard* holding_;
    QtMessageHandler qtHandler_ = nullptr;
    std::unique_ptr<StderrCapture> capture_;
    std::vector<HeldMessage> held_;
};

}  // namespace veltrop
