#pragma once

#include "ClassServer.h"
#include "WordMemory.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QObject>

class QThread;

// Keeps this machine's players and answers and a class's server in step, on
// a thread of its own, so that play never waits for the network. Answers are
// kept in progress.sqlite first and go up in the background, oldest first;
// an answer that went up is marked so, and one the server took before the
// mark was kept counts once all the same, by its id. While the server cannot
// be reached, tries again after 1, 2, 4 ... up to 30 seconds.
class ClassSync : public QObject
{
    Q_OBJECT

public:
    enum State {
        Waiting, // not tried yet
        Online,
        Offline, // could not reach the server: answers wait on this machine
        Refused, // the server does not take this machine's login or class
    };
    Q_ENUM(State)

    struct Setup
    {
        QString database; // progress.sqlite, made and upgraded by ProgressStore
        QUrl server;
        QString className;
        ClassServer::Checks checks;
        QString defaultPicture; // for a pupil whose picture this machine does not know
    };

    struct PupilSummary
    {
        QString name;
        int learned = 0;
        int learning = 0;
        QDateTime lastPlayed; // invalid when the pupil never played
    };
    struct ClassSummary
    {
        bool loaded = false;                         // false when the server could not be asked
        QList<PupilSummary> pupils;                  // by name
        QList<WordMemory::Summary::Trouble> hardest; // most mistakes of all pupils first
    };
    // What the class's answers say; pupils without answers are listed too.
    static ClassSummary summarize(const QList<ClassServer::Pupil> &pupils, const QList<ClassServer::Answer> &answers,
                                  int hardest = 5);

    explicit ClassSync(const Setup &setup, QObject *parent = nullptr);
    ~ClassSync() override; // finishes what the thread is doing, then stops it

    State state() const { return m_state; }
    QString className() const { return m_class; }
    // The server's last refusal or error, in its own words.
    QString errorText() const { return m_error; }

public slots:
    // Sends what waits, soon; while offline, the next retry does.
    void push();
    // Tries the server now, even while waiting to retry.
    void retry();
    // Brings in the answers of that pupil that other machines sent.
    void fetch(const QString &pupil);
    // Adds the class's pupils that this machine does not have yet.
    void fetchPupils();
    void loadClass();
    // Writes the whole class as CSV (ProgressExport's columns) to path.
    void exportCsv(const QString &path);
    // Waits until what was asked of the thread so far is done.
    void flush();

signals:
    void stateChanged(ClassSync::State state);
    // added is -1 when the server could not be asked.
    void fetched(const QString &pupil, int added);
    void pupilsAdded(int added);
    void classLoaded(const ClassSync::ClassSummary &summary);
    // error is empty when the file was written.
    void exported(const QString &path, const QString &error);

private:
    class Worker;
    void setState(State state, const QString &error);

    QString m_class;
    QThread *m_thread = nullptr;
    Worker *m_worker = nullptr;
    QAtomicInt m_pushQueued;
    State m_state = Waiting;
    QString m_error;
};

Q_DECLARE_METATYPE(ClassSync::ClassSummary)
