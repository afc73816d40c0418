#pragma once

#include <QMainWindow>
#include <QRect>

#include <phonon/phononnamespace.h>

namespace Phonon {
class AudioOutput;
class MediaObject;
}
class PairGame;
class QQmlComponent;
class QQmlContext;
class QQmlEngine;
class QQuickWidget;
class Settings;
class WordGame;
struct MainWindowForm;

// The one window: a stack of six pages, each a QML view, and everything that
// lives longer than one game.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(double screenWidth READ screenWidth NOTIFY screenSizeChanged)
    Q_PROPERTY(double screenHeight READ screenHeight NOTIFY screenSizeChanged)

public:
    enum Page { PageMain, PageNewGame, PagePairGame, PageWordGame, PageDictionaries, PageSettings };

    explicit MainWindow(QRect screen, QWidget *parent = nullptr);
    ~MainWindow() override;

    double screenWidth() const { return m_screenWidth; }
    double screenHeight() const { return m_screenHeight; }

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
    QQuickWidget *view(Page page) const;
    // The context in which the page's view is loaded, with the page's properties.
    QQmlContext *context(Page page) const;

signals:
    void enableContinueButtonSignal(bool enable);
    void chosenListIndexToZero();
    void dictionaryListIndexToZero();
    void screenSizeChanged();

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
    void buttonSettingsCancelClicked();
    void buttonSettingsSaveClicked(int volume);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ensureSoundOutput();
    QQuickWidget *createView(QWidget *page);
    void loadView(Page page);
    void showPage(Page page);
    void publishDictionaryLists();
    void discardPairGame();
    void discardWordGame();
    void showUndealtGame(Page page);

    PairGame *pairGame = nullptr;
    WordGame *wordGame = nullptr;
    double m_screenHeight = 0;
    double m_screenWidth = 0;
    QQuickWidget *viewMain = nullptr;
    QQuickWidget *viewNewGame = nullptr;
    QQuickWidget *viewPairGame = nullptr;
    QQuickWidget *viewWordGame = nullptr;
    QQuickWidget *viewDictionaries = nullptr;
    QQuickWidget *viewSettings = nullptr;
    QQmlContext *contextMain = nullptr;
    QQmlContext *contextNewGame = nullptr;
    QQmlContext *contextDictionaries = nullptr;
    QQmlContext *contextSettings = nullptr;
    QQmlContext *contextWordGame = nullptr;
    QQmlContext *contextPairGame = nullptr;
    Phonon::MediaObject *mediaObject = nullptr;
    Phonon::AudioOutput *audioOutput = nullptr;
    MainWindowForm *form = nullptr;
    Settings *settings = nullptr;
    Qt::ScreenOrientation m_orientation = Qt::PrimaryOrientation;
    QQmlEngine *engine = nullptr;
    QQmlComponent *components[6] = {};
};
