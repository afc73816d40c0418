#include "MainWindowForm.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStackedWidget>
#include <QVBoxLayout>

static QWidget *addPage(QStackedWidget *stack, const char *name)
{
    auto *page = new QWidget();
    page->setObjectName(QLatin1String(name));
    stack->addWidget(page);
    return page;
}

void MainWindowForm::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    // Design size of a portrait handset; the window is shown full-screen anyway.
    window->resize(480, 854);

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    verticalLayout = new QVBoxLayout(centralWidget);
    verticalLayout->setSpacing(0);
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));

    stackedWidget = new QStackedWidget(centralWidget);
    stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    // Page indices follow this order.
    pageMain = addPage(stackedWidget, "pageMain");
    pageNewGame = addPage(stackedWidget, "pageNewGame");
    pagePairGame = addPage(stackedWidget, "pagePairGame");
    pageWordGame = addPage(stackedWidget, "pageWordGame");
    pageDictionaries = addPage(stackedWidget, "pageDictionaries");
    pageSettings = addPage(stackedWidget, "pageSettings");
    pagePictureBook = addPage(stackedWidget, "pagePictureBook");

    verticalLayout->addWidget(stackedWidget);
    window->setCentralWidget(centralWidget);

    window->setWindowTitle(QCoreApplication::translate("MainWindow", "MainWindow"));
    stackedWidget->setCurrentIndex(0);
}
