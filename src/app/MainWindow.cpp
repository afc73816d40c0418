#include "MainWindow.h"

#include "DictionaryChoice.h"
#include "GamePages.h"
#include "InterruptedSaves.h"
#include "MainWindowForm.h"
#include "PageViews.h"
#include "PageWiring.h"
#include "PairGame.h"
#include "PictureBook.h"
#include "PictureProvider.h"
#include "QuickWidgetAccessibility.h"
#include "Resources.h"
#include "Settings.h"
#include "SoundPlayer.h"
#include "WindowMode.h"
#include "WordGame.h"
#include "WordStore.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QWindow>

MainWindow::MainWindow(QRect screen, QWidget *parent)
    : QMainWindow(parent)
{
    DataDirectory::removeInterruptedSaves({"/settings.dat", "/dictionaries.dat", "/wgrecords.dat", "/pgrecords.dat"});
    Vocalune::initResources();

    form = new MainWindowForm;
    m_screenWidth = double(screen.right() - screen.left() + 1);
    m_screenHeight = double(screen.bottom() - screen.top() + 1);
    form->setupUi(this);
    setWindowTitle(QStringLiteral("Vocalune"));
    // The window starts at the size it was given; the pages follow it from then on.
    resize(screen.size());
    new WindowMode(this, screen.size());

    // Volume and mute must be known before any view reads them.
    settings = new Settings(this);
    settings->load();
    sound = new SoundPlayer(settings, this);

    // One engine for all six views: each view still has a context of its own
    // for its properties, but the pages share the engine's start-up and its
    // compiled components.
    engine = new QQmlEngine(this);
    engine->addImageProvider(QLatin1String(PictureProvider::name()), new PictureProvider);
    // In the order of Page.
    pages = new PageViews(engine, form->stackedWidget,
                          {QUrl("qrc:/qml/MainView.qml"), QUrl("qrc:/qml/NewGameView.qml"),
                           QUrl("qrc:/qml/PairGameView.qml"), QUrl("qrc:/qml/WordGameView.qml"),
                           QUrl("qrc:/qml/DictionariesView.qml"), QUrl("qrc:/qml/SettingsView.qml"),
                           QUrl("qrc:/qml/PictureBookView.qml")});
    // Starting the audio backend takes longer than building the whole menu:
    // it starts once the menu is on screen (or at the first sound, if sooner).
    sound->startAfterFirstPaint(pages->view(PageMain));
    // The main menu paints every pixel itself; skip the background fill.
    pages->view(PageMain)->setAttribute(Qt::WA_OpaquePaintEvent, true);
    pages->view(PageMain)->setAttribute(Qt::WA_NoSystemBackground, true);

    WordStore::instance()->loadLists();
    for (int page = 0; page < pages->count(); ++page)
        pages->publish(page, "qtMainWindow", this);
    dictionaryChoice = new DictionaryChoice(pages->context(PageDictionaries), this);
    connect(dictionaryChoice, &DictionaryChoice::dictionaryListIndexToZero, this,
            &MainWindow::dictionaryListIndexToZero);
    connect(dictionaryChoice, &DictionaryChoice::chosenListIndexToZero, this, &MainWindow::chosenListIndexToZero);
    pages->publish(PageSettings, "qtSettings", settings);
    pictureBook = new PictureBook(this);
    connect(pictureBook, &PictureBook::playSound, this, &MainWindow::playSound);
    pages->publish(PagePictureBook, "qtPictureBook", pictureBook);

    // Only the menu is built before the first frame: every other page is
    // loaded when it is first shown, a game page when its game starts.
    loadPage(PageMain);

    // Screen readers reach the pages' buttons through the views.
    QuickWidgetAccessibility::install();
    for (int page = 0; page < pages->count(); ++page) {
        QuickWidgetAccessibility::expose(pages->view(page));
        pages->view(page)->installEventFilter(this);
    }

    connect(form->stackedWidget, &QStackedWidget::currentChanged, this, &MainWindow::focusPage);
    focusPage(PageMain);
}

MainWindow::~MainWindow()
{
    // The views go first: their bindings name this window, the games and the
    // store's items, and would otherwise be re-evaluated against dying objects.
    delete pages;
    // Cancels a running import and waits for its thread before the store goes.
    delete dictionaryChoice;
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
    ensureLoaded(page);
    return pages->view(page);
}

WordSetImport *MainWindow::wordSetImport() const
{
    return dictionaryChoice->wordSets();
}

QObject *MainWindow::loadPage(Page page) const
{
    QObject *root = pages->load(page);
    if (!root)
        return nullptr;
    PageWiring::connect(page, root, this);
    if (page == PageDictionaries)
        dictionaryChoice->keepFocusOnPage(pages->view(page), root);
    return root;
}

void MainWindow::ensureLoaded(Page page) const
{
    // A game page is loaded with its game, never empty ahead of it.
    if (!PageWiring::isGamePage(page) && !pages->view(page)->rootObject())
        loadPage(page);
}

