#include "MainWindow.h"

#include "MainWindowForm.h"
#include "PairGame.h"
#include "PictureProvider.h"
#include "Resources.h"
#include "Settings.h"
#include "SoundPlayer.h"
#include "WordGame.h"
#include "WordStore.h"

#include <QDebug>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStackedWidget>
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

// What differs between the two game pages, chosen by the game's type. A null
// game publishes empty lists.
MainWindow::Page pageOf(const PairGame *) { return MainWindow::PagePairGame; }
MainWindow::Page pageOf(const WordGame *) { return MainWindow::PageWordGame; }
const char *gameProperty(const PairGame *) { return "qtPairGame"; }
const char *gameProperty(const WordGame *) { return "qtWordGame"; }

// The lists of one round: the Pair Game deals a column of words beside its
// pictures; the Word Game names its one word through the game object.
void publishRound(QQmlContext *context, const PairGame *game)
{
    publishList(context, "wordList", game ? game->wordList() : QList<QObject *>());
    publishList(context, "imageList", game ? game->imageList() : QList<QObject *>());
}

void publishRound(QQmlContext *context, const WordGame *game)
{
    publishList(context, "imageList", game ? game->imageList() : QList<QObject *>());
}

template <class Game>
void publishTopList(QQmlContext *context, const Game *game)
{
    publishList(context, "topList", game ? game->topList() : QList<QObject *>());
}

template <class Game>
void publishGame(QQmlContext *context, Game *game)
{
    publishObject(context, gameProperty(game), game);
    publishRound(context, game);
    publishTopList(context, game);
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
    sound = new SoundPlayer(settings, this);

    // One engine for all six views: each view still has a context of its own
    // for its properties, but the pages share the engine's start-up and its
    // compiled components.
    engine = new QQmlEngine(this);
    engine->addImageProvider(QLatin1String(PictureProvider::name()), new PictureProvider);
    for (int page = 0; page < pageCount; ++page) {
        views[page] = new QQuickWidget(engine, form->stackedWidget->widget(page));
        contexts[page] = new QQmlContext(engine, this);
        publishObject(contexts[page], "qtMainWindow", this);
    }
    // Starting the audio backend takes longer than building the whole menu:
    // it starts once the menu is on screen (or at the first sound, if sooner).
    sound->startAfterFirstPaint(views[PageMain]);
    // The main menu paints every pixel itself; skip the background fill.
    views[PageMain]->setAttribute(Qt::WA_OpaquePaintEvent, true);
    views[PageMain]->setAttribute(Qt::WA_NoSystemBackground, true);

    WordStore::instance()->loadLists();
    publishDictionaryLists();
    publishObject(contexts[PageSettings], "qtSettings", settings);

    // The game pages are loaded when a game starts.
    for (Page page : {PageMain, PageNewGame, PageDictionaries, PageSettings})
        loadView(page);

    QObject *main = views[PageMain]->rootObject();
    connect(main, SIGNAL(qmlExitSignal()), this, SLOT(close()));
    connect(main, SIGNAL(qmlNewGameSignal()), this, SLOT(buttonNewGameClicked()));
    connect(main, SIGNAL(qmlContinueSignal()), this, SLOT(buttonContinueClicked()));
    connect(main, SIGNAL(qmlDictionariesSignal()), this, SLOT(buttonDictionariesClicked()));
    connect(main, SIGNAL(qmlSettingsSignal()), this, SLOT(buttonSettingsClicked()));

    QObject *newGame = views[PageNewGame]->rootObject();
    connect(newGame, SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
    connect(newGame, SIGNAL(qmlStartGameSignal(int)), this, SLOT(buttonStartGameClicked(int)));

    QObject *dictionaries = views[PageDictionaries]->rootObject();
    connect(dictionaries, SIGNAL(qmlCancelSignal()), this, SLOT(buttonDictionariesCancelClicked()));
    connect(dictionaries, SIGNAL(qmlSaveSignal()), this, SLOT(buttonDictionariesSaveClicked()));
    connect(dictionaries, SIGNAL(qmlAddListSignal(int)), this, SLOT(buttonAddListClicked(int)));
    connect(dictionaries, SIGNAL(qmlRemoveListSignal(int)), this, SLOT(buttonRemoveListClicked(int)));

    QObject *settingsView = views[PageSettings]->rootObject();
    connect(settingsView, SIGNAL(qmlCancelSignal()), this, SLOT(buttonSettingsCancelClicked()));
    connect(settingsView, SIGNAL(qmlSaveSignal(int)), this, SLOT(buttonSettingsSaveClicked(int)));
}

MainWindow::~MainWindow()
{
    // The views go first: their bindings name this window, the games and the
    // store's items, and would otherwise be re-evaluated against dying objects.
    for (QQuickWidget *view : views)
        delete view;
    for (QQmlContext *context : contexts)
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
    return page >= 0 && page < pageCount ? views[page] : nullptr;
}

QQmlContext *MainWindow::context(Page page) const
{
    return page >= 0 && page < pageCount ? contexts[page] : nullptr;
}

// Loads the page's view afresh in the page's own context. Each view keeps one
// component for its source, so a game page compiles once and then only
// creates its items at every start.
void MainWindow::loadView(Page page)
{
    static const char *const sources[pageCount] = {"qrc:/qml/MainView.qml",   "qrc:/qml/NewGameView.qml",
                                                   "qrc:/qml/PairGameView.qml", "qrc:/qml/WordGameView.qml",
                                                   "qrc:/qml/DictionariesView.qml", "qrc:/qml/SettingsView.qml"};
    QQuickWidget *widget = views[page];
    const QUrl url = QUrl(QString::fromLatin1(sources[page]));
    QQmlComponent *&component = components[page];
    if (!component)
        component = new QQmlComponent(engine, url, QQmlComponent::PreferSynchronous, widget);
    delete widget->rootObject();
    QObject *root = component->create(contexts[page]);
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
    discardGame(pairGame);
    discardGame(wordGame);
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
            showUndealtGame(pairGame);
    } else if (gamemode == 1) {
        showPage(PageWordGame);
        if (startWordGame())
            wordGame->playWordSound();
        else
            showUndealtGame(wordGame);
    }
}

