#include "PageTable.h"

#include "MainWindow.h"

#include <QtGlobal>

namespace {

const char *const Window = "qtMainWindow";

const PageRow rows[] = {
    {"pageMain",
     "qrc:/qml/MainView.qml",
     {Window, "qtPlayers", "qtSettings"},
     {{SIGNAL(qmlExitSignal()), SLOT(close())},
      {SIGNAL(qmlNewGameSignal()), SLOT(buttonNewGameClicked())},
      {SIGNAL(qmlContinueSignal()), SLOT(buttonContinueClicked())},
      {SIGNAL(qmlDictionariesSignal()), SLOT(buttonDictionariesClicked())},
      {SIGNAL(qmlSettingsSignal()), SLOT(buttonSettingsClicked())},
      {SIGNAL(qmlPlayersSignal()), SLOT(buttonPlayersClicked())}},
     {},
     "firstFocus",
     nullptr},
    {"pageNewGame",
     "qrc:/qml/NewGameView.qml",
     {Window},
     {{SIGNAL(qmlBackToMainSignal()), SLOT(buttonBackToMainClicked())},
      {SIGNAL(qmlStartGameSignal(int)), SLOT(buttonStartGameClicked(int))},
      {SIGNAL(qmlPictureBookSignal()), SLOT(buttonPictureBookClicked())}},
     {},
     "firstFocus",
     nullptr},
    {"pagePairGame",
     "qrc:/qml/PairGameView.qml",
     {Window},
     {{SIGNAL(qmlBackToMainSignal()), SLOT(buttonBackToMainClicked())},
      {SIGNAL(qmlGameOverSignal()), SLOT(buttonPairGameEndGameClicked())},
      {SIGNAL(qmlPlayAgainSignal()), SLOT(buttonPlayAgainClicked())}},
     {{SIGNAL(qmlLabelClickedSignal(int)), SLOT(labelClicked(int))},
      {SIGNAL(qmlIconClickedSignal(int)), SLOT(iconClicked(int))}},
     nullptr,
     nullptr},
    {"pageWordGame",
     "qrc:/qml/WordGameView.qml",
     {Window},
     {{SIGNAL(qmlBackToMainSignal()), SLOT(buttonBackToMainClicked())},
      {SIGNAL(qmlGameOverSignal()), SLOT(buttonWordGameEndGameClicked())},
      {SIGNAL(qmlPlayAgainSignal()), SLOT(buttonPlayAgainClicked())}},
     {{SIGNAL(qmlIconClickedSignal(int)), SLOT(iconClicked(int))}},
     nullptr,
     nullptr},
    {"pageDictionaries",
     "qrc:/qml/DictionariesView.qml",
     {Window, "qtWordSets", "qtVoices", "qtRecorder"},
     {{SIGNAL(qmlCancelSignal()), SLOT(buttonDictionariesCancelClicked())},
      {SIGNAL(qmlSaveSignal()), SLOT(buttonDictionariesSaveClicked())},
      {SIGNAL(qmlAddListSignal(int)), SLOT(buttonAddListClicked(int))},
      {SIGNAL(qmlRemoveListSignal(int)), SLOT(buttonRemoveListClicked(int))},
      {SIGNAL(qmlImportSignal()), SLOT(buttonImportClicked())}},
     {},
     nullptr,
     &MainWindow::dictionariesPageShown},
    {"pageSettings",
     "qrc:/qml/SettingsView.qml",
     {Window, "qtSettings"},
     {{SIGNAL(qmlCancelSignal()), SLOT(buttonSettingsCancelClicked())},
      {SIGNAL(qmlSaveSignal(int)), SLOT(buttonSettingsSaveClicked(int))}},
     {},
     "firstFocus",
     nullptr},
    {"pagePictureBook",
     "qrc:/qml/PictureBookView.qml",
     {Window, "qtPictureBook", "qtSettings", "qtVoices", "qtRecorder"},
     {{SIGNAL(qmlBackSignal()), SLOT(buttonPictureBookBackClicked())}},
     {},
     nullptr,
     nullptr},
    {"pagePlayers",
     "qrc:/qml/PlayersView.qml",
     {Window, "qtPlayers"},
     {{SIGNAL(qmlBackSignal()), SLOT(buttonPlayersBackClicked())},
      {SIGNAL(qmlProgressSignal(int)), SLOT(buttonProgressClicked(int))}},
     {},
     "firstFocus",
     nullptr},
    {"pageProgress",
     "qrc:/qml/ProgressView.qml",
     {Window, "qtProgress"},
     {{SIGNAL(qmlBackSignal()), SLOT(buttonProgressBackClicked())},
      {SIGNAL(qmlExportSignal()), SLOT(buttonExportClicked())}},
     {},
     "firstFocus",
     nullptr},
};

static_assert(sizeof(rows) / sizeof(rows[0]) == Pages::PageCount, "one row for each page, in the order of Pages::Page");

} // namespace

namespace PageTable {

const PageRow &row(int page)
{
    Q_ASSERT(page >= 0 && page < Pages::PageCount);
    return rows[page];
}

} // namespace PageTable
