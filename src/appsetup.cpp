#include "appsetup.h"
#include "platform.h"
#include "resources.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFontDatabase>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Nothing else is safe in a handler; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

} // namespace

void setupApplication()
{
    kx500InitResources();
    // Either font file may be missing; the board has at least one.
    QFontDatabase::addApplicationFont(Platform::path(QStringLiteral("/usr/lib/fonts/ArialUnicode.ttf")));
    QFontDatabase::addApplicationFont(Platform::path(QStringLiteral("/home/root/fonts/ArialUnicode.ttf")));
    QFont font(QStringLiteral("Arial Unicode MS"));
    font.setPixelSize(20);
    font.setWeight(50);
    QApplication::setFont(font);
    qDebug() << "Font" << font.family();
}

bool loadStyleSheet()
{
    QFile file(QStringLiteral(":/Stylesheets/Resources/Stylesheets/default.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    qApp->setStyleSheet(QString::fromLatin1(file.readAll()));
    return true;
}

void quitOnTerminationSignals()
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
        qDebug() << "Signal received: quitting";
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
