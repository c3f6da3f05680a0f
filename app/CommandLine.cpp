#include "app/CommandLine.h"

#include "platform/TolmirVersion.h"
#include "platform/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// Options that QGuiApplication and QApplication take out of the command line
// themselves. The parser accepts them without showing them in the help, so that
// for example "tolmir -platform offscreen" still reaches the toolkit.
void AddToolkitOptions(QCommandLineParser& AParser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "geometry", "style", "stylesheet", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        AParser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        AParser.addOption(option);
    }
}

void Print(std::FILE* AStream, const QString& AText) {
    if (!AText.isEmpty()) {
        std::fputs(AText.toLocal8Bit().constData(), AStream);
        std::fflush(AStream);
    }
}

} // namespace

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QString::fromUtf8(TolmirVersion::ProductName));
    QCoreApplication::setOrganizationName(QString::fromUtf8(TolmirVersion::CompanyName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(TolmirVersion::FileVersion));
}

std::optional<TCommandLineAnswer> ReadCommandLine(const QStringList& AArguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "A dice game: roll five dice up to three times "
                                                   "a turn and fill the eleven lines of the score "
                                                   "sheet."));
    // Qt's own options are single-dash words ("-platform"), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all, which parse() leaves to the caller,
    // has no public text to show.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("QCommandLineParser", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    AddToolkitOptions(parser);

    const QString program = QFileInfo(AArguments.value(0)).fileName();
    if (!parser.parse(AArguments)) {
        return TCommandLineAnswer{
            2,
            {},
            QCoreApplication::translate("CommandLine", "%1: %2 Try '%1 --help'.\n")
                .arg(program, parser.errorText())};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return TCommandLineAnswer{
            2,
            {},
            QCoreApplication::translate("CommandLine",
                                        "%1: Unexpected argument '%2'. Try '%1 --help'.\n")
                .arg(program, parser.positionalArguments().constFirst())};
    }
    if (parser.isSet(help)) {
        return TCommandLineAnswer{0, parser.helpText(), {}};
    }
    if (parser.isSet(version)) {
        return TCommandLineAnswer{
            0,
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                          QCoreApplication::applicationVersion()),
            {}};
    }
    return std::nullopt;
}

std::optional<int> HandleCommandLine(int& AArgc, char** AArgv) {
    // A console-only application object: --version must answer without a display.
    QCoreApplication console(AArgc, AArgv);
    SetApplicationIdentity();
    InstallLanguage(ChooseLanguage(QLocale::system()));
    const std::optional<TCommandLineAnswer> answer = ReadCommandLine(QCoreApplication::arguments());
    if (!answer) {
        return std::nullopt;
    }
    Print(stdout, answer->Output);
    Print(stderr, answer->Error);
    return answer->ExitCode;
}
