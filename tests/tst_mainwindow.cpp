// The window as a player meets it: pages, menu buttons, the Continue rule.
#include "testsupport.h"

#include "DataDirectory.h"
#include "DataFiles.h"
#include "MainWindow.h"
#include "Players.h"
#include "ProgressReport.h"
#include "Settings.h"
#include "Word.h"
#include "WordGame.h"

#include <QApplication>
#include <QFile>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace TestSupport;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }

    void screenSizeStartsFromTheGeometryThenFollowsTheWindow();
    void startsOnTheMainMenuWithoutAGame();
    void mainMenuLayout();
    void disabledContinueDoesNothing();
    void pressedButtonReversesAndReleaseOutsideIsNoClick();
    void menuButtonsOpenTheirPages();
    void playersKeepTheirOwnProgress();
    void damagedMemoryIsSaidOnce();
    void parentGateKeepsSettingsShut();
    void gameModePageBackLeavesContinueAlone();
    void unknownGameModeChangesNothing();
    void continueFollowsTheOpenGame();
    void exitEndsTheEventLoopWithZero();
    void dataDirectoryFallsBackToTheHome();
    void firstSaveCreatesTheDataDirectory();
    void startRemovesTheLeftoversOfKilledSaves();
    void orientationIsLockedToLandscape();

private:
    static QColor pixelAt(QQuickWidget *view, QQuickItem *item, qreal fx, qreal fy)
    {
        const QPointF p = item->mapToScene(QPointF(item->width() * fx, item->height() * fy));
        return view->grabFramebuffer().pixelColor(p.toPoint());
    }
};

void TestMainWindow::screenSizeStartsFromTheGeometryThenFollowsTheWindow()
{
    TemporaryDataLocation data;
    TestWindow w(QSize(800, 480), TestWindow::Hidden);
    QCOMPARE(w.screenWidth(), 800.0);
    QCOMPARE(w.screenHeight(), 480.0);
    QCOMPARE(w.property("screenWidth").toDouble(), 800.0);

    // The window starts at that size: showing it changes nothing.
    QSignalSpy sizeChanged(&w, &MainWindow::screenSizeChanged);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(800, 480));
    QCOMPARE(sizeChanged.count(), 0);
    QCOMPARE(w.root(MainWindow::PageMain)->width(), 800.0);

    // From then on every view takes its size from the window, not the screen.
    w.resize(1024, 600);
    QTRY_COMPARE(w.screenWidth(), 1024.0);
    QCOMPARE(w.screenHeight(), 600.0);
    QCOMPARE(w.property("screenWidth").toDouble(), 1024.0);
    QCOMPARE(sizeChanged.count(), 1);
    QCOMPARE(w.root(MainWindow::PageMain)->width(), 1024.0);
    QCOMPARE(w.root(MainWindow::PageSettings)->height(), 600.0);
}

void TestMainWindow::startsOnTheMainMenuWithoutAGame()
{
    TemporaryDataLocation data;
    TestWindow w(QSize(800, 480), TestWindow::Hidden);
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QVERIFY(!w.openPairGame());
    QVERIFY(!w.openWordGame());
    QVERIFY(w.root(MainWindow::PageMain));
    QVERIFY(w.root(MainWindow::PageNewGame));
    QVERIFY(w.root(MainWindow::PageDictionaries));
    QVERIFY(w.root(MainWindow::PageSettings));
    // The game pages stay empty until a game starts.
    QVERIFY(!w.root(MainWindow::PagePairGame));
    QVERIFY(!w.root(MainWindow::PageWordGame));
    for (auto page : {MainWindow::PageMain, MainWindow::PagePairGame, MainWindow::PageWordGame}) {
        QQmlContext *context = w.context(page);
        QVERIFY(context->contextProperty("qtMainWindow").value<QObject *>() == &w);
        for (const char *name : {"qtPairGame", "qtWordGame", "imageList", "wordList", "topList"})
            QVERIFY2(!context->contextProperty(name).isValid(), name);
    }
    QCOMPARE(w.context(MainWindow::PageSettings)->contextProperty("qtSettings").value<QObject *>(),
             static_cast<QObject *>(w.appSettings()));
    QCOMPARE(w.item(MainWindow::PageMain, "continueButton")->isEnabled(), false);
}

