// Both games under the parent's options: "Try again", 4 and 6 pictures, and
// the top ten kept for the original rules only. Seeded word pools.
#include "rulesupport.h"

#include "GameOptions.h"
#include "PairGame.h"
#include "Word.h"
#include "WordGame.h"
#include "WordStore.h"

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <memory>

using namespace TestSupport;

namespace {

GameOptions options(GameOptions::Mistakes mistakes, GameOptions::Pictures pictures,
                    GameOptions::Words words = GameOptions::AnyWords)
{
    GameOptions result;
    result.mistakes = mistakes;
    result.pictures = pictures;
    result.words = words;
    return result;
}

Word *item(const QList<QObject *> &list, int index)
{
    return qobject_cast<Word *>(list.at(index));
}

int indexOf(const QList<QObject *> &list, const QString &word, bool same = true)
{
    for (int i = 0; i < list.size(); ++i) {
        if ((item(list, i)->word() == word) == same)
            return i;
    }
    return -1;
}

QStringList states(const QList<QObject *> &list)
{
    QStringList result;
    for (QObject *object : list)
        result << QString::number(qobject_cast<Word *>(object)->wordState());
    return result;
}

QVariantMap missedEntry(const QString &word)
{
    return {{"imagePath", ":/png/Test/" + word + ".png"}, {"word", word}};
}

// Every signal of a game and every state change of the items it shows.
class Log
{
public:
    void watch(const QList<QObject *> &items, const QString &column = QString())
    {
        for (QObject *object : items) {
            auto *word = qobject_cast<Word *>(object);
            QObject::connect(word, &Word::wordStateChanged, &m_context, [this, word, column] {
                lines << QString("%1%2 %3").arg(column, word->word()).arg(word->wordState());
            });
        }
    }
    void watch(WordGame *game)
    {
        QObject::connect(game, &WordGame::gameOverSignal, &m_context, [this] { lines << "gameOver"; });
        QObject::connect(game, &WordGame::gameCompletedSignal, &m_context, [this] { lines << "completed"; });
        QObject::connect(game, &WordGame::scoreChangedSignal, &m_context, [this] { lines << "score"; });
        QObject::connect(game, &WordGame::newListsBuiltSignal, &m_context, [this, game] {
            lines << "newLists";
            watch(game->imageList());
        });
        QObject::connect(game, &WordGame::playSound, &m_context,
                         [this](const QString &path) { lines << "sound " + path; });
        watch(game->imageList());
    }
    void watch(PairGame *game)
    {
        QObject::connect(game, &PairGame::gameOverSignal, &m_context, [this] { lines << "gameOver"; });
        QObject::connect(game, &PairGame::gameCompletedSignal, &m_context, [this] { lines << "completed"; });
        QObject::connect(game, &PairGame::scoreChangedSignal, &m_context,
                         [this, game] { lines << QString("score %1").arg(game->score()); });
        QObject::connect(game, &PairGame::celebrateSignal, &m_context, [this] { lines << "celebrate"; });
        QObject::connect(game, &PairGame::wrongPairSignal, &m_context,
                         [this](int label, int icon) { lines << QString("wrongPair %1 %2").arg(label).arg(icon); });
        QObject::connect(game, &PairGame::newListsBuiltSignal, &m_context, [this, game] {
            lines << "newLists";
            watch(game->wordList(), "word ");
            watch(game->imageList(), "picture ");
        });
        QObject::connect(game, &PairGame::playSound, &m_context,
                         [this](const QString &path) { lines << "sound " + path; });
        watch(game->wordList(), "word ");
        watch(game->imageList(), "picture ");
    }

    QStringList lines;

private:
    QObject m_context;
};

QString wordSound(const QString &word)
{
    return "sound /recordings/" + word + ".mp3";
}

void seedPool(int count)
{
    std::vector<Word *> words;
    for (int i = 0; i < count; ++i) {
        auto *word = new Word;
        const QString name = QString("W%1").arg(i, 2, 10, QChar('0'));
        word->setWord(name);
        word->setImagePath(":/png/Test/" + name + ".png");
        word->setSoundPath("/recordings/" + name + ".mp3");
        word->setDictionary("Test");
        words.push_back(word);
    }
    WordStore::instance()->setPoolForTesting(std::move(words));
}

// Picks right until the game ends; returns the answers of the rounds played.
QStringList playToTheEnd(WordGame &game)
{
    QStringList answers;
    while (!game.isFinished() && answers.size() < 100) {
        answers << game.word();
        game.iconClicked(indexOf(game.imageList(), game.word()));
    }
    return answers;
}

} // namespace

