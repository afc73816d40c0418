#include "Navigator.h"

#include "PairGame.h"
#include "WordGame.h"
#include "WordStore.h"

namespace {

// What differs between the two games' pages.
template <class Game>
struct GamePage;
template <>
struct GamePage<PairGame>
{
    static constexpr Pages::Page page = Pages::PagePairGame;
    static constexpr const char *property = "qtPairGame";
};
template <>
struct GamePage<WordGame>
{
    static constexpr Pages::Page page = Pages::PageWordGame;
    static constexpr const char *property = "qtWordGame";
};

QVariant listOf(const QList<QObject *> &items)
{
    static const int registered = qRegisterMetaType<QList<QObject *>>("QList<QObject*>");
    Q_UNUSED(registered);
    return QVariant::fromValue(items);
}

} // namespace

template <>
PairGame *&Navigator::slot<PairGame>()
{
    return m_pairGame;
}
template <>
WordGame *&Navigator::slot<WordGame>()
{
    return m_wordGame;
}

Navigator::Navigator(std::function<GameOptions()> options, NamePrompt *prompt, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_prompt(prompt)
{
}

Navigator::~Navigator()
{
    discard<PairGame>();
    discard<WordGame>();
}

QObject *Navigator::gameOf(int page) const
{
    if (page == PagePairGame)
        return m_pairGame;
    if (page == PageWordGame)
        return m_wordGame;
    return nullptr;
}

void Navigator::setPage(Page page)
{
    m_page = page;
    emit pageChanged(page);
}

void Navigator::show(Page page)
{
    setPage(page);
}

void Navigator::newGame()
{
    emit continueEnabled(false);
    discard<PairGame>();
    discard<WordGame>();
    setPage(PageNewGame);
}

void Navigator::continueGame()
{
    if (m_pairGame)
        setPage(PagePairGame);
    else if (m_wordGame)
        setPage(PageWordGame);
}

void Navigator::startGame(int mode)
{
    if (mode == PairGameMode) {
        setPage(PagePairGame);
        start<PairGame>();
    } else if (mode == WordGameMode) {
        setPage(PageWordGame);
        if (start<WordGame>())
            m_wordGame->playWordSound();
    }
}

void Navigator::backToMain()
{
    if (m_pairGame || m_wordGame)
        emit continueEnabled(true);
    setPage(PageMain);
}

void Navigator::endGame()
{
    emit continueEnabled(false);
    setPage(PageMain);
    discard<PairGame>();
    discard<WordGame>();
}

void Navigator::playAgain()
{
    if (m_page != PagePairGame && m_page != PageWordGame)
        return;
    const int mode = m_page == PagePairGame ? PairGameMode : WordGameMode;
    emit continueEnabled(false);
    discard<PairGame>();
    discard<WordGame>();
    startGame(mode);
}

// Deals the first round and hands the game to its page. A game whose first
// round cannot be dealt is of no use to keep: its page gets no game, so the
// player sees the owl and a way back.
template <class Game>
bool Navigator::start()
{
    constexpr Page page = GamePage<Game>::page;
    WordStore::instance()->buildWordPool();
    Game *&game = slot<Game>();
    game = new Game(m_prompt, m_options(), this);
    emit gameCreated(game);
    if (!game->buildNewLists()) {
        discard<Game>();
        emit pageReset(page);
        return false;
    }
    handGame(game);
    emit pageReset(page);
    // Connected once the first round's recording was asked for: the window
    // plays it when the page is up.
    connect(game, &Game::playSound, this, &Navigator::playSound);
    connect(game, &Game::newListsBuiltSignal, this, [this, game] { handRound(game); });
    connect(game, &Game::newTopListBuiltSignal, this, [this, game] { handTopList(game); });
    return true;
}

// The hidden view keeps its bindings: it is handed empty lists and no game
// before the objects they name are deleted, so it never reads freed memory.
template <class Game>
void Navigator::discard()
{
    Game *&game = slot<Game>();
    if (!game)
        return;
    handGame(static_cast<Game *>(nullptr));
    delete game;
    game = nullptr;
}

template <class Game>
void Navigator::handGame(Game *game)
{
    emit handed(GamePage<Game>::page, QLatin1String(GamePage<Game>::property), QVariant::fromValue<QObject *>(game));
    handRound(game);
    handTopList(game);
}

// The lists of one round: the Pair Game deals a column of words beside its
// pictures; the Word Game names its one word through the game object.
void Navigator::handRound(const PairGame *game)
{
    emit handed(PagePairGame, QStringLiteral("wordList"), listOf(game ? game->wordList() : QList<QObject *>()));
    emit handed(PagePairGame, QStringLiteral("imageList"), listOf(game ? game->imageList() : QList<QObject *>()));
}

void Navigator::handRound(const WordGame *game)
{
    emit handed(PageWordGame, QStringLiteral("imageList"), listOf(game ? game->imageList() : QList<QObject *>()));
}

template <class Game>
void Navigator::handTopList(const Game *game)
{
    emit handed(GamePage<Game>::page, QStringLiteral("topList"), listOf(game ? game->topList() : QList<QObject *>()));
}
