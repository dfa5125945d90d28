#include "ui/qt/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "res/version.h"
#include "ui/qt/design_to_qt.h"

namespace veltrop {
namespace {

struct OwnOption {
    QStringList names;
    const char* description;
};
const OwnOption kHelp{{QStringLiteral("h"), QStringLiteral("help")}, "Show this help and exit."};
const OwnOption kVersion{{QStringLiteral("version")}, "Show the version and exit."};

// The options QGuiApplication and QApplication document for every program,
// with whether each takes a value; Qt takes them out of argv itself.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},
};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// An answer on standard output, status 0; a write that fails (a full disk,
// a closed descriptor) is no answer: it is said on standard error as
// coreutils say it, with status 1, so that a script sees the failure.
int Answer(const QString& program, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stdout) == size;
    if (std::fflush(stdout) == 0 && written && std::ferror(stdout) == 0) {
        return 0;
    }
    const int error = errno;
    Print(stderr, error != 0 ? QStringLiteral("%1: write error: %2\n")
                                   .arg(program, QString::fromLocal8Bit(std::strerror(error)))
                             : QStringLiteral("%1: write error\n").arg(program));
    return 1;
}

}  // namespace

CommandLine::CommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    program_ = argc > 0 ? QFileInfo(arguments.first()).fileName() : QStringLiteral("veltrop");

    QCommandLineParser parser;
    // Qt's options are words after a single dash (-platform, -display).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(kHelp.names);
    const QCommandLineOption version(kVersion.names);
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qtOption : kQtOptions) {
        const QString name = QString::fromLatin1(qtOption.name);
        QCommandLineOption option(name);
        if (qtOption.takesValue) {
            option.setValueName(name);
        }
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        request_ = Request::Mistake;
        mistake_ = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        request_ = Request::Mistake;
        mistake_ = QStringLiteral("Unexpected argument '%1'.")
                       .arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(help)) {
        request_ = Request::Help;
    } else if (parser.isSet(version)) {
        request_ = Request::Version;
    }
    namesPlatform_ = parser.isSet(QStringLiteral("platform"));
    namesDisplay_ = parser.isSet(QStringLiteral("display"));
}

std::optional<int> CommandLine::AnswerWithoutWindow() const {
    switch (request_) {
        case Request::Window:
            return std::nullopt;
        case Request::Help:
            return Answer(program_, HelpText());
        case Request::Version:
            return Answer(program_, QStringLiteral("%1 %2\n").arg(ToQString(version::kProductName),
                                                                  ToQString(version::kRelease)));
        case Request::Mistake:
            Print(stderr, QStringLiteral("%1: %2 Try '%1 --help'.\n").arg(program_, mistake_));
            return 2;
    }
    return std::nullopt;
}

QString CommandLine::HelpText() const {
    QString text = QStringLiteral("Usage: %1 [options]\n%2\n\nOptions:\n")
                       .arg(program_, ToQString(version::kSummary));
    for (const OwnOption* option : {&kHelp, &kVersion}) {
        QStringList names;
        for (const QString& name : option->names) {
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        }
        text += QStringLiteral("  %1  %2\n")
                    .arg(names.join(QStringLiteral(", ")), -12)
                    .arg(QString::fromLatin1(option->description));
    }
    text += QStringLiteral(
        "\nQt's standard options work as well, such as -platform NAME and -display "
        "DISPLAY.\n");
    return text;
}

}  // namespace veltrop
