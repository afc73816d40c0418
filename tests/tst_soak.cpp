// Three hundred games in a row through the real window: random taps, random
// names in the name prompt, and every way of leaving a game.
// VOCALUNE_SOAK_GAMES sets another number of games.
#include "testsupport.h"

#include "MainWindow.h"
#include "PairGame.h"
#include "Settings.h"
#include "WordGame.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QInputDialog>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace TestSupport;

namespace {

// Names as a child (or a cat on the keyboard) might type them: markup,
// entities, other scripts, emoji, right-to-left text, up to 40 characters.
QString randomName(QRandomGenerator &random)
{
    static const QStringList pieces = {"<b>",
                                       "</b>",
                                       "<img src=\"file:///etc/passwd\">",
                                       "<a href=x>",
                                       "&amp;",
                                       "&lt;",
                                       "Emma",
                                       "Leo",
                                       QString::fromUtf8("Зоя"),
                                       QString::fromUtf8("李小龍"),
                                       QString::fromUtf8("😀🦉"),
                                       QString::fromUtf8("مرحبا"),
                                       QString::fromUtf8("Åsa-Öberg"),
                                       " ",
                                       "\"",
                                       "'",
                                       "%1",
                                       "\\n"};
    QString name;
    int length = random.bounded(0, 41);
    while (name.size() < length)
        name += pieces[random.bounded(pieces.size())];
    // Typed text is whole characters: never end on half of an emoji.
    if (length > 0 && name.at(length - 1).isHighSurrogate())
        --length;
    return name.left(length);
}

int gameCount()
{
    bool ok = false;
    const int games = qEnvironmentVariableIntValue("VOCALUNE_SOAK_GAMES", &ok);
    return ok && games > 0 ? games : 300;
}

struct RecordsFile
{
    QStringList names;
    QList<int> scores;
    bool whole = true;
};

RecordsFile readRecords(const QString &path)
{
    RecordsFile records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    QDataStream stream(&file);
    while (!stream.atEnd()) {
        QString name;
        qint16 score = 0;
        stream >> name >> score;
        if (stream.status() != QDataStream::Ok) {
            records.whole = false;
            break;
        }
        records.names << name;
        records.scores << score;
    }
    return records;
}

void collectTexts(QQuickItem *item, QList<QQuickItem *> &texts)
{
    if (!item)
        return;
    if (item->inherits("QQuickText"))
        texts << item;
    for (QQuickItem *child : item->childItems())
        collectTexts(child, texts);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }
    void threeHundredGames();

private:
    void checkRecords(const QString &path);
    void checkShownNames(QQuickWidget *view);
    bool playRandomTaps(MainWindow &w, int kind, int taps);

    QRandomGenerator m_random{20261207};
    QStringList m_enteredNames;
    TestWindow *m_window = nullptr;
};

void TestSoak::checkRecords(const QString &path)
{
    const RecordsFile records = readRecords(path);
    QVERIFY2(records.whole, qPrintable(path));
    QVERIFY(records.names.size() <= 10);
    for (int i = 0; i < records.names.size(); ++i) {
        QVERIFY(records.names[i].size() <= 16);
        // A cut name is still whole text: no half of a surrogate pair.
        QVERIFY(records.names[i].isValidUtf16());
        if (i > 0)
            QVERIFY(records.scores[i] <= records.scores[i - 1]);
    }
}

void TestSoak::checkShownNames(QQuickWidget *view)
{
    QQuickItem *list = findItem(view->rootObject(), "topListView");
    QVERIFY(list);
    QList<QQuickItem *> texts;
    collectTexts(list, texts);
    for (QQuickItem *text : texts) {
        const QString shown = text->property("text").toString();
        // A player's name (the start of what was typed) is shown as it was
        // typed, never interpreted.
        const auto typed = [&shown](const QString &name) { return name.startsWith(shown); };
        if (!shown.isEmpty() && std::any_of(m_enteredNames.begin(), m_enteredNames.end(), typed))
            QCOMPARE(text->property("textFormat").toInt(), 0 /* Text.PlainText */);
    }
}

