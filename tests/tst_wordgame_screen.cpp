// The Word Game page played through the real window: real taps on
// the QQuickWidget, the real bundle of 46 words, the real top-ten file.
//
// Set VOCALUNE_SCREENSHOT_DIR to a folder to keep screenshots of the page.

#include "testsupport.h"

#include "IdleHint.h"
#include "MainWindow.h"
#include "Record.h"
#include "Settings.h"
#include "Voices.h"
#include "Word.h"
#include "WordGame.h"
#include "WordStore.h"

#include <phonon/MediaObject>
#include <phonon/MediaSource>

#include <QAccessible>
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QPointer>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

namespace {

// Every warning from the files of this page and the components it uses:
// binding errors, reads of null, pictures that cannot be opened. The page
// must produce none. (Other pages' warnings are their own tests' business.)
const QStringList PageFiles = {"WordGameView.qml", "WordGameEnd.qml", "components/"};

const int RoundsOfBundle = 46 - 9; // a perfect game on the 46 words of Animals

class Screen
{
public:
    explicit Screen(QSize size = QSize(800, 480))
        : window(size)
    {
        // The store was created (and seeded from the clock) by the window:
        // make the deals repeatable.
        std::srand(1234);
        window.appSettings()->setMute(true);
    }

    QQuickWidget *view() const { return window.view(MainWindow::PageWordGame); }
    QQuickItem *root() const { return view()->rootObject(); }
    QQuickItem *item(const QString &name) const { return TestSupport::findItem(root(), name); }
    QQuickItem *icon(int k) const { return item(QString("icon%1").arg(k)); }

    // What the view sees.
    QObject *publishedGame() const
    {
        return window.context(MainWindow::PageWordGame)->contextProperty("qtWordGame").value<QObject *>();
    }
    QList<QObject *> publishedPictures() const
    {
        return window.context(MainWindow::PageWordGame)->contextProperty("imageList").value<QList<QObject *>>();
    }
    QString currentWord() const { return publishedGame()->property("word").toString(); }

    int rightIndex() const
    {
        const QString word = currentWord();
        const QList<QObject *> pictures = publishedPictures();
        for (int i = 0; i < pictures.size(); ++i) {
            if (pictures.at(i)->property("word").toString() == word)
                return i;
        }
        return -1;
    }
    int wrongIndex() const
    {
        const QString word = currentWord();
        const QList<QObject *> pictures = publishedPictures();
        for (int i = 0; i < pictures.size(); ++i) {
            if (pictures.at(i)->property("word").toString() != word)
                return i;
        }
        return -1;
    }

    void tapMain(const QString &button) { QVERIFY(window.tap(MainWindow::PageMain, button)); }

    // Main menu: New Game, then Word Game, as a player does.
    void startFromMenu()
    {
        QCOMPARE(window.currentPage(), int(MainWindow::PageMain));
        tapMain("newGameButton");
        QCOMPARE(window.currentPage(), int(MainWindow::PageNewGame));
        QVERIFY(window.tap(MainWindow::PageNewGame, "wordGameButton"));
        QCOMPARE(window.currentPage(), int(MainWindow::PageWordGame));
        QVERIFY(window.openWordGame());
        QCOMPARE(publishedGame(), static_cast<QObject *>(window.openWordGame()));
    }

    // Taps the right picture; checks the view followed.
    void tapRight()
    {
        const int k = rightIndex();
        QVERIFY(k >= 0);
        const int score = window.openWordGame()->score();
        TestSupport::tap(view(), icon(k));
        QCOMPARE(window.openWordGame()->score(), score + 1);
        QCOMPARE(item("scoreText")->property("text").toString(), QString("Score: %1").arg(score + 1));
    }

    void tapWrong()
    {
        const int k = wrongIndex();
        QVERIFY(k >= 0);
        TestSupport::tap(view(), icon(k));
    }

    bool continueEnabled() const { return window.item(MainWindow::PageMain, "continueButton")->isEnabled(); }

    void screenshot(const QString &name) const { TestSupport::screenshot(view(), name); }

    TestSupport::TestWindow window;
};

void writeRecords(const QString &path, const QList<QPair<QString, int>> &records)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const auto &record : records)
        out << record.first << qint16(record.second);
    QDir().mkpath(QFileInfo(path).path());
    TestSupport::writeFile(path, bytes);
}

} // namespace

class TestWordGameScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void playingScreen();
    void rightTapDealsNextRound();
    void wrongTapShowsAnswer();
    void wrongTapAfterScoringEntersTopTen();
    void wholeGameToCompletion();
    void backToMainEndsGame();
    void backKeepsGameForContinue();
    void tapsOnEndPanelDoNothing();
    void endPanelTakesTapsOverWholePage();
    void longNamesShowWhole_data();
    void longNamesShowWhole();
    void outOfRangeAndLateSignalsDoNothing();
    void playerNamesArePlainText();
    void undealtGameShowsWayBack_data();
    void undealtGameShowsWayBack();
    void soundOfEachWord_data();
    void soundOfEachWord();
    void toldPraisedAndHelped();
    void completeOverEndStartAgainLeave();
    void tryAgainWithFourPictures();
    void keyboardOnlyRound();
    void screenReaderNamesKeepTheAnswer();
    void wordsShowWhole_data();
    void wordsShowWhole();

