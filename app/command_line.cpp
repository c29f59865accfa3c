#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace quillday {

namespace {

constexpr int kAnswered = 0;

constexpr const char* kDescription =
    "Quillday converts dates between the Gregorian (Common Era), Julian and\n"
    "Annus Novus calendars, Julian day numbers and the form yyyyddd, adds days\n"
    "to a date and counts the days between two dates, in a window.\n"
    "The command quillday gives the same answers in a terminal.";

// QApplication's documented options that take a value, and those that do not.
// The parser knows them so that it lets them through (hidden from --help).
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount"};

void AddHiddenOption(QCommandLineParser& parser, const char* name, const QString& valueName) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

void AddQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtOptionsWithValue) {
        AddHiddenOption(parser, name, QStringLiteral("value"));
    }
    for (const char* name : kQtFlags) {
        AddHiddenOption(parser, name, QString());
    }
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

int UsageError(const QString& reason) {
    const QString name = QCoreApplication::applicationName();
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", qPrintable(name),
                 qPrintable(reason), qPrintable(name));
    return kUsageError;
}

int Answer(const QString& text) {
    std::fputs(qPrintable(text), stdout);
    return kAnswered;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// The value of Qt's option "-NAME VALUE" or "--NAME VALUE" as Qt reads it:
// the word after the option, whatever it looks like; the last one wins.
QString QtOptionValue(const QStringList& arguments, QStringView name) {
    QString value;
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        QStringView word = arguments[i];
        if (word.startsWith(u"--")) {
            word = word.mid(1);
        }
        if (word.startsWith(u'-') && word.mid(1) == name) {
            value = arguments[++i];
        }
    }
    return value;
}
#endif

int NoDisplay() {
    std::fprintf(stderr,
                 "%s: no display: set DISPLAY or WAYLAND_DISPLAY, or run with -platform "
                 "offscreen\n",
                 qPrintable(QCoreApplication::applicationName()));
    return kNoDisplay;
}

}  // namespace

bool LacksDisplay([[maybe_unused]] const QStringList& arguments,
                  [[maybe_unused]] const QProcessEnvironment& environment) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const auto isSet = [&environment](const char* variable) {
        return !environment.value(QString::fromLatin1(variable)).isEmpty();
    };
    const bool platformChosen =
        !QtOptionValue(arguments, u"platform").isEmpty() || isSet("QT_QPA_PLATFORM");
    const bool displayNamed = isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") ||
                              !QtOptionValue(arguments, u"display").isEmpty();
    return !platformChosen && !displayNamed;
#else
    return false;
#endif
}

std::optional<int> AnswerCommandLine(int& argc, char** argv) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    // Qt's options are written with one dash: "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's addHelpOption() would also offer --help-all, whose Qt options only
    // QApplication can list.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and ends."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    AddQtOptions(parser);

    const QStringList arguments = Arguments(argc, argv);
    if (!parser.parse(arguments)) {
        return UsageError(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(QStringLiteral("unexpected argument '%1'")
                              .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it was called.
        const QCoreApplication application(argc, argv);
        return Answer(parser.helpText());
    }
    if (parser.isSet(version)) {
        return Answer(QCoreApplication::applicationName() + u' ' +
                      QCoreApplication::applicationVersion() + u'\n');
    }
    if (LacksDisplay(arguments.mid(1), QProcessEnvironment::systemEnvironment())) {
        return NoDisplay();
    }
    return std::nullopt;
}

}  // namespace quillday
