#include "MainWindow.h"

#include "DictionaryDetails.h"
#include "InterruptedSaves.h"
#include "MainWindowForm.h"
#include "PageViews.h"
#include "PairGame.h"
#include "PictureBook.h"
#include "PictureProvider.h"
#include "QuickWidgetAccessibility.h"
#include "Resources.h"
#include "Settings.h"
#include "SoundPlayer.h"
#include "WordGame.h"
#include "WordSetImport.h"
#include "WordStore.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QWindow>

namespace {

// What differs between the two game pages, chosen by the game's type. A null
// game publishes empty lists.
MainWindow::Page pageOf(const PairGame *) { return MainWindow::PagePairGame; }
MainWindow::Page pageOf(const WordGame *) { return MainWindow::PageWordGame; }
const char *gameProperty(const PairGame *) { return "qtPairGame"; }
const char *gameProperty(const WordGame *) { return "qtWordGame"; }

// The lists of one round: the Pair Game deals a column of words beside its
// pictures; the Word Game names its one word through the game object.
void publishRound(PageViews *pages, const PairGame *game)
{
    pages->publish(MainWindow::PagePairGame, "wordList", game ? game->wordList() : QList<QObject *>());
    pages->publish(MainWindow::PagePairGame, "imageList", game ? game->imageList() : QList<QObject *>());
}

void publishRound(PageViews *pages, const WordGame *game)
{
    pages->publish(MainWindow::PageWordGame, "imageList", game ? game->imageList() : QList<QObject *>());
}

template <class Game>
void publishTopList(PageViews *pages, const Game *game)
{
    pages->publish(pageOf(game), "topList", game ? game->topList() : QList<QObject *>());
}

template <class Game>
void publishGame(PageViews *pages, Game *game)
{
    pages->publish(pageOf(game), gameProperty(game), static_cast<QObject *>(game));
    publishRound(pages, game);
    publishTopList(pages, game);
}

} // namespace

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
    setMinimumSize(minimumWindowSize().boundedTo(screen.size()));
    auto *fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &MainWindow::toggleFullScreen);

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
    for (Page page : {PageMain, PageNewGame, PagePairGame, PageWordGame, PageDictionaries, PageSettings,
                      PagePictureBook})
        pages->publish(page, "qtMainWindow", this);
    wordSets = new WordSetImport(this);
    pages->publish(PageDictionaries, "qtWordSets", wordSets);
    // The store's catalogue is up to date when these arrive.
    connect(wordSets, &WordSetImport::finished, this, &MainWindow::publishDictionaryLists);
    connect(wordSets, &WordSetImport::removed, this, &MainWindow::publishDictionaryLists);
    publishDictionaryLists();
    pages->publish(PageSettings, "qtSettings", settings);
    // The picture book's page is loaded when it first opens.
    pictureBook = new PictureBook(this);
    connect(pictureBook, &PictureBook::playSound, this, &MainWindow::playSound);
    pages->publish(PagePictureBook, "qtPictureBook", pictureBook);

    // The game pages are loaded when a game starts.
    QObject *main = pages->load(PageMain);
    connect(main, SIGNAL(qmlExitSignal()), this, SLOT(close()));
    connect(main, SIGNAL(qmlNewGameSignal()), this, SLOT(buttonNewGameClicked()));
    connect(main, SIGNAL(qmlContinueSignal()), this, SLOT(buttonContinueClicked()));
    connect(main, SIGNAL(qmlDictionariesSignal()), this, SLOT(buttonDictionariesClicked()));
    connect(main, SIGNAL(qmlSettingsSignal()), this, SLOT(buttonSettingsClicked()));

    QObject *newGame = pages->load(PageNewGame);
    connect(newGame, SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
    connect(newGame, SIGNAL(qmlStartGameSignal(int)), this, SLOT(buttonStartGameClicked(int)));
    connect(newGame, SIGNAL(qmlPictureBookSignal()), this, SLOT(buttonPictureBookClicked()));

    QObject *dictionaries = pages->load(PageDictionaries);
    connect(dictionaries, SIGNAL(qmlCancelSignal()), this, SLOT(buttonDictionariesCancelClicked()));
    connect(dictionaries, SIGNAL(qmlSaveSignal()), this, SLOT(buttonDictionariesSaveClicked()));
    connect(dictionaries, SIGNAL(qmlAddListSignal(int)), this, SLOT(buttonAddListClicked(int)));
    connect(dictionaries, SIGNAL(qmlRemoveListSignal(int)), this, SLOT(buttonRemoveListClicked(int)));
    connect(dictionaries, SIGNAL(qmlImportSignal()), this, SLOT(buttonImportClicked()));
    // A focused button that turns disabled leaves the focus on the scene
    // itself, where no key does anything: the page takes it back.
    QQuickWindow *dictionariesWindow = pages->view(PageDictionaries)->quickWindow();
    connect(dictionariesWindow, &QQuickWindow::activeFocusItemChanged, dictionaries, [dictionariesWindow, dictionaries] {
        QQuickItem *focused = dictionariesWindow->activeFocusItem();
        if (focused && (focused == dictionariesWindow->contentItem() || focused == dictionaries))
            QMetaObject::invokeMethod(dictionaries, "focusFirst", Qt::QueuedConnection);
    });

    QObject *settingsView = pages->load(PageSettings);
    connect(settingsView, SIGNAL(qmlCancelSignal()), this, SLOT(buttonSettingsCancelClicked()));
    connect(settingsView, SIGNAL(qmlSaveSignal(int)), this, SLOT(buttonSettingsSaveClicked(int)));

    // Screen readers reach the pages' buttons through the views.
    QuickWidgetAccessibility::install();
    for (Page page : {PageMain, PageNewGame, PagePairGame, PageWordGame, PageDictionaries, PageSettings})
        QuickWidgetAccessibility::expose(pages->view(page));

    connect(form->stackedWidget, &QStackedWidget::currentChanged, this, &MainWindow::focusPage);
    focusPage(PageMain);
}

