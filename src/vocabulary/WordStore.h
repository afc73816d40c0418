#pragma once

#include <QStringList>

#include <vector>

class Word;

// The vocabulary: the dictionaries of the resource bundle, the player's choice
// of them, the word pool of the game in progress and the words of the current
// round. One shared instance, reached through instance().
class WordStore
{
public:
    static WordStore *instance();
    virtual ~WordStore();

    // Catalogue (resource bundle: ":/png/<dictionary>" pictures,
    // ":/mp3/<dictionary>" recordings).
    bool scanDictionaries();
    bool copySounds(const QString &dictionary);
    bool buildWordPool();

    // The player's choice, kept in dictionaries.dat. loadLists() scans the
    // catalogue first; readLists() reads the choice against the last scan's
    // catalogue, without going over the recordings again.
    bool loadLists();
    bool readLists();
    bool saveLists();

    // Round deals; every shuffle draws from rand().
    Word *dealWordGameList(unsigned count);
    bool dealPairGameList(unsigned count);
    void shuffleRoundList();
    Word *roundItem(unsigned index);

    // Moves of the dictionaries page.
    bool addList(int index);
    bool removeList(int index);

    const QStringList &dictionaries() const;
    const QStringList &chosenDictionaries() const;
    const std::vector<Word *> &pool() const;
    const std::vector<Word *> &round() const;

    // Replaces the pool (and empties the round list) with the given words,
    // taking ownership of them.
    void setPoolForTesting(std::vector<Word *> words);

private:
    WordStore();
    WordStore(const WordStore &) = delete;
    WordStore &operator=(const WordStore &) = delete;

    static void shuffle(std::vector<Word *> &words);
    static void destroyAll(std::vector<Word *> &words);

    QStringList catalogue;
    QStringList dictionaryList;
    QStringList chosenList;
    std::vector<Word *> wordPool;
    std::vector<Word *> roundList;

    static WordStore *s_instance;
};