class TestTryAgain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wordGameWrongPicks_data();
    void wordGameWrongPicks();
    void missedWordComesBackTwoRoundsLater();
    void missedWordComesBackAtTheEnd();
    void wordGameDealsAndCompletes_data();
    void wordGameDealsAndCompletes();
    void wrongPickWithFewerPicturesEndsUnranked();
    void pairGameWrongPair_data();
    void pairGameWrongPair();
    void pairGameDealsAndCompletes_data();
    void pairGameDealsAndCompletes();
    void lookAlikesNeverMeet_data();
    void lookAlikesNeverMeet();

private:
    std::unique_ptr<TemporaryDataLocation> m_data;
    std::unique_ptr<ScriptedPrompt> m_prompt;
};

void TestTryAgain::initTestCase()
{
    initCoreApplication();
    std::srand(20240611);
}

void TestTryAgain::init()
{
    m_data.reset(new TemporaryDataLocation);
    m_prompt.reset(new ScriptedPrompt);
}

void TestTryAgain::cleanup()
{
    m_prompt.reset();
    delete WordStore::instance();
    m_data.reset();
}

void TestTryAgain::wordGameWrongPicks_data()
{
    QTest::addColumn<GameOptions::Pictures>("pictures");
    QTest::newRow("4 pictures") << GameOptions::FourPictures;
    QTest::newRow("6 pictures") << GameOptions::SixPictures;
    QTest::newRow("10 pictures") << GameOptions::TenPictures;
}

void TestTryAgain::wordGameWrongPicks()
{
    QFETCH(GameOptions::Pictures, pictures);
    seedPool(12);
    WordGame game(m_prompt.get(), options(GameOptions::TryAgain, pictures));
    QVERIFY(game.buildNewLists());
    QCOMPARE(game.imageList().size(), int(pictures));
    QCOMPARE(game.picturesPerRound(), int(pictures));
    const QString answer = game.word();
    const int right = indexOf(game.imageList(), answer);
    const int first = indexOf(game.imageList(), answer, false);
    const QString firstWord = item(game.imageList(), first)->word();
    Log log;
    log.watch(&game);

    // The first wrong pick greys the picture and speaks the word again.
    game.iconClicked(first);
    QCOMPARE(log.lines, QStringList({firstWord + " 3", wordSound(answer)}));
    QVERIFY(!game.isFinished());
    QCOMPARE(game.word(), answer);
    // A greyed picture is out of play for the round.
    log.lines.clear();
    game.iconClicked(first);
    QCOMPARE(log.lines, QStringList());

    // The view's replay asks for the same recording.
    QVERIFY(QMetaObject::invokeMethod(&game, "playWordSound"));
    QCOMPARE(log.lines, QStringList(wordSound(answer)));

    // The second wrong pick marks the right picture.
    int second = -1;
    for (int i = 0; i < game.imageList().size() && second < 0; ++i) {
        if (i != first && i != right)
            second = i;
    }
    const QString secondWord = item(game.imageList(), second)->word();
    log.lines.clear();
    game.iconClicked(second);
    QCOMPARE(log.lines, QStringList({secondWord + " 3", answer + " 4", wordSound(answer)}));
    QStringList expected;
    for (int i = 0; i < game.imageList().size(); ++i)
        expected << "0";
    expected[first] = expected[second] = "3";
    expected[right] = "4";
    QCOMPARE(states(game.imageList()), expected);

    // The right pick ends the round without a point, and the game goes on.
    log.lines.clear();
    game.iconClicked(right);
    QCOMPARE(log.lines, QStringList({answer + " 1", wordSound(game.word()), "newLists"}));
    QCOMPARE(game.score(), 0);
    QVERIFY(!game.isFinished());
    QCOMPARE(game.missedWords(), QVariantList({missedEntry(answer)}));
}

