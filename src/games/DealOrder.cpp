#include "DealOrder.h"

#include "Word.h"

int DealOrder::choose(const std::vector<Word *> &candidates, int &newWords) const
{
    int due = -1;
    int fresh = -1;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Word &word = *candidates[i];
        switch (kind(word)) {
        case WordMemory::Due:
            if (due < 0 || before(word, *candidates[std::size_t(due)]))
                due = int(i);
            break;
        case WordMemory::New:
            // The shuffled pool's last new word: a random one, as a plain deal takes.
            fresh = int(i);
            break;
        case WordMemory::Waiting:
            break;
        }
    }
    if (due >= 0)
        return due;
    if (fresh >= 0 && newWords < MaxNewWords) {
        ++newWords;
        return fresh;
    }
    return -1;
}

MemoryOrder::MemoryOrder(const WordMemory *memory, const QDate &today)
    : m_memory(memory)
    , m_today(today)
{
}

WordMemory::Kind MemoryOrder::kind(const Word &word) const
{
    return priority(word).kind;
}

bool MemoryOrder::before(const Word &a, const Word &b) const
{
    return priority(a).before(priority(b));
}

WordMemory::Priority MemoryOrder::priority(const Word &word) const
{
    return m_memory->priority(word.dictionary(), word.word(), m_today);
}
