#pragma once

#include <QString>

#include <functional>

class QSqlQuery;

// Connections to progress.sqlite, one per thread that uses it.
namespace SqliteConnection {

// A connection name no other connection of this process has.
QString uniqueName(const char *role);

// WAL with synchronous=NORMAL: a commit is in the log before it returns, so
// killing the program loses at most the answer being written; only a power
// cut can lose the last few commits. No fsync per answer keeps taps cheap.
bool open(const QString &name, const QString &path);

// Closes and forgets the connection once no QSqlDatabase of it is left.
void close(const QString &name);

// Runs work in one write transaction: all of it or nothing. IMMEDIATE takes
// the write lock at the start, so connections of several threads wait for
// each other instead of failing half-way.
bool write(const QString &name, const std::function<bool(QSqlQuery &)> &work);

} // namespace SqliteConnection
