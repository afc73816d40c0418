#pragma once

// The window's pages, in the order of its stack: each is one row of the page
// table (PageTable.cpp). A class to derive from, so that the window and the
// navigator both say PageMain.
struct Pages
{
    enum Page {
        PageMain,
        PageNewGame,
        PagePairGame,
        PageWordGame,
        PageDictionaries,
        PageSettings,
        PagePictureBook,
        PagePlayers,
        PageProgress,
        PageCount
    };
};
