// A player's memory of words: the box rule, what is asked first, and the
// progress page's figures, from answers on days a fake clock names.
#include "rulesupport.h"

#include "WordMemory.h"

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

QTEST_GUILESS_MAIN(TestProgress)

#include "tst_progress.moc"
