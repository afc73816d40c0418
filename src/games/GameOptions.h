#pragma once

#include <QMetaType>
#include <QObject>

// How a parent set the games up: what a mistake does and how many pictures a
// round shows. The window hands a copy to each game when it starts, so a
// change applies from the next game on.
class GameOptions
{
    Q_GADGET

public:
    // A fixed underlying type: a page or a file may hand over any int, and
    // the setters refuse what is not a choice; holding it is then defined.
    enum Mistakes : int { EndTheGame = 0, TryAgain = 1 };
    Q_ENUM(Mistakes)
    // The values are the Word Game's pictures per round.
    enum Pictures : int { FourPictures = 4, SixPictures = 6, TenPictures = 10 };
    Q_ENUM(Pictures)

    Mistakes mistakes = EndTheGame;
    Pictures pictures = TenPictures;

    bool tryAgain() const { return mistakes == TryAgain; }
    int wordGamePictures() const { return int(pictures); }
    int pairGamePairs() const
    {
        switch (pictures) {
        case FourPictures:
            return 3;
        case SixPictures:
            return 4;
        case TenPictures:
            break;
        }
        return 6;
    }
    // Only games under the original rules are comparable with the scores
    // already in the top-ten lists.
    bool entersTopTen() const { return mistakes == EndTheGame && pictures == TenPictures; }

    static bool isValidMistakes(int mistakes) { return mistakes == EndTheGame || mistakes == TryAgain; }
    static bool isValidPictures(int pictures)
    {
        return pictures == FourPictures || pictures == SixPictures || pictures == TenPictures;
    }
};

Q_DECLARE_METATYPE(GameOptions)
