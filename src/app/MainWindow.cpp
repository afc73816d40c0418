#include "MainWindow.h"

#include "MainWindowForm.h"
#include "PairGame.h"
#include "PictureProvider.h"
#include "Resources.h"
#include "Settings.h"
#include "WordGame.h"
#include "WordStore.h"

#include <phonon/AudioOutput>
#include <phonon/MediaObject>
#include <phonon/MediaSource>

#include <QDebug>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStackedWidget>
#include <QTimer>
#include <QWindow>

namespace {

// Lists of native objects reach the views as a QVariant holding a copy of the list.
void publishList(QQmlContext *context, const char *name, const QList<QObject *> &list)
{
    static const int registered = qRegisterMetaType<QList<QObject *>>("QList<QObject*>");
    Q_UNUSED(registered);
    context->setContextProperty(QLatin1String(name), QVariant::fromValue(list));
}

void publishObject(QQmlContext *context, const char *name, QObject *object)
{
    context->setContextProperty(QLatin1String(name), QVariant::fromValue(object));
}

QQuickWidget *createView(QWidget *page)
{
    auto *view = new QQuickWidget(page);
    view->engine()->addImageProvider(QLatin1String(PictureProvider::name()), new PictureProvider);
    return view;
}

} // namespace

MainWindow::MainWindow(QRect screen, QWidget *parent)
    : QMainWindow(parent)
{
    Vocalune::initResources();

    form = new MainWindowForm;
    m_screenWidth = double(screen.right() - screen.left() + 1);
    m_screenHeight = double(screen.bottom() - screen.top() + 1);
    form->setupUi(this);

    // Volume and mute must be known before any view reads them.
    settings = new Settings(this);
    settings->load();

    viewMain = createView(form->pageMain);
    // Starting the audio backend takes longer than building the whole menu:
    // it starts once the menu is on screen (or at the first sound, if sooner).
    viewMain->installEventFilter(this);
    // The main menu paints every pixel itself; skip the background fill.
    viewMain->setAttribute(Qt::WA_OpaquePaintEvent, true);
    viewMain->setAttribute(Qt::WA_NoSystemBackground, true);
    viewNewGame = createView(form->pageNewGame);
    viewPairGame = createView(form->pagePairGame);
    viewWordGame = createView(form->pageWordGame);
    viewDictionaries = createView(form->pageDictionaries);
    viewSettings = createView(form->pageSettings);

    WordStore::instance()->loadLists();

    wordGame = nullptr;
    pairGame = nullptr;

    contextMain = viewMain->rootContext();
    contextNewGame = viewNewGame->rootContext();
    contextPairGame = viewPairGame->rootContext();
    contextWordGame = viewWordGame->rootContext();
    contextDictionaries = viewDictionaries->rootContext();
    contextSettings = viewSettings->rootContext();

    publishObject(contextMain, "qtMainWindow", this);
    publishObject(contextDictionaries, "qtMainWindow", this);
    publishDictionaryLists();
    publishObject(contextSettings, "qtSettings", settings);
    publishObject(contextSettings, "qtMainWindow", this);
    publishObject(contextNewGame, "qtMainWindow", this);
    publishObject(contextPairGame, "qtMainWindow", this);
    publishObject(contextWordGame, "qtMainWindow", this);

    viewMain->setSource(QUrl(QStringLiteral("qrc:/qml/MainView.qml")));
    viewNewGame->setSource(QUrl(QStringLiteral("qrc:/qml/NewGameView.qml")));
    viewDictionaries->setSource(QUrl(QStringLiteral("qrc:/qml/DictionariesView.qml")));
    viewSettings->setSource(QUrl(QStringLiteral("qrc:/qml/SettingsView.qml")));

    QObject *main = viewMain->rootObject();
    connect(main, SIGNAL(qmlExitSignal()), this, SLOT(close()));
    connect(main, SIGNAL(qmlNewGameSignal()), this, SLOT(buttonNewGameClicked()));
    connect(main, SIGNAL(qmlContinueSignal()), this, SLOT(buttonContinueClicked()));
    connect(main, SIGNAL(qmlDictionariesSignal()), this, SLOT(buttonDictionariesClicked()));
    connect(main, SIGNAL(qmlSettingsSignal()), this, SLOT(buttonSettingsClicked()));

    QObject *newGame = viewNewGame->rootObject();
    connect(newGame, SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
    connect(newGame, SIGNAL(qmlStartGameSignal(int)), this, SLOT(buttonStartGameClicked(int)));

    QObject *dictionaries = viewDictionaries->rootObject();
    connect(dictionaries, SIGNAL(qmlCancelSignal()), this, SLOT(buttonDictionariesCancelClicked()));
    connect(dictionaries, SIGNAL(qmlSaveSignal()), this, SLOT(buttonDictionariesSaveClicked()));
    connect(dictionaries, SIGNAL(qmlAddListSignal(int)), this, SLOT(buttonAddListClicked(int)));
    connect(dictionaries, SIGNAL(qmlRemoveListSignal(int)), this, SLOT(buttonRemoveListClicked(int)));

    QObject *settingsView = viewSettings->rootObject();
    connect(settingsView, SIGNAL(qmlCancelSignal()), this, SLOT(buttonSettingsCancelClicked()));
    connect(settingsView, SIGNAL(qmlSaveSignal(int)), this, SLOT(buttonSettingsSaveClicked(int)));
}

MainWindow::~MainWindow()
{
    // The views go first: their bindings name this window, the games and the
    // store's items, and would otherwise be re-evaluated against dying objects.
    for (QQuickWidget *view : {viewPairGame, viewWordGame, viewMain, viewNewGame, viewDictionaries, viewSettings})
        delete view;
    delete form;
    delete WordStore::instance();
}

void MainWindow::applyOrientation(int choice)
{
    // Qt 5 has no orientation lock attributes; tell the window system instead,
    // which a handset honours and a desktop ignores.
    switch (choice) {
    case 0:
        m_orientation = Qt::PortraitOrientation;
        break;
    case 1:
        m_orientation = Qt::LandscapeOrientation;
        break;
    default:
        m_orientation = Qt::PrimaryOrientation;
        break;
    }
    if (QWindow *window = windowHandle())
        window->reportContentOrientationChange(m_orientation);
}

int MainWindow::currentPage() const
{
    return form->stackedWidget->currentIndex();
}

QQuickWidget *MainWindow::view(Page page) const
{
    switch (page) {
    case PageMain: return viewMain;
    case PageNewGame: return viewNewGame;
    case PagePairGame: return viewPairGame;
    case PageWordGame: return viewWordGame;
    case PageDictionaries: return viewDictionaries;
    case PageSettings: return viewSettings;
    }
    return nullptr;
}

void MainWindow::showPage(Page page)
{
    form->stackedWidget->setCurrentIndex(page);
}

// --- Navigation ---

void MainWindow::buttonNewGameClicked()
{
    emit enableContinueButtonSignal(false);
    discardPairGame();
    discardWordGame();
    showPage(PageNewGame);
}

void MainWindow::buttonContinueClicked()
{
    if (pairGame)
        showPage(PagePairGame);
    else if (wordGame)
        showPage(PageWordGame);
}

void MainWindow::buttonDictionariesClicked()
{
    showPage(PageDictionaries);
}

void MainWindow::buttonSettingsClicked()
{
    showPage(PageSettings);
}

void MainWindow::buttonStartGameClicked(int gamemode)
{
    if (gamemode == 0) {
        showPage(PagePairGame);
        if (!startPairGame())
            showUndealtGame(viewPairGame, "qtPairGame");
    } else if (gamemode == 1) {
        showPage(PageWordGame);
        if (startWordGame())
            wordGame->playWordSound();
        else
            showUndealtGame(viewWordGame, "qtWordGame");
    }
}

void MainWindow::buttonBackToMainClicked()
{
    if (pairGame || wordGame)
        emit enableContinueButtonSignal(true);
    showPage(PageMain);
}

// A game whose first round could not be dealt is of no use to keep: the page
// shows its view without a game, so the player sees the owl and a way back.
void MainWindow::showUndealtGame(QQuickWidget *view, const char *gameProperty)
{
    if (view == viewPairGame)
        discardPairGame();
    else
        discardWordGame();
    view->rootContext()->setContextProperty(QLatin1String(gameProperty), QVariant::fromValue<QObject *>(nullptr));
    view->setSource(QUrl(view == viewPairGame ? QStringLiteral("qrc:/qml/PairGameView.qml")
                                              : QStringLiteral("qrc:/qml/WordGameView.qml")));
    connect(view->rootObject(), SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
}

// --- Sound ---

void MainWindow::ensureSoundOutput()
{
    if (mediaObject)
        return;
    mediaObject = new Phonon::MediaObject(this);
    audioOutput = new Phonon::AudioOutput(Phonon::MusicCategory, this);
    Phonon::createPath(mediaObject, audioOutput);
}

Phonon::MediaObject *MainWindow::player()
{
    ensureSoundOutput();
    return mediaObject;
}

Phonon::AudioOutput *MainWindow::output()
{
    ensureSoundOutput();
    return audioOutput;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewMain && event->type() == QEvent::Paint) {
        viewMain->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::ensureSoundOutput);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::phononState(Phonon::State newState, Phonon::State oldState)
{
    qDebug() << int(oldState);
    qDebug() << int(newState);
}

void MainWindow::playSound(QString path)
{
    if (settings->mute())
        return;
    ensureSoundOutput();
    mediaObject->setCurrentSource(Phonon::MediaSource(QUrl::fromLocalFile(path)));
    audioOutput->setVolume(static_cast<float>(settings->outputVolume()));
    qDebug() << path;
    mediaObject->play();
}

// --- Pair Game ---

bool MainWindow::startPairGame()
{
    WordStore::instance()->buildWordPool();
    pairGame = new PairGame(this);
    if (!pairGame->buildNewLists())
        return false;

    contextPairGame = viewPairGame->rootContext();
    publishObject(contextPairGame, "qtPairGame", pairGame);
    publishList(contextPairGame, "wordList", pairGame->wordList());
    publishList(contextPairGame, "imageList", pairGame->imageList());
    publishList(contextPairGame, "topList", pairGame->topList());
    viewPairGame->setSource(QUrl(QStringLiteral("qrc:/qml/PairGameView.qml")));

    QObject *view = viewPairGame->rootObject();
    connect(view, SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
    connect(view, SIGNAL(qmlGameOverSignal()), this, SLOT(buttonPairGameEndGameClicked()));
    connect(view, SIGNAL(qmlLabelClickedSignal(int)), pairGame, SLOT(labelClicked(int)));
    connect(view, SIGNAL(qmlIconClickedSignal(int)), pairGame, SLOT(iconClicked(int)));
    connect(pairGame, SIGNAL(newListsBuiltSignal()), this, SLOT(newPairGameListsCreated()));
    connect(pairGame, SIGNAL(newTopListBuiltSignal()), this, SLOT(newPairGameTopListCreated()));
    connect(pairGame, SIGNAL(playSound(QString)), this, SLOT(playSound(QString)));
    return true;
}

void MainWindow::newPairGameListsCreated()
{
    if (!pairGame)
        return;
    publishList(contextPairGame, "wordList", pairGame->wordList());
    publishList(contextPairGame, "imageList", pairGame->imageList());
}

void MainWindow::newPairGameTopListCreated()
{
    if (!pairGame)
        return;
    contextPairGame = viewPairGame->rootContext();
    publishList(contextPairGame, "topList", pairGame->topList());
}

void MainWindow::buttonPairGameEndGameClicked()
{
    emit enableContinueButtonSignal(false);
    showPage(PageMain);
    discardPairGame();
}

// The hidden view keeps its bindings; it is handed empty lists and no game
// before the objects they name are deleted, so it never reads freed memory.
void MainWindow::discardPairGame()
{
    if (!pairGame)
        return;
    QQmlContext *context = viewPairGame->rootContext();
    publishObject(context, "qtPairGame", nullptr);
    publishList(context, "wordList", {});
    publishList(context, "imageList", {});
    publishList(context, "topList", {});
    delete pairGame;
    pairGame = nullptr;
}

// --- Word Game ---

bool MainWindow::startWordGame()
{
    WordStore::instance()->buildWordPool();
    wordGame = new WordGame(this);
    if (!wordGame->buildNewLists())
        return false;

    contextWordGame = viewWordGame->rootContext();
    publishObject(contextWordGame, "qtWordGame", wordGame);
    publishList(contextWordGame, "imageList", wordGame->imageList());
    publishList(contextWordGame, "topList", wordGame->topList());
    viewWordGame->setSource(QUrl(QStringLiteral("qrc:/qml/WordGameView.qml")));

    QObject *view = viewWordGame->rootObject();
    connect(view, SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
    connect(view, SIGNAL(qmlGameOverSignal()), this, SLOT(buttonWordGameEndGameClicked()));
    connect(view, SIGNAL(qmlIconClickedSignal(int)), wordGame, SLOT(iconClicked(int)));
    connect(wordGame, SIGNAL(newListsBuiltSignal()), this, SLOT(newWordGameListsCreated()));
    connect(wordGame, SIGNAL(newTopListBuiltSignal()), this, SLOT(newWordGameTopListCreated()));
    connect(wordGame, SIGNAL(playSound(QString)), this, SLOT(playSound(QString)));
    return true;
}

void MainWindow::newWordGameListsCreated()
{
    if (wordGame)
        publishList(contextWordGame, "imageList", wordGame->imageList());
}

void MainWindow::newWordGameTopListCreated()
{
    if (wordGame)
        publishList(contextWordGame, "topList", wordGame->topList());
}

void MainWindow::buttonWordGameEndGameClicked()
{
    emit enableContinueButtonSignal(false);
    showPage(PageMain);
    discardWordGame();
}

void MainWindow::discardWordGame()
{
    if (!wordGame)
        return;
    QQmlContext *context = viewWordGame->rootContext();
    publishObject(context, "qtWordGame", nullptr);
    publishList(context, "imageList", {});
    publishList(context, "topList", {});
    delete wordGame;
    wordGame = nullptr;
}

// --- Dictionaries ---

void MainWindow::publishDictionaryLists()
{
    WordStore *store = WordStore::instance();
    contextDictionaries->setContextProperty(QStringLiteral("dictListModel"),
                                            QVariant::fromValue(store->dictionaries()));
    contextDictionaries->setContextProperty(QStringLiteral("chosenDictListModel"),
                                            QVariant::fromValue(store->chosenDictionaries()));
}

void MainWindow::buttonAddListClicked(int index)
{
    WordStore::instance()->addList(index);
    publishDictionaryLists();
    if (WordStore::instance()->dictionaries().size() < index + 1)
        emit dictionaryListIndexToZero();
}

void MainWindow::buttonRemoveListClicked(int index)
{
    WordStore::instance()->removeList(index);
    publishDictionaryLists();
    if (WordStore::instance()->chosenDictionaries().size() < index + 1)
        emit chosenListIndexToZero();
}

void MainWindow::buttonDictionariesCancelClicked()
{
    WordStore::instance()->loadLists();
    publishDictionaryLists();
    showPage(PageMain);
}

void MainWindow::buttonDictionariesSaveClicked()
{
    WordStore::instance()->saveLists();
    showPage(PageMain);
}

// --- Settings ---

void MainWindow::buttonSettingsCancelClicked()
{
    settings->load();
    showPage(PageMain);
}

void MainWindow::buttonSettingsSaveClicked(int volume)
{
    settings->setVolumePercent(volume);
    settings->save();
    showPage(PageMain);
}
