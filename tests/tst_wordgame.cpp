// The Word Game's rules through its slot, on seeded word pools.

#include "rulesupport.h"

#include "Record.h"
#include "TopTenList.h"
#include "Word.h"
#include "WordGame.h"
#include "WordMemory.h"
#include "WordStore.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <limits>
#include <vector>

namespace {

Word *makeWord(const QString &name, const QString &image = QString())
{
    Word *word = new Word;
    word->setWord(name);
    word->setImagePath(image.isEmpty() ? ":/png/Test/" + name + ".png" : image);
    word->setSoundPath("/recordings/" + name + ".mp3");
    return word;
}

// A pool of count words W0, W1, ... (the store takes them over).
void seedPool(int count)
{
    std::vector<Word *> words;
    for (int i = 0; i < count; ++i)
        words.push_back(makeWord(QString("W%1").arg(i)));
    WordStore::instance()->setPoolForTesting(std::move(words));
}

void seedPool(const QStringList &names)
{
    std::vector<Word *> words;
    for (const QString &name : names)
        words.push_back(makeWord(name));
    WordStore::instance()->setPoolForTesting(std::move(words));
}

Word *picture(const WordGame &game, int index)
{
    return qobject_cast<Word *>(game.imageList().at(index));
}

int rightIndex(const WordGame &game)
{
    for (int i = 0; i < game.imageList().size(); ++i) {
        if (picture(game, i)->word() == game.word())
            return i;
    }
    return -1;
}

int wrongIndex(const WordGame &game)
{
    for (int i = 0; i < game.imageList().size(); ++i) {
        if (picture(game, i)->word() != game.word())
            return i;
    }
    return -1;
}

// Writes a records file of the given scores (names P0, P1, ...).
void writeRecords(const QString &path, const QList<int> &scores)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (int i = 0; i < scores.size(); ++i)
        out << QString("P%1").arg(i) << qint16(scores.at(i));
    QDir().mkpath(QFileInfo(path).path());
    TestSupport::writeFile(path, bytes);
}

// Records, into one list, every signal of the game in the order it comes,
// with the picked item's wordStateChanged and the name prompt.
class SignalLog
{
public:
    explicit SignalLog(WordGame *game)
        : m_game(game)
    {
        QObject::connect(game, &WordGame::gameOverSignal, [this] { log << "gameOverSignal"; });
        QObject::connect(game, &WordGame::gameCompletedSignal, [this] { log << "gameCompletedSignal"; });
        QObject::connect(game, &WordGame::scoreChangedSignal, [this] { log << "scoreChangedSignal"; });
        QObject::connect(game, &WordGame::wordChangedSignal, [this] { log << "wordChangedSignal"; });
        QObject::connect(game, &WordGame::newListsBuiltSignal, [this] { log << "newListsBuiltSignal"; });
        QObject::connect(game, &WordGame::newTopListBuiltSignal, [this] { log << "newTopListBuiltSignal"; });
        QObject::connect(game, &WordGame::playSound, [this](const QString &path) { log << "playSound " + path; });
        watchPictures();
    }

    // The items of the current round; call again after a new deal.
    void watchPictures()
    {
        for (QObject *item : m_game->imageList()) {
            auto *word = qobject_cast<Word *>(item);
            QObject::connect(word, &Word::wordStateChanged, m_game,
                             [this, word] { log << "wordStateChanged " + word->word(); });
        }
    }

    QStringList log;

private:
    WordGame *m_game;
};

} // namespace

