#include "SoundPlayer.h"

#include "FirstPaint.h"
#include "Settings.h"

#include <phonon/AudioOutput>
#include <phonon/MediaObject>
#include <phonon/MediaSource>

#include <QDebug>
#include <QUrl>

SoundPlayer::SoundPlayer(const Settings *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
}

void SoundPlayer::startAfterFirstPaint(QWidget *widget)
{
    FirstPaint::then(widget, this, [this] { start(); });
}

void SoundPlayer::start()
{
    if (m_media)
        return;
    m_media = new Phonon::MediaObject(this);
    m_output = new Phonon::AudioOutput(Phonon::MusicCategory, this);
    Phonon::createPath(m_media, m_output);
    // The instruction is over once its recording (or the one queued behind it) ends.
    connect(m_media, &Phonon::MediaObject::currentSourceChanged, this, [this](const Phonon::MediaSource &source) {
        if (source.url() != m_instruction)
            m_saying = false;
    });
    connect(m_media, &Phonon::MediaObject::finished, this, [this] { m_saying = false; });
}

Phonon::MediaObject *SoundPlayer::mediaObject()
{
    start();
    return m_media;
}

Phonon::AudioOutput *SoundPlayer::audioOutput()
{
    start();
    return m_output;
}

void SoundPlayer::play(const QString &path)
{
    if (m_settings->mute())
        return;
    start();
    if (m_saying && m_media->state() != Phonon::StoppedState && m_media->state() != Phonon::ErrorState) {
        // Only the newest recording waits behind the instruction.
        m_media->clearQueue();
        m_media->enqueue(Phonon::MediaSource(QUrl::fromLocalFile(path)));
        qDebug() << path;
        return;
    }
    // One media object for every recording, stopped before the next source:
    // two words never sound over each other.
    stop();
    m_media->setCurrentSource(Phonon::MediaSource(QUrl::fromLocalFile(path)));
    // Read at every start: a change on the settings page applies from the next word.
    m_output->setVolume(static_cast<float>(m_settings->outputVolume()));
    qDebug() << path;
    m_media->play();
}

void SoundPlayer::say(const QString &path)
{
    play(path);
    m_instruction = QUrl::fromLocalFile(path);
    m_saying = !m_settings->mute();
}

void SoundPlayer::cue(const QString &path)
{
    if (m_settings->mute())
        return;
    start();
    if (!m_cueMedia) {
        m_cueMedia = new Phonon::MediaObject(this);
        m_cueOutput = new Phonon::AudioOutput(Phonon::GameCategory, this);
        Phonon::createPath(m_cueMedia, m_cueOutput);
    }
    m_cueMedia->stop();
    m_cueMedia->setCurrentSource(Phonon::MediaSource(QUrl::fromLocalFile(path)));
    m_cueOutput->setVolume(static_cast<float>(m_settings->outputVolume()));
    qDebug() << path;
    m_cueMedia->play();
}

void SoundPlayer::stop()
{
    m_saying = false;
    if (m_media) {
        m_media->clearQueue();
        m_media->stop();
    }
}

void SoundPlayer::logStateChange(Phonon::State newState, Phonon::State oldState)
{
    qDebug() << int(oldState);
    qDebug() << int(newState);
}
