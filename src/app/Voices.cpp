#include "Voices.h"

#include "WordStore.h"
#include "WordVoices.h"

Voices::Voices(QObject *parent)
    : QObject(parent)
{
}

bool Voices::has(const QString &dictionary, const QString &word) const
{
    return WordVoices::hasOwn(dictionary, word);
}

void Voices::listen(const QString &dictionary, const QString &word)
{
    emit playSound(WordVoices::soundPath(dictionary, word, WordStore::builtInRecording(dictionary, word)));
}

bool Voices::useBuiltIn(const QString &dictionary, const QString &word)
{
    if (!WordVoices::remove(dictionary, word)) {
        setMessage(tr("The recording could not be removed."));
        return false;
    }
    setMessage(QString());
    ++m_changes;
    emit changed();
    return true;
}

void Voices::stored(const QString &dictionary, const QString &word)
{
    WordVoices::stored(dictionary, word);
    setMessage(QString());
    ++m_changes;
    emit changed();
}

void Voices::setMessage(const QString &message)
{
    if (message == m_message)
        return;
    m_message = message;
    emit messageChanged();
}
