#include "WordStore.h"

#include "DataDirectory.h"
#include "Word.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <ctime>
#include <utility>

WordStore *WordStore::s_instance = nullptr;

WordStore *WordStore::instance()
{
    if (!s_instance)
        s_instance = new WordStore;
    return s_instance;
}

WordStore::WordStore()
{
    srand(static_cast<unsigned>(time(0)));
}

WordStore::~WordStore()
{
    destroyAll(wordPool);
    destroyAll(roundList);
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
    catalogue = QDir(":/png/").entryList();
    dictionaryList = catalogue;
    for (const QString &dictionary : qAsConst(dictionaryList))
        copySounds(dictionary);
    return true;
}

bool WordStore::copySounds(const QString &dictionary)
{
    const QDir recordings(":/mp3/" + dictionary);
    const QString target = DataDirectory::recordingsDirectory(dictionary);
    if (!QFile::exists(target))
        QDir().mkpath(target);

    // Copy whatever is missing, not only up to the first file present: a
    // recording lost after the first start must come back.
    bool allCopied = true;
    const QStringList files = recordings.entryList();
    for (const QString &file : files) {
        const QString copy = target + "/" + file;
        if (QFile::exists(copy))
            continue;
        if (!QFile::copy(recordings.path() + "/" + file, copy))
            allCopied = false;
    }
    return allCopied;
}

bool WordStore::buildWordPool()
{
    destroyAll(wordPool);
    destroyAll(roundList);

    for (const QString &dictionary : qAsConst(chosenList)) {
        const QDir pictures(":/png/" + dictionary);
        const QString recordings = DataDirectory::recordingsDirectory(dictionary);
        const QStringList files = pictures.entryList();
        for (const QString &file : files) {
            if (file == "." || file == "..")
                continue;
            Word *word = new Word;
            word->setImagePath(pictures.path() + "/" + file);
            const QString name = file.left(file.length() - 4);
            word->setSoundPath(recordings + "/" + name + ".mp3");
            word->setWord(name);
            wordPool.push_back(word);
        }
    }
    return true;
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

    QFile file(DataDirectory::filePath("/dictionaries.dat"));
    if (file.open(QIODevice::ReadOnly)) {
        QDataStream in(&file);
        // A damaged record stops the stream from advancing, so end at the
        // first error as well as at the end of the data.
        while (!in.atEnd()) {
            QString name;
            DataDirectory::readString(in, name);
            if (in.status() != QDataStream::Ok)
                break;
            const int index = dictionaryList.indexOf(name);
            if (index >= 0)
                chosenList.append(dictionaryList.takeAt(index));
        }
        file.close();
    }

    if (chosenList.isEmpty() && !dictionaryList.isEmpty())
        chosenList.append(dictionaryList.takeFirst());
    return true;
}

bool WordStore::saveLists()
{
    DataDirectory::writeFile(DataDirectory::filePath("/dictionaries.dat"),
                             [this](QDataStream &out) {
                                 for (const QString &name : qAsConst(chosenList))
                                     out << name;
                             });
    return true;
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

Word *WordStore::dealWordGameList(unsigned count)
{
    // A round needs at least its target.
    if (count == 0 || count > wordPool.size())
        return nullptr;

    shuffle(wordPool);
    destroyAll(roundList);

    Word *target = wordPool.back();
    wordPool.pop_back();
    roundList.push_back(target);

    for (unsigned i = 0; i + 1 < count; ++i) {
        const Word *source = wordPool[i];
        Word *copy = new Word;
        copy->setWord(source->word());
        copy->setImagePath(source->imagePath());
        copy->setSoundPath(source->soundPath());
        roundList.push_back(copy);
    }
    return target;
}

bool WordStore::dealPairGameList(unsigned count)
{
    if (count > wordPool.size())
        return false;

    shuffle(wordPool);
    destroyAll(roundList);

    for (unsigned i = 0; i < count; ++i) {
        roundList.push_back(wordPool.back());
        wordPool.pop_back();
    }
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

void WordStore::setPoolForTesting(std::vector<Word *> words)
{
    destroyAll(wordPool);
    destroyAll(roundList);
    wordPool = std::move(words);
}
