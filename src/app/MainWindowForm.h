#pragma once

class QMainWindow;
class QStackedWidget;
class QVBoxLayout;
class QWidget;

// The window's widgets: a stack of plain pages, each later holding one view.
struct MainWindowForm
{
    QWidget *centralWidget = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QWidget *pageMain = nullptr;
    QWidget *pageNewGame = nullptr;
    QWidget *pagePairGame = nullptr;
    QWidget *pageWordGame = nullptr;
    QWidget *pageDictionaries = nullptr;
    QWidget *pageSettings = nullptr;
    QWidget *pagePictureBook = nullptr;

    void setupUi(QMainWindow *window);
};
