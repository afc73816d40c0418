#pragma once

#include <QObject>
#include <QString>

// "qtVoices": the family's own recordings of words as the pages show them
// (WordVoices keeps which words have one). A page asks whether a word has
// one, plays a word as the games would and goes back to a word's built-in
// voice; the recorder's stored takes come in through stored().
class Voices : public QObject
{
    Q_OBJECT
    // Changes whenever a word gains or loses its own recording: a binding
    // that calls has() reads it to be evaluated again.
    Q_PROPERTY(int changes READ changes NOTIFY changed)
    // Why the last Built-in voice failed, in the player's language; empty
    // when it did not.
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    explicit Voices(QObject *parent = nullptr);

    int changes() const { return m_changes; }
    QString message() const { return m_message; }

    Q_INVOKABLE bool has(const QString &dictionary, const QString &word) const;
    // Plays the word's recording, the family's own or the built-in one as
    // the settings say.
    Q_INVOKABLE void listen(const QString &dictionary, const QString &word);
    // Deletes the word's own recording; false (and a message) when it stays.
    Q_INVOKABLE bool useBuiltIn(const QString &dictionary, const QString &word);

public slots:
    void stored(const QString &dictionary, const QString &word);

signals:
    void changed();
    void messageChanged();
    void playSound(const QString &path);

private:
    void setMessage(const QString &message);

    int m_changes = 0;
    QString m_message;
};
