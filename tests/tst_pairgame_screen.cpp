// The Pair Game as a player meets it: taps on the real window's pictures and
// words, the owl, the score and the end panel.
#include "testsupport.h"

#include "MainWindow.h"
#include "PairGame.h"
#include "Settings.h"
#include "Word.h"
#include "WordStore.h"

#include <phonon/MediaObject>
#include <phonon/MediaSource>

#include <QAccessible>
#include <QDataStream>
#include <QDir>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

namespace {

// One pair game in a real window, page by page as a player sees it.
struct Screen
{
    // start: false leaves the game to the test, after it changed the settings.
    explicit Screen(QSize size = QSize(800, 480), bool start = true)
        : window(size)
    {
        if (start)
            window.buttonStartGameClicked(0);
    }

    QQuickWidget *view() const { return window.view(MainWindow::PagePairGame); }
    QQuickItem *root() const { return view()->rootObject(); }
    QQuickItem *find(const QString &name) const { return findItem(root(), name); }
    QList<QObject *> published(const char *name) const
    {
        return window.context(MainWindow::PagePairGame)->contextProperty(name).value<QList<QObject *>>();
    }
    Word *wordItem(int k) const { return qobject_cast<Word *>(published("wordList").value(k)); }
    Word *imageItem(int k) const { return qobject_cast<Word *>(published("imageList").value(k)); }
    int pictureOf(const QString &word) const
    {
        const QList<QObject *> pictures = published("imageList");
        for (int i = 0; i < pictures.size(); ++i) {
            if (qobject_cast<Word *>(pictures.at(i))->word() == word)
                return i;
        }
        return -1;
    }
    int tileState(const QString &name) const { return find(name)->property("state").toInt(); }
    void tapTile(const QString &name) { tap(view(), find(name)); }
    // Taps word k and then its picture, as a player who knows the animal.
    void makePair(int k)
    {
        const int picture = pictureOf(wordItem(k)->word());
        QVERIFY(picture >= 0);
        tapTile(QString("label%1").arg(k));
        tapTile(QString("icon%1").arg(picture));
    }
    void playRound()
    {
        for (int k = 0; k < 6; ++k)
            makePair(k);
    }
    QString owlSource() const { return find("owlImage")->property("source").toUrl().toString(); }
    QString text(const QString &name) const { return find(name)->property("text").toString(); }
    void screenshot(const QString &name) const { TestSupport::screenshot(view(), name); }

    TemporaryDataLocation data;
    TestWindow window;
};

// A whole game needs at least three rounds of pictures in the bundle.
#define REQUIRE_ANIMALS() QVERIFY2(QDir(":/png/Animals").entryList().size() >= 18, "the Animals pictures are missing")

} // namespace

class TestPairGameScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_log->clear(); }
    void cleanup() { QVERIFY2(m_log->warnings.isEmpty(), qPrintable(m_log->warnings.join('\n'))); }

    void startShowsTheFirstRound();
    void roundsPlayThroughTheWindow();
    void wrongPairShowsTheSelectedItemsAnswer_data();
    void wrongPairShowsTheSelectedItemsAnswer();
    void completedGameShowsSuccess();
    void undealtFirstRoundOffersAWayBack();
    void longNamesShowWhole_data();
    void longNamesShowWhole();
    void tryAgainWithThreePairs();
    void keyboardOnlyPair();
    void screenReaderNames();
    void wordsShowWhole_data();
    void wordsShowWhole();

private:
    // Any warning from a view (a failed binding, a picture that cannot load) is a fault.
    QScopedPointer<MessageLog> m_log;
};

void TestPairGameScreen::initTestCase()
{
    initApplication();
    m_log.reset(new MessageLog);
}

