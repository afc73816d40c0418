#include "Word.h"

#include "WordVoices.h"

Word::Word(QObject *parent)
    : QObject(parent)
    , m_word(QLatin1String(""))
    , m_imagePath(QLatin1String(""))
    , m_wordState(Normal)
{
}

QString Word::imagePath() const
{
    return m_imagePath;
}

QString Word::word() const
{
    return m_word;
}

QString Word::soundPath() const
{
    return WordVoices::soundPath(m_dictionary, m_word, m_soundPath);
}

QString Word::builtInSoundPath() const
{
    return m_soundPath;
}

QString Word::dictionary() const
{
    return m_dictionary;
}

int Word::wordState() const
{
    return m_wordState;
}

void Word::setImagePath(const QString &imagePath)
{
    m_imagePath = imagePath;
    emit imagePathChanged();
}

void Word::setWord(const QString &word)
{
    m_word = word;
    emit wordChanged();
}

void Word::setWordState(int wordState)
{
    m_wordState = wordState;
    emit wordStateChanged();
}

void Word::setSoundPath(const QString &soundPath)
{
    m_soundPath = soundPath;
}

void Word::setDictionary(const QString &dictionary)
{
    m_dictionary = dictionary;
}
