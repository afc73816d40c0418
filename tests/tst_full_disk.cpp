// A save refused by a full disk keeps the old file byte for byte and leaves no
// temporary file behind. A child process of this same program saves with a
// file-size limit of zero, which fails every write as a full disk does,
// without needing root or a real full file system.
#include "testsupport.h"

#include "DataDirectory.h"
#include "DataFiles.h"
#include "MainWindow.h"
#include "ProgressStore.h"
#include "Record.h"
#include "Settings.h"
#include "TopTenList.h"
#include "WordStore.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

const char *const LocationVariable = "VOCALUNE_TEST_FULL_DISK_LOCATION";
const char *const FileVariable = "VOCALUNE_TEST_FULL_DISK_FILE";

// Saves the named file with contents other than what is there, every write
// failing. Exits 0 when the save helper also reports its failure.
int saverMain(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestSupport::initApplication();
    const QString location = qEnvironmentVariable(LocationVariable);
    const QString name = qEnvironmentVariable(FileVariable);
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    // The recordings are in place already, so loading writes nothing.
    WordStore::instance()->loadLists();

    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit none = {0, 0};
    if (setrlimit(RLIMIT_FSIZE, &none) != 0)
        return 2;

    bool saved = true;
    if (name == DataFiles::Settings || name == DataFiles::GameOptions) {
        Settings settings;
        settings.setVolumePercent(80);
        settings.setMute(true);
        settings.setPictures(GameOptions::FourPictures);
        saved = settings.save();
    } else if (name == DataFiles::Dictionaries) {
        WordStore::instance()->addList(0);
        saved = WordStore::instance()->saveLists();
    } else {
        TopTenList list(name);
        list.load();
        auto *record = new Record(nullptr);
        record->setPlayer(QStringLiteral("New"));
        record->setScore(900);
        list.insert(record);
        saved = list.save();
    }
    // The caller learns that nothing was saved.
    return saved ? 1 : 0;
}

QByteArray recordsBytes()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QStringLiteral("Old") << qint16(5) << QStringLiteral("Older") << qint16(3);
    return bytes;
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }
    void refusedSaveKeepsOldFile_data();
    void refusedSaveKeepsOldFile();
    void failedSaveKeepsThePageOpen_data();
    void failedSaveKeepsThePageOpen();
    void refusedAnswerIsReported();
};

void TestFullDisk::refusedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("old");

    QByteArray settings;
    QDataStream settingsOut(&settings, QIODevice::WriteOnly);
    settingsOut << 0.3 << false;
    QByteArray dictionaries;
    QDataStream dictionariesOut(&dictionaries, QIODevice::WriteOnly);
    dictionariesOut << QStringLiteral("Animals");

    const QMap<QString, QByteArray> old = {{DataFiles::Settings, settings},
                                           {DataFiles::GameOptions, QByteArray::fromHex("010006")},
                                           {DataFiles::Dictionaries, dictionaries},
                                           {DataFiles::WordGameRecords, recordsBytes()},
                                           {DataFiles::PairGameRecords, recordsBytes()}};
    for (const QString &name : DataFiles::all())
        QTest::newRow(qPrintable(name)) << name << old.value(name);
}

void TestFullDisk::refusedSaveKeepsOldFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, old);

    TestSupport::TemporaryDataLocation data;
    // The first start's copies, made while there is room.
    WordStore::instance()->loadLists();
    delete WordStore::instance();
    TestSupport::writeFile(data.filePath(name), old);
    const QStringList before = QDir(data.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    QProcess saver;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(LocationVariable, data.path());
    environment.insert(FileVariable, name);
    saver.setProcessEnvironment(environment);
    saver.setProcessChannelMode(QProcess::ForwardedChannels);
    saver.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(saver.waitForFinished(60000));
    QCOMPARE(saver.exitStatus(), QProcess::NormalExit);

    QCOMPARE(TestSupport::readFile(data.filePath(name)), old);
    // No temporary file left behind.
    QCOMPARE(QDir(data.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QCOMPARE(saver.exitCode(), 0);
}

void TestFullDisk::failedSaveKeepsThePageOpen_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("settings") << int(MainWindow::PageSettings);
    QTest::newRow("dictionaries") << int(MainWindow::PageDictionaries);
}

void TestFullDisk::failedSaveKeepsThePageOpen()
{
    QFETCH(int, page);
    TestSupport::TemporaryDataLocation data;
    TestSupport::TestWindow w;
    const auto open = [&] {
        page == MainWindow::PageSettings ? w.buttonSettingsClicked() : w.buttonDictionariesClicked();
        return w.view(MainWindow::Page(page));
    };
    QQuickWidget *view = open();
    QQuickItem *line = TestSupport::findItem(view->rootObject(), "saveFailedLine");
    QVERIFY(line);
    QVERIFY(!line->isVisible());
    {
        TestSupport::FullDisk full;
        QVERIFY(TestSupport::tapNamed(view, "saveButton"));
    }
    QCOMPARE(w.currentPage(), page);
    QVERIFY(line->isVisible());
    QCOMPARE(line->property("text").toString(), QString("Could not save: the disk is full or read-only."));
    QVERIFY(TestSupport::tapNamed(view, "cancelButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    open();
    QVERIFY(!line->isVisible());
}

void TestFullDisk::refusedAnswerIsReported()
{
    TestSupport::TemporaryDataLocation data;
    const WordMemory::Answer answer{"Animals", "Cat", WordMemory::WordGame, WordMemory::RightFirstTry,
                                    QDateTime::currentDateTime()};
    {
        ProgressStore store;
        QVERIFY(store.open(QString()));
        QSignalSpy written(&store, &ProgressStore::answerWritten);
        store.record(store.currentPlayer(), answer);
        store.flush();
        TestSupport::FullDisk full;
        store.record(store.currentPlayer(), answer);
        store.flush();
        QCOMPARE(store.addPlayer(QStringLiteral("New"), QString()), qint64(-1));
        QCOMPARE(written.size(), 2);
        QVERIFY(written[0][0].toBool() && !written[1][0].toBool());
    }
    ProgressStore reopened;
    QVERIFY(reopened.open(QString()) && reopened.movedAside().isEmpty());
    QCOMPARE(reopened.players().size(), 1);
    QCOMPARE(reopened.answers(reopened.currentPlayer()).size(), 1);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(LocationVariable))
        return saverMain(argc, argv);
    QApplication app(argc, argv);
    TestFullDisk test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_full_disk.moc"
