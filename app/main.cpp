#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "look.hpp"
#include "main_window.hpp"
#include "project.hpp"
#include "text.hpp"

namespace {

using kolva::ui::qText;

// Qt ends a start that fails with a fatal message, a core dump and advice to
// reinstall. Kolva says it in one line instead, in Qt's own words, and leaves
// with status 1. Until the application has started, every message is held
// back: those that may explain a failure for that line, the others (such as
// Qt's advice on a locale without UTF-8) to be shown once the start went well.
QtMessageHandler defaultHandler = nullptr;

struct HeldMessage {
    QtMsgType type;
    const char* category;  // a logging category's name lives as long as the program
    QString text;
};
std::vector<HeldMessage> heldMessages;

// The platform plugins' messages and every critical one.
bool mayExplainFailure(QtMsgType type, const char* category) {
    const bool platform =
        category != nullptr && QLatin1String(category).startsWith(QLatin1String("qt.qpa"));
    return type == QtCriticalMsg || (platform && type != QtDebugMsg);
}

QString oneLine(QString text) {
    for (const char* advice :
         {"This application failed to start because no Qt platform plugin could be initialized.",
          "Reinstalling the application may fix this problem."}) {
        text.remove(QLatin1String(advice));
    }
    return text.simplified();
}

// The reasons as one sentence: "First reason; second reason."
QString oneSentence(const QStringList& reasons) {
    QStringList clauses;
    for (QString reason : reasons) {
        while (reason.endsWith(QLatin1Char('.'))) {
            reason.chop(1);
        }
        if (!clauses.isEmpty() && reason.size() > 1 && reason.at(1).isLower()) {
            reason[0] = reason.at(0).toLower();
        }
        clauses.append(reason);
    }
    return clauses.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString reasonForFailure(const QString& fatal) {
    QStringList reasons;
    for (const HeldMessage& held : heldMessages) {
        if (!mayExplainFailure(held.type, held.category)) {
            continue;
        }
        if (held.text.contains(QLatin1String("could not connect to display"))) {
            return QStringLiteral("no graphical display is available");
        }
        reasons.append(oneLine(held.text));
    }
    reasons.append(oneLine(fatal));
    reasons.removeAll(QString());
    return oneSentence(reasons);
}

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kolva: cannot open a window: %s\n",
                     qPrintable(reasonForFailure(message)));
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages.push_back({type, context.category, message});
}

// The options that Qt itself reads from every program's command line; they
// pass through to Qt untouched, and --help-all lists them.
struct QtOption {
    const char* name;
    const char* value;  // the name of its value; none where it takes none
    const char* description;
};
constexpr QtOption kQtOptions[] = {
    {"platform", "platformName[:options]", "The platform plugin, such as xcb or wayland."},
    {"platformpluginpath", "path", "Where to find platform plugins."},
    {"platformtheme", "theme", "The platform theme."},
    {"plugin", "plugin", "A further plugin to load; may be given more than once."},
    {"qwindowgeometry", "geometry", "The window's place, in X11 syntax, such as +50+50."},
    {"qwindowicon", "icon", "The window's icon."},
    {"qwindowtitle", "title", "The window's title."},
    {"reverse", nullptr, "Lays the window out from right to left."},
    {"session", "session", "Restores the program from an earlier session."},
    {"display", "display", "The X display, instead of $DISPLAY."},
    {"geometry", "geometry", "The same as -qwindowgeometry."},
    {"style", "style", "The widget style."},
    {"stylesheet", "file", "A style sheet for the widgets."},
    {"widgetcount", nullptr, "Says at the end how many widgets are left."},
    {"nograb", nullptr, "Never grabs the mouse or the keyboard (X11)."},
    {"dograb", nullptr, "Grabs the mouse and keyboard even under a debugger (X11)."},
    {"sync", nullptr, "Talks to the X server synchronously (X11)."},
};

// Kolva's own command line; Qt's options are listed with --help-all only.
struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;

    explicit CommandLine(bool listQtOptions)
        : help(parser.addHelpOption()), version(parser.addVersionOption()) {
        parser.setApplicationDescription(qText(kolva::project::kDescription));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const QtOption& qt : kQtOptions) {
            QCommandLineOption option(QString::fromLatin1(qt.name),
                                      QCoreApplication::translate("kolva", qt.description));
            if (qt.value != nullptr) {
                option.setValueName(QString::fromLatin1(qt.value));
            }
            if (!listQtOptions) {
                option.setFlags(QCommandLineOption::HiddenFromHelp);
            }
            parser.addOption(option);
        }
    }

    // Without an application object Qt cannot know the program's name.
    QString helpText() const {
        return parser.helpText().replace(QLatin1String("<executable_name>"),
                                         QLatin1String("kolva"));
    }
};

// Kolva takes no command line of its own; it answers --help, --help-all and
// --version as every desktop program does, before it needs a display, names
// an option it does not know with where to look, and says that it opens no
// files when given one. Returns the exit status when the program is to end
// there.
std::optional<int> answerCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    CommandLine line(false);
    if (!line.parser.parse(arguments)) {
        std::fprintf(stderr, "kolva: %s Try 'kolva --help' for more information.\n",
                     qPrintable(line.parser.errorText()));
        return EXIT_FAILURE;
    }
    if (line.parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(CommandLine(true).helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (line.parser.isSet(line.help)) {
        std::fputs(qPrintable(line.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (line.parser.isSet(line.version)) {
        std::printf("kolva %s\n", qPrintable(qText(kolva::project::kVersion)));
        return EXIT_SUCCESS;
    }
    if (!line.parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr,
                     "kolva: Kolva opens no files (%s); to bring in a machine, copy its text "
                     "and press Ctrl+V in Kolva's window.\n",
                     qPrintable(line.parser.positionalArguments().join(QStringLiteral(", "))));
        return EXIT_FAILURE;
    }
    return std::nullopt;
}

// Who the program is to the desktop: its name, the desktop entry it belongs
// to (Wayland's app id) and its icon for task bars and window switchers, at
// every size it is compiled in at. The icons are read as the PNG files they
// are: left to guess, the image reader would load every image plugin to ask.
void introduceToDesktop() {
    QApplication::setApplicationName(QStringLiteral("kolva"));
    QGuiApplication::setDesktopFileName(qText(kolva::project::kAppId));
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icon"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        QImageReader png(sizes.next(), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    QApplication::setWindowIcon(icon);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = answerCommandLine(argc, argv)) {
        return *status;
    }
    defaultHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);
    // The start went well: what was held back is shown as usual.
    for (const HeldMessage& held : heldMessages) {
        defaultHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category),
                       held.text);
    }
    heldMessages.clear();

    introduceToDesktop();
    kolva::ui::prepareApplication();
    kolva::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
