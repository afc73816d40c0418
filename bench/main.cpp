// Measures start-up, tap-to-frame latency, memory, the first start's copying,
// a class's server and recording a word (against a PostgreSQL and a PulseAudio
// server the benchmark starts, as the tests do).
// Prints one table; every figure is the median of repeated runs with min and max.
#include "ClassSync.h"
#include "DataDirectory.h"
#include "GameOptions.h"
#include "MainWindow.h"
#include "PairGame.h"
#include "Players.h"
#include "ProgressExport.h"
#include "ProgressStore.h"
#include "Settings.h"
#include "VoiceRecorder.h"
#include "Word.h"
#include "WordGame.h"
#include "WordStore.h"
#include "testsupport.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKiB()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : -1;
}

struct Stats
{
    double median = 0, min = 0, max = 0, p95 = 0;
};

Stats stats(std::vector<double> values)
{
    Stats s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    s.min = values.front();
    s.max = values.back();
    s.median = values[values.size() / 2];
    s.p95 = values[std::min(values.size() - 1, size_t(values.size() * 0.95))];
    return s;
}

// Counts the paint events a widget has finished, and when the last one ended.
// The time is taken by a zero timer queued at the paint, so it runs once the
// paint is done and before anything the paint itself queued after it.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int painted = 0;
    Clock::time_point paintedAt;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, this, [this] {
                paintedAt = Clock::now();
                ++painted;
            });
        }
        return false;
    }
};

// Waits until the widget has painted once more.
void waitForFrame(PaintCounter &counter, int before)
{
    QElapsedTimer guard;
    guard.start();
    while (counter.painted == before && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

double msBetween(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// The benchmark drives the window from one long function, never returning to
// the event loop; this runs the deferred deletions the loop runs between taps.
void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Lets pending frames and timers of the last change run out.
void settle()
{
    QTest::qWait(20);
}

// Waits until the widget paints no more (the owl's hop after a right answer
// has ended), so the frame after the next tap is that tap's, not the hop's.
void settleFrames(PaintCounter &counter)
{
    for (int quiet = 0, tries = 0; quiet < 3 && tries < 100; ++tries) {
        const int before = counter.painted;
        QTest::qWait(20);
        quiet = counter.painted == before ? quiet + 1 : 0;
    }
}

void tap(QQuickWidget *view, const QString &name)
{
    if (!TestSupport::tapNamed(view, name))
        qFatal("no item %s", qPrintable(name));
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vocalune"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 30, QFont::Normal, false));
}

// Full top-ten lists that no score beats, so no game asks for a name.
void fillRecords(const QString &folder)
{
    for (const char *name : {"/wgrecords.dat", "/pgrecords.dat"}) {
        QFile file(folder + name);
        file.open(QIODevice::WriteOnly);
        QDataStream stream(&file);
        for (int i = 0; i < 10; ++i)
            stream << QStringLiteral("Best") << qint16(32767);
    }
}

// --- Children: one start-up each, in a process of its own ---

int childStartup(int argc, char *argv[], bool floor, const QString &location)
{
    const Clock::time_point start = Clock::now();
    QApplication app(argc, argv);
    setUpApplication();
    // A data folder that an earlier start filled: this is an ordinary start.
    DataDirectory::setPlatformLocationProvider([location] { return location; });

    QWidget *shown = nullptr;
    QQuickWidget *view = nullptr;
    QScopedPointer<MainWindow> window;
    QScopedPointer<QStackedWidget> stack;
    if (floor) {
        stack.reset(new QStackedWidget);
        auto *page = new QWidget;
        stack->addWidget(page);
        view = new QQuickWidget(page);
        view->setSource(QUrl(QStringLiteral("qrc:/bench/floor.qml")));
        stack->resize(800, 480);
        shown = stack.data();
    } else {
        window.reset(new MainWindow(QRect(0, 0, 800, 480)));
        window->resize(800, 480);
        view = window->view(MainWindow::PageMain);
        shown = window.data();
    }
    PaintCounter counter(view);
    shown->show();
    waitForFrame(counter, 0);
    const double ms = msBetween(start, counter.paintedAt);
    // Memory once the menu has settled, with whatever starts after the first frame.
    QTest::qWait(500);
    // Recording's plugin, and Qt Multimedia with it, load only when recording opens.
    const bool multimedia = TestSupport::readFile("/proc/self/maps").contains("libQt5Multimedia");
    std::printf("%.3f %ld %d\n", ms, residentKiB(), int(multimedia));
    return 0;
}

struct ChildResult
{
    std::vector<double> ms;
    std::vector<double> kib;
    bool multimedia = false; // a start loaded Qt Multimedia
};

ChildResult runChildren(const QString &mode, const QString &location, int runs)
{
    ChildResult result;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode, location});
        child.waitForFinished(60000);
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        if (fields.size() == 3) {
            result.ms.push_back(fields[0].toDouble());
            result.kib.push_back(fields[1].toDouble());
            result.multimedia = result.multimedia || fields[2] == "1";
        }
    }
    return result;
}

