// The Pair Game's rules, played through its two slots on pools of made-up words.
#include "rulesupport.h"

#include "DataDirectory.h"
#include "PairGame.h"
#include "Record.h"
#include "Word.h"
#include "WordStore.h"

#include <QDataStream>
#include <QFile>
#include <QPointer>
#include <QTest>

#include <memory>
#include <vector>

using namespace TestSupport;

namespace {

Word *item(const QList<QObject *> &list, int index)
{
    return qobject_cast<Word *>(list.at(index));
}

int indexOfWord(const QList<QObject *> &list, const QString &word)
{
    for (int i = 0; i < list.size(); ++i) {
        if (item(list, i)->word() == word)
            return i;
    }
    return -1;
}

// Any index of the list whose word differs from the given one.
int indexOfOtherWord(const QList<QObject *> &list, const QString &word)
{
    for (int i = 0; i < list.size(); ++i) {
        if (item(list, i)->word() != word)
            return i;
    }
    return -1;
}

// Every signal of the game and every state change of the items it shows, in
// one list, in the order they happen.
class Recorder
{
public:
    explicit Recorder(PairGame *game)
        : m_game(game)
    {
        QObject::connect(game, &PairGame::gameOverSignal, &m_context, [this](bool failedList, int n) {
            events << QString("gameOver %1 %2").arg(failedList ? "true" : "false").arg(n);
        });
        QObject::connect(game, &PairGame::gameCompletedSignal, &m_context, [this] { events << "completed"; });
        QObject::connect(game, &PairGame::scoreChangedSignal, &m_context,
                         [this] { events << QString("score %1").arg(m_game->score()); });
        QObject::connect(game, &PairGame::newListsBuiltSignal, &m_context, [this] {
            events << "newLists";
            watchItems();
        });
        QObject::connect(game, &PairGame::newTopListBuiltSignal, &m_context,
                         [this] { events << QString("newTopList %1").arg(m_game->topList().size()); });
        QObject::connect(game, &PairGame::celebrateSignal, &m_context, [this] { events << "celebrate"; });
        QObject::connect(game, &PairGame::playSound, &m_context,
                         [this](const QString &path) { events << "sound " + path; });
    }

    // Call after the first deal; later rounds are picked up by themselves.
    void watchItems()
    {
        watch(m_game->imageList(), "picture");
        watch(m_game->wordList(), "word");
    }

    QStringList events;

private:
    void watch(const QList<QObject *> &list, const QString &column)
    {
        for (QObject *object : list) {
            Word *word = qobject_cast<Word *>(object);
            QObject::connect(word, &Word::wordStateChanged, &m_context, [this, word, column] {
                events << QString("%1 %2 %3").arg(column, word->word()).arg(word->wordState());
            });
        }
    }

    PairGame *m_game;
    QObject m_context;
};

// A game on a fresh pool, in its own data folder, with its own name prompt.
struct Table
{
    explicit Table(int poolSize, const GameOptions &options = GameOptions())
    {
        WordStore::instance()->setPoolForTesting(makeWords(poolSize));
        game = new PairGame(&prompt, options);
        recorder.reset(new Recorder(game));
    }
    ~Table()
    {
        delete game;
        delete WordStore::instance();
    }
    bool deal()
    {
        const bool dealt = game->buildNewLists();
        recorder->watchItems();
        return dealt;
    }
    QStringList &events() { return recorder->events; }
    QString word(int label) const { return item(game->wordList(), label)->word(); }
    int pictureOf(const QString &word) const { return indexOfWord(game->imageList(), word); }
    int labelOf(const QString &word) const { return indexOfWord(game->wordList(), word); }
    // A picture whose word is none of the given ones.
    int pictureNotOf(const QStringList &words) const
    {
        for (int i = 0; i < game->imageList().size(); ++i) {
            if (!words.contains(item(game->imageList(), i)->word()))
                return i;
        }
        return -1;
    }
    // Makes the pair of word label, word first.
    void pair(int label)
    {
        const int picture = pictureOf(word(label));
        game->labelClicked(label);
        game->iconClicked(picture);
    }
    // Joins every pair of the round, word first.
    void playRound()
    {
        QStringList words;
        for (QObject *object : game->wordList())
            words << qobject_cast<Word *>(object)->word();
        for (const QString &w : words) {
            game->labelClicked(labelOf(w));
            game->iconClicked(pictureOf(w));
        }
    }

