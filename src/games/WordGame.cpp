#include "WordGame.h"

#include "Word.h"
#include "WordStore.h"

#include <QWidget>

static const unsigned PicturesPerRound = 10;

WordGame::WordGame(QObject *parent)
    : QObject(parent)
    , topTenList(QStringLiteral("/wgrecords.dat"))
    , m_score(0)
    , currentWord(nullptr)
    , pickedWord(nullptr)
    , finished(false)
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
    currentWord = store->dealWordGameList(PicturesPerRound);
    if (!currentWord)
        return false;

    emit playSound(currentWord->soundPath());

    store->shuffleRoundList();
    for (unsigned i = 0; i < PicturesPerRound; ++i) {
        const Word *source = store->roundItem(i);
        Word *picture = new Word;
        picture->setWord(source->word());
        picture->setImagePath(source->imagePath());
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

    pickedWord = static_cast<Word *>(pictureList.at(index));
    pickedWord->setWordState(1);

    if (pickedWord->word() == currentWord->word()) {
        ++m_score;
        emit scoreChangedSignal();
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

// Runs the name prompt when the score enters the top ten. The prompt is modal
// and returns only when closed; the game is already marked finished, so a pick
// that arrived meanwhile would be ignored.
void WordGame::checkTopList()
{
    if (!topTenList.qualifies(m_score))
        return;
    topTenList.enter(m_score, qobject_cast<QWidget *>(parent()),
                     QStringLiteral("You made it to top 10!"), QStringLiteral("Enter your name!"),
                     [this] { emit newTopListBuiltSignal(); });
}