// --- In-process measurements ---

std::vector<double> wordGameTaps(MainWindow &window, int taps)
{
    std::vector<double> samples;
    QQuickWidget *view = window.view(MainWindow::PageWordGame);
    PaintCounter counter(view);
    while (int(samples.size()) < taps) {
        window.buttonNewGameClicked();
        window.buttonStartGameClicked(1);
        QCoreApplication::processEvents();
        WordGame *game = window.openWordGame();
        while (game && !game->isFinished() && int(samples.size()) < taps) {
            const QString word = game->word();
            const QList<QObject *> pictures = game->imageList();
            int right = -1;
            for (int i = 0; i < pictures.size(); ++i)
                if (static_cast<Word *>(pictures[i])->word() == word)
                    right = i;
            if (right < 0)
                break;
            settleFrames(counter);
            const bool lastRound = int(WordStore::instance()->pool().size()) < game->picturesPerRound();
            const int before = counter.painted;
            const Clock::time_point start = Clock::now();
            tap(view, QStringLiteral("icon%1").arg(right));
            waitForFrame(counter, before);
            if (!lastRound)
                samples.push_back(msBetween(start, counter.paintedAt));
        }
        window.buttonWordGameEndGameClicked();
        runDeferredDeletes();
    }
    return samples;
}

std::vector<double> pairGameSixthPairs(MainWindow &window, int taps)
{
    std::vector<double> samples;
    QQuickWidget *view = window.view(MainWindow::PagePairGame);
    PaintCounter counter(view);
    while (int(samples.size()) < taps) {
        window.buttonNewGameClicked();
        window.buttonStartGameClicked(0);
        QCoreApplication::processEvents();
        PairGame *game = window.openPairGame();
        while (game && int(samples.size()) < taps) {
            const bool lastRound = WordStore::instance()->pool().size() < 6;
            const QList<QObject *> words = game->wordList();
            const QList<QObject *> pictures = game->imageList();
            if (words.size() != 6)
                break;
            for (int w = 0; w < 6; ++w) {
                const QString word = static_cast<Word *>(words[w])->word();
                int picture = 0;
                while (static_cast<Word *>(pictures[picture])->word() != word)
                    ++picture;
                const int selected = counter.painted;
                tap(view, QStringLiteral("icon%1").arg(picture));
                waitForFrame(counter, selected);
                if (w == 5)
                    settleFrames(counter);
                else
                    settle();
                const int before = counter.painted;
                const Clock::time_point start = Clock::now();
                tap(view, QStringLiteral("label%1").arg(w));
                waitForFrame(counter, before);
                if (w == 5 && !lastRound)
                    samples.push_back(msBetween(start, counter.paintedAt));
            }
            if (lastRound)
                break;
        }
        window.buttonPairGameEndGameClicked();
        runDeferredDeletes();
    }
    return samples;
}

void playGames(MainWindow &window, int games)
{
    for (int i = 0; i < games; ++i) {
        window.buttonNewGameClicked();
        window.buttonStartGameClicked(i % 2);
        QCoreApplication::processEvents();
        if (i % 2)
            window.buttonWordGameEndGameClicked();
        else
            window.buttonPairGameEndGameClicked();
        QCoreApplication::processEvents();
        runDeferredDeletes();
    }
}