class TestWordGame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void constructedGame();
    void constructorLoadsTopList();
    void dealsTenPictures();
    void dealFailsOnThreeWords();
    void answerOfARound_data();
    void answerOfARound();
    void toLearnAsksDueWordsThenFiveNew();
    void playWordSound();
    void propertiesAndSignals();
    void rightPick();
    void rightPickIsTextEquality();
    void rightPickIsCaseSensitive();
    void wrongPick();
    void wrongPickAtZeroAsksNothing();
    void wrongPickWithQualifyingScore();
    void completionOnTenWords();
    void completionWithoutPrompt_data();
    void completionWithoutPrompt();
    void completionWithPrompt_data();
    void completionWithPrompt();
    void wholeGameOnTwelveWords();
    void promptCancelledStillEnters();
    void longNameIsCut();
    void newEntryTakesItsPlace();
    void ignoredPicks_data();
    void ignoredPicks();
    void picksAfterGameOverIgnored();
    void picksAfterCompletionIgnored();
    void retiredPicturesLiveUntilNextDeal();
    void destructorFreesEverything();

private:
    TestSupport::ScriptedPrompt *m_prompt = nullptr;
};

void TestWordGame::initTestCase()
{
    TestSupport::initCoreApplication();
    WordStore::instance();
    std::srand(20240605);
    m_prompt = new TestSupport::ScriptedPrompt;
}

void TestWordGame::cleanupTestCase()
{
    delete m_prompt;
    delete WordStore::instance();
}

void TestWordGame::constructedGame()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(12);
    QObject host;
    WordGame game(m_prompt, GameOptions(), &host);
    QCOMPARE(game.parent(), &host);
    QCOMPARE(game.score(), 0);
    QCOMPARE(game.word(), QString());
    QCOMPARE(game.imagePath(), QString());
    QVERIFY(game.imageList().isEmpty());
    QVERIFY(game.topList().isEmpty());
    QVERIFY(!game.isFinished());
    // It deals nothing.
    QCOMPARE(WordStore::instance()->pool().size(), std::size_t(12));
    QVERIFY(WordStore::instance()->round().empty());
}

void TestWordGame::constructorLoadsTopList()
{
    TestSupport::TemporaryDataLocation data;
    writeRecords(data.filePath("/wgrecords.dat"), {9, 7, 3});
    WordGame game(m_prompt);
    QCOMPARE(game.topList().size(), 3);
    auto *first = qobject_cast<Record *>(game.topList().at(0));
    auto *last = qobject_cast<Record *>(game.topList().at(2));
    QVERIFY(first && last);
    QCOMPARE(first->player(), QString("P0"));
    QCOMPARE(int(first->score()), 9);
    QCOMPARE(int(last->score()), 3);
    // The views and the window find the properties and signals by these names, in this order.
    const QMetaObject *meta = game.metaObject();
    QCOMPARE(meta->className(), "WordGame");
    const int first_ = meta->propertyOffset();
    QCOMPARE(meta->propertyCount() - first_, 3);
    QCOMPARE(meta->property(first_).name(), "score");
    QCOMPARE(meta->property(first_ + 1).name(), "word");
    QCOMPARE(meta->property(first_ + 2).name(), "imagePath");
    for (int i = 0; i < 3; ++i)
        QVERIFY(!meta->property(first_ + i).isWritable());
    QStringList signalNames;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal)
            signalNames << QString::fromLatin1(method.methodSignature());
    }
    QCOMPARE(signalNames,
             QStringList({"gameOverSignal()", "gameCompletedSignal()", "scoreChangedSignal()", "wordChangedSignal()",
                          "newListsBuiltSignal()", "newTopListBuiltSignal()", "playSound(QString)",
                          "answered(QString,QString,int)", "rightAnswerSignal()", "tryAgainSignal()"}));
    QVERIFY(meta->indexOfSlot("iconClicked(int)") >= 0);
}