private:
    QFont m_oldFont;
    QScopedPointer<TestSupport::MessageLog> m_log;
};

void TestWordGameScreen::initTestCase()
{
    TestSupport::initApplication();
    // The program's font (main.cpp): the word in the bubble uses it.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 30));
    m_log.reset(new TestSupport::MessageLog(PageFiles));
    QVERIFY2(QDir(":/png/Animals").entryList().size() == 46, "the bundle lacks the 46 Animals pictures");
}

void TestWordGameScreen::init()
{
    m_log->clear();
}

void TestWordGameScreen::cleanup()
{
    QVERIFY2(m_log->warnings.isEmpty(), qPrintable(m_log->warnings.join('\n')));
}

void TestWordGameScreen::cleanupTestCase()
{
    m_log.reset();
}

void TestWordGameScreen::playingScreen()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    WordGame *game = s.window.openWordGame();

    QCOMPARE(s.root()->width(), 800.0);
    QCOMPARE(s.root()->height(), 480.0);
    QCOMPARE(s.item("wordText")->property("text").toString(), game->word());
    QVERIFY(!game->word().isEmpty());
    QCOMPARE(s.item("scoreText")->property("text").toString(), QString("Score: 0"));
    QCOMPARE(s.item("scoreText")->property("font").value<QFont>().pixelSize(), 48);
    QCOMPARE(s.item("backButton")->property("buttonText").toString(), QString("Back"));

    // The word box lies in the bubble: x = W / 5.5, y = H / 7, W / 4 by H / 6.
    QQuickItem *box = s.item("wordBox");
    QCOMPARE(box->x(), 800 / 5.5);
    QCOMPARE(box->y(), 480 / 7.0);
    QCOMPARE(box->width(), 200.0);
    QCOMPARE(box->height(), 80.0);

    // Ten pictures, two columns of five, each showing its item of imageList.
    const QList<QObject *> pictures = s.publishedPictures();
    QCOMPARE(pictures.size(), 10);
    const double columnHeight = (480 / 20.0) * 17 - 20 - 20;
    for (int k = 0; k < 10; ++k) {
        QQuickItem *icon = s.icon(k);
        QVERIFY(icon);
        QVERIFY(icon->isVisible());
        QVERIFY(icon->isEnabled());
        QCOMPARE(icon->property("iconPath").toString(), pictures.at(k)->property("imagePath").toString());
        QCOMPARE(icon->property("state").toInt(), 0);
        QCOMPARE(icon->width(), 180.0);
        QCOMPARE(icon->height(), columnHeight / 5 - columnHeight / 40);
        const QPointF topLeft = icon->mapToScene(QPointF(0, 0));
        QCOMPARE(topLeft.x(), k < 5 ? 410.0 : 610.0);
        QCOMPARE(topLeft.y(), 20 + (k % 5) * (columnHeight / 5));
    }

    // The end panel waits above the screen.
    QQuickItem *panel = s.item("endPanel");
    QCOMPARE(panel->y(), -480.0);
    QCOMPARE(panel->z(), 2.0);
    QCOMPARE(s.item("endText")->property("text").toString(), QString("Game Over!"));
    s.screenshot("wordgame-playing");
}

void TestWordGameScreen::rightTapDealsNextRound()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    const QString first = s.currentWord();
    const QList<QObject *> firstPictures = s.publishedPictures();
    s.tapRight();
    QVERIFY(s.currentWord() != first);
    QCOMPARE(s.item("wordText")->property("text").toString(), s.currentWord());
    // The window republished the new round; the view shows it.
    const QList<QObject *> pictures = s.publishedPictures();
    QCOMPARE(pictures, s.window.openWordGame()->imageList());
    QVERIFY(pictures != firstPictures);
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(s.icon(k)->property("iconPath").toString(), pictures.at(k)->property("imagePath").toString());
        QCOMPARE(s.icon(k)->property("state").toInt(), 0);
    }
    QCOMPARE(s.item("endPanel")->y(), -480.0);
}

void TestWordGameScreen::wrongTapShowsAnswer()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    const QString answer = s.currentWord();
    const QString answerImage = s.window.openWordGame()->imagePath();
    const int wrong = s.wrongIndex();
    QSignalSpy over(s.window.openWordGame(), &WordGame::gameOverSignal);
    const int prompts = TestSupport::answeredPrompts();
    s.tapWrong();
    QCOMPARE(over.count(), 1);
    QCOMPARE(TestSupport::answeredPrompts(), prompts); // 0 never qualifies

    // The picked tile is marked; the panel slides down over the page, at
    // 1000 pixels per second: 480 pixels take about half a second.
    QCOMPARE(s.icon(wrong)->property("state").toInt(), 1);
    QQuickItem *panel = s.item("endPanel");
    QElapsedTimer slide;
    slide.start();
    QVERIFY(panel->y() < 0);
    QTRY_COMPARE(panel->y(), 0.0);
    QVERIFY2(slide.elapsed() >= 350, qPrintable(QString::number(slide.elapsed())));
    QCOMPARE(s.item("endText")->property("text").toString(), QString("Game Over!"));
    QCOMPARE(s.item("endScoreText")->property("text").toString(), QString("Score: 0"));
    QCOMPARE(s.item("answerIcon")->property("iconPath").toString(), answerImage);
    QCOMPARE(s.item("answerIcon")->property("state").toInt(), 1);
    QVERIFY(!s.item("answerIcon")->isEnabled());
    QCOMPARE(s.item("answerEquals")->property("text").toString(), QString("="));
    QCOMPARE(s.item("answerLabel")->property("text").toString(), answer);
    QCOMPARE(s.item("answerLabel")->property("state").toInt(), 1);
    QCOMPARE(s.item("backToMainButton")->property("buttonText").toString(), QString("Back to Main"));
    s.screenshot("wordgame-end-wrong");
}

