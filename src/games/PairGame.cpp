#include "PairGame.h"

#include "Word.h"
#include "WordStore.h"

#include <QWidget>

static const unsigned RoundSize = 6;

PairGame::PairGame(QObject *parent)
    : QObject(parent)
    , m_topList(QStringLiteral("/pgrecords.dat"))
    , selectedIcon(-1)
    , selectedLabel(-1)
    , m_score(0)
    , selectedLabelWord(nullptr)
    , selectedIconWord(nullptr)
    , ended(false)
{
    m_topList.load();
}

PairGame::~PairGame()
{
    qDeleteAll(retiredWords);
    retiredWords.clear();
    qDeleteAll(m_wordList);
    m_wordList.clear();
    // The pictures belong to the word store's round list.
    m_imageList.clear();
}

int PairGame::score() const
{
    return m_score;
}

const QList<QObject *> &PairGame::wordList() const
{
    return m_wordList;
}

const QList<QObject *> &PairGame::imageList() const
{
    return m_imageList;
}

const QList<QObject *> &PairGame::topList() const
{
    return m_topList.records();
}

bool PairGame::buildNewLists()
{
    // By now the window has published the current copies, so the ones before
    // them are no longer seen; the current ones wait one more deal.
    qDeleteAll(retiredWords);
    retiredWords = m_wordList;
    m_wordList.clear();
    m_imageList.clear();

    WordStore *store = WordStore::instance();
    if (!store->dealPairGameList(RoundSize))
        return false;

    for (unsigned i = 0; i < RoundSize; ++i) {
        const Word *item = store->roundItem(i);
        Word *copy = new Word;
        copy->setWord(item->word());
        copy->setImagePath(item->imagePath());
        copy->setSoundPath(item->soundPath());
        m_wordList.append(copy);
    }

    store->shuffleRoundList();
    for (unsigned i = 0; i < RoundSize; ++i)
        m_imageList.append(store->roundItem(i));
    return true;
}

// The view never sends these, but a stray or late tap must not index past a
// list, revive a matched item or play on after the end.
bool PairGame::acceptsTap(const QList<QObject *> &list, int index) const
{
    if (ended || index < 0 || index >= list.size())
        return false;
    return static_cast<Word *>(list.at(index))->wordState() != 2;
}

void PairGame::iconClicked(int index)
{
    if (!acceptsTap(m_imageList, index))
        return;

    if (index == selectedIcon) {
        selectedIconWord->setWordState(0);
        selectedIconWord = nullptr;
        selectedIcon = -1;
        return;
    }

    selectedIconWord = static_cast<Word *>(m_imageList.at(index));
    selectedIconWord->setWordState(1);
    if (selectedIcon != -1)
        static_cast<Word *>(m_imageList.at(selectedIcon))->setWordState(0);
    selectedIcon = index;

    if (selectedLabel < 0)
        return;

    if (selectedIconWord->word() == selectedLabelWord->word())
        makePair();
    else
        endGame(false, selectedLabel);
}

void PairGame::labelClicked(int index)
{
    if (!acceptsTap(m_wordList, index))
        return;

    if (index == selectedLabel) {
        selectedLabelWord->setWordState(0);
        selectedLabelWord = nullptr;
        selectedLabel = -1;
        return;
    }

    selectedLabelWord = static_cast<Word *>(m_wordList.at(index));
    selectedLabelWord->setWordState(1);
    if (selectedLabel != -1)
        static_cast<Word *>(m_wordList.at(selectedLabel))->setWordState(0);
    selectedLabel = index;

    if (selectedIcon < 0)
        return;

    if (selectedLabelWord->word() == selectedIconWord->word())
        makePair();
    else
        endGame(true, selectedIcon);
}

void PairGame::makePair()
{
    ++m_score;
    emit scoreChangedSignal();
    emit playSound(selectedLabelWord->soundPath());

    selectedIconWord->setWordState(2);
    selectedIconWord = nullptr;
    selectedIcon = -1;
    selectedLabelWord->setWordState(2);
    selectedLabelWord = nullptr;
    selectedLabel = -1;

    // Every round holds six pairs and a wrong one ends the game, so a
    // multiple of six closes a round.
    if (m_score % int(RoundSize) != 0)
        return;

    emit celebrateSignal();
    if (buildNewLists()) {
        emit newListsBuiltSignal();
        return;
    }

    ended = true;
    enterTopListIfQualified();
    emit scoreChangedSignal();
    emit gameCompletedSignal();
}

void PairGame::endGame(bool failedList, int wordNumber)
{
    // Both items of the wrong pair stay selected: the end panel covers them.
    ended = true;
    enterTopListIfQualified();
    emit scoreChangedSignal();
    emit gameOverSignal(failedList, wordNumber);
}

void PairGame::enterTopListIfQualified()
{
    if (!m_topList.qualifies(m_score))
        return;
    m_topList.enter(m_score, qobject_cast<QWidget *>(parent()), tr("You made it to top 10!"),
                    tr("Enter your name!"), [this] { emit newTopListBuiltSignal(); });
}
