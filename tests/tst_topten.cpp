#include "DataDirectory.h"
#include "Record.h"
#include "TopTenList.h"
#include "rulesupport.h"

#include <QDataStream>
#include <QFile>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <unistd.h>
#include <utility>

namespace {

using Entry = std::pair<QString, int>;
using Entries = QList<Entry>;

// Records file bytes written out by hand: 32-bit big-endian byte length,
// UTF-16BE name, 16-bit big-endian score.
QByteArray recordBytes(const QString &name, qint16 score)
{
    QByteArray bytes;
    const quint32 length = name.isNull() ? 0xffffffffu : quint32(name.size() * 2);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((length >> shift) & 0xff));
    for (const QChar c : name) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xff));
    }
    bytes.append(char((quint16(score) >> 8) & 0xff));
    bytes.append(char(quint16(score) & 0xff));
    return bytes;
}

Entries entriesOf(const TopTenList &list)
{
    Entries entries;
    for (QObject *object : list.records()) {
        const Record *record = qobject_cast<Record *>(object);
        entries.append({record->player(), record->score()});
    }
    return entries;
}

Record *makeRecord(const QString &name, int score)
{
    Record *record = new Record;
    record->setPlayer(name);
    record->setScore(qint16(score));
    return record;
}

const QString Title = "You made it to top 10!";
const QString Label = "Enter your name!";

} // namespace

Q_DECLARE_METATYPE(Entries)

class TestTopTen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::TemporaryDataLocation> m_location;
    TestSupport::ScriptedPrompt prompt;
    QString recordsFile() const { return m_location->filePath("/wgrecords.dat"); }
    void writeRecords(const QByteArray &bytes)
    {
        TestSupport::writeFile(DataDirectory::filePath("/wgrecords.dat"), bytes);
    }
    // A list holding the given scores, best first, named "p<index>".
    static void fill(TopTenList &list, const QList<int> &scores)
    {
        for (int i = 0; i < scores.size(); ++i)
            QCOMPARE(list.insert(makeRecord(QString("p%1").arg(i), scores[i])), i);
    }

private slots:
    void initTestCase() { TestSupport::initCoreApplication(); }
    void init() { m_location.reset(new TestSupport::TemporaryDataLocation); }
    void cleanup() { m_location.reset(); }

    // Record
    void recordStartsEmpty();
    void recordSettersEmitOnEveryCall();
    void recordMetaObject();
    void recordStreamLayout();

    // Records file
    void load_data();
    void load();
    void loadWithoutFileKeepsList();
    void loadReplacesEntries();
    void saveReplacesFileInsteadOfWritingOverIt();

    // Who gets in, and where
    void emptyList();
    void nineEntries();
    void tenEntriesTenToOne();
    void tenEntriesAllFive();
    void equalScoresKeepAge();
    void moreThanTenLoaded();

    // Name prompt
    void enterAsksThenAnnouncesThenSaves();
    void cancelledPromptStillEnters();
    void enterCutsNameAndScore();
    void enterCutsNameOnWholeCharacters_data();
    void enterCutsNameOnWholeCharacters();
    void enterRewritesWholeFile();
    void enterWithoutPlaceKeepsList();
};

// --- Record -----------------------------------------------------------------

void TestTopTen::recordStartsEmpty()
{
    Record record(nullptr);
    QCOMPARE(record.score(), qint16(0));
    QVERIFY(record.player().isEmpty());
    QCOMPARE(record.active(), false);
}

void TestTopTen::recordSettersEmitOnEveryCall()
{
    Record record;
    QSignalSpy score(&record, &Record::scoreChanged);
    QSignalSpy player(&record, &Record::playerChanged);
    QSignalSpy active(&record, &Record::activityChanged);

    record.setScore(3);
    record.setScore(3);
    record.setPlayer("Ann");
    record.setPlayer("Ann");
    record.setActive(false);
    record.setActive(false);
    QCOMPARE(score.count(), 2);
    QCOMPARE(player.count(), 2);
    QCOMPARE(active.count(), 2);
    record.setActive(true);
    QCOMPARE(record.score(), qint16(3));
    QCOMPARE(record.player(), QString("Ann"));
    QCOMPARE(record.active(), true);
    QCOMPARE(score.count(), 2);
    QCOMPARE(player.count(), 2);
}

