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
#include <QQmlComponent>
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

    // One engine for all six views: each view still has a context of its own
    // for its properties, but the pages share the engine's start-up and its
    // compiled components.
    engine = new QQmlEngine(this);
    engine->addImageProvider(QLatin1String(PictureProvider::name()), new PictureProvider);

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

    contextMain = new QQmlContext(engine, this);
    contextNewGame = new QQmlContext(engine, this);
    contextPairGame = new QQmlContext(engine, this);
    contextWordGame = new QQmlContext(engine, this);
    contextDictionaries = new QQmlContext(engine, this);
    contextSettings = new QQmlContext(engine, this);

    publishObject(contextMain, "qtMainWindow", this);
    publishObject(contextDictionaries, "qtMainWindow", this);
    publishDictionaryLists();
    publishObject(contextSettings, "qtSettings", settings);
    publishObject(contextSettings, "qtMainWindow", this);
    publishObject(contextNewGame, "qtMainWindow", this);
    publishObject(contextPairGame, "qtMainWindow", this);
    publishObject(contextWordGame, "qtMainWindow", this);

    loadView(PageMain);
    loadView(PageNewGame);
    loadView(PageDictionaries);
    loadView(PageSettings);

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
    for (QQmlContext *context : {contextMain, contextNewGame, contextPairGame, contextWordGame, contextDictionaries,
                                 contextSettings})
        delete context;
    delete form;
    delete WordStore::instance();
    delete engine;
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

QQmlContext *MainWindow::context(Page page) const
{
    switch (page) {
    case PageMain: return contextMain;
    case PageNewGame: return contextNewGame;
    case PagePairGame: return contextPairGame;
    case PageWordGame: return contextWordGame;
    case PageDictionaries: return contextDictionaries;
    case PageSettings: return contextSettings;
    }
    return nullptr;
}

QQuickWidget *MainWindow::createView(QWidget *page)
{
    return new QQuickWidget(engine, page);
}

// Loads the page's view afresh in the page's own context. Each view keeps one
// component for its source, so a game page compiles once and then only
// creates its items at every start.
void MainWindow::loadView(Page page)
{
    static const char *const sources[] = {"qrc:/qml/MainView.qml",   "qrc:/qml/NewGameView.qml",
                                          "qrc:/qml/PairGameView.qml", "qrc:/qml/WordGameView.qml",
                                          "qrc:/qml/DictionariesView.qml", "qrc:/qml/SettingsView.qml"};
    QQuickWidget *widget = view(page);
    const QUrl url = QUrl(QString::fromLatin1(sources[page]));
    QQmlComponent *&component = components[page];
    if (!component)
        component = new QQmlComponent(engine, url, QQmlComponent::PreferSynchronous, widget);
    delete widget->rootObject();
    QObject *root = component->create(context(page));
    if (!root)
        qWarning() << component->errors();
    widget->setContent(url, component, root);
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
            showUndealtGame(PagePairGame);
    } else if (gamemode == 1) {
        showPage(PageWordGame);
        if (startWordGame())
            wordGame->playWordSound();
        else
            showUndealtGame(PageWordGame);
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
void MainWindow::showUndealtGame(Page page)
{
    if (page == PagePairGame)
        discardPairGame();
    else
        discardWordGame();
    const QString gameProperty = page == PagePairGame ? QStringLiteral("qtPairGame") : QStringLiteral("qtWordGame");
    context(page)->setContextProperty(gameProperty, QVariant::fromValue<QObject *>(nullptr));
    loadView(page);
    connect(view(page)->rootObject(), SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
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
    pairGame = new PairGame(this, settings->gameOptions());
    if (!pairGame->buildNewLists())
        return false;

    publishObject(contextPairGame, "qtPairGame", pairGame);
    publishList(contextPairGame, "wordList", pairGame->wordList());
    publishList(contextPairGame, "imageList", pairGame->imageList());
    publishList(contextPairGame, "topList", pairGame->topList());
    loadView(PagePairGame);

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
    publishObject(contextPairGame, "qtPairGame", nullptr);
    publishList(contextPairGame, "wordList", {});
    publishList(contextPairGame, "imageList", {});
    publishList(contextPairGame, "topList", {});
    delete pairGame;
    pairGame = nullptr;
}

// --- Word Game ---

bool MainWindow::startWordGame()
{
    WordStore::instance()->buildWordPool();
    wordGame = new WordGame(this, settings->gameOptions());
    if (!wordGame->buildNewLists())
        return false;

    publishObject(contextWordGame, "qtWordGame", wordGame);
    publishList(contextWordGame, "imageList", wordGame->imageList());
    publishList(contextWordGame, "topList", wordGame->topList());
    loadView(PageWordGame);

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
    publishObject(contextWordGame, "qtWordGame", nullptr);
    publishList(contextWordGame, "imageList", {});
    publishList(contextWordGame, "topList", {});
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