std::vector<double> loadLists(bool firstStart, int runs)
{
    std::vector<double> samples;
    QTemporaryDir data;
    for (int i = 0; i < runs; ++i) {
        const QString location = data.path() + (firstStart ? QStringLiteral("/run%1").arg(i) : QString());
        DataDirectory::setPlatformLocationProvider([location] { return location; });
        if (!firstStart && i == 0)
            WordStore::instance()->loadLists(); // the copies a later start finds
        const Clock::time_point start = Clock::now();
        WordStore::instance()->loadLists();
        samples.push_back(msSince(start));
    }
    return samples;
}

// "N recordings in M dictionaries": what a start copies or finds.
QString recordingsInBundle()
{
    const QStringList dictionaries = QDir(":/mp3").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    int recordings = 0;
    for (const QString &dictionary : dictionaries)
        recordings += QDir(":/mp3/" + dictionary).entryList(QDir::Files).size();
    return QStringLiteral("%1 recordings in %2 dictionaries").arg(recordings).arg(dictionaries.size());
}

// A player who met 305 words 60 times each: a round of every word every
// sixth day for a year, one answer every ten seconds, a mistake now and then.
QList<WordMemory::Answer> yearOfAnswers()
{
    QList<WordMemory::Answer> answers;
    const QDateTime start = QDateTime::currentDateTime().addDays(-360);
    for (int round = 0; round < 60; ++round) {
        for (int w = 0; w < 305; ++w) {
            WordMemory::Answer answer;
            answer.dictionary = QStringLiteral("Dictionary %1").arg(w / 30);
            answer.word = QStringLiteral("Word %1").arg(w);
            answer.game = WordMemory::Game(round % 2);
            answer.outcome = (round + w) % 7 == 0 ? WordMemory::Mistake : WordMemory::RightFirstTry;
            answer.at = start.addDays(round * 6).addSecs(w * 10);
            answers.append(answer);
        }
    }
    return answers;
}

struct ProgressResult
{
    std::vector<double> page;
    std::vector<double> exportMs;
};

// What the progress page and the export cost with 40 such players.
ProgressResult progress(const QString &location)
{
    ProgressResult result;
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    ProgressStore store;
    if (!store.open(QString()))
        qFatal("no progress store");
    const QList<WordMemory::Answer> answers = yearOfAnswers();
    for (int player = store.players().size(); player < ProgressStore::MaxPlayers; ++player)
        store.addPlayer(QStringLiteral("Player %1").arg(player + 1), QString());
    for (const ProgressStore::Player &player : store.players()) {
        if (!store.insertAnswers(player.id, answers))
            qFatal("answers not written");
    }
    const qint64 id = store.currentPlayer();
    for (int run = 0; run < 11; ++run) {
        const Clock::time_point start = Clock::now();
        WordMemory memory;
        const WordMemory::Summary summary = WordMemory::summarize(store.answers(id), QDate::currentDate(), 30, 10,
                                                                  &memory);
        result.page.push_back(msSince(start));
        if (memory.words().size() != 11 || summary.lastAnswer != answers.last().at)
            qFatal("the page read other answers");
    }
    for (int run = 0; run < 3; ++run) {
        const Clock::time_point start = Clock::now();
        if (!ProgressExport::writeCsv(store, location + QStringLiteral("/progress.csv"), nullptr))
            qFatal("export failed");
        result.exportMs.push_back(msSince(start));
    }
    return result;
}

struct ClassResult
{
    double pushMs = 0;
    QString pushed; // what arrived, as "answers|distinct ids"
    std::vector<double> fetchMs;
};

// Answers of one pupil as a machine gives them: a thousand over a few weeks.
QList<WordMemory::Answer> machineAnswers(int count)
{
    QList<WordMemory::Answer> answers = yearOfAnswers().mid(0, count);
    for (WordMemory::Answer &answer : answers)
        answer.at = answer.at.addDays(300);
    return answers;
}

