#pragma once

#include <QtPlugin>

class QIODevice;
class QObject;

// Capture from the desktop's default input, as the plugin in src/capture
// gives it. Qt Core alone: the program loads the plugin with QPluginLoader the
// first time recording is opened, and never links Qt Multimedia itself.
class CaptureBackend
{
public:
    virtual ~CaptureBackend() = default;

    // Whether the desktop has an input device now.
    virtual bool hasInput() const = 0;
    // Starts capturing 16-bit signed mono PCM in the machine's byte order from
    // the default input. sampleRate is the rate asked for, and then the one
    // the samples come at. Read the samples from the device returned (which
    // emits readChannelFinished if the input fails); closing or deleting it
    // stops the capture. nullptr when no input could be opened.
    virtual QIODevice *start(int *sampleRate, QObject *parent) = 0;
};

#define CaptureBackend_iid "org.vocalune.CaptureBackend/1"
Q_DECLARE_INTERFACE(CaptureBackend, CaptureBackend_iid)
