// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: a QCoreApplication of its own (which needs no display) gives argv to
// QCommandLineParser, and is gone before main() makes the QApplication of the windows; then
// the platform is chosen, or the program stops when there is no display.
#include "app/command_line.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <vector>

#include "app/platform.h"

namespace app {
namespace {

// Options that QApplication itself reads on Linux: accepted here and left in argv for it.
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
    {"reverse", false},        {"nograb", false},
    {"dograb", false},         {"sync", false},
    {"widgetcount", false},
};

void AddQtOptions(QCommandLineParser& parser) {
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int Refuse(const QString& message) {
    Print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                      .arg(QCoreApplication::applicationName(), message));
    return 1;
}

// Without a display, Qt would abort in its platform plugin: say so in one line instead.
std::optional<int> RequireDisplay(bool platformOption) {
    if (ChoosePlatform(platformOption)) return std::nullopt;
    Print(stderr, QStringLiteral("%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set.\n")
                      .arg(QCoreApplication::applicationName()));
    return 1;
}

// The help, the version or a refusal when argv asks for one; nothing when Karvo goes on.
std::optional<int> Read(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Works out, for a concrete mixer, the cement, sand, gravel and water to buy for\n"
        "concrete or mortar, what they cost, the loads of each batch and the working time.\n"
        "Its windows are in French."));
    // Qt's own options are words after a single dash, as in "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    AddQtOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) return Refuse(parser.errorText());
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QCoreApplication::applicationName() + ' ' +
                          QCoreApplication::applicationVersion() + '\n');
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return Refuse(QStringLiteral("Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    return std::nullopt;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("karvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVO_VERSION));
    if (argc < 2) return RequireDisplay(false);  // started from the menu: nothing to read, no cost
    // "Usage:" shows argv[0]: the program's name there, not the path that started it.
    QByteArray name = QCoreApplication::applicationName().toLocal8Bit();
    std::vector<char*> named(argv, argv + argc + 1);  // with argv's closing null
    named[0] = name.data();
    int namedCount = argc;
    const QCoreApplication reading(namedCount, named.data());
    QCommandLineParser parser;
    if (const auto exitCode = Read(parser)) return exitCode;
    return RequireDisplay(parser.isSet(QStringLiteral("platform")));
}

}  // namespace app
