// A player's memory of words: the box rule, what is asked first, and the
// progress page's figures, from answers on days a fake clock names.
#include "rulesupport.h"

#include "ProgressExport.h"
#include "ProgressStore.h"
#include "WordMemory.h"

#include <QDir>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>

namespace {

const QDate Day0(2024, 3, 4);

// "R3" is a right answer at the first try on day 3, "M" a mistake, "X" missed.
QList<WordMemory::Answer> history(const QString &text, const QString &word = QStringLiteral("Cat"))
{
    QList<WordMemory::Answer> answers;
    for (const QString &item : text.split(' ', Qt::SkipEmptyParts)) {
        WordMemory::Answer answer;
        answer.dictionary = QStringLiteral("Animals");
        answer.word = word;
        answer.outcome = item[0] == 'R' ? WordMemory::RightFirstTry
            : item[0] == 'M'            ? WordMemory::Mistake
                                        : WordMemory::Missed;
        answer.at = QDateTime(Day0.addDays(item.mid(1).toInt()), QTime(12, 0));
        answers << answer;
    }
    return answers;
}

WordMemory memoryOf(const QList<WordMemory::Answer> &answers)
{
    WordMemory memory;
    for (const WordMemory::Answer &answer : answers)
        memory.add(answer);
    return memory;
}

void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "setup");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase("setup");
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Helsinki");
        TestSupport::initCoreApplication();
    }
    void boxRule_data();
    void boxRule();
    void dueWordsComeFirst();
    void summary();
    void openFile_data();
    void openFile();
    void playersAndAnswers();
    void csvExport();
};

void TestProgress::boxRule_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("kind");

    QTest::newRow("never met") << "" << 0 << 0 << int(WordMemory::New);
    QTest::newRow("met today") << "R0" << 1 << 0 << int(WordMemory::Waiting);
    QTest::newRow("met yesterday") << "M0" << 1 << 1 << int(WordMemory::Due);
    QTest::newRow("each gap waited: learned") << "R0 R1 R3 R7 R15" << 5 << 40 << int(WordMemory::Waiting);
    QTest::newRow("box 4, gap of 8 passed") << "R0 R1 R3 R7" << 4 << 15 << int(WordMemory::Due);
    QTest::newRow("box 4, gap of 8 not passed") << "R0 R1 R3 R7" << 4 << 14 << int(WordMemory::Waiting);
    QTest::newRow("right before the gap: no move") << "R0 R1 R2" << 2 << 2 << int(WordMemory::Waiting);
    QTest::newRow("two rights on one day move once") << "R0 R1 R1 R2" << 2 << 3 << int(WordMemory::Due);
    QTest::newRow("right on the first day: no move") << "R0 R0" << 1 << 0 << int(WordMemory::Waiting);
    QTest::newRow("mistake sends back") << "R0 R1 R3 R7 M8" << 1 << 8 << int(WordMemory::Waiting);
    QTest::newRow("missed sends back") << "R0 R1 R3 X4" << 1 << 5 << int(WordMemory::Due);
    QTest::newRow("mistake on a learned word") << "R0 R1 R3 R7 R15 M16" << 1 << 17 << int(WordMemory::Due);
    QTest::newRow("gap counts from the mistake") << "R0 R1 R3 M3 R4 R5" << 2 << 5 << int(WordMemory::Waiting);
}

void TestProgress::boxRule()
{
    QFETCH(QString, answers);
    QFETCH(int, box);
    QFETCH(int, today);
    QFETCH(int, kind);

    const QList<WordMemory::Answer> list = history(answers);
    const WordMemory memory = memoryOf(list);
    const WordMemory::State *state = memory.state("Animals", "Cat");
    QCOMPARE(state ? state->box : 0, box);
    QCOMPARE(int(memory.priority("Animals", "Cat", Day0.addDays(today)).kind), kind);
    QCOMPARE(memory.learnedCount(), box == WordMemory::Boxes ? 1 : 0);
    if (state) {
        QCOMPARE(state->rightFirstTry + state->mistakes, list.size());
        QCOMPARE(state->mistakes, int(answers.count('M') + answers.count('X')));
        QCOMPARE(state->firstSeen, list.first().at);
        QCOMPARE(state->lastSeen, list.last().at);
    }
}

