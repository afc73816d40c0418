#include "Settings.h"

#include "DataDirectory.h"
#include "DataFiles.h"
#include "SystemConfig.h"

#include <QDataStream>
#include <QFile>

#include <cmath>

// gameoptions.dat: a version byte, then what a mistake does and the pictures
// per round, one byte each; version 2 adds the words asked. "Any" words still
// writes version 1, so the choices made before keep their bytes. Any other
// length, version or value gives the defaults.
static const quint8 GameOptionsVersion = 1;
static const quint8 GameOptionsWithWordsVersion = 2;

Settings::Settings(QObject *parent)
    : QObject(parent)
{
}

int Settings::volumePercent() const
{
    // Rounded: most fractions of a whole percent lie just below it in a double
    // (0.29 * 100 is 28.999...), and the page must show the percent it saved.
    return qRound(m_volume * 100);
}

bool Settings::setVolumePercent(int percent)
{
    if (percent > 100 || percent < 0)
        return false;
    // The percent the page shows for the stored volume leaves the stored
    // volume as it was: a Save that changed nothing writes the bytes it read.
    if (percent != volumePercent())
        m_volume = percent / 100.0;
    emit volumeChanged();
    return true;
}

double Settings::outputVolume() const
{
    return m_volume;
}

bool Settings::mute() const
{
    return m_mute;
}

void Settings::setMute(bool mute)
{
    m_mute = mute;
    emit muteChanged();
}

void Settings::setOwlTalks(bool talks)
{
    m_owlTalks = talks;
    emit owlTalksChanged();
}

void Settings::setParentLock(bool lock)
{
    m_parentLock = lock;
    emit parentLockChanged();
}

void Settings::setVoice(Voice voice)
{
    if (voice != OurVoice && voice != BuiltInVoice)
        return;
    m_voice = voice;
    emit voiceChanged();
}

GameOptions::Mistakes Settings::mistakes() const
{
    return m_options.mistakes;
}

void Settings::setMistakes(GameOptions::Mistakes mistakes)
{
    if (!GameOptions::isValidMistakes(int(mistakes)))
        return;
    m_options.mistakes = mistakes;
    emit mistakesChanged();
}

GameOptions::Pictures Settings::pictures() const
{
    return m_options.pictures;
}

void Settings::setPictures(GameOptions::Pictures pictures)
{
    if (!GameOptions::isValidPictures(int(pictures)))
        return;
    m_options.pictures = pictures;
    emit picturesChanged();
}

GameOptions::Words Settings::words() const
{
    return m_options.words;
}

void Settings::setWords(GameOptions::Words words)
{
    if (!GameOptions::isValidWords(int(words)))
        return;
    m_options.words = words;
    emit wordsChanged();
}

GameOptions Settings::gameOptions() const
{
    return m_options;
}

GameOptions Settings::systemDefaults()
{
    const SystemConfig &config = SystemConfig::instance();
    GameOptions options;
    if (!config.mistakes().isEmpty())
        options.mistakes = config.mistakes() == QLatin1String("try-again") ? GameOptions::TryAgain
                                                                           : GameOptions::EndTheGame;
    if (GameOptions::isValidPictures(config.pictures()))
        options.pictures = GameOptions::Pictures(config.pictures());
    if (!config.words().isEmpty())
        options.words = config.words() == QLatin1String("to-learn") ? GameOptions::ToLearn : GameOptions::AnyWords;
    return options;
}

bool Settings::systemLocked() const
{
    return SystemConfig::instance().settingsLocked();
}

double Settings::volumeProperty() const
{
    return volumePercent();
}

void Settings::setVolumeProperty(double percent)
{
    // A view could hand over NaN or a huge value; converting those to int is undefined.
    if (!std::isfinite(percent) || percent < 0 || percent > 100)
        return;
    setVolumePercent(int(percent));
}

