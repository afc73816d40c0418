#include "MainWindow.h"

#include "DictionaryChoice.h"
#include "IdleHint.h"
#include "InterruptedSaves.h"
#include "Navigator.h"
#include "OwlVoice.h"
#include "PageTable.h"
#include "PageViews.h"
#include "PairGame.h"
#include "PictureBook.h"
#include "PictureProvider.h"
#include "Players.h"
#include "ProgressReport.h"
#include "QuickWidgetAccessibility.h"
#include "Resources.h"
#include "Settings.h"
#include "SoundPlayer.h"
#include "VoiceRecorder.h"
#include "Voices.h"
#include "WindowMode.h"
#include "WordGame.h"
#include "WordSetImport.h"
#include "WordStore.h"
#include "WordVoices.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QTimer>

MainWindow::MainWindow(QRect screen, QWidget *parent)
    : QMainWindow(parent)
    , m_screenHeight(screen.height())
    , m_screenWidth(screen.width())
    , m_namePrompt(this)
{
    DataDirectory::removeInterruptedSaves();
    Vocalune::initResources();

    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vocalune"));
    stack = new QStackedWidget(this);
    setCentralWidget(stack);
    // The window starts at the size it was given; the pages follow it from then on.
    resize(screen.size());
    windowMode = new WindowMode(this, screen.size());

    // Volume and mute must be known before any view reads them.
    settings = new Settings(this);
    // Every word asks for its recording through WordVoices, which follows the Voice row.
    connect(settings, &Settings::voiceChanged, this,
            [this] { WordVoices::setOwnPreferred(settings->voice() == Settings::OurVoice); });
    settings->load();
    sound = new SoundPlayer(settings, this);
    WordStore::instance()->loadLists();
    pictureBook = new PictureBook(this);
    connect(pictureBook, &PictureBook::playSound, sound, &SoundPlayer::play);
    voices = new Voices(this);
    connect(voices, &Voices::playSound, sound, &SoundPlayer::play);
    // Records the family's voice; its plugin loads on first use.
    recorder = new VoiceRecorder(this);
    connect(recorder, &VoiceRecorder::stored, voices, &Voices::stored);

    m_players = new Players(this);
    report = new ProgressReport(m_players->store(), this);
    connect(report, &ProgressReport::playSound, sound, &SoundPlayer::play);
    connect(m_players, &Players::classJoined, report, [this] { report->setClassSync(m_players->classSync()); });
    // A top-ten name starts as the name of the one playing.
    m_namePrompt.setSuggestion([this] { return m_players->currentName(); });

    navigator = new Navigator([this] { return settings->gameOptions(); }, &m_namePrompt, this);
    connect(navigator, &Navigator::gameCreated, this, &MainWindow::attachGame);
    owl = new OwlVoice(settings, sound, this);
    idleHint = new IdleHint({}, this);
    connect(idleHint, &IdleHint::hint, this, &MainWindow::giveHint);
    connect(navigator, &Navigator::pageChanged, this, &MainWindow::showPage);
    // After the page is up: its instruction comes before a first word.
    connect(navigator, &Navigator::pageChanged, this, [this](int page) {
        owl->pageShown(page);
        // The game itself is dealt just after its page shows: giveHint
        // looks for it when a hint is due.
        idleHint->setWatching(page == PageWordGame || page == PagePairGame);
    });
    connect(navigator, &Navigator::continueEnabled, this, &MainWindow::enableContinueButtonSignal);
    connect(navigator, &Navigator::pageReset, this, &MainWindow::resetGamePage);
    connect(navigator, &Navigator::playSound, sound, &SoundPlayer::play);

    // One engine for every view: each page still has a context of its own
    // for its properties, but the pages share the engine's start-up and its
    // compiled components.
    engine = new QQmlEngine(this);
    engine->addImageProvider(QLatin1String(PictureProvider::name()), new PictureProvider);
    pages = new PageViews(engine, stack);
    connect(navigator, &Navigator::handed, this,
            [this](int page, const QString &name, const QVariant &value) { pages->publish(page, name, value); });
    // Starting the audio backend takes longer than building the whole menu:
    // it starts once the menu is on screen (or at the first sound, if sooner).
    sound->startAfterFirstPaint(pages->view(PageMain));
    // So is the players' database: the first frame does not wait for the disk.
    m_players->openAfterFirstPaint(pages->view(PageMain));
    // The main menu paints every pixel itself; skip the background fill.
    pages->view(PageMain)->setAttribute(Qt::WA_OpaquePaintEvent, true);
    pages->view(PageMain)->setAttribute(Qt::WA_NoSystemBackground, true);

    dictionaryChoice = new DictionaryChoice(pages->context(PageDictionaries), this);
    connect(dictionaryChoice, &DictionaryChoice::dictionaryListIndexToZero, this,
            &MainWindow::dictionaryListIndexToZero);
    connect(dictionaryChoice, &DictionaryChoice::chosenListIndexToZero, this, &MainWindow::chosenListIndexToZero);
    // Before the page's own handler: a set imported from the command line
    // meanwhile is listed when the page opens.
    connect(this, &MainWindow::dictionariesPageShown, dictionaryChoice, &DictionaryChoice::reload);

    pages->handOver({{"qtMainWindow", this},
                     {"qtSettings", settings},
                     {"qtPictureBook", pictureBook},
                     {"qtPlayers", m_players},
                     {"qtProgress", report},
                     {"qtWordSets", dictionaryChoice->wordSets()},
                     {"qtVoices", voices},
                     {"qtRecorder", recorder}});

    // Only the menu is built before the first frame: every other page is
    // loaded when it is first shown, a game page when its game starts.
    loadPage(PageMain);

    // Screen readers reach the pages' buttons through the views.
    QuickWidgetAccessibility::install();
    for (int page = 0; page < PageCount; ++page) {
        QuickWidgetAccessibility::expose(pages->view(page));
        pages->view(page)->installEventFilter(this);
    }

    connect(stack, &QStackedWidget::currentChanged, this, [this](int page) { pages->focus(page); });
    pages->focus(PageMain);
}