void TestWordGame::dealsTenPictures()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(12);
    WordGame game(m_prompt);
    SignalLog signalLog(&game);

    QVERIFY(game.buildNewLists());
    QCOMPARE(game.imageList().size(), 10);
    QVERIFY(!game.word().isEmpty());
    QCOMPARE(game.imagePath(), ":/png/Test/" + game.word() + ".png");
    // Only the recording of the new word is asked for; the caller announces the lists.
    QCOMPARE(signalLog.log, QStringList({"playSound /recordings/" + game.word() + ".mp3"}));

    QSet<QString> words;
    int answers = 0;
    for (int i = 0; i < 10; ++i) {
        Word *item = picture(game, i);
        QVERIFY(item);
        QVERIFY(!item->parent());
        QCOMPARE(item->wordState(), 0);
        QCOMPARE(item->imagePath(), ":/png/Test/" + item->word() + ".png");
        QVERIFY(item->soundPath().isNull()); // not copied
        // Copies, never the store's own items.
        for (Word *own : WordStore::instance()->round())
            QVERIFY(own != item);
        words.insert(item->word());
        if (item->word() == game.word())
            ++answers;
    }
    QCOMPARE(words.size(), 10);
    QCOMPARE(answers, 1);
    // The answer left the pool.
    QCOMPARE(WordStore::instance()->pool().size(), std::size_t(11));
    for (Word *word : WordStore::instance()->pool())
        QVERIFY(word->word() != game.word());
}

void TestWordGame::dealFailsOnThreeWords()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(3);
    WordGame game(m_prompt);
    SignalLog signalLog(&game);
    QVERIFY(!game.buildNewLists());
    QVERIFY(game.imageList().isEmpty());
    QCOMPARE(game.word(), QString());
    QCOMPARE(game.imagePath(), QString());
    QVERIFY(signalLog.log.isEmpty());
    QCOMPARE(WordStore::instance()->pool().size(), std::size_t(3));
    QVERIFY(!game.playWordSound());
    // Nothing is dealt, so every pick is ignored.
    game.iconClicked(0);
    QVERIFY(signalLog.log.isEmpty());
    QCOMPARE(game.score(), 0);
}

void TestWordGame::answerOfARound_data()
{
    QTest::addColumn<GameOptions::Mistakes>("mistakes");
    QTest::addColumn<int>("wrongPicks");
    QTest::addColumn<int>("outcome");
    QTest::newRow("right") << GameOptions::EndTheGame << 0 << int(WordMemory::RightFirstTry);
    QTest::newRow("wrong, game over") << GameOptions::EndTheGame << 1 << int(WordMemory::Mistake);
    QTest::newRow("right, try again") << GameOptions::TryAgain << 0 << int(WordMemory::RightFirstTry);
    QTest::newRow("one wrong, then right") << GameOptions::TryAgain << 1 << int(WordMemory::Mistake);
    QTest::newRow("marked, then right") << GameOptions::TryAgain << 3 << int(WordMemory::Missed);
}

void TestWordGame::answerOfARound()
{
    QFETCH(GameOptions::Mistakes, mistakes);
    QFETCH(int, wrongPicks);
    QFETCH(int, outcome);
    TestSupport::TemporaryDataLocation data;
    WordStore::instance()->setPoolForTesting(TestSupport::makeWords(12));
    GameOptions options;
    options.mistakes = mistakes;
    WordGame game(m_prompt, options);
    QSignalSpy answered(&game, &WordGame::answered);
    QVERIFY(game.buildNewLists());
    const QString word = game.word();
    for (int i = 0, wrong = 0; wrong < wrongPicks; ++i) {
        if (picture(game, i)->word() != word && ++wrong)
            game.iconClicked(i);
    }
    QVERIFY(answered.isEmpty() || mistakes == GameOptions::EndTheGame);
    game.iconClicked(rightIndex(game));
    QCOMPARE(TestSupport::answers(answered), QStringList("Test/" + word + " " + QString::number(outcome)));
}

void TestWordGame::toLearnAsksDueWordsThenFiveNew()
{
    // Twelve words: two due, three met and waiting, seven new.
    TestSupport::TemporaryDataLocation data;
    WordStore::instance()->setPoolForTesting(TestSupport::makeWords(12));
    GameOptions options;
    options.words = GameOptions::ToLearn;
    WordGame game(m_prompt, options);
    const QStringList waiting = {"W00", "W01", "W02"};
    game.setDealOrder(std::make_unique<TestSupport::ListedOrder>(QStringList{"W07", "W03"}, waiting));
    QStringList asked;
    for (bool dealt = game.buildNewLists(); dealt && !game.isFinished(); game.iconClicked(rightIndex(game)))
        asked << game.word();
    QCOMPARE(asked.size(), 12);
    QCOMPARE(asked.mid(0, 2), QStringList({"W07", "W03"}));
    for (const QString &word : asked.mid(2, 5))
        QVERIFY2(!waiting.contains(word), qPrintable(asked.join(' ')));
}

