// A save killed at any moment leaves the old file or the new one, never a
// damaged one, and loses at most the answer being written. A child process
// of this same program saves in a loop; the test kills it with SIGKILL at
// random moments and checks every file.
// VOCALUNE_CRASH_KILLS sets another number of kills.
#include "testsupport.h"

#include "DataDirectory.h"
#include "ProgressStore.h"
#include "Record.h"
#include "Settings.h"
#include "TopTenList.h"
#include "WordStore.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

namespace {

const char *const SaverVariable = "VOCALUNE_TEST_SAVER_LOCATION";

int killCount()
{
    bool ok = false;
    const int kills = qEnvironmentVariableIntValue("VOCALUNE_CRASH_KILLS", &ok);
    return ok && kills > 0 ? kills : 25;
}

// Generation n of each file has content derived from n alone, so a reader can
// tell a whole file from a mixture.
QString playerName(int generation, int entry)
{
    return QStringLiteral("P%1-%2-%3").arg(generation).arg(entry).arg(QString(entry % 5 + 1, QChar(0x00e9)));
}

int saverMain(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestSupport::initApplication();
    const QString location = qEnvironmentVariable(SaverVariable);
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    WordStore::instance()->loadLists();
    ProgressStore progress;
    progress.open(QString());
    // Printed on the writer thread as soon as an answer is committed.
    QObject::connect(&progress, &ProgressStore::answerWritten, [](bool written) {
        std::printf(written ? "written\n" : "refused\n"); // a refusal is not counted
        std::fflush(stdout);
    });
    WordMemory::Answer answer;
    answer.word = QStringLiteral("Cat");
    std::printf("ready\n");
    std::fflush(stdout);
    for (int generation = 1;; ++generation) {
        answer.at = QDateTime::currentDateTime();
        progress.record(progress.currentPlayer(), answer);
        progress.flush();

        Settings settings;
        settings.setVolumePercent(generation % 101);
        settings.setMute(generation % 2);
        settings.save();

        TopTenList list(QStringLiteral("/wgrecords.dat"));
        const int entries = generation % 10 + 1;
        for (int entry = 0; entry < entries; ++entry) {
            auto *record = new Record(nullptr);
            record->setPlayer(playerName(generation, entry));
            record->setScore(qint16(1000 - entry));
            list.insert(record);
        }
        list.save();

        WordStore::instance()->saveLists();
    }
}

} // namespace

class TestCrashDuringSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }
    void killedSaverLeavesWholeFiles();

private:
    static void checkSettings(const QString &path);
    static void checkRecords(const QString &path);
    static void checkDictionaries(const QString &path);
};

void TestCrashDuringSave::checkSettings(const QString &path)
{
    if (!QFile::exists(path))
        return;
    const QByteArray bytes = TestSupport::readFile(path);
    QCOMPARE(bytes.size(), 9);
    QDataStream stream(bytes);
    double volume = -1;
    qint8 mute = -1;
    stream >> volume >> mute;
    const int percent = qRound(volume * 100);
    QVERIFY2(percent >= 0 && percent <= 100 && qAbs(volume * 100 - percent) < 1e-9,
             qPrintable(QString::number(volume)));
    QVERIFY(mute == 0 || mute == 1);
}

void TestCrashDuringSave::checkRecords(const QString &path)
{
    if (!QFile::exists(path))
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDataStream stream(&file);
    QStringList names;
    while (!stream.atEnd()) {
        QString name;
        qint16 score = 0;
        stream >> name >> score;
        QCOMPARE(stream.status(), QDataStream::Ok);
        QCOMPARE(int(score), 1000 - names.size());
        names << name;
    }
    // One generation, whole: entries 0 .. generation % 10.
    QVERIFY(!names.isEmpty() && names.size() <= 10);
    const int generation = names.first().mid(1).section('-', 0, 0).toInt();
    QCOMPARE(names.size(), generation % 10 + 1);
    for (int entry = 0; entry < names.size(); ++entry)
        QCOMPARE(names[entry], playerName(generation, entry));
}

void TestCrashDuringSave::checkDictionaries(const QString &path)
{
    if (!QFile::exists(path))
        return;
    QCOMPARE(TestSupport::readFile(path), QByteArray::fromHex("0000000E0041006E0069006D0061006C0073"));
}

void TestCrashDuringSave::killedSaverLeavesWholeFiles()
{
    TestSupport::TemporaryDataLocation data;
    QDir().mkpath(data.path());
    const int kills = killCount();
    int killedWhileSaving = 0;
    int answersReported = 0;
    for (int round = 0; round < kills; ++round) {
        QProcess saver;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(SaverVariable, data.path());
        saver.setProcessEnvironment(environment);
        saver.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(saver.waitForStarted());
        QVERIFY(saver.waitForReadyRead(30000));
        QByteArray out = saver.readAll();
        QVERIFY(out.startsWith("ready"));
        // A random moment inside the saving loop.
        QTest::qSleep(QRandomGenerator::global()->bounded(1, 40));
        saver.kill();
        QVERIFY(saver.waitForFinished(30000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
        ++killedWhileSaving;
        out += saver.readAll();
        answersReported += out.count("written\n");

        ProgressStore progress;
        QVERIFY(progress.open(QString()) && progress.movedAside().isEmpty());
        const int kept = progress.answers(progress.currentPlayer()).size();
        QVERIFY(kept >= answersReported && kept <= answersReported + 1);
        // The one reported as the kill came now counts too.
        answersReported = kept;

        checkSettings(data.filePath("/settings.dat"));
        checkRecords(data.filePath("/wgrecords.dat"));
        checkDictionaries(data.filePath("/dictionaries.dat"));
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(killedWhileSaving, kills);
    // The loop got far enough to have written each file.
    QVERIFY(QFile::exists(data.filePath("/settings.dat")));
    QVERIFY(QFile::exists(data.filePath("/wgrecords.dat")));
    QVERIFY(QFile::exists(data.filePath("/dictionaries.dat")));
    QVERIFY(answersReported > 0);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(SaverVariable))
        return saverMain(argc, argv);
    // Qt Test stops a test function after 300 s: more kills take longer.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(qMax(300, killCount() * 2) * 1000));
    QApplication app(argc, argv);
    TestCrashDuringSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crash_during_save.moc"
