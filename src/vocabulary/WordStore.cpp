#include "WordStore.h"

#include "DataDirectory.h"
#include "DataFiles.h"
#include "ImportedSets.h"
#include "SystemConfig.h"
#include "Word.h"
#include "WordVoices.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <utility>

WordStore *WordStore::s_instance = nullptr;

namespace {

// The names in a resource folder, read from the bundle's index alone: a QDir
// listing looks at each file's data too, and with a few hundred recordings
// that brings megabytes of the program into memory at every start.
class ResourceFolder : public QResource
{
public:
    using QResource::QResource;
    using QResource::children;
};

// Beside the dictionaries, so a new dictionary's look-alikes go in with it.
const char LookAlikesFile[] = ":/png/look-alikes.txt";

} // namespace

WordStore *WordStore::instance()
{
    if (!s_instance)
        s_instance = new WordStore;
    return s_instance;
}

WordStore::WordStore()
{
    srand(static_cast<unsigned>(time(0)));
    QFile file(QString::fromLatin1(LookAlikesFile));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        setLookAlikes(parseLookAlikes(QString::fromUtf8(file.readAll())));
}

WordStore::~WordStore()
{
    destroyAll(wordPool);
    destroyAll(roundList);
    destroyAll(inUse);
    // Lets instance() build a fresh store after the window deleted this one.
    if (s_instance == this)
        s_instance = nullptr;
}

void WordStore::destroyAll(std::vector<Word *> &words)
{
    for (Word *word : words)
        delete word;
    words.clear();
}

bool WordStore::scanDictionaries()
{
    chosenList.clear();
    const QStringList bundled = QDir(":/png/").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &dictionary : bundled)
        copySounds(dictionary);
    // The sets for every user, then the player's own, follow the bundled ones.
    catalogue = bundled + ImportedSets::names();
    dictionaryList = catalogue;
    return true;
}

void WordStore::refreshCatalogue()
{
    const QStringList chosen = chosenList;
    scanDictionaries();
    for (const QString &name : chosen) {
        const int index = dictionaryList.indexOf(name);
        if (index >= 0)
            chosenList.append(dictionaryList.takeAt(index));
    }
    if (chosenList.isEmpty() && !dictionaryList.isEmpty())
        chosenList.append(dictionaryList.takeFirst());
}

bool WordStore::forgetDictionary(const QString &name)
{
    dictionaryList.removeAll(name);
    chosenList.removeAll(name);
    if (chosenList.isEmpty() && !dictionaryList.isEmpty())
        chosenList.append(dictionaryList.takeFirst());

    // The saved choice loses the name and keeps everything else as saved:
    // the page's unsaved moves stay unsaved.
    const QString path = DataDirectory::filePath(DataFiles::Dictionaries);
    const QStringList saved = readSavedChoice(path);
    if (!saved.contains(name))
        return true;
    return DataDirectory::writeFile(path, [&saved, &name](QDataStream &out) {
        for (const QString &kept : saved) {
            if (kept != name)
                out << kept;
        }
    });
}

QStringList WordStore::readSavedChoice(const QString &path)
{
    QStringList names;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QDataStream in(&file);
        // A damaged record stops the stream from advancing, so end at the
        // first error as well as at the end of the data.
        while (!in.atEnd()) {
            QString name;
            DataDirectory::readString(in, name);
            if (in.status() != QDataStream::Ok)
                break;
            names.append(name);
        }
    }
    return names;
}

bool WordStore::copySounds(const QString &dictionary)
{
    const QDir recordings(":/mp3/" + dictionary);
    const QString target = DataDirectory::recordingsDirectory(dictionary);
    if (!QFile::exists(target))
        QDir().mkpath(target);

    // Copy whatever is missing, not only up to the first file present: a
    // recording lost after the first start must come back. One listing of
    // the copies rather than a look-up per recording keeps a later start of
    // many dictionaries cheap.
    bool allCopied = true;
    QStringList files = ResourceFolder(recordings.path()).children();
    files.sort();
    const QStringList present = QDir(target).entryList(QDir::Files);
    const QSet<QString> copies(present.cbegin(), present.cend());
    for (const QString &file : files) {
        if (copies.contains(file))
            continue;
        const QString copy = target + "/" + file;
        if (!QFile::copy(recordings.path() + "/" + file, copy))
            allCopied = false;
    }
    return allCopied;
}

QStringList WordStore::bundledWords(const QString &dictionary)
{
    QStringList words;
    const QStringList files = ResourceFolder(":/png/" + dictionary).children();
    for (const QString &file : files) {
        if (file.endsWith(".png"))
            words.append(file.left(file.length() - 4));
    }
    words.sort();
    return words;
}

QString WordStore::builtInRecording(const QString &dictionary, const QString &word)
{
    if (QDir(":/png/" + dictionary).exists())
        return DataDirectory::recordingsDirectory(dictionary) + "/" + word + ".mp3";
    return ImportedSets::recordingPath(dictionary, word, ImportedSets::rootOf(dictionary));
}