void TestPairGameScreen::startShowsTheFirstRound()
{
    REQUIRE_ANIMALS();
    Screen s;
    QCOMPARE(s.window.currentPage(), int(MainWindow::PagePairGame));
    QVERIFY(s.window.openPairGame());
    QCOMPARE(s.root()->width(), 800.0);
    QCOMPARE(s.root()->height(), 480.0);

    for (int k = 0; k < 6; ++k) {
        QQuickItem *icon = s.find(QString("icon%1").arg(k));
        QQuickItem *label = s.find(QString("label%1").arg(k));
        QCOMPARE(icon->property("iconPath").toString(), s.imageItem(k)->imagePath());
        QCOMPARE(label->property("text").toString(), s.wordItem(k)->word());
        QCOMPARE(icon->property("state").toInt(), 0);
        QVERIFY(icon->isEnabled());
        // Six tiles and five gaps fill the inset box exactly.
        QCOMPARE(icon->width(), 800.0 / 3 - 2 * 24);
        QCOMPARE(icon->height(), (480.0 - 2 * 24) / 7);
    }
    QCOMPARE(s.text("scoreText"), QString("Score: 0"));
    QVERIFY(s.owlSource().endsWith("images/elava_pollo.gif"));
    QCOMPARE(s.find("questionMarks")->opacity(), 1.0);
    // Today's rules: no practice badge.
    QVERIFY(!s.find("practiceBadge")->isVisible());
    QCOMPARE(s.find("endPanel")->y(), -480.0);
    QCOMPARE(s.text("endText"), QString("Game Over!"));
    QObject *timer = s.root()->findChild<QObject *>("celebrationTimer");
    QVERIFY(timer);
    QVERIFY(!timer->property("running").toBool());
}

void TestPairGameScreen::roundsPlayThroughTheWindow()
{
    REQUIRE_ANIMALS();
    Screen s;
    QVERIFY(!s.window.appSettings()->mute());
    QSignalSpy labelTaps(s.root(), SIGNAL(qmlLabelClickedSignal(int)));
    QSignalSpy iconTaps(s.root(), SIGNAL(qmlIconClickedSignal(int)));

    // A selected tile shows state 1; its pair leaves play and its word is heard.
    Word *first = s.wordItem(0);
    const int firstPicture = s.pictureOf(first->word());
    s.tapTile("label0");
    QCOMPARE(s.tileState("label0"), 1);
    s.tapTile(QString("icon%1").arg(firstPicture));
    QCOMPARE(s.tileState("label0"), 2);
    QCOMPARE(s.tileState(QString("icon%1").arg(firstPicture)), 2);
    QVERIFY(!s.find("label0")->isEnabled());
    QCOMPARE(s.text("scoreText"), QString("Score: 1"));
    QCOMPARE(s.window.player()->currentSource().fileName(), first->soundPath());

    // The invisible tiles of a pair take no taps.
    labelTaps.clear();
    iconTaps.clear();
    s.tapTile("label0");
    s.tapTile(QString("icon%1").arg(firstPicture));
    QCOMPARE(labelTaps.count(), 0);
    QCOMPARE(iconTaps.count(), 0);
    QCOMPARE(s.window.openPairGame()->score(), 1);

    QStringList firstRound;
    for (int k = 0; k < 6; ++k)
        firstRound << s.wordItem(k)->word();
    for (int k = 1; k < 6; ++k)
        s.makePair(k);

    // The cheering owl plays over the new round, then rests again.
    QCOMPARE(s.text("scoreText"), QString("Score: 6"));
    QVERIFY(s.owlSource().endsWith("images/pollo_hihkuu.gif"));
    QTRY_COMPARE(s.find("questionMarks")->opacity(), 0.0);
    for (int k = 0; k < 6; ++k) {
        QVERIFY(!firstRound.contains(s.wordItem(k)->word()));
        QCOMPARE(s.text(QString("label%1").arg(k)), s.wordItem(k)->word());
        QCOMPARE(s.find(QString("icon%1").arg(k))->property("iconPath").toString(), s.imageItem(k)->imagePath());
        QCOMPARE(s.tileState(QString("icon%1").arg(k)), 0);
        QVERIFY(s.find(QString("label%1").arg(k))->isEnabled());
    }
    // Play goes on while the owl cheers.
    s.makePair(3);
    QCOMPARE(s.text("scoreText"), QString("Score: 7"));
    QTRY_VERIFY(s.owlSource().endsWith("images/elava_pollo.gif"));
    QTRY_COMPARE(s.find("questionMarks")->opacity(), 1.0);

    s.playRound();
    QCOMPARE(s.text("scoreText"), QString("Score: 12"));
    QVERIFY(s.owlSource().endsWith("images/pollo_hihkuu.gif"));
    QCOMPARE(s.find("endPanel")->y(), -480.0);
}

