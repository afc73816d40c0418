#include "SqliteConnection.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

QAtomicInt connectionCount;

} // namespace

QString SqliteConnection::uniqueName(const char *role)
{
    return QStringLiteral("vocalune-progress-%1-%2").arg(connectionCount.fetchAndAddRelaxed(1)).arg(role);
}

bool SqliteConnection::open(const QString &name, const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open())
        return false;
    // Where it cannot be set, SQLite's default FULL is safer still.
    QSqlQuery query(db);
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    return true;
}

void SqliteConnection::close(const QString &name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

bool SqliteConnection::write(const QString &name, const std::function<bool(QSqlQuery &)> &work)
{
    QSqlQuery query(QSqlDatabase::database(name, false));
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (work(query) && query.exec(QStringLiteral("COMMIT")))
        return true;
    query.exec(QStringLiteral("ROLLBACK"));
    return false;
}