void TestWordGameScreen::wrongTapAfterScoringEntersTopTen()
{
    TestSupport::TemporaryDataLocation data;
    writeRecords(data.filePath("/wgrecords.dat"), {{"Old", 3}});
    Screen s;
    s.startFromMenu();
    s.tapRight();
    s.tapRight();
    const QString answer = s.currentWord();
    TestSupport::answerNextPrompt("Ann");
    const int prompts = TestSupport::answeredPrompts();
    s.tapWrong();
    QCOMPARE(TestSupport::answeredPrompts(), prompts + 1);

    QQuickItem *panel = s.item("endPanel");
    QTRY_COMPARE(panel->y(), 0.0);
    QCOMPARE(s.item("answerLabel")->property("text").toString(), answer);
    // The list was republished before the panel came: the new entry is there.
    QCOMPARE(s.item("topPlace0")->property("text").toString(), QString("1."));
    QCOMPARE(s.item("topPlayer0")->property("text").toString(), QString("Old"));
    QCOMPARE(s.item("topScore0")->property("text").toString(), QString("3"));
    QCOMPARE(s.item("topPlace1")->property("text").toString(), QString("2."));
    QCOMPARE(s.item("topPlayer1")->property("text").toString(), QString("Ann"));
    QCOMPARE(s.item("topScore1")->property("text").toString(), QString("2"));
    QCOMPARE(s.item("topListView")->property("count").toInt(), 2);
    s.screenshot("wordgame-end-name");
}

void TestWordGameScreen::wholeGameToCompletion()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    QSignalSpy completed(s.window.openWordGame(), &WordGame::gameCompletedSignal);
    QSet<QString> answers;
    for (int round = 1; round <= RoundsOfBundle; ++round) {
        answers.insert(s.currentWord());
        QCOMPARE(s.item("wordText")->property("text").toString(), s.currentWord());
        if (round == RoundsOfBundle)
            TestSupport::answerNextPrompt("Zoe");
        s.tapRight();
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(answers.size(), RoundsOfBundle);
    QCOMPARE(completed.count(), 1);
    QQuickItem *panel = s.item("endPanel");
    QTRY_COMPARE(panel->y(), 0.0);
    QCOMPARE(s.item("endText")->property("text").toString(), QString("Success!"));
    QCOMPARE(s.item("endScoreText")->property("text").toString(), QString("Score: %1").arg(RoundsOfBundle));
    // Blank answer line.
    QCOMPARE(s.item("answerIcon")->property("state").toInt(), 2);
    QCOMPARE(s.item("answerLabel")->property("state").toInt(), 2);
    QCOMPARE(s.item("answerEquals")->property("text").toString(), QString());
    // The word is gone, without a wordChangedSignal: the panel
    // covers the bubble's last word.
    QCOMPARE(s.window.openWordGame()->word(), QString());
    QCOMPARE(s.item("topPlayer0")->property("text").toString(), QString("Zoe"));
    QCOMPARE(s.item("topScore0")->property("text").toString(), QString::number(RoundsOfBundle));
    s.screenshot("wordgame-end-success");
}

void TestWordGameScreen::backToMainEndsGame()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    s.tapWrong();
    QQuickItem *panel = s.item("endPanel");
    QTRY_COMPARE(panel->y(), 0.0);
    QPointer<WordGame> game = s.window.openWordGame();
    TestSupport::tap(s.view(), s.item("backToMainButton"));
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));
    QVERIFY(!game);
    QVERIFY(!s.window.openWordGame());
    QVERIFY(!s.continueEnabled());
    // The panel slides back up (on the hidden page).
    QTRY_COMPARE(panel->y(), -480.0);
}

void TestWordGameScreen::backKeepsGameForContinue()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    s.tapRight();
    WordGame *game = s.window.openWordGame();
    const QString word = s.currentWord();
    const QList<QObject *> pictures = s.publishedPictures();
    QVERIFY(!s.continueEnabled());
    TestSupport::tap(s.view(), s.item("backButton"));
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));
    QCOMPARE(s.window.openWordGame(), game);
    QVERIFY(s.continueEnabled());
    s.tapMain("continueButton");
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageWordGame));
    QCOMPARE(s.currentWord(), word);
    QCOMPARE(s.publishedPictures(), pictures);
    QCOMPARE(s.item("scoreText")->property("text").toString(), QString("Score: 1"));
    s.tapRight();
    QCOMPARE(game->score(), 2);
}