    TemporaryDataLocation data;
    ScriptedPrompt prompt;
    PairGame *game = nullptr;
    std::unique_ptr<Recorder> recorder;
};

QByteArray recordBytes(const QList<QPair<QString, qint16>> &records)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const auto &record : records)
        out << record.first << record.second;
    return bytes;
}

} // namespace

class TestPairGame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initCoreApplication(); }

    void dealCopiesTheWordsAndReshufflesThePictures();
    void firstDealFailsWithTwoWords();
    void answersOfARound_data();
    void answersOfARound();
    void secondTapDeselects();
    void tapOnAnotherItemMovesTheSelection();
    void rightPair_data();
    void rightPair();
    void wrongPair_data();
    void wrongPair();
    void wrongPairAfterScoringAsksForTheName();
    void sixthPairCelebratesAndDealsANewRound();
    void completion_data();
    void completion();
    void strayTapsDoNothing();
};

void TestPairGame::dealCopiesTheWordsAndReshufflesThePictures()
{
    Table t(12);
    QVERIFY(t.deal());
    // Dealing tells nobody: the window publishes the first round itself.
    QCOMPARE(t.events(), QStringList());
    QCOMPARE(WordStore::instance()->pool().size(), size_t(6));

    const QList<QObject *> &words = t.game->wordList();
    const QList<QObject *> &pictures = t.game->imageList();
    QCOMPARE(words.size(), 6);
    QCOMPARE(pictures.size(), 6);
    const std::vector<Word *> &round = WordStore::instance()->round();
    for (int i = 0; i < 6; ++i) {
        // The pictures are the store's own round items, in its order.
        QCOMPARE(pictures.at(i), static_cast<QObject *>(round.at(size_t(i))));
        Word *copy = item(words, i);
        QVERIFY(!pictures.contains(copy));
        QCOMPARE(copy->wordState(), 0);
        QCOMPARE(item(pictures, i)->wordState(), 0);
        const int picture = t.pictureOf(copy->word());
        QVERIFY(picture >= 0);
        QCOMPARE(copy->imagePath(), item(pictures, picture)->imagePath());
        QCOMPARE(copy->soundPath(), item(pictures, picture)->soundPath());
    }
    QCOMPARE(t.game->score(), 0);
}

void TestPairGame::firstDealFailsWithTwoWords()
{
    Table t(2);
    QVERIFY(!t.deal());
    QVERIFY(t.game->wordList().isEmpty());
    QVERIFY(t.game->imageList().isEmpty());
    QCOMPARE(WordStore::instance()->pool().size(), size_t(2));

    // Nothing to tap on: the game must neither crash nor react.
    t.game->iconClicked(0);
    t.game->labelClicked(0);
    QCOMPARE(t.events(), QStringList());
    QCOMPARE(t.game->score(), 0);
}

void TestPairGame::answersOfARound_data()
{
    QTest::addColumn<GameOptions::Mistakes>("mistakes");
    QTest::newRow("end the game") << GameOptions::EndTheGame;
    QTest::newRow("try again") << GameOptions::TryAgain;
}

void TestPairGame::answersOfARound()
{
    // The first item of a wrong pair names the word: one mistake a round,
    // however often; each other pair right at the first try.
    QFETCH(GameOptions::Mistakes, mistakes);
    GameOptions options;
    options.mistakes = mistakes;
    Table t(6, options);
    QSignalSpy answered(t.game, &PairGame::answered);
    QVERIFY(t.deal());
    const QString first = t.word(0);
    for (int i = 0; i < 2; ++i) {
        t.game->labelClicked(0);
        t.game->iconClicked(t.pictureNotOf({first}));
    }
    QStringList expected("Test/" + first + " 1");
    for (int label = 1; label < 6 && mistakes == GameOptions::TryAgain; ++label) {
        expected << "Test/" + t.word(label) + " 0";
        t.pair(label);
    }
    QCOMPARE(answers(answered), expected);
}

