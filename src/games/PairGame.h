#pragma once

#include "GameOptions.h"
#include "TopTenList.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class DealOrder;
class NamePrompt;
class QDate;
class Word;
class WordMemory;

// One Pair Game from its start to its end: six pictures and the same six
// words in another order (three or four with fewer pictures chosen); the
// player joins them one pair at a time. A wrong pair ends the game; after the
// round's last pair a new round is dealt.
//
// Under "Try again" a wrong pair clears both selections, emits
// wrongPairSignal for the view to shake the two items and speaks the word of
// the pair; selecting a word speaks it too.
//
// Under "Try again" and "To learn" every word in use is shown before the game
// ends; under "To learn" a round takes a player's due words first, then a few
// new ones. With fewer words in use than the pairs chosen, a round holds them all.
class PairGame : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int score READ score NOTIFY scoreChangedSignal)

public:
    // prompt asks for the name of a score that enters the top ten; none: no name.
    explicit PairGame(NamePrompt *prompt, const GameOptions &options = GameOptions(), QObject *parent = nullptr);
    ~PairGame() override;

    // The player's memory that orders a "To learn" deal; nullptr deals as "Any".
    // memory must outlive the game.
    void setMemory(const WordMemory *memory, const QDate &today);
    void setDealOrder(std::unique_ptr<DealOrder> order);

    // Deals a round of pairsPerRound() pairs; false when fewer words are left
    // (under "Try again" and "To learn": none) or fewer than three are in use.
    bool buildNewLists();

    int score() const;
    // True once a wrong pair or the end of the words ended the game.
    bool isFinished() const { return ended; }

    const GameOptions &options() const;
    Q_INVOKABLE bool tryAgain() const;
    // False for a practice game, whose score stays out of the top ten.
    Q_INVOKABLE bool entersTopTen() const { return options().entersTopTen(); }
    // The pairs chosen, or all the words in use when they are fewer.
    Q_INVOKABLE int pairsPerRound() const;
    // The words that needed more than one try (the first item of each wrong
    // pair), in the order they were first missed, each once: maps of
    // "imagePath" and "word". For the end panel.
    Q_INVOKABLE QVariantList missedWords() const;

    // Word copies this game owns, in dealing order.
    const QList<QObject *> &wordList() const;
    // The store's round-list items, reshuffled; not owned here.
    const QList<QObject *> &imageList() const;
    // Each item is a Record, best first.
    const QList<QObject *> &topList() const;

signals:
    void gameOverSignal(bool failedList, int wordNumber);
    void gameCompletedSignal();
    void scoreChangedSignal();
    void newListsBuiltSignal();
    void newTopListBuiltSignal();
    void celebrateSignal();
    void playSound(QString path);
    // Under "Try again": the word (label) and picture (icon) indexes of a
    // wrong pair, both deselected already.
    void wrongPairSignal(int labelIndex, int iconIndex);
    // A word answered: outcome is a WordMemory::Outcome.
    void answered(QString dictionary, QString word, int outcome);
    // A right pick (or pair), before the next word is asked for: the owl cheers.
    void rightAnswerSignal();
    // A wrong pick (or pair) under "Try again": a kind sound, never a buzzer.
    void tryAgainSignal();

public slots:
    void labelClicked(int index);
    void iconClicked(int index);

private:
    void tap(const QList<QObject *> &column, int index, int &selected, Word *&selectedWord, int otherSelected,
             const Word *otherWord, bool failedList);
    void makePair();
    void noteMistake(const Word &firstSelected);
    void wrongPairToTryAgain(const Word *firstSelected);
    void endGame(bool failedList, int wordNumber);
    void enterTopListIfQualified();
    bool acceptsTap(const QList<QObject *> &list, int index) const;

    QList<QObject *> m_wordList;
    QList<QObject *> m_imageList;
    TopTenList m_topList;
    int selectedIcon;
    int selectedLabel;
    int m_score;
    Word *selectedLabelWord;
    Word *selectedIconWord;

    // The copies of the round before: the view may still hold them until the
    // window republishes, so they die only at the next deal.
    QList<QObject *> retiredWords;
    bool ended;

    GameOptions m_options;
    NamePrompt *m_prompt;
    int pairsLeft = 0; // in the current round
    QVariantList missed;
    QStringList mistakesThisRound; // "dictionary/word"
    std::unique_ptr<DealOrder> dealOrder;
    int newWordsAsked = 0;
};
