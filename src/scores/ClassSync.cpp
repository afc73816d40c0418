#include "ClassSync.h"

#include "ProgressExport.h"
#include "SqliteConnection.h"

#include <QDateTime>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include <algorithm>

namespace {

// Answers read and sent at a time: a machine that was offline for weeks sends
// its answers in steps, never all in memory at once.
constexpr int AnswersPerPush = 500;
constexpr int FirstRetryMs = 1000;
constexpr int LastRetryMs = 30000;

// The marks of an answer in progress.sqlite.
enum Pushed { NotPushed = 0, OnServer = 1, RefusedByServer = 2 };

} // namespace

class ClassSync::Worker : public QObject
{
public:
    Worker(ClassSync *owner, const Setup &setup)
        : m_owner(owner)
        , m_setup(setup)
        , m_local(SqliteConnection::uniqueName("class"))
    {
    }

    void start()
    {
        m_server = new ClassServer(m_setup.server, m_setup.className, m_setup.checks);
        m_retry = new QTimer(this);
        m_retry->setSingleShot(true);
        QObject::connect(m_retry, &QTimer::timeout, this, [this] { pushAll(true); });
        m_localOpen = SqliteConnection::open(m_local, m_setup.database);
    }

    void stop()
    {
        delete m_retry;
        m_retry = nullptr;
        delete m_server;
        m_server = nullptr;
        if (m_localOpen)
            SqliteConnection::close(m_local);
        m_localOpen = false;
    }

    // forced: tries the server even while a retry is pending.
    void pushAll(bool forced)
    {
        if (!m_localOpen || (!forced && m_retry->isActive()))
            return;
        if (!connect())
            return;
        for (;;) {
            QList<ClassServer::Answer> answers = unpushed();
            const QList<ClassServer::Pupil> pupils = newPupils();
            if (answers.isEmpty() && pupils.isEmpty())
                return;
            if (!attempt([&] { return m_server->push(pupils, answers); }) && !pushOneByOne(pupils, answers))
                return;
            for (const ClassServer::Pupil &pupil : pupils)
                m_pushedPupils.insert(pupil.name);
            if (!mark(answers, OnServer))
                return;
        }
    }

    void fetch(const QString &pupil)
    {
        int added = -1;
        if (m_localOpen && connect()) {
            pushAll(true);
            const qint64 player = localPlayer(pupil);
            QString cursor = localCursor(pupil);
            QList<ClassServer::Answer> answers;
            if (player < 0)
                added = 0;
            else if (attempt([&] { return m_server->fetch(pupil, &cursor, &answers); }))
                added = insert(player, pupil, cursor, answers);
            else
                failed();
        }
        post([=](ClassSync *sync) { emit sync->fetched(pupil, added); });
    }

    void fetchPupils()
    {
        QList<ClassServer::Pupil> pupils;
        int added = -1;
        if (m_localOpen && connect()) {
            if (attempt([&] { return m_server->pupils(&pupils); }))
                added = addPlayers(pupils);
            else
                failed();
        }
        post([=](ClassSync *sync) { emit sync->pupilsAdded(added); });
    }

    void loadClass()
    {
        ClassSummary summary;
        QList<ClassServer::Pupil> pupils;
        QList<ClassServer::Answer> answers;
        if (connect()) {
            if (attempt([&] { return m_server->pupils(&pupils) && m_server->classAnswers(&answers); }))
                summary = ClassSync::summarize(pupils, answers, 10);
            else
                failed();
        }
        post([=](ClassSync *sync) { emit sync->classLoaded(summary); });
    }

    void exportCsv(const QString &path)
    {
        QString error;
        if (!ProgressExport::writeCsv(*m_server, path, &error)) {
            if (error.isEmpty())
                error = QStringLiteral("the class's server could not be asked");
            if (m_server->failure() == ClassServer::Unreachable || m_server->failure() == ClassServer::Refused)
                failed();
        }
        post([=](ClassSync *sync) { emit sync->exported(path, error); });
    }

private:
    template <typename Work>
    void post(Work work)
    {
        ClassSync *owner = m_owner;
        QMetaObject::invokeMethod(
            owner, [owner, work] { work(owner); }, Qt::QueuedConnection);
    }

