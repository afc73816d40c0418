#include "ProgressStore.h"

#include "DataDirectory.h"
#include "NamePrompt.h"
#include "SqliteConnection.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <QVariant>

#include <functional>

namespace {

const int SchemaVersion = 2;

// The tables of version 1 that version 0 had no form of. Player ids are never
// reused, so an answer still queued for a removed player cannot go to a new one.
const char *const NewTables[] = {
    // One statement over two lines (the parentheses say so to the compiler).
    ("CREATE TABLE answers (id TEXT PRIMARY KEY, player INTEGER NOT NULL, dictionary TEXT NOT NULL,"
     " word TEXT NOT NULL, game INTEGER NOT NULL, outcome INTEGER NOT NULL, at INTEGER NOT NULL)"),
    "CREATE INDEX answers_by_player ON answers (player, at)",
    "CREATE TABLE meta (one INTEGER PRIMARY KEY CHECK (one = 1), current_player INTEGER)",
    "INSERT INTO meta (one) VALUES (1)",
};
// Version 2 keeps, for a class's server, which answers went up and how far
// each pupil's answers from other machines were fetched.
const char *const ToVersion2[] = {
    "ALTER TABLE answers ADD COLUMN pushed INTEGER NOT NULL DEFAULT 0",
    "CREATE INDEX answers_to_push ON answers (pushed, at)",
    ("CREATE TABLE class_cursors (class TEXT NOT NULL, pupil TEXT NOT NULL, cursor TEXT NOT NULL,"
     " PRIMARY KEY (class, pupil))"),
};
const char *const PlayersTable = "CREATE TABLE players (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL,"
                                 " picture TEXT NOT NULL DEFAULT '', added INTEGER NOT NULL DEFAULT 0)";

// Version 0, the first layout, had players(id, name) and answers without
// ids. Its answers get ids of their own on the way.
const char *const FromVersion0Before[] = {
    "ALTER TABLE players ADD COLUMN picture TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE players ADD COLUMN added INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE answers RENAME TO answers_version0",
};
const char *const FromVersion0After[] = {
    // Ids in the usual form of a UUID, as a class's server hands them back.
    ("INSERT INTO answers SELECT lower(substr(u, 1, 8) || '-' || substr(u, 9, 4) || '-4' || substr(u, 14, 3) || '-8'"
     " || substr(u, 18, 3) || '-' || substr(u, 21, 12)), player, dictionary, word, game, outcome, at"
     " FROM (SELECT hex(randomblob(16)) AS u, * FROM answers_version0 ORDER BY rowid)"),
    "DROP TABLE answers_version0",
};

enum Integrity { Sound, Damaged, Unknown };

Integrity checkIntegrity(const QString &connection)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
        return query.value(0).toString() == QLatin1String("ok") ? Sound : Damaged;
    // SQLITE_CORRUPT and SQLITE_NOTADB; other failures (permissions, locks)
    // leave the file where it is.
    const int code = query.lastError().nativeErrorCode().toInt() & 0xff;
    return code == 11 || code == 26 ? Damaged : Unknown;
}

bool execAll(QSqlQuery &query, const QList<const char *> &statements)
{
    for (const char *statement : statements) {
        if (!query.exec(QLatin1String(statement)))
            return false;
    }
    return true;
}

// The header's user_version, read without SQLite so that a newer file is not
// touched at all; -1 when the file is missing or empty, -2 when it is no
// SQLite file.
int headerVersion(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return -1;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return -2;
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData() + 60);
    return int((uint(bytes[0]) << 24) | (uint(bytes[1]) << 16) | (uint(bytes[2]) << 8) | uint(bytes[3]));
}

// Moves the file and its -wal and -shm aside under a name not yet taken;
// never deletes anything. Returns the new name, or an empty one.
QString moveAside(const QString &path)
{
    const QString base = path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int n = 2; QFile::exists(aside) || QFile::exists(aside + "-wal") || QFile::exists(aside + "-shm"); ++n)
        aside = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, aside))
        return QString();
    for (const char *suffix : {"-wal", "-shm"}) {
        if (QFile::exists(path + suffix))
            QFile::rename(path + suffix, aside + suffix);
    }
    return aside;
}

