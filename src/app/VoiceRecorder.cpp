#include "VoiceRecorder.h"

#include "CaptureBackend.h"
#include "FamilyVoices.h"
#include "VoiceTake.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>
#include <QPluginLoader>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The bundled recordings' rate; the input may give another.
constexpr int SampleRate = 24000;
// The meter spans this many dB below full scale.
constexpr double MeterRangeDb = 60;

// The capture plugin: beside the program in the build tree (the tests and the
// benchmark sit one folder below it), else where the package installs it.
// Loaded once; Qt keeps it loaded.
CaptureBackend *loadBackend()
{
    static CaptureBackend *const backend = []() -> CaptureBackend * {
        const QString here = QCoreApplication::applicationDirPath();
        const QString name = QStringLiteral("/libvocalune-capture.so");
        for (const QString &folder : {here + QStringLiteral("/plugins"), here + QStringLiteral("/../plugins"),
                                      QString::fromLatin1(VOCALUNE_PLUGIN_DIR)}) {
            if (!QFileInfo::exists(folder + name))
                continue;
            QPluginLoader loader(folder + name);
            if (auto *found = qobject_cast<CaptureBackend *>(loader.instance()))
                return found;
            qWarning("vocalune: recording is not available: %s", qPrintable(loader.errorString()));
            return nullptr;
        }
        qWarning("vocalune: recording is not available: no capture plugin in %s", VOCALUNE_PLUGIN_DIR);
        return nullptr;
    }();
    return backend;
}

// A link planted in place of voices/ or of a dictionary's folder would lead
// the take out of the data directory.
bool linkOnTheWay(const QString &path)
{
    return QFileInfo(FamilyVoices::root()).isSymLink() || QFileInfo(QFileInfo(path).path()).isSymLink();
}

} // namespace

VoiceRecorder::VoiceRecorder(QObject *parent)
    : QObject(parent)
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(MaxTakeMs);
    connect(&m_limit, &QTimer::timeout, this, [this] { stop(true); });
}

VoiceRecorder::~VoiceRecorder()
{
    // Closing the input stops the capture at once; nothing is stored.
    delete m_input;
}

bool VoiceRecorder::recording() const
{
    return m_input != nullptr;
}

qreal VoiceRecorder::level() const
{
    return m_level;
}

bool VoiceRecorder::microphone() const
{
    return m_microphone;
}

QString VoiceRecorder::message() const
{
    return m_message;
}

void VoiceRecorder::open()
{
    if (recording())
        return;
    if (!m_backend)
        m_backend = loadBackend();
    // Looked for again each time: a microphone may have been plugged in since.
    setMicrophone(m_backend && m_backend->hasInput());
    setMessage(m_microphone ? QString() : tr("No microphone found."));
}

void VoiceRecorder::toggle(const QString &dictionary, const QString &word)
{
    if (recording())
        stop(true);
    else
        start(dictionary, word);
}

void VoiceRecorder::cancel()
{
    stop(false);
}

void VoiceRecorder::start(const QString &dictionary, const QString &word)
{
    open();
    m_sampleRate = SampleRate;
    if (m_microphone)
        m_input = m_backend->start(&m_sampleRate, this);
    if (!m_input) {
        setMicrophone(false);
        setMessage(tr("No microphone found."));
        return;
    }
    m_dictionary = dictionary;
    m_word = word;
    m_samples.clear();
    m_samples.reserve(m_sampleRate * int(sizeof(qint16)) * (MaxTakeMs / 1000 + 1));
    connect(m_input, &QIODevice::readyRead, this, &VoiceRecorder::readSamples);
    // The input was lost (unplugged) mid-take.
    connect(m_input, &QIODevice::readChannelFinished, this, [this] {
        stop(false);
        setMicrophone(false);
        setMessage(tr("No microphone found."));
    });
    m_limit.start();
    setMessage(QString());
    emit recordingChanged();
}

void VoiceRecorder::stop(bool keep)
{
    if (!m_input)
        return;
    m_limit.stop();
    readSamples();
    QIODevice *input = std::exchange(m_input, nullptr);
    input->disconnect(this);
    input->close();
    // It may be emitting the signal that brought us here.
    input->deleteLater();
    const QByteArray samples = std::exchange(m_samples, QByteArray());
    const QString path = FamilyVoices::path(m_dictionary, m_word);
    VoiceTake::Result result = VoiceTake::NotSaved;
    if (keep)
        result = linkOnTheWay(path) ? VoiceTake::NotSaved : VoiceTake::store(samples, m_sampleRate, path);
    setLevel(0);
    emit recordingChanged();
    if (!keep)
        return;
    if (result == VoiceTake::Stored)
        emit stored(m_dictionary, m_word, path);
    else if (result == VoiceTake::NoWord)
        setMessage(tr("I could not hear you. Try again, a little closer."));
    else
        setMessage(tr("The recording could not be saved: the disk is full or read-only."));
}

void VoiceRecorder::readSamples()
{
    const QByteArray chunk = m_input->readAll();
    if (chunk.isEmpty())
        return;
    m_samples += chunk;
    const auto *samples = reinterpret_cast<const qint16 *>(chunk.constData());
    int peak = 0;
    for (int i = 0; i < chunk.size() / int(sizeof(qint16)); ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    const double db = peak > 0 ? 20 * std::log10(peak / 32768.0) : -MeterRangeDb;
    setLevel(std::clamp(1 + db / MeterRangeDb, 0.0, 1.0));
}

void VoiceRecorder::setMicrophone(bool microphone)
{
    if (microphone == m_microphone)
        return;
    m_microphone = microphone;
    emit microphoneChanged();
}

void VoiceRecorder::setMessage(const QString &message)
{
    if (message == m_message)
        return;
    m_message = message;
    emit messageChanged();
}

void VoiceRecorder::setLevel(qreal level)
{
    if (qFuzzyCompare(level + 1, m_level + 1))
        return;
    m_level = level;
    emit levelChanged();
}