void TestWordGame::playWordSound()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(10);
    WordGame game(m_prompt);
    QSignalSpy sound(&game, &WordGame::playSound);
    QVERIFY(!game.playWordSound());
    QCOMPARE(sound.count(), 0);
    QVERIFY(game.buildNewLists());
    QCOMPARE(sound.count(), 1);
    QVERIFY(game.playWordSound());
    QCOMPARE(sound.count(), 2);
    QCOMPARE(sound.at(1).at(0).toString(), "/recordings/" + game.word() + ".mp3");
}

void TestWordGame::propertiesAndSignals()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(11);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    QCOMPARE(game.property("score").toInt(), 0);
    QCOMPARE(game.property("word").toString(), game.word());
    QCOMPARE(game.property("imagePath").toString(), game.imagePath());
    const QMetaObject *meta = game.metaObject();
    QCOMPARE(meta->property(meta->indexOfProperty("score")).notifySignal().name(), QByteArray("scoreChangedSignal"));
    QCOMPARE(meta->property(meta->indexOfProperty("word")).notifySignal().name(), QByteArray("wordChangedSignal"));
    QCOMPARE(meta->property(meta->indexOfProperty("imagePath")).notifySignal().name(), QByteArray("wordChangedSignal"));
}

void TestWordGame::rightPick()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(12);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    const QString answer = game.word();
    const int k = rightIndex(game);
    QVERIFY(k >= 0);
    QPointer<Word> picked = picture(game, k);

    SignalLog signalLog(&game);
    game.iconClicked(k);

    QCOMPARE(game.score(), 1);
    QVERIFY(!game.isFinished());
    QVERIFY(!game.word().isEmpty());
    QVERIFY(game.word() != answer);
    QCOMPARE(
        signalLog.log,
        QStringList({"wordStateChanged " + answer, "scoreChangedSignal",
                     "playSound /recordings/" + game.word() + ".mp3", "newListsBuiltSignal", "wordChangedSignal"}));
    // A new round of ten, all in state 0; the picked item went to state 1 and
    // is still alive (the view may read it until the list is republished).
    QCOMPARE(game.imageList().size(), 10);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(picture(game, i)->wordState(), 0);
    QVERIFY(!game.imageList().contains(picked.data()));
    QVERIFY(picked);
    QCOMPARE(picked->wordState(), 1);
    QCOMPARE(WordStore::instance()->pool().size(), std::size_t(10));
    QVERIFY(game.topList().isEmpty());
}

void TestWordGame::rightPickIsTextEquality()
{
    // Two pictures may carry the same word: any of them is right.
    TestSupport::TemporaryDataLocation data;
    writeRecords(data.filePath("/wgrecords.dat"), {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}); // no prompt
    for (int attempt = 0; attempt < 500; ++attempt) {
        std::vector<Word *> words;
        for (int i = 0; i < 8; ++i)
            words.push_back(makeWord(QString("W%1").arg(i)));
        words.push_back(makeWord("Dog", ":/png/Test/Dog1.png"));
        words.push_back(makeWord("Dog", ":/png/Test/Dog2.png"));
        WordStore::instance()->setPoolForTesting(std::move(words));
        WordGame game(m_prompt);
        QVERIFY(game.buildNewLists());
        if (game.word() != "Dog")
            continue;
        int other = -1;
        for (int i = 0; i < 10; ++i) {
            if (picture(game, i)->word() == "Dog" && picture(game, i)->imagePath() != game.imagePath())
                other = i;
        }
        QVERIFY(other >= 0);
        QSignalSpy over(&game, &WordGame::gameOverSignal);
        QSignalSpy completed(&game, &WordGame::gameCompletedSignal);
        game.iconClicked(other);
        QCOMPARE(game.score(), 1);
        QCOMPARE(over.count(), 0);
        QCOMPARE(completed.count(), 1); // nine words left: no second round
        return;
    }
    QFAIL("the answer was never Dog");
}