QQmlContext *MainWindow::context(Page page) const
{
    return pages->context(page);
}

void MainWindow::showPage(Page page)
{
    ensureLoaded(page);
    form->stackedWidget->setCurrentIndex(page);
}

void MainWindow::focusPage(int page)
{
    pages->focus(page);
}

// --- Window ---

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The window has no bars: its whole area is the pages'.
    const QSize size = event->size();
    if (size.width() == m_screenWidth && size.height() == m_screenHeight)
        return;
    m_screenWidth = size.width();
    m_screenHeight = size.height();
    emit screenSizeChanged();
    // The views would follow their pages' roots only at the next turn of the
    // event loop; a tap before that must already land on the new layout.
    for (int page = 0; page < pages->count(); ++page)
        pages->view(page)->resize(size);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    bool shown = m_keyboardFocusShown;
    if (event->type() == QEvent::KeyPress)
        shown = true;
    else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin)
        shown = false;
    if (shown != m_keyboardFocusShown) {
        m_keyboardFocusShown = shown;
        emit keyboardFocusShownChanged();
    }
    return QMainWindow::eventFilter(watched, event);
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
    pages->view(PageDictionaries)->setFocus();
    emit dictionariesPageShown();
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
    const Page page = GamePages::pageOf(game);
    WordStore::instance()->buildWordPool();
    game = new Game(this, settings->gameOptions());
    if (!game->buildNewLists())
        return false;

    GamePages::publishGame(pages, game);
    loadPage(page);
    if (currentPage() == page)
        focusPage(page);
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
    GamePages::publishGame(pages, static_cast<Game *>(nullptr));
    delete game;
    game = nullptr;
}

// A game whose first round could not be dealt is of no use to keep: the page
// shows its view without a game, so the player sees the owl and a way back.
template <class Game>
void MainWindow::showUndealtGame(Game *&game)
{
    const Page page = GamePages::pageOf(game);
    discardGame(game);
    pages->publish(page, GamePages::gameProperty(game), nullptr);
    loadPage(page);
    if (currentPage() == page)
        focusPage(page);
}

// --- Pair Game ---

bool MainWindow::startPairGame()
{
    if (!startGame(pairGame))
        return false;
    // Each game has its own taps, its own end and its own lists to republish;
    // the Pair Game's view taps words as well as pictures.
    QObject *view = pages->view(PagePairGame)->rootObject();
    connect(view, SIGNAL(qmlLabelClickedSignal(int)), pairGame, SLOT(labelClicked(int)));
    connect(view, SIGNAL(qmlIconClickedSignal(int)), pairGame, SLOT(iconClicked(int)));
    connect(pairGame, SIGNAL(newListsBuiltSignal()), this, SLOT(newPairGameListsCreated()));
    connect(pairGame, SIGNAL(newTopListBuiltSignal()), this, SLOT(newPairGameTopListCreated()));
    return true;
}

void MainWindow::newPairGameListsCreated()
{
    if (pairGame)
        GamePages::publishRound(pages, pairGame);
}

void MainWindow::newPairGameTopListCreated()
{
    if (pairGame)
        GamePages::publishTopList(pages, pairGame);
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
    QObject *view = pages->view(PageWordGame)->rootObject();
    connect(view, SIGNAL(qmlIconClickedSignal(int)), wordGame, SLOT(iconClicked(int)));
    connect(wordGame, SIGNAL(newListsBuiltSignal()), this, SLOT(newWordGameListsCreated()));
    connect(wordGame, SIGNAL(newTopListBuiltSignal()), this, SLOT(newWordGameTopListCreated()));
    return true;
}

void MainWindow::newWordGameListsCreated()
{
    if (wordGame)
        GamePages::publishRound(pages, wordGame);
}

void MainWindow::newWordGameTopListCreated()
{
    if (wordGame)
        GamePages::publishTopList(pages, wordGame);
}

void MainWindow::buttonWordGameEndGameClicked()
{
    endGame(wordGame);
}

// --- Dictionaries ---

void MainWindow::buttonAddListClicked(int index)
{
    dictionaryChoice->add(index);
}

void MainWindow::buttonRemoveListClicked(int index)
{
    dictionaryChoice->remove(index);
}

void MainWindow::buttonDictionariesCancelClicked()
{
    dictionaryChoice->reload();
    showPage(PageMain);
}

void MainWindow::buttonDictionariesSaveClicked()
{
    dictionaryChoice->save();
    showPage(PageMain);
}

void MainWindow::buttonImportClicked()
{
    dictionaryChoice->chooseFolderToImport();
}

bool MainWindow::importWordSet(const QString &folder)
{
    return dictionaryChoice->import(folder);
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

// --- Picture book ---

void MainWindow::buttonPictureBookClicked()
{
    // The chosen dictionaries may have changed since it was last open.
    pictureBook->reload();
    showPage(PagePictureBook);
}

void MainWindow::buttonPictureBookBackClicked()
{
    showPage(PageNewGame);
}
