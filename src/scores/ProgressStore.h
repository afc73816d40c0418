#pragma once

#include "WordMemory.h"

#include <QList>
#include <QObject>
#include <QString>

class QThread;

// The players and every answer they gave, in progress.sqlite in the data
// directory. Opened after the first frame; answers are written on a thread
// of their own, one transaction each, so a tap never waits for the disk.
class ProgressStore : public QObject
{
    Q_OBJECT

public:
    enum Status {
        Closed,      // not opened yet
        Ready,       // players and answers are kept
        NewerSchema, // made by a newer Vocalune: left untouched, play goes on without memory
        Unavailable, // could not be opened or made: play goes on without memory
    };
    Q_ENUM(Status)

    struct Player
    {
        qint64 id = -1;
        QString name;
        QString picture; // an image path as the views take it
    };

    // The name of the file in the data directory.
    static QString fileName();
    // The schema version this program writes (PRAGMA user_version).
    static int schemaVersion();

    explicit ProgressStore(QObject *parent = nullptr);
    // The file: progress.sqlite in the data directory unless another was set
    // before open() (a second machine in the tests, the benchmark).
    QString path() const;
    void setPath(const QString &path);
    ~ProgressStore() override; // waits for the answers still being written

    // Opens (making or upgrading) the database. A file that is not a database
    // or fails its integrity check is moved aside as
    // progress.sqlite.damaged-<date and time> and a fresh one made; a newer
    // schema is left as it is. With no player yet, adds "Player 1" with
    // defaultPicture. Returns status() == Ready.
    bool open(const QString &defaultPicture);
    Status status() const;
    // Where a damaged file was moved by open(); empty when none was.
    QString movedAside() const;

    // Players in the order they were added. Empty unless Ready.
    QList<Player> players() const;
    // The new player's id, or -1 (not Ready, the disk refused, or 40 players already).
    qint64 addPlayer(const QString &name, const QString &picture);
    bool renamePlayer(qint64 id, const QString &name);
    bool setPlayerPicture(qint64 id, const QString &picture);
    // Removes the player and every answer of theirs.
    bool removePlayer(qint64 id);
    static constexpr int MaxPlayers = 40;
    static constexpr int MaxNameLength = 16;

    // The player chosen last, kept in the database; -1 when none.
    qint64 currentPlayer() const;
    bool setCurrentPlayer(qint64 id);

    // Queues an answer of a player; written on the writer thread in a
    // transaction of its own. answerWritten reports the outcome.
    void record(qint64 player, const WordMemory::Answer &answer);
    // Waits until every queued answer has been written or refused.
    void flush();
    // A player's answers in the order they were given.
    QList<WordMemory::Answer> answers(qint64 player) const;
    // Writes many answers of a player at once, in one transaction, on the
    // caller's thread; false when none was kept.
    bool insertAnswers(qint64 player, const QList<WordMemory::Answer> &answers);

signals:
    // From the writer thread, delivered queued: false when the disk refused it.
    void answerWritten(bool written);

private:
    class Writer;
    Status openDatabase();
    void close();
    bool updatePlayer(qint64 id, const char *column, const QString &value);

    QString m_path;
    Status m_status = Closed;
    QString m_movedAside;
    QString m_connection;
    QThread *m_thread = nullptr;
    Writer *m_writer = nullptr;
};