void TestWordGame::rightPickIsCaseSensitive()
{
    TestSupport::TemporaryDataLocation data;
    for (int attempt = 0; attempt < 500; ++attempt) {
        seedPool({"W0", "W1", "W2", "W3", "W4", "W5", "W6", "W7", "Cat", "cat"});
        WordGame game(m_prompt);
        QVERIFY(game.buildNewLists());
        if (game.word().compare("cat", Qt::CaseInsensitive) != 0)
            continue;
        int other = -1;
        for (int i = 0; i < 10; ++i) {
            const QString word = picture(game, i)->word();
            if (word != game.word() && word.compare("cat", Qt::CaseInsensitive) == 0)
                other = i;
        }
        QVERIFY(other >= 0);
        QSignalSpy over(&game, &WordGame::gameOverSignal);
        game.iconClicked(other);
        QCOMPARE(game.score(), 0);
        QCOMPARE(over.count(), 1);
        return;
    }
    QFAIL("the answer was never Cat or cat");
}

void TestWordGame::wrongPick()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(12);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    const QString answer = game.word();
    const QString answerImage = game.imagePath();
    const QList<QObject *> pictures = game.imageList();
    const int k = wrongIndex(game);
    const QString pickedWord = picture(game, k)->word();

    SignalLog signalLog(&game);
    game.iconClicked(k);

    QCOMPARE(signalLog.log, QStringList({"wordStateChanged " + pickedWord, "scoreChangedSignal", "gameOverSignal"}));
    QCOMPARE(game.score(), 0);
    QVERIFY(game.isFinished());
    // The answer stays for the end panel, the pictures stay as they were.
    QCOMPARE(game.word(), answer);
    QCOMPARE(game.imagePath(), answerImage);
    QCOMPARE(game.imageList(), pictures);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(picture(game, i)->wordState(), i == k ? 1 : 0);
    QVERIFY(game.playWordSound());
    QVERIFY(game.topList().isEmpty());
}

void TestWordGame::wrongPickAtZeroAsksNothing()
{
    // Score 0 never enters the list, even an empty one.
    TestSupport::TemporaryDataLocation data;
    seedPool(10);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    const int before = m_prompt->asked.size();
    SignalLog signalLog(&game);
    game.iconClicked(wrongIndex(game));
    QCOMPARE(m_prompt->asked.size(), before);
    QCOMPARE(signalLog.log.last(), QString("gameOverSignal"));
    QVERIFY(game.topList().isEmpty());
    QVERIFY(!QFile::exists(data.filePath("/wgrecords.dat")));
}

void TestWordGame::wrongPickWithQualifyingScore()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(12);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    game.iconClicked(rightIndex(game));
    QCOMPARE(game.score(), 1);

    SignalLog signalLog(&game);
    const int k = wrongIndex(game);
    const QString pickedWord = picture(game, k)->word();
    m_prompt->log = &signalLog.log;
    m_prompt->answerNext("Ann");
    game.iconClicked(k);
    m_prompt->log = nullptr;

    QCOMPARE(signalLog.log,
             QStringList({"wordStateChanged " + pickedWord, "prompt", "newTopListBuiltSignal", "scoreChangedSignal",
                          "gameOverSignal"}));
    QCOMPARE(m_prompt->asked.last().title, QString("You made it to top 10!"));
    QCOMPARE(m_prompt->asked.last().label, QString("Enter your name!"));
    QCOMPARE(game.topList().size(), 1);
    auto *entry = qobject_cast<Record *>(game.topList().at(0));
    QCOMPARE(entry->player(), QString("Ann"));
    QCOMPARE(int(entry->score()), 1);
    // Saved: a new game reads it back.
    QCOMPARE(TestSupport::readFile(data.filePath("/wgrecords.dat")),
             QByteArray::fromHex("00000006"
                                 "0041006e006e"
                                 "0001"));
}

