#pragma once

class QObject;

// Which of the window's slots answers each page's buttons.
namespace PageWiring {

// Connects the signals of a page's newly created items to the window's slots.
// The games' own taps go to the game objects and are connected when a game starts.
void connect(int page, QObject *root, const QObject *window);

bool isGamePage(int page);

} // namespace PageWiring