void TestTryAgain::missedWordComesBackTwoRoundsLater()
{
    // 12 words, 4 pictures: twelve fresh rounds, and the word missed in the
    // first one dealt again as the third.
    const auto &prompts = *m_prompt;
    seedPool(12);
    WordGame game(m_prompt.get(), options(GameOptions::TryAgain, GameOptions::FourPictures));
    QVERIFY(game.buildNewLists());
    const QString missed = game.word();
    const QString missedImage = game.imagePath();
    game.iconClicked(indexOf(game.imageList(), missed, false));
    game.iconClicked(indexOf(game.imageList(), missed));
    QCOMPARE(game.score(), 0);

    QStringList answers = {missed};
    answers << playToTheEnd(game);
    QCOMPARE(answers.size(), 13);
    QVERIFY(answers.at(1) != missed);
    QCOMPARE(answers.at(2), missed);
    QCOMPARE(answers.count(missed), 2);
    QCOMPARE(QSet<QString>(answers.cbegin(), answers.cend()).size(), 12);
    QCOMPARE(game.score(), 12);
    QCOMPARE(game.missedWords(), QVariantList({QVariantMap{{"imagePath", missedImage}, {"word", missed}}}));
    // Not comparable with the top ten: no prompt, no entry, no file.
    QCOMPARE(prompts.asked.size(), 0);
    QVERIFY(game.topList().isEmpty());
    QVERIFY(!QFile::exists(m_data->filePath("/wgrecords.dat")));
}

void TestTryAgain::missedWordComesBackAtTheEnd()
{
    // 5 words, 4 pictures. A word missed in the second round comes back as
    // soon as the pool cannot fill a round, and again after a second miss;
    // then the words left are asked.
    const auto &prompts = *m_prompt;
    seedPool(5);
    WordGame game(m_prompt.get(), options(GameOptions::TryAgain, GameOptions::FourPictures));
    QVERIFY(game.buildNewLists());
    game.iconClicked(indexOf(game.imageList(), game.word()));
    const QString missed = game.word();
    Log log;
    log.watch(&game);
    game.iconClicked(indexOf(game.imageList(), missed, false));
    game.iconClicked(indexOf(game.imageList(), missed));
    QVERIFY(!log.lines.contains("completed"));
    QCOMPARE(game.word(), missed);
    // Its round is dealt from what the pool still holds: three other words.
    QCOMPARE(game.imageList().size(), 4);
    QCOMPARE(WordStore::instance()->pool().size(), std::size_t(3));
    for (Word *word : WordStore::instance()->pool())
        QVERIFY(indexOf(game.imageList(), word->word()) >= 0);

    game.iconClicked(indexOf(game.imageList(), missed, false));
    game.iconClicked(indexOf(game.imageList(), missed));
    QCOMPARE(game.word(), missed);
    game.iconClicked(indexOf(game.imageList(), missed));
    QCOMPARE(playToTheEnd(game).size(), 3);
    QCOMPARE(log.lines.last(), QString("completed"));
    QCOMPARE(game.score(), 5);
    QCOMPARE(game.missedWords(), QVariantList({missedEntry(missed)}));
    QVERIFY(!game.playWordSound());
    QCOMPARE(prompts.asked.size(), 0);
}