MainWindow::~MainWindow()
{
    // The views go first: their bindings name this window, the games and the
    // store's items, and would otherwise be re-evaluated against dying objects.
    delete pages;
    // The games go unseen now: nothing is handed to the deleted views.
    disconnect(navigator, nullptr, this, nullptr);
    delete navigator;
    // Cancels a running import and waits for its thread before the store goes.
    delete dictionaryChoice;
    delete WordStore::instance();
    delete engine;
}

QQuickWidget *MainWindow::view(Page page) const
{
    ensureLoaded(page);
    return pages->view(page);
}

QObject *MainWindow::loadPage(int page) const
{
    QObject *root = pages->load(page);
    if (!root)
        return nullptr;
    const PageRow &row = PageTable::row(page);
    for (const PageRow::Connection &wire : row.wiring)
        connect(root, wire.signal, this, wire.slot);
    if (QObject *game = navigator->gameOf(page)) {
        for (const PageRow::Connection &wire : row.gameWiring)
            connect(root, wire.signal, game, wire.slot);
    }
    if (page == PageDictionaries)
        dictionaryChoice->keepFocusOnPage(pages->view(page), root);
    return root;
}

void MainWindow::ensureLoaded(int page) const
{
    if (!PageTable::row(page).loadsWithGame() && !pages->view(page)->rootObject())
        loadPage(page);
}

void MainWindow::resetGamePage(int page)
{
    loadPage(page);
    // The stack showed the page before its items existed.
    if (currentPage() == page)
        pages->focus(page);
}

void MainWindow::showPage(int page)
{
    ensureLoaded(page);
    pages->setSaveFailed(page, false);
    stack->setCurrentIndex(page);
    if (auto shown = PageTable::row(page).shown)
        emit(this->*shown)();
}

void MainWindow::leaveAfterSave(bool saved)
{
    if (saved)
        navigator->show(PageMain);
    else
        pages->setSaveFailed(currentPage(), true);
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
    pages->resize(size);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    recorder->cancel();
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    bool shown = m_keyboardFocusShown;
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress
        || event->type() == QEvent::TouchBegin)
        idleHint->restart();
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

// Each of these hands the work on; one line each keeps the list readable.
// clang-format off
void MainWindow::applyOrientation(int choice) { windowMode->applyOrientation(choice); }
Qt::ScreenOrientation MainWindow::requestedOrientation() const { return windowMode->requestedOrientation(); }
int MainWindow::currentPage() const { return stack->currentIndex(); }
PairGame *MainWindow::openPairGame() const { return navigator->pairGame(); }
WordGame *MainWindow::openWordGame() const { return navigator->wordGame(); }
Phonon::MediaObject *MainWindow::player() { return sound->mediaObject(); }
Phonon::AudioOutput *MainWindow::output() { return sound->audioOutput(); }
QQmlContext *MainWindow::context(Page page) const { return pages->context(page); }
WordSetImport *MainWindow::wordSetImport() const { return dictionaryChoice->wordSets(); }