void TestPairGame::secondTapDeselects()
{
    Table t(12);
    QVERIFY(t.deal());
    const QString first = item(t.game->imageList(), 2)->word();

    t.game->iconClicked(2);
    t.game->iconClicked(2);
    // With the picture deselected, its word is only a selection, not a pair.
    const int label = t.labelOf(first);
    t.game->labelClicked(label);
    QCOMPARE(t.events(), QStringList({"picture " + first + " 1", "picture " + first + " 0", "word " + first + " 1"}));
    t.game->labelClicked(label);
    QCOMPARE(t.events().last(), "word " + first + " 0");
    QCOMPARE(t.game->score(), 0);

    // And the other way round: a deselected word leaves a picture unjudged.
    t.events().clear();
    t.game->labelClicked(label);
    t.game->labelClicked(label);
    t.game->iconClicked(t.pictureOf(t.word(indexOfOtherWord(t.game->wordList(), first))));
    QCOMPARE(t.events().size(), 3);
    QCOMPARE(t.game->score(), 0);
}

void TestPairGame::tapOnAnotherItemMovesTheSelection()
{
    Table t(12);
    QVERIFY(t.deal());
    const QString a = item(t.game->imageList(), 0)->word();
    const QString b = item(t.game->imageList(), 1)->word();

    t.game->iconClicked(0);
    t.game->iconClicked(1);
    QCOMPARE(t.events(), QStringList({"picture " + a + " 1", "picture " + b + " 1", "picture " + a + " 0"}));
    // The pair is judged against the picture selected last.
    t.game->labelClicked(t.labelOf(b));
    QCOMPARE(t.game->score(), 1);

    t.events().clear();
    QStringList open;
    for (int i = 0; i < 6; ++i) {
        if (t.word(i) != b)
            open << t.word(i);
    }
    const QString c = open.at(0);
    const QString e = open.at(1);
    t.game->labelClicked(t.labelOf(e));
    t.game->labelClicked(t.labelOf(c));
    QCOMPARE(t.events(), QStringList({"word " + e + " 1", "word " + c + " 1", "word " + e + " 0"}));
    t.game->iconClicked(t.pictureOf(c));
    QCOMPARE(t.game->score(), 2);
    QCOMPARE(item(t.game->wordList(), t.labelOf(e))->wordState(), 0);
}

void TestPairGame::rightPair_data()
{
    QTest::addColumn<bool>("wordFirst");
    QTest::newRow("word first") << true;
    QTest::newRow("picture first") << false;
}

void TestPairGame::rightPair()
{
    QFETCH(bool, wordFirst);
    Table t(12);
    QVERIFY(t.deal());
    const int label = 3;
    const QString w = t.word(label);
    const int picture = t.pictureOf(w);
    Word *wordItem = item(t.game->wordList(), label);
    Word *pictureItem = item(t.game->imageList(), picture);

    if (wordFirst) {
        t.game->labelClicked(label);
        t.game->iconClicked(picture);
    } else {
        t.game->iconClicked(picture);
        t.game->labelClicked(label);
    }

    const QString tapped = wordFirst ? "word " + w + " 1" : "picture " + w + " 1";
    const QString second = wordFirst ? "picture " + w + " 1" : "word " + w + " 1";
    QCOMPARE(t.events(),
             QStringList({tapped, second, "score 1", "sound /sounds/Test/" + w + ".mp3", "picture " + w + " 2",
                          "word " + w + " 2"}));
    QCOMPARE(t.game->score(), 1);
    QCOMPARE(t.game->property("score").toInt(), 1);
    QCOMPARE(wordItem->wordState(), 2);
    QCOMPARE(pictureItem->wordState(), 2);

    // Both selections are cleared: a new picture alone is only selected.
    t.events().clear();
    const int next = t.pictureOf(t.word(label == 0 ? 1 : 0));
    t.game->iconClicked(next);
    QCOMPARE(t.events(), QStringList("picture " + item(t.game->imageList(), next)->word() + " 1"));
}

void TestPairGame::wrongPair_data()
{
    QTest::addColumn<bool>("wordFirst");
    QTest::newRow("word first, ended on a picture") << true;
    QTest::newRow("picture first, ended on a word") << false;
}

