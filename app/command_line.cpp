// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: a QCoreApplication of its own (which needs no display) gives argv to
// QCommandLineParser, and is gone before main() makes the QApplication of the windows.
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

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

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("karvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVO_VERSION));
    if (argc < 2) return std::nullopt;  // started from the menu: nothing to read, no cost
    const QCoreApplication reading(argc, argv);
    QCommandLineParser parser;
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

}  // namespace app
