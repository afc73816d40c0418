#include "CommandLine.h"
#include "MainWindow.h"
#include "Translations.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int quitSockets[2] = {-1, -1};

void requestQuit(int)
{
    // Only async-signal-safe calls here: the event loop reads the byte.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(quitSockets[1], &byte, 1);
}

// A session logging out (SIGTERM) or Ctrl+C in a terminal (SIGINT) ends the
// game the way the Exit button does: the event loop returns and everything is
// torn down in order, instead of the process dying mid-frame.
void quitOnTerminationSignals(QApplication *app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, quitSockets) != 0)
        return;
    auto *notifier = new QSocketNotifier(quitSockets[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [notifier] {
        notifier->setEnabled(false);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = requestQuit;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

int main(int argc, char *argv[])
{
    if (CommandLine::handles(argc, argv))
        return CommandLine::run(argc, argv);

    auto *font = new QFont(QStringLiteral("Arial"), 30, QFont::Normal, false);
    auto *app = new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vocalune"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setFont(*font);
    quitOnTerminationSignals(app);
    // Before any view is built: the views read their texts once.
    auto *translations = new Translations;

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    auto *window = new MainWindow(screen);
    window->applyOrientation(1);
    window->showFullScreen();

    const int result = app->exec();
    delete window;
    delete translations;
    delete app;
    delete font;
    return result;
}
