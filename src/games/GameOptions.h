#pragma once

#include <QMetaType>
#include <QObject>

// How a parent set the games up: what a mistake does, how many pictures a
// round shows and which words are asked. The window hands a copy to each game when it starts, so a
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
    // "To learn" asks the player's due words first, then a few new ones.
    enum Words : int { AnyWords = 0, ToLearn = 1 };
    Q_ENUM(Words)

    Mistakes mistakes = EndTheGame;
    Pictures pictures = TenPictures;
    Words words = AnyWords;

    bool tryAgain() const { return mistakes == TryAgain; }
    bool toLearn() const { return words == ToLearn; }
    // A practice game asks every word in use before it ends, even when the
    // pool left cannot fill a round.
    bool asksEveryWord() const { return tryAgain() || toLearn(); }
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
    bool entersTopTen() const { return mistakes == EndTheGame && pictures == TenPictures && words == AnyWords; }

    static bool isValidMistakes(int mistakes) { return mistakes == EndTheGame || mistakes == TryAgain; }
    static bool isValidPictures(int pictures)
    {
        return pictures == FourPictures || pictures == SixPictures || pictures == TenPictures;
    }
    static bool isValidWords(int words) { return words == AnyWords || words == ToLearn; }
};

Q_DECLARE_METATYPE(GameOptions)
