#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>
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
    // ":/mp3/<dictionary>" recordings; then the system sets and the player's
    // imported sets that can be chosen, see ImportedSets).
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
    // catalogue, without going over the recordings again. Without a saved
    // choice the administrator's dictionaries (vocalune.conf) are in use, or
    // else the first of the catalogue.
    bool loadLists();
    bool readLists();
    // False when the file could not be written; the old one then stays whole.
    bool saveLists();

    // One word of the chosen dictionaries, as the picture book lists it.
    struct Entry
    {
        QString imagePath;
        QString word;
        QString builtInSound; // bundled or synthesized
        QString dictionary;

        // The recording the word plays (WordVoices).
        QString soundPath() const;
    };
    // The words of the chosen dictionaries, dictionary by dictionary in the
    // player's order, each in name order: the words a new pool is built from.
    QList<Entry> chosenWords() const;
    // A bundled dictionary's words in name order, read from the bundle's
    // index alone (without touching the pictures).
    static QStringList bundledWords(const QString &dictionary);
    // The recording a word of a catalogue's dictionary came with (or was
    // given by the speech synthesizer), whether it exists or not.
    static QString builtInRecording(const QString &dictionary, const QString &word);

    // Picks the word a round asks among candidates (the shuffled pool, less
    // what the round cannot hold): an index, or -1 for the plain deal's pick.
    using Choice = std::function<int(const std::vector<Word *> &candidates)>;

    // Round deals; every shuffle draws from rand(). The words besides the
    // answer come from the pool, or from every word in use once the pool runs
    // short. With everyWord a round is dealt while the pool holds any word;
    // without it the pool must hold count words, as ever. A round never
    // holds the answer's look-alikes (Pair Game: two look-alikes), so it may
    // come out smaller than count when few words are in use.
    Word *dealWordGameList(unsigned count, bool everyWord = false, const Choice &choose = Choice());
    // A round around a word dealt before (the store keeps a copy of target as
    // the answer), its other count - 1 pictures from the pool, which keeps
    // all its words. nullptr when the pool holds fewer than count - 1 and
    // not everyWord.
    Word *dealWordGameListAround(unsigned count, const Word &target, bool everyWord = false);
    bool dealPairGameList(unsigned count, bool everyWord = false, const Choice &choose = Choice());
    void shuffleRoundList();
    Word *roundItem(unsigned index);

    // Moves of the dictionaries page.
    bool addList(int index);
    bool removeList(int index);

    const QStringList &dictionaries() const;
    const QStringList &chosenDictionaries() const;
    const std::vector<Word *> &pool() const;
    const std::vector<Word *> &round() const;
    // Every word the pool was built from, the ones asked already too.
    const std::vector<Word *> &wordsInUse() const;

    // Look-alikes: words a child could take for one another (Dog, Bulldog).
    // The bundle's groups are read once from its look-alikes file, one group
    // a line, each word as "dictionary/word", separated by commas.
    bool lookAlike(const Word &a, const Word &b) const;
    static QList<QStringList> parseLookAlikes(const QString &text);
    void setLookAlikes(const QList<QStringList> &groups);

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
    void fillFromWordsInUse(unsigned count, bool pairs);
    bool fitsRound(const Word &word, bool pairs) const;
    static QString key(const Word &word);
    static QStringList readSavedChoice(const QString &path);
    // The administrator's dictionaries found in the catalogue, as it spells them.
    QStringList systemDictionaries() const;
    static void appendImportedWords(const QString &set, QList<Entry> &entries);
    static void destroyAll(std::vector<Word *> &words);

    QStringList catalogue;
    QStringList dictionaryList;
    QStringList chosenList;
    std::vector<Word *> wordPool;
    std::vector<Word *> roundList;
    std::vector<Word *> inUse; // copies
    QHash<QString, QSet<QString>> lookAlikes;

    static WordStore *s_instance;
};
