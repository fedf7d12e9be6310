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

// --help and --version print and end; they should not need a display either.
bool onlyAsksForInformation(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "--version" ||
            arg == "-v")
            return true;
    }
    return false;
}

void describeOptions(QCommandLineParser &parser, const QCommandLineOption &terminateAfterInit)
{
    parser.setApplicationDescription(QStringLiteral(
        "Sun-sign reading tools under one launcher.\n\n"
        "Headless readings:\n"
        "  orbelle read TOOL --born YYYY-MM-DD [--name NAME | --first F [--middle M] --last L]\n"
        "               [--fruit FRUIT] [--format text|html|pdf] [--output FILE] [--save FILE]\n"
        "  orbelle open FILE [--format text|html|pdf] [--output FILE]\n"
        "TOOL is one of health yoga food fruit flower financial powersign healingsign."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(terminateAfterInit);
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("orbelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBELLE_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("orbelle"));
}

} // namespace

int main(int argc, char **argv)
{
    if (orbelle::isCommandLineMode(argc, argv))
        return runHeadless(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption terminateAfterInit(
        QStringLiteral("terminate-after-init"),
        QStringLiteral("Start, show the launcher and end once it is idle."));
    describeOptions(parser, terminateAfterInit);
    if (onlyAsksForInformation(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        parser.process(app); // prints and exits
        return 0;
    }

    QApplication app(argc, argv);
    nameApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillory.Orbelle"));
    // One small picture: decoding a large one costs more at start-up than the
    // window frame gains; installed desktops take the large icon from the theme.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orbelle/orbelle-48.png")));
    parser.process(app);

    orbelle::QtPlatform platform;
    orbelle::SingleCopyLock lock;
    if (!orbelle::claimSingleCopy(lock, platform))
        return 0;

    orbelle::runUpdateReminder(platform, nullptr);

    orbelle::LauncherWindow launcher(platform);
    launcher.showMaximized();
    if (parser.isSet(terminateAfterInit))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