QString WordStore::Entry::soundPath() const
{
    return WordVoices::soundPath(dictionary, word, builtInSound);
}

QList<WordStore::Entry> WordStore::chosenWords() const
{
    QList<Entry> entries;
    for (const QString &dictionary : qAsConst(chosenList)) {
        if (!QDir(":/png/" + dictionary).exists()) {
            appendImportedWords(dictionary, entries);
            continue;
        }
        const QString pictures = ":/png/" + dictionary;
        const QString recordings = DataDirectory::recordingsDirectory(dictionary);
        const QStringList words = bundledWords(dictionary);
        for (const QString &name : words)
            entries.append({pictures + "/" + name + ".png", name, recordings + "/" + name + ".mp3", dictionary});
    }
    return entries;
}

bool WordStore::buildWordPool()
{
    destroyAll(wordPool);
    destroyAll(roundList);
    destroyAll(inUse);

    const QList<Entry> entries = chosenWords();
    for (const Entry &entry : entries) {
        Word *word = new Word;
        word->setImagePath(entry.imagePath);
        word->setSoundPath(entry.builtInSound);
        word->setWord(entry.word);
        word->setDictionary(entry.dictionary);
        wordPool.push_back(word);
        inUse.push_back(copyOf(*word));
    }
    return true;
}

void WordStore::appendImportedWords(const QString &set, QList<Entry> &entries)
{
    const QString root = ImportedSets::rootOf(set);
    const QString pictures = ImportedSets::picturesDirectory(set, root);
    const QStringList words = ImportedSets::words(set, root);
    for (const QString &name : words) {
        // The views take anything but a resource path as an address.
        entries.append({QUrl::fromLocalFile(pictures + "/" + name + ".png").toString(), name,
                        ImportedSets::recordingPath(set, name, root), set});
    }
}

bool WordStore::loadLists()
{
    scanDictionaries();
    return readLists();
}

bool WordStore::readLists()
{
    chosenList.clear();
    dictionaryList = catalogue;

    const QStringList saved = readSavedChoice(DataDirectory::filePath(DataFiles::Dictionaries));
    // Matched every time, so that a name this computer lacks is reported even
    // to a user whose own choice hides the defaults.
    const QStringList defaults = systemDictionaries();
    for (const QStringList *names : {&saved, &defaults}) {
        for (const QString &name : *names) {
            const int index = dictionaryList.indexOf(name);
            if (index >= 0)
                chosenList.append(dictionaryList.takeAt(index));
        }
        if (!chosenList.isEmpty())
            break;
    }

    if (chosenList.isEmpty() && !dictionaryList.isEmpty())
        chosenList.append(dictionaryList.takeFirst());
    return true;
}