// Version 0 or an empty file to version 1.
bool upgradeToVersion1(QSqlQuery &query)
{
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'players'")) || !query.next())
        return false;
    const bool version0 = query.value(0).toInt() > 0;
    if (version0 ? !execAll(query, {std::begin(FromVersion0Before), std::end(FromVersion0Before)})
                 : !query.exec(QLatin1String(PlayersTable)))
        return false;
    if (!execAll(query, {std::begin(NewTables), std::end(NewTables)}))
        return false;
    return !version0 || execAll(query, {std::begin(FromVersion0After), std::end(FromVersion0After)});
}

// Version 0, 1 or an empty file up to this version, in one transaction.
bool upgrade(const QString &connection)
{
    return SqliteConnection::write(connection, [](QSqlQuery &query) {
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            return false;
        const int version = query.value(0).toInt();
        if (version == SchemaVersion)
            return true;
        if (version < 1 && !upgradeToVersion1(query))
            return false;
        if (!execAll(query, {std::begin(ToVersion2), std::end(ToVersion2)}))
            return false;
        return query.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    });
}

// Qt binds a null string as NULL, which the NOT NULL columns refuse.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

bool prepareAnswer(QSqlQuery &query)
{
    return query.prepare(
        QStringLiteral("INSERT OR IGNORE INTO answers (id, player, dictionary, word, game, outcome, at)"
                       " SELECT ?, id, ?, ?, ?, ?, ? FROM players WHERE id = ?"));
}

void bindAnswer(QSqlQuery &query, qint64 player, const QString &id, const WordMemory::Answer &answer)
{
    query.bindValue(0, id);
    query.bindValue(1, text(answer.dictionary));
    query.bindValue(2, text(answer.word));
    query.bindValue(3, int(answer.game));
    query.bindValue(4, int(answer.outcome));
    query.bindValue(5, answer.at.toMSecsSinceEpoch());
    query.bindValue(6, player);
}

// A player's name as it is kept: trimmed and cut to fit; empty is refused.
QString keptName(const QString &name)
{
    return NamePrompt::fit(name.trimmed(), ProgressStore::MaxNameLength).trimmed();
}

} // namespace

// Writes the answers on its own thread, through a connection of its own.
class ProgressStore::Writer : public QObject
{
public:
    explicit Writer(const QString &connection)
        : m_connection(connection)
    {
    }
    bool open(const QString &path) { return SqliteConnection::open(m_connection, path); }
    void close() { SqliteConnection::close(m_connection); }
    // False when nothing was kept: the disk refused it, or the player is gone.
    bool write(qint64 player, const QString &id, const WordMemory::Answer &answer)
    {
        return SqliteConnection::write(m_connection, [&](QSqlQuery &query) {
            if (!prepareAnswer(query))
                return false;
            bindAnswer(query, player, id, answer);
            return query.exec() && query.numRowsAffected() == 1;
        });
    }

private:
    QString m_connection;
};

QString ProgressStore::fileName()
{
    return QStringLiteral("progress.sqlite");
}

int ProgressStore::schemaVersion()
{
    return SchemaVersion;
}

QString ProgressStore::path() const
{
    return m_path.isEmpty() ? DataDirectory::filePath(QLatin1Char('/') + fileName()) : m_path;
}

void ProgressStore::setPath(const QString &path)
{
    m_path = path;
}

ProgressStore::ProgressStore(QObject *parent)
    : QObject(parent)
{
}

ProgressStore::~ProgressStore()
{
    close();
}