void TestPairGameScreen::wrongPairShowsTheSelectedItemsAnswer_data()
{
    QTest::addColumn<bool>("wordFirst");
    QTest::addColumn<int>("pairsBefore");
    QTest::newRow("picture first, no score") << false << 0;
    QTest::newRow("word first, after two pairs") << true << 2;
}

void TestPairGameScreen::wrongPairShowsTheSelectedItemsAnswer()
{
    REQUIRE_ANIMALS();
    QFETCH(bool, wordFirst);
    QFETCH(int, pairsBefore);
    // A fixed deal: in a few deals in a thousand every item left stands
    // beside its own pair, and the case below cannot be set up.
    Screen s(QSize(800, 480), false);
    srand(5);
    s.window.buttonStartGameClicked(0);
    for (int k = 0; k < pairsBefore; ++k)
        s.makePair(k);

    // A wrong pair of two items still in play, where the other list holds a
    // different word at the index of the item chosen first: the panel must
    // read the right list.
    int label = -1;
    int picture = -1;
    for (int l = pairsBefore; l < 6 && picture < 0; ++l) {
        for (int p = 0; p < 6 && picture < 0; ++p) {
            const int first = wordFirst ? l : p;
            if (s.imageItem(p)->wordState() != 2 && s.imageItem(p)->word() != s.wordItem(l)->word()
                && s.imageItem(first)->word() != s.wordItem(first)->word()) {
                label = l;
                picture = p;
            }
        }
    }
    QVERIFY(picture >= 0);

    if (pairsBefore > 0)
        answerNextPrompt("Max");
    const int promptsBefore = answeredPrompts();
    Word *selected = wordFirst ? s.wordItem(label) : s.imageItem(picture);
    if (wordFirst) {
        s.tapTile(QString("label%1").arg(label));
        s.tapTile(QString("icon%1").arg(picture));
    } else {
        s.tapTile(QString("icon%1").arg(picture));
        s.tapTile(QString("label%1").arg(label));
    }
    QCOMPARE(answeredPrompts() - promptsBefore, pairsBefore > 0 ? 1 : 0);

    QTRY_COMPARE(s.find("endPanel")->y(), 0.0);
    QCOMPARE(s.text("endText"), QString("Game Over!"));
    QCOMPARE(s.find("endScoreText")->property("text").toString(), QString("Score: %1").arg(pairsBefore));
    // The item chosen first, with its own picture and its own word.
    QCOMPARE(s.find("answerIcon")->property("iconPath").toString(), selected->imagePath());
    QCOMPARE(s.text("answerLabel"), selected->word());
    QCOMPARE(s.text("answerEquals"), QString("="));
    QCOMPARE(s.find("answerIcon")->property("state").toInt(), 1);
    QCOMPARE(s.find("answerLabel")->property("state").toInt(), 1);

    QQuickItem *list = s.find("topListView");
    if (pairsBefore > 0) {
        QTRY_VERIFY(findItemByText(list, "Max"));
        QVERIFY(findItemByText(list, "1."));
        QVERIFY(findItemByText(list, QString::number(pairsBefore)));
    } else {
        QVERIFY(!findItemByText(list, "1."));
    }

    // The panel covers the tiles: taps there reach nothing underneath.
    QSignalSpy labelTaps(s.root(), SIGNAL(qmlLabelClickedSignal(int)));
    QSignalSpy iconTaps(s.root(), SIGNAL(qmlIconClickedSignal(int)));
    for (int k = 0; k < 6; ++k) {
        QTest::mouseClick(s.view(), Qt::LeftButton, Qt::NoModifier,
                          centreInView(s.find(QString("label%1").arg(k))).toPoint());
        QTest::mouseClick(s.view(), Qt::LeftButton, Qt::NoModifier,
                          centreInView(s.find(QString("icon%1").arg(k))).toPoint());
    }
    QCOMPARE(labelTaps.count(), 0);
    QCOMPARE(iconTaps.count(), 0);

    // Back to Main ends the game; the panel slides back up.
    s.tapTile("backToMainButton");
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));
    QVERIFY(!s.window.openPairGame());
    QTRY_COMPARE(s.find("endPanel")->y(), -480.0);
}