void TestWordGameScreen::tapsOnEndPanelDoNothing()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    const QPointF centres[3] = {TestSupport::centreInView(s.icon(0)), TestSupport::centreInView(s.icon(7)),
                                TestSupport::centreInView(s.item("backButton"))};
    s.tapWrong();
    QTRY_COMPARE(s.item("endPanel")->y(), 0.0);
    QSignalSpy iconTaps(s.root(), SIGNAL(qmlIconClickedSignal(int)));
    QSignalSpy backTaps(s.root(), SIGNAL(qmlBackToMainSignal()));
    for (const QPointF &centre : centres)
        QTest::mouseClick(s.view(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    // And on the left half, away from the button.
    QTest::mouseClick(s.view(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    QCOMPARE(iconTaps.count(), 0);
    QCOMPARE(backTaps.count(), 0);
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageWordGame));
    QVERIFY(s.window.openWordGame());
}

// The panel covers the page from edge to edge: no tap on it, its margins and
// the gap between its halves included, reaches a picture or Back beneath.
void TestWordGameScreen::endPanelTakesTapsOverWholePage()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    // Points across every control beneath, edge to edge, at its middle height.
    QVector<QPoint> points;
    QList<QQuickItem *> beneath = {s.item("backButton")};
    for (int k = 0; k < 10; ++k)
        beneath << s.icon(k);
    for (QQuickItem *item : beneath) {
        const QRectF r = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        for (int step = 0; step <= 16; ++step)
            points << QPoint(qBound(r.left() + 1, r.left() + r.width() * step / 16, r.right() - 1), r.center().y());
    }
    s.tapWrong();
    QTRY_COMPARE(s.item("endPanel")->y(), 0.0);
    QSignalSpy iconTaps(s.root(), SIGNAL(qmlIconClickedSignal(int)));
    QSignalSpy backTaps(s.root(), SIGNAL(qmlBackToMainSignal()));
    QSignalSpy endTaps(s.root(), SIGNAL(qmlGameOverSignal()));
    for (const QPoint &point : points) {
        QTest::mouseClick(s.view(), Qt::LeftButton, Qt::NoModifier, point);
        QVERIFY2(iconTaps.isEmpty() && backTaps.isEmpty(),
                 qPrintable(QString("a tap at %1,%2 got through").arg(point.x()).arg(point.y())));
    }
    // The panel's own button lies over none of them.
    QCOMPARE(endTaps.count(), 0);
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageWordGame));
    QVERIFY(s.window.openWordGame());
}

void TestWordGameScreen::longNamesShowWhole_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("best");
    QTest::newRow("800x480") << QSize(800, 480) << 109;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 109;
    QTest::newRow("800x480 999") << QSize(800, 480) << 999;
    QTest::newRow("640x384 999") << QSize(640, 384) << 999;
}

// A name may have 16 characters: the widest of them show whole beside their
// place and score, at both window sizes, in a full list.
void TestWordGameScreen::longNamesShowWhole()
{
    QFETCH(QSize, size);
    QFETCH(int, best);
    TestSupport::TemporaryDataLocation data;
    const QString name = QStringLiteral("WWWWWWWWWWWWWWWW");
    QList<QPair<QString, int>> records;
    for (int place = 0; place < 10; ++place)
        records << qMakePair(name, best - place);
    writeRecords(data.filePath("/wgrecords.dat"), records);
    Screen s(size);
    s.startFromMenu();
    s.tapWrong();
    QQuickItem *panel = s.item("endPanel");
    QTRY_COMPARE(panel->y(), 0.0);
    QCOMPARE(panel->width(), qreal(size.width()));
    QCOMPARE(s.item("topListView")->property("count").toInt(), 10);
    const QString fault = TestSupport::topTenLayoutFault(panel, 10);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(s.item("topPlace9")->property("text").toString(), QString("10."));
    QCOMPARE(s.item("topPlayer9")->property("text").toString(), name);
    QCOMPARE(s.item("topScore0")->property("text").toString(), QString::number(best));
    s.screenshot(QString("wordgame-end-long-names-%1-%2").arg(size.width()).arg(best));
}

void TestWordGameScreen::outOfRangeAndLateSignalsDoNothing()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    WordGame *game = s.window.openWordGame();
    QSignalSpy score(game, &WordGame::scoreChangedSignal);
    QSignalSpy over(game, &WordGame::gameOverSignal);
    const QString word = s.currentWord();
    for (int index : {-1, 10, 42})
        QMetaObject::invokeMethod(s.root(), "qmlIconClickedSignal", Q_ARG(int, index));
    QCOMPARE(score.count(), 0);
    QCOMPARE(over.count(), 0);
    QCOMPARE(s.currentWord(), word);

    s.tapWrong();
    QCOMPARE(over.count(), 1);
    QCOMPARE(score.count(), 1);
    // After the end: the view's signal (as if a tap got through) changes nothing.
    for (int index = 0; index < 10; ++index)
        QMetaObject::invokeMethod(s.root(), "qmlIconClickedSignal", Q_ARG(int, index));
    QCOMPARE(score.count(), 1);
    QCOMPARE(over.count(), 1);
    QCOMPARE(game->score(), 0);
    QCOMPARE(s.currentWord(), word);
}