void TestMainWindow::mainMenuLayout()
{
    TemporaryDataLocation data;
    TestWindow w(QSize(800, 480), TestWindow::Hidden);
    QQuickItem *main = w.root(MainWindow::PageMain);
    const QStringList buttons = {"continueButton", "newGameButton", "dictionariesButton", "settingsButton",
                                 "exitButton"};
    const QStringList captions = {"Continue", "New Game", "Dictionaries", "Settings", "Exit"};
    qreal previousBottom = -1;
    for (int i = 0; i < buttons.size(); ++i) {
        QQuickItem *button = findItem(main, buttons[i]);
        QVERIFY(button);
        QCOMPARE(button->property("buttonText").toString(), captions[i]);
        const QRectF r = button->mapRectToScene(QRectF(0, 0, button->width(), button->height()));
        QCOMPARE(r.width(), 400.0);
        QVERIFY(qAbs(r.height() - 480 / 6.9) < 0.01);
        QCOMPARE(r.left(), 200.0);
        if (previousBottom >= 0)
            QVERIFY(qAbs(r.top() - previousBottom - 8.0) < 0.01);
        previousBottom = r.bottom();
    }
    // The owl's slot comes first, so the first button starts one slot and one gap down.
    QQuickItem *first = findItem(main, "continueButton");
    QVERIFY(qAbs(first->mapToScene(QPointF(0, 0)).y() - (480 / 6.9 + 8)) < 0.01);
    QQuickItem *owl = findItem(main, "owl");
    QVERIFY(owl);
    QVERIFY(qAbs(owl->height() - (480 / 6.9 + 480 / 15.0)) < 0.01);
    QVERIFY(owl->z() >= 0);
}

void TestMainWindow::disabledContinueDoesNothing()
{
    TemporaryDataLocation data;
    TestWindow w;
    QQuickWidget *view = w.view(MainWindow::PageMain);
    QQuickItem *continueButton = findItem(view->rootObject(), "continueButton");
    tap(view, continueButton);
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    // Grey, not the blue of an enabled button (sampled beside the owl, which overlaps its top).
    const QColor grey = pixelAt(view, continueButton, 0.15, 0.5);
    QVERIFY2(qAbs(grey.red() - grey.blue()) < 20 && qAbs(grey.green() - grey.blue()) < 20, qPrintable(grey.name()));
    const QColor blue = pixelAt(view, findItem(view->rootObject(), "newGameButton"), 0.15, 0.5);
    QVERIFY2(blue.blue() > 200 && blue.red() < 60, qPrintable(blue.name()));
}

void TestMainWindow::pressedButtonReversesAndReleaseOutsideIsNoClick()
{
    TemporaryDataLocation data;
    TestWindow w;
    QQuickWidget *view = w.view(MainWindow::PageMain);
    QQuickItem *newGame = findItem(view->rootObject(), "newGameButton");
    const QColor before = pixelAt(view, newGame, 0.5, 0.1);
    QVERIFY2(before.green() > 150 && before.blue() > 150, qPrintable(before.name())); // cyan on top

    const QPoint centre = centreInView(newGame).toPoint();
    pressAndMove(view, centre, centre, 1);
    QTRY_VERIFY(newGame->property("pressed").toBool());
    const QColor pressed = pixelAt(view, newGame, 0.5, 0.1);
    QVERIFY2(pressed.green() < 100 && pressed.blue() > 150, qPrintable(pressed.name())); // blue on top

    pressAndMove(view, centre, QPoint(10, 470));
    release(view, QPoint(10, 470));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
}