void TestPairGameScreen::completedGameShowsSuccess()
{
    REQUIRE_ANIMALS();
    Screen s;
    // 46 words: seven rounds, four words never shown.
    const int rounds = int(WordStore::instance()->pool().size() + 6) / 6;
    for (int r = 1; r < rounds; ++r)
        s.playRound();
    answerNextPrompt("Kim");
    s.playRound();

    QTRY_COMPARE(s.find("endPanel")->y(), 0.0);
    QCOMPARE(s.text("endText"), QString("Success!"));
    QCOMPARE(s.find("endScoreText")->property("text").toString(), QString("Score: %1").arg(6 * rounds));
    // A blank answer line: no "=", both tiles hidden.
    QCOMPARE(s.text("answerEquals"), QString());
    QCOMPARE(s.find("answerIcon")->property("state").toInt(), 2);
    QCOMPARE(s.find("answerLabel")->property("state").toInt(), 2);
    QTRY_VERIFY(findItemByText(s.find("topListView"), "Kim"));

    s.tapTile("backToMainButton");
    QVERIFY(!s.window.openPairGame());
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));
}

void TestPairGameScreen::undealtFirstRoundOffersAWayBack()
{
    // Birds alone has three words: a Pair Game round of its three pairs, but
    // too few for the Word Game's four pictures, whose page offers a way back.
    QVERIFY(registerTestDictionaries());
    {
        TemporaryDataLocation data;
        QDir().mkpath(data.path());
        QByteArray choice;
        {
            QDataStream out(&choice, QIODevice::WriteOnly);
            out << QString("Birds");
        }
        writeFile(data.filePath("/dictionaries.dat"), choice);

        TestWindow w;
        w.buttonStartGameClicked(0);
        QCOMPARE(w.currentPage(), int(MainWindow::PagePairGame));
        QVERIFY(w.openPairGame());
        QCOMPARE(w.openPairGame()->wordList().size(), 3);

        w.buttonNewGameClicked();
        w.buttonStartGameClicked(1);
        QCOMPARE(w.currentPage(), int(MainWindow::PageWordGame));
        QVERIFY(!w.openWordGame());
        QQuickWidget *view = w.view(MainWindow::PageWordGame);
        QQuickItem *root = view->rootObject();
        QVERIFY(root);
        QCOMPARE(findItem(root, "scoreText")->property("text").toString(), QString("Score: 0"));
        QVERIFY(findItemByText(root, "Not enough words!")->isVisible());
        tap(view, findItem(root, "backButton"));
        QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    }
    unregisterTestDictionaries();
}

void TestPairGameScreen::longNamesShowWhole_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("best");
    QTest::newRow("800x480") << QSize(800, 480) << 109;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 109;
    QTest::newRow("1920x1080 999") << QSize(1920, 1080) << 999;
    QTest::newRow("700x1000 999") << QSize(700, 1000) << 999;
}

// A name may have 16 characters: the widest of them show whole beside their
// place ("10." included) and score, at both window sizes.
void TestPairGameScreen::longNamesShowWhole()
{
    REQUIRE_ANIMALS();
    QFETCH(QSize, size);
    QFETCH(int, best);
    TemporaryDataLocation data;
    const QString name = QStringLiteral("WWWWWWWWWWWWWWWW");
    QByteArray records;
    {
        QDataStream out(&records, QIODevice::WriteOnly);
        for (int place = 0; place < 10; ++place)
            out << name << qint16(best - place);
    }
    QDir().mkpath(data.path());
    writeFile(data.filePath("/pgrecords.dat"), records);

    TestWindow w(size);
    w.buttonStartGameClicked(0);
    PairGame *game = w.openPairGame();
    QVERIFY(game);
    // Word 0 with a picture of another word ends the game; 0 points stay out of the list.
    const QString word = qobject_cast<Word *>(game->wordList().at(0))->word();
    int picture = 0;
    while (qobject_cast<Word *>(game->imageList().at(picture))->word() == word)
        ++picture;
    QQuickWidget *view = w.view(MainWindow::PagePairGame);
    QQuickItem *root = view->rootObject();
    tap(view, findItem(root, "label0"));
    tap(view, findItem(root, QString("icon%1").arg(picture)));
    QQuickItem *panel = findItem(root, "endPanel");
    QTRY_COMPARE(panel->y(), 0.0);
    QCOMPARE(panel->width(), qreal(size.width()));
    QCOMPARE(findItem(root, "topListView")->property("count").toInt(), 10);
    const QString fault = topTenLayoutFault(panel, 10);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(findItem(root, "topPlace9")->property("text").toString(), QString("10."));
    QCOMPARE(findItem(root, "topPlayer9")->property("text").toString(), name);
    QCOMPARE(findItem(root, "topScore0")->property("text").toString(), QString::number(best));
}

