#pragma once

#include "TopTenList.h"

#include <QList>
#include <QObject>
#include <QString>

class Word;

// One Pair Game from its start to its end: six pictures and the same six
// words in another order; the player joins them one pair at a time. A wrong
// pair ends the game; after every sixth pair a new round is dealt.
class PairGame : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int score READ score NOTIFY scoreChangedSignal)

public:
    explicit PairGame(QObject *parent);
    ~PairGame() override;

    // Deals a round of six; false when fewer than six words are left.
    bool buildNewLists();

    int score() const;

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

public slots:
    void labelClicked(int index);
    void iconClicked(int index);

private:
    void tap(const QList<QObject *> &column, int index, int &selected, Word *&selectedWord, int otherSelected,
             const Word *otherWord, bool failedList);
    void makePair();
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
};
