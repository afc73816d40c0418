#include "AudioCapture.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QIODevice>

namespace {

// What the recorder reads: the input's own device, passed through; closing or
// deleting it stops the input.
class CaptureStream : public QIODevice
{
public:
    // The input belongs to the plugin, which outlives every take.
    CaptureStream(const QAudioDeviceInfo &device, const QAudioFormat &format, QObject *plugin, QObject *parent)
        : QIODevice(parent)
        , m_input(new QAudioInput(device, format, plugin))
    {
    }

    ~CaptureStream() override
    {
        m_input->stop();
        // PulseAudio's input runs the event loop while it is destroyed, which
        // must not happen inside another object's destructor.
        m_input->deleteLater();
    }

    void close() override
    {
        m_input->stop();
        QIODevice::close();
    }

    bool start()
    {
        m_source = m_input->start();
        if (!m_source || m_input->error() != QAudio::NoError)
            return false;
        connect(m_source, &QIODevice::readyRead, this, &QIODevice::readyRead);
        // An input unplugged or lost mid-take ends it.
        connect(m_input, &QAudioInput::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::StoppedState && m_input->error() != QAudio::NoError)
                emit readChannelFinished();
        });
        return open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_source->bytesAvailable() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override { return m_source->read(data, maxSize); }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QAudioInput *m_input;
    QIODevice *m_source = nullptr;
};

} // namespace

bool AudioCapture::hasInput() const
{
    return !QAudioDeviceInfo::defaultInputDevice().isNull();
}

QIODevice *AudioCapture::start(int *sampleRate, QObject *parent)
{
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultInputDevice();
    if (device.isNull())
        return nullptr;
    QAudioFormat format;
    format.setSampleRate(*sampleRate);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? QAudioFormat::LittleEndian
                                                                      : QAudioFormat::BigEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    // Some inputs take only rates of their own; the samples stay 16-bit mono.
    if (!device.isFormatSupported(format))
        format.setSampleRate(device.nearestFormat(format).sampleRate());
    if (!device.isFormatSupported(format))
        return nullptr;
    auto *stream = new CaptureStream(device, format, this, parent);
    if (!stream->start()) {
        delete stream;
        return nullptr;
    }
    *sampleRate = format.sampleRate();
    return stream;
}