void MainWindow::buttonBackToMainClicked()
{
    if (pairGame || wordGame)
        emit enableContinueButtonSignal(true);
    showPage(PageMain);
}

// --- Sound ---

Phonon::MediaObject *MainWindow::player()
{
    return sound->mediaObject();
}

Phonon::AudioOutput *MainWindow::output()
{
    return sound->audioOutput();
}

void MainWindow::phononState(Phonon::State newState, Phonon::State oldState)
{
    sound->logStateChange(newState, oldState);
}

void MainWindow::playSound(QString path)
{
    sound->play(path);
}

// --- Both games ---

// Deals the first round and hands it to the game's page. Returns false, with
// the game still set, when there are too few words for a round.
template <class Game>
bool MainWindow::startGame(Game *&game)
{
    const Page page = pageOf(game);
    WordStore::instance()->buildWordPool();
    game = new Game(this);
    if (!game->buildNewLists())
        return false;

    publishGame(contexts[page], game);
    loadView(page);
    connect(views[page]->rootObject(), SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
    connect(game, SIGNAL(playSound(QString)), this, SLOT(playSound(QString)));
    return true;
}

template <class Game>
void MainWindow::endGame(Game *&game)
{
    emit enableContinueButtonSignal(false);
    showPage(PageMain);
    discardGame(game);
}

// The hidden view keeps its bindings; it is handed empty lists and no game
// before the objects they name are deleted, so it never reads freed memory.
template <class Game>
void MainWindow::discardGame(Game *&game)
{
    if (!game)
        return;
    publishGame(contexts[pageOf(game)], static_cast<Game *>(nullptr));
    delete game;
    game = nullptr;
}

// A game whose first round could not be dealt is of no use to keep: the page
// shows its view without a game, so the player sees the owl and a way back.
template <class Game>
void MainWindow::showUndealtGame(Game *&game)
{
    const Page page = pageOf(game);
    discardGame(game);
    publishObject(contexts[page], gameProperty(game), nullptr);
    loadView(page);
    connect(views[page]->rootObject(), SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
}

// --- Pair Game ---

bool MainWindow::startPairGame()
{
    if (!startGame(pairGame))
        return false;
    // Each game has its own taps, its own end and its own lists to republish;
    // the Pair Game's view taps words as well as pictures.
    QObject *view = views[PagePairGame]->rootObject();
    connect(view, SIGNAL(qmlGameOverSignal()), this, SLOT(buttonPairGameEndGameClicked()));
    connect(view, SIGNAL(qmlLabelClickedSignal(int)), pairGame, SLOT(labelClicked(int)));
    connect(view, SIGNAL(qmlIconClickedSignal(int)), pairGame, SLOT(iconClicked(int)));
    connect(pairGame, SIGNAL(newListsBuiltSignal()), this, SLOT(newPairGameListsCreated()));
    connect(pairGame, SIGNAL(newTopListBuiltSignal()), this, SLOT(newPairGameTopListCreated()));
    return true;
}

void MainWindow::newPairGameListsCreated()
{
    if (pairGame)
        publishRound(contexts[PagePairGame], pairGame);
}

void MainWindow::newPairGameTopListCreated()
{
    if (pairGame)
        publishTopList(contexts[PagePairGame], pairGame);
}

void MainWindow::buttonPairGameEndGameClicked()
{
    endGame(pairGame);
}

// --- Word Game ---

bool MainWindow::startWordGame()
{
    if (!startGame(wordGame))
        return false;
    QObject *view = views[PageWordGame]->rootObject();
    connect(view, SIGNAL(qmlGameOverSignal()), this, SLOT(buttonWordGameEndGameClicked()));
    connect(view, SIGNAL(qmlIconClickedSignal(int)), wordGame, SLOT(iconClicked(int)));
    connect(wordGame, SIGNAL(newListsBuiltSignal()), this, SLOT(newWordGameListsCreated()));
    connect(wordGame, SIGNAL(newTopListBuiltSignal()), this, SLOT(newWordGameTopListCreated()));
    return true;
}

void MainWindow::newWordGameListsCreated()
{
    if (wordGame)
        publishRound(contexts[PageWordGame], wordGame);
}

void MainWindow::newWordGameTopListCreated()
{
    if (wordGame)
        publishTopList(contexts[PageWordGame], wordGame);
}

void MainWindow::buttonWordGameEndGameClicked()
{
    endGame(wordGame);
}

// --- Dictionaries ---

void MainWindow::publishDictionaryLists()
{
    WordStore *store = WordStore::instance();
    contexts[PageDictionaries]->setContextProperty(QStringLiteral("dictListModel"),
                                            QVariant::fromValue(store->dictionaries()));
    contexts[PageDictionaries]->setContextProperty(QStringLiteral("chosenDictListModel"),
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
