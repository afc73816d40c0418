#pragma once

#include <QString>
#include <QStringList>

// The player's own word sets, imported into the data directory beside the
// recordings of the bundled dictionaries: pictures in <data>/png/<set>/<word>.png,
// recordings in <data>/mp3/<set>/<word>.{mp3,ogg,wav}.
namespace ImportedSets {

// Fewer words cannot deal a Pair Game round on their own.
constexpr int MinimumWords = 6;
constexpr int MaximumWordLength = 24;
constexpr int MaximumSetNameLength = 32;

// Letters of any script, digits, emoji, spaces, hyphens and apostrophes, 1 to
// 24 characters (code points), no space at either end.
bool isWord(const QString &word);
// Letters, digits, spaces, hyphens, apostrophes and underscores, 1 to 32, no space at either end: a
// name that is safe as one folder name everywhere.
bool isSetName(const QString &name);

// The dictionaries of the resource bundle, in bundle order.
QStringList bundledNames();
// True when name equals a bundled dictionary's name, ignoring case.
bool isBundledName(const QString &name);

QString picturesRoot();
QString recordingsRoot();
QString picturesDirectory(const QString &set);
QString recordingsDirectory(const QString &set);

// Every folder in picturesRoot() that could be a set (sane name, not a link,
// not a bundled name), sorted ignoring case, whatever its number of words.
QStringList folders();
// The sets that can be chosen: folders() with at least MinimumWords words.
QStringList names();
// True when name is one of folders().
bool isImported(const QString &name);

// The words of a set: its pictures' names, sorted.
QStringList words(const QString &set);
// The recording of a word, whichever of the allowed kinds exists; the path
// of a WAV that does not exist when there is none (the word stays silent).
QString recordingPath(const QString &set, const QString &word);

} // namespace ImportedSets
