// The window on a desktop: any size or full screen, keys only, screen readers.
#include "testsupport.h"

#include "GameOptions.h"
#include "MainWindow.h"
#include "NamePromptDialog.h"
#include "Players.h"
#include "Settings.h"
#include "TopTenList.h"
#include "WindowMode.h"
#include "WordGame.h"
#include "WordStore.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QScreen>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

using namespace TestSupport;

namespace {

const QList<MainWindow::Page> MenuPages = {MainWindow::PageMain, MainWindow::PageNewGame, MainWindow::PageDictionaries,
                                           MainWindow::PageSettings};

// The item the keyboard is on, in the page now shown.
QQuickItem *focusedItem(MainWindow &w)
{
    QQuickWidget *view = w.view(MainWindow::Page(w.currentPage()));
    return view->quickWindow()->activeFocusItem();
}

// The keyboard is on the page now shown: its view has the widget focus and
// an item of its page the active focus.
QString focusFault(MainWindow &w)
{
    QQuickWidget *view = w.view(MainWindow::Page(w.currentPage()));
    if (QApplication::focusWidget() != view)
        return QString("page %1: the focus is on another widget").arg(w.currentPage());
    QQuickItem *focused = view->quickWindow()->activeFocusItem();
    QQuickItem *page = view->rootObject();
    if (!focused || !page || (focused != page && !page->isAncestorOf(focused)))
        return QString("page %1: no item of the page has the focus").arg(w.currentPage());
    return QString();
}

void press(MainWindow &w, Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, key);
}

// Every accessible interface below face, depth first.
void collect(QAccessibleInterface *face, QList<QAccessibleInterface *> *found, int depth = 0)
{
    if (!face || depth > 40)
        return;
    found->append(face);
    for (int i = 0; i < face->childCount(); ++i)
        collect(face->child(i), found, depth + 1);
}

QAccessibleInterface *findAccessible(QAccessibleInterface *top, QAccessible::Role role, const QString &name)
{
    QList<QAccessibleInterface *> all;
    collect(top, &all);
    for (QAccessibleInterface *face : all) {
        if (face->role() == role && face->text(QAccessible::Name) == name)
            return face;
    }
    return nullptr;
}

QAccessibleInterface *accessibleOf(QAccessibleInterface *top, QObject *object)
{
    QList<QAccessibleInterface *> all;
    collect(top, &all);
    for (QAccessibleInterface *face : all) {
        if (face->object() == object)
            return face;
    }
    return nullptr;
}

class Window
{
public:
    Window()
        : w(QSize(800, 480), TestWindow::Active)
    {
        w.appSettings()->setMute(true);
    }
    TestWindow w;
};

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initApplication();
        // The program's font: the pages' texts are measured in it.
        QApplication::setFont(QFont("Arial", 30));
    }

    void pagesFollowTheWindowDownToItsMinimum();
    void everyPageLaysOutAtEverySize_data();
    void everyPageLaysOutAtEverySize();
    void aRoundSurvivesAResize();
    void f11TogglesFullScreen();
    void windowManagerCloseExitsLikeExit();
    void keysAloneReachAGameAndTheFocusIsNeverLost();
    void escapeOnTheMenuPages();
    void settingsByKeys();
    void namePromptTakesEnter();
    void screenReaderReachesTheMenuButtons();
    void screenReaderNeverHearsThePicturesWord();
};

void TestDesktop::pagesFollowTheWindowDownToItsMinimum()
{
    TemporaryDataLocation data;
    Window s;
    TestWindow &w = s.w;
    for (const QSize &size : {QSize(1000, 600), QSize(1920, 1080), QSize(700, 400)}) {
        w.resize(size);
        QTRY_COMPARE(w.size(), size);
        QCOMPARE(w.screenWidth(), double(size.width()));
        QCOMPARE(w.screenHeight(), double(size.height()));
        for (MainWindow::Page page : MenuPages) {
            QCOMPARE(w.root(page)->size(), QSizeF(size));
            QCOMPARE(w.view(page)->size(), size);
        }
        // Sizes are shares of the page: the menu stays half as wide as the window.
        QCOMPARE(w.item(MainWindow::PageMain, "newGameButton")->width(), size.width() / 2.0);
    }
    w.resize(300, 200);
    QTRY_COMPARE(w.size(), WindowMode::minimumSize());
    QCOMPARE(w.root(MainWindow::PageSettings)->size(), QSizeF(640, 384));
}

