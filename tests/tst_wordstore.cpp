#include "DataDirectory.h"
#include "Word.h"
#include "WordStore.h"
#include "WordVoices.h"
#include "testsupport.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <unistd.h>
#include <utility>
#include <vector>

using TestSupport::makeWords;

namespace {

// Independent replay of the deal shuffle, used as the oracle for the exact
// orders that a seed must give.
template <typename T>
void replayShuffle(std::vector<T> &items)
{
    for (std::size_t i = 1; i < items.size(); ++i)
        std::swap(items[i], items[static_cast<std::size_t>(rand()) % (i + 1)]);
}

std::vector<QString> wordsOf(const std::vector<Word *> &items)
{
    std::vector<QString> words;
    for (const Word *item : items)
        words.push_back(item->word());
    return words;
}

bool animalsInBundle()
{
    return QDir(":/png/Animals").exists();
}

// The program's own dictionaries, as its resource bundle holds them, before
// any test registers more.
const QStringList &bundledDictionaries()
{
    static const QStringList names = [] {
        QStringList list = QDir(":/png").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        list.sort();
        return list;
    }();
    return names;
}

QStringList fileNames(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

// The choice file naming these dictionaries, as the program writes it.
QByteArray choiceFile(const QStringList &names)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const QString &name : names)
        out << name;
    return bytes;
}

const QStringList AnimalWords = {
    "Alligator", "Ant",   "Bat",   "Bear",      "Bee",     "Bird",  "Bull",   "Bulldog", "Butterfly", "Cat",
    "Chicken",   "Cow",   "Crab",  "Crocodile", "Deer",    "Dog",   "Donkey", "Duck",    "Eagle",     "Elephant",
    "Fish",      "Fox",   "Frog",  "Giraffe",   "Gorilla", "Hippo", "Horse",  "Insect",  "Lion",      "Monkey",
    "Moose",     "Mouse", "Owl",   "Panda",     "Penguin", "Pig",   "Rabbit", "Rhino",   "Rooster",   "Shark",
    "Sheep",     "Snake", "Tiger", "Turkey",    "Turtle",  "Wolf"};

// "Birds" and "Farm" as QDataStream QString records.
const QByteArray BirdsRecord = QByteArray::fromHex("0000000a00420069007200640073");
const QByteArray FarmRecord = QByteArray::fromHex("00000008004600610072006d");

} // namespace

class TestWordStore : public QObject
{
    Q_OBJECT

private:
    // The data location of the running test.
    std::unique_ptr<TestSupport::TemporaryDataLocation> m_location;
    bool m_extraRegistered = false;