void TestWordGame::completionOnTenWords()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(10);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    const QString answer = game.word();
    QList<QPointer<QObject>> lastRound;
    for (QObject *item : game.imageList())
        lastRound << item;

    SignalLog signalLog(&game);
    const int before = m_prompt->asked.size();
    m_prompt->answerNext("Zoe");
    game.iconClicked(rightIndex(game));

    QCOMPARE(m_prompt->asked.size(), before + 1);
    QCOMPARE(signalLog.log,
             QStringList({"wordStateChanged " + answer, "scoreChangedSignal", "newTopListBuiltSignal",
                          "scoreChangedSignal", "gameCompletedSignal"}));
    QCOMPARE(game.score(), 1);
    QVERIFY(game.isFinished());
    // No word any more, and no wordChangedSignal for it.
    QCOMPARE(game.word(), QString());
    QCOMPARE(game.imagePath(), QString());
    QVERIFY(game.imageList().isEmpty());
    QVERIFY(!game.playWordSound());
    // The last round's items stay alive: the view still names them.
    for (const QPointer<QObject> &item : lastRound)
        QVERIFY(item);
    QCOMPARE(WordStore::instance()->pool().size(), std::size_t(9));
    QCOMPARE(game.topList().size(), 1);
    QCOMPARE(qobject_cast<Record *>(game.topList().at(0))->player(), QString("Zoe"));
}

