#include "CommandLine.h"
#include "MainWindow.h"
#include "Translations.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

int main(int argc, char *argv[])
{
    if (CommandLine::handles(argc, argv))
        return CommandLine::run(argc, argv);

    auto *font = new QFont(QStringLiteral("Arial"), 30, QFont::Normal, false);
    auto *app = new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vocalune"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setFont(*font);
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
