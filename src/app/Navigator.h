#pragma once

#include "GameOptions.h"
#include "Pages.h"

#include <QObject>
#include <QVariant>

#include <functional>

class NamePrompt;
class PairGame;
class WordGame;

// Where the player is: the page shown, the Continue rule, each game from its
// start to its end and what the game pages are handed. It knows no window or
// view: the window shows the page it names, publishes what it hands over and
// sends the pages' buttons here.
class Navigator : public QObject, public Pages
{
    Q_OBJECT

public:
    // The game-mode page's buttons, in the values its view sends.
    enum GameMode { PairGameMode = 0, WordGameMode = 1 };
    Q_ENUM(GameMode)

    // options: what a game started now plays by, read at each start; prompt:
    // asks for the name of a score that enters the top ten.
    Navigator(std::function<GameOptions()> options, NamePrompt *prompt, QObject *parent = nullptr);
    // Hands the game pages empty lists before their games go.
    ~Navigator() override;

    Page currentPage() const { return m_page; }
    // The open game, which Continue goes back to; at most one is open.
    PairGame *pairGame() const { return m_pairGame; }
    WordGame *wordGame() const { return m_wordGame; }
    // The open game that plays on page, if any.
    QObject *gameOf(int page) const;

    // A page that only needs showing: the menu, the game-mode page, the
    // dictionaries, settings or the picture book.
    void show(Page page);
    // Throws the open game away and asks which game to play.
    void newGame();
    // Back into the open game; nothing without one.
    void continueGame();
    // Shows the mode's game page and deals its first round; when there are
    // too few words the page shows without a game. Another mode changes nothing.
    void startGame(int mode);
    // The menu, with the game kept for Continue.
    void backToMain();
    // The end panel's way out: the game is over and goes.
    void endGame();
    // The end panel's "Play again": the game is over, and a new game of the
    // same kind starts with the settings of now. Nothing outside a game page.
    void playAgain();

signals:
    void pageChanged(int page);
    // Sent each time the rule is applied, whether or not it changed.
    void continueEnabled(bool enable);
    // The page's context property name now holds value.
    void handed(int page, const QString &name, const QVariant &value);
    // The game page's items are to be made afresh: its game (or none) was
    // just handed over.
    void pageReset(int page);
    void playSound(const QString &path);
    // A game was made and has not dealt yet: the moment to give it the
    // player's memory and to listen to its answers.
    void gameCreated(QObject *game);

private:
    template <class Game>
    Game *&slot();
    template <class Game>
    bool start();
    template <class Game>
    void discard();
    template <class Game>
    void handGame(Game *game);
    void handRound(const PairGame *game);
    void handRound(const WordGame *game);
    template <class Game>
    void handTopList(const Game *game);
    void setPage(Page page);

    std::function<GameOptions()> m_options;
    NamePrompt *m_prompt;
    Page m_page = PageMain;
    PairGame *m_pairGame = nullptr;
    WordGame *m_wordGame = nullptr;
};
