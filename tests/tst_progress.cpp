// A player's memory of words: the box rule, what is asked first, and the
// progress page's figures, from answers on days a fake clock names.
#include "rulesupport.h"

#include "ProgressExport.h"
#include "ProgressStore.h"
#include "WordMemory.h"

#include <QDir>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
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

void runSql(const QString &path, const QStringList &statements)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "setup");
    db.setDatabaseName(path);
    for (const QString &statement : statements)
        QVERIFY2(db.open() && !db.exec(statement).lastError().isValid(), qPrintable(statement));
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("setup");
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initCoreApplication(); }
    void boxRule_data();
    void boxRule();
    void dueWordsComeFirst();
    void summary();
    void openFile_data();
    void openFile();
    void playersAndAnswers();
};

void TestProgress::boxRule_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("kind");

    QTest::newRow("never met") << "" << 0 << 0 << int(WordMemory::New);
    QTest::newRow("met today, right again") << "R0 R0" << 1 << 0 << int(WordMemory::Waiting);
    QTest::newRow("met yesterday") << "M0" << 1 << 1 << int(WordMemory::Due);
    QTest::newRow("each gap waited: learned") << "R0 R1 R3 R7 R15" << 5 << 40 << int(WordMemory::Waiting);
    QTest::newRow("box 4, gap of 8 passed") << "R0 R1 R3 R7" << 4 << 15 << int(WordMemory::Due);
    QTest::newRow("box 4, gap of 8 not passed") << "R0 R1 R3 R7" << 4 << 14 << int(WordMemory::Waiting);
    QTest::newRow("right before the gap: no move") << "R0 R1 R2" << 2 << 2 << int(WordMemory::Waiting);
    QTest::newRow("two rights on one day move once") << "R0 R1 R1 R2" << 2 << 3 << int(WordMemory::Due);
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
    WordMemory memory;
    for (const WordMemory::Answer &answer : list)
        memory.add(answer);
    const WordMemory::State *state = memory.state("Animals", "Cat");
    QCOMPARE(state ? state->box : 0, box);
    QCOMPARE(int(memory.priority("Animals", "Cat", Day0.addDays(today)).kind), kind);
    QCOMPARE(state ? state->mistakes : 0, int(answers.count('M') + answers.count('X')));
    QCOMPARE(state ? state->rightFirstTry : 0, int(answers.count('R')));
    QVERIFY(!state || (state->firstSeen == list.first().at && state->lastSeen == list.last().at));
}

void TestProgress::dueWordsComeFirst()
{
    // Day 10: due in box 1 Ant (seen day 2), Bee (day 3); due in box 2 Cow; waiting Eel, learned Fox.
    WordMemory memory;
    for (const WordMemory::Answer &answer : history("R0 M2", "Ant") + history("M3", "Bee") + history("R0 R1", "Cow")
             + history("R10", "Eel") + history("R0 R1 R3 R7 R15", "Fox"))
        memory.add(answer);
    QStringList words = {"Fox", "Eel", "Dog", "Cow", "Bee", "Ant"};
    const QDate today = Day0.addDays(10);
    std::sort(words.begin(), words.end(), [&](const QString &a, const QString &b) {
        return memory.priority("Animals", a, today).before(memory.priority("Animals", b, today));
    });
    QCOMPARE(words, QStringList({"Ant", "Bee", "Cow", "Dog", "Eel", "Fox"}));
}