// Under "Try again" with four pictures: three larger pairs, centred; a wrong
// pair shakes both tiles, clears them and says the chosen word, and the round
// goes on to its end.
void TestPairGameScreen::tryAgainWithThreePairs()
{
    REQUIRE_ANIMALS();
    Screen s(QSize(800, 480), false);
    Settings *settings = s.window.appSettings();
    settings->setMistakes(GameOptions::TryAgain);
    settings->setPictures(GameOptions::FourPictures);
    settings->setMute(false);
    s.window.buttonStartGameClicked(0);
    PairGame *game = s.window.openPairGame();
    QVERIFY(game);

    QCOMPARE(s.published("imageList").size(), 3);
    QVERIFY(!s.find("icon3"));
    QVERIFY(!s.find("label3"));
    const QRectF first = s.find("icon0")->mapRectToScene(
        QRectF(0, 0, s.find("icon0")->width(), s.find("icon0")->height()));
    QQuickItem *lastIcon = s.find("icon2");
    const QRectF last = lastIcon->mapRectToScene(QRectF(0, 0, lastIcon->width(), lastIcon->height()));
    for (int k = 0; k < 3; ++k) {
        for (const QString &name : {QString("icon%1").arg(k), QString("label%1").arg(k)}) {
            QVERIFY(s.find(name)->isVisible());
            QCOMPARE(s.find(name)->width(), 800.0 / 3 - 2 * 24);
            QVERIFY(s.find(name)->height() > (480.0 - 2 * 24) / 7 * 1.5);
        }
    }
    QCOMPARE((first.top() + last.bottom()) / 2, 240.0);
    QVERIFY(s.find("practiceBadge")->isVisible());
    QCOMPARE(s.find("label0")->mapToScene(QPointF(0, 0)).y(), first.top());
    s.screenshot("pairgame-three-pairs");

    const QString word = s.wordItem(0)->word();
    const QString sound = s.data.path() + "/mp3/Animals/" + word + ".mp3";
    int wrongPicture = -1;
    for (int k = 0; k < 3 && wrongPicture < 0; ++k) {
        if (s.imageItem(k)->word() != word)
            wrongPicture = k;
    }
    QSignalSpy over(game, &PairGame::gameOverSignal);
    QSignalSpy wrongPairs(game, &PairGame::wrongPairSignal);
    s.tapTile("label0");
    QCOMPARE(timesPlayed(sound), 1);
    s.tapTile(QString("icon%1").arg(wrongPicture));
    QCOMPARE(wrongPairs.count(), 1);
    QCOMPARE(over.count(), 0);
    QCOMPARE(timesPlayed(sound), 2);
    for (const QString &name : {QString("label0"), QString("icon%1").arg(wrongPicture)}) {
        QCOMPARE(s.tileState(name), 0);
        QVERIFY2(s.find(name)->findChild<QObject *>("shakeAnimation")->property("running").toBool(), qPrintable(name));
    }
    QCOMPARE(s.find("endPanel")->y(), -480.0);

    for (int k = 0; k < 3; ++k)
        s.makePair(k);
    QCOMPARE(game->score(), 3);
    QCOMPARE(s.window.openPairGame(), game);
    QCOMPARE(s.published("imageList").size(), 3);
    QCOMPARE(s.tileState("icon0"), 0);
}

