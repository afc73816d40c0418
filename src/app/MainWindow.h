#pragma once

#include <QMainWindow>
#include <QRect>

#include <phonon/phononnamespace.h>

namespace Phonon {
class AudioOutput;
class MediaObject;
}
class PageViews;
class PairGame;
class PictureBook;
class QQmlContext;
class QQmlEngine;
class QQuickWidget;
class Settings;
class SoundPlayer;
class WordGame;
class DictionaryChoice;
class WordSetImport;
struct MainWindowForm;

// The one window: shows one of its pages, each a QML view, and answers their
// buttons by starting and ending games and handing each view what it shows.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(double screenWidth READ screenWidth NOTIFY screenSizeChanged)
    Q_PROPERTY(double screenHeight READ screenHeight NOTIFY screenSizeChanged)
    // Whether the pages mark the focused item: from the first key until the
    // next tap, so that a mouse or a finger never sees a ring a child could
    // take for a hint.
    Q_PROPERTY(bool keyboardFocusShown READ keyboardFocusShown NOTIFY keyboardFocusShownChanged)

public:
    enum Page { PageMain, PageNewGame, PagePairGame, PageWordGame, PageDictionaries, PageSettings, PagePictureBook };

    // screen: the size the window first takes (the pages follow the window
    // from then on); main() shows it full screen on that screen.
    explicit MainWindow(QRect screen, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The size the pages lay themselves out in: the window's client area.
    double screenWidth() const { return m_screenWidth; }
    double screenHeight() const { return m_screenHeight; }
    bool keyboardFocusShown() const { return m_keyboardFocusShown; }

    // Locks the orientation: 0 portrait, 1 landscape, anything else follows the device.
    void applyOrientation(int choice);
    Qt::ScreenOrientation requestedOrientation() const { return m_orientation; }

    bool startPairGame();
    bool startWordGame();

    int currentPage() const;
    PairGame *openPairGame() const { return pairGame; }
    WordGame *openWordGame() const { return wordGame; }
    Settings *appSettings() const { return settings; }
    // The sound objects, started on first use if the menu has not been shown yet.
    Phonon::MediaObject *player();
    Phonon::AudioOutput *output();
    // The page's view; a page other than a game's is loaded on first use.
    QQuickWidget *view(Page page) const;
    // The context in which the page's view is loaded, with the page's properties.
    QQmlContext *context(Page page) const;
    // The import and removal of the player's word sets, as the dictionaries page drives them.
    WordSetImport *wordSetImport() const;

signals:
    void enableContinueButtonSignal(bool enable);
    void chosenListIndexToZero();
    void dictionaryListIndexToZero();
    // The dictionaries page is shown afresh: its focus goes back to the first list.
    void dictionariesPageShown();
    void screenSizeChanged();
    void keyboardFocusShownChanged();

public slots:
    void buttonNewGameClicked();
    void buttonContinueClicked();
    void buttonDictionariesClicked();
    void buttonSettingsClicked();
    void phononState(Phonon::State newState, Phonon::State oldState);
    void buttonStartGameClicked(int gamemode);
    void buttonBackToMainClicked();
    void buttonPairGameEndGameClicked();
    void newPairGameListsCreated();
    void newPairGameTopListCreated();
    void playSound(QString path);
    void buttonWordGameEndGameClicked();
    void newWordGameListsCreated();
    void newWordGameTopListCreated();
    void buttonAddListClicked(int index);
    void buttonRemoveListClicked(int index);
    void buttonDictionariesCancelClicked();
    void buttonDictionariesSaveClicked();
    // Asks for a folder and imports it as a word set.
    void buttonImportClicked();
    // Imports folder (a path or a file: URL) as a word set; false when an
    // import is already running.
    bool importWordSet(const QString &folder);
    void buttonSettingsCancelClicked();
    void buttonSettingsSaveClicked(int volume);
    void buttonPictureBookClicked();
    void buttonPictureBookBackClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPage(Page page);
    // Gives the keyboard to the page's view and, inside it, to the page's first
    // item (its firstFocus), so no page needs a click before keys work.
    void focusPage(int page);
    // Creates the page's items afresh and connects their buttons to the slots.
    QObject *loadPage(Page page) const;
    // Loads a menu page not loaded yet; game pages load when their game starts.
    void ensureLoaded(Page page) const;
    // The steps both games share; what differs between them comes by the game's type.
    template <class Game>
    bool startGame(Game *&game);
    template <class Game>
    void endGame(Game *&game);
    template <class Game>
    void discardGame(Game *&game);
    template <class Game>
    void showUndealtGame(Game *&game);

    PairGame *pairGame = nullptr;
    WordGame *wordGame = nullptr;
    double m_screenHeight = 0;
    double m_screenWidth = 0;
    bool m_keyboardFocusShown = true;
    PageViews *pages = nullptr;
    MainWindowForm *form = nullptr;
    Settings *settings = nullptr;
    SoundPlayer *sound = nullptr;
    PictureBook *pictureBook = nullptr;
    Qt::ScreenOrientation m_orientation = Qt::PrimaryOrientation;
    QQmlEngine *engine = nullptr;
    DictionaryChoice *dictionaryChoice = nullptr;
};
