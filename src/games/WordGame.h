#pragma once

#include "TopTenList.h"

#include <QList>
#include <QObject>
#include <QString>

class Word;

// One Word Game from its start to its end: deals the rounds from the word
// store, judges each pick, keeps the score and the game's top-ten list.
// The view reads it as "qtWordGame"; the game never touches the view.
class WordGame : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int score READ score NOTIFY scoreChangedSignal)
    Q_PROPERTY(QString word READ word NOTIFY wordChangedSignal)
    Q_PROPERTY(QString imagePath READ imagePath NOTIFY wordChangedSignal)

public:
    explicit WordGame(QObject *parent);
    ~WordGame() override;

    WordGame(const WordGame &) = delete;
    WordGame &operator=(const WordGame &) = delete;

    // Deals a round of ten pictures; false when the pool holds too few words.
    // Emits playSound for the new word, nothing else.
    bool buildNewLists();
    // Asks for the current word's recording; false when there is no word.
    bool playWordSound();

    int score() const;
    QString word() const;
    QString imagePath() const;

    // Published to the view as "imageList": ten Word items while a round is dealt.
    const QList<QObject *> &imageList() const;
    // Published to the view as "topList": Record items, best first.
    const QList<QObject *> &topList() const;

    // True once a wrong pick or the end of the vocabulary ended the game.
    bool isFinished() const;

signals:
    void gameOverSignal();
    void gameCompletedSignal();
    void scoreChangedSignal();
    void wordChangedSignal();
    void newListsBuiltSignal();
    void newTopListBuiltSignal();
    void playSound(QString path);

public slots:
    // The player picked picture index (0 to 9). Ignored outside that range,
    // when no round is dealt and once the game has ended.
    void iconClicked(int index);

private:
    void checkTopList();

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
};
