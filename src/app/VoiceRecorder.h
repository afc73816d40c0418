#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class CaptureBackend;
class QIODevice;

// "qtRecorder": records the family's own voice for a word from the desktop's
// default input, and stores the take, trimmed and levelled like the bundled
// recordings, as FamilyVoices::path(dictionary, word). Qt Multimedia lives
// in a plugin loaded the first time recording is opened, so start-up does
// not pay for it. A take that fails changes nothing: the word keeps the
// recording it had.
class VoiceRecorder : public QObject
{
    Q_OBJECT
    // Recording a take now.
    Q_PROPERTY(bool recording READ recording NOTIFY recordingChanged)
    // 0 to 1 while recording: the level meter.
    Q_PROPERTY(qreal level READ level NOTIFY levelChanged)
    // False when no input was found: Record is disabled.
    Q_PROPERTY(bool microphone READ microphone NOTIFY microphoneChanged)
    // What went wrong with the last take, in the player's language; empty
    // when it was stored.
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    // A take stops by itself after this long.
    static constexpr int MaxTakeMs = 5000;

    explicit VoiceRecorder(QObject *parent = nullptr);
    ~VoiceRecorder() override; // drops a take in progress

    bool recording() const;
    qreal level() const;
    bool microphone() const;
    QString message() const;

    // Loads the capture plugin and looks for an input: when a page with
    // Record opens.
    Q_INVOKABLE void open();
    // The first tap starts a take of the word, the second stops and stores it.
    Q_INVOKABLE void toggle(const QString &dictionary, const QString &word);
    // The page is left or the window closes: a take in progress is dropped.
    Q_INVOKABLE void cancel();

signals:
    void recordingChanged();
    void levelChanged();
    void microphoneChanged();
    void messageChanged();
    // A take was stored in path.
    void stored(const QString &dictionary, const QString &word, const QString &path);

private:
    void start(const QString &dictionary, const QString &word);
    // Stops the take; stores it when keep is true.
    void stop(bool keep);
    void readSamples();
    void setMicrophone(bool microphone);
    void setMessage(const QString &message);
    void setLevel(qreal level);

    CaptureBackend *m_backend = nullptr;
    QIODevice *m_input = nullptr; // the take in progress
    QTimer m_limit;
    QByteArray m_samples;
    int m_sampleRate = 0;
    QString m_dictionary;
    QString m_word;
    QString m_message;
    qreal m_level = 0;
    bool m_microphone = false;
};