// The views' buttons.
void MainWindow::buttonNewGameClicked() { navigator->newGame(); }
void MainWindow::buttonContinueClicked() { navigator->continueGame(); }
void MainWindow::buttonDictionariesClicked() { navigator->show(PageDictionaries); }
void MainWindow::buttonStartGameClicked(int gamemode)
{
    // A pupil who just sat down here plays with what they learned on other machines.
    m_players->whenReady([this, gamemode] { navigator->startGame(gamemode); });
}
void MainWindow::buttonBackToMainClicked() { navigator->backToMain(); }
void MainWindow::buttonPairGameEndGameClicked() { navigator->endGame(); }
void MainWindow::buttonWordGameEndGameClicked() { navigator->endGame(); }
void MainWindow::playSound(QString path) { sound->play(path); }
void MainWindow::buttonAddListClicked(int index) { dictionaryChoice->add(index); }
void MainWindow::buttonRemoveListClicked(int index) { dictionaryChoice->remove(index); }
void MainWindow::buttonImportClicked() { dictionaryChoice->chooseFolderToImport(); }
bool MainWindow::importWordSet(const QString &folder) { return dictionaryChoice->import(folder); }
void MainWindow::buttonDictionariesSaveClicked() { leaveAfterSave(dictionaryChoice->save()); }
void MainWindow::buttonPictureBookBackClicked() { navigator->show(PageNewGame); }
// clang-format on

void MainWindow::buttonDictionariesCancelClicked()
{
    dictionaryChoice->reload();
    navigator->show(PageMain);
}

void MainWindow::buttonSettingsClicked()
{
    // A locked page has no button on the menu; a call from elsewhere opens nothing.
    if (!settings->systemLocked())
        navigator->show(PageSettings);
}

void MainWindow::buttonSettingsCancelClicked()
{
    settings->load();
    navigator->show(PageMain);
}

void MainWindow::buttonSettingsSaveClicked(int volume)
{
    settings->setVolumePercent(volume);
    leaveAfterSave(settings->save());
}

void MainWindow::attachGame(QObject *game)
{
    // Both games answer alike; only their game numbers differ.
    const auto attach = [this](auto *game, WordMemory::Game kind) {
        using Game = std::remove_pointer_t<decltype(game)>;
        connect(game, &Game::rightAnswerSignal, owl, &OwlVoice::praise);
        connect(game, &Game::tryAgainSignal, owl, &OwlVoice::comfort);
        connect(game, &Game::gameOverSignal, idleHint, [this] { idleHint->setWatching(false); });
        connect(game, &Game::gameCompletedSignal, idleHint, [this] { idleHint->setWatching(false); });
        game->setMemory(m_players->memory(), QDate::currentDate());
        connect(game, &Game::answered, m_players,
                [this, kind](const QString &dictionary, const QString &word, int outcome) {
                    m_players->record(kind, dictionary, word, outcome);
                });
    };
    if (auto *wordGame = qobject_cast<WordGame *>(game))
        attach(wordGame, WordMemory::WordGame);
    else if (auto *pairGame = qobject_cast<PairGame *>(game))
        attach(pairGame, WordMemory::PairGame);
}

void MainWindow::giveHint()
{
    // A game that ended waits on its end panel: no hint there.
    const WordGame *wordGame = navigator->wordGame();
    const PairGame *pairGame = navigator->pairGame();
    if (currentPage() == PageWordGame && wordGame && !wordGame->isFinished())
        navigator->wordGame()->playWordSound();
    else if (currentPage() == PagePairGame && pairGame && !pairGame->isFinished())
        owl->repeat(OwlVoice::FindPairs);
    else
        return;
    emit hintSignal();
}

void MainWindow::buttonPlayAgainClicked()
{
    QTimer::singleShot(0, navigator, &Navigator::playAgain);
}

void MainWindow::buttonPlayersClicked()
{
    // A page opened before the database (a very quick tap) opens it now.
    m_players->open();
    m_players->countLearned();
    // Pupils who first played on another machine of the class can choose themselves here.
    if (ClassSync *sync = m_players->classSync())
        sync->fetchPupils();
    navigator->show(PagePlayers);
}

void MainWindow::buttonPlayersBackClicked()
{
    navigator->show(PageMain);
}

void MainWindow::buttonProgressClicked(int player)
{
    if (const ProgressStore::Player *shown = m_players->find(player)) {
        report->load(player, shown->name);
        navigator->show(PageProgress);
    }
}

void MainWindow::buttonProgressBackClicked()
{
    m_players->countLearned();
    navigator->show(PagePlayers);
}

void MainWindow::buttonExportClicked()
{
    report->chooseFileAndExport(this);
}

void MainWindow::buttonPictureBookClicked()
{
    // The chosen dictionaries may have changed since it was last open.
    pictureBook->reload();
    navigator->show(PagePictureBook);
}
