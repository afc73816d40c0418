#pragma once

#include "Pages.h"

#include <vector>

class MainWindow;

// Everything the window needs to know of one page. Adding a page is a row
// here, a value of Pages::Page and its QML file.
struct PageRow
{
    // A signal of the page's view and the slot that answers it, written
    // with SIGNAL() and SLOT(): the view's side exists only once it is loaded.
    struct Connection
    {
        const char *signal;
        const char *slot;
    };

    // The stack page's objectName.
    const char *name;
    const char *source;
    // What the page is handed, by its context property names; the window
    // holds the objects.
    std::vector<const char *> context;
    // Its buttons, answered by the window's slots.
    std::vector<Connection> wiring;
    // Its taps, answered by its game's slots. A page with a game is loaded
    // with each new game, never empty ahead of one.
    std::vector<Connection> gameWiring;
    // The view's property naming the item the keyboard starts on each time
    // the page is shown; without one the page keeps the item it had.
    const char *firstFocus;
    // The window's signal that tells the view it is shown again, if any.
    void (MainWindow::*shown)();

    bool loadsWithGame() const { return !gameWiring.empty(); }
};

namespace PageTable {

// The row of a page, in the order of Pages::Page.
const PageRow &row(int page);

} // namespace PageTable
