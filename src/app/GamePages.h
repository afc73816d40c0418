#pragma once

#include "MainWindow.h"

class PageViews;
class PairGame;
class WordGame;

// What each game's page is handed: the game, its round's lists and its top
// ten. What differs between the two games comes by the game's type; a null
// game hands over empty lists, so the page never reads a deleted game.
namespace GamePages {

MainWindow::Page pageOf(const PairGame *);
MainWindow::Page pageOf(const WordGame *);
const char *gameProperty(const PairGame *);
const char *gameProperty(const WordGame *);

void publishRound(PageViews *pages, const PairGame *game);
void publishRound(PageViews *pages, const WordGame *game);
void publishTopList(PageViews *pages, const PairGame *game);
void publishTopList(PageViews *pages, const WordGame *game);
// The game itself, its round and its top ten.
void publishGame(PageViews *pages, PairGame *game);
void publishGame(PageViews *pages, WordGame *game);

} // namespace GamePages
