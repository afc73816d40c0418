#include "WordGame.h"

#include "DataFiles.h"
#include "DealOrder.h"
#include "Word.h"
#include "WordMemory.h"
#include "WordStore.h"

#include <QVariantMap>

#include <algorithm>

namespace {

// Fewer pictures make no game: the answer would be too easy to guess.
const int MinimumPictures = 4;

Word *copyOf(const Word *word)
{
    Word *copy = new Word;
    copy->setWord(word->word());
    copy->setImagePath(word->imagePath());
    copy->setSoundPath(word->builtInSoundPath());
    copy->setDictionary(word->dictionary());
    return copy;
}

} // namespace

WordGame::WordGame(NamePrompt *prompt, const GameOptions &options, QObject *parent)
    : QObject(parent)
    , topTenList(QLatin1String(DataFiles::WordGameRecords))
    , m_score(0)
    , currentWord(nullptr)
    , pickedWord(nullptr)
    , finished(false)
    , m_options(options)
    , m_prompt(prompt)
{
    topTenList.load();
}

WordGame::~WordGame()
{
    // currentWord belongs to the word store; the records go with topTenList.
    qDeleteAll(pictureList);
    pictureList.clear();
    qDeleteAll(retiredPictures);
    retiredPictures.clear();
    for (const Comeback &comeback : qAsConst(comebacks))
        delete comeback.word;
    qDeleteAll(missed);
}

void WordGame::setMemory(const WordMemory *memory, const QDate &today)
{
    setDealOrder(memory ? std::make_unique<MemoryOrder>(memory, today) : nullptr);
}

void WordGame::setDealOrder(std::unique_ptr<DealOrder> order)
{
    dealOrder = std::move(order);
}

bool WordGame::buildNewLists()
{
    // The items retired at the previous deal are no longer published (the
    // window republished imageList after that deal); this round's items may
    // still be, until the caller announces the new list.
    qDeleteAll(retiredPictures);
    retiredPictures = pictureList;
    pictureList.clear();

    WordStore *store = WordStore::instance();
    const unsigned count = unsigned(picturesPerRound());
    const bool everyWord = m_options.asksEveryWord();
    wrongPicks = 0;
    // A missed word comes back when its turn is due, or earlier when the
    // pool cannot deal a fresh round any more.
    const bool comebackNow = !comebacks.isEmpty()
        && (comebacks.first().dueRound <= dealtRounds + 1 || store->pool().size() < count);
    if (count < unsigned(MinimumPictures)) {
        currentWord = nullptr;
    } else if (comebackNow) {
        currentWord = store->dealWordGameListAround(count, *comebacks.first().word, everyWord);
        if (currentWord)
            delete comebacks.takeFirst().word;
    } else if (m_options.toLearn() && dealOrder) {
        currentWord = store->dealWordGameList(count, everyWord, [this](const std::vector<Word *> &candidates) {
            return dealOrder->choose(candidates, newWordsAsked);
        });
    } else {
        currentWord = store->dealWordGameList(count, everyWord);
    }
    if (!currentWord)
        return false;
    ++dealtRounds;

    emit playSound(currentWord->soundPath());

    store->shuffleRoundList();
    for (unsigned i = 0; i < store->round().size(); ++i) {
        const Word *source = store->roundItem(i);
        Word *picture = new Word;
        picture->setWord(source->word());
        picture->setImagePath(source->imagePath());
        picture->setDictionary(source->dictionary());
        pictureList.append(picture);
    }
    return true;
}

bool WordGame::playWordSound()
{
    if (!currentWord)
        return false;
    emit playSound(currentWord->soundPath());
    return true;
}

const GameOptions &WordGame::options() const
{
    return m_options;
}

bool WordGame::tryAgain() const
{
    return m_options.tryAgain();
}

int WordGame::picturesPerRound() const
{
    return int(std::min(std::size_t(m_options.wordGamePictures()), WordStore::instance()->wordsInUse().size()));
}

QVariantList WordGame::missedWords() const
{
    QVariantList list;
    for (const Word *word : missed)
        list.append(
            QVariantMap{{QStringLiteral("imagePath"), word->imagePath()}, {QStringLiteral("word"), word->word()}});
    return list;
}

int WordGame::score() const
{
    return m_score;
}

QString WordGame::word() const
{
    return currentWord ? currentWord->word() : QString();
}

QString WordGame::imagePath() const
{
    return currentWord ? currentWord->imagePath() : QString();
}

const QList<QObject *> &WordGame::imageList() const
{
    return pictureList;
}

const QList<QObject *> &WordGame::topList() const
{
    return topTenList.records();
}

bool WordGame::isFinished() const
{
    return finished;
}

void WordGame::iconClicked(int index)
{
    if (finished || !currentWord || index < 0 || index >= pictureList.size())
        return;

    Word *picked = static_cast<Word *>(pictureList.at(index));
    const bool right = picked->word() == currentWord->word();
    if (!right && m_options.tryAgain()) {
        wrongPickToTryAgain(picked);
        return;
    }

    pickedWord = picked;
    pickedWord->setWordState(Word::Selected);

    if (!right)
        emitAnswered(WordMemory::Mistake);
    else if (wrongPicks == 0)
        emitAnswered(WordMemory::RightFirstTry);
    else
        emitAnswered(wrongPicks == 1 ? WordMemory::Mistake : WordMemory::Missed);

    if (right) {
        emit rightAnswerSignal();
        // Under "Try again" only a round without a mistake scores.
        if (wrongPicks == 0) {
            ++m_score;
            emit scoreChangedSignal();
        }
        currentWord = nullptr;
        pickedWord = nullptr;
        if (buildNewLists()) {
            emit newListsBuiltSignal();
            emit wordChangedSignal();
            return;
        }
        // The vocabulary is used up.
        finished = true;
        checkTopList();
        emit scoreChangedSignal();
        emit gameCompletedSignal();
        return;
    }

    // Wrong: currentWord keeps the answer for the end panel.
    finished = true;
    checkTopList();
    emit scoreChangedSignal();
    emit gameOverSignal();
}

void WordGame::wrongPickToTryAgain(Word *picked)
{
    if (picked->wordState() == Word::Greyed)
        return;
    picked->setWordState(Word::Greyed);

    if (++wrongPicks == 1) {
        comebacks.append({copyOf(currentWord), dealtRounds + 2});
        const bool listed = std::any_of(missed.cbegin(), missed.cend(), [this](const Word *word) {
            return word->word() == currentWord->word() && word->imagePath() == currentWord->imagePath();
        });
        if (!listed)
            missed.append(copyOf(currentWord));
    } else if (wrongPicks == 2) {
        for (QObject *item : qAsConst(pictureList)) {
            auto *word = static_cast<Word *>(item);
            if (word->word() == currentWord->word())
                word->setWordState(Word::Marked);
        }
    }
    emit tryAgainSignal();
    emit playSound(currentWord->soundPath());
}

void WordGame::emitAnswered(int outcome)
{
    emit answered(currentWord->dictionary(), currentWord->word(), outcome);
}

// Runs the name prompt when the score enters the top ten. The prompt is modal
// and returns only when closed; the game is already marked finished, so a pick
// that arrived meanwhile would be ignored.
void WordGame::checkTopList()
{
    if (!m_options.entersTopTen() || !topTenList.qualifies(m_score))
        return;
    topTenList.enter(m_score, m_prompt, tr("You made it to top 10!"), tr("Enter your name!"),
                     [this] { emit newTopListBuiltSignal(); });
}
