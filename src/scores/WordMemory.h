#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// The local time of instants kept in UTC. Each conversion asks the C library,
// which reads the zone file every time: a year of answers took seconds. The
// offset is looked up once a quarter of an hour (zones change on quarter
// hours), and the time keeps that offset.
class LocalTimes
{
public:
    QDateTime at(qint64 msSinceEpoch);

private:
    QHash<qint64, int> m_offsets;
};

// What one player's answers say about each word: its box, as in a Leitner
// system with growing gaps, and the counts a parent reads. Nothing of this is
// stored: the boxes are worked out from the answers each time, so a change of
// the rule below needs no change of the stored data.
//
// The rule: a word met for the first time goes into box 1. Answered right at
// the first try on a later day than its last move, and at least its box's gap
// after that move, it moves up one box. A mistake (or a word missed under
// "Try again") sends it back to box 1. A word in the last box is learned.
class WordMemory
{
public:
    // The number of boxes; a word in the last one is learned.
    static constexpr int Boxes = 5;
    // Days a word waits in box 1 to 4 before it can move up: 1, 2, 4, 8.
    static int gapDays(int box);

    enum Game : int { WordGame = 0, PairGame = 1 };
    // How a word was answered. The values are stored: never renumber.
    enum Outcome : int {
        RightFirstTry = 0, // right without a mistake in its round
        Mistake = 1,       // a wrong pick or pair that ended the game or was tried again
        Missed = 2,        // under "Try again", marked after two wrong picks
    };

    struct Answer
    {
        QString dictionary;
        QString word;
        Game game = WordGame;
        Outcome outcome = RightFirstTry;
        QDateTime at; // local time of the answer (or with the local offset); its date is the day
    };

    // One word's state after all its answers.
    struct State
    {
        int box = 1;
        QDate lastMove;      // the day it last changed box (or was met)
        QDateTime firstSeen; // first answer
        QDateTime lastSeen;  // last answer
        int rightFirstTry = 0;
        int mistakes = 0; // Mistake and Missed answers
        bool learned() const { return box >= Boxes; }
    };

    // Where a word stands when a round under "To learn" is dealt.
    enum Kind : int {
        Due = 0,     // met, not learned, and its gap has passed: ask it first
        New = 1,     // never met
        Waiting = 2, // met, its gap not yet passed, or learned
    };
    struct Priority
    {
        Kind kind = New;
        int box = 0;        // for Due and Waiting
        QDateTime lastSeen; // for Due and Waiting
        // True when this word should be asked before other: due words first
        // (lowest box, then longest since last seen), then new words, then the rest.
        bool before(const Priority &other) const;
    };

    // Answers must be added in the order they were given.
    void add(const Answer &answer);
    // The memory a player's answers, in the order given, leave.
    static WordMemory of(const QList<Answer> &answers);
    void clear();

    // nullptr for a word never met.
    const State *state(const QString &dictionary, const QString &word) const;
    Priority priority(const QString &dictionary, const QString &word, const QDate &today) const;

    // Every word met, keyed by dictionary, then word.
    const QHash<QString, QHash<QString, State>> &words() const;
    int learnedCount() const;

    // What the progress page shows of one player.
    struct Summary
    {
        QDate firstDay;           // the first of the days below; the last is today
        QList<int> learnedPerDay; // words that reached the last box on each day
        // Minutes played on each day: the gaps between one day's answers added
        // up, and FirstAnswerSeconds for the first answer of a stretch of play.
        // A gap longer than MaxGapSeconds was a pause: the answer after it
        // starts a new stretch.
        QList<int> minutesPerDay;
        struct Trouble
        {
            QString dictionary;
            QString word;
            int mistakes = 0;
        };
        QList<Trouble> mostMistakes; // over all answers, most first
        QDateTime lastAnswer;        // invalid when there is none
    };
    static constexpr int MaxGapSeconds = 120;
    static constexpr int FirstAnswerSeconds = 5;
    // Answers in the order they were given; days ending with today. memory,
    // if given, is left as of() would make it: the answers are gone over once.
    static Summary summarize(const QList<Answer> &answers, const QDate &today, int days = 30, int top = 10,
                             WordMemory *memory = nullptr);

private:
    QHash<QString, QHash<QString, State>> m_words;
};