void ProgressStore::close()
{
    if (m_writer) {
        QMetaObject::invokeMethod(
            m_writer, [this] { m_writer->close(); }, Qt::BlockingQueuedConnection);
        m_thread->quit();
        m_thread->wait();
        delete m_writer;
        delete m_thread;
        m_writer = nullptr;
        m_thread = nullptr;
    }
    if (!m_connection.isEmpty())
        SqliteConnection::close(m_connection);
    m_connection.clear();
}

bool ProgressStore::open(const QString &defaultPicture)
{
    close();
    m_movedAside.clear();
    m_status = openDatabase();
    if (m_status != Ready) {
        close();
        return false;
    }
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("ProgressWriter"));
    m_writer = new Writer(SqliteConnection::uniqueName("writer"));
    m_writer->moveToThread(m_thread);
    m_thread->start();
    bool writerOpen = false;
    const QString path = this->path();
    QMetaObject::invokeMethod(
        m_writer, [&] { writerOpen = m_writer->open(path); }, Qt::BlockingQueuedConnection);
    if (!writerOpen
        || (players().isEmpty() && !setCurrentPlayer(addPlayer(QStringLiteral("Player 1"), defaultPicture)))) {
        m_status = Unavailable;
        close();
        return false;
    }
    return true;
}

ProgressStore::Status ProgressStore::openDatabase()
{
    const QString path = this->path();
    const int header = headerVersion(path);
    if (header > SchemaVersion)
        return NewerSchema;
    m_connection = SqliteConnection::uniqueName("reader");
    if (!SqliteConnection::open(m_connection, path))
        return Unavailable;
    const Integrity integrity = header == -2 ? Damaged : checkIntegrity(m_connection);
    if (integrity == Unknown)
        return Unavailable;
    if (integrity == Damaged) {
        SqliteConnection::close(m_connection);
        m_movedAside = moveAside(path);
        if (m_movedAside.isEmpty() || !SqliteConnection::open(m_connection, path))
            return Unavailable;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return Unavailable;
    // A newer version that only its log had told yet.
    if (query.value(0).toInt() > SchemaVersion)
        return NewerSchema;
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next()
        || query.value(0).toString() != QLatin1String("wal"))
        return Unavailable;
    query = QSqlQuery();
    return upgrade(m_connection) ? Ready : Unavailable;
}

ProgressStore::Status ProgressStore::status() const
{
    return m_status;
}

QString ProgressStore::movedAside() const
{
    return m_movedAside;
}

QList<ProgressStore::Player> ProgressStore::players() const
{
    QList<Player> players;
    if (m_connection.isEmpty())
        return players;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, name, picture FROM players ORDER BY id")))
        return players;
    while (query.next())
        players.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()});
    return players;
}

qint64 ProgressStore::addPlayer(const QString &name, const QString &picture)
{
    const QString kept = keptName(name);
    if (m_connection.isEmpty() || kept.isEmpty())
        return -1;
    qint64 id = -1;
    const bool added = SqliteConnection::write(m_connection, [&](QSqlQuery &query) {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM players")) || !query.next()
            || query.value(0).toInt() >= MaxPlayers)
            return false;
        query.prepare(QStringLiteral("INSERT INTO players (name, picture, added) VALUES (?, ?, ?)"));
        query.addBindValue(kept);
        query.addBindValue(text(picture));
        query.addBindValue(QDateTime::currentMSecsSinceEpoch());
        if (!query.exec())
            return false;
        id = query.lastInsertId().toLongLong();
        return true;
    });
    return added ? id : -1;
}

bool ProgressStore::updatePlayer(qint64 id, const char *column, const QString &value)
{
    if (m_connection.isEmpty())
        return false;
    return SqliteConnection::write(m_connection, [&](QSqlQuery &query) {
        query.prepare(QStringLiteral("UPDATE players SET %1 = ? WHERE id = ?").arg(QLatin1String(column)));
        query.addBindValue(text(value));
        query.addBindValue(id);
        return query.exec() && query.numRowsAffected() == 1;
    });
}

bool ProgressStore::renamePlayer(qint64 id, const QString &name)
{
    const QString kept = keptName(name);
    return !kept.isEmpty() && updatePlayer(id, "name", kept);
}

