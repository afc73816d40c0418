#pragma once

#include "WordMemory.h"

#include <QString>

#include <functional>

class ClassServer;
class ProgressStore;

// Every player's words as a table a parent opens in a spreadsheet.
namespace ProgressExport {

// One row per player and word: player, dictionary, word, box,
// right_first_try, mistakes, first_seen, last_seen (ISO 8601). UTF-8 without
// a byte order mark, CRLF line ends, quoted as RFC 4180 says. Written whole or
// not at all; on failure, error gets a one-line reason.
bool writeCsv(const ProgressStore &store, const QString &path, QString *error = nullptr);

// The same for any players: answersOf(name) gives a player's answers in the
// order given, asked for one player at a time.
bool writeCsv(const QStringList &players, const std::function<QList<WordMemory::Answer>(int index)> &answersOf,
              const QString &path, QString *error = nullptr);

// The whole class on its server, a pupil at a time by name.
bool writeCsv(ClassServer &server, const QString &path, QString *error = nullptr);

} // namespace ProgressExport
