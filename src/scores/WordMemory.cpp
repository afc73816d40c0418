#include "WordMemory.h"

#include <algorithm>

namespace {

// The day an answer counts for: its own date, as answers are in local time
// or carry the local offset of their moment. Converting each one to local
// time would ask the C library, which reads the zone file every time.
QDate dayOf(const QDateTime &at)
{
    return at.date();
}

} // namespace

int WordMemory::gapDays(int box)
{
    // Box 5 has no gap: a learned word moves no further.
    static const int gaps[] = {1, 2, 4, 8};
    return box >= 1 && box < Boxes ? gaps[box - 1] : 0;
}

bool WordMemory::Priority::before(const Priority &other) const
{
    if (kind != other.kind)
        return kind < other.kind;
    if (kind == New)
        return false;
    if (box != other.box)
        return box < other.box;
    return lastSeen < other.lastSeen;
}

void WordMemory::add(const Answer &answer)
{
    const QDate day = dayOf(answer.at);
    QHash<QString, State> &words = m_words[answer.dictionary];
    auto it = words.find(answer.word);
    const bool met = it != words.end();
    if (!met) {
        it = words.insert(answer.word, State());
        it->lastMove = day;
        it->firstSeen = answer.at;
    }
    State &state = *it;
    state.lastSeen = answer.at;
    if (answer.outcome == RightFirstTry) {
        ++state.rightFirstTry;
        // A second right answer on the day of a move finds lastMove == day, so
        // one day moves a word at most once.
        if (met && !state.learned() && day > state.lastMove && state.lastMove.daysTo(day) >= gapDays(state.box)) {
            ++state.box;
            state.lastMove = day;
        }
    } else {
        ++state.mistakes;
        state.box = 1;
        state.lastMove = day;
    }
}

void WordMemory::clear()
{
    m_words.clear();
}

const WordMemory::State *WordMemory::state(const QString &dictionary, const QString &word) const
{
    const auto words = m_words.constFind(dictionary);
    if (words == m_words.constEnd())
        return nullptr;
    const auto it = words->constFind(word);
    return it == words->constEnd() ? nullptr : &*it;
}

WordMemory::Priority WordMemory::priority(const QString &dictionary, const QString &word, const QDate &today) const
{
    Priority priority;
    const State *s = state(dictionary, word);
    if (!s)
        return priority;
    priority.box = s->box;
    priority.lastSeen = s->lastSeen;
    const bool due = !s->learned() && s->lastMove.daysTo(today) >= gapDays(s->box);
    priority.kind = due ? Due : Waiting;
    return priority;
}

const QHash<QString, QHash<QString, WordMemory::State>> &WordMemory::words() const
{
    return m_words;
}

int WordMemory::learnedCount() const
{
    int count = 0;
    for (const auto &words : m_words) {
        for (const State &state : words)
            count += state.learned();
    }
    return count;
}

WordMemory WordMemory::of(const QList<Answer> &answers)
{
    WordMemory memory;
    for (const Answer &answer : answers)
        memory.add(answer);
    return memory;
}

WordMemory::Summary WordMemory::summarize(const QList<Answer> &answers, const QDate &today, int days, int top,
                                          WordMemory *into)
{
    Summary summary;
    days = qMax(1, days);
    summary.firstDay = today.addDays(1 - days);
    QVector<qint64> seconds(days, 0);
    summary.learnedPerDay = QVector<int>(days, 0).toList();

    WordMemory local;
    WordMemory &memory = into ? *into : local;
    memory.clear();
    QDateTime previous;
    for (const Answer &answer : answers) {
        const State *before = memory.state(answer.dictionary, answer.word);
        const bool wasLearned = before && before->learned();
        memory.add(answer);
        const QDate day = dayOf(answer.at);
        const qint64 index = summary.firstDay.daysTo(day);
        if (index >= 0 && index < days) {
            if (!wasLearned && memory.state(answer.dictionary, answer.word)->learned())
                ++summary.learnedPerDay[int(index)];
            const qint64 gap = previous.isValid() && dayOf(previous) == day ? previous.secsTo(answer.at) : -1;
            seconds[int(index)] += gap >= 0 && gap <= MaxGapSeconds ? gap : FirstAnswerSeconds;
        }
        previous = answer.at;
    }
    for (qint64 s : seconds)
        summary.minutesPerDay.append(int((s + 30) / 60));
    if (!answers.isEmpty())
        summary.lastAnswer = answers.last().at;

    for (auto words = memory.m_words.cbegin(); words != memory.m_words.cend(); ++words) {
        for (auto it = words->cbegin(); it != words->cend(); ++it) {
            if (it->mistakes > 0)
                summary.mostMistakes.append({words.key(), it.key(), it->mistakes});
        }
    }
    std::sort(summary.mostMistakes.begin(), summary.mostMistakes.end(),
              [](const Summary::Trouble &a, const Summary::Trouble &b) {
                  if (a.mistakes != b.mistakes)
                      return a.mistakes > b.mistakes;
                  return a.dictionary != b.dictionary ? a.dictionary < b.dictionary : a.word < b.word;
              });
    if (summary.mostMistakes.size() > top)
        summary.mostMistakes.erase(summary.mostMistakes.begin() + qMax(0, top), summary.mostMistakes.end());
    return summary;
}

QDateTime LocalTimes::at(qint64 ms)
{
    constexpr qint64 Quarter = 15 * 60 * 1000;
    const qint64 quarter = ms / Quarter - (ms < 0 && ms % Quarter != 0);
    auto it = m_offsets.find(quarter);
    if (it == m_offsets.end())
        it = m_offsets.insert(quarter, QDateTime::fromMSecsSinceEpoch(quarter * Quarter).offsetFromUtc());
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, *it);
}