QStringList WordStore::systemDictionaries() const
{
    const SystemConfig &config = SystemConfig::instance();
    QStringList names;
    const QStringList listed = config.dictionaries();
    for (const QString &name : listed) {
        const auto found = std::find_if(catalogue.cbegin(), catalogue.cend(), [&name](const QString &known) {
            return known.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (found == catalogue.cend())
            config.ignore(QStringLiteral("Defaults"), QStringLiteral("dictionaries"), name,
                          QStringLiteral("no such dictionary"));
        else if (!names.contains(*found))
            names.append(*found);
    }
    return names;
}

bool WordStore::saveLists()
{
    return DataDirectory::writeFile(DataDirectory::filePath(DataFiles::Dictionaries), [this](QDataStream &out) {
        for (const QString &name : qAsConst(chosenList))
            out << name;
    });
}

void WordStore::shuffle(std::vector<Word *> &words)
{
    // The deals must come out the same for the same seed: always this
    // procedure, one rand() per position from the second on.
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::size_t j = static_cast<std::size_t>(rand()) % (i + 1);
        std::swap(words[i], words[j]);
    }
}

Word *WordStore::dealWordGameList(unsigned count, bool everyWord, const Choice &choose)
{
    // A round needs at least its target.
    if (count == 0 || wordPool.empty() || (!everyWord && count > wordPool.size()))
        return nullptr;

    shuffle(wordPool);
    destroyAll(roundList);

    // The plain deal asks the last word of the shuffled pool.
    const int chosen = choose ? choose(wordPool) : -1;
    const std::size_t index = chosen >= 0 && std::size_t(chosen) < wordPool.size() ? std::size_t(chosen)
                                                                                   : wordPool.size() - 1;
    Word *target = wordPool[index];
    wordPool.erase(wordPool.begin() + std::ptrdiff_t(index));
    roundList.push_back(target);
    appendOthers(count - 1);
    return target;
}

Word *WordStore::dealWordGameListAround(unsigned count, const Word &target, bool everyWord)
{
    if (count == 0 || (!everyWord && count - 1 > wordPool.size()))
        return nullptr;

    shuffle(wordPool);
    destroyAll(roundList);

    Word *answer = copyOf(target);
    roundList.push_back(answer);
    appendOthers(count - 1);
    return answer;
}

Word *WordStore::copyOf(const Word &word)
{
    Word *copy = new Word;
    copy->setWord(word.word());
    copy->setImagePath(word.imagePath());
    copy->setSoundPath(word.builtInSoundPath());
    copy->setDictionary(word.dictionary());
    return copy;
}

// The other pictures of a Word Game round: copies of the first words of the
// shuffled pool, which keeps its own.
void WordStore::appendOthers(unsigned count)
{
    const std::size_t total = count + roundList.size();
    for (std::size_t i = 0; i < wordPool.size() && roundList.size() < total; ++i) {
        if (fitsRound(*wordPool[i], false))
            roundList.push_back(copyOf(*wordPool[i]));
    }
    fillFromWordsInUse(unsigned(total), false);
}

// Fills a round the pool could not with copies of words asked already; one
// picture a word, so a round never shows two right answers.
void WordStore::fillFromWordsInUse(unsigned count, bool pairs)
{
    if (roundList.size() >= count)
        return;
    std::vector<Word *> others = inUse;
    shuffle(others);
    for (const Word *word : others) {
        if (roundList.size() >= count)
            break;
        const bool shown = std::any_of(roundList.cbegin(), roundList.cend(),
                                       [word](const Word *item) { return item->word() == word->word(); });
        if (!shown && fitsRound(*word, pairs))
            roundList.push_back(copyOf(*word));
    }
}

// A Word Game round leaves out its answer's look-alikes; a Pair Game round
// holds at most one word of a group.
bool WordStore::fitsRound(const Word &word, bool pairs) const
{
    if (roundList.empty())
        return true;
    if (!pairs)
        return !lookAlike(*roundList.front(), word);
    return std::none_of(roundList.cbegin(), roundList.cend(), [&](const Word *item) { return lookAlike(*item, word); });
}

bool WordStore::dealPairGameList(unsigned count, bool everyWord, const Choice &choose)
{
    if (count > wordPool.size() && (!everyWord || wordPool.empty()))
        return false;

    shuffle(wordPool);
    destroyAll(roundList);

    // The plain deal takes the pool's words from its end.
    std::vector<Word *> candidates;
    while (roundList.size() < count) {
        candidates.clear();
        for (Word *word : wordPool) {
            if (fitsRound(*word, true))
                candidates.push_back(word);
        }
        if (candidates.empty())
            break;
        const int chosen = choose ? choose(candidates) : -1;
        Word *word = chosen >= 0 && std::size_t(chosen) < candidates.size() ? candidates[std::size_t(chosen)]
                                                                            : candidates.back();
        wordPool.erase(std::find(wordPool.begin(), wordPool.end(), word));
        roundList.push_back(word);
    }
    fillFromWordsInUse(count, true);
    return true;
}

void WordStore::shuffleRoundList()
{
    shuffle(roundList);
}

Word *WordStore::roundItem(unsigned index)
{
    return roundList.at(index);
}

bool WordStore::addList(int index)
{
    if (index < 0 || index >= dictionaryList.size())
        return false;
    chosenList.append(dictionaryList.at(index));
    dictionaryList.removeAt(index);
    return true;
}

bool WordStore::removeList(int index)
{
    // The games need at least one dictionary in use.
    if (chosenList.size() <= 1 || index < 0 || index >= chosenList.size())
        return false;
    dictionaryList.append(chosenList.at(index));
    chosenList.removeAt(index);
    return true;
}

const QStringList &WordStore::dictionaries() const
{
    return dictionaryList;
}

const QStringList &WordStore::chosenDictionaries() const
{
    return chosenList;
}

const std::vector<Word *> &WordStore::pool() const
{
    return wordPool;
}

const std::vector<Word *> &WordStore::round() const
{
    return roundList;
}

const std::vector<Word *> &WordStore::wordsInUse() const
{
    return inUse;
}

QString WordStore::key(const Word &word)
{
    return word.dictionary() + QLatin1Char('/') + word.word();
}

bool WordStore::lookAlike(const Word &a, const Word &b) const
{
    const auto mates = lookAlikes.constFind(key(a));
    return mates != lookAlikes.cend() && mates->contains(key(b));
}

QList<QStringList> WordStore::parseLookAlikes(const QString &text)
{
    QList<QStringList> groups;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        QStringList group;
        const QStringList names = line.split(QLatin1Char(','));
        for (const QString &name : names) {
            if (!name.trimmed().isEmpty())
                group.append(name.trimmed());
        }
        if (group.size() > 1)
            groups.append(group);
    }
    return groups;
}

void WordStore::setLookAlikes(const QList<QStringList> &groups)
{
    lookAlikes.clear();
    for (const QStringList &group : groups) {
        for (const QString &word : group) {
            for (const QString &mate : group) {
                if (mate != word)
                    lookAlikes[word].insert(mate);
            }
        }
    }
}

void WordStore::setPoolForTesting(std::vector<Word *> words)
{
    destroyAll(wordPool);
    destroyAll(roundList);
    destroyAll(inUse);
    wordPool = std::move(words);
    for (const Word *word : wordPool)
        inUse.push_back(copyOf(*word));
}
