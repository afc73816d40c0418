#pragma once

#include "GameOptions.h"
#include "TopTenList.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <memory>

class DealOrder;
class NamePrompt;
class QDate;
class Word;
class WordMemory;

// One Word Game from its start to its end: deals the rounds from the word
// store, judges each pick, keeps the score and the game's top-ten list.
// The view reads it as "qtWordGame"; the game never touches the view.
//
// Under "Try again" a wrong pick greys its picture (Word::Greyed) and speaks
// the word again; the second one in a round marks the right picture
// (Word::Marked). Such a round scores nothing and its word is dealt again two
// rounds later, or once the pool cannot deal a fresh round.
//
// Under "Try again" and "To learn" every word in use is asked before the game
// ends; under "To learn" a player's due words come first, then a few new ones.
// With fewer words in use than the pictures chosen, a round shows them all.
class WordGame : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int score READ score NOTIFY scoreChangedSignal)
    Q_PROPERTY(QString word READ word NOTIFY wordChangedSignal)
    Q_PROPERTY(QString imagePath READ imagePath NOTIFY wordChangedSignal)

public:
    // prompt asks for the name of a score that enters the top ten; none: no name.
    explicit WordGame(NamePrompt *prompt, const GameOptions &options = GameOptions(), QObject *parent = nullptr);
    ~WordGame() override;

    // The player's memory that orders a "To learn" deal; nullptr deals as "Any".
    // memory must outlive the game.
    void setMemory(const WordMemory *memory, const QDate &today);
    void setDealOrder(std::unique_ptr<DealOrder> order);

    WordGame(const WordGame &) = delete;
    WordGame &operator=(const WordGame &) = delete;

    // Deals a round of picturesPerRound() pictures; false when the pool holds
    // too few words and no missed word waits, or fewer than four words are in use. Emits playSound for the new
    // word, nothing else.
    bool buildNewLists();
    // Asks for the current word's recording; false when there is no word.
    // The view calls it when the player asks to hear the word again.
    Q_INVOKABLE bool playWordSound();

    const GameOptions &options() const;
    Q_INVOKABLE bool tryAgain() const;
    // False for a practice game, whose score stays out of the top ten.
    Q_INVOKABLE bool entersTopTen() const { return options().entersTopTen(); }
    // The pictures chosen, or all the words in use when they are fewer.
    Q_INVOKABLE int picturesPerRound() const;
    // The words that needed more than one try, in the order they were first
    // missed, each once: maps of "imagePath" and "word". For the end panel.
    Q_INVOKABLE QVariantList missedWords() const;

    int score() const;
    QString word() const;
    QString imagePath() const;

    // Published to the view as "imageList": the round's Word items while a round is dealt.
    const QList<QObject *> &imageList() const;
    // Published to the view as "topList": Record items, best first.
    const QList<QObject *> &topList() const;

    // True once a wrong pick (under "End the game") or the end of the
    // vocabulary ended the game.
    bool isFinished() const;

signals:
    void gameOverSignal();
    void gameCompletedSignal();
    void scoreChangedSignal();
    void wordChangedSignal();
    void newListsBuiltSignal();
    void newTopListBuiltSignal();
    void playSound(QString path);
    // A round's word resolved: outcome is a WordMemory::Outcome.
    void answered(QString dictionary, QString word, int outcome);
    // A right pick (or pair), before the next word is asked for: the owl cheers.
    void rightAnswerSignal();
    // A wrong pick (or pair) under "Try again": a kind sound, never a buzzer.
    void tryAgainSignal();

public slots:
    // The player picked picture index (0 to picturesPerRound() - 1). Ignored
    // outside that range, on a greyed picture, when no round is dealt and once
    // the game has ended.
    void iconClicked(int index);

private:
    // A word missed in an earlier round, dealt again from round dueRound on.
    struct Comeback
    {
        Word *word; // a copy this game owns
        int dueRound;
    };

    void checkTopList();
    void wrongPickToTryAgain(Word *picked);
    void emitAnswered(int outcome);

    QList<QObject *> pictureList;
    TopTenList topTenList;
    int m_score;
    Word *currentWord;
    Word *pickedWord;

    // Picture items of earlier rounds. The view may still name them until the
    // window republishes imageList, so they die at the next deal (after that
    // republishing) or with the game, never while the view can read them.
    QList<QObject *> retiredPictures;
    bool finished;

    GameOptions m_options;
    NamePrompt *m_prompt;
    int dealtRounds = 0;
    int wrongPicks = 0;        // in the current round
    QList<Comeback> comebacks; // by dueRound
    QList<Word *> missed;      // copies this game owns
    std::unique_ptr<DealOrder> dealOrder;
    int newWordsAsked = 0;
};
