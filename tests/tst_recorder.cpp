// Recording a word end to end without a microphone: the window's recorder
// and its capture plugin, against a PulseAudio server of the test's own whose
// microphone hears Festival say the word.
#include "testsupport.h"

#include "FamilyVoices.h"
#include "VoiceRecorder.h"

#include <QDir>
#include <QQmlContext>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <memory>

using namespace TestSupport;

namespace {

enum Ending { Tap, ByItself, WindowClosed };

double decibels(const qint16 *samples, int from, int to)
{
    double sum = 0;
    for (int i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return 10 * std::log10(sum / (to - from)) - 20 * std::log10(32768.0);
}

} // namespace

class TestRecorder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void record_data();
    void record();

private:
    QByteArray m_apple;
    std::unique_ptr<PulseServer> m_pulse;
};

void TestRecorder::initTestCase()
{
    initApplication();
    {
        // Neither the program nor its start loads Qt Multimedia.
        TemporaryDataLocation data;
        TestWindow window;
        QVERIFY(!readFile("/proc/self/maps").contains("libQt5Multimedia"));
    }
    m_apple = festivalSays("apple");
    QVERIFY2(!m_apple.isEmpty(), "Festival or SoX is missing (Debian: festival, festvox-us-slt-hts, sox)");
    m_pulse = std::make_unique<PulseServer>();
    QVERIFY2(m_pulse->error().isEmpty(), qPrintable(m_pulse->error()));
}

void TestRecorder::record_data()
{
    QTest::addColumn<QString>("heard"); // what the microphone hears: apple, silence, or no microphone
    QTest::addColumn<int>("ending");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("message");

    QTest::newRow("apple") << "apple" << int(Tap) << false << "";
    QTest::newRow("no microphone") << "" << int(Tap) << false << "No microphone found.";
    QTest::newRow("silence, stops by itself")
        << "silence" << int(ByItself) << false << "I could not hear you. Try again, a little closer.";
    QTest::newRow("full disk") << "apple" << int(Tap) << true
                               << "The recording could not be saved: the disk is full or read-only.";
    QTest::newRow("window closed mid-take") << "apple" << int(WindowClosed) << false << "";
}

void TestRecorder::record()
{
    QFETCH(QString, heard);
    QFETCH(int, ending);
    QFETCH(bool, fullDisk);
    QFETCH(QString, message);

    TemporaryDataLocation data;
    QVERIFY(heard.isEmpty() ? m_pulse->removeMicrophone() : m_pulse->addMicrophone());
    TestWindow window;
    auto *recorder =
        window.context(MainWindow::PagePictureBook)->contextProperty("qtRecorder").value<VoiceRecorder *>();
    QVERIFY(recorder);
    // A dictionary's name that would climb out of the folder, and a take the word had before.
    const QString dictionary = "../Fruit", word = "Apple", path = FamilyVoices::path(dictionary, word);
    QVERIFY(path.startsWith(FamilyVoices::root() + "/%002e%002e%002fFruit/"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    writeFile(path, "the take before");
    QSignalSpy stored(recorder, &VoiceRecorder::stored);
    QSignalSpy recordingChanged(recorder, &VoiceRecorder::recordingChanged);

    recorder->open();
    QCOMPARE(recorder->microphone(), !heard.isEmpty());
    recorder->toggle(dictionary, word);
    QCOMPARE(recorder->recording(), !heard.isEmpty());
    if (recorder->recording()) {
        m_pulse->say(heard == "apple" ? m_apple : QByteArray(m_apple.size(), 0));
        if (ending == Tap) {
            // The word and the silence after it have reached the recorder.
            QTRY_VERIFY(m_pulse->said() && recorder->level() == 0);
            std::unique_ptr<FullDisk> full(fullDisk ? new FullDisk : nullptr);
            recorder->toggle(dictionary, word);
        } else if (ending == WindowClosed) {
            QTRY_VERIFY(recorder->level() > 0);
            window.close();
        } else {
            QVERIFY(recordingChanged.wait(2 * VoiceRecorder::MaxTakeMs));
        }
    }
    QVERIFY(!recorder->recording());
    QCOMPARE(recorder->message(), message);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Apple.ogg"});
    if (heard != "apple" || fullDisk || ending == WindowClosed) {
        QCOMPARE(readFile(path), QByteArray("the take before"));
        QCOMPARE(stored.size(), 0);
        return;
    }
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored[0], (QVariantList{dictionary, word, path}));

    // Trimmed to 100 ms before the word, at the bundled recordings' level.
    const QByteArray pcm = runProgram(
        "sox", {"-D", path, "-t", "raw", "-r", "16000", "-c", "1", "-b", "16", "-e", "signed-integer", "-L", "-"});
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    const int count = pcm.size() / 2;
    int first = 0, last = count - 1;
    while (first < count && std::abs(samples[first]) < 330) // -40 dBFS
        ++first;
    while (last > first && std::abs(samples[last]) < 330)
        --last;
    const double level = decibels(samples, std::max(0, first - 640), std::min(count, last + 640));
    qInfo("stored: %.2f s, %.0f ms before the word, level %.1f dBFS", count / 16000.0, first / 16.0, level);
    QVERIFY2(first >= 16 * 50 && first <= 16 * 150, qPrintable(QString::number(first / 16.0)));
    // The level tools/make-assets brings the bundled words to.
    const QString assets = QString::fromUtf8(readFile(QFileInfo(__FILE__).dir().filePath("../tools/make-assets")));
    const double bundled = assets.section("readonly TARGET_RMS=", 1).section('\n', 0, 0).toDouble();
    QVERIFY(bundled < -10 && std::abs(level - bundled) <= 3);

    // Heard as the word among the dictionary's, as tools/check-recordings hears the bundled ones.
    const QString model = "/usr/share/pocketsphinx/model/en-us";
    if (QStandardPaths::findExecutable("pocketsphinx_continuous").isEmpty() || !QFileInfo::exists(model + "/en-us"))
        QSKIP("no speech recogniser (Debian: pocketsphinx, pocketsphinx-en-us)");
    QTemporaryDir dir;
    QStringList words;
    const QString dictionaries = QString::fromUtf8(
        readFile(QFileInfo(__FILE__).dir().filePath("../tools/dictionaries.txt")));
    for (const QString &line : dictionaries.section("[Fruit and Vegetables]\n", 1).section("\n[", 0, 0).split('\n'))
        words << line.section('|', 0, 0).trimmed().toLower();
    words.removeAll(QString());
    writeFile(dir.filePath("words.jsgf"),
              "#JSGF V1.0;\ngrammar words;\npublic <word> = " + words.join(" | ").toUtf8() + ";\n");
    QVERIFY(!runProgram("sox",
                        {"-D", path, "-r", "16000", "-b", "16", "-c", "1", dir.filePath("word.wav"), "pad", "0", "1"})
                 .isNull());
    const QByteArray recognised = runProgram("pocketsphinx_continuous",
                                             {"-infile", dir.filePath("word.wav"), "-jsgf", dir.filePath("words.jsgf"),
                                              "-hmm", model + "/en-us", "-dict", model + "/cmudict-en-us.dict",
                                              "-logfn", "/dev/null"});
    qInfo("the recogniser heard: %s", recognised.trimmed().constData());
    QCOMPARE(recognised.trimmed(), QByteArray("apple"));
}

QTEST_MAIN(TestRecorder)
#include "tst_recorder.moc"