void TestWordGame::completionWithoutPrompt_data()
{
    QTest::addColumn<QList<int>>("scores");
    // Equal to the tenth entry is not enough.
    QTest::newRow("ten entries, tenth 1") << QList<int>({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    QTest::newRow("ten entries of 5") << QList<int>({5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    QTest::newRow("eleven entries, tenth 1") << QList<int>({9, 9, 9, 9, 9, 9, 9, 9, 9, 1, 0});
}

void TestWordGame::completionWithoutPrompt()
{
    QFETCH(QList<int>, scores);
    TestSupport::TemporaryDataLocation data;
    const QString file = data.filePath("/wgrecords.dat");
    writeRecords(file, scores);
    const QByteArray before = TestSupport::readFile(file);

    seedPool(10);
    WordGame game(m_prompt);
    QCOMPARE(game.topList().size(), scores.size());
    QVERIFY(game.buildNewLists());
    const int asked = m_prompt->asked.size();
    SignalLog signalLog(&game);
    const QString answer = game.word();
    game.iconClicked(rightIndex(game));

    QCOMPARE(m_prompt->asked.size(), asked);
    QCOMPARE(
        signalLog.log,
        QStringList({"wordStateChanged " + answer, "scoreChangedSignal", "scoreChangedSignal", "gameCompletedSignal"}));
    QCOMPARE(game.topList().size(), scores.size());
    QCOMPARE(TestSupport::readFile(file), before);
}

void TestWordGame::completionWithPrompt_data()
{
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<int>("position");
    QTest::newRow("empty list") << QList<int>() << 0;
    // Fewer than ten: any score above 0, even below all of them.
    QTest::newRow("nine entries") << QList<int>({9, 9, 9, 9, 9, 9, 9, 9, 9}) << 9;
    // One more than the tenth entry.
    QTest::newRow("ten entries, tenth 0") << QList<int>({3, 3, 2, 2, 1, 1, 1, 0, 0, 0}) << 7;
}

void TestWordGame::completionWithPrompt()
{
    QFETCH(QList<int>, scores);
    QFETCH(int, position);
    TestSupport::TemporaryDataLocation data;
    writeRecords(data.filePath("/wgrecords.dat"), scores);
    seedPool(10);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    SignalLog signalLog(&game);
    const QString answer = game.word();
    m_prompt->log = &signalLog.log;
    m_prompt->answerNext("Me");
    game.iconClicked(rightIndex(game));
    m_prompt->log = nullptr;

    QCOMPARE(signalLog.log,
             QStringList({"wordStateChanged " + answer, "scoreChangedSignal", "prompt", "newTopListBuiltSignal",
                          "scoreChangedSignal", "gameCompletedSignal"}));
    QCOMPARE(game.topList().size(), qMin(10, scores.size() + 1));
    auto *entry = qobject_cast<Record *>(game.topList().at(position));
    QCOMPARE(entry->player(), QString("Me"));
    QCOMPARE(int(entry->score()), 1);
    // The file holds the new list.
    WordGame reread(m_prompt);
    QCOMPARE(reread.topList().size(), game.topList().size());
    QCOMPARE(qobject_cast<Record *>(reread.topList().at(position))->player(), QString("Me"));
}

void TestWordGame::wholeGameOnTwelveWords()
{
    // Twelve words: three rounds, and a perfect game completes with 3.
    TestSupport::TemporaryDataLocation data;
    seedPool(12);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    QSignalSpy scoreChanged(&game, &WordGame::scoreChangedSignal);
    QSignalSpy listsBuilt(&game, &WordGame::newListsBuiltSignal);
    QSignalSpy wordChanged(&game, &WordGame::wordChangedSignal);
    QSignalSpy completed(&game, &WordGame::gameCompletedSignal);
    QSet<QString> answers;
    for (int round = 1; round <= 3; ++round) {
        answers.insert(game.word());
        if (round == 3)
            m_prompt->answerNext("Max");
        game.iconClicked(rightIndex(game));
        QCOMPARE(game.score(), round);
        // Once per pick while it goes on, twice at the completing pick.
        QCOMPARE(scoreChanged.count(), round == 3 ? 4 : round);
    }
    QCOMPARE(answers.size(), 3); // no word is the answer twice
    QCOMPARE(listsBuilt.count(), 2);
    QCOMPARE(wordChanged.count(), 2);
    QCOMPARE(completed.count(), 1);
    QCOMPARE(int(qobject_cast<Record *>(game.topList().at(0))->score()), 3);
}

void TestWordGame::promptCancelledStillEnters()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(10);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    m_prompt->answerNext("ignored", false);
    game.iconClicked(rightIndex(game));
    QCOMPARE(game.topList().size(), 1);
    QCOMPARE(qobject_cast<Record *>(game.topList().at(0))->player(), QString());
    // An empty name may be stored as length 0 or as the null marker.
    const QByteArray bytes = TestSupport::readFile(data.filePath("/wgrecords.dat"));
    QVERIFY2(bytes == QByteArray::fromHex("000000000001") || bytes == QByteArray::fromHex("ffffffff0001"),
             bytes.toHex().constData());
}

void TestWordGame::longNameIsCut()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(10);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    m_prompt->answerNext("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    game.iconClicked(rightIndex(game));
    QCOMPARE(qobject_cast<Record *>(game.topList().at(0))->player(), QString("ABCDEFGHIJKLMNOP"));
}

void TestWordGame::newEntryTakesItsPlace()
{
    // Ten entries 1 and 0s: score 1 goes below the existing 1 and the last 0 drops.
    TestSupport::TemporaryDataLocation data;
    writeRecords(data.filePath("/wgrecords.dat"), {2, 1, 0, 0, 0, 0, 0, 0, 0, 0});
    seedPool(10);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    m_prompt->answerNext("New");
    game.iconClicked(rightIndex(game));
    QCOMPARE(game.topList().size(), 10);
    QStringList names;
    for (QObject *item : game.topList())
        names << qobject_cast<Record *>(item)->player();
    QCOMPARE(names, QStringList({"P0", "P1", "New", "P2", "P3", "P4", "P5", "P6", "P7", "P8"}));
}

void TestWordGame::ignoredPicks_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("10") << 10;
    QTest::newRow("11") << 11;
    QTest::newRow("minimum") << std::numeric_limits<int>::min();
    QTest::newRow("maximum") << std::numeric_limits<int>::max();
}

void TestWordGame::ignoredPicks()
{
    QFETCH(int, index);
    TestSupport::TemporaryDataLocation data;
    seedPool(12);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    const QString answer = game.word();
    const QList<QObject *> pictures = game.imageList();
    SignalLog signalLog(&game);
    game.iconClicked(index);
    QVERIFY(signalLog.log.isEmpty());
    QCOMPARE(game.score(), 0);
    QVERIFY(!game.isFinished());
    QCOMPARE(game.word(), answer);
    QCOMPARE(game.imageList(), pictures);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(picture(game, i)->wordState(), 0);
    // The game goes on normally.
    game.iconClicked(rightIndex(game));
    QCOMPARE(game.score(), 1);
}

void TestWordGame::picksAfterGameOverIgnored()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(12);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    const int wrong = wrongIndex(game);
    game.iconClicked(wrong);
    QVERIFY(game.isFinished());
    const QString answer = game.word();

    SignalLog signalLog(&game);
    for (int i = -1; i <= 10; ++i)
        game.iconClicked(i);
    QVERIFY(signalLog.log.isEmpty());
    QCOMPARE(game.score(), 0);
    QCOMPARE(game.word(), answer);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(picture(game, i)->wordState(), i == wrong ? 1 : 0);
    QCOMPARE(WordStore::instance()->pool().size(), std::size_t(11));
}

void TestWordGame::picksAfterCompletionIgnored()
{
    TestSupport::TemporaryDataLocation data;
    writeRecords(data.filePath("/wgrecords.dat"), {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}); // no prompt
    seedPool(10);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    game.iconClicked(rightIndex(game));
    QVERIFY(game.isFinished());
    SignalLog signalLog(&game);
    for (int i = -1; i <= 10; ++i)
        game.iconClicked(i);
    QVERIFY(signalLog.log.isEmpty());
    QCOMPARE(game.score(), 1);
    QVERIFY(game.imageList().isEmpty());
}

void TestWordGame::retiredPicturesLiveUntilNextDeal()
{
    TestSupport::TemporaryDataLocation data;
    seedPool(13);
    WordGame game(m_prompt);
    QVERIFY(game.buildNewLists());
    QList<QPointer<QObject>> first;
    for (QObject *item : game.imageList())
        first << item;
    game.iconClicked(rightIndex(game));
    // Round 2 dealt: round 1's items still alive (the window republishes on
    // newListsBuiltSignal; until then the view names them).
    for (const QPointer<QObject> &item : first)
        QVERIFY(item);
    QList<QPointer<QObject>> second;
    for (QObject *item : game.imageList())
        second << item;
    game.iconClicked(rightIndex(game));
    // Round 3 dealt: round 1's items are gone, round 2's are kept.
    for (const QPointer<QObject> &item : first)
        QVERIFY(!item);
    for (const QPointer<QObject> &item : second)
        QVERIFY(item);
}

void TestWordGame::destructorFreesEverything()
{
    TestSupport::TemporaryDataLocation data;
    writeRecords(data.filePath("/wgrecords.dat"), {4, 2});
    seedPool(12);
    auto *game = new WordGame(m_prompt);
    QVERIFY(game->buildNewLists());
    QList<QPointer<QObject>> owned;
    for (QObject *item : game->imageList())
        owned << item;
    game->iconClicked(rightIndex(*game));
    for (QObject *item : game->imageList())
        owned << item;
    for (QObject *item : game->topList())
        owned << item;
    QCOMPARE(owned.size(), 22);
    QPointer<Word> answer;
    for (Word *word : WordStore::instance()->round()) {
        if (word->word() == game->word())
            answer = word;
    }
    QVERIFY(answer);
    delete game;
    for (const QPointer<QObject> &item : owned)
        QVERIFY(!item);
    // The answer belongs to the store.
    QVERIFY(answer);
}

QTEST_MAIN(TestWordGame)
#include "tst_wordgame.moc"
