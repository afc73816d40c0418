#pragma once

#include <QString>

#include <functional>

class QDataStream;

// Where the player's files live, and how they are read and written.
namespace DataDirectory {

// The platform's per-application data location; may be empty.
QString platformLocation();

// The data directory: the platform location, or ~/.<application name> when
// the platform gives none.
QString path();

// The data directory + name (name starts with "/", as in "/settings.dat").
// Creates the directory with its parents when it is missing.
QString filePath(const QString &name);

// Where the recordings of a dictionary are copied to: <data directory>/mp3/<dictionary>.
QString recordingsDirectory(const QString &dictionary);

// Test seam: replaces the platform location. An empty function restores it.
void setPlatformLocationProvider(std::function<QString()> provider);

// Writes a whole data file through a temporary file that replaces the old one
// only once everything was written: a crash or a full disk never leaves a
// truncated file behind. Returns false when nothing was replaced.
bool writeFile(const QString &path, const std::function<void(QDataStream &)> &write);

// in >> text, except that a length claiming more than the file holds fails
// straight away, as the read would, without reserving memory for it first.
void readString(QDataStream &in, QString &text);

} // namespace DataDirectory
