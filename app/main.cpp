#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "look.hpp"
#include "main_window.hpp"

namespace {

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
    return reasons.join(QStringLiteral("; "));
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

}  // namespace

int main(int argc, char* argv[]) {
    defaultHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);
    // The start went well: what was held back is shown as usual.
    for (const HeldMessage& held : heldMessages) {
        defaultHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category),
                       held.text);
    }
    heldMessages.clear();

    kolva::ui::prepareApplication();
    kolva::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