void TestWordGameScreen::playerNamesArePlainText()
{
    TestSupport::TemporaryDataLocation data;
    const QString bold = QStringLiteral("<b>x</b>");
    const QString image = QStringLiteral("<img src=\"file:///nonexistent/pic.png\">");
    writeRecords(data.filePath("/wgrecords.dat"), {{bold, 5}, {image, 4}});
    Screen s;
    s.startFromMenu();
    s.tapWrong();
    QTRY_COMPARE(s.item("endPanel")->y(), 0.0);
    QQuickItem *list = s.item("topListView");
    for (const QString &name : {bold, image}) {
        QQuickItem *text = TestSupport::findItemByText(list, name);
        QVERIFY2(text, qPrintable(name));
        QCOMPARE(text->property("textFormat").toInt(), 0); // Text.PlainText
        QCOMPARE(text->property("text").toString(), name);
    }
    QCOMPARE(s.item("topPlayer0")->property("text").toString(), bold);
    s.screenshot("wordgame-end-plaintext");
}

void TestWordGameScreen::undealtGameShowsWayBack_data()
{
    QTest::addColumn<bool>("listsSet");
    QTest::newRow("lists unset") << false;
    QTest::newRow("lists empty") << true;
}

// When the first round cannot be dealt, the window loads the page with
// qtWordGame null (the lists unset, or emptied by an earlier discard) and
// connects only its Back. The bundle always deals, so the page is set up here
// the way the window does it.
void TestWordGameScreen::undealtGameShowsWayBack()
{
    QFETCH(bool, listsSet);
    TestSupport::TemporaryDataLocation data;
    Screen s;
    QQuickWidget view;
    QQmlContext *context = view.rootContext();
    context->setContextProperty("qtMainWindow", &s.window);
    if (listsSet) {
        context->setContextProperty("imageList", QVariant::fromValue(QList<QObject *>()));
        context->setContextProperty("topList", QVariant::fromValue(QList<QObject *>()));
    }
    context->setContextProperty("qtWordGame", QVariant::fromValue<QObject *>(nullptr));
    view.setSource(QUrl("qrc:/qml/WordGameView.qml"));
    QCOMPARE(view.status(), QQuickWidget::Ready);
    QVERIFY(connect(view.rootObject(), SIGNAL(qmlBackToMainSignal()), &s.window, SLOT(buttonBackToMainClicked())));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QQuickItem *root = view.rootObject();
    QCOMPARE(root->width(), 800.0);
    QCOMPARE(TestSupport::findItem(root, "wordText")->property("text").toString(), QString("Not enough words!"));
    QCOMPARE(TestSupport::findItem(root, "scoreText")->property("text").toString(), QString("Score: 0"));
    for (int k = 0; k < 10; ++k)
        QVERIFY(!TestSupport::findItem(root, QString("icon%1").arg(k))->isVisible());
    QCOMPARE(TestSupport::findItem(root, "endPanel")->y(), -480.0);
    QCOMPARE(TestSupport::findItem(root, "topListView")->property("count").toInt(), 0);
    // The hidden panel has nothing to show either.
    QCOMPARE(TestSupport::findItem(root, "answerLabel")->property("text").toString(), QString());
    QCOMPARE(TestSupport::findItem(root, "endScoreText")->property("text").toString(), QString("Score: 0"));
    if (!qEnvironmentVariable("VOCALUNE_SCREENSHOT_DIR").isEmpty())
        view.grabFramebuffer().save(qEnvironmentVariable("VOCALUNE_SCREENSHOT_DIR") + "/wordgame-undealt.png");

    s.tapMain("newGameButton");
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageNewGame));
    TestSupport::tap(&view, TestSupport::findItem(root, "backButton"));
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));
    QVERIFY(!s.continueEnabled());
}

void TestWordGameScreen::soundOfEachWord_data()
{
    QTest::addColumn<bool>("recorded"); // the family recorded every word
    QTest::addColumn<int>("voice");
    QTest::newRow("bundled") << false << int(Settings::OurVoice);
    QTest::newRow("the family's own") << true << int(Settings::OurVoice);
    QTest::newRow("built-in chosen") << true << int(Settings::BuiltInVoice);
}

// Each word asked is said in the family's own voice where they recorded it,
// unless the settings say "Built-in"; once its recording is removed, in its
// bundled one again.
void TestWordGameScreen::soundOfEachWord()
{
    QFETCH(bool, recorded);
    QFETCH(int, voice);
    TestSupport::TemporaryDataLocation data;
    for (const QString &word : recorded ? WordStore::bundledWords("Animals") : QStringList())
        TestSupport::plantVoice("Animals", word);
    Screen s;
    s.window.appSettings()->setMute(false);
    s.window.appSettings()->setVoice(Settings::Voice(voice));
    s.startFromMenu();
    const QString own = data.path() + "/voices/Animals/";
    const QString dir = data.path() + "/mp3/Animals/";
    const auto sound = [&](const QString &word) {
        return recorded && voice == Settings::OurVoice ? own + word + ".ogg" : dir + word + ".mp3";
    };
    QCOMPARE(s.window.player()->currentSource().fileName(), sound(s.currentWord()));
    QCOMPARE(TestSupport::timesPlayed(sound(s.currentWord())), 1);
    s.tapRight();
    QCOMPARE(s.window.player()->currentSource().fileName(), sound(s.currentWord()));

    QVERIFY(s.window.familyVoices()->useBuiltIn("Animals", s.currentWord()));
    QVERIFY(!QFile::exists(own + s.currentWord() + ".ogg"));
    TestSupport::tap(s.view(), s.item("wordBox"));
    QCOMPARE(s.window.player()->currentSource().fileName(), dir + s.currentWord() + ".mp3");
    s.window.player()->stop();
}