    WordStore *store() { return WordStore::instance(); }
    // Birds (Hen, Owl, Robin), Farm (Cow, Hen, Pig without recording) and
    // recordings of Ghost, which has no pictures.
    void registerExtraDictionaries();
    // Catalogue in directory order with the extra dictionaries registered.
    QStringList catalogue() const;
    QString recordingsDir(const QString &dictionary) const { return m_location->path() + "/mp3/" + dictionary; }
    QByteArray testData(const QString &relativePath) const
    {
        return TestSupport::readFile(QFINDTESTDATA("data/" + relativePath));
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Word
    void wordStartsBlank();
    void wordSettersEmitOnEveryCall();
    void wordSoundPathIsSilentAndHidden();
    void familyVoicesAreReadOnce();
    void wordMetaObjectAsViewsSeeIt();

    // Lifetime
    void instanceIsSharedAndSeedsOnce();
    void constructorSeedsWithCurrentTime();
    void deletingInstanceDestroysWordsAndAllowsNewStore();

    // Catalogue and recordings
    void scanTakesDictionariesFromPictures();
    void firstStartCopiesEveryRecording();
    void copySoundsRestoresMissingAndKeepsPresent();
    void copySoundsCarriesOnAfterFailure();
    void copySoundsFailsWhenTargetCannotBeMade();
    void recordingsFollowDataDirectoryFallback();
    void poolFollowsChosenOrderAndKeepsDuplicates();
    void rebuildingPoolReplacesEverything();
    void animalsCatalogue();
    void lookAlikesNameBundledWords();
    void everyBundledDictionaryWithItsWords_data();
    void everyBundledDictionaryWithItsWords();
    void poolOfTwoDictionariesDealsFromBoth_data();
    void poolOfTwoDictionariesDealsFromBoth();

    // Dictionary choice
    void noFileChoosesFirstDictionary();
    void fileOrderIsKept();
    void unknownAndRepeatedNamesAreSkipped();
    void damagedChoiceFile_data();
    void damagedChoiceFile();
    void saveWritesChosenNamesInOrder();
    void animalsChoiceFileIsEighteenBytes();
    void moves();

    // Deals
    void shuffleDrawsOncePerPositionAfterFirst_data();
    void shuffleDrawsOncePerPositionAfterFirst();
    void wordDealFollowsSeed();
    void wordDealFromExactlyCount();
    void tooSmallPoolRefusesWithoutTouchingAnything();
    void singleWordDeal();
    void pairDealTakesLastOfShuffledPool();
    void nextDealDestroysPreviousRound();
    void fullPoolRoundCounts();
    void roundItemBounds();
};

void TestWordStore::initTestCase()
{
    TestSupport::initApplication();
    // Taken now, before any test registers the extra dictionaries.
    QVERIFY(!bundledDictionaries().isEmpty());
}

void TestWordStore::init()
{
    m_location.reset(new TestSupport::TemporaryDataLocation);
}

void TestWordStore::cleanup()
{
    delete WordStore::instance();
    if (m_extraRegistered) {
        TestSupport::unregisterTestDictionaries();
        m_extraRegistered = false;
    }
    m_location.reset();
}

void TestWordStore::registerExtraDictionaries()
{
    QVERIFY(TestSupport::registerTestDictionaries());
    m_extraRegistered = true;
}

QStringList TestWordStore::catalogue() const
{
    QStringList names = bundledDictionaries();
    names << "Birds"
          << "Farm";
    names.sort();
    return names;
}

// --- Word -------------------------------------------------------------------

void TestWordStore::wordStartsBlank()
{
    Word word;
    QCOMPARE(word.wordState(), 0);
    QVERIFY(word.word().isEmpty());
    QVERIFY(!word.word().isNull());
    QVERIFY(word.imagePath().isEmpty());
    QVERIFY(!word.imagePath().isNull());
    QVERIFY(word.soundPath().isNull());
    QCOMPARE(word.parent(), static_cast<QObject *>(nullptr));
}

void TestWordStore::wordSettersEmitOnEveryCall()
{
    Word word;
    QSignalSpy state(&word, &Word::wordStateChanged);
    QSignalSpy text(&word, &Word::wordChanged);
    QSignalSpy image(&word, &Word::imagePathChanged);

    word.setWordState(1);
    word.setWordState(1);
    QCOMPARE(state.count(), 2);
    word.setWordState(7); // stored as given
    QCOMPARE(word.wordState(), 7);

    word.setWord("Cat");
    word.setWord("Cat");
    QCOMPARE(text.count(), 2);
    QCOMPARE(word.word(), QString("Cat"));

    word.setImagePath(":/png/Animals/Cat.png");
    word.setImagePath(":/png/Animals/Cat.png");
    QCOMPARE(image.count(), 2);
    QCOMPARE(word.imagePath(), QString(":/png/Animals/Cat.png"));

    // Each setter emits only its own signal.
    QCOMPARE(state.count(), 3);
    QCOMPARE(text.count(), 2);
}

void TestWordStore::wordSoundPathIsSilentAndHidden()
{
    Word word;
    QSignalSpy state(&word, &Word::wordStateChanged);
    QSignalSpy text(&word, &Word::wordChanged);
    QSignalSpy image(&word, &Word::imagePathChanged);
    word.setSoundPath("/data/mp3/Animals/Cat.mp3");
    QCOMPARE(word.soundPath(), QString("/data/mp3/Animals/Cat.mp3"));
    QCOMPARE(state.count() + text.count() + image.count(), 0);
    QCOMPARE(Word::staticMetaObject.indexOfProperty("soundPath"), -1);
}

// Only a plain, non-empty recording of the family's own counts, never a link;
// the folder is read once: a take counts once stored, and not once removed.
void TestWordStore::familyVoicesAreReadOnce()
{
    const QString cat = TestSupport::plantVoice("Animals", "Cat");
    TestSupport::writeFile(m_location->path() + "/voices/Animals/Cow.ogg", QByteArray());
    QVERIFY(QFile::link(cat, m_location->path() + "/voices/Animals/Dog.ogg"));
    const auto played = [](const QString &name) {
        Word word;
        word.setDictionary("Animals");
        word.setWord(name);
        word.setSoundPath("/bundled/" + name + ".mp3");
        return word.soundPath();
    };
    QCOMPARE(played("Cat"), cat);
    for (const char *name : {"Cow", "Dog", "Fox"})
        QCOMPARE(played(name), QString("/bundled/%1.mp3").arg(name));
    const QString fox = TestSupport::plantVoice("Animals", "Fox");
    QCOMPARE(played("Fox"), QString("/bundled/Fox.mp3"));
    WordVoices::stored("Animals", "Fox");
    QCOMPARE(played("Fox"), fox);
    QVERIFY(WordVoices::remove("Animals", "Cat"));
    QVERIFY(!QFile::exists(cat));
    QCOMPARE(played("Cat"), QString("/bundled/Cat.mp3"));
}

void TestWordStore::wordMetaObjectAsViewsSeeIt()
{
    const QMetaObject &meta = Word::staticMetaObject;
    QCOMPARE(meta.className(), "Word");
    QCOMPARE(meta.superClass(), &QObject::staticMetaObject);

    const char *properties[] = {"imagePath", "word", "wordState"};
    const char *notifiers[] = {"imagePathChanged", "wordChanged", "wordStateChanged"};
    QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 3);
    for (int i = 0; i < 3; ++i) {
        const QMetaProperty property = meta.property(meta.propertyOffset() + i);
        QCOMPARE(property.name(), properties[i]);
        QVERIFY(property.isReadable());
        QVERIFY(!property.isWritable());
        QVERIFY(!property.isConstant());
        QCOMPARE(property.notifySignal().name(), QByteArray(notifiers[i]));
    }

