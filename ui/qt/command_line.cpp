#include "ui/qt/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

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
            Print(stdout, HelpText());
            return 0;
        case Request::Version:
            Print(stdout, QStringLiteral("%1 %2\n").arg(ToQString(version::kProductName),
                                                        ToQString(version::kRelease)));
            return 0;
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