// A child who cannot read: the owl says what to do when the page first opens,
// a right pick is praised before the next word is asked for, eight idle
// seconds (on a fake clock) say the word again, and Play again starts a new
// game of the same kind.
void TestWordGameScreen::toldPraisedAndHelped()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.window.appSettings()->setMute(false);
    s.startFromMenu();
    const QString voice = data.path() + "/voice/en/";
    QCOMPARE(TestSupport::timesPlayed(voice + "choose-game.mp3"), 1);
    QCOMPARE(TestSupport::timesPlayed(voice + "find-picture.mp3"), 1);
    const QStringList &log = m_log->debugLines;
    const auto lineOf = [&log](const QString &part, int from = 0) {
        for (int i = from; i < log.size(); ++i) {
            if (log[i].contains(part))
                return i;
        }
        return -1;
    };
    QVERIFY(lineOf("find-picture.mp3") < lineOf("/mp3/Animals/"));
    const int beforeTap = log.size();
    s.tapRight();
    const int praise = lineOf("/voice/praise.mp3", beforeTap);
    QVERIFY(praise >= 0 && praise < lineOf("/mp3/Animals/" + s.currentWord() + ".mp3", beforeTap));

    qint64 now = 0;
    s.window.hint()->setClock([&now] { return now; });
    s.window.hint()->restart();
    QSignalSpy hinted(&s.window, &MainWindow::hintSignal);
    const QString word = data.path() + "/mp3/Animals/" + s.currentWord() + ".mp3";
    const int said = TestSupport::timesPlayed(word);
    for (const qint64 step : {IdleHint::FirstHintMs - 1, qint64(1), IdleHint::AgainHintMs - 1, qint64(1)}) {
        now += step;
        s.window.hint()->check();
    }
    QCOMPARE(hinted.count(), 2);
    QCOMPARE(TestSupport::timesPlayed(word), said + 2);
    // A key starts the wait over.
    QTest::keyClick(s.view(), Qt::Key_Right);
    now += IdleHint::FirstHintMs - 1;
    s.window.hint()->check();
    QCOMPARE(hinted.count(), 2);

    QPointer<WordGame> over = s.window.openWordGame();
    TestSupport::answerNextPrompt("Zoe"); // a score of 1 enters the empty top ten
    s.tapWrong();
    QTRY_COMPARE(s.item("endPanel")->y(), 0.0);
    TestSupport::tap(s.view(), s.item("playAgainButton"));
    QTRY_VERIFY(!over);
    QVERIFY(s.window.openWordGame());
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageWordGame));
    QCOMPARE(s.window.openWordGame()->score(), 0);
    QCOMPARE(TestSupport::timesPlayed(voice + "find-picture.mp3"), 1);
    s.window.player()->stop();
}

// The whole life of the page, meant also for AddressSanitizer: completion,
// game over, ending, starting again, leaving through New Game. The deals are
// seeded, the taps follow the game.
void TestWordGameScreen::completeOverEndStartAgainLeave()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;

    // 1. A perfect game.
    s.startFromMenu();
    QPointer<WordGame> first = s.window.openWordGame();
    for (int round = 1; round <= RoundsOfBundle; ++round) {
        if (round == RoundsOfBundle)
            TestSupport::answerNextPrompt("Zoe");
        s.tapRight();
        if (QTest::currentTestFailed())
            return;
    }
    QTRY_COMPARE(s.item("endPanel")->y(), 0.0);
    QCOMPARE(s.item("endText")->property("text").toString(), QString("Success!"));
    TestSupport::tap(s.view(), s.item("backToMainButton"));
    QVERIFY(!first);
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));
    QVERIFY(!s.continueEnabled());

    // 2. A game lost after one point: the new entry below Zoe's.
    s.startFromMenu();
    QCOMPARE(s.item("endText")->property("text").toString(), QString("Game Over!"));
    QCOMPARE(s.item("endPanel")->y(), -480.0);
    QCOMPARE(s.item("topPlayer0")->property("text").toString(), QString("Zoe"));
    QPointer<WordGame> second = s.window.openWordGame();
    s.tapRight();
    TestSupport::answerNextPrompt("Ann");
    s.tapWrong();
    QTRY_COMPARE(s.item("endPanel")->y(), 0.0);
    QCOMPARE(s.item("topPlayer1")->property("text").toString(), QString("Ann"));
    TestSupport::tap(s.view(), s.item("backToMainButton"));
    QVERIFY(!second);
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));

    // 3. A game left open, continued, then thrown away by New Game.
    s.startFromMenu();
    QPointer<WordGame> third = s.window.openWordGame();
    s.tapRight();
    TestSupport::tap(s.view(), s.item("backButton"));
    QVERIFY(s.continueEnabled());
    s.tapMain("continueButton");
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageWordGame));
    s.tapRight();
    TestSupport::tap(s.view(), s.item("backButton"));
    s.tapMain("newGameButton");
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageNewGame));
    QVERIFY(!third);
    QVERIFY(!s.window.openWordGame());
    QVERIFY(!s.continueEnabled());
    QCOMPARE(s.item("scoreText")->property("text").toString(), QString("Score: 0"));
    QTest::qWait(100); // let the hidden view settle on its empty lists

    // The records file holds both entries.
    QCOMPARE(TestSupport::readFile(data.filePath("/wgrecords.dat")).size(), (4 + 6 + 2) + (4 + 6 + 2));
}