void TestDesktop::everyPageLaysOutAtEverySize_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QSize>("size");
    for (const QSize size : windowSizes()) {
        for (const char *page : {"menu",
                                 "game mode",
                                 "word 10",
                                 "word 6",
                                 "word 4",
                                 "word end",
                                 "word practice end",
                                 "pair 6",
                                 "pair 4",
                                 "pair 3",
                                 "pair end",
                                 "dictionaries",
                                 "importProgress",
                                 "importReport",
                                 "confirmRemove",
                                 "settings",
                                 "book",
                                 "close-up",
                                 "players",
                                 "playerEditor",
                                 "confirmRemovePlayer",
                                 "progress"})
            QTest::newRow(qPrintable(QString("%1 %2x%3").arg(page).arg(size.width()).arg(size.height())))
                << QString(page) << size;
    }
}

// Nothing cut, squeezed or overlapping on any page at any size the window allows.
void TestDesktop::everyPageLaysOutAtEverySize()
{
    QFETCH(QString, page);
    QFETCH(QSize, size);
    TemporaryDataLocation data;
    // Full top tens of the widest names and three-digit scores.
    QByteArray records;
    QDataStream out(&records, QIODevice::WriteOnly);
    for (int place = 0; place < 10; ++place)
        out << QString("WWWWWWWWWWWWWWWW") << qint16(999 - place);
    QDir().mkpath(data.path());
    writeFile(data.filePath("/wgrecords.dat"), records);
    writeFile(data.filePath("/pgrecords.dat"), records);
    // Built-in voice shows beside a recording of the family's own.
    if (page == "close-up")
        plantVoice("Animals", WordStore::bundledWords("Animals")[1]);
    TestWindow w(size);
    w.appSettings()->setMute(true);
    // Word Game pictures, or Pair Game pairs (three for four pictures, four for six, six for ten).
    const int count = page.section(' ', 1).toInt();
    const int pictures = page.startsWith("pair") ? (count == 3 ? 4 : count == 4 ? 6 : 10) : count;
    w.appSettings()->setPictures(GameOptions::Pictures(pictures ? pictures : 10));
    // Under "Try again" the end panel lists the words missed.
    w.appSettings()->setMistakes(page.contains("practice") ? GameOptions::TryAgain : GameOptions::EndTheGame);
    QCOMPARE(w.size(), size);
    if (page != "menu")
        w.buttonNewGameClicked();
    if (page.startsWith("word") || page.startsWith("pair"))
        w.buttonStartGameClicked(page.startsWith("word") ? 1 : 0);
    else if (page == "settings")
        w.buttonSettingsClicked();
    else if (page == "book" || page == "close-up")
        w.buttonPictureBookClicked();
    else if (page.contains("layer") || page == "progress") {
        // The widest names, and a grid of more than one row.
        QVERIFY(w.players()->open());
        for (int k = 0; k < 6; ++k)
            w.players()->add("WWWWWWWWWWWWWWWW", ":/png/Animals/Fox.png");
        w.buttonPlayersClicked();
    } else if (page != "menu" && page != "game mode")
        w.buttonDictionariesClicked();
    QQuickItem *shown = w.root(MainWindow::Page(w.currentPage()));
    // The save that failed says so on both pages that save; a panel opens as its import or removal would.
    shown->setProperty("saveFailed", true);
    shown->setProperty("setToRemove", "Our pets from the holiday by the sea");
    if (page == "progress") {
        // A dictionary's bar, the charts and the hardest words all drawn.
        for (const char *word : {"Cat", "Dog", "Cow"})
            w.players()->record(0, "Animals", word, WordMemory::Mistake);
        w.buttonProgressClicked(w.players()->currentId());
        shown = w.root(MainWindow::PageProgress);
    }
    if (QQuickItem *panel = page.startsWith("import") || page.startsWith("confirmRemove") || page == "playerEditor"
            ? findItem(shown, page)
            : nullptr) {
        if (page == "importReport") {
            panel->setProperty("lines",
                               QStringList{"Imported 6 words into the set \"Our pets\".",
                                           "Tiger.png: no recording Tiger.mp3 beside it."});
            panel->setProperty("voicedWords", QStringList{"Chocolate birthday cakes", "Cat"});
        }
        panel->setVisible(true);
    }
    if (page == "close-up") {
        QVERIFY(w.tap(MainWindow::PagePictureBook, "bookPicture1"));
        QVERIFY(findItem(shown, "builtInVoiceButton")->isVisible());
    }
    // The longest message a take can end with.
    if (QQuickItem *message = page == "close-up" || page == "importReport" ? findItem(shown, "voiceMessage") : nullptr)
        message->setProperty("text", "I could not hear you. Try again, a little closer.");
    if (page.endsWith("end")) {
        const QString word = page.startsWith("word") ? w.openWordGame()->word()
                                                     : w.context(MainWindow::PagePairGame)
                                                           ->contextProperty("wordList")
                                                           .value<QList<QObject *>>()[0]
                                                           ->property("word")
                                                           .toString();
        const auto tiles =
            w.context(MainWindow::Page(w.currentPage()))->contextProperty("imageList").value<QList<QObject *>>();
        int wrong = 0;
        while (tiles[wrong]->property("word").toString() == word)
            ++wrong;
        if (page.startsWith("pair"))
            QMetaObject::invokeMethod(shown, "qmlLabelClickedSignal", Q_ARG(int, 0));
        QMetaObject::invokeMethod(shown, "qmlIconClickedSignal", Q_ARG(int, wrong));
        WordGame *game = w.openWordGame();
        for (int round = 0; page.contains("practice") && !game->isFinished() && round < 500; ++round) {
            const auto dealt = game->imageList();
            for (int k = 0; k < dealt.size(); ++k) {
                if (dealt[k]->property("word").toString() == game->word()) {
                    QMetaObject::invokeMethod(shown, "qmlIconClickedSignal", Q_ARG(int, k));
                    break;
                }
            }
        }
        QTRY_COMPARE(findItem(shown, "endPanel")->y(), 0.0);
    }
    QString fault;
    QTRY_VERIFY2((fault = layoutFault(shown)).isEmpty(), qPrintable(fault));
}

