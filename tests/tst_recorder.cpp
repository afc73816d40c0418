// Recording a word end to end through the window's recorder and its plugin, from
// a PulseAudio server of the test's own whose microphone hears Festival speak.
#include "testsupport.h"

#include "FamilyVoices.h"
#include "VoiceRecorder.h"

#include <QDir>
#include <QQmlContext>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace TestSupport;

enum Take { NoMicrophone, Word, Silence, WindowClosed, DiskFull };

class TestRecorder : public QObject
{
    Q_OBJECT

public:
    TestRecorder() { initApplication(); }

private slots:
    void record_data();
    void record();

private:
    PulseServer m_pulse;
};

void TestRecorder::record_data()
{
    QTest::addColumn<int>("take");
    QTest::addColumn<QString>("message");
    // First: the server starts with no source at all.
    QTest::newRow("no microphone") << int(NoMicrophone) << "No microphone found.";
    QTest::newRow("apple, then the second tap") << int(Word) << "";
    QTest::newRow("silence, to the time limit") << int(Silence) << "I could not hear you. Try again, a little closer.";
    QTest::newRow("the window closed mid-word") << int(WindowClosed) << "";
    QTest::newRow("apple, on a full disk")
        << int(DiskFull) << "The recording could not be saved: the disk is full or read-only.";
}

void TestRecorder::record()
{
    QFETCH(int, take);
    QFETCH(QString, message);
    QVERIFY2(m_pulse.error().isEmpty(), qPrintable(m_pulse.error()));
    TemporaryDataLocation data;
    QVERIFY(take == NoMicrophone || m_pulse.addMicrophone());
    TestWindow window;
    auto *recorder =
        window.context(TestWindow::PagePictureBook)->contextProperty("qtRecorder").value<VoiceRecorder *>();
    QVERIFY(recorder);
    const QString dictionary = "Fruit and Vegetables", path = FamilyVoices::path(dictionary, "Apple");
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    writeFile(path, "the take before"); // the word's recording before
    QSignalSpy stored(recorder, &VoiceRecorder::stored);
    recorder->open();
    QCOMPARE(recorder->microphone(), take != NoMicrophone);
    recorder->toggle(dictionary, "Apple");
    QCOMPARE(recorder->recording(), take != NoMicrophone);
    if (take != NoMicrophone)
        m_pulse.say(take == Silence ? "" : "apple");
    if (take == Word || take == DiskFull) {
        // The word and the silence after it have reached the recorder.
        QTRY_VERIFY(m_pulse.said() && recorder->level() == 0);
        const FullDisk disk(take == DiskFull ? 1024 : RLIM_INFINITY);
        recorder->toggle(dictionary, "Apple");
    } else if (take == WindowClosed) {
        QTRY_VERIFY(recorder->level() > 0);
        window.close();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!recorder->recording(), 2 * VoiceRecorder::MaxTakeMs);
    QCOMPARE(recorder->message(), message);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Apple.ogg"});
    QCOMPARE(stored.size(), int(take == Word));
    QCOMPARE(readFile(path) == "the take before", take != Word);
    if (take != Word)
        return;
    QCOMPARE(stored[0], (QVariantList{dictionary, "Apple", path}));
    // Trimmed to 100 ms before the word, at the level tools/make-assets gives the bundled words.
    const QByteArray pcm = runProgram("sox", {"-D", path, "-t", "s16", "-r", "16000", "-c", "1", "-"});
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    const int count = pcm.size() / 2;
    const auto loud = [](qint16 sample) { return std::abs(sample) >= 330; }; // -40 dBFS
    const int first = std::find_if(samples, samples + count, loud) - samples;
    int last = count - 1;
    while (last > first && !loud(samples[last]))
        --last;
    const int from = std::max(0, first - 640), to = std::min(count, last + 640); // 40 ms around the word
    const double sum = std::inner_product(samples + from, samples + to, samples + from, 0.0);
    const double level = 10 * std::log10(sum / (to - from) / (32768.0 * 32768));
    const QString assets = readFile(QFINDTESTDATA("../tools/make-assets"));
    const double bundled = assets.section("TARGET_RMS=", 1).section('\n', 0, 0).toDouble();
    qInfo("stored: %.2f s, %.0f ms before the word, level %.1f dBFS", count / 16000.0, first / 16.0, level);
    QVERIFY(first >= 16 * 50 && first <= 16 * 150);
    QVERIFY(bundled < -10 && std::abs(level - bundled) <= 3);
    // Heard as the word among its dictionary's, as the bundled words are.
    const QByteArray recognised = runProgram(QFINDTESTDATA("../tools/check-recordings"),
                                             {"--voices", FamilyVoices::root(), dictionary});
    QVERIFY2(recognised.simplified().startsWith(dictionary.toUtf8() + " 1 of 1 heard right"),
             "not heard as apple, or no recogniser (Debian: pocketsphinx, pocketsphinx-en-us)");
}

QTEST_MAIN(TestRecorder)
#include "tst_recorder.moc"