// Under "Try again" with four pictures: two wrong picks grey their tiles
// (with a shake) and say the word again, the second marks the right picture,
// the right pick deals the next round; the game never ends on a mistake, and
// its end panel lists the word that needed more than one try. The owl says
// the word again when tapped.
void TestWordGameScreen::tryAgainWithFourPictures()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    Settings *settings = s.window.appSettings();
    settings->setMistakes(GameOptions::TryAgain);
    settings->setPictures(GameOptions::FourPictures);
    settings->setMute(false);
    s.startFromMenu();
    WordGame *game = s.window.openWordGame();

    // Two columns of two, filling the right half like the ten.
    QCOMPARE(s.publishedPictures().size(), 4);
    QVERIFY(!s.icon(4));
    const double columnHeight = (480 / 20.0) * 17 - 20 - 20;
    for (int k = 0; k < 4; ++k) {
        QQuickItem *icon = s.icon(k);
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->width(), 180.0);
        QCOMPARE(icon->height(), columnHeight / 2 - columnHeight / 40);
        const QPointF topLeft = icon->mapToScene(QPointF(0, 0));
        QCOMPARE(topLeft.x(), k < 2 ? 410.0 : 610.0);
        QCOMPARE(topLeft.y(), 20 + (k % 2) * (columnHeight / 2));
    }
    QVERIFY(s.item("practiceBadge")->isVisible());

    const QString word = s.currentWord();
    const QString sound = data.path() + "/mp3/Animals/" + word + ".mp3";
    QCOMPARE(TestSupport::timesPlayed(sound), 1);
    TestSupport::tap(s.view(), s.item("wordBox"));
    QCOMPARE(TestSupport::timesPlayed(sound), 2);
    s.screenshot("wordgame-four-pictures");

    QList<int> wrong;
    for (int k = 0; k < 4; ++k) {
        if (k != s.rightIndex())
            wrong << k;
    }
    const int right = s.rightIndex();
    QCOMPARE(wrong.size(), 3);
    QSignalSpy over(game, &WordGame::gameOverSignal);

    TestSupport::tap(s.view(), s.icon(wrong[0]));
    QCOMPARE(s.icon(wrong[0])->property("state").toInt(), int(Word::Greyed));
    QVERIFY(s.icon(wrong[0])->findChild<QObject *>("shakeAnimation")->property("running").toBool());
    QCOMPARE(s.icon(right)->property("state").toInt(), int(Word::Normal));
    QCOMPARE(TestSupport::timesPlayed(sound), 3);
    // A greyed picture tapped again changes nothing.
    TestSupport::tap(s.view(), s.icon(wrong[0]));
    QCOMPARE(TestSupport::timesPlayed(sound), 3);

    TestSupport::tap(s.view(), s.icon(wrong[1]));
    QCOMPARE(s.icon(wrong[0])->property("state").toInt(), int(Word::Greyed));
    QCOMPARE(s.icon(wrong[1])->property("state").toInt(), int(Word::Greyed));
    QCOMPARE(s.icon(right)->property("state").toInt(), int(Word::Marked));
    QCOMPARE(TestSupport::timesPlayed(sound), 4);
    QCOMPARE(s.currentWord(), word);
    QCOMPARE(over.count(), 0);
    QCOMPARE(s.item("endPanel")->y(), -480.0);
    s.screenshot("wordgame-marked");

    TestSupport::tap(s.view(), s.icon(right));
    QVERIFY(s.currentWord() != word);
    QCOMPARE(game->score(), 0);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(s.icon(k)->property("state").toInt(), int(Word::Normal));
    QCOMPARE(s.item("endPanel")->y(), -480.0);

    // Right picks to the end of the pool: the missed word comes back on the way.
    const int prompts = TestSupport::answeredPrompts();
    bool metAgain = false;
    for (int round = 0; round < 60 && !game->isFinished(); ++round) {
        metAgain = metAgain || s.currentWord() == word;
        TestSupport::tap(s.view(), s.icon(s.rightIndex()));
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(game->isFinished());
    QVERIFY(metAgain);
    QCOMPARE(over.count(), 0);
    QTRY_COMPARE(s.item("endPanel")->y(), 0.0);
    QCOMPARE(s.item("endText")->property("text").toString(), QString("Success!"));
    QCOMPARE(TestSupport::answeredPrompts(), prompts);
    QVERIFY(s.item("missedBox")->isVisible());
    QCOMPARE(s.item("missedTitle")->property("text").toString(), QString("Words to practise:"));
    QCOMPARE(s.item("missedGrid")->property("count").toInt(), 1);
    QQuickItem *missed = s.item("missed0");
    QVERIFY(missed);
    QCOMPARE(TestSupport::findItem(missed, "missedWord")->property("text").toString(), word);
    QVERIFY(s.item("backToMainButton")->hasActiveFocus());
    s.screenshot("wordgame-end-missed");
}