void TestPairGame::wrongPair()
{
    QFETCH(bool, wordFirst);
    Table t(12);
    auto &prompts = t.prompt;
    QVERIFY(t.deal());
    const int label = 4;
    const QString w = t.word(label);
    const int picture = indexOfOtherWord(t.game->imageList(), w);
    const QString p = item(t.game->imageList(), picture)->word();

    QStringList expected;
    if (wordFirst) {
        t.game->labelClicked(label);
        t.game->iconClicked(picture);
        expected << "word " + w + " 1"
                 << "picture " + p + " 1"
                 << "score 0" << QString("gameOver false %1").arg(label);
    } else {
        t.game->iconClicked(picture);
        t.game->labelClicked(label);
        expected << "picture " + p + " 1"
                 << "word " + w + " 1"
                 << "score 0" << QString("gameOver true %1").arg(picture);
    }
    QCOMPARE(t.events(), expected);
    // The failed pair stays marked under the end panel; a score of 0 asks nothing.
    QCOMPARE(item(t.game->wordList(), label)->wordState(), 1);
    QCOMPARE(item(t.game->imageList(), picture)->wordState(), 1);
    QCOMPARE(prompts.asked.size(), 0);
    QVERIFY(t.game->topList().isEmpty());
    QVERIFY(!QFile::exists(t.data.filePath("/pgrecords.dat")));
}

void TestPairGame::wrongPairAfterScoringAsksForTheName()
{
    Table t(12);
    auto &prompts = t.prompt;
    prompts.answerNext("Ada");
    QVERIFY(t.deal());
    t.pair(0);
    t.events().clear();

    const int open = t.pictureNotOf({t.word(0), t.word(1)});
    const int label = 1;
    t.game->iconClicked(open);
    t.game->labelClicked(label);

    // The new entry is in the list before the end signal arrives.
    const QString p = item(t.game->imageList(), open)->word();
    QCOMPARE(t.events(),
             QStringList({"picture " + p + " 1", "word " + t.word(label) + " 1", "newTopList 1", "score 1",
                          QString("gameOver true %1").arg(open)}));
    QCOMPARE(prompts.asked.size(), 1);
    QCOMPARE(prompts.asked.at(0).title, QString("You made it to top 10!"));
    QCOMPARE(prompts.asked.at(0).label, QString("Enter your name!"));

    QCOMPARE(t.game->topList().size(), 1);
    auto *record = qobject_cast<Record *>(t.game->topList().at(0));
    QCOMPARE(record->player(), QString("Ada"));
    QCOMPARE(record->score(), qint16(1));
    QCOMPARE(readFile(t.data.filePath("/pgrecords.dat")), recordBytes({{"Ada", 1}}));
}

void TestPairGame::sixthPairCelebratesAndDealsANewRound()
{
    Table t(18);
    QVERIFY(t.deal());
    QList<QPointer<QObject>> oldCopies;
    QStringList oldWords;
    for (QObject *copy : t.game->wordList()) {
        oldCopies << copy;
        oldWords << qobject_cast<Word *>(copy)->word();
    }

    // Five pairs: no celebration yet.
    for (int i = 0; i < 5; ++i) {
        t.game->labelClicked(i);
        t.game->iconClicked(t.pictureOf(t.word(i)));
    }
    QVERIFY(!t.events().contains("celebrate"));
    t.events().clear();

    const QString last = t.word(5);
    t.game->iconClicked(t.pictureOf(last));
    t.game->labelClicked(5);
    QCOMPARE(
        t.events(),
        QStringList({"picture " + last + " 1", "word " + last + " 1", "score 6", "sound /sounds/Test/" + last + ".mp3",
                     "picture " + last + " 2", "word " + last + " 2", "celebrate", "newLists"}));

    // A fresh round of six unseen words, all in play.
    QCOMPARE(t.game->wordList().size(), 6);
    QCOMPARE(t.game->imageList().size(), 6);
    for (int i = 0; i < 6; ++i) {
        QVERIFY(!oldWords.contains(t.word(i)));
        QCOMPARE(item(t.game->wordList(), i)->wordState(), 0);
        QCOMPARE(item(t.game->imageList(), i)->wordState(), 0);
        QVERIFY(t.pictureOf(t.word(i)) >= 0);
    }
    QCOMPARE(WordStore::instance()->pool().size(), size_t(6));

    // The view may still hold the old copies until the window republishes.
    for (const auto &copy : oldCopies)
        QVERIFY(copy);

    // The new round plays like the first, and its copies replace the old ones.
    t.events().clear();
    t.playRound();
    QCOMPARE(t.game->score(), 12);
    QCOMPARE(t.events().count("celebrate"), 1);
    QCOMPARE(t.events().last(), QString("newLists"));
    for (const auto &copy : oldCopies)
        QVERIFY(!copy);

    QList<QPointer<QObject>> current;
    for (QObject *copy : t.game->wordList())
        current << copy;
    delete t.game;
    t.game = nullptr;
    for (const auto &copy : current)
        QVERIFY(!copy);
}

