// The picture book as a player meets it: from the game-mode page, a grid of
// the chosen words, a picture opened large with its recording, and back.
#include "testsupport.h"

#include "MainWindow.h"
#include "Settings.h"
#include "WordStore.h"

#include <phonon/MediaObject>

#include <QAccessible>
#include <QDir>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTest>

using namespace TestSupport;

class TestPictureBookScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initApplication();
        m_log.reset(new MessageLog);
    }
    void init() { m_log->clear(); }
    void cleanup() { QVERIFY2(m_log->warnings.isEmpty(), qPrintable(m_log->warnings.join('\n'))); }

    void opensAWordAndPlaysIt();
    void keyboardOnly();
    void recordsBehindTheParentGate();

private:
    // Any warning from a view is a fault; debug lines hold the recordings played.
    QScopedPointer<MessageLog> m_log;
};

void TestPictureBookScreen::opensAWordAndPlaysIt()
{
    QVERIFY2(QDir(":/png/Animals").entryList().size() == 46, "the bundle lacks the 46 Animals pictures");
    TemporaryDataLocation data;
    TestWindow w;
    w.appSettings()->setMute(false);
    w.buttonNewGameClicked();
    QQuickWidget *modes = w.view(MainWindow::PageNewGame);
    tap(modes, findItem(modes->rootObject(), "pictureBookButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PagePictureBook));

    QQuickWidget *view = w.view(MainWindow::PagePictureBook);
    QQuickItem *page = view->rootObject();
    QVERIFY(page);
    QCOMPARE(page->width(), 800.0);
    QCOMPARE(findItem(page, "pictureGrid")->property("count").toInt(), 46);

    // The third picture: its word under it; a tap opens it large and plays it.
    QQuickItem *picture = findItem(page, "bookPicture2");
    QVERIFY(picture);
    const QString word = findItem(page, "bookWord2")->property("text").toString();
    QVERIFY(picture->property("iconPath").toString().endsWith("/Animals/" + word + ".png"));
    const QString sound = data.path() + "/mp3/Animals/" + word + ".mp3";
    QQuickItem *closeUp = findItem(page, "closeUp");
    QVERIFY(!closeUp->isVisible());
    tap(view, picture);
    QVERIFY(closeUp->isVisible());
    QCOMPARE(findItem(page, "closeUpWord")->property("text").toString(), word);
    QCOMPARE(findItem(page, "closeUpPicture")->property("iconPath").toString(),
             picture->property("iconPath").toString());
    QCOMPARE(timesPlayed(sound), 1);
    // Here the word is no secret: a screen reader names the picture by it.
    QAccessibleInterface *named = QAccessible::queryAccessibleInterface(picture);
    QVERIFY(named);
    QCOMPARE(named->text(QAccessible::Name), word);

    // A tap anywhere closes it, and plays nothing more.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(20, 460));
    QVERIFY(!closeUp->isVisible());
    QCOMPARE(timesPlayed(sound), 1);
    if (!qEnvironmentVariable("VOCALUNE_SCREENSHOT_DIR").isEmpty())
        view->grabFramebuffer().save(qEnvironmentVariable("VOCALUNE_SCREENSHOT_DIR") + "/picturebook.png");

    tap(view, findItem(page, "backButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageNewGame));
    // Opened again: the same page, reloaded.
    tap(modes, findItem(modes->rootObject(), "pictureBookButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PagePictureBook));
    QCOMPARE(view->rootObject(), page);
    w.player()->stop();
}

// Without a pointer: the keyboard starts on the first picture, the arrows
// move it and its ring, Enter opens a picture and plays it, Escape closes it and then leaves.
void TestPictureBookScreen::keyboardOnly()
{
    TemporaryDataLocation data;
    TestWindow w;
    w.appSettings()->setMute(false);
    w.buttonNewGameClicked();
    w.buttonPictureBookClicked();
    QQuickWidget *view = w.view(MainWindow::PagePictureBook);
    QQuickItem *page = view->rootObject();
    QVERIFY(findItem(page, "bookPicture0")->hasActiveFocus());
    // The ring waits for the first key.
    QVERIFY(!findItem(findItem(page, "bookPicture0"), "focusRing")->isVisible());

    const int columns = findItem(page, "pictureGrid")->property("columns").toInt();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down);
    const QString name = QString("bookPicture%1").arg(columns + 1);
    QVERIFY2(findItem(page, name)->hasActiveFocus(), qPrintable(name));
    QVERIFY(findItem(findItem(page, name), "focusRing")->isVisible());
    const QString word = findItem(page, QString("bookWord%1").arg(columns + 1))->property("text").toString();
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(findItem(page, "closeUp")->isVisible());
    QCOMPARE(findItem(page, "closeUpWord")->property("text").toString(), word);
    QCOMPARE(timesPlayed(data.path() + "/mp3/Animals/" + word + ".mp3"), 1);

    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!findItem(page, "closeUp")->isVisible());
    QCOMPARE(w.currentPage(), int(MainWindow::PagePictureBook));
    QVERIFY(findItem(page, name)->hasActiveFocus());
    QTest::keyClick(view, Qt::Key_Escape);
    QCOMPARE(w.currentPage(), int(MainWindow::PageNewGame));
    w.player()->stop();
}

// Locked, a take starts after the gate, which holds until the book is left;
// it stops at once and closing the card drops it. The family's recording
// plays until Built-in voice deletes it.
void TestPictureBookScreen::recordsBehindTheParentGate()
{
    TemporaryDataLocation data;
    const QString word = WordStore::bundledWords("Animals")[0];
    const QString own = plantVoice("Animals", word);
    TestWindow w;
    FakeRecorder recorder;
    w.context(MainWindow::PagePictureBook)->setContextProperty("qtRecorder", &recorder);
    w.appSettings()->setMute(false);
    w.appSettings()->setParentLock(true);
    w.buttonPictureBookClicked();
    QVERIFY(w.tap(MainWindow::PagePictureBook, "bookPicture0"));
    QCOMPARE(timesPlayed(own), 1);
    const auto item = [&w](const char *name) { return w.item(MainWindow::PagePictureBook, name); };
    QCOMPARE(recorder.calls, QStringList{"open"});

    QVERIFY(w.tap(MainWindow::PagePictureBook, "recordButton"));
    QQuickItem *gate = item("parentGate");
    QVERIFY(gate && gate->isVisible());
    QCOMPARE(recorder.calls.size(), 1);
    QMetaObject::invokeMethod(gate, "finishHold");
    const int right = gate->property("choices").toList().indexOf(gate->property("number"));
    QVERIFY(w.tap(MainWindow::PagePictureBook, QString("gateNumber%1").arg(right)));
    QCOMPARE(recorder.calls.last(), "toggle Animals/" + word);
    QCOMPARE(item("recordButton")->property("buttonText").toString(), QString("Stop"));
    QVERIFY(item("levelMeter")->isVisible() && !item("listenButton")->isEnabled());

    QVERIFY(w.tap(MainWindow::PagePictureBook, "recordButton"));
    QVERIFY(!gate->isVisible());
    QCOMPARE(recorder.calls.count("toggle Animals/" + word), 2);
    QVERIFY(w.tap(MainWindow::PagePictureBook, "builtInVoiceButton"));
    QVERIFY(!gate->isVisible() && !item("builtInVoiceButton")->isVisible() && !QFile::exists(own));
    QVERIFY(w.tap(MainWindow::PagePictureBook, "listenButton"));
    QCOMPARE(timesPlayed(data.path() + "/mp3/Animals/" + word + ".mp3"), 1);
    w.player()->stop();

    recorder.set(false, false, "No microphone found.");
    QVERIFY(!item("recordButton")->isEnabled());
    QCOMPARE(item("voiceMessage")->property("text").toString(), QString("No microphone found."));
    // After a take that said something, the next one can be stopped.
    recorder.set(false, true, "I could not hear you. Try again, a little closer.");
    QVERIFY(w.tap(MainWindow::PagePictureBook, "recordButton"));
    QCOMPARE(item("recordButton")->property("buttonText").toString(), QString("Stop"));
    QTest::keyClick(w.view(MainWindow::PagePictureBook), Qt::Key_Escape);
    QCOMPARE(recorder.calls.last(), QString("cancel"));
    QVERIFY(!item("closeUp")->isVisible());
    // Left and opened again: the gate again.
    QVERIFY(w.tap(MainWindow::PagePictureBook, "backButton"));
    w.buttonPictureBookClicked();
    QVERIFY(w.tap(MainWindow::PagePictureBook, "bookPicture0"));
    QVERIFY(w.tap(MainWindow::PagePictureBook, "recordButton"));
    QVERIFY(gate->isVisible());
}

QTEST_MAIN(TestPictureBookScreen)
#include "tst_picturebook_screen.moc"