// 30 machines of one class pushing 1,000 answers each at the same time, and
// one pupil's 20,000 answers fetched when the pupil is chosen.
ClassResult classServer(const QString &location)
{
    ClassResult result;
    TestSupport::PostgresServer server;
    if (!server.error().isEmpty() || !server.addLogin(QStringLiteral("class_2b"), QStringLiteral("2B")))
        qFatal("no PostgreSQL server: %s", qPrintable(server.error()));
    const auto makeSync = [&](const QString &path) {
        return std::make_unique<ClassSync>(
            ClassSync::Setup{path, server.address(QStringLiteral("class_2b")), QStringLiteral("2B"), {}, QString()});
    };
    constexpr int Machines = 30;
    std::vector<std::unique_ptr<ProgressStore>> stores;
    std::vector<std::unique_ptr<ClassSync>> syncs;
    const QList<WordMemory::Answer> answers = machineAnswers(1000);
    for (int machine = 0; machine < Machines; ++machine) {
        const QString path = location + QStringLiteral("/machine%1.sqlite").arg(machine);
        stores.push_back(std::make_unique<ProgressStore>());
        stores.back()->setPath(path);
        if (!stores.back()->open(QString()) || !stores.back()->insertAnswers(stores.back()->currentPlayer(), answers)
            || !stores.back()->renamePlayer(stores.back()->currentPlayer(), QStringLiteral("Pupil %1").arg(machine)))
            qFatal("machine %d not made", machine);
        syncs.push_back(makeSync(path));
    }
    const Clock::time_point start = Clock::now();
    for (auto &sync : syncs)
        sync->push();
    for (auto &sync : syncs)
        sync->flush();
    result.pushMs = msSince(start);
    result.pushed = server.sql(QStringLiteral("SELECT count(*), count(DISTINCT id) FROM answers"));
    syncs.clear();

    // Pupil 0's other 19,000 answers, as if from other machines.
    server.sql(QStringLiteral("INSERT INTO answers (id, class, pupil, dictionary, word, game, outcome, at)"
                              " SELECT gen_random_uuid(), '2B', 'Pupil 0', 'Animals', 'Word ' || (n % 305), n % 2,"
                              " (n % 7 = 0)::int, now() - interval '1 minute' * n FROM generate_series(1, 19000) n"));
    for (int run = 0; run < 5; ++run) {
        const QString path = location + QStringLiteral("/fetch%1.sqlite").arg(run);
        ProgressStore store;
        store.setPath(path);
        if (!store.open(QString()) || !store.renamePlayer(store.currentPlayer(), QStringLiteral("Pupil 0")))
            qFatal("fetching machine not made");
        auto sync = makeSync(path);
        QSignalSpy fetched(sync.get(), &ClassSync::fetched);
        const Clock::time_point fetchStart = Clock::now();
        sync->fetch(QStringLiteral("Pupil 0"));
        if (!fetched.wait(60000) || fetched.first().at(1).toInt() != 20000)
            qFatal("the fetch brought %d answers", fetched.isEmpty() ? -1 : fetched.first().at(1).toInt());
        result.fetchMs.push_back(msSince(fetchStart));
    }
    return result;
}

// Takes of 2 s recorded through a PulseAudio server of the benchmark's own
// whose microphone hears Festival say a word: the second tap to the stored
// file, and how long the takes were.
std::vector<double> recordTakes(const QString &location, int takes, double *takeSeconds)
{
    std::vector<double> samples;
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    TestSupport::PulseServer pulse;
    if (!pulse.error().isEmpty() || !pulse.addMicrophone())
        qFatal("no PulseAudio server: %s", qPrintable(pulse.error()));
    VoiceRecorder recorder;
    QSignalSpy stored(&recorder, &VoiceRecorder::stored);
    for (int i = 0; i < takes; ++i) {
        // A second of silence, the word and a second of silence, at a microphone's pace.
        pulse.say(QStringLiteral("apple"));
        QElapsedTimer take;
        take.start();
        recorder.toggle(QStringLiteral("Fruit and Vegetables"), QStringLiteral("Apple"));
        while ((take.elapsed() < 2000 || recorder.level() > 0) && take.elapsed() < 10000)
            QTest::qWait(5);
        *takeSeconds = take.elapsed() / 1000.0;
        const Clock::time_point start = Clock::now();
        recorder.toggle(QStringLiteral("Fruit and Vegetables"), QStringLiteral("Apple"));
        if (stored.size() != i + 1)
            qFatal("take %d not stored: %s", i, qPrintable(recorder.message()));
        samples.push_back(msSince(start));
        while (!pulse.said())
            QTest::qWait(5);
    }
    return samples;
}

