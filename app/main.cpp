#include "commandline.h"
#include "launcherwindow.h"
#include "shell/qtplatform.h"
#include "shell/updatereminder.h"
#include "singlecopy.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

namespace {

int runHeadless(int argc, char **argv)
{
    // No display is needed to make a reading, so none is asked for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("orbelle"));
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    QTextStream err(stderr);
    return orbelle::runCommandLine(QCoreApplication::arguments(), out, err);
}

} // namespace

int main(int argc, char **argv)
{
    if (orbelle::isCommandLineMode(argc, argv))
        return runHeadless(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbelle"));
    QApplication::setApplicationVersion(QStringLiteral(ORBELLE_VERSION));
    QApplication::setOrganizationName(QStringLiteral("orbelle"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillory.Orbelle"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orbelle/orbelle.svg")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sun-sign reading tools under one launcher.\n\n"
        "Headless readings:\n"
        "  orbelle read TOOL --born YYYY-MM-DD [--name NAME | --first F [--middle M] --last L]\n"
        "               [--fruit FRUIT] [--format text|html|pdf] [--output FILE] [--save FILE]\n"
        "  orbelle open FILE [--format text|html|pdf] [--output FILE]\n"
        "TOOL is one of health yoga food fruit flower financial powersign healingsign."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption terminateAfterInit(
        QStringLiteral("terminate-after-init"),
        QStringLiteral("Start, show the launcher and end once it is idle."));
    parser.addOption(terminateAfterInit);
    parser.process(app);

    orbelle::QtPlatform platform;
    orbelle::SingleCopyLock lock;
    if (!lock.acquire()) {
        platform.showMessage(nullptr, orbelle::MessageIcon::Information,
                             QStringLiteral("Application is already running"));
        return 0;
    }

    const bool measuring = parser.isSet(terminateAfterInit);
    if (!measuring)
        orbelle::runUpdateReminder(platform, nullptr);

    orbelle::LauncherWindow launcher(platform);
    launcher.showMaximized();
    if (measuring)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
