// The picture book's list: the chosen dictionaries' words, nothing dealt.
#include "testsupport.h"

#include "DataDirectory.h"
#include "PictureBook.h"
#include "WordStore.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

class TestPictureBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initApplication();
        QVERIFY(registerTestDictionaries());
    }
    void cleanupTestCase() { unregisterTestDictionaries(); }

    void listsTheChosenDictionaries();
};

void TestPictureBook::listsTheChosenDictionaries()
{
    TemporaryDataLocation data;
    // Farm, then Birds, as the player chose them.
    writeFile(DataDirectory::filePath("/dictionaries.dat"),
              QByteArray::fromHex("00000008004600610072006d"
                                  "0000000a00420069007200640073"));
    WordStore *store = WordStore::instance();
    QVERIFY(store->loadLists());
    QCOMPARE(store->chosenDictionaries(), QStringList({"Farm", "Birds"}));

    PictureBook book;
    QAbstractItemModelTester tester(&book, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStringList words;
    for (int row = 0; row < book.rowCount(); ++row)
        words << book.data(book.index(row), PictureBook::WordRole).toString();
    // Duplicates across dictionaries stay: each dictionary is its own chapter.
    QCOMPARE(words, QStringList({"Cow", "Hen", "Pig", "Hen", "Owl", "Robin"}));
    QCOMPARE(book.property("count").toInt(), 6);
    const QModelIndex owl = book.index(4);
    QCOMPARE(book.data(owl, PictureBook::ImagePathRole).toString(), QString(":/png/Birds/Owl.png"));
    QCOMPARE(book.data(owl, PictureBook::SoundPathRole).toString(),
             DataDirectory::recordingsDirectory("Birds") + "/Owl.mp3");
    QVERIFY(QFile::exists(book.data(owl, PictureBook::SoundPathRole).toString()));
    QCOMPARE(book.roleNames().value(PictureBook::WordRole), QByteArray("word"));

    // Tapping a page asks for its recording; nothing outside the rows.
    QSignalSpy sounds(&book, &PictureBook::playSound);
    QVERIFY(QMetaObject::invokeMethod(&book, "play", Q_ARG(int, 4)));
    QVERIFY(!book.play(6));
    QVERIFY(!book.play(-1));
    QCOMPARE(sounds.count(), 1);
    QCOMPARE(sounds.at(0).at(0).toString(), DataDirectory::recordingsDirectory("Birds") + "/Owl.mp3");

    // It deals nothing: no pool is built for it.
    QVERIFY(store->pool().empty());

    // A changed choice shows after reload.
    QVERIFY(store->removeList(0));
    book.reload();
    QCOMPARE(book.rowCount(), 3);
    QCOMPARE(book.data(book.index(0), PictureBook::WordRole).toString(), QString("Hen"));
    delete store;
}

QTEST_MAIN(TestPictureBook)
#include "tst_picturebook.moc"