void TestTryAgain::wordGameDealsAndCompletes_data()
{
    QTest::addColumn<GameOptions::Mistakes>("mistakes");
    QTest::addColumn<GameOptions::Pictures>("pictures");
    QTest::addColumn<int>("poolSize");
    QTest::addColumn<bool>("ranked");
    QTest::addColumn<GameOptions::Words>("words");
    const auto any = GameOptions::AnyWords;
    QTest::newRow("end the game, 4") << GameOptions::EndTheGame << GameOptions::FourPictures << 6 << false << any;
    QTest::newRow("end the game, 6") << GameOptions::EndTheGame << GameOptions::SixPictures << 8 << false << any;
    QTest::newRow("try again, 6") << GameOptions::TryAgain << GameOptions::SixPictures << 7 << false << any;
    QTest::newRow("try again, 10") << GameOptions::TryAgain << GameOptions::TenPictures << 11 << false << any;
    QTest::newRow("end the game, 10") << GameOptions::EndTheGame << GameOptions::TenPictures << 11 << true << any;
    QTest::newRow("end the game, 10 of 8") << GameOptions::EndTheGame << GameOptions::TenPictures << 8 << true << any;
    QTest::newRow("try again, 10 of 8") << GameOptions::TryAgain << GameOptions::TenPictures << 8 << false << any;
    QTest::newRow("try again, 6 of 8") << GameOptions::TryAgain << GameOptions::SixPictures << 8 << false << any;
    QTest::newRow("to learn, 10 of 5") << GameOptions::EndTheGame << GameOptions::TenPictures << 5 << false
                                       << GameOptions::ToLearn;
}

void TestTryAgain::wordGameDealsAndCompletes()
{
    QFETCH(GameOptions::Mistakes, mistakes);
    QFETCH(GameOptions::Pictures, pictures);
    QFETCH(int, poolSize);
    QFETCH(bool, ranked);
    QFETCH(GameOptions::Words, words);
    const auto &prompts = *m_prompt;
    seedPool(poolSize);
    WordGame game(m_prompt.get(), options(mistakes, pictures, words));
    QVERIFY(game.buildNewLists());
    Log log;
    log.watch(&game);

    // Each round: that many different pictures (all the words when fewer), the
    // answer among them once. A practice game asks every word.
    const int size = std::min(poolSize, int(pictures));
    const int rounds = game.options().asksEveryWord() ? poolSize : poolSize - size + 1;
    QStringList answers;
    for (int round = 0; round < rounds; ++round) {
        const QSet<QString> shown = [&] {
            QSet<QString> set;
            for (QObject *object : game.imageList())
                set.insert(qobject_cast<Word *>(object)->word());
            return set;
        }();
        QCOMPARE(game.imageList().size(), size);
        QCOMPARE(shown.size(), size);
        QVERIFY(shown.contains(game.word()));
        answers << game.word();
        game.iconClicked(indexOf(game.imageList(), game.word()));
    }
    QVERIFY(game.isFinished());
    QCOMPARE(log.lines.last(), QString("completed"));
    QCOMPARE(QSet<QString>(answers.cbegin(), answers.cend()).size(), rounds);
    QCOMPARE(game.score(), rounds);
    QVERIFY(game.missedWords().isEmpty());
    QCOMPARE(prompts.asked.size(), ranked ? 1 : 0);
    QCOMPARE(game.topList().size(), ranked ? 1 : 0);
    QCOMPARE(QFile::exists(m_data->filePath("/wgrecords.dat")), ranked);
}

void TestTryAgain::wrongPickWithFewerPicturesEndsUnranked()
{
    // "End the game" with 6 pictures: a wrong pick ends it as ever, but a
    // score that would enter the list asks for no name.
    const auto &prompts = *m_prompt;
    seedPool(10);
    WordGame game(m_prompt.get(), options(GameOptions::EndTheGame, GameOptions::SixPictures));
    QVERIFY(game.buildNewLists());
    game.iconClicked(indexOf(game.imageList(), game.word()));
    QCOMPARE(game.score(), 1);
    Log log;
    log.watch(&game);
    game.iconClicked(indexOf(game.imageList(), game.word(), false));
    QCOMPARE(log.lines.mid(1), QStringList({"score", "gameOver"}));
    QVERIFY(game.isFinished());
    QCOMPARE(prompts.asked.size(), 0);
    QVERIFY(game.topList().isEmpty());
    QVERIFY(!QFile::exists(m_data->filePath("/wgrecords.dat")));
}

void TestTryAgain::pairGameWrongPair_data()
{
    QTest::addColumn<bool>("wordFirst");
    QTest::newRow("word first") << true;
    QTest::newRow("picture first") << false;
}