void TestDesktop::aRoundSurvivesAResize()
{
    TemporaryDataLocation data;
    Window s;
    TestWindow &w = s.w;
    QVERIFY(w.tap(MainWindow::PageMain, "newGameButton"));
    QVERIFY(w.tap(MainWindow::PageNewGame, "wordGameButton"));
    WordGame *game = w.openWordGame();
    QVERIFY(game);
    QQuickWidget *view = w.view(MainWindow::PageWordGame);
    const qreal tileBefore = findItem(view->rootObject(), "icon0")->width();

    w.resize(1200, 720);
    QTRY_COMPARE(view->rootObject()->width(), 1200.0);
    QVERIFY(findItem(view->rootObject(), "icon0")->width() > tileBefore * 1.4);

    const QString word = game->property("word").toString();
    int right = -1;
    for (int k = 0; k < 10; ++k) {
        QObject *picture =
            w.context(MainWindow::PageWordGame)->contextProperty("imageList").value<QList<QObject *>>().value(k);
        if (picture && picture->property("word").toString() == word)
            right = k;
    }
    QVERIFY(right >= 0);
    // The tap lands where the resized page now draws the picture.
    // A frame at the new size first, as the player sees one before tapping;
    // the tap comes later than a double click would, as a player's does.
    QCOMPARE(view->grabFramebuffer().size(), QSize(1200, 720));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier,
                      centreInView(findItem(view->rootObject(), QString("icon%1").arg(right))).toPoint(),
                      QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1);
    QCOMPARE(game->score(), 1);
}