    // Three signals in this order, and no slot or invokable.
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 3);
    for (int i = 0; i < 3; ++i) {
        const QMetaMethod method = meta.method(meta.methodOffset() + i);
        QCOMPARE(method.methodType(), QMetaMethod::Signal);
        QCOMPARE(method.name(), QByteArray(notifiers[i]));
    }

    Word word;
    word.setWord("Cat");
    word.setWordState(2);
    QCOMPARE(word.property("word").toString(), QString("Cat"));
    QCOMPARE(word.property("wordState").toInt(), 2);
    QVERIFY(!word.setProperty("word", "Dog"));
    QCOMPARE(word.word(), QString("Cat"));
}

// --- Lifetime ---------------------------------------------------------------

void TestWordStore::instanceIsSharedAndSeedsOnce()
{
    WordStore *first = WordStore::instance();
    QVERIFY(first);
    srand(77);
    const int expected = rand();
    srand(77);
    WordStore *second = WordStore::instance();
    QCOMPARE(second, first);
    QCOMPARE(rand(), expected);
}

void TestWordStore::constructorSeedsWithCurrentTime()
{
    delete WordStore::instance();
    const time_t before = time(0);
    WordStore::instance();
    const int drawn = rand();
    const time_t after = time(0);

    bool matched = false;
    for (time_t seconds = before; seconds <= after && !matched; ++seconds) {
        srand(static_cast<unsigned>(seconds));
        matched = rand() == drawn;
    }
    QVERIFY2(matched, "the store's first random number does not follow srand(time(0))");
}

void TestWordStore::deletingInstanceDestroysWordsAndAllowsNewStore()
{
    std::vector<Word *> words = makeWords(8);
    QPointer<Word> kept(words[0]);
    QPointer<Word> dealt(words[7]);
    store()->setPoolForTesting(words);
    QVERIFY(store()->dealPairGameList(1)); // one word now in the round list
    QVERIFY(kept && dealt);

    delete WordStore::instance();
    QVERIFY(kept.isNull());
    QVERIFY(dealt.isNull());

    WordStore *fresh = WordStore::instance();
    QVERIFY(fresh);
    QVERIFY(fresh->pool().empty());
    QVERIFY(fresh->round().empty());
    QVERIFY(fresh->dictionaries().isEmpty());
    QVERIFY(fresh->chosenDictionaries().isEmpty());
}

// --- Catalogue and recordings ------------------------------------------------

void TestWordStore::scanTakesDictionariesFromPictures()
{
    registerExtraDictionaries();
    QVERIFY(store()->scanDictionaries());
    // Ghost has recordings but no pictures: no dictionary.
    QCOMPARE(store()->dictionaries(), catalogue());
    QVERIFY(store()->chosenDictionaries().isEmpty());

    // A new scan starts both lists afresh.
    QVERIFY(store()->loadLists());
    QVERIFY(store()->scanDictionaries());
    QCOMPARE(store()->dictionaries(), catalogue());
    QVERIFY(store()->chosenDictionaries().isEmpty());
}

void TestWordStore::firstStartCopiesEveryRecording()
{
    registerExtraDictionaries();
    QVERIFY(!QFile::exists(m_location->path()));
    QVERIFY(store()->loadLists());

    for (const QString &name : QStringList{"Hen", "Owl", "Robin"}) {
        const QString copy = recordingsDir("Birds") + "/" + name + ".mp3";
        QCOMPARE(TestSupport::readFile(copy), testData("mp3/Birds/" + name + ".mp3"));
    }
    QCOMPARE(QDir(recordingsDir("Farm")).entryList(QDir::Files), QStringList({"Cow.mp3", "Hen.mp3"}));
    QVERIFY(!QFile::exists(recordingsDir("Ghost")));
    // Nothing saves the choice at start.
    QVERIFY(!QFile::exists(m_location->filePath("/dictionaries.dat")));
}

void TestWordStore::copySoundsRestoresMissingAndKeepsPresent()
{
    registerExtraDictionaries();
    QVERIFY(store()->loadLists());
    const QString dir = recordingsDir("Birds");

    // Lose the first recording in directory order and the last one; change
    // the middle one, which must then be left alone.
    QVERIFY(QFile::remove(dir + "/Hen.mp3"));
    QVERIFY(QFile::remove(dir + "/Robin.mp3"));
    QFile::setPermissions(dir + "/Owl.mp3", QFile::ReadOwner | QFile::WriteOwner);
    TestSupport::writeFile(dir + "/Owl.mp3", "kept");

    QVERIFY(store()->copySounds("Birds"));
    QCOMPARE(TestSupport::readFile(dir + "/Hen.mp3"), testData("mp3/Birds/Hen.mp3"));
    QCOMPARE(TestSupport::readFile(dir + "/Robin.mp3"), testData("mp3/Birds/Robin.mp3"));
    QCOMPARE(TestSupport::readFile(dir + "/Owl.mp3"), QByteArray("kept"));

    // The next start restores them too.
    QVERIFY(QFile::remove(dir + "/Hen.mp3"));
    QVERIFY(store()->loadLists());
    QCOMPARE(TestSupport::readFile(dir + "/Hen.mp3"), testData("mp3/Birds/Hen.mp3"));

    // Everything present: nothing to do, and that is a success.
    QVERIFY(store()->copySounds("Birds"));
    QCOMPARE(TestSupport::readFile(dir + "/Owl.mp3"), QByteArray("kept"));
}

