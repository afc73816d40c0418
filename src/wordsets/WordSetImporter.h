#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>

// What an import did, in words a parent or teacher understands.
struct WordSetReport
{
    enum class Outcome { Imported, Failed, Cancelled };

    struct Refusal
    {
        QString file;
        QString reason;
    };

    Outcome outcome = Outcome::Failed;
    QString setName;
    QStringList words;    // imported, in name order
    QStringList voiced;   // given a recording by the speech synthesizer
    QStringList silent;   // left without a recording
    QString silentReason; // why they are silent
    QVector<Refusal> refused;
    QString failure;           // why nothing was kept (Failed only)
    bool targetFailed = false; // the failure was the target's (no permission, a full disk), not the folder's

    bool imported() const { return outcome == Outcome::Imported; }
    // One line each: the result first, then every refused file.
    QStringList lines() const;
};

// Reads a folder of pictures (and recordings) and turns it into a word set in
// the data directory (or the system target). Everything is built in a hidden
// folder there and moved into place at the end, so a failure or a cancel
// leaves no half set; nothing is ever written outside the target and no link
// is followed.
// run() blocks: call it from a worker thread (see WordSetImport) or from the
// command line.
class WordSetImporter
{
    // The report's reasons are shown to the player: WordSetImporter::tr().
    Q_DECLARE_TR_FUNCTIONS(WordSetImporter)

public:
    using ProgressFunction = std::function<void(int done, int total, const QString &word)>;

    static constexpr qint64 MaximumFileSize = 20 * 1024 * 1024;
    static constexpr qint64 MaximumPixels = 40 * 1000 * 1000;
    static constexpr int MaximumSide = 16384;
    // Square with transparent margins like the bundled pictures, at twice
    // their side: a photo's detail stays sharp on a large screen.
    static constexpr int PictureSize = 512;
    static constexpr int SpeechTimeoutMs = 60 * 1000;

    explicit WordSetImporter(const QString &folder);

    // Called before each word with the words done so far, then once at the end.
    void setProgress(ProgressFunction progress);
    // Checked between files and while the voice is being made.
    void setCancelFlag(const std::atomic<bool> *cancel);
    // Imports for every user of the computer into root (png/<set> and
    // mp3/<set> under it, see ImportedSets::systemRoots()) instead of the
    // data directory; what is written there is readable by all, whatever
    // the umask.
    void setSystemTarget(const QString &root);

    WordSetReport run();

    // Deletes an imported set's pictures and recordings (never a bundled
    // dictionary's). False when there is no such set or it could not go.
    static bool removeSetFiles(const QString &set);

    // The speech program ("text2wave" looked up on PATH by default). Tests
    // point it at a missing or failing program.
    static void setSpeechProgram(const QString &program);
    static QString speechProgram();

private:
    bool cancelled() const;

    QString m_folder;
    QString m_root; // empty: the data directory
    ProgressFunction m_progress;
    const std::atomic<bool> *m_cancel = nullptr;
};