void TestTopTen::recordMetaObject()
{
    const QMetaObject &meta = Record::staticMetaObject;
    QCOMPARE(meta.className(), "Record");
    QCOMPARE(meta.superClass(), &QObject::staticMetaObject);

    const char *properties[] = {"score", "player", "active"};
    const char *notifiers[] = {"scoreChanged", "playerChanged", "activityChanged"};
    QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 3);
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 3);
    for (int i = 0; i < 3; ++i) {
        const QMetaProperty property = meta.property(meta.propertyOffset() + i);
        QCOMPARE(property.name(), properties[i]);
        QVERIFY(!property.isWritable());
        QCOMPARE(property.notifySignal().name(), QByteArray(notifiers[i]));
        const QMetaMethod method = meta.method(meta.methodOffset() + i);
        QCOMPARE(method.methodType(), QMetaMethod::Signal);
        QCOMPARE(method.name(), QByteArray(notifiers[i]));
    }

    // The end panels read these by name.
    Record record;
    record.setScore(-7);
    record.setPlayer("Zoe");
    QCOMPARE(record.property("score").toInt(), -7);
    QCOMPARE(record.property("player").toString(), QString("Zoe"));
}

void TestTopTen::recordStreamLayout()
{
    Record abc;
    abc.setPlayer("abc");
    abc.setScore(5);
    abc.setActive(true); // never stored
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << abc;
    }
    QCOMPARE(bytes, QByteArray::fromHex("000000060061006200630005"));

    Record read;
    QSignalSpy score(&read, &Record::scoreChanged);
    QSignalSpy player(&read, &Record::playerChanged);
    QDataStream in(QByteArray::fromHex("000000060061006200630005fffffffffffe"));
    in >> read;
    QCOMPARE(read.player(), QString("abc"));
    QCOMPARE(read.score(), qint16(5));
    QCOMPARE(score.count() + player.count(), 0);
    in >> read;
    QVERIFY(read.player().isEmpty());
    QCOMPARE(read.score(), qint16(-2));
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
}

// --- Records file -----------------------------------------------------------

void TestTopTen::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Entries>("entries");

    const QByteArray abc5 = QByteArray::fromHex("000000060061006200630005");
    QTest::newRow("empty file") << QByteArray() << Entries();
    QTest::newRow("abc 5") << abc5 << Entries{{"abc", 5}};
    QTest::newRow("empty name as length 0") << QByteArray::fromHex("000000000007") << Entries{{"", 7}};
    QTest::newRow("empty name as null marker") << QByteArray::fromHex("ffffffff0007") << Entries{{"", 7}};
    QTest::newRow("negative score") << recordBytes("Max", -300) << Entries{{"Max", -300}};
    QTest::newRow("cut in the length") << abc5 + QByteArray::fromHex("0000") << Entries{{"abc", 5}, {"", 0}};
    QTest::newRow("cut in the name") << abc5 + QByteArray::fromHex("000000060061") << Entries{{"abc", 5}, {"", 0}};
    QTest::newRow("cut in the score") << abc5 + QByteArray::fromHex("0000000200640000")
                                      << Entries{{"abc", 5}, {"d", 0}};
    // Reading on past the damage would find the record of Eve.
    QTest::newRow("odd length") << abc5 + QByteArray::fromHex("00000003") + recordBytes("Eve", 4)
                                << Entries{{"abc", 5}};
    QTest::newRow("huge length") << abc5 + QByteArray::fromHex("7ffffffe0061") << Entries{{"abc", 5}, {"", 0}};

    QByteArray twelve;
    Entries twelveEntries;
    for (int i = 1; i <= 12; ++i) {
        twelve += recordBytes(QString("n%1").arg(i), qint16(i));
        twelveEntries.append({QString("n%1").arg(i), i});
    }
    QTest::newRow("twelve records, worst first") << twelve << twelveEntries;
}