void TestWordStore::copySoundsCarriesOnAfterFailure()
{
    registerExtraDictionaries();
    // A broken link where Hen.mp3 belongs: that copy fails, the rest still
    // arrive.
    const QString dir = recordingsDir("Birds");
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(QFile::link(m_location->path() + "/nowhere/Hen.mp3", dir + "/Hen.mp3"));

    QVERIFY(!store()->copySounds("Birds"));
    QCOMPARE(TestSupport::readFile(dir + "/Owl.mp3"), testData("mp3/Birds/Owl.mp3"));
    QCOMPARE(TestSupport::readFile(dir + "/Robin.mp3"), testData("mp3/Birds/Robin.mp3"));
}

void TestWordStore::copySoundsFailsWhenTargetCannotBeMade()
{
    registerExtraDictionaries();
    // A file where the mp3 folder should be: no directory, no copy.
    QVERIFY(QDir().mkpath(m_location->path()));
    TestSupport::writeFile(m_location->path() + "/mp3", "not a folder");
    QVERIFY(!store()->copySounds("Birds"));
    // The start still completes and the words keep their paths.
    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), QStringList({catalogue().first()}));
}

void TestWordStore::recordingsFollowDataDirectoryFallback()
{
    registerExtraDictionaries();
    QTemporaryDir home;
    QVERIFY(home.isValid());
    // The platform gives no data location; home is a temporary folder.
    struct HomeGuard
    {
        QByteArray old = qgetenv("HOME");
        ~HomeGuard() { qputenv("HOME", old); }
    } guard;
    qputenv("HOME", home.path().toLocal8Bit());
    DataDirectory::setPlatformLocationProvider([] { return QString(); });

    store()->loadLists();
    if (!store()->chosenDictionaries().contains("Birds"))
        QVERIFY(store()->addList(store()->dictionaries().indexOf("Birds")));
    store()->buildWordPool();
    const std::vector<Word *> pool = store()->pool();

    const QString expected = home.path() + "/.Vocalune/mp3/Birds";
    QCOMPARE(TestSupport::readFile(expected + "/Owl.mp3"), testData("mp3/Birds/Owl.mp3"));
    QVERIFY(!pool.empty());
    QCOMPARE(pool.back()->soundPath(), expected + "/Robin.mp3");
}

void TestWordStore::poolFollowsChosenOrderAndKeepsDuplicates()
{
    registerExtraDictionaries();
    TestSupport::writeFile(DataDirectory::filePath("/dictionaries.dat"), FarmRecord + BirdsRecord);
    QVERIFY(store()->loadLists());
    QVERIFY(store()->buildWordPool());

    const std::vector<QString> expected = {"Cow", "Hen", "Pig", "Hen", "Owl", "Robin"};
    QCOMPARE(wordsOf(store()->pool()), expected);
    const Word *pig = store()->pool()[2];
    QCOMPARE(pig->imagePath(), QString(":/png/Farm/Pig.png"));
    // No recording in the bundle: the word is there, its path names a missing file.
    QCOMPARE(pig->soundPath(), recordingsDir("Farm") + "/Pig.mp3");
    QVERIFY(!QFile::exists(pig->soundPath()));
    const Word *owl = store()->pool()[4];
    QCOMPARE(owl->imagePath(), QString(":/png/Birds/Owl.png"));
    QCOMPARE(owl->soundPath(), recordingsDir("Birds") + "/Owl.mp3");
    QVERIFY(QFile::exists(owl->soundPath()));
    QCOMPARE(pig->dictionary() + owl->dictionary(), QString("FarmBirds"));
    for (const Word *word : store()->pool()) {
        QCOMPARE(word->wordState(), 0);
        QCOMPARE(word->parent(), static_cast<QObject *>(nullptr));
    }
}

void TestWordStore::lookAlikesNameBundledWords()
{
    QFile file(":/png/look-alikes.txt");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> groups = WordStore::parseLookAlikes(QString::fromUtf8(file.readAll()));
    QVERIFY2(groups.size() >= 20, qPrintable(QString::number(groups.size())));
    for (const QStringList &group : groups) {
        for (const QString &name : group)
            QVERIFY2(QFile::exists(":/png/" + name + ".png"), qPrintable(name));
    }
}

void TestWordStore::rebuildingPoolReplacesEverything()
{
    registerExtraDictionaries();
    TestSupport::writeFile(DataDirectory::filePath("/dictionaries.dat"), BirdsRecord);
    QVERIFY(store()->loadLists());
    QVERIFY(store()->buildWordPool());
    QPointer<Word> firstBuild(store()->pool().front());
    QVERIFY(store()->dealPairGameList(1));
    QPointer<Word> dealt(store()->roundItem(0));

    QVERIFY(store()->buildWordPool());
    QCOMPARE(store()->pool().size(), std::size_t(3));
    QVERIFY(store()->round().empty());
    QVERIFY(firstBuild.isNull());
    QVERIFY(dealt.isNull());
}

