// A player's memory of words: the box rule, what is asked first, and the
// progress page's figures, from answers on days a fake clock names; and a
// class's machines sharing it through a PostgreSQL server of the test's own.
#include "rulesupport.h"

#include "ClassSync.h"
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
#include <memory>

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

// A machine of class 2B: a progress.sqlite of its own and its sync.
struct Machine
{
    Machine(const QString &path, const QUrl &server, bool knowsEveryWord = false)
    {
        store.setPath(path);
        QVERIFY(store.open("owl.png"));
        ClassServer::Checks checks;
        checks.knownWord = [knowsEveryWord](const QString &dictionary, const QString &word) {
            return knowsEveryWord || (dictionary == "Animals" && QStringList({"Cat", "Dog"}).contains(word));
        };
        sync = std::make_unique<ClassSync>(ClassSync::Setup{path, server, "2B", checks, "owl.png"});
    }
    qint64 player(const QString &name)
    {
        for (const ProgressStore::Player &player : store.players()) {
            if (player.name == name)
                return player.id;
        }
        return store.addPlayer(name, "cat.png");
    }
    void play(const QString &name, const QString &answers, const QString &word = "Cat")
    {
        const qint64 id = player(name);
        for (const WordMemory::Answer &answer : history(answers, word))
            store.record(id, answer);
        store.flush();
        sync->push();
        sync->flush();
    }
    // The number of answers fetch added, once its signal is in.
    int fetch(const QString &name)
    {
        QSignalSpy fetched(sync.get(), &ClassSync::fetched);
        sync->fetch(name);
        return fetched.wait() ? fetched.first().at(1).toInt() : -2;
    }
    QString answers(const QString &name)
    {
        QStringList seen;
        for (const WordMemory::Answer &answer : store.answers(player(name)))
            seen << answer.word + QString::number(answer.outcome) + answer.at.toString(Qt::ISODate);
        return seen.join(' ');
    }
    ProgressStore store;
    std::unique_ptr<ClassSync> sync;
};

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
    void classSharesAPupil();
    void serverGoesAwayAndComesBack();
    void serverRefusesTheLogin_data();
    void serverRefusesTheLogin();
    void rowsFromTheServerAreChecked_data();
    void rowsFromTheServerAreChecked();

private:
    std::unique_ptr<TestSupport::PostgresServer> m_server;
    TestSupport::PostgresServer &server();
};

TestSupport::PostgresServer &TestProgress::server()
{
    // One server for the class's cases, started by the first; emptied by each.
    if (!m_server) {
        m_server = std::make_unique<TestSupport::PostgresServer>();
        if (m_server->error().isEmpty())
            m_server->addLogin("class_2b", "2B") && m_server->addLogin("class_3a", "3A");
    }
    m_server->sql("TRUNCATE answers, pupils");
    return *m_server;
}

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
    QTest::newRow("newer") << QStringList({"CREATE TABLE later (x)", "PRAGMA user_version = 3"}) << QByteArray()
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

void TestProgress::classSharesAPupil()
{
    TestSupport::PostgresServer &server = this->server();
    QVERIFY2(server.error().isEmpty(), qPrintable(server.error()));
    QTemporaryDir dir;
    Machine a(dir.filePath("a.sqlite"), server.address("class_2b"));
    Machine b(dir.filePath("b.sqlite"), server.address("class_2b"));
    a.play("Ann", "R0 M1 R2");
    QSignalSpy pupils(b.sync.get(), &ClassSync::pupilsAdded);
    b.sync->fetchPupils();
    QVERIFY(pupils.wait());
    QCOMPARE(pupils.first().first().toInt(), 1);
    b.play("Ann", "R3 M4", "Dog");
    QCOMPARE(a.fetch("Ann"), 2);
    QCOMPARE(b.fetch("Ann"), 3);
    QCOMPARE(a.fetch("Ann"), 0);
    QCOMPARE(a.answers("Ann").count(' '), 4);
    QCOMPARE(a.answers("Ann"), b.answers("Ann"));
    QCOMPARE(server.sql("SELECT count(*), count(DISTINCT id) FROM answers"), QString("5|5"));
    QCOMPARE(a.sync->state(), ClassSync::Online);

    // The class's page and its CSV say what the answers say.
    QSignalSpy loaded(a.sync.get(), &ClassSync::classLoaded);
    a.sync->loadClass();
    QVERIFY(loaded.wait());
    const auto summary = loaded.first().first().value<ClassSync::ClassSummary>();
    QCOMPARE(summary.pupils.size(), 1);
    const WordMemory memory = WordMemory::of(a.store.answers(a.player("Ann")));
    QCOMPARE(summary.pupils[0].learned, memory.learnedCount());
    QCOMPARE(summary.pupils[0].learning, 2 - memory.learnedCount());
    QCOMPARE(summary.pupils[0].lastPlayed, a.store.answers(a.player("Ann")).last().at);
    QCOMPARE(summary.hardest.size(), 2);
    ClassServer teacher(server.address("class_2b"), "2B");
    QVERIFY(ProgressExport::writeCsv(teacher, dir.filePath("class.csv")));
    QVERIFY(ProgressExport::writeCsv(b.store, dir.filePath("b.csv")));
    QCOMPARE(TestSupport::readFile(dir.filePath("class.csv")), TestSupport::readFile(dir.filePath("b.csv")));
}

