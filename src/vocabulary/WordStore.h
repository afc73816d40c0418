#pragma once

#include <QList>
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
    // ":/mp3/<dictionary>" recordings; then the imported sets that can be
    // chosen, see ImportedSets).
    bool scanDictionaries();
    // Scans again after a set was imported, keeping the choice in memory.
    void refreshCatalogue();
    // A removed set leaves both lists and the saved choice; the rest of the
    // saved choice stays as it was. False when the choice could not be saved.
    bool forgetDictionary(const QString &name);
    bool copySounds(const QString &dictionary);
    bool buildWordPool();

    // The player's choice, kept in dictionaries.dat. loadLists() scans the
    // catalogue first; readLists() reads the choice against the last scan's
    // catalogue, without going over the recordings again.
    bool loadLists();
    bool readLists();
    // False when the file could not be written; the old one then stays whole.
    bool saveLists();

    // One word of the chosen dictionaries, as the picture book lists it.
    struct Entry
    {
        QString imagePath;
        QString word;
        QString soundPath;
    };
    // The words of the chosen dictionaries, dictionary by dictionary in the
    // player's order, each in name order: the words a new pool is built from.
    QList<Entry> chosenWords() const;
    // A bundled dictionary's words in name order, read from the bundle's
    // index alone (without touching the pictures).
    static QStringList bundledWords(const QString &dictionary);

    // Round deals; every shuffle draws from rand().
    Word *dealWordGameList(unsigned count);
    // A round around a word dealt before (the store keeps a copy of target as
    // the answer), its other count - 1 pictures from the pool, which keeps
    // all its words. nullptr when the pool holds fewer than count - 1.
    Word *dealWordGameListAround(unsigned count, const Word &target);
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
    static Word *copyOf(const Word &word);
    void appendOthers(unsigned count);
    static QStringList readSavedChoice(const QString &path);
    static void appendImportedWords(const QString &set, QList<Entry> &entries);
    static void destroyAll(std::vector<Word *> &words);

    QStringList catalogue;
    QStringList dictionaryList;
    QStringList chosenList;
    std::vector<Word *> wordPool;
    std::vector<Word *> roundList;

    static WordStore *s_instance;
};