void TestDesktop::f11TogglesFullScreen()
{
    TemporaryDataLocation data;
    {
        Window s;
        TestWindow &w = s.w;
        const QRect normal = w.geometry();
        press(w, Qt::Key_F11);
        QTRY_VERIFY(w.isFullScreen());
        const QSize screen = w.screen()->geometry().size();
        QTRY_COMPARE(w.root(MainWindow::PageMain)->size(), QSizeF(screen));
        press(w, Qt::Key_F11);
        QTRY_VERIFY(!w.isFullScreen());
        QTRY_COMPARE(w.geometry(), normal);
        QCOMPARE(w.root(MainWindow::PageMain)->size(), QSizeF(800, 480));
        QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));
    }
    {
        // Started full screen as the program does: the first window is a
        // share of the screen, centred, never below the minimum.
        MainWindow w(QGuiApplication::primaryScreen()->geometry());
        w.showFullScreen();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        press(w, Qt::Key_F11);
        QTRY_VERIFY(!w.isFullScreen());
        const QRect available = w.screen()->availableGeometry();
        const QRect expected = WindowMode::firstNormalGeometry(available);
        QTRY_COMPARE(w.geometry(), expected);
        QVERIFY(expected.width() < available.width() && expected.height() < available.height());
        QCOMPARE(expected.center(), available.center());
        QCOMPARE(w.view(MainWindow::PageMain)->rootObject()->size(), QSizeF(expected.size()));
    }
    QCOMPARE(WindowMode::firstNormalGeometry(QRect(0, 0, 700, 400)).size(), QSize(640, 384));
}

void TestDesktop::windowManagerCloseExitsLikeExit()
{
    TemporaryDataLocation data;
    Window s;
    TestWindow &w = s.w;
    bool asked = false;
    QTimer::singleShot(0, [&] {
        // What the window system sends when its close button is pressed.
        QCloseEvent close;
        QApplication::sendEvent(w.windowHandle(), &close);
        asked = true;
    });
    QTimer::singleShot(60000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(asked);
    QVERIFY(!w.isVisible());
}

void TestDesktop::keysAloneReachAGameAndTheFocusIsNeverLost()
{
    TemporaryDataLocation data;
    Window s;
    TestWindow &w = s.w;
    QQuickItem *continueButton = w.item(MainWindow::PageMain, "continueButton");
    QQuickItem *newGame = w.item(MainWindow::PageMain, "newGameButton");

    // No game: Continue is off, so the keys start on New Game and Up stays there.
    QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));
    QCOMPARE(focusedItem(w), newGame);
    press(w, Qt::Key_Up);
    QCOMPARE(focusedItem(w), newGame);
    press(w, Qt::Key_Down);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageMain, "dictionariesButton"));
    press(w, Qt::Key_Down);
    press(w, Qt::Key_Down);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageMain, "exitButton"));
    press(w, Qt::Key_Up);
    press(w, Qt::Key_Up);
    press(w, Qt::Key_Up);
    QCOMPARE(focusedItem(w), newGame);

    press(w, Qt::Key_Return);
    QCOMPARE(w.currentPage(), int(MainWindow::PageNewGame));
    QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageNewGame, "pairGameButton"));
    press(w, Qt::Key_Down);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageNewGame, "wordGameButton"));
    press(w, Qt::Key_Space);
    QCOMPARE(w.currentPage(), int(MainWindow::PageWordGame));
    QVERIFY(w.openWordGame());
    QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));

    // Back with the game kept: the menu starts on Continue, which returns to it.
    QVERIFY(w.tap(MainWindow::PageWordGame, "backButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));
    QCOMPARE(focusedItem(w), continueButton);
    press(w, Qt::Key_Enter);
    QCOMPARE(w.currentPage(), int(MainWindow::PageWordGame));
    QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));

    // Every menu page, shown by any way, has its keyboard at once.
    QVERIFY(w.tap(MainWindow::PageWordGame, "backButton"));
    for (const char *button : {"dictionariesButton", "settingsButton"}) {
        w.buttonBackToMainClicked();
        QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));
        QVERIFY(w.tap(MainWindow::PageMain, button));
        QVERIFY(w.currentPage() != int(MainWindow::PageMain));
        QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));
    }
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "slider"));
}