void TestTopTen::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Entries, entries);
    writeRecords(bytes);
    TopTenList list("/wgrecords.dat");
    list.load();
    QCOMPARE(entriesOf(list), entries);
}

void TestTopTen::loadWithoutFileKeepsList()
{
    TopTenList list("/pgrecords.dat");
    fill(list, {4, 2});
    QPointer<QObject> first(list.records().first());
    list.load();
    QCOMPARE(entriesOf(list), (Entries{{"p0", 4}, {"p1", 2}}));
    QVERIFY(first);
    QVERIFY(QFile::exists(m_location->path())); // the directory is made on the way
}

void TestTopTen::loadReplacesEntries()
{
    TopTenList list("/wgrecords.dat");
    fill(list, {9, 8, 7});
    QPointer<QObject> old(list.records().first());
    writeRecords(recordBytes("Kim", 3));
    list.load();
    QVERIFY(old.isNull());
    QCOMPARE(entriesOf(list), (Entries{{"Kim", 3}}));

    // Each game has its own file.
    TopTenList other("/pgrecords.dat");
    other.load();
    QVERIFY(other.records().isEmpty());
}

void TestTopTen::saveReplacesFileInsteadOfWritingOverIt()
{
    const QByteArray old = recordBytes("Old", 1);
    writeRecords(old);
    // A second name for the old file: writing in place would show through it.
    const QString otherName = m_location->filePath("/old-wgrecords.dat");
    QCOMPARE(::link(QFile::encodeName(recordsFile()).constData(), QFile::encodeName(otherName).constData()), 0);

    TopTenList list("/wgrecords.dat");
    list.load();
    QCOMPARE(list.insert(makeRecord("New", 2)), 0);
    list.save();
    QCOMPARE(TestSupport::readFile(recordsFile()), recordBytes("New", 2) + old);
    QCOMPARE(TestSupport::readFile(otherName), old);
}

// --- Who gets in, and where -------------------------------------------------

void TestTopTen::emptyList()
{
    TopTenList list("/wgrecords.dat");
    QVERIFY(!list.qualifies(0));
    QVERIFY(!list.qualifies(-3));
    QVERIFY(list.qualifies(1));
    QCOMPARE(list.insert(makeRecord("a", 1)), 0);
    QCOMPARE(entriesOf(list), (Entries{{"a", 1}}));
}

void TestTopTen::nineEntries()
{
    TopTenList list("/wgrecords.dat");
    fill(list, {10, 9, 8, 7, 6, 5, 4, 3, 2});
    QVERIFY(list.qualifies(1));
    QVERIFY(!list.qualifies(0));
    QCOMPARE(list.insert(makeRecord("low", 1)), 9);
    QCOMPARE(list.records().size(), 10);
    QCOMPARE(entriesOf(list).last(), Entry("low", 1));
}