void TestMainWindow::menuButtonsOpenTheirPages()
{
    TemporaryDataLocation data;
    TestWindow w;

    QVERIFY(w.tap(MainWindow::PageMain, "newGameButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageNewGame));
    QVERIFY(w.tap(MainWindow::PageNewGame, "backButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));

    QVERIFY(w.tap(MainWindow::PageMain, "dictionariesButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageDictionaries));
    QVERIFY(w.tap(MainWindow::PageDictionaries, "cancelButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));

    QVERIFY(w.tap(MainWindow::PageMain, "settingsButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageSettings));
    QVERIFY(w.tap(MainWindow::PageSettings, "cancelButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));

    QVERIFY(w.tap(MainWindow::PageMain, "playerButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PagePlayers));
    QVERIFY(w.tap(MainWindow::PagePlayers, "progressButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageProgress));
    QVERIFY(w.tap(MainWindow::PageProgress, "backButton"));
    QVERIFY(w.tap(MainWindow::PagePlayers, "backButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
}

// Two children on one computer: each one's answers are theirs alone, and the
// progress page and the export say what was answered.
void TestMainWindow::playersKeepTheirOwnProgress()
{
    TemporaryDataLocation data;
    TestWindow w;
    Players *players = w.players();
    QVERIFY(players->open());
    QCOMPARE(players->currentName(), QString("Player 1"));
    QCOMPARE(w.item(MainWindow::PageMain, "playerButton")->property("accessibleName").toString(),
             QString("Who is playing? Player 1"));
    const int first = players->currentId();
    const int second = players->add("Zoë, \"Bee\"", ":/png/Animals/Bee.png");
    QVERIFY(second >= 0 && second != first);
    QCOMPARE(players->currentId(), second);

    w.buttonNewGameClicked();
    w.buttonStartGameClicked(1);
    WordGame *game = w.openWordGame();
    QVERIFY(game);
    const QString asked = game->word();
    QString dictionary;
    for (int k = 0; k < game->imageList().size(); ++k) {
        auto *picture = qobject_cast<Word *>(game->imageList().at(k));
        if (picture->word() == asked) {
            dictionary = picture->dictionary();
            game->iconClicked(k);
            break;
        }
    }
    QVERIFY(!dictionary.isEmpty());

    const auto learning = [&](int player) {
        w.buttonProgressClicked(player);
        int total = 0;
        for (const QVariant &bar : w.progressReport()->dictionaries())
            total += bar.toMap().value("learning").toInt();
        return total;
    };
    QCOMPARE(learning(second), 1);
    QCOMPARE(learning(first), 0);

    const QString path = data.path() + "/export.csv";
    QVERIFY(w.progressReport()->exportTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(file.readAll());
    QVERIFY2(csv.contains(QString("\"Zoë, \"\"Bee\"\"\",%1,%2,1,1,0,").arg(dictionary, asked)), qPrintable(csv));
    QCOMPARE(csv.count("\r\n"), 2);
}

// A memory that is not a database is kept aside; the players page says so
// once, and play goes on with a fresh one.
void TestMainWindow::damagedMemoryIsSaidOnce()
{
    TemporaryDataLocation data;
    QDir().mkpath(data.path());
    writeFile(data.filePath("/progress.sqlite"), QByteArray(4096, 'x'));
    TestWindow w;
    QVERIFY(w.players()->open());
    w.buttonPlayersClicked();
    QQuickItem *notice = w.item(MainWindow::PagePlayers, "playersNotice");
    QVERIFY(notice->property("text").toString().startsWith("The memory of words was damaged"));
    QCOMPARE(QDir(data.path()).entryList({"progress.sqlite.damaged-*"}).size(), 1);
    QVERIFY(w.tap(MainWindow::PagePlayers, "backButton"));
    w.buttonPlayersClicked();
    QCOMPARE(notice->property("text").toString(), QString());
}

// With the parent lock on, Settings opens only after the hold and the right
// number: a wrong number shuts the gate; a keyboard gets through as a mouse does.
void TestMainWindow::parentGateKeepsSettingsShut()
{
    TemporaryDataLocation data;
    TestWindow w;
    w.appSettings()->setParentLock(true);
    QQuickWidget *menu = w.view(MainWindow::PageMain);
    for (const bool keyboard : {false, true}) {
        QVERIFY(w.tap(MainWindow::PageMain, "settingsButton"));
        QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
        QQuickItem *gate = w.item(MainWindow::PageMain, "parentGate");
        QVERIFY(gate && gate->isVisible());
        QQuickItem *spot = w.item(MainWindow::PageMain, "gateSpot");
        const QPoint centre = spot->mapToScene(QPointF(spot->width() / 2, spot->height() / 2)).toPoint();
        if (keyboard)
            QTest::keyPress(menu, Qt::Key_Space);
        else
            QTest::mousePress(menu, Qt::LeftButton, {}, centre);
        QVERIFY(gate->property("holding").toBool());
        // Three seconds later, as its timer would say.
        QMetaObject::invokeMethod(gate, "finishHold");
        if (!keyboard)
            QTest::mouseRelease(menu, Qt::LeftButton, {}, centre);
        const int right = gate->property("choices").toList().indexOf(gate->property("number"));
        QVERIFY(right >= 0);
        if (keyboard) {
            for (int k = 0; k < right; ++k)
                QTest::keyClick(menu, Qt::Key_Right);
            QTest::keyClick(menu, Qt::Key_Return);
            QCOMPARE(w.currentPage(), int(MainWindow::PageSettings));
        } else {
            QVERIFY(w.tap(MainWindow::PageMain, QString("gateNumber%1").arg((right + 1) % 4)));
            QVERIFY(!gate->isVisible());
            QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
        }
    }
}

void TestMainWindow::gameModePageBackLeavesContinueAlone()
{
    TemporaryDataLocation data;
    TestWindow w;
    QSignalSpy continueSignal(&w, &MainWindow::enableContinueButtonSignal);

    QVERIFY(w.tap(MainWindow::PageMain, "newGameButton"));
    QCOMPARE(continueSignal.count(), 1);
    QCOMPARE(continueSignal.takeFirst().at(0).toBool(), false);
    QVERIFY(w.tap(MainWindow::PageNewGame, "backButton"));
    QCOMPARE(continueSignal.count(), 0);
    QCOMPARE(w.item(MainWindow::PageMain, "continueButton")->isEnabled(), false);
}

void TestMainWindow::unknownGameModeChangesNothing()
{
    TemporaryDataLocation data;
    TestWindow w(QSize(800, 480), TestWindow::Hidden);
    w.buttonNewGameClicked();
    w.buttonStartGameClicked(2);
    w.buttonStartGameClicked(-1);
    QCOMPARE(w.currentPage(), int(MainWindow::PageNewGame));
    QVERIFY(!w.openPairGame());
    QVERIFY(!w.openWordGame());
    QVERIFY(!w.root(MainWindow::PageWordGame));
}

void TestMainWindow::continueFollowsTheOpenGame()
{
    TemporaryDataLocation data;
    TestWindow w;
    QQuickItem *continueButton = w.item(MainWindow::PageMain, "continueButton");
    // No key was pressed: the focus is on New Game, without its ring.
    QQuickItem *newGame = w.item(MainWindow::PageMain, "newGameButton");
    QVERIFY(newGame->hasActiveFocus());
    QVERIFY(!findItem(newGame, "focusRing")->isVisible());

    QVERIFY(w.tap(MainWindow::PageMain, "newGameButton"));
    QVERIFY(w.tap(MainWindow::PageNewGame, "wordGameButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageWordGame));
    QPointer<WordGame> game = w.openWordGame();
    QVERIFY(game);
    const int scoreBefore = game->score();

    // Back keeps the game and enables Continue, which returns to it.
    QVERIFY(w.tap(MainWindow::PageWordGame, "backButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QVERIFY(continueButton->isEnabled());
    QVERIFY(continueButton->hasActiveFocus());
    QVERIFY(!findItem(continueButton, "focusRing")->isVisible());
    QCOMPARE(w.openWordGame(), game.data());
    tap(w.view(MainWindow::PageMain), continueButton);
    QCOMPARE(w.currentPage(), int(MainWindow::PageWordGame));
    QCOMPARE(game->score(), scoreBefore);

    // New Game throws the game away and disables Continue again.
    QVERIFY(w.tap(MainWindow::PageWordGame, "backButton"));
    QVERIFY(w.tap(MainWindow::PageMain, "newGameButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageNewGame));
    QVERIFY(game.isNull());
    QVERIFY(!w.openWordGame());
    QVERIFY(!continueButton->isEnabled());
    QVERIFY(w.tap(MainWindow::PageNewGame, "backButton"));
    QVERIFY(!continueButton->isEnabled());
    tap(w.view(MainWindow::PageMain), continueButton);
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
}

void TestMainWindow::exitEndsTheEventLoopWithZero()
{
    TemporaryDataLocation data;
    TestWindow w;
    bool tapped = false;
    QTimer::singleShot(0, [&] {
        QVERIFY(w.tap(MainWindow::PageMain, "exitButton"));
        tapped = true;
    });
    // A stray loop would hang here; the guard ends it with a non-zero code instead.
    QTimer::singleShot(60000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(tapped);
    QVERIFY(!w.isVisible());
}

void TestMainWindow::dataDirectoryFallsBackToTheHome()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    DataDirectory::setPlatformLocationProvider([] { return QString(); });

    QCOMPARE(DataDirectory::path(), home.path() + "/.Vocalune");
    QCOMPARE(DataDirectory::recordingsDirectory("Animals"), home.path() + "/.Vocalune/mp3/Animals");
    {
        TestWindow w(QSize(800, 480), TestWindow::Hidden);
        w.appSettings()->save();
    }
    QVERIFY(QFile::exists(home.path() + "/.Vocalune/settings.dat"));
    QVERIFY(QFile::exists(home.path() + "/.Vocalune/mp3/Animals/Cat.mp3"));

    DataDirectory::setPlatformLocationProvider({});
    qputenv("HOME", oldHome);
}

void TestMainWindow::firstSaveCreatesTheDataDirectory()
{
    QTemporaryDir root;
    const QString location = root.path() + "/deeper/still/Vocalune";
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    QVERIFY(!QFile::exists(location));
    Settings settings;
    settings.save();
    QCOMPARE(readFile(location + "/settings.dat").size(), 9);
    DataDirectory::setPlatformLocationProvider({});
}

void TestMainWindow::startRemovesTheLeftoversOfKilledSaves()
{
    TemporaryDataLocation data;
    const QString outside = QFileInfo(data.path()).path();
    QDir().mkpath(data.path() + "/mp3");
    QDir().mkpath(data.path() + "/pgrecords.dat.ZxCvBn");
    const QByteArray settings = QByteArray::fromHex("3FD000000000000001");
    writeFile(data.filePath("/settings.dat"), settings);
    // What a save killed before its rename leaves: the data file's name and six random letters.
    QStringList leftovers;
    for (const QString &name : DataFiles::all())
        leftovers << name.mid(1) + ".qWeRtY";
    for (const QString &name : leftovers)
        writeFile(data.path() + '/' + name, "half a file");
    // Not ours to remove: other names, other suffixes, a folder, a file in a
    // folder below and one outside the data directory.
    const QStringList kept = {"settings.dat.AbCdE", "settings.dat.AbCdEfG", "settings.dat",
                              "notes.dat.AbCdEf",   "settings.datXAbCdEf",  "pgrecords.dat.ZxCvBn"};
    for (const QString &name : kept.mid(0, 2) + kept.mid(3, 2))
        writeFile(data.path() + '/' + name, "the player's");
    writeFile(data.path() + "/mp3/settings.dat.AbCdEf", "below");
    writeFile(outside + "/settings.dat.AbCdEf", "outside");

    TestWindow w(QSize(800, 480), TestWindow::Hidden);
    for (const QString &name : leftovers)
        QVERIFY2(!QFile::exists(data.path() + '/' + name), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(QFile::exists(data.path() + '/' + name), qPrintable(name));
    QVERIFY(QFile::exists(data.path() + "/mp3/settings.dat.AbCdEf"));
    QVERIFY(QFile::exists(outside + "/settings.dat.AbCdEf"));
    QCOMPARE(readFile(data.filePath("/settings.dat")), settings);
    QCOMPARE(w.appSettings()->volumePercent(), 25);
}

void TestMainWindow::orientationIsLockedToLandscape()
{
    TemporaryDataLocation data;
    TestWindow w(QSize(800, 480), TestWindow::Hidden);
    w.applyOrientation(1);
    QCOMPARE(w.requestedOrientation(), Qt::LandscapeOrientation);
    w.applyOrientation(0);
    QCOMPARE(w.requestedOrientation(), Qt::PortraitOrientation);
    w.applyOrientation(7);
    QCOMPARE(w.requestedOrientation(), Qt::PrimaryOrientation);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
