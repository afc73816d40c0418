#pragma once

#include <QObject>
#include <QUrl>

#include <phonon/phononnamespace.h>

namespace Phonon {
class AudioOutput;
class MediaObject;
}
class Settings;
class QWidget;

// Plays the words' recordings, one at a time, through one Phonon path, with
// the mute and volume that hold when each recording starts.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    SoundPlayer(const Settings *settings, QObject *parent = nullptr);

    // Starting the audio backend is slow: it waits until `widget` has painted
    // once, or until the first sound, whichever comes first.
    void startAfterFirstPaint(QWidget *widget);

    // The sound objects, started on first use.
    Phonon::MediaObject *mediaObject();
    Phonon::AudioOutput *audioOutput();

public slots:
    void play(const QString &path);
    // An instruction of the owl's: a recording played next while it is
    // still being said waits for its end instead of cutting it short.
    void say(const QString &path);
    // A short sound beside the words (praise, comfort), on a path of its own:
    // it never holds up the next word.
    void cue(const QString &path);
    // Ends the recording that is playing, if any; every new one starts after this.
    void stop();
    // Diagnostic: the two state numbers, old first.
    void logStateChange(Phonon::State newState, Phonon::State oldState);

private:
    void start();

    const Settings *m_settings;
    Phonon::MediaObject *m_media = nullptr;
    Phonon::AudioOutput *m_output = nullptr;
    Phonon::MediaObject *m_cueMedia = nullptr;
    Phonon::AudioOutput *m_cueOutput = nullptr;
    // The instruction being said, until it ends or is stopped.
    bool m_saying = false;
    QUrl m_instruction;
};
