#pragma once

#include "WordMemory.h"

#include <QDate>

#include <vector>

class Word;

// The order of the words under "To learn", as the games ask it: from a
// player's memory (MemoryOrder), or any other source that ranks words.
class DealOrder
{
public:
    virtual ~DealOrder() = default;
    virtual WordMemory::Kind kind(const Word &word) const = 0;
    // True when a is to be asked before b.
    virtual bool before(const Word &a, const Word &b) const = 0;

    // New words one game asks at most; a child meets a few at a time.
    static constexpr int MaxNewWords = 5;
    // The index in candidates of the word to ask: the first due word, else a
    // new word while newWords is below MaxNewWords (counting it), else -1 for
    // the plain, random pick.
    int choose(const std::vector<Word *> &candidates, int &newWords) const;
};

class MemoryOrder : public DealOrder
{
public:
    // memory must outlive this order.
    MemoryOrder(const WordMemory *memory, const QDate &today);
    WordMemory::Kind kind(const Word &word) const override;
    bool before(const Word &a, const Word &b) const override;

private:
    WordMemory::Priority priority(const Word &word) const;

    const WordMemory *m_memory;
    QDate m_today;
};