    void report(State state)
    {
        if (state == m_reported && state != Refused)
            return;
        m_reported = state;
        const QString error = m_server->errorText();
        post([state, error](ClassSync *sync) { sync->setState(state, error); });
    }

    bool connect()
    {
        if (m_server->isConnected())
            return true;
        if (m_server->connect()) {
            m_retryMs = FirstRetryMs;
            // A new session may meet a server that lost what the last one sent.
            m_pushedPupils.clear();
            report(Online);
            return true;
        }
        failed();
        return false;
    }

    // A connection left from before a restart of the server fails its first
    // statement: one new connection and one more try tell that from a server
    // that is gone.
    template <typename Work>
    bool attempt(Work work)
    {
        if (work())
            return true;
        return m_server->failure() == ClassServer::Unreachable && m_server->connect() && work();
    }

    // After a failure: offline or refused, and a retry later either way.
    void failed()
    {
        const ClassServer::Failure failure = m_server->failure();
        if (failure == ClassServer::Failed) {
            report(Online);
            return;
        }
        report(failure == ClassServer::Refused ? Refused : Offline);
        if (!m_retry->isActive())
            m_retry->start(m_retryMs);
        m_retryMs = std::min(m_retryMs * 2, LastRetryMs);
    }

    // A batch the server refused: each answer on its own, and those it still
    // refuses are marked so, never to hold the others up again.
    bool pushOneByOne(const QList<ClassServer::Pupil> &pupils, const QList<ClassServer::Answer> &answers)
    {
        if (m_server->failure() != ClassServer::Failed) {
            failed();
            return false;
        }
        if (!pupils.isEmpty() && !m_server->push(pupils, {})) {
            failed();
            return false;
        }
        for (const ClassServer::Answer &answer : answers) {
            if (m_server->push({}, {answer}))
                continue;
            if (m_server->failure() != ClassServer::Failed || !mark({answer}, RefusedByServer)) {
                failed();
                return false;
            }
        }
        return true;
    }

    QSqlQuery query() const { return QSqlQuery(QSqlDatabase::database(m_local, false)); }