void Settings::load()
{
    loadGameOptions();

    QFile file(DataDirectory::path() + DataFiles::Settings);
    m_owlTalks = true;
    m_parentLock = false;
    m_voice = OurVoice;
    if (!file.open(QIODevice::ReadOnly)) {
        m_volume = 0.5;
        emit volumeChanged();
        m_mute = false;
        emit muteChanged();
        emit owlTalksChanged();
        emit parentLockChanged();
        emit voiceChanged();
        return;
    }
    QDataStream stream(&file);
    if (!stream.atEnd()) {
        double volume = 0;
        stream >> volume;
        // A damaged file keeps the volume we have rather than an unusable one.
        // A field cut short reads as 0.0, which would silence every word.
        if (stream.status() == QDataStream::Ok && std::isfinite(volume) && volume >= 0.0 && volume <= 1.0)
            m_volume = volume;
    }
    if (!stream.atEnd())
        stream >> m_mute;
    // Both or neither, each 0 or 1, then the voice or nothing, and nothing
    // after them: a file cut short or with anything else keeps the defaults
    // (junk never locks).
    quint8 owlTalks = 1;
    quint8 parentLock = 0;
    quint8 voice = OurVoice;
    stream >> owlTalks >> parentLock;
    if (!stream.atEnd())
        stream >> voice;
    if (stream.status() == QDataStream::Ok && stream.atEnd() && owlTalks <= 1 && parentLock <= 1
        && (voice == OurVoice || voice == BuiltInVoice)) {
        m_owlTalks = owlTalks == 1;
        m_parentLock = parentLock == 1;
        m_voice = Voice(voice);
    }
    file.close();
    emit volumeChanged();
    emit muteChanged();
    emit owlTalksChanged();
    emit parentLockChanged();
    emit voiceChanged();
}

bool Settings::save()
{
    const double volume = m_volume;
    const bool mute = m_mute;
    const bool owlTalks = m_owlTalks;
    const bool parentLock = m_parentLock;
    const bool builtInVoice = m_voice == BuiltInVoice;
    // The owl and the lock follow as two more bytes only when they differ
    // from the defaults, and the voice as a third after them only when it
    // does: the file keeps the 9 or 11 bytes it always had otherwise, which
    // the programs before each of them read.
    const bool defaults = owlTalks && !parentLock && !builtInVoice;
    const bool saved = DataDirectory::writeFile(DataDirectory::filePath(DataFiles::Settings), [=](QDataStream &stream) {
        stream << volume << mute;
        if (!defaults)
            stream << owlTalks << parentLock;
        if (builtInVoice)
            stream << quint8(BuiltInVoice);
    });
    // Both are tried: one file refused leaves the other to be saved.
    return saveGameOptions() && saved;
}

void Settings::loadGameOptions()
{
    GameOptions options = systemDefaults();
    QFile file(DataDirectory::path() + DataFiles::GameOptions);
    // A choice saved before the administrator locked the page no longer holds.
    if (!systemLocked() && file.open(QIODevice::ReadOnly)) {
        QDataStream stream(&file);
        quint8 version = 0;
        quint8 mistakes = 0;
        quint8 pictures = 0;
        quint8 words = GameOptions::AnyWords;
        stream >> version >> mistakes >> pictures;
        if (version == GameOptionsWithWordsVersion)
            stream >> words;
        // All or nothing: half of a damaged file is no choice a parent made.
        const bool knownVersion = version == GameOptionsVersion || version == GameOptionsWithWordsVersion;
        if (stream.status() == QDataStream::Ok && stream.atEnd() && knownVersion
            && GameOptions::isValidMistakes(mistakes) && GameOptions::isValidPictures(pictures)
            && GameOptions::isValidWords(words)) {
            options.mistakes = GameOptions::Mistakes(mistakes);
            options.pictures = GameOptions::Pictures(pictures);
            options.words = GameOptions::Words(words);
        }
    }
    m_options = options;
    emit mistakesChanged();
    emit picturesChanged();
    emit wordsChanged();
}

bool Settings::saveGameOptions() const
{
    const GameOptions options = m_options;
    return DataDirectory::writeFile(DataDirectory::filePath(DataFiles::GameOptions), [=](QDataStream &stream) {
        if (options.words == GameOptions::AnyWords)
            stream << GameOptionsVersion << quint8(options.mistakes) << quint8(options.pictures);
        else
            stream << GameOptionsWithWordsVersion << quint8(options.mistakes) << quint8(options.pictures)
                   << quint8(options.words);
    });
}