void TestDesktop::escapeOnTheMenuPages()
{
    TemporaryDataLocation data;
    Window s;
    TestWindow &w = s.w;
    // The main menu ignores it: no quitting by accident.
    press(w, Qt::Key_Escape);
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QVERIFY(w.isVisible());
    QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));

    w.buttonNewGameClicked();
    press(w, Qt::Key_Escape);
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QVERIFY(!w.openPairGame() && !w.openWordGame());

    // Escape on the settings is Cancel: the volume changed by keys goes back.
    const int volume = w.appSettings()->volumePercent();
    w.buttonSettingsClicked();
    press(w, Qt::Key_Right);
    QCOMPARE(w.item(MainWindow::PageSettings, "slider")->property("value").toInt(), volume + 5);
    press(w, Qt::Key_Escape);
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QCOMPARE(w.appSettings()->volumePercent(), volume);
    QCOMPARE(w.item(MainWindow::PageSettings, "slider")->property("value").toInt(), volume);
    QVERIFY2(focusFault(w).isEmpty(), qPrintable(focusFault(w)));
}

void TestDesktop::settingsByKeys()
{
    TemporaryDataLocation data;
    Window s;
    TestWindow &w = s.w;
    Settings *settings = w.appSettings();
    const bool muted = settings->mute();
    w.buttonSettingsClicked();
    QQuickItem *slider = w.item(MainWindow::PageSettings, "slider");
    QCOMPARE(focusedItem(w), slider);
    // Down to the top, then back by twos and threes: every step lands on its value.
    press(w, Qt::Key_End);
    QCOMPARE(slider->property("value").toInt(), 100);
    for (int i = 1; i <= 20; ++i) {
        press(w, Qt::Key_Left);
        QCOMPARE(slider->property("value").toInt(), 100 - 5 * i);
    }
    press(w, Qt::Key_Left);
    QCOMPARE(slider->property("value").toInt(), 0);
    for (int i = 0; i < 7; ++i)
        press(w, Qt::Key_Right);
    QCOMPARE(slider->property("value").toInt(), 35);

    press(w, Qt::Key_Down);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "muteSwitch"));
    press(w, Qt::Key_Space);
    QCOMPARE(settings->mute(), !muted);
    // Down through the three rows of choices: Right and Space pick "Try again".
    press(w, Qt::Key_Down);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "mistakesRowChoice0"));
    press(w, Qt::Key_Right);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "mistakesRowChoice1"));
    press(w, Qt::Key_Space);
    QCOMPARE(int(settings->mistakes()), int(GameOptions::TryAgain));
    press(w, Qt::Key_Down);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "picturesRowChoice0"));
    press(w, Qt::Key_Down);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "wordsRowChoice0"));
    press(w, Qt::Key_Down);
    press(w, Qt::Key_Right);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "voiceRowChoice1"));
    press(w, Qt::Key_Space);
    QCOMPARE(settings->voice(), Settings::BuiltInVoice);
    press(w, Qt::Key_Down);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "cancelButton"));
    press(w, Qt::Key_Right);
    QCOMPARE(focusedItem(w), w.item(MainWindow::PageSettings, "saveButton"));
    press(w, Qt::Key_Return);
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QCOMPARE(settings->volumePercent(), 35);
    Settings stored;
    stored.load();
    QCOMPARE(stored.volumePercent(), 35);
    QCOMPARE(stored.mute(), !muted);
    QCOMPARE(stored.voice(), Settings::BuiltInVoice);
    QCOMPARE(int(stored.mistakes()), int(GameOptions::TryAgain));
}

void TestDesktop::namePromptTakesEnter()
{
    TemporaryDataLocation data;
    QWidget parent;
    parent.show();
    TopTenList list("/wgrecords.dat");
    NamePromptDialog prompt(&parent);
    QString typed;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->parentWidget(), &parent);
        QCOMPARE(dialog->windowTitle(), QString("Word Game"));
        QCOMPARE(dialog->labelText(), QString("Your name:"));
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QLineEdit *field = dialog->findChild<QLineEdit *>();
        QVERIFY(field);
        QTRY_VERIFY(field->hasFocus());
        QVERIFY(field->text().isEmpty());
        // The field stops where an entry's name ends.
        field->setText(QString(15, 'a') + QString::fromUtf8("\xF0\x9F\x98\x80"));
        QCOMPARE(field->text(), QString(15, 'a'));
        field->clear();
        QTest::keyClicks(field, "Ann and her long name");
        typed = field->text();
        QTest::keyClick(field, Qt::Key_Return);
    });
    QTimer::singleShot(20000, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    list.enter(7, &prompt, "Word Game", "Your name:", {});
    QCOMPARE(typed, QString("Ann and her long"));
    QCOMPARE(list.records().size(), 1);
    QCOMPARE(list.records().first()->property("player").toString(), typed);
}