    QList<ClassServer::Answer> unpushed() const
    {
        QList<ClassServer::Answer> answers;
        QSqlQuery query = this->query();
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT a.id, p.name, a.dictionary, a.word, a.game, a.outcome, a.at"
                                     " FROM answers a JOIN players p ON p.id = a.player"
                                     " WHERE a.pushed = ? ORDER BY a.at, a.rowid LIMIT ?"));
        query.addBindValue(int(NotPushed));
        query.addBindValue(AnswersPerPush);
        if (!query.exec())
            return answers;
        while (query.next()) {
            ClassServer::Answer answer;
            answer.id = query.value(0).toString();
            answer.pupil = query.value(1).toString();
            answer.answer.dictionary = query.value(2).toString();
            answer.answer.word = query.value(3).toString();
            answer.answer.game = WordMemory::Game(query.value(4).toInt());
            answer.answer.outcome = WordMemory::Outcome(query.value(5).toInt());
            answer.answer.at = QDateTime::fromMSecsSinceEpoch(query.value(6).toLongLong(), Qt::UTC);
            answers.append(answer);
        }
        return answers;
    }

    QList<ClassServer::Pupil> newPupils() const
    {
        QList<ClassServer::Pupil> pupils;
        QSqlQuery query = this->query();
        // A pupil goes up with their first answer: a player who never played
        // (the "Player 1" every machine starts with) stays on the machine.
        if (!query.exec(QStringLiteral("SELECT name, picture FROM players p"
                                       " WHERE EXISTS (SELECT 1 FROM answers a WHERE a.player = p.id) ORDER BY id")))
            return pupils;
        while (query.next()) {
            const ClassServer::Pupil pupil{query.value(0).toString(), query.value(1).toString()};
            if (!m_pushedPupils.contains(pupil.name))
                pupils.append(pupil);
        }
        return pupils;
    }

    bool mark(const QList<ClassServer::Answer> &answers, Pushed pushed)
    {
        return SqliteConnection::write(m_local, [&](QSqlQuery &query) {
            query.prepare(QStringLiteral("UPDATE answers SET pushed = ? WHERE id = ? AND pushed = ?"));
            for (const ClassServer::Answer &answer : answers) {
                query.addBindValue(int(pushed));
                query.addBindValue(answer.id);
                query.addBindValue(int(NotPushed));
                if (!query.exec())
                    return false;
            }
            return true;
        });
    }

    qint64 localPlayer(const QString &name) const
    {
        QSqlQuery query = this->query();
        query.prepare(QStringLiteral("SELECT id FROM players WHERE name = ? ORDER BY id LIMIT 1"));
        query.addBindValue(name);
        return query.exec() && query.next() ? query.value(0).toLongLong() : -1;
    }

    QString localCursor(const QString &pupil) const
    {
        QSqlQuery query = this->query();
        query.prepare(QStringLiteral("SELECT cursor FROM class_cursors WHERE class = ? AND pupil = ?"));
        query.addBindValue(m_setup.className);
        query.addBindValue(pupil);
        return query.exec() && query.next() ? query.value(0).toString() : QString();
    }

    // The answers fetched, and where the next fetch starts, in one
    // transaction; an id this machine has already is left as it is. The number added, or -1.
    int insert(qint64 player, const QString &pupil, const QString &cursor, const QList<ClassServer::Answer> &answers)
    {
        int added = 0;
        const bool written = SqliteConnection::write(m_local, [&](QSqlQuery &query) {
            query.prepare(QStringLiteral("INSERT OR IGNORE INTO answers"
                                         " (id, player, dictionary, word, game, outcome, at, pushed)"
                                         " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const ClassServer::Answer &answer : answers) {
                query.addBindValue(answer.id);
                query.addBindValue(player);
                query.addBindValue(answer.answer.dictionary);
                query.addBindValue(answer.answer.word);
                query.addBindValue(int(answer.answer.game));
                query.addBindValue(int(answer.answer.outcome));
                query.addBindValue(answer.answer.at.toMSecsSinceEpoch());
                query.addBindValue(int(OnServer));
                if (!query.exec())
                    return false;
                added += query.numRowsAffected();
            }
            query.prepare(
                QStringLiteral("INSERT OR REPLACE INTO class_cursors (class, pupil, cursor) VALUES (?, ?, ?)"));
            query.addBindValue(m_setup.className);
            query.addBindValue(pupil);
            // Qt binds a null string as NULL: "" is the start.
            query.addBindValue(cursor.isNull() ? QStringLiteral("") : cursor);
            return query.exec();
        });
        return written ? added : -1;
    }

    int addPlayers(const QList<ClassServer::Pupil> &pupils)
    {
        int added = 0;
        const bool written = SqliteConnection::write(m_local, [&](QSqlQuery &query) {
            query.prepare(QStringLiteral("INSERT INTO players (name, picture, added) SELECT ?, ?, ?"
                                         " WHERE (SELECT count(*) FROM players) < ?"
                                         " AND NOT EXISTS (SELECT 1 FROM players WHERE name = ?)"));
            for (const ClassServer::Pupil &pupil : pupils) {
                query.addBindValue(pupil.name);
                query.addBindValue(pupil.picture.isEmpty() ? m_setup.defaultPicture : pupil.picture);
                query.addBindValue(QDateTime::currentMSecsSinceEpoch());
                query.addBindValue(MaxLocalPlayers);
                query.addBindValue(pupil.name);
                if (!query.exec())
                    return false;
                added += query.numRowsAffected();
            }
            return true;
        });
        return written ? added : -1;
    }

    static constexpr int MaxLocalPlayers = 40;

    ClassSync *m_owner;
    Setup m_setup;
    QString m_local;
    bool m_localOpen = false;
    ClassServer *m_server = nullptr;
    QTimer *m_retry = nullptr;
    int m_retryMs = FirstRetryMs;
    QSet<QString> m_pushedPupils;
    State m_reported = Waiting;
};

