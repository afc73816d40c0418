#pragma once

#include <QString>

class ProgressStore;

// Every player's words as a table a parent opens in a spreadsheet.
namespace ProgressExport {

// One row per player and word: player, dictionary, word, box,
// right_first_try, mistakes, first_seen, last_seen (ISO 8601). UTF-8 without
// a byte order mark, CRLF line ends, quoted as RFC 4180 says. Written whole or
// not at all; on failure, error gets a one-line reason.
bool writeCsv(const ProgressStore &store, const QString &path, QString *error = nullptr);

} // namespace ProgressExport