void TestProgress::summary()
{
    // Day 3: 5 s, 30 s, 90 s, a pause, 5 s: 2 minutes. Ant, missed twice, heads the mistakes.
    QList<WordMemory::Answer> answers = history("M0 M1 R2", "Ant") + history("M2", "Bee") + history("R3 R3 R3 R3");
    for (int i = 0; i < 4; ++i)
        answers[4 + i].at = answers[4 + i].at.addSecs(QList<int>({0, 30, 120, 1000})[i]);
    WordMemory::Summary summary = WordMemory::summarize(answers, Day0.addDays(4), 3, 1);
    QCOMPARE(summary.minutesPerDay, QList<int>({0, 2, 0}));
    QCOMPARE(summary.lastAnswer, answers.last().at);
    QVERIFY(summary.mostMistakes.size() == 1 && summary.mostMistakes[0].word == "Ant"
            && summary.mostMistakes[0].mistakes == 2);
    summary = WordMemory::summarize(history("R0 R1 R3 R7 R15 M16 R17 R18 R20 R24 R32"), Day0.addDays(32), 20);
    QCOMPARE(summary.firstDay, Day0.addDays(13));
    QCOMPARE(summary.learnedPerDay, QList<int>({0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

void TestProgress::openFile_data()
{
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // status, players, answers of the current one

    QTest::newRow("empty file") << QStringList() << QByteArray("") << "Ready Player 1 0";
    QTest::newRow("version 0") << QStringList({"CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT)",
                                               "CREATE TABLE answers (player INTEGER, dictionary TEXT, word TEXT,"
                                               " game INTEGER, outcome INTEGER, at INTEGER)",
                                               "INSERT INTO players VALUES (4, 'Ann')",
                                               "INSERT INTO answers VALUES (4, 'Farm', 'Cow', 1, 2, 1000),"
                                               " (4, 'Farm', 'Cow', 1, 2, 1000)"})
                               << QByteArray() << "Ready Ann 2";
    QTest::newRow("newer") << QStringList({"CREATE TABLE later (x)", "PRAGMA user_version = 2"}) << QByteArray()
                           << "NewerSchema 0";
    QTest::newRow("not a database") << QStringList() << QByteArray(3000, 'x') << "Ready Player 1 0";
}

void TestProgress::openFile()
{
    QFETCH(QStringList, sql);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);

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
        QCOMPARE(store.open("owl.png"), expected.startsWith("Ready"));
        QStringList seen = {QMetaEnum::fromType<ProgressStore::Status>().valueToKey(store.status())};
        for (const ProgressStore::Player &player : store.players())
            seen << player.name;
        QCOMPARE(seen.join(' ') + ' ' + QString::number(store.answers(store.currentPlayer()).size()), expected);
        const QString aside = store.movedAside();
        QCOMPARE(aside.isEmpty() ? QByteArray() : TestSupport::readFile(aside), open == 0 ? bytes : QByteArray(""));
    }
    if (expected.startsWith("NewerSchema"))
        QCOMPARE(TestSupport::readFile(path), before);
}

void TestProgress::playersAndAnswers()
{
    qputenv("TZ", "Europe/Helsinki");
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
    store.flush();
    QCOMPARE(written.count({true}), 3);
    const QList<WordMemory::Answer> read = store.answers(ann);
    QCOMPARE(read.size(), answers.size());
    QVERIFY(read.last().at == answers.last().at && read.last().outcome == WordMemory::Missed);

    QVERIFY(store.renamePlayer(first, "Zoë, \"Bee\""));
    QVERIFY(store.insertAnswers(first, history("R0 M1", "Cat, \"big\"")));
    QVERIFY(store.renamePlayer(ann, "Мария") && store.insertAnswers(store.addPlayer("李", ""), history("M0", "Cow")));
    const QString path = data.filePath("/progress.csv");
    QString error;
    QVERIFY(ProgressExport::writeCsv(store, path, &error));
    QCOMPARE(QString::fromUtf8(TestSupport::readFile(path)),
             QString("player,dictionary,word,box,right_first_try,mistakes,first_seen,last_seen\r\n"
                     "\"Zoë, \"\"Bee\"\"\",Animals,\"Cat, \"\"big\"\"\",1,1,1,2024-03-04T12:00:00+02:00,"
                     "2024-03-05T12:00:00+02:00\r\n"
                     "Мария,Animals,Cat,1,1,2,2024-03-04T12:00:00+02:00,2024-03-06T12:00:00+02:00\r\n"
                     "李,Animals,Cow,1,0,1,2024-03-04T12:00:00+02:00,2024-03-04T12:00:00+02:00\r\n"));
    QVERIFY(!ProgressExport::writeCsv(store, data.filePath("/no/such/folder/a.csv"), &error) && !error.isEmpty());
    QVERIFY(store.removePlayer(ann));
    QVERIFY(store.answers(ann).isEmpty());
    QCOMPARE(store.currentPlayer(), first);
    while (store.players().size() < ProgressStore::MaxPlayers)
        QVERIFY(store.addPlayer("P", "") > 0);
    QCOMPARE(store.addPlayer("One more", ""), qint64(-1));
}

QTEST_GUILESS_MAIN(TestProgress)

#include "tst_progress.moc"
