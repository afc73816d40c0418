#include "PairGame.h"

#include "DataFiles.h"
#include "DealOrder.h"
#include "Word.h"
#include "WordMemory.h"
#include "WordStore.h"

#include <QVariantMap>

#include <algorithm>

namespace {

// Fewer pairs make no game: the last pair would need no thought.
const int MinimumPairs = 3;

QString keyOf(const Word &word)
{
    return word.dictionary() + QLatin1Char('/') + word.word();
}

} // namespace

PairGame::PairGame(NamePrompt *prompt, const GameOptions &options, QObject *parent)
    : QObject(parent)
    , m_topList(QLatin1String(DataFiles::PairGameRecords))
    , selectedIcon(-1)
    , selectedLabel(-1)
    , m_score(0)
    , selectedLabelWord(nullptr)
    , selectedIconWord(nullptr)
    , ended(false)
    , m_options(options)
    , m_prompt(prompt)
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

void PairGame::setMemory(const WordMemory *memory, const QDate &today)
{
    setDealOrder(memory ? std::make_unique<MemoryOrder>(memory, today) : nullptr);
}

void PairGame::setDealOrder(std::unique_ptr<DealOrder> order)
{
    dealOrder = std::move(order);
}

int PairGame::score() const
{
    return m_score;
}

const GameOptions &PairGame::options() const
{
    return m_options;
}

bool PairGame::tryAgain() const
{
    return m_options.tryAgain();
}

int PairGame::pairsPerRound() const
{
    return int(std::min(std::size_t(m_options.pairGamePairs()), WordStore::instance()->wordsInUse().size()));
}

QVariantList PairGame::missedWords() const
{
    return missed;
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
    const unsigned roundSize = unsigned(pairsPerRound());
    const bool everyWord = m_options.asksEveryWord();
    mistakesThisRound.clear();
    if (roundSize < unsigned(MinimumPairs))
        return false;
    WordStore::Choice choose;
    if (m_options.toLearn() && dealOrder) {
        choose = [this](const std::vector<Word *> &candidates) { return dealOrder->choose(candidates, newWordsAsked); };
    }
    if (!store->dealPairGameList(roundSize, everyWord, choose))
        return false;
    const unsigned dealt = unsigned(store->round().size());
    pairsLeft = int(dealt);

    for (unsigned i = 0; i < dealt; ++i) {
        const Word *item = store->roundItem(i);
        Word *copy = new Word;
        copy->setWord(item->word());
        copy->setImagePath(item->imagePath());
        copy->setSoundPath(item->builtInSoundPath());
        copy->setDictionary(item->dictionary());
        m_wordList.append(copy);
    }

    store->shuffleRoundList();
    for (unsigned i = 0; i < dealt; ++i)
        m_imageList.append(store->roundItem(i));
    return true;
}

// The view never sends these, but a stray or late tap must not index past a
// list, revive a matched item or play on after the end.
bool PairGame::acceptsTap(const QList<QObject *> &list, int index) const
{
    if (ended || index < 0 || index >= list.size())
        return false;
    return static_cast<Word *>(list.at(index))->wordState() != Word::Matched;
}

// Both columns follow the same steps with their roles exchanged: a tap on
// the selected item deselects it, a tap on another item moves the selection,
// and with an item selected in each column the pair is judged.
void PairGame::tap(const QList<QObject *> &column, int index, int &selected, Word *&selectedWord, int otherSelected,
                   const Word *otherWord, bool failedList)
{
    if (!acceptsTap(column, index))
        return;

    if (index == selected) {
        selectedWord->setWordState(Word::Normal);
        selectedWord = nullptr;
        selected = -1;
        return;
    }

    selectedWord = static_cast<Word *>(column.at(index));
    selectedWord->setWordState(Word::Selected);
    if (selected != -1)
        static_cast<Word *>(column.at(selected))->setWordState(Word::Normal);
    selected = index;

    if (otherSelected < 0) {
        // Hearing the word while choosing its picture; a finished pair
        // speaks it below, once.
        if (&column == &m_wordList && m_options.tryAgain())
            emit playSound(selectedWord->soundPath());
        return;
    }

    if (selectedWord->word() == otherWord->word()) {
        makePair();
        return;
    }
    noteMistake(*otherWord);
    if (m_options.tryAgain())
        wrongPairToTryAgain(otherWord);
    else
        endGame(failedList, otherSelected);
}

void PairGame::iconClicked(int index)
{
    tap(m_imageList, index, selectedIcon, selectedIconWord, selectedLabel, selectedLabelWord, false);
}

void PairGame::labelClicked(int index)
{
    tap(m_wordList, index, selectedLabel, selectedLabelWord, selectedIcon, selectedIconWord, true);
}

void PairGame::makePair()
{
    if (!mistakesThisRound.contains(keyOf(*selectedLabelWord)))
        emit answered(selectedLabelWord->dictionary(), selectedLabelWord->word(), WordMemory::RightFirstTry);
    ++m_score;
    emit scoreChangedSignal();
    emit rightAnswerSignal();
    emit playSound(selectedLabelWord->soundPath());

    selectedIconWord->setWordState(Word::Matched);
    selectedIconWord = nullptr;
    selectedIcon = -1;
    selectedLabelWord->setWordState(Word::Matched);
    selectedLabelWord = nullptr;
    selectedLabel = -1;

    if (--pairsLeft > 0)
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

// One answer a word a round, however often its pair goes wrong.
void PairGame::noteMistake(const Word &firstSelected)
{
    const QString key = keyOf(firstSelected);
    if (mistakesThisRound.contains(key))
        return;
    mistakesThisRound.append(key);
    emit answered(firstSelected.dictionary(), firstSelected.word(), WordMemory::Mistake);
}

void PairGame::wrongPairToTryAgain(const Word *firstSelected)
{
    const int label = selectedLabel;
    const int icon = selectedIcon;
    const QString sound = selectedLabelWord->soundPath();
    const QVariantMap entry{{QStringLiteral("imagePath"), firstSelected->imagePath()},
                            {QStringLiteral("word"), firstSelected->word()}};
    if (!missed.contains(entry))
        missed.append(entry);

    selectedLabelWord->setWordState(Word::Normal);
    selectedLabelWord = nullptr;
    selectedLabel = -1;
    selectedIconWord->setWordState(Word::Normal);
    selectedIconWord = nullptr;
    selectedIcon = -1;

    emit wrongPairSignal(label, icon);
    emit tryAgainSignal();
    emit playSound(sound);
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
    if (!m_options.entersTopTen() || !m_topList.qualifies(m_score))
        return;
    m_topList.enter(m_score, m_prompt, tr("You made it to top 10!"), tr("Enter your name!"),
                    [this] { emit newTopListBuiltSignal(); });
}
