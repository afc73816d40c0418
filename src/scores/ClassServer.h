#pragma once

#include "WordMemory.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <QVariantList>

#include <functional>

class QSqlQuery;

// A class's progress on a PostgreSQL server (data/postgresql/schema.sql): the
// pupils of the class, known by name, and every answer they gave on any
// machine of it. One object is one connection, used on the thread that made
// it. Every statement binds its values. Whatever the server sends back is
// checked before it is handed on: a row that breaks a rule is counted in
// refused() and left out.
class ClassServer
{
public:
    enum Failure {
        NoFailure,
        Unreachable, // no answer, or the connection was lost: try again later
        Refused,     // the server said no to this login: trying again will not help
        Failed,      // the server refused a statement
    };

    struct Pupil
    {
        QString name;
        QString picture;
    };
    // An answer with the id the machine that took it made, and whose it is.
    struct Answer
    {
        QString id;
        QString pupil;
        WordMemory::Answer answer;
    };

    // What this machine knows, beyond the form of a row: its dictionaries'
    // words and the players' pictures. Unset, anything of the right form passes.
    struct Checks
    {
        std::function<bool(const QString &dictionary, const QString &word)> knownWord;
        std::function<bool(const QString &picture)> knownPicture;
    };

    static constexpr int MaxNameLength = 16;

    // server: postgresql://[user@]host[:port]/database[?option=value&...], with
    // libpq's own options (sslmode, service, host as a socket folder, ...).
    // Credentials come from libpq's own places (~/.pgpass, PGSERVICEFILE): a
    // password in the address is never used.
    ClassServer(const QUrl &server, const QString &className, const Checks &checks = {});
    ~ClassServer();
    ClassServer(const ClassServer &) = delete;
    ClassServer &operator=(const ClassServer &) = delete;

    // A class name as a machine may use it: 1 to 16 letters, digits, spaces,
    // hyphens or underscores.
    static bool isClassName(const QString &name);
    // A pupil's name as the server may send it.
    static bool isPupilName(const QString &name);

    QString className() const { return m_class; }
    bool connect();
    bool isConnected() const;
    void disconnect();
    Failure failure() const { return m_failure; }
    // What went wrong last, in one line.
    QString errorText() const { return m_error; }
    // Rows the server sent that broke a rule, since this object was made.
    int refused() const { return m_refused; }

    // Adds the pupils not yet on the server and the answers, in one transaction;
    // an answer whose id is there already is left as it is.
    bool push(const QList<Pupil> &pupils, const QList<Answer> &answers);
    // A pupil's answers added since cursor (empty: all of them), oldest first;
    // cursor then says where the next fetch starts.
    bool fetch(const QString &pupil, QString *cursor, QList<Answer> *answers);
    bool pupils(QList<Pupil> *pupils);
    // Every answer of the class, oldest first.
    bool classAnswers(QList<Answer> *answers);

private:
    bool fail(Failure failure, const QString &error);
    bool failQuery(const QSqlQuery &query, bool inTransaction);
    bool takeAnswer(const QSqlQuery &query, const QString &pupil, Answer *answer);
    // Rows of takeAnswer's columns, then the pupil's name unless pupil is given.
    bool selectAnswers(const QString &sql, const QVariantList &values, const QString &pupil, QList<Answer> *answers);
    bool select(const QString &sql, const QVariantList &values, const std::function<void(const QSqlQuery &)> &row);

    QUrl m_server;
    QString m_class;
    Checks m_checks;
    QString m_connection;
    Failure m_failure = NoFailure;
    bool m_lost = false; // the connection broke; closed by the next connect()
    QString m_error;
    int m_refused = 0;
    LocalTimes m_times;
};
