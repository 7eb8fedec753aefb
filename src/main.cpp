#include "appsetup.h"
#include "eventhandler.h"
#include "globals.h"
#include "mainmenu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    g_hardwareTestActive = 0;
    qSetMessagePattern(QStringLiteral("%{file}:%{line} %{function}: %{message}"));
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);

    EventHandler eventHandler;
    app.installEventFilter(&eventHandler);
    setupApplication();
    quitOnTerminationSignals();

    auto *mainMenu = new MainMenu();
    mainMenu->show();

    // "test" wins when both are given.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(QStringLiteral("test")))
        mainMenu->showWidget(100);
    else if (arguments.contains(QStringLiteral("debug")))
        mainMenu->showWidget(101);

    const int rc = app.exec();
    delete mainMenu;
    return rc;
}