void TestWordStore::animalsCatalogue()
{
    if (!animalsInBundle())
        QSKIP("the Animals pictures and recordings are not in the bundle yet");

    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), QStringList({"Animals"}));
    QStringList others = bundledDictionaries();
    others.removeAll("Animals");
    QCOMPARE(store()->dictionaries(), others);
    QCOMPARE(QDir(recordingsDir("Animals")).entryList(QDir::Files).size(), 46);

    QVERIFY(store()->buildWordPool());
    QVERIFY(store()->buildWordPool());
    QCOMPARE(store()->pool().size(), std::size_t(46));
    QStringList words;
    for (const Word *word : store()->pool())
        words << word->word();
    QCOMPARE(words, AnimalWords);
    const Word *first = store()->pool().front();
    QCOMPARE(first->imagePath(), QString(":/png/Animals/Alligator.png"));
    QCOMPARE(first->soundPath(), recordingsDir("Animals") + "/Alligator.mp3");

    QVERIFY(QFile::remove(recordingsDir("Animals") + "/Wolf.mp3"));
    QVERIFY(store()->loadLists());
    QVERIFY(QFile::exists(recordingsDir("Animals") + "/Wolf.mp3"));
}

void TestWordStore::everyBundledDictionaryWithItsWords_data()
{
    QTest::addColumn<QString>("dictionary");
    for (const QString &name : bundledDictionaries())
        QTest::newRow(qPrintable(name)) << name;
}

// Chosen alone, a dictionary gives one word for each picture, with its
// picture and, after the start's copying, its recording.
void TestWordStore::everyBundledDictionaryWithItsWords()
{
    QFETCH(QString, dictionary);
    QVERIFY2(bundledDictionaries().size() >= 10, qPrintable(bundledDictionaries().join(", ")));
    TestSupport::writeFile(DataDirectory::filePath("/dictionaries.dat"), choiceFile({dictionary}));
    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), QStringList({dictionary}));
    QCOMPARE(store()->chosenDictionaries().size() + store()->dictionaries().size(), bundledDictionaries().size());

    // The first start copied every dictionary's recordings, not only the chosen one's.
    for (const QString &name : bundledDictionaries())
        QCOMPARE(fileNames(recordingsDir(name)), fileNames(":/mp3/" + name));

    QVERIFY(store()->buildWordPool());
    const QStringList pictures = fileNames(":/png/" + dictionary);
    QVERIFY2(pictures.size() >= 20, qPrintable(QString::number(pictures.size())));
    QCOMPARE(store()->pool().size(), std::size_t(pictures.size()));
    QStringList words;
    for (const Word *word : store()->pool()) {
        words << word->word() + ".png";
        QCOMPARE(word->imagePath(), ":/png/" + dictionary + "/" + word->word() + ".png");
        QCOMPARE(word->dictionary(), dictionary);
        QVERIFY2(!QImage(word->imagePath()).isNull(), qPrintable(word->imagePath()));
        QCOMPARE(word->soundPath(), recordingsDir(dictionary) + "/" + word->word() + ".mp3");
        QCOMPARE(TestSupport::readFile(word->soundPath()),
                 TestSupport::readFile(":/mp3/" + dictionary + "/" + word->word() + ".mp3"));
    }
    words.sort();
    QCOMPARE(words, pictures);
}

void TestWordStore::poolOfTwoDictionariesDealsFromBoth_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<bool>("wordGame");
    const QStringList all = bundledDictionaries();
    QVERIFY(all.size() >= 2);
    // The largest with the smallest, so that the smaller is not simply drowned out.
    QStringList bySize = all;
    std::sort(bySize.begin(), bySize.end(), [](const QString &a, const QString &b) {
        return fileNames(":/png/" + a).size() > fileNames(":/png/" + b).size();
    });
    const QStringList pair = {bySize.first(), bySize.last()};
    QTest::newRow("word game") << pair << true;
    QTest::newRow("pair game") << pair << false;
}