void TestTryAgain::pairGameWrongPair()
{
    QFETCH(bool, wordFirst);
    const auto &prompts = *m_prompt;
    seedPool(4);
    PairGame game(m_prompt.get(), options(GameOptions::TryAgain, GameOptions::SixPictures));
    QVERIFY(game.buildNewLists());
    QCOMPARE(game.wordList().size(), 4);
    QCOMPARE(game.pairsPerRound(), 4);
    Log log;
    log.watch(&game);

    const int label = 1;
    const QString w = item(game.wordList(), label)->word();
    const int picture = indexOf(game.imageList(), w, false);
    const QString p = item(game.imageList(), picture)->word();
    const QString wrongPair = QString("wrongPair %1 %2").arg(label).arg(picture);
    if (wordFirst) {
        game.labelClicked(label);
        game.iconClicked(picture);
        // Selecting a word speaks it; the wrong pair speaks it once more.
        QCOMPARE(log.lines,
                 QStringList({"word " + w + " 1", wordSound(w), "picture " + p + " 1", "word " + w + " 0",
                              "picture " + p + " 0", wrongPair, wordSound(w)}));
        QCOMPARE(game.missedWords(), QVariantList({missedEntry(w)}));
    } else {
        game.iconClicked(picture);
        game.labelClicked(label);
        QCOMPARE(log.lines,
                 QStringList({"picture " + p + " 1", "word " + w + " 1", "word " + w + " 0", "picture " + p + " 0",
                              wrongPair, wordSound(w)}));
        QCOMPARE(game.missedWords(), QVariantList({missedEntry(p)}));
    }
    QCOMPARE(game.score(), 0);
    QCOMPARE(states(game.wordList()), QStringList({"0", "0", "0", "0"}));
    QCOMPARE(states(game.imageList()), QStringList({"0", "0", "0", "0"}));

    // The same mistake again lists nothing new; then the round is played out.
    if (wordFirst) {
        game.labelClicked(label);
        game.iconClicked(picture);
    } else {
        game.iconClicked(picture);
        game.labelClicked(label);
    }
    QCOMPARE(game.missedWords().size(), 1);
    for (int i = 0; i < 4; ++i) {
        game.labelClicked(i);
        game.iconClicked(indexOf(game.imageList(), item(game.wordList(), i)->word()));
    }
    QCOMPARE(game.score(), 4);
    QCOMPARE(log.lines.mid(log.lines.size() - 3), QStringList({"celebrate", "score 4", "completed"}));
    QVERIFY(!log.lines.contains("gameOver"));
    QCOMPARE(prompts.asked.size(), 0);
    QVERIFY(!QFile::exists(m_data->filePath("/pgrecords.dat")));
}

void TestTryAgain::pairGameDealsAndCompletes_data()
{
    QTest::addColumn<GameOptions::Mistakes>("mistakes");
    QTest::addColumn<GameOptions::Pictures>("pictures");
    QTest::addColumn<int>("pairs");
    QTest::addColumn<bool>("ranked");
    QTest::addColumn<int>("poolSize");
    QTest::newRow("end the game, 3 pairs") << GameOptions::EndTheGame << GameOptions::FourPictures << 3 << false << 8;
    QTest::newRow("try again, 3 pairs") << GameOptions::TryAgain << GameOptions::FourPictures << 3 << false << 8;
    QTest::newRow("end the game, 4 pairs") << GameOptions::EndTheGame << GameOptions::SixPictures << 4 << false << 11;
    QTest::newRow("try again, 6 pairs") << GameOptions::TryAgain << GameOptions::TenPictures << 6 << false << 17;
    QTest::newRow("end the game, 6 pairs") << GameOptions::EndTheGame << GameOptions::TenPictures << 6 << true << 17;
    QTest::newRow("try again, 6 pairs of 8") << GameOptions::TryAgain << GameOptions::TenPictures << 6 << false << 8;
    QTest::newRow("end the game, 6 pairs of 4")
        << GameOptions::EndTheGame << GameOptions::TenPictures << 6 << true << 4;
}