void TestProgress::dueWordsComeFirst()
{
    // Day 10: Ant is due in box 1, seen on day 2; Bee in box 1, seen day 3;
    // Cow due in box 2; Eel waits in box 1 (seen today); Fox is learned.
    WordMemory memory = memoryOf(history("R0 M2", "Ant") + history("M3", "Bee") + history("R0 R1", "Cow")
                                 + history("R10", "Eel") + history("R0 R1 R3 R7 R15", "Fox"));
    QStringList words = {"Fox", "Eel", "Dog", "Cow", "Bee", "Ant"};
    const QDate today = Day0.addDays(10);
    std::sort(words.begin(), words.end(), [&](const QString &a, const QString &b) {
        return memory.priority("Animals", a, today).before(memory.priority("Animals", b, today));
    });
    QCOMPARE(words, QStringList({"Ant", "Bee", "Cow", "Dog", "Eel", "Fox"}));
}

void TestProgress::summary()
{
    QList<WordMemory::Answer> answers = history("R0 R1 R3 R7 M8 M9", "Ant") + history("M9 R20", "Bee")
        + history("R0 R1 R3 R7 R15", "Cow");
    // Day 15: 5 s for the first, 30 s and 90 s after it, a pause, 5 s again.
    for (int seconds : {30, 120, 1000}) {
        answers += history("R15", "Dog");
        answers.last().at = answers.last().at.addSecs(seconds);
    }
    std::stable_sort(answers.begin(), answers.end(), [](auto &a, auto &b) { return a.at < b.at; });
    const WordMemory::Summary summary = WordMemory::summarize(answers, Day0.addDays(20), 10, 1);
    QCOMPARE(summary.firstDay, Day0.addDays(11));
    QCOMPARE(summary.learnedPerDay, QList<int>({0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    QCOMPARE(summary.minutesPerDay, QList<int>({0, 0, 0, 0, 2, 0, 0, 0, 0, 0}));
    QCOMPARE(summary.mostMistakes.size(), 1);
    QCOMPARE(summary.mostMistakes[0].word, QString("Ant"));
    QCOMPARE(summary.mostMistakes[0].mistakes, 2);
    QCOMPARE(summary.lastAnswer, answers.last().at);
}

void TestProgress::openFile_data()
{
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("players");
    QTest::addColumn<int>("answers");

    const int ready = ProgressStore::Ready;
    QTest::newRow("no file") << QStringList() << QByteArray() << ready << QStringList("Player 1") << 0;
    QTest::newRow("empty file") << QStringList() << QByteArray("") << ready << QStringList("Player 1") << 0;
    QTest::newRow("version 0") << QStringList({"CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT)",
                                               "CREATE TABLE answers (player INTEGER, dictionary TEXT, word TEXT,"
                                               " game INTEGER, outcome INTEGER, at INTEGER)",
                                               "INSERT INTO players VALUES (4, 'Ann')",
                                               "INSERT INTO answers VALUES (4, 'Farm', 'Cow', 1, 2, 1000)",
                                               "INSERT INTO answers VALUES (4, 'Farm', 'Cow', 1, 2, 1000)"})
                               << QByteArray() << ready << QStringList("Ann") << 2;
    QTest::newRow("newer") << QStringList({"CREATE TABLE later (x)", "PRAGMA user_version = 2"}) << QByteArray()
                           << int(ProgressStore::NewerSchema) << QStringList() << 0;
    QTest::newRow("not a database") << QStringList() << QByteArray(3000, 'x') << ready << QStringList("Player 1") << 0;
}

void TestProgress::openFile()
{
    QFETCH(QStringList, sql);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QStringList, players);
    QFETCH(int, answers);

    TestSupport::TemporaryDataLocation data;
    const QString path = data.filePath("/progress.sqlite");
    QDir().mkpath(data.path());
    if (!bytes.isNull())
        TestSupport::writeFile(path, bytes);
    runSql(path, sql);
    const QByteArray before = TestSupport::readFile(path);
    // The second open finds what the first one left.
    for (int open = 0; open < 2; ++open) {
        ProgressStore store;
        QCOMPARE(store.open("owl.png"), status == ProgressStore::Ready);
        QCOMPARE(int(store.status()), status);
        QStringList names;
        for (const ProgressStore::Player &player : store.players())
            names << player.name;
        QCOMPARE(names, players);
        QCOMPARE(store.answers(store.currentPlayer()).size(), answers);
        const bool damaged = bytes.size() > 0 && open == 0;
        QCOMPARE(store.movedAside().isEmpty(), !damaged);
        if (damaged)
            QCOMPARE(TestSupport::readFile(store.movedAside()), bytes);
    }
    if (status == ProgressStore::NewerSchema)
        QCOMPARE(TestSupport::readFile(path), before);
}

void TestProgress::playersAndAnswers()
{
    TestSupport::TemporaryDataLocation data;
    ProgressStore store;
    QVERIFY(store.open("owl.png"));
    const qint64 first = store.currentPlayer();
    QCOMPARE(store.addPlayer(" \t ", "x"), qint64(-1));
    const qint64 ann = store.addPlayer("  Annabelle-Marguerite ", "cat.png");
    QCOMPARE(store.players().last().name, QString("Annabelle-Margue"));
    QVERIFY(store.setCurrentPlayer(ann));

    QSignalSpy written(&store, &ProgressStore::answerWritten);
    const QList<WordMemory::Answer> answers = history("R0 M1 X2");
    for (const WordMemory::Answer &answer : answers)
        store.record(ann, answer);
    store.record(ann + 100, answers.first());
    store.flush();
    QTRY_COMPARE(written.size(), 4);
    QCOMPARE(written.last().first().toBool(), false);
    QCOMPARE(written.first().first().toBool(), true);
    const QList<WordMemory::Answer> read = store.answers(ann);
    QCOMPARE(read.size(), answers.size());
    QCOMPARE(read.last().at, answers.last().at);
    QCOMPARE(int(read.last().outcome), int(WordMemory::Missed));

    QVERIFY(store.removePlayer(ann));
    QVERIFY(store.answers(ann).isEmpty());
    QCOMPARE(store.currentPlayer(), first);
    while (store.players().size() < ProgressStore::MaxPlayers)
        QVERIFY(store.addPlayer("P", "") > 0);
    QCOMPARE(store.addPlayer("One more", ""), qint64(-1));
}

void TestProgress::csvExport()
{
    TestSupport::TemporaryDataLocation data;
    ProgressStore store;
    QVERIFY(store.open("owl.png"));
    QVERIFY(store.renamePlayer(store.currentPlayer(), "Zoë, \"Bee\""));
    QVERIFY(store.insertAnswers(store.currentPlayer(), history("R0 M1", "Cat, \"big\"")));
    QVERIFY(store.insertAnswers(store.addPlayer("Мария", ""), history("R0 R1")));
    store.addPlayer("李", "");
    const QString path = data.filePath("/progress.csv");
    QString error;
    QVERIFY(ProgressExport::writeCsv(store, path, &error));
    QCOMPARE(QString::fromUtf8(TestSupport::readFile(path)),
             QString("player,dictionary,word,box,right_first_try,mistakes,first_seen,last_seen\r\n"
                     "\"Zoë, \"\"Bee\"\"\",Animals,\"Cat, \"\"big\"\"\",1,1,1,2024-03-04T12:00:00+02:00,"
                     "2024-03-05T12:00:00+02:00\r\n"
                     "Мария,Animals,Cat,2,2,0,2024-03-04T12:00:00+02:00,2024-03-05T12:00:00+02:00\r\n"));
    QVERIFY(!ProgressExport::writeCsv(store, data.filePath("/no/such/folder/a.csv"), &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestProgress)

#include "tst_progress.moc"