// The game draws from the chosen dictionaries together: over the rounds of a
// game, both give words, and no word comes twice.
void TestWordStore::poolOfTwoDictionariesDealsFromBoth()
{
    QFETCH(QStringList, chosen);
    QFETCH(bool, wordGame);
    TestSupport::writeFile(DataDirectory::filePath("/dictionaries.dat"), choiceFile(chosen));
    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), chosen);
    QVERIFY(store()->buildWordPool());
    const int size0 = fileNames(":/png/" + chosen[0]).size();
    const int size1 = fileNames(":/png/" + chosen[1]).size();
    QCOMPARE(store()->pool().size(), std::size_t(size0 + size1));

    srand(11);
    QHash<QString, int> dealtFrom; // dictionary -> words dealt
    QSet<QString> dealt;
    int rounds = 0;
    for (;;) {
        std::vector<Word *> shown;
        if (wordGame) {
            Word *target = store()->dealWordGameList(10);
            if (!target)
                break;
            shown.push_back(target);
            // Every choice on the screen comes from the chosen dictionaries.
            for (const Word *item : store()->round())
                QVERIFY2(item->imagePath().startsWith(":/png/" + chosen[0] + "/")
                             || item->imagePath().startsWith(":/png/" + chosen[1] + "/"),
                         qPrintable(item->imagePath()));
        } else {
            if (!store()->dealPairGameList(6))
                break;
            shown = store()->round();
        }
        for (const Word *word : shown) {
            QVERIFY2(!dealt.contains(word->imagePath()), qPrintable(word->imagePath() + " dealt twice"));
            dealt.insert(word->imagePath());
            ++dealtFrom[word->imagePath().section('/', 2, 2)];
        }
        store()->shuffleRoundList();
        ++rounds;
    }
    QCOMPARE(rounds, wordGame ? size0 + size1 - 9 : (size0 + size1) / 6);
    QVERIFY2(dealtFrom.value(chosen[0]) > 0 && dealtFrom.value(chosen[1]) > 0,
             qPrintable(QString("%1 from %2, %3 from %4")
                            .arg(dealtFrom.value(chosen[0]))
                            .arg(chosen[0])
                            .arg(dealtFrom.value(chosen[1]))
                            .arg(chosen[1])));
    QCOMPARE(dealtFrom.size(), 2);
}

// --- Dictionary choice ------------------------------------------------------

void TestWordStore::noFileChoosesFirstDictionary()
{
    registerExtraDictionaries();
    QVERIFY(store()->loadLists());
    const QStringList all = catalogue();
    QCOMPARE(store()->chosenDictionaries(), QStringList({all.first()}));
    QCOMPARE(store()->dictionaries(), all.mid(1));
    QVERIFY(QFile::exists(m_location->path())); // the data directory is made
}

void TestWordStore::fileOrderIsKept()
{
    registerExtraDictionaries();
    TestSupport::writeFile(DataDirectory::filePath("/dictionaries.dat"), FarmRecord + BirdsRecord);
    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), QStringList({"Farm", "Birds"}));
    QStringList rest = catalogue();
    rest.removeAll("Farm");
    rest.removeAll("Birds");
    QCOMPARE(store()->dictionaries(), rest);

    // Reloading starts from the catalogue again rather than adding to it.
    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), QStringList({"Farm", "Birds"}));
    QCOMPARE(store()->dictionaries(), rest);
}

void TestWordStore::unknownAndRepeatedNamesAreSkipped()
{
    registerExtraDictionaries();
    const QByteArray zoo = QByteArray::fromHex("00000006005a006f006f");
    const QByteArray lowerBirds = QByteArray::fromHex("0000000a00620069007200640073");
    const QString file = DataDirectory::filePath("/dictionaries.dat");

    TestSupport::writeFile(file, zoo + lowerBirds);
    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), QStringList({catalogue().first()}));
    QCOMPARE(store()->dictionaries(), catalogue().mid(1));

    TestSupport::writeFile(file, FarmRecord + zoo + FarmRecord + BirdsRecord);
    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), QStringList({"Farm", "Birds"}));
    QVERIFY(!store()->dictionaries().contains("Farm"));
}

void TestWordStore::damagedChoiceFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("chosen"); // empty: the default choice

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("length cut short") << QByteArray::fromHex("0000") << QStringList();
    QTest::newRow("name cut short") << FarmRecord + BirdsRecord.left(7) << QStringList({"Farm"});
    QTest::newRow("odd length") << QByteArray::fromHex("000000030046006100") + FarmRecord << QStringList();
    QTest::newRow("odd length after a name")
        << BirdsRecord + QByteArray::fromHex("00000005004600610072") + FarmRecord << QStringList({"Birds"});
    // Reading on past the damage would find Farm.
    QTest::newRow("odd length before a name")
        << BirdsRecord + QByteArray::fromHex("00000003") + FarmRecord << QStringList({"Birds"});
    QTest::newRow("huge length") << QByteArray::fromHex("7ffffffe00460061") << QStringList();
    QTest::newRow("huge length after a name")
        << FarmRecord + QByteArray::fromHex("fffffffe0046") << QStringList({"Farm"});
    QTest::newRow("null and empty names")
        << QByteArray::fromHex("ffffffff00000000") + BirdsRecord << QStringList({"Birds"});
}

void TestWordStore::damagedChoiceFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, chosen);
    registerExtraDictionaries();
    TestSupport::writeFile(DataDirectory::filePath("/dictionaries.dat"), bytes);

    QVERIFY(store()->loadLists());
    if (chosen.isEmpty())
        chosen << catalogue().first();
    QCOMPARE(store()->chosenDictionaries(), chosen);
    QStringList rest = catalogue();
    for (const QString &name : qAsConst(chosen))
        rest.removeAll(name);
    QCOMPARE(store()->dictionaries(), rest);
}