void TestProgress::serverGoesAwayAndComesBack()
{
    TestSupport::PostgresServer &server = this->server();
    QVERIFY2(server.error().isEmpty(), qPrintable(server.error()));
    QTemporaryDir dir;
    Machine a(dir.filePath("a.sqlite"), server.address("class_2b"));
    a.play("Ann", "R0 M1");
    QVERIFY(server.stop());
    a.play("Ann", "R2 R3 R4");
    QTRY_COMPARE(a.sync->state(), ClassSync::Offline);
    QCOMPARE(a.store.answers(a.player("Ann")).size(), 5);
    QVERIFY(server.start());
    // As if the marks of the first push had been lost: those go up again.
    runSql(dir.filePath("a.sqlite"), {"UPDATE answers SET pushed = 0"});
    a.sync->retry();
    a.sync->flush();
    QCOMPARE(server.sql("SELECT count(*), count(DISTINCT id) FROM answers"), QString("5|5"));
    QTRY_COMPARE(a.sync->state(), ClassSync::Online);
}

void TestProgress::serverRefusesTheLogin_data()
{
    QTest::addColumn<QString>("login");
    QTest::newRow("no such login") << "class_9z";
    QTest::newRow("another class's login") << "class_3a";
}

void TestProgress::serverRefusesTheLogin()
{
    QFETCH(QString, login);
    TestSupport::PostgresServer &server = this->server();
    QVERIFY2(server.error().isEmpty(), qPrintable(server.error()));
    QTemporaryDir dir;
    Machine a(dir.filePath("a.sqlite"), server.address(login));
    a.play("Ann", "R0 M1");
    QTRY_COMPARE(a.sync->state(), ClassSync::Refused);
    QVERIFY(!a.sync->errorText().isEmpty());
    QCOMPARE(a.store.answers(a.player("Ann")).size(), 2);
    QCOMPARE(server.sql("SELECT count(*) FROM answers"), QString("0"));
}

void TestProgress::rowsFromTheServerAreChecked_data()
{
    // Planted by hand, past the checks the schema makes; Ann has a Cat of her own.
    const QString answer = "INSERT INTO answers (id, class, pupil, dictionary, word, game, outcome, at)"
                           " VALUES (gen_random_uuid(), '2B', 'Ann', %1)";
    QTest::addColumn<QString>("planted");
    // What the same machine fetches once it has every word set: a row refused
    // for a word it lacked is read again.
    QTest::addColumn<int>("later");
    QTest::newRow("long name") << "INSERT INTO pupils (class, name) VALUES ('2B', 'Annabelle-Marguerite')" << 0;
    QTest::newRow("unknown word") << answer.arg("'Animals', 'Unicorn', 0, 0, now()") << 1;
    QTest::newRow("unknown dictionary") << answer.arg("'Spells', 'Cat', 0, 0, now()") << 1;
    QTest::newRow("before there were answers") << answer.arg("'Animals', 'Cat', 0, 0, '1970-01-02'") << 0;
    QTest::newRow("in the future") << answer.arg("'Animals', 'Cat', 0, 0, now() + interval '30 days'") << 0;
    QTest::newRow("no such game") << answer.arg("'Animals', 'Cat', 7, 0, now()") << 0;
    QTest::newRow("control character") << answer.arg("'Animals', E'Cat\\n', 0, 0, now()") << 0;
    QTest::newRow("an id this machine has") << "UPDATE answers SET word = 'Dog', outcome = 2" << 0;
}

void TestProgress::rowsFromTheServerAreChecked()
{
    QFETCH(QString, planted);
    TestSupport::PostgresServer &server = this->server();
    QVERIFY2(server.error().isEmpty(), qPrintable(server.error()));
    QVERIFY(!server
                 .sql("ALTER TABLE pupils DROP CONSTRAINT IF EXISTS pupils_name_check;"
                      " ALTER TABLE answers DROP CONSTRAINT IF EXISTS answers_game_check")
                 .isNull());
    QTemporaryDir dir;
    Machine a(dir.filePath("a.sqlite"), server.address("class_2b"));
    a.play("Ann", "R0");
    QVERIFY2(!server.sql(planted).isNull(), qPrintable(server.error()));
    const QString before = a.answers("Ann");
    QSignalSpy pupils(a.sync.get(), &ClassSync::pupilsAdded);
    a.sync->fetchPupils();
    QVERIFY(pupils.wait());
    QCOMPARE(pupils.first().first().toInt(), 0);
    QCOMPARE(a.fetch("Ann"), 0);
    QCOMPARE(a.answers("Ann"), before);
    QCOMPARE(a.store.players().size(), 2);
    QFETCH(int, later);
    a.sync.reset();
    Machine updated(dir.filePath("a.sqlite"), server.address("class_2b"), true);
    QCOMPARE(updated.fetch("Ann"), later);
}

QTEST_GUILESS_MAIN(TestProgress)

#include "tst_progress.moc"