bool ProgressStore::setPlayerPicture(qint64 id, const QString &picture)
{
    return updatePlayer(id, "picture", picture);
}

bool ProgressStore::removePlayer(qint64 id)
{
    if (m_connection.isEmpty())
        return false;
    return SqliteConnection::write(m_connection, [&](QSqlQuery &query) {
        query.prepare(QStringLiteral("DELETE FROM answers WHERE player = ?"));
        query.addBindValue(id);
        if (!query.exec())
            return false;
        query.prepare(QStringLiteral("DELETE FROM players WHERE id = ?"));
        query.addBindValue(id);
        return query.exec() && query.numRowsAffected() == 1;
    });
}

qint64 ProgressStore::currentPlayer() const
{
    if (m_connection.isEmpty())
        return -1;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // The one chosen, or the first when that one is gone.
    if (!query.exec(QStringLiteral("SELECT id FROM players ORDER BY id = (SELECT current_player FROM meta) DESC, id"
                                   " LIMIT 1"))
        || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

bool ProgressStore::setCurrentPlayer(qint64 id)
{
    if (m_connection.isEmpty() || id < 0)
        return false;
    return SqliteConnection::write(m_connection, [&](QSqlQuery &query) {
        query.prepare(QStringLiteral("UPDATE meta SET current_player = ? WHERE EXISTS"
                                     " (SELECT 1 FROM players WHERE id = ?)"));
        query.addBindValue(id);
        query.addBindValue(id);
        return query.exec() && query.numRowsAffected() == 1;
    });
}

void ProgressStore::record(qint64 player, const WordMemory::Answer &answer)
{
    if (!m_writer) {
        QMetaObject::invokeMethod(
            this, [this] { emit answerWritten(false); }, Qt::QueuedConnection);
        return;
    }
    // The id is made here, where the answer was given: a copy of it written
    // again can never count twice.
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    Writer *writer = m_writer;
    QMetaObject::invokeMethod(
        m_writer, [this, writer, player, id, answer] { emit answerWritten(writer->write(player, id, answer)); },
        Qt::QueuedConnection);
}

void ProgressStore::flush()
{
    if (m_writer)
        QMetaObject::invokeMethod(
            m_writer, [] {}, Qt::BlockingQueuedConnection);
}

bool ProgressStore::insertAnswers(qint64 player, const QList<WordMemory::Answer> &answers)
{
    if (m_connection.isEmpty())
        return false;
    return SqliteConnection::write(m_connection, [&](QSqlQuery &query) {
        if (!prepareAnswer(query))
            return false;
        for (const WordMemory::Answer &answer : answers) {
            bindAnswer(query, player, QUuid::createUuid().toString(QUuid::WithoutBraces), answer);
            if (!query.exec() || query.numRowsAffected() != 1)
                return false;
        }
        return true;
    });
}

QList<WordMemory::Answer> ProgressStore::answers(qint64 player) const
{
    QList<WordMemory::Answer> answers;
    if (m_connection.isEmpty())
        return answers;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT dictionary, word, game, outcome, at FROM answers WHERE player = ?"
                                 " ORDER BY at, rowid"));
    query.addBindValue(player);
    if (!query.exec())
        return answers;
    LocalTimes times;
    while (query.next()) {
        const int game = query.value(2).toInt();
        const int outcome = query.value(3).toInt();
        // A row this program could not have written says nothing of the word.
        if (game < WordMemory::WordGame || game > WordMemory::PairGame || outcome < WordMemory::RightFirstTry
            || outcome > WordMemory::Missed)
            continue;
        WordMemory::Answer answer;
        answer.dictionary = query.value(0).toString();
        answer.word = query.value(1).toString();
        answer.game = WordMemory::Game(game);
        answer.outcome = WordMemory::Outcome(outcome);
        answer.at = times.at(query.value(4).toLongLong());
        answers.append(answer);
    }
    return answers;
}