void TestWordStore::saveWritesChosenNamesInOrder()
{
    registerExtraDictionaries();
    const QString file = DataDirectory::filePath("/dictionaries.dat");
    TestSupport::writeFile(file, BirdsRecord);
    QVERIFY(store()->loadLists());
    QVERIFY(store()->addList(store()->dictionaries().indexOf("Farm")));

    // The old file is replaced whole, never written over in place: a second
    // name for it still shows the old bytes.
    const QByteArray old(200, 'x');
    TestSupport::writeFile(file, old);
    const QString otherName = m_location->filePath("/old-dictionaries.dat");
    QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(otherName).constData()), 0);
    QVERIFY(store()->saveLists());
    QCOMPARE(TestSupport::readFile(file), BirdsRecord + FarmRecord);
    QCOMPARE(TestSupport::readFile(otherName), old);

    QVERIFY(store()->loadLists());
    QCOMPARE(store()->chosenDictionaries(), QStringList({"Birds", "Farm"}));
}

void TestWordStore::animalsChoiceFileIsEighteenBytes()
{
    if (!animalsInBundle())
        QSKIP("the Animals pictures and recordings are not in the bundle yet");

    const QByteArray animals = QByteArray::fromHex("0000000e0041006e0069006d0061006c0073");
    QCOMPARE(animals.size(), 18);
    QVERIFY(store()->loadLists());
    QVERIFY(store()->saveLists());
    QCOMPARE(TestSupport::readFile(m_location->filePath("/dictionaries.dat")), animals);
}

void TestWordStore::moves()
{
    registerExtraDictionaries();
    QVERIFY(store()->loadLists());
    const QStringList all = catalogue(); // [Animals,] Birds, Farm
    QStringList available = all.mid(1);
    QStringList chosen = {all.first()};

    // Refused moves change nothing.
    QVERIFY(!store()->removeList(0)); // the last dictionary in use stays
    QVERIFY(!store()->addList(-1));
    QVERIFY(!store()->addList(available.size()));
    QCOMPARE(store()->dictionaries(), available);
    QCOMPARE(store()->chosenDictionaries(), chosen);

    // Adding takes the name to the end of the list in use.
    QVERIFY(store()->addList(available.size() - 1));
    chosen << available.takeLast();
    QCOMPARE(store()->chosenDictionaries(), chosen);
    QCOMPARE(store()->dictionaries(), available);

    QVERIFY(!store()->removeList(-1));
    QVERIFY(!store()->removeList(chosen.size()));

    // Removing puts it back at the end of the available list.
    QVERIFY(store()->removeList(0));
    available << chosen.takeFirst();
    QCOMPARE(store()->chosenDictionaries(), chosen);
    QCOMPARE(store()->dictionaries(), available);

    QVERIFY(store()->addList(0));
    chosen << available.takeFirst();
    QCOMPARE(store()->chosenDictionaries(), chosen);
    QCOMPARE(store()->dictionaries(), available);
    QCOMPARE(store()->chosenDictionaries().size() + store()->dictionaries().size(), all.size());
}

// --- Deals ------------------------------------------------------------------

void TestWordStore::shuffleDrawsOncePerPositionAfterFirst_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("six") << 6;
    QTest::newRow("forty-six") << 46;
}

void TestWordStore::shuffleDrawsOncePerPositionAfterFirst()
{
    QFETCH(int, count);
    store()->setPoolForTesting(makeWords(count));
    QVERIFY(store()->dealPairGameList(count)); // the whole pool into the round list
    std::vector<QString> expected = wordsOf(store()->round());

    srand(4321);
    store()->shuffleRoundList();
    const int next = rand();

    srand(4321);
    replayShuffle(expected);
    QCOMPARE(wordsOf(store()->round()), expected);

    // n - 1 draws: the next number is the n-th of the sequence.
    srand(4321);
    for (int i = 1; i < count; ++i)
        rand();
    QCOMPARE(next, rand());
}

void TestWordStore::wordDealFollowsSeed()
{
    // Three Word Game rounds (deal, then shuffle of the round list) from one
    // seed, replayed on plain lists from the same seed.
    std::vector<std::vector<QString>> dealt[2];
    for (auto &rounds : dealt) {
        store()->setPoolForTesting(makeWords(46));
        srand(2024);
        for (int round = 0; round < 3; ++round) {
            QVERIFY(store()->dealWordGameList(10));
            store()->shuffleRoundList();
            rounds.push_back(wordsOf(store()->round()));
            rounds.push_back(wordsOf(store()->pool()));
        }
    }
    QCOMPARE(dealt[0], dealt[1]);

    std::vector<QString> pool;
    for (int i = 0; i < 46; ++i)
        pool.push_back(QString("W%1").arg(i, 2, 10, QChar('0')));
    srand(2024);
    for (int round = 0; round < 3; ++round) {
        replayShuffle(pool);
        std::vector<QString> roundList = {pool.back()};
        pool.pop_back();
        roundList.insert(roundList.end(), pool.begin(), pool.begin() + 9);
        replayShuffle(roundList);
        QCOMPARE(dealt[0][2 * round], roundList);
        QCOMPARE(dealt[0][2 * round + 1], pool);
    }
}