// A pair made with keys only: Space picks the focused picture, the arrows
// take the ring to its word, Space makes the pair; the focus moves on to a
// tile still in play, and Escape goes back to the menu.
void TestPairGameScreen::keyboardOnlyPair()
{
    REQUIRE_ANIMALS();
    Screen s;
    PairGame *game = s.window.openPairGame();
    QVERIFY(s.find("icon0")->hasActiveFocus());
    QTest::keyClick(s.view(), Qt::Key_Space);
    QCOMPARE(s.tileState("icon0"), 1);

    const QString word = s.imageItem(0)->word();
    int label = -1;
    for (int k = 0; k < 6; ++k) {
        if (s.wordItem(k)->word() == word)
            label = k;
    }
    QVERIFY(label >= 0);
    QTest::keyClick(s.view(), Qt::Key_Right);
    QVERIFY(s.find("label0")->hasActiveFocus());
    for (int k = 0; k < label; ++k)
        QTest::keyClick(s.view(), Qt::Key_Down);
    QVERIFY(s.find(QString("label%1").arg(label))->hasActiveFocus());
    QVERIFY(findItem(s.find(QString("label%1").arg(label)), "focusRing")->isVisible());
    QTest::keyClick(s.view(), Qt::Key_Return);
    QCOMPARE(game->score(), 1);
    QCOMPARE(s.tileState("icon0"), 2);
    QCOMPARE(s.tileState(QString("label%1").arg(label)), 2);

    // The ring moves on to a word still in play.
    QQuickWindow *scene = s.view()->quickWindow();
    QTRY_VERIFY(scene->activeFocusItem() && scene->activeFocusItem()->objectName().startsWith("label"));
    QVERIFY(scene->activeFocusItem()->isEnabled());
    QVERIFY(scene->activeFocusItem() != s.find(QString("label%1").arg(label)));
    // Left lands on a picture still in play, never on the made one.
    QTest::keyClick(s.view(), Qt::Key_Left);
    QVERIFY(scene->activeFocusItem()->objectName().startsWith("icon"));
    QVERIFY(scene->activeFocusItem() != s.find("icon0"));

    QTest::keyClick(s.view(), Qt::Key_Escape);
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));
    QCOMPARE(s.window.openPairGame(), game);
}

// Picture tiles are "Picture 1" to "Picture 6", never their word; word tiles
// are their word; the score is text.
void TestPairGameScreen::screenReaderNames()
{
    REQUIRE_ANIMALS();
    Screen s;
    for (int k = 0; k < 6; ++k) {
        QAccessibleInterface *icon = QAccessible::queryAccessibleInterface(s.find(QString("icon%1").arg(k)));
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(s.find(QString("label%1").arg(k)));
        QVERIFY(icon && label);
        QCOMPARE(icon->role(), QAccessible::Button);
        QCOMPARE(icon->text(QAccessible::Name), QString("Picture %1").arg(k + 1));
        for (int w = 0; w < 6; ++w)
            QVERIFY(!icon->text(QAccessible::Name).contains(s.wordItem(w)->word()));
        QCOMPARE(label->role(), QAccessible::Button);
        QCOMPARE(label->text(QAccessible::Name), s.wordItem(k)->word());
    }
    QAccessibleInterface *score = QAccessible::queryAccessibleInterface(s.find("scoreText"));
    QVERIFY(score);
    QCOMPARE(score->role(), QAccessible::StaticText);
    QCOMPARE(score->text(QAccessible::Name), QString("Score: 0"));
}

void TestPairGameScreen::wordsShowWhole_data()
{
    TestSupport::addWindowSizeRows();
}

// The longest words show whole on the word tiles: up to twelve characters at
// the usual size, longer ones smaller.
void TestPairGameScreen::wordsShowWhole()
{
    QFETCH(QSize, size);
    REQUIRE_ANIMALS();
    Screen s(size);
    const QStringList words = longWords();
    for (int k = 0; k < words.size(); ++k) {
        // The window's copies of the round's words: the tile follows each change.
        s.wordItem(k % 6)->setWord(words[k]);
        const QString fault = wordFitFault(findItem(s.find(QString("label%1").arg(k % 6)), "tileText"), words[k]);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    s.screenshot(QString("pairgame-long-words-%1").arg(size.width()));
}

QTEST_MAIN(TestPairGameScreen)
#include "tst_pairgame_screen.moc"