void TestDesktop::screenReaderReachesTheMenuButtons()
{
    TemporaryDataLocation data;
    Window s;
    TestWindow &w = s.w;
    w.move(37, 21);
    QTRY_COMPARE(w.pos(), QPoint(37, 21));
    QAccessibleInterface *top = QAccessible::queryAccessibleInterface(&w);
    QVERIFY(top);
    const QStringList captions = {"Continue", "New Game", "Dictionaries", "Settings", "Exit"};
    const QStringList names = {"continueButton", "newGameButton", "dictionariesButton", "settingsButton", "exitButton"};
    QQuickWidget *view = w.view(MainWindow::PageMain);
    for (int i = 0; i < captions.size(); ++i) {
        // A button is found from the window by role and its text...
        QAccessibleInterface *button = findAccessible(top, QAccessible::Button, captions[i]);
        QVERIFY2(button, qPrintable(captions[i]));
        QQuickItem *shown = w.item(MainWindow::PageMain, names[i]);
        QCOMPARE(button->object(), static_cast<QObject *>(shown));
        // ...sits where it is drawn on the screen...
        const QPoint onScreen = view->mapToGlobal(shown->mapToScene(QPointF(0, 0)).toPoint());
        QCOMPARE(button->rect(), QRect(onScreen, QSize(int(shown->width()), int(shown->height()))));
        // ...and leads back up to the window, as a screen reader follows a focused item.
        QAccessibleInterface *up = button;
        int steps = 0;
        while (up && up->object() != &w && steps++ < 20) {
            QAccessibleInterface *parent = up->parent();
            QVERIFY(parent);
            QVERIFY(parent->indexOfChild(up) >= 0);
            up = parent;
        }
        QCOMPARE(up ? up->object() : nullptr, static_cast<QObject *>(&w));
    }
    // A page's items exist from the first time it is shown.
    w.buttonSettingsClicked();
    QVERIFY(findAccessible(top, QAccessible::Slider, "Volume"));
    w.buttonSettingsCancelClicked();
    QAccessibleInterface *sceneAt = QAccessible::queryAccessibleInterface(view)->childAt(
        view->mapToGlobal(QPoint(5, 5)).x(), view->mapToGlobal(QPoint(5, 5)).y());
    QVERIFY(sceneAt && sceneAt->object() == view->quickWindow());

    // Its press action is the button's click.
    QAccessibleInterface *newGame = findAccessible(top, QAccessible::Button, "New Game");
    QVERIFY(newGame->actionInterface());
    newGame->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(w.currentPage(), int(MainWindow::PageNewGame));
}

void TestDesktop::screenReaderNeverHearsThePicturesWord()
{
    TemporaryDataLocation data;
    Window s;
    TestWindow &w = s.w;
    for (int mode : {0, 1}) {
        w.buttonNewGameClicked();
        w.buttonStartGameClicked(mode);
        const MainWindow::Page page = mode == 0 ? MainWindow::PagePairGame : MainWindow::PageWordGame;
        QQuickWidget *view = w.view(page);
        const QList<QObject *> pictures = w.context(page)->contextProperty("imageList").value<QList<QObject *>>();
        QVERIFY(!pictures.isEmpty());
        QAccessibleInterface *top = QAccessible::queryAccessibleInterface(&w);
        int reached = 0;
        for (int k = 0; k < pictures.size(); ++k) {
            QQuickItem *tile = findItem(view->rootObject(), QString("icon%1").arg(k));
            if (!tile || !tile->isVisible())
                continue;
            QAccessibleInterface *face = accessibleOf(top, tile);
            QVERIFY2(face, qPrintable(QString("picture %1 of game %2").arg(k).arg(mode)));
            QCOMPARE(face->role(), QAccessible::Button);
            const QString word = pictures.at(k)->property("word").toString();
            QVERIFY(!word.isEmpty());
            QVERIFY2(!face->text(QAccessible::Name).contains(word, Qt::CaseInsensitive),
                     qPrintable(face->text(QAccessible::Name)));
            ++reached;
        }
        QVERIFY(reached >= 5);
    }
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
