// kx500-sim: the device simulator. Makes a folder a complete platform root
// and plays every device on the other side of it.
#include "simroot.h"
#include "simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}

void installSignalHandlers(QCoreApplication &app)
{
    if (::pipe(signalPipe) != 0)
        return;
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app]() { app.quit(); });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kx500-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays the devices of a KX500 handheld on the far side of a platform root.\n"
        "Run the program with KX500_ROOT set to the same folder.\n\n"
        "Control commands (stdin, the FIFO ROOT/sim/control, or --script FILE):"));
    const QCommandLineOption rootOption(QStringLiteral("root"), QStringLiteral("platform root to create and serve"),
                                        QStringLiteral("DIR"));
    const QCommandLineOption scriptOption(QStringLiteral("script"), QStringLiteral("run control commands from FILE"),
                                          QStringLiteral("FILE"));
    const QCommandLineOption endOption(QStringLiteral("end-program-on-poweroff"),
                                       QStringLiteral("let the poweroff and reboot stand-ins end the program"));
    const QCommandLineOption createOption(QStringLiteral("create-only"),
                                          QStringLiteral("lay out the root and exit"));
    const QCommandLineOption pairedOption(QStringLiteral("paired"),
                                          QStringLiteral("when ROOT/home/root/settings.ini is missing, write one "
                                                         "paired with the simulated sensor unit and headphones"));
    parser.addOption(rootOption);
    parser.addOption(scriptOption);
    parser.addOption(endOption);
    parser.addOption(createOption);
    parser.addOption(pairedOption);
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "kx500-sim: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    Simulator sim(parser.value(rootOption));
    if (parser.isSet(helpOption)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        std::fputs(sim.control().helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!parser.isSet(rootOption)) {
        std::fputs("kx500-sim: --root DIR is required (see --help)\n", stderr);
        return 2;
    }

    QString error;
    if (parser.isSet(createOption)) {
        if (SimRoot::create(parser.value(rootOption), &error))
            return 0;
        std::fprintf(stderr, "kx500-sim: %s\n", qPrintable(error));
        return 1;
    }
    sim.setPairedSettings(parser.isSet(pairedOption));
    if (!sim.start(&error)) {
        std::fprintf(stderr, "kx500-sim: %s\n", qPrintable(error));
        return 1;
    }
    const QString marker = parser.value(rootOption) + QStringLiteral("/sim/end-program-on-poweroff");
    if (parser.isSet(endOption))
        QFile(marker).open(QIODevice::WriteOnly);
    else
        QFile::remove(marker);

    installSignalHandlers(app);
    QObject::connect(&sim.control(), &Control::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    sim.control().listenStdin();
    if (parser.isSet(scriptOption) && !sim.control().runScript(parser.value(scriptOption), &error)) {
        std::fprintf(stderr, "kx500-sim: %s\n", qPrintable(error));
        sim.stop();
        return 1;
    }

    std::printf("ready %s\n", qPrintable(sim.root()));
    std::fflush(stdout);
    const int rc = app.exec();
    sim.stop();
    return rc;
}
