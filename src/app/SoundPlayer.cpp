#include "SoundPlayer.h"

#include "Settings.h"

#include <phonon/AudioOutput>
#include <phonon/MediaObject>
#include <phonon/MediaSource>

#include <QDebug>
#include <QEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

SoundPlayer::SoundPlayer(const Settings *settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
}

void SoundPlayer::startAfterFirstPaint(QWidget *widget)
{
    m_firstPainted = widget;
    widget->installEventFilter(this);
}

bool SoundPlayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_firstPainted && event->type() == QEvent::Paint) {
        m_firstPainted->removeEventFilter(this);
        m_firstPainted = nullptr;
        // After the frame is on screen, not inside its paint.
        QTimer::singleShot(0, this, &SoundPlayer::start);
    }
    return QObject::eventFilter(watched, event);
}

void SoundPlayer::start()
{
    if (m_media)
        return;
    m_media = new Phonon::MediaObject(this);
    m_output = new Phonon::AudioOutput(Phonon::MusicCategory, this);
    Phonon::createPath(m_media, m_output);
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
    // One media object for every recording, stopped before the next source:
    // two words never sound over each other.
    stop();
    m_media->setCurrentSource(Phonon::MediaSource(QUrl::fromLocalFile(path)));
    // Read at every start: a change on the settings page applies from the next word.
    m_output->setVolume(static_cast<float>(m_settings->outputVolume()));
    qDebug() << path;
    m_media->play();
}

void SoundPlayer::stop()
{
    if (m_media)
        m_media->stop();
}

void SoundPlayer::logStateChange(Phonon::State newState, Phonon::State oldState)
{
    qDebug() << int(oldState);
    qDebug() << int(newState);
}