void row(const char *what, const Stats &s, const char *unit, const QString &note = QString())
{
    std::printf("| %-44s | %9.2f | %9.2f | %9.2f | %-4s | %s\n", what, s.median, s.min, s.max, unit, qPrintable(note));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0)
        return childStartup(argc, argv, qstrcmp(argv[2], "floor") == 0, QString::fromLocal8Bit(argv[3]));

    QApplication app(argc, argv);
    setUpApplication();
    const int startRuns = 11;

    QTemporaryDir data;
    const QString location = data.path();
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    QDir().mkpath(location);
    fillRecords(location);
    WordStore::instance()->loadLists(); // the first start's copies

    // A second data folder in which the player has chosen every dictionary.
    const QString everyDictionary = location + QStringLiteral("/every");
    DataDirectory::setPlatformLocationProvider([everyDictionary] { return everyDictionary; });
    QDir().mkpath(everyDictionary);
    fillRecords(everyDictionary);
    WordStore::instance()->loadLists();
    while (WordStore::instance()->addList(0)) {
    }
    WordStore::instance()->saveLists();
    const int chosen = WordStore::instance()->chosenDictionaries().size();
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    WordStore::instance()->loadLists();

    std::fprintf(stderr, "start-up...\n");
    const ChildResult floor = runChildren(QStringLiteral("floor"), location, startRuns);
    const ChildResult program = runChildren(QStringLiteral("program"), location, startRuns);
    const ChildResult programEvery = runChildren(QStringLiteral("program"), everyDictionary, startRuns);

    MainWindow window(QRect(0, 0, 800, 480));
    window.resize(800, 480);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    // Muted: the measurements are about the screen, not the audio backend.
    window.appSettings()->setMute(true);
    // Every answer is kept, as for a child who plays: the taps are measured
    // with the memory on, and with a class's server that cannot be reached
    // (a Unix socket folder that does not exist), so each answer's push fails.
    window.players()->joinClass(QUrl(QStringLiteral("postgresql:///vocalune?host=/nonexistent/vocalune-bench")),
                                QStringLiteral("2B"));
    if (!window.players()->open())
        qFatal("no progress store");

    std::fprintf(stderr, "word game taps...\n");
    const Stats word = stats(wordGameTaps(window, 220));
    std::fprintf(stderr, "pair game sixth pairs...\n");
    const Stats pair = stats(pairGameSixthPairs(window, 200));

    std::fprintf(stderr, "memory...\n");
    window.buttonBackToMainClicked();
    playGames(window, 10);
    const long after10 = residentKiB();
    playGames(window, 190);
    const long after200 = residentKiB();

    // The youngest players' setting: four larger pictures a round. Measured
    // after the memory rows, which stay comparable with the default games.
    window.appSettings()->setPictures(GameOptions::FourPictures);
    const Stats word4 = stats(wordGameTaps(window, 220));
    window.appSettings()->setPictures(GameOptions::TenPictures);
    // Each round's word chosen from the player's memory.
    window.appSettings()->setWords(GameOptions::ToLearn);
    const Stats wordToLearn = stats(wordGameTaps(window, 220));
    window.appSettings()->setWords(GameOptions::AnyWords);

    std::fprintf(stderr, "first start...\n");
    const Stats firstStart = stats(loadLists(true, 11));
    const Stats laterStart = stats(loadLists(false, 11));
    std::fprintf(stderr, "progress...\n");
    const ProgressResult progressResult = progress(location + QStringLiteral("/progress"));
    std::fprintf(stderr, "class server...\n");
    const ClassResult classResult = classServer(location);
    std::fprintf(stderr, "recording...\n");
    double takeSeconds = 0;
    const Stats record = stats(recordTakes(location + QStringLiteral("/record"), 11, &takeSeconds));
    DataDirectory::setPlatformLocationProvider({});

    const Stats floorMs = stats(floor.ms), programMs = stats(program.ms);
    const Stats floorKiB = stats(floor.kib), programKiB = stats(program.kib);
    const Stats everyMs = stats(programEvery.ms), everyKiB = stats(programEvery.kib);
    const QString chosenNote = QStringLiteral("%1 dictionaries chosen").arg(chosen);
    std::printf("| %-44s | %9s | %9s | %9s | %-4s | %s\n", "measure", "median", "min", "max", "unit", "note");
    std::printf("|%s|\n", QByteArray(100, '-').constData());
    row("start-up to first frame: floor", floorMs, "ms");
    row("start-up to first frame: Vocalune", programMs, "ms",
        QStringLiteral("ratio %1 (target <= 1.5); Qt Multimedia loaded: %2")
            .arg(programMs.median / floorMs.median, 0, 'f', 2)
            .arg(program.multimedia || programEvery.multimedia ? QStringLiteral("YES") : QStringLiteral("no")));
    row("start-up to first frame: every dictionary", everyMs, "ms", chosenNote);
    row("word game scoring tap to next round's frame", word, "ms",
        QStringLiteral("p95 %1 over %2 taps (target p95 <= 8); class server unreachable: %3")
            .arg(word.p95, 0, 'f', 2)
            .arg(220)
            .arg(window.players()->classSync() && window.players()->classSync()->state() == ClassSync::Offline
                     ? QStringLiteral("yes")
                     : QStringLiteral("NO")));
    row("word game, 4 pictures: tap to next frame", word4, "ms",
        QStringLiteral("p95 %1 over %2 taps (target p95 <= 8)").arg(word4.p95, 0, 'f', 2).arg(220));
    row("word game, To learn: tap to next frame", wordToLearn, "ms",
        QStringLiteral("p95 %1 over %2 taps (target p95 <= 8)").arg(wordToLearn.p95, 0, 'f', 2).arg(220));
    row("pair game sixth pair to new round's frame", pair, "ms",
        QStringLiteral("p95 %1 over %2 taps (target p95 <= 8)").arg(pair.p95, 0, 'f', 2).arg(200));
    row("resident set, settled: floor", floorKiB, "KiB");
    row("resident set, settled at the main menu: Vocalune", programKiB, "KiB",
        QStringLiteral("ratio %1 (target <= 1.3)").arg(programKiB.median / floorKiB.median, 0, 'f', 2));
    row("resident set at the menu: every dictionary", everyKiB, "KiB", chosenNote);
    std::printf("| %-44s | %9ld | %9s | %9s | %-4s |\n", "resident set after 10 games", after10, "", "", "KiB");
    std::printf("| %-44s | %9ld | %9s | %9s | %-4s | growth %ld KiB (target <= 1024)\n", "resident set after 200 games",
                after200, "", "", "KiB", after200 - after10);
    const QString bundle = recordingsInBundle();
    row("first start: copying the recordings", firstStart, "ms",
        QStringLiteral("%1; later start + 200 ms at most").arg(bundle));
    row("later start: recordings present", laterStart, "ms", bundle);
    row("progress page: 305 words met 60 times each", stats(progressResult.page), "ms", "target <= 300");
    row("export of 40 such players", stats(progressResult.exportMs), "ms", "target <= 2000");
    row("class server: 30 machines push 1,000 answers", stats({classResult.pushMs}), "ms",
        QStringLiteral("arrived|distinct: %1 of 30000").arg(classResult.pushed));
    row("class server: fetch a pupil's 20,000 answers", stats(classResult.fetchMs), "ms", "target <= 2000");
    row("record: second tap to stored file", record, "ms",
        QStringLiteral("takes of %1 s (target <= 300 for 2 s)").arg(takeSeconds, 0, 'f', 1));
    return 0;
}