ClassSync::ClassSync(const Setup &setup, QObject *parent)
    : QObject(parent)
    , m_class(setup.className)
{
    qRegisterMetaType<ClassSync::ClassSummary>();
    qRegisterMetaType<ClassSync::State>();
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("ClassSync"));
    m_worker = new Worker(this, setup);
    m_worker->moveToThread(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->start(); }, Qt::QueuedConnection);
}

ClassSync::~ClassSync()
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->stop(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_worker;
    delete m_thread;
}

void ClassSync::setState(State state, const QString &error)
{
    m_error = error;
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void ClassSync::push()
{
    // One push waiting is enough: it sends everything there is.
    if (!m_pushQueued.testAndSetOrdered(0, 1))
        return;
    QMetaObject::invokeMethod(
        m_worker,
        [this] {
            m_pushQueued.storeRelease(0);
            m_worker->pushAll(false);
        },
        Qt::QueuedConnection);
}

void ClassSync::retry()
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->pushAll(true); }, Qt::QueuedConnection);
}

void ClassSync::fetch(const QString &pupil)
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, pupil] { worker->fetch(pupil); }, Qt::QueuedConnection);
}

void ClassSync::fetchPupils()
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->fetchPupils(); }, Qt::QueuedConnection);
}

void ClassSync::loadClass()
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->loadClass(); }, Qt::QueuedConnection);
}

void ClassSync::exportCsv(const QString &path)
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, path] { worker->exportCsv(path); }, Qt::QueuedConnection);
}

void ClassSync::flush()
{
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

ClassSync::ClassSummary ClassSync::summarize(const QList<ClassServer::Pupil> &pupils,
                                             const QList<ClassServer::Answer> &answers, int hardest)
{
    QMap<QString, QList<WordMemory::Answer>> byPupil;
    for (const ClassServer::Pupil &pupil : pupils)
        byPupil[pupil.name];
    for (const ClassServer::Answer &answer : answers)
        byPupil[answer.pupil].append(answer.answer);

    ClassSummary summary;
    summary.loaded = true;
    QHash<QPair<QString, QString>, int> mistakes;
    for (auto it = byPupil.cbegin(); it != byPupil.cend(); ++it) {
        const WordMemory memory = WordMemory::of(it.value());
        PupilSummary pupil;
        pupil.name = it.key();
        pupil.learned = memory.learnedCount();
        for (auto dictionary = memory.words().cbegin(); dictionary != memory.words().cend(); ++dictionary) {
            pupil.learning += dictionary->size();
            for (auto word = dictionary->cbegin(); word != dictionary->cend(); ++word) {
                if (word->mistakes > 0)
                    mistakes[{dictionary.key(), word.key()}] += word->mistakes;
            }
        }
        pupil.learning -= pupil.learned;
        if (!it.value().isEmpty())
            pupil.lastPlayed = it.value().last().at;
        summary.pupils.append(pupil);
    }
    for (auto it = mistakes.cbegin(); it != mistakes.cend(); ++it)
        summary.hardest.append({it.key().first, it.key().second, it.value()});
    std::sort(summary.hardest.begin(), summary.hardest.end(), [](const auto &a, const auto &b) {
        return a.mistakes != b.mistakes ? a.mistakes > b.mistakes
                                        : std::tie(a.dictionary, a.word) < std::tie(b.dictionary, b.word);
    });
    summary.hardest = summary.hardest.mid(0, hardest);
    return summary;
}
