// Where the player is, without a window: the pages, the Continue rule, the
// games' lifecycles and what the game pages are handed.
#include "testsupport.h"

#include "Navigator.h"
#include "PairGame.h"
#include "WordGame.h"
#include "WordStore.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

class TestNavigator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }
    void init()
    {
        m_data.reset(new TemporaryDataLocation);
        WordStore::instance()->loadLists();
        m_navigator.reset(new Navigator([] { return GameOptions(); }, &m_prompt));
    }
    void cleanup()
    {
        m_navigator.reset();
        delete WordStore::instance();
        m_data.reset();
    }

    void movesThroughTheMenusAndAGame();
    void undealtGameLeavesAPageWithoutAGame();

private:
    // What a page was handed last under name, and how often.
    QVariant handed(const QSignalSpy &spy, int page, const QString &name, int *times = nullptr) const
    {
        QVariant last;
        int count = 0;
        for (const QList<QVariant> &arguments : spy) {
            if (arguments.at(0).toInt() == page && arguments.at(1).toString() == name) {
                last = arguments.at(2);
                ++count;
            }
        }
        if (times)
            *times = count;
        return last;
    }

    QScopedPointer<TemporaryDataLocation> m_data;
    ScriptedPrompt m_prompt;
    QScopedPointer<Navigator> m_navigator;
};

void TestNavigator::movesThroughTheMenusAndAGame()
{
    Navigator &n = *m_navigator;
    QSignalSpy pages(&n, &Navigator::pageChanged);
    QSignalSpy continueRule(&n, &Navigator::continueEnabled);
    QSignalSpy handedOver(&n, &Navigator::handed);
    QSignalSpy reset(&n, &Navigator::pageReset);
    QSignalSpy sounds(&n, &Navigator::playSound);
    QCOMPARE(n.currentPage(), Navigator::PageMain);

    n.newGame();
    n.startGame(7); // no such game
    QCOMPARE(n.currentPage(), Navigator::PageNewGame);
    QCOMPARE(continueRule.takeFirst(), QVariantList({false}));
    n.startGame(Navigator::WordGameMode);
    QPointer<WordGame> game = n.wordGame();
    QVERIFY(game);
    QCOMPARE(n.gameOf(Navigator::PageWordGame), game.data());
    QCOMPARE(pages, QList<QVariantList>({{Navigator::PageNewGame}, {Navigator::PageWordGame}}));
    QCOMPARE(reset.takeFirst(), QVariantList({Navigator::PageWordGame}));
    QCOMPARE(handed(handedOver, Navigator::PageWordGame, "qtWordGame").value<QObject *>(), game.data());
    QCOMPARE(handed(handedOver, Navigator::PageWordGame, "imageList").value<QList<QObject *>>(), game->imageList());
    QCOMPARE(handed(handedOver, Navigator::PageWordGame, "topList").value<QList<QObject *>>(), game->topList());
    // The first word is said once the page is up.
    QCOMPARE(sounds.count(), 1);

    // Back keeps the game for Continue.
    n.backToMain();
    QCOMPARE(continueRule.takeFirst(), QVariantList({true}));
    n.continueGame();
    QCOMPARE(n.currentPage(), Navigator::PageWordGame);
    QCOMPARE(n.wordGame(), game.data());

    // A new game throws it away, handing the page empty lists and no game first.
    n.backToMain();
    continueRule.clear();
    handedOver.clear();
    n.newGame();
    QVERIFY(game.isNull());
    QVERIFY(!n.wordGame());
    QCOMPARE(continueRule.takeFirst(), QVariantList({false}));
    QCOMPARE(handed(handedOver, Navigator::PageWordGame, "qtWordGame").value<QObject *>(), nullptr);
    QVERIFY(handed(handedOver, Navigator::PageWordGame, "imageList").value<QList<QObject *>>().isEmpty());
    n.continueGame();
    QCOMPARE(n.currentPage(), Navigator::PageNewGame);

    // The end panel's way out ends the game.
    n.startGame(Navigator::PairGameMode);
    QVERIFY(n.pairGame());
    QCOMPARE(n.currentPage(), Navigator::PagePairGame);
    int times = 0;
    QCOMPARE(handed(handedOver, Navigator::PagePairGame, "wordList", &times).value<QList<QObject *>>(),
             n.pairGame()->wordList());
    QCOMPARE(times, 1);
    n.endGame();
    QCOMPARE(n.currentPage(), Navigator::PageMain);
    QVERIFY(!n.pairGame());
    QCOMPARE(continueRule.takeLast(), QVariantList({false}));
}

void TestNavigator::undealtGameLeavesAPageWithoutAGame()
{
    // Three words cannot deal a round of ten pictures.
    QVERIFY(registerTestDictionaries());
    writeFile(m_data->filePath("/dictionaries.dat"), QByteArray::fromHex("0000000a00420069007200640073"));
    WordStore::instance()->loadLists();
    QSignalSpy handedOver(m_navigator.data(), &Navigator::handed);
    QSignalSpy reset(m_navigator.data(), &Navigator::pageReset);
    m_navigator->startGame(Navigator::WordGameMode);
    QCOMPARE(m_navigator->currentPage(), Navigator::PageWordGame);
    QVERIFY(!m_navigator->wordGame());
    QCOMPARE(reset.count(), 1);
    int times = 0;
    QCOMPARE(handed(handedOver, Navigator::PageWordGame, "qtWordGame", &times).value<QObject *>(), nullptr);
    QCOMPARE(times, 1);
    m_navigator->backToMain();
    QCOMPARE(m_navigator->currentPage(), Navigator::PageMain);
    unregisterTestDictionaries();
}

QTEST_MAIN(TestNavigator)
#include "tst_navigator.moc"
