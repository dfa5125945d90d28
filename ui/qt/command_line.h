#pragma once

#include <QString>
#include <optional>

namespace veltrop {

// The program's command line, read before QApplication so that --help,
// --version and a mistyped option are answered without a display. Qt's
// own standard options (-platform, -display, -style, ...) are known here
// too and stay in argv for QApplication to act on.
class CommandLine {
public:
    CommandLine(int argc, char* argv[]);

    // Prints the help or the version to standard output (status 0; 1 when
    // that write fails), or a mistake as one line to standard error
    // (status 2); nothing when the window is to open.
    std::optional<int> AnswerWithoutWindow() const;

    // Whether Qt is told here which platform plugin to start, or which X
    // display to open.
    bool NamesPlatform() const { return namesPlatform_; }
    bool NamesDisplay() const { return namesDisplay_; }

private:
    enum class Request { Window, Help, Version, Mistake };

    QString HelpText() const;

    QString program_;
    Request request_ = Request::Window;
    QString mistake_;
    bool namesPlatform_ = false;
    bool namesDisplay_ = false;
};

}  // namespace veltrop
