// The floor the suite's start-up is measured against: an empty Qt main window
// with a menu bar built the way the launcher builds its own, shown, and ended
// as soon as the event loop is idle.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("Check for Software &Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    window.menuBar()->addAction(QStringLiteral("Make Money &Online"))->setEnabled(false);
    window.showMaximized();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
