#include "PageWiring.h"

#include "MainWindow.h"

namespace {

struct Wiring
{
    MainWindow::Page page;
    const char *signal;
    const char *slot;
};

const Wiring pageWiring[] = {
    {MainWindow::PageMain, SIGNAL(qmlExitSignal()), SLOT(close())},
    {MainWindow::PageMain, SIGNAL(qmlNewGameSignal()), SLOT(buttonNewGameClicked())},
    {MainWindow::PageMain, SIGNAL(qmlContinueSignal()), SLOT(buttonContinueClicked())},
    {MainWindow::PageMain, SIGNAL(qmlDictionariesSignal()), SLOT(buttonDictionariesClicked())},
    {MainWindow::PageMain, SIGNAL(qmlSettingsSignal()), SLOT(buttonSettingsClicked())},
    {MainWindow::PageNewGame, SIGNAL(qmlBackToMainSignal()), SLOT(buttonBackToMainClicked())},
    {MainWindow::PageNewGame, SIGNAL(qmlStartGameSignal(int)), SLOT(buttonStartGameClicked(int))},
    {MainWindow::PageNewGame, SIGNAL(qmlPictureBookSignal()), SLOT(buttonPictureBookClicked())},
    {MainWindow::PagePairGame, SIGNAL(qmlBackToMainSignal()), SLOT(buttonBackToMainClicked())},
    {MainWindow::PagePairGame, SIGNAL(qmlGameOverSignal()), SLOT(buttonPairGameEndGameClicked())},
    {MainWindow::PageWordGame, SIGNAL(qmlBackToMainSignal()), SLOT(buttonBackToMainClicked())},
    {MainWindow::PageWordGame, SIGNAL(qmlGameOverSignal()), SLOT(buttonWordGameEndGameClicked())},
    {MainWindow::PageDictionaries, SIGNAL(qmlCancelSignal()), SLOT(buttonDictionariesCancelClicked())},
    {MainWindow::PageDictionaries, SIGNAL(qmlSaveSignal()), SLOT(buttonDictionariesSaveClicked())},
    {MainWindow::PageDictionaries, SIGNAL(qmlAddListSignal(int)), SLOT(buttonAddListClicked(int))},
    {MainWindow::PageDictionaries, SIGNAL(qmlRemoveListSignal(int)), SLOT(buttonRemoveListClicked(int))},
    {MainWindow::PageDictionaries, SIGNAL(qmlImportSignal()), SLOT(buttonImportClicked())},
    {MainWindow::PageSettings, SIGNAL(qmlCancelSignal()), SLOT(buttonSettingsCancelClicked())},
    {MainWindow::PageSettings, SIGNAL(qmlSaveSignal(int)), SLOT(buttonSettingsSaveClicked(int))},
    {MainWindow::PagePictureBook, SIGNAL(qmlBackSignal()), SLOT(buttonPictureBookBackClicked())},
};

} // namespace

namespace PageWiring {

void connect(int page, QObject *root, const QObject *window)
{
    for (const Wiring &wiring : pageWiring) {
        if (wiring.page == page)
            QObject::connect(root, wiring.signal, window, wiring.slot);
    }
}

bool isGamePage(int page)
{
    return page == MainWindow::PagePairGame || page == MainWindow::PageWordGame;
}

} // namespace PageWiring
