#pragma once

#include "GameOptions.h"

#include <QObject>

// The player's volume and mute, the owl, the parent lock and the voice the
// words are said in, kept in settings.dat, and the game options,
// kept in gameoptions.dat. The settings page works in whole percents; the file
// and the audio output use a fraction. The page sets mistakes, pictures and words
// before it asks for a save; load() (Cancel) brings back the saved ones.
class Settings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double volume READ volumeProperty WRITE setVolumeProperty NOTIFY volumeChanged)
    Q_PROPERTY(bool mute READ mute WRITE setMute NOTIFY muteChanged)
    // The owl's spoken instructions; the adult pages behind the parent gate.
    Q_PROPERTY(bool owlTalks READ owlTalks WRITE setOwlTalks NOTIFY owlTalksChanged)
    Q_PROPERTY(bool parentLock READ parentLock WRITE setParentLock NOTIFY parentLockChanged)
    Q_PROPERTY(Voice voice READ voice WRITE setVoice NOTIFY voiceChanged)
    Q_PROPERTY(GameOptions::Mistakes mistakes READ mistakes WRITE setMistakes NOTIFY mistakesChanged)
    Q_PROPERTY(GameOptions::Pictures pictures READ pictures WRITE setPictures NOTIFY picturesChanged)
    Q_PROPERTY(GameOptions::Words words READ words WRITE setWords NOTIFY wordsChanged)
    // The administrator locked the settings page (vocalune.conf).
    Q_PROPERTY(bool systemLocked READ systemLocked CONSTANT)

public:
    // Whose voice says the words: the family's own recordings where a word
    // has one, or every word's bundled or synthesized recording.
    enum Voice : int { OurVoice = 0, BuiltInVoice = 1 };
    Q_ENUM(Voice)

    explicit Settings(QObject *parent = nullptr);

    int volumePercent() const;
    bool setVolumePercent(int percent);
    double outputVolume() const;
    bool mute() const;
    void setMute(bool mute);
    bool owlTalks() const { return m_owlTalks; }
    void setOwlTalks(bool talks);
    bool parentLock() const { return m_parentLock; }
    void setParentLock(bool lock);
    Voice voice() const { return m_voice; }
    // A value outside the enumeration is refused and changes nothing.
    void setVoice(Voice voice);

    GameOptions::Mistakes mistakes() const;
    // A value outside the enumeration is refused and changes nothing.
    void setMistakes(GameOptions::Mistakes mistakes);
    GameOptions::Pictures pictures() const;
    void setPictures(GameOptions::Pictures pictures);
    GameOptions::Words words() const;
    void setWords(GameOptions::Words words);
    // What a game started now plays by.
    GameOptions gameOptions() const;
    // Without a saved choice, or with the page locked, the game options are
    // the administrator's defaults over the program's own.
    static GameOptions systemDefaults();
    bool systemLocked() const;

    void load();
    // False when either file could not be written; each old file then stays whole.
    bool save();

signals:
    void volumeChanged();
    void muteChanged();
    void owlTalksChanged();
    void parentLockChanged();
    void voiceChanged();
    void mistakesChanged();
    void picturesChanged();
    void wordsChanged();

private:
    double volumeProperty() const;
    void setVolumeProperty(double percent);
    void loadGameOptions();
    bool saveGameOptions() const;

    // Defaults, so that a file shorter than its fields still leaves sane values.
    double m_volume = 0.5;
    bool m_mute = false;
    bool m_owlTalks = true;
    bool m_parentLock = false;
    Voice m_voice = OurVoice;
    GameOptions m_options;
};