// A round played with keys only: the arrows move the focus ring to the right
// picture, R says the word again, Space picks it; the focus stays on a
// picture in the next round, reaches Back below the last row, and Escape goes
// back to the menu, from where Continue opens the page on the first picture.
void TestWordGameScreen::keyboardOnlyRound()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.window.appSettings()->setMute(false);
    s.startFromMenu();
    WordGame *game = s.window.openWordGame();
    QVERIFY(s.icon(0)->hasActiveFocus());
    // Started with taps: the focus has no ring a child could take for a hint.
    QVERIFY(!TestSupport::findItem(s.icon(0), "focusRing")->isVisible());

    const QString sound = data.path() + "/mp3/Animals/" + s.currentWord() + ".mp3";
    const int k = s.rightIndex();
    for (int column = 0; column < k / 5; ++column)
        QTest::keyClick(s.view(), Qt::Key_Right);
    for (int row = 0; row < k % 5; ++row)
        QTest::keyClick(s.view(), Qt::Key_Down);
    QVERIFY(s.icon(k)->hasActiveFocus());
    QTest::keyClick(s.view(), Qt::Key_R);
    // The ring shows from the first key (the game was started with taps).
    QVERIFY(TestSupport::findItem(s.icon(k), "focusRing")->isVisible());
    QVERIFY(!TestSupport::findItem(s.icon(0), "focusRing")->isVisible() || k == 0);
    QCOMPARE(TestSupport::timesPlayed(sound), 2);

    QTest::keyClick(s.view(), Qt::Key_Space);
    QCOMPARE(game->score(), 1);
    QVERIFY(s.icon(k)->hasActiveFocus());

    // Down from the bottom row reaches Back; Up comes back.
    for (int row = k % 5; row < 5; ++row)
        QTest::keyClick(s.view(), Qt::Key_Down);
    QVERIFY(s.item("backButton")->hasActiveFocus());
    QTest::keyClick(s.view(), Qt::Key_Up);
    QVERIFY(s.icon(4)->hasActiveFocus());
    QTest::keyClick(s.view(), Qt::Key_Right);
    QVERIFY(s.icon(9)->hasActiveFocus());

    QTest::keyClick(s.view(), Qt::Key_Escape);
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageMain));
    QCOMPARE(s.window.openWordGame(), game);
    s.tapMain("continueButton");
    QCOMPARE(s.window.currentPage(), int(MainWindow::PageWordGame));
    QVERIFY(s.icon(0)->hasActiveFocus());
    s.window.player()->stop();
}

// A screen reader names the picture tiles by their place, never by their
// word; the score and the word in the bubble are read as text.
void TestWordGameScreen::screenReaderNamesKeepTheAnswer()
{
    TestSupport::TemporaryDataLocation data;
    Screen s;
    s.startFromMenu();
    const QList<QObject *> pictures = s.publishedPictures();
    for (int k = 0; k < 10; ++k) {
        QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(s.icon(k));
        QVERIFY(tile);
        QCOMPARE(tile->role(), QAccessible::Button);
        const QString name = tile->text(QAccessible::Name);
        QCOMPARE(name, QString("Picture %1").arg(k + 1));
        for (QObject *picture : pictures)
            QVERIFY2(!name.contains(picture->property("word").toString()), qPrintable(name));
    }
    QAccessibleInterface *score = QAccessible::queryAccessibleInterface(s.item("scoreText"));
    QVERIFY(score);
    QCOMPARE(score->role(), QAccessible::StaticText);
    QCOMPARE(score->text(QAccessible::Name), QString("Score: 0"));
    QAccessibleInterface *bubble = QAccessible::queryAccessibleInterface(s.item("wordText"));
    QVERIFY(bubble);
    QCOMPARE(bubble->role(), QAccessible::StaticText);
    QCOMPARE(bubble->text(QAccessible::Name), s.currentWord());
}

void TestWordGameScreen::wordsShowWhole_data()
{
    TestSupport::addWindowSizeRows();
}

// The longest words show whole in the speech bubble and on the end panel's
// answer line: up to twelve characters at the usual size, longer ones smaller.
void TestWordGameScreen::wordsShowWhole()
{
    QFETCH(QSize, size);
    TestSupport::TemporaryDataLocation data;
    Screen s(size);
    s.startFromMenu();
    QQuickItem *bubble = s.item("wordText");
    for (const QString &word : TestSupport::longWords()) {
        bubble->setProperty("text", word);
        QString fault = TestSupport::wordFitFault(bubble, word);
        if (fault.isEmpty() && word.size() <= 12 && bubble->property("lineCount").toInt() != 1)
            fault = word + " wraps";
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    s.screenshot(QString("wordgame-long-word-%1").arg(size.width()));

    s.tapWrong();
    QQuickItem *panel = s.item("endPanel");
    QTRY_COMPARE(panel->y(), 0.0);
    QQuickItem *answer = TestSupport::findItem(s.item("answerLabel"), "tileText");
    for (const QString &word : TestSupport::longWords()) {
        panel->setProperty("answerWord", word);
        const QString fault = TestSupport::wordFitFault(answer, word);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    s.screenshot(QString("wordgame-end-long-word-%1").arg(size.width()));
}

QTEST_MAIN(TestWordGameScreen)
#include "tst_wordgame_screen.moc"
