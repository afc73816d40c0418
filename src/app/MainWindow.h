#pragma once

#include "NamePromptDialog.h"
#include "Pages.h"

#include <QMainWindow>
#include <QRect>

#include <phonon/phononnamespace.h>

namespace Phonon {
class AudioOutput;
class MediaObject;
}
class DictionaryChoice;
class IdleHint;
class Navigator;
class OwlVoice;
class PageViews;
class PairGame;
class PictureBook;
class Players;
class ProgressReport;
class QQmlContext;
class QQmlEngine;
class QQuickWidget;
class QStackedWidget;
class Settings;
class SoundPlayer;
class VoiceRecorder;
class Voices;
class WordGame;
class WindowMode;
class WordSetImport;

// The one window: a stack of pages, each a QML view, laid out at the
// window's size. Where the player is, and which game is open, the navigator
// decides; the window shows its pages, hands them what they show and answers
// their buttons (the slots below, named as the views call them).
class MainWindow : public QMainWindow, public Pages
{
    Q_OBJECT
    Q_PROPERTY(double screenWidth READ screenWidth NOTIFY screenSizeChanged)
    Q_PROPERTY(double screenHeight READ screenHeight NOTIFY screenSizeChanged)
    // Whether the pages mark the focused item: from the first key until the
    // next tap, so that a mouse or a finger never sees a ring a child could
    // take for a hint.
    Q_PROPERTY(bool keyboardFocusShown READ keyboardFocusShown NOTIFY keyboardFocusShownChanged)

public:
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
    Qt::ScreenOrientation requestedOrientation() const;

    int currentPage() const;
    PairGame *openPairGame() const;
    WordGame *openWordGame() const;
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
    Players *players() const { return m_players; }
    ProgressReport *progressReport() const { return report; }
    IdleHint *hint() const { return idleHint; }
    Voices *familyVoices() const { return voices; }

signals:
    void enableContinueButtonSignal(bool enable);
    void chosenListIndexToZero();
    void dictionaryListIndexToZero();
    // The dictionaries page is shown afresh: its lists are read from the
    // disk again and its focus goes back to the first list.
    void dictionariesPageShown();
    void screenSizeChanged();
    void keyboardFocusShownChanged();
    // Nothing was tapped for a while in a game: the owl draws the eye.
    void hintSignal();

public slots:
    void buttonNewGameClicked();
    void buttonContinueClicked();
    void buttonDictionariesClicked();
    void buttonSettingsClicked();
    void buttonStartGameClicked(int gamemode);
    void buttonBackToMainClicked();
    void buttonPairGameEndGameClicked();
    void buttonWordGameEndGameClicked();
    // The end panel's "Play again"; the new game starts once the button's
    // page, which the new game replaces, has returned.
    void buttonPlayAgainClicked();
    void playSound(QString path);
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
    void buttonPlayersClicked();
    void buttonPlayersBackClicked();
    void buttonProgressClicked(int player);
    void buttonProgressBackClicked();
    void buttonExportClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Drops a take in progress: the word keeps the recording it had.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPage(int page);
    // Creates the page's items afresh, hands them their context and connects
    // their buttons (and a game page's taps to its game).
    QObject *loadPage(int page) const;
    void ensureLoaded(int page) const;
    // A game page whose game (or none) was just handed over.
    void resetGamePage(int page);
    // Leaves a page after its save; a save that failed keeps the page open,
    // and the page says so.
    void leaveAfterSave(bool saved);
    // Gives a new game the player's memory and keeps its answers; lets the
    // owl cheer, comfort and help.
    void attachGame(QObject *game);
    // The owl's hint for the game on screen: its word again (the Pair Game's
    // instruction), and the owl swells.
    void giveHint();

    double m_screenHeight = 0;
    double m_screenWidth = 0;
    bool m_keyboardFocusShown = false;
    NamePromptDialog m_namePrompt;
    QStackedWidget *stack = nullptr;
    WindowMode *windowMode = nullptr;
    Settings *settings = nullptr;
    SoundPlayer *sound = nullptr;
    PictureBook *pictureBook = nullptr;
    Navigator *navigator = nullptr;
    QQmlEngine *engine = nullptr;
    PageViews *pages = nullptr;
    DictionaryChoice *dictionaryChoice = nullptr;
    Players *m_players = nullptr;
    OwlVoice *owl = nullptr;
    IdleHint *idleHint = nullptr;
    ProgressReport *report = nullptr;
    Voices *voices = nullptr;
    VoiceRecorder *recorder = nullptr;
};