// Taps random pictures (and words) until the game ends or the taps run out.
// Returns whether the game ended.
bool TestSoak::playRandomTaps(MainWindow &w, int kind, int taps)
{
    QObject *game = kind == 0 ? static_cast<QObject *>(w.openPairGame()) : w.openWordGame();
    if (!game)
        return true;
    QSignalSpy over(game, kind == 0 ? SIGNAL(gameOverSignal(bool, int)) : SIGNAL(gameOverSignal()));
    QSignalSpy completed(game, SIGNAL(gameCompletedSignal()));
    const MainWindow::Page page = kind == 0 ? MainWindow::PagePairGame : MainWindow::PageWordGame;
    for (int i = 0; i < taps; ++i) {
        const QString name = kind == 0
            ? QStringLiteral("%1%2").arg(m_random.bounded(2) == 0 ? "icon" : "label").arg(m_random.bounded(6))
            : QStringLiteral("icon%1").arg(m_random.bounded(10));
        QTest::qVerify(m_window->tap(page, name), "tap", qPrintable(name), __FILE__, __LINE__);
        if (QTest::currentTestFailed() || over.count() + completed.count() > 0)
            return true;
    }
    return false;
}

void TestSoak::threeHundredGames()
{
    TemporaryDataLocation data;
    TestWindow w;
    m_window = &w;
    w.appSettings()->setMute(true);

    // Answers every name prompt, whenever it opens.
    QTimer prompter;
    connect(&prompter, &QTimer::timeout, this, [this] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            const QString name = randomName(m_random);
            m_enteredNames << name;
            if (m_random.bounded(5) == 0) {
                dialog->reject();
            } else {
                dialog->setTextValue(name);
                dialog->accept();
            }
        }
    });
    prompter.start(5);

    int endedByPanel = 0, endedByNewGame = 0, continued = 0;
    const int games = gameCount();
    for (int game = 0; game < games; ++game) {
        const int kind = game % 2;
        const MainWindow::Page page = kind == 0 ? MainWindow::PagePairGame : MainWindow::PageWordGame;
        const int ending = m_random.bounded(3);

        QVERIFY(m_window->tap(MainWindow::PageMain, "newGameButton"));
        QCOMPARE(w.currentPage(), int(MainWindow::PageNewGame));
        QVERIFY(m_window->tap(MainWindow::PageNewGame, kind == 0 ? "pairGameButton" : "wordGameButton"));
        QCOMPARE(w.currentPage(), int(page));

        bool ended = playRandomTaps(w, kind, ending == 0 ? 1000 : m_random.bounded(1, 4));
        if (!ended) {
            // Leave the game open: Back, then New Game (or Continue and play on).
            QVERIFY(m_window->tap(page, "backButton"));
            QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
            if (ending == 1) {
                QVERIFY(m_window->tap(MainWindow::PageMain, "newGameButton"));
                QVERIFY(!w.openPairGame() && !w.openWordGame());
                QVERIFY(m_window->tap(MainWindow::PageNewGame, "backButton"));
                ++endedByNewGame;
            } else {
                QVERIFY(m_window->tap(MainWindow::PageMain, "continueButton"));
                QCOMPARE(w.currentPage(), int(page));
                ++continued;
                ended = playRandomTaps(w, kind, 1000);
            }
        }
        if (ended) {
            QQuickItem *panel = findItem(w.view(page)->rootObject(), "endPanel");
            QVERIFY(panel);
            QTRY_COMPARE_WITH_TIMEOUT(panel->y(), 0.0, 10000);
            checkShownNames(w.view(page));
            QVERIFY(m_window->tap(page, "backToMainButton"));
            QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
            QVERIFY(!w.openPairGame() && !w.openWordGame());
            ++endedByPanel;
        }
        checkRecords(data.filePath("/wgrecords.dat"));
        checkRecords(data.filePath("/pgrecords.dat"));
        if (QTest::currentTestFailed())
            return;
    }
    // Every way out was taken.
    QVERIFY(endedByPanel > 0);
    QVERIFY(endedByNewGame > 0);
    QVERIFY(continued > 0);
    QVERIFY(!m_enteredNames.isEmpty());
    QVERIFY(QFile::exists(data.filePath("/wgrecords.dat")));
    QVERIFY(QFile::exists(data.filePath("/pgrecords.dat")));
}

int main(int argc, char *argv[])
{
    // Qt Test stops a test function after 300 s; give a longer soak the time
    // its games take, unless the caller chose a limit.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(qMax(300, gameCount() * 3) * 1000));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
    TestSoak test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_soak.moc"