void TestWordStore::wordDealFromExactlyCount()
{
    store()->setPoolForTesting(makeWords(10));
    Word *target = store()->dealWordGameList(10);
    QVERIFY(target);
    QCOMPARE(store()->pool().size(), std::size_t(9));
    QCOMPARE(store()->round().size(), std::size_t(10));
    QCOMPARE(store()->round().front(), target);
    for (const Word *left : store()->pool())
        QVERIFY(left != target);

    for (std::size_t i = 0; i < 9; ++i) {
        const Word *copy = store()->round()[i + 1];
        const Word *source = store()->pool()[i];
        QVERIFY(copy != source);
        QCOMPARE(copy->word(), source->word());
        QCOMPARE(copy->imagePath(), source->imagePath());
        QCOMPARE(copy->soundPath(), source->soundPath());
        QCOMPARE(copy->wordState(), 0);
    }
    QSet<QString> shown;
    for (const Word *item : store()->round())
        shown.insert(item->word());
    QCOMPARE(shown.size(), 10);
}

void TestWordStore::tooSmallPoolRefusesWithoutTouchingAnything()
{
    store()->setPoolForTesting(makeWords(15));
    QVERIFY(store()->dealPairGameList(6));
    const std::vector<Word *> pool = store()->pool();
    const std::vector<Word *> round = store()->round();
    QCOMPARE(pool.size(), std::size_t(9));

    srand(5);
    const int first = rand();
    srand(5);
    QVERIFY(!store()->dealWordGameList(10));
    QVERIFY(!store()->dealPairGameList(10));
    QVERIFY(!store()->dealWordGameList(0));
    QCOMPARE(rand(), first); // nothing was shuffled
    QCOMPARE(store()->pool(), pool);
    QCOMPARE(store()->round(), round);

    // Exactly what is left is still enough.
    QVERIFY(store()->dealPairGameList(9));
    QVERIFY(store()->pool().empty());
    QCOMPARE(store()->round().size(), std::size_t(9));
}

void TestWordStore::singleWordDeal()
{
    std::vector<Word *> words = makeWords(1);
    Word *only = words.front();
    store()->setPoolForTesting(words);
    srand(9);
    const int first = rand();
    srand(9);
    QCOMPARE(store()->dealWordGameList(1), only);
    QCOMPARE(rand(), first);
    QVERIFY(store()->pool().empty());
    QCOMPARE(store()->round(), std::vector<Word *>({only}));
}

void TestWordStore::pairDealTakesLastOfShuffledPool()
{
    store()->setPoolForTesting(makeWords(12));
    std::vector<Word *> expected = store()->pool();
    srand(31);
    QVERIFY(store()->dealPairGameList(6));
    srand(31);
    replayShuffle(expected);

    std::vector<Word *> expectedRound(expected.rbegin(), expected.rbegin() + 6);
    QCOMPARE(store()->round(), expectedRound);
    expected.resize(6);
    QCOMPARE(store()->pool(), expected);
    for (unsigned i = 0; i < 6; ++i)
        QCOMPARE(store()->roundItem(i), expectedRound[i]);
}

void TestWordStore::nextDealDestroysPreviousRound()
{
    store()->setPoolForTesting(makeWords(20));
    Word *target = store()->dealWordGameList(10);
    QPointer<Word> oldTarget(target);
    QPointer<Word> oldCopy(store()->roundItem(5));
    QVERIFY(store()->dealPairGameList(6));
    QVERIFY(oldTarget.isNull());
    QVERIFY(oldCopy.isNull());

    std::vector<QPointer<Word>> pairRound;
    for (Word *word : store()->round())
        pairRound.emplace_back(word);
    QVERIFY(store()->dealWordGameList(10));
    for (const QPointer<Word> &word : pairRound)
        QVERIFY(word.isNull());
}

void TestWordStore::fullPoolRoundCounts()
{
    srand(46);
    store()->setPoolForTesting(makeWords(46));
    QSet<QString> targets;
    for (int round = 0; round < 37; ++round) {
        Word *target = store()->dealWordGameList(10);
        QVERIFY(target);
        targets.insert(target->word());
        store()->shuffleRoundList();
    }
    QCOMPARE(targets.size(), 37);
    QCOMPARE(store()->pool().size(), std::size_t(9));
    QVERIFY(!store()->dealWordGameList(10));

    store()->setPoolForTesting(makeWords(46));
    QSet<QString> dealt;
    for (int round = 0; round < 7; ++round) {
        QVERIFY(store()->dealPairGameList(6));
        for (unsigned i = 0; i < 6; ++i)
            dealt.insert(store()->roundItem(i)->word());
        store()->shuffleRoundList();
    }
    QCOMPARE(dealt.size(), 42);
    QCOMPARE(store()->pool().size(), std::size_t(4));
    QVERIFY(!store()->dealPairGameList(6));
}

void TestWordStore::roundItemBounds()
{
    QVERIFY_EXCEPTION_THROWN(store()->roundItem(0), std::out_of_range);
    store()->setPoolForTesting(makeWords(6));
    QVERIFY(store()->dealPairGameList(6));
    QCOMPARE(store()->roundItem(5), store()->round()[5]);
    QVERIFY_EXCEPTION_THROWN(store()->roundItem(6), std::out_of_range);
}

QTEST_MAIN(TestWordStore)
#include "tst_wordstore.moc"
