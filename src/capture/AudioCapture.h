#pragma once

#include "CaptureBackend.h"

#include <QObject>

// The capture plugin: Qt Multimedia's QAudioInput from the default input
// device. Built as a module of its own so that only recording loads Qt
// Multimedia (and through it the desktop's sound server).
class AudioCapture : public QObject, public CaptureBackend
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CaptureBackend_iid)
    Q_INTERFACES(CaptureBackend)

public:
    bool hasInput() const override;
    QIODevice *start(int *sampleRate, QObject *parent) override;
};