void TestPairGame::completion_data()
{
    QTest::addColumn<int>("poolSize");
    QTest::newRow("twelve words") << 12;
    QTest::newRow("seventeen words") << 17;
}

void TestPairGame::completion()
{
    QFETCH(int, poolSize);
    Table t(poolSize);
    auto &prompts = t.prompt;
    prompts.answerNext("Grace");
    QVERIFY(t.deal());

    t.playRound();
    QCOMPARE(t.events().last(), QString("newLists"));
    QList<QPointer<QObject>> lastCopies;
    for (QObject *copy : t.game->wordList())
        lastCopies << copy;
    t.events().clear();
    t.playRound();

    // Two rounds, whatever is left over; the sixth pair of the last one ends it.
    const QStringList tail = t.events().mid(t.events().size() - 4);
    QCOMPARE(tail, QStringList({"celebrate", "newTopList 1", "score 12", "completed"}));
    QVERIFY(!t.events().contains("newLists"));
    QCOMPARE(t.events().count("score 12"), 2);
    QCOMPARE(t.game->score(), 12);
    QCOMPARE(WordStore::instance()->pool().size(), size_t(poolSize - 12));
    QCOMPARE(prompts.asked.size(), 1);
    QCOMPARE(readFile(t.data.filePath("/pgrecords.dat")), recordBytes({{"Grace", 12}}));
    // The end panel still reads the last round's items.
    for (const auto &copy : lastCopies)
        QVERIFY(copy);

    // Nothing more happens after the end.
    t.events().clear();
    for (int i = 0; i < 6; ++i) {
        t.game->iconClicked(i);
        t.game->labelClicked(i);
    }
    QCOMPARE(t.events(), QStringList());
    QCOMPARE(prompts.asked.size(), 1);
}

void TestPairGame::strayTapsDoNothing()
{
    Table t(12);
    auto &prompts = t.prompt;
    QVERIFY(t.deal());

    // Indexes the view never sends.
    for (int index : {-1, 6, 100}) {
        t.game->iconClicked(index);
        t.game->labelClicked(index);
    }
    QCOMPARE(t.events(), QStringList());

    // Matched items stay matched and are no partner for a selection.
    const QString w = t.word(0);
    const int picture = t.pictureOf(w);
    t.game->labelClicked(0);
    t.game->iconClicked(picture);
    t.events().clear();
    t.game->iconClicked(picture);
    t.game->labelClicked(0);
    t.game->labelClicked(1);
    t.game->iconClicked(picture);
    QCOMPARE(t.events(), QStringList("word " + t.word(1) + " 1"));
    QCOMPARE(item(t.game->imageList(), picture)->wordState(), 2);
    QCOMPARE(item(t.game->wordList(), 0)->wordState(), 2);
    QCOMPARE(t.game->score(), 1);

    // After a wrong pair the game is over (the prompt for the score of 1
    // is cancelled): no tap reaches it any more.
    const int wrong = t.pictureNotOf({t.word(0), t.word(1)});
    t.game->iconClicked(wrong);
    QCOMPARE(t.events().last(), QString("gameOver false 1"));
    QCOMPARE(prompts.asked.size(), 1);
    t.events().clear();
    for (int i = 0; i < 6; ++i) {
        t.game->iconClicked(i);
        t.game->labelClicked(i);
    }
    QCOMPARE(t.events(), QStringList());
    QCOMPARE(t.game->score(), 1);
    QCOMPARE(prompts.asked.size(), 1);
}

QTEST_MAIN(TestPairGame)
#include "tst_pairgame.moc"