MainWindow::~MainWindow()
{
    // The views go first: their bindings name this window, the games and the
    // store's items, and would otherwise be re-evaluated against dying objects.
    delete pages;
    // Cancels a running import and waits for its thread before the store goes.
    delete wordSets;
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
    return pages->view(page);
}

QQmlContext *MainWindow::context(Page page) const
{
    return pages->context(page);
}

void MainWindow::showPage(Page page)
{
    form->stackedWidget->setCurrentIndex(page);
}

void MainWindow::focusPage(int page)
{
    QQuickWidget *view = pages->view(page);
    if (!view)
        return;
    view->setFocus(Qt::OtherFocusReason);
    QQuickItem *root = view->rootObject();
    if (!root)
        return;
    // A page that names its first item starts there each time it is shown;
    // any other keeps the item it last had, or at least its root.
    QQuickItem *first = root->property("firstFocus").value<QQuickItem *>();
    if (first && first->isVisible() && first->isEnabled()) {
        first->forceActiveFocus(Qt::OtherFocusReason);
        return;
    }
    QQuickItem *held = view->quickWindow()->contentItem()->scopedFocusItem();
    if (!held || (held != root && !root->isAncestorOf(held)))
        root->forceActiveFocus(Qt::OtherFocusReason);
}

// --- Window ---

QSize MainWindow::minimumWindowSize()
{
    return QSize(640, 384);
}

QRect MainWindow::firstNormalGeometry(const QRect &available)
{
    QRect geometry(QPoint(0, 0), (available.size() * 4 / 5).expandedTo(minimumWindowSize()).boundedTo(available.size()));
    geometry.moveCenter(available.center());
    return geometry;
}

void MainWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        showNormal();
        // Started full screen, the window has no normal size of its own yet.
        setGeometry(m_normalGeometry.isValid() ? m_normalGeometry : firstNormalGeometry(screen()->availableGeometry()));
    } else {
        m_normalGeometry = geometry();
        showFullScreen();
    }
}

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
    for (Page page : {PageMain, PageNewGame, PagePairGame, PageWordGame, PageDictionaries, PageSettings})
        pages->view(page)->resize(size);
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
    const Page page = pageOf(game);
    WordStore::instance()->buildWordPool();
    game = new Game(this, settings->gameOptions());
    if (!game->buildNewLists())
        return false;

    publishGame(pages, game);
    connect(pages->load(page), SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
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
    publishGame(pages, static_cast<Game *>(nullptr));
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
    pages->publish(page, gameProperty(game), nullptr);
    connect(pages->load(page), SIGNAL(qmlBackToMainSignal()), this, SLOT(buttonBackToMainClicked()));
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
        publishRound(pages, pairGame);
}

void MainWindow::newPairGameTopListCreated()
{
    if (pairGame)
        publishTopList(pages, pairGame);
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
    connect(view, SIGNAL(qmlGameOverSignal()), this, SLOT(buttonWordGameEndGameClicked()));
    connect(view, SIGNAL(qmlIconClickedSignal(int)), wordGame, SLOT(iconClicked(int)));
    connect(wordGame, SIGNAL(newListsBuiltSignal()), this, SLOT(newWordGameListsCreated()));
    connect(wordGame, SIGNAL(newTopListBuiltSignal()), this, SLOT(newWordGameTopListCreated()));
    return true;
}

void MainWindow::newWordGameListsCreated()
{
    if (wordGame)
        publishRound(pages, wordGame);
}

void MainWindow::newWordGameTopListCreated()
{
    if (wordGame)
        publishTopList(pages, wordGame);
}

void MainWindow::buttonWordGameEndGameClicked()
{
    endGame(wordGame);
}

// --- Dictionaries ---

void MainWindow::publishDictionaryLists()
{
    WordStore *store = WordStore::instance();
    QQmlContext *context = pages->context(PageDictionaries);
    context->setContextProperty(QStringLiteral("dictListModel"), QVariant::fromValue(store->dictionaries()));
    context->setContextProperty(QStringLiteral("chosenDictListModel"),
                                QVariant::fromValue(store->chosenDictionaries()));
    publishDictionaryDetails();
}

void MainWindow::publishDictionaryDetails()
{
    // Only the catalogue changes what a row shows, not the moves between the
    // lists: describe again only when a name came or went.
    WordStore *store = WordStore::instance();
    QStringList names = store->dictionaries() + store->chosenDictionaries();
    names.sort();
    QQmlContext *context = pages->context(PageDictionaries);
    if (context->contextProperty(QStringLiteral("dictionaryDetails")).toMap().keys() == names)
        return;
    context->setContextProperty(QStringLiteral("dictionaryDetails"), DictionaryDetails::describe(names));
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

void MainWindow::buttonImportClicked()
{
    if (wordSets->running())
        return;
    QFileDialog dialog(this, tr("Choose a folder of pictures"), QDir::homePath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // The pages' large type would not let the dialog fit a small screen: it
    // takes the desktop's own font, and the window's size at most.
    dialog.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    dialog.resize(dialog.sizeHint().boundedTo(size() * 9 / 10));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        importWordSet(dialog.selectedFiles().constFirst());
}

bool MainWindow::importWordSet(const QString &folder)
{
    return wordSets->start(folder);
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
    if (!pages->view(PagePictureBook)->rootObject()) {
        QObject *book = pages->load(PagePictureBook);
        connect(book, SIGNAL(qmlBackSignal()), this, SLOT(buttonPictureBookBackClicked()));
    }
    showPage(PagePictureBook);
}

void MainWindow::buttonPictureBookBackClicked()
{
    showPage(PageNewGame);
}