void TestTopTen::tenEntriesTenToOne()
{
    TopTenList list("/wgrecords.dat");
    fill(list, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    QVERIFY(!list.qualifies(1));
    QVERIFY(list.qualifies(2));

    QPointer<QObject> lastOne(list.records().last());
    QCOMPARE(list.insert(makeRecord("new", 2)), 9);
    QVERIFY(lastOne.isNull());
    const Entries entries = entriesOf(list);
    QCOMPARE(entries.size(), 10);
    QCOMPARE(entries[8], Entry("p8", 2));
    QCOMPARE(entries[9], Entry("new", 2));
}

void TestTopTen::tenEntriesAllFive()
{
    TopTenList list("/wgrecords.dat");
    fill(list, QList<int>() << 5 << 5 << 5 << 5 << 5 << 5 << 5 << 5 << 5 << 5);
    QVERIFY(!list.qualifies(5));
    QVERIFY(list.qualifies(6));

    // No place: the list is unchanged and the record is still the caller's.
    QPointer<Record> refused(makeRecord("same", 5));
    QCOMPARE(list.insert(refused), -1);
    QVERIFY(refused);
    QCOMPARE(list.records().size(), 10);
    QVERIFY(!list.records().contains(refused.data()));
    delete refused.data();

    QPointer<QObject> lastFive(list.records().last());
    QCOMPARE(list.insert(makeRecord("top", 6)), 0);
    QVERIFY(lastFive.isNull());
    Entries expected{{"top", 6}};
    for (int i = 0; i < 9; ++i)
        expected.append({QString("p%1").arg(i), 5});
    QCOMPARE(entriesOf(list), expected);
}

void TestTopTen::equalScoresKeepAge()
{
    TopTenList list("/wgrecords.dat");
    fill(list, {7, 5, 5, 3});
    QCOMPARE(list.insert(makeRecord("late", 5)), 3);
    QCOMPARE(list.insert(makeRecord("neg", -1)), 5);
    QCOMPARE(list.insert(makeRecord("below", -2)), 6);
    QCOMPARE(entriesOf(list),
             (Entries{{"p0", 7}, {"p1", 5}, {"p2", 5}, {"late", 5}, {"p3", 3}, {"neg", -1}, {"below", -2}}));
}

void TestTopTen::moreThanTenLoaded()
{
    QByteArray twelve;
    for (int i = 12; i >= 1; --i)
        twelve += recordBytes(QString("n%1").arg(i), qint16(i));
    writeRecords(twelve);
    TopTenList list("/wgrecords.dat");
    list.load();
    QCOMPARE(list.records().size(), 12);

    // Ruled by the tenth entry (score 3), and one entry drops per insertion.
    QVERIFY(!list.qualifies(3));
    QVERIFY(list.qualifies(4));
    QCOMPARE(list.insert(makeRecord("top", 20)), 0);
    QCOMPARE(list.records().size(), 12);
    QCOMPARE(entriesOf(list).last(), Entry("n2", 2));
    QCOMPARE(list.insert(makeRecord("mid", 4)), 10);
    QCOMPARE(list.records().size(), 12);
    QCOMPARE(entriesOf(list).last(), Entry("n3", 3));
}

// --- Name prompt ------------------------------------------------------------

void TestTopTen::enterAsksThenAnnouncesThenSaves()
{
    TopTenList list("/wgrecords.dat");
    TestSupport::ScriptedPrompt prompt({"Alice"});

    int announced = 0;
    bool savedBeforeAnnounce = true;
    QList<Entry> atAnnounce;
    QVERIFY(list.enter(7, &prompt, Title, Label, [&] {
        ++announced;
        savedBeforeAnnounce = QFile::exists(recordsFile());
        atAnnounce = entriesOf(list);
    }));

    QCOMPARE(prompt.asked.size(), 1);
    QCOMPARE(prompt.asked[0].title, Title);
    QCOMPARE(prompt.asked[0].label, Label);
    QCOMPARE(prompt.asked[0].maxLength, 16);

    QCOMPARE(announced, 1);
    QVERIFY(!savedBeforeAnnounce);
    QCOMPARE(atAnnounce, (Entries{{"Alice", 7}}));
    QCOMPARE(entriesOf(list), (Entries{{"Alice", 7}}));
    QCOMPARE(TestSupport::readFile(recordsFile()), QByteArray::fromHex("0000000a0041006c0069006300650007"));
    QVERIFY(!QFile::exists(m_location->filePath("/pgrecords.dat")));
}

void TestTopTen::cancelledPromptStillEnters()
{
    TopTenList list("/pgrecords.dat");
    fill(list, {9});
    TestSupport::ScriptedPrompt prompt;
    prompt.answerNext("typed but cancelled", false);
    list.enter(3, &prompt, Title, Label, {});
    QCOMPARE(prompt.asked.size(), 1);

    QCOMPARE(entriesOf(list), (Entries{{"p0", 9}, {"", 3}}));
    QCOMPARE(TestSupport::readFile(m_location->filePath("/pgrecords.dat")),
             recordBytes("p0", 9) + QByteArray::fromHex("ffffffff0003"));
}

void TestTopTen::enterCutsNameAndScore()
{
    TopTenList list("/wgrecords.dat");
    prompt.answerNext("ABCDEFGHIJKLMNOPQRST");
    list.enter(70000, &prompt, Title, Label, {}); // 70000 = 0x11170
    QCOMPARE(entriesOf(list), (Entries{{"ABCDEFGHIJKLMNOP", 0x1170}}));
    QCOMPARE(TestSupport::readFile(recordsFile()), recordBytes("ABCDEFGHIJKLMNOP", 0x1170));
}

void TestTopTen::enterCutsNameOnWholeCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    const QString fifteen(15, QChar('a'));
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
    const QString acute = QString::fromUtf8("e\xCC\x81");        // e + combining acute accent
    QTest::newRow("emoji split by the cut") << fifteen + emoji << fifteen;
    QTest::newRow("emoji that fits") << fifteen.left(14) + emoji + "b" << fifteen.left(14) + emoji;
    QTest::newRow("combining sequence split by the cut") << fifteen + acute << fifteen;
    QTest::newRow("combining sequence that fits") << fifteen.left(14) + acute + "c" << fifteen.left(14) + acute;
    QTest::newRow("sixteen emoji") << emoji.repeated(16) << emoji.repeated(8);
}

void TestTopTen::enterCutsNameOnWholeCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    TopTenList list("/wgrecords.dat");
    prompt.answerNext(typed);
    list.enter(5, &prompt, Title, Label, {});
    QCOMPARE(entriesOf(list), (Entries{{kept, 5}}));
    QCOMPARE(TestSupport::readFile(recordsFile()), recordBytes(kept, 5));
}

void TestTopTen::enterRewritesWholeFile()
{
    // Three records, then damage that loading stops at.
    const QByteArray three = recordBytes("a", 9) + recordBytes("b", 6) + recordBytes("c", 2);
    writeRecords(three + QByteArray::fromHex("00000003ffff"));
    TopTenList list("/wgrecords.dat");
    list.load();
    QCOMPARE(list.records().size(), 3);

    prompt.answerNext("d");
    list.enter(4, &prompt, Title, Label, {});
    QCOMPARE(TestSupport::readFile(recordsFile()),
             recordBytes("a", 9) + recordBytes("b", 6) + recordBytes("d", 4) + recordBytes("c", 2));

    prompt.answerNext("e");
    list.enter(10, &prompt, Title, Label, {});
    QCOMPARE(TestSupport::readFile(recordsFile()),
             recordBytes("e", 10) + recordBytes("a", 9) + recordBytes("b", 6) + recordBytes("d", 4)
                 + recordBytes("c", 2));
}

void TestTopTen::enterWithoutPlaceKeepsList()
{
    TopTenList list("/wgrecords.dat");
    fill(list, {8, 8, 8, 8, 8, 8, 8, 8, 8, 8});
    const Entries before = entriesOf(list);
    int announced = 0;
    prompt.answerNext("late");
    list.enter(8, &prompt, Title, Label, [&] { ++announced; });
    QCOMPARE(announced, 1);
    QCOMPARE(entriesOf(list), before);
    QCOMPARE(TestSupport::readFile(recordsFile()).size(), 10 * recordBytes("p0", 8).size());
}

QTEST_MAIN(TestTopTen)
#include "tst_topten.moc"
