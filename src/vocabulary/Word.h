#pragma once

#include <QObject>
#include <QString>

// One vocabulary item: a picture, its English word, the recording of the word
// and how the views draw it (see State).
// Always created without a parent; its one owner deletes it.
class Word : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString imagePath READ imagePath NOTIFY imagePathChanged)
    Q_PROPERTY(QString word READ word NOTIFY wordChanged)
    Q_PROPERTY(int wordState READ wordState NOTIFY wordStateChanged)

public:
    // The values of wordState.
    enum State {
        Normal = 0,
        Selected = 1,
        Matched = 2, // the Pair Game hides it
        Greyed = 3,  // a wrong pick under "Try again": out of play for the round
        Marked = 4,  // the right picture, shown after two wrong picks in a round
    };
    Q_ENUM(State)

    explicit Word(QObject *parent = nullptr);

    QString imagePath() const;
    QString word() const;
    // The recording the word plays: the family's own or the built-in one (WordVoices).
    QString soundPath() const;
    // Its bundled or synthesized recording, which copies of the word take.
    QString builtInSoundPath() const;
    // The dictionary the word comes from; a player's memory keeps words by it.
    QString dictionary() const;
    int wordState() const;

    // The views re-read a property on every change signal, so these emit
    // even when the value stays the same.
    void setImagePath(const QString &imagePath);
    void setWord(const QString &word);
    void setWordState(int wordState);
    // The built-in recording. Only the games need it, to ask for the
    // recording: no signal.
    void setSoundPath(const QString &soundPath);
    void setDictionary(const QString &dictionary);

signals:
    void imagePathChanged();
    void wordChanged();
    void wordStateChanged();

private:
    QString m_word;
    QString m_imagePath;
    QString m_soundPath;
    QString m_dictionary;
    int m_wordState;
};
