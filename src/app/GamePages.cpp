#include "GamePages.h"

#include "PageViews.h"
#include "PairGame.h"
#include "WordGame.h"

namespace GamePages {

namespace {

template <class Game>
void publishTopListOf(PageViews *pages, const Game *game)
{
    pages->publish(pageOf(game), "topList", game ? game->topList() : QList<QObject *>());
}

template <class Game>
void publishGameOf(PageViews *pages, Game *game)
{
    pages->publish(pageOf(game), gameProperty(game), static_cast<QObject *>(game));
    publishRound(pages, game);
    publishTopList(pages, game);
}

} // namespace

MainWindow::Page pageOf(const PairGame *)
{
    return MainWindow::PagePairGame;
}
MainWindow::Page pageOf(const WordGame *)
{
    return MainWindow::PageWordGame;
}
const char *gameProperty(const PairGame *)
{
    return "qtPairGame";
}
const char *gameProperty(const WordGame *)
{
    return "qtWordGame";
}

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

void publishTopList(PageViews *pages, const PairGame *game)
{
    publishTopListOf(pages, game);
}
void publishTopList(PageViews *pages, const WordGame *game)
{
    publishTopListOf(pages, game);
}
void publishGame(PageViews *pages, PairGame *game)
{
    publishGameOf(pages, game);
}
void publishGame(PageViews *pages, WordGame *game)
{
    publishGameOf(pages, game);
}

} // namespace GamePages