void TestTryAgain::pairGameDealsAndCompletes()
{
    QFETCH(GameOptions::Mistakes, mistakes);
    QFETCH(GameOptions::Pictures, pictures);
    QFETCH(int, pairs);
    QFETCH(bool, ranked);
    QFETCH(int, poolSize);
    const auto &prompts = *m_prompt;
    seedPool(poolSize);
    PairGame game(m_prompt.get(), options(mistakes, pictures));
    QVERIFY(game.buildNewLists());
    Log log;
    log.watch(&game);

    // A practice game shows every word, its last round filled with words shown before.
    const bool everyWord = game.options().asksEveryWord();
    const int size = std::min(pairs, poolSize);
    const int rounds = everyWord ? (poolSize + size - 1) / size : poolSize / size;
    QSet<QString> shown;
    for (int round = 0; round < rounds; ++round) {
        QCOMPARE(game.wordList().size(), size);
        QCOMPARE(game.imageList().size(), size);
        for (int i = 0; i < size; ++i) {
            shown.insert(item(game.wordList(), i)->word());
            QVERIFY(indexOf(game.imageList(), item(game.wordList(), i)->word()) >= 0);
            game.iconClicked(indexOf(game.imageList(), item(game.wordList(), i)->word()));
            game.labelClicked(i);
            // Each round ends at its last pair, not before.
            QCOMPARE(log.lines.contains("celebrate"), i == size - 1);
        }
        QCOMPARE(game.score(), (round + 1) * size);
        QCOMPARE(log.lines.last(), QString(round < rounds - 1 ? "newLists" : "completed"));
        log.lines.clear();
    }
    QCOMPARE(shown.size(), everyWord ? poolSize : rounds * size);
    QCOMPARE(WordStore::instance()->pool().size(), std::size_t(poolSize - shown.size()));
    QCOMPARE(prompts.asked.size(), ranked ? 1 : 0);
    QCOMPARE(game.topList().size(), ranked ? 1 : 0);
    QCOMPARE(QFile::exists(m_data->filePath("/pgrecords.dat")), ranked);
}

void TestTryAgain::lookAlikesNeverMeet_data()
{
    QTest::addColumn<bool>("pairGame");
    QTest::newRow("word game") << false;
    QTest::newRow("pair game") << true;
}

void TestTryAgain::lookAlikesNeverMeet()
{
    // Two groups among eight words, W00 to W02 and W03 with W04: a Word Game
    // round leaves out its answer's group-mates, a Pair Game round holds one
    // word of a group, and every word is still asked.
    QFETCH(bool, pairGame);
    const auto groupOf = [](QObject *word) {
        const int n = qobject_cast<Word *>(word)->word().mid(1).toInt();
        return n < 3 ? 0 : n < 5 ? 1 : -n;
    };
    for (int seed = 0; seed < 100; ++seed) {
        std::srand(unsigned(seed));
        seedPool(8);
        WordStore::instance()->setLookAlikes({{"Test/W00", "Test/W01", "Test/W02"}, {"Test/W03", "Test/W04"}});
        WordGame words(nullptr, options(GameOptions::TryAgain, GameOptions::FourPictures));
        PairGame pairs(nullptr, options(GameOptions::TryAgain, GameOptions::FourPictures));
        QSignalSpy completed(&pairs, &PairGame::gameCompletedSignal);
        QVERIFY(pairGame ? pairs.buildNewLists() : words.buildNewLists());
        QSet<QString> asked;
        for (int round = 0; round < 20 && (pairGame ? completed.isEmpty() : !words.isFinished()); ++round) {
            const QList<QObject *> shown = pairGame ? pairs.wordList() : words.imageList();
            QList<int> groups;
            QStringList names;
            for (QObject *word : shown) {
                groups << groupOf(word);
                names << qobject_cast<Word *>(word)->word();
            }
            if (!pairGame) {
                QCOMPARE(groups.count(groups.at(names.indexOf(words.word()))), 1);
                asked << words.word();
                words.iconClicked(names.indexOf(words.word()));
                continue;
            }
            QCOMPARE(QSet<int>(groups.cbegin(), groups.cend()).size(), groups.size());
            for (const QString &name : names) {
                asked << name;
                pairs.labelClicked(indexOf(pairs.wordList(), name));
                pairs.iconClicked(indexOf(pairs.imageList(), name));
            }
        }
        QCOMPARE(asked.size(), 8);
    }
}

QTEST_MAIN(TestTryAgain)
#include "tst_tryagain.moc"
