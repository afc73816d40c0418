#pragma once

#include <QString>
#include <QStringList>

// The player's own word sets, imported into the data directory beside the
// recordings of the bundled dictionaries: pictures in <data>/png/<set>/<word>.png,
// recordings in <data>/mp3/<set>/<word>.{mp3,ogg,wav}. The sets an administrator
// gives every user of the computer have the same layout under
// <dir>/vocalune/wordsets for each <dir> of $XDG_DATA_DIRS (system sets).
//
// A root is a folder holding png/ and mp3/; an empty root names the data
// directory, so the functions below read and write the player's own sets
// unless told otherwise.
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

// <dir>/vocalune/wordsets for each absolute folder of $XDG_DATA_DIRS, in its
// order (/usr/local/share and /usr/share when it is unset or empty).
QStringList systemRoots();
// Where a set that can be chosen is read from: the first system root that
// holds it as a usable set, else the data directory.
QString rootOf(const QString &set);

QString picturesRoot(const QString &root = QString());
QString recordingsRoot(const QString &root = QString());
QString picturesDirectory(const QString &set, const QString &root = QString());
QString recordingsDirectory(const QString &set, const QString &root = QString());

// Every folder in picturesRoot(root) that could be a set (sane name, not a
// link, not a bundled name), sorted ignoring case, whatever its number of words.
QStringList folders(const QString &root = QString());
// The system sets that can be chosen, sorted ignoring case; of two of the
// same name (ignoring case) the one in the earlier root.
QStringList systemNames();
// The sets that can be chosen: systemNames(), then the player's folders()
// with at least MinimumWords words that no system set's name hides.
QStringList names();
// True when name is one of the player's folders() and no system set's name:
// a set the player may remove.
bool isImported(const QString &name);
// True when name equals a system set's name, ignoring case.
bool isSystemName(const QString &name);

// The words of a set: its pictures' names, sorted.
QStringList words(const QString &set, const QString &root = QString());
// The recording of a word, whichever of the allowed kinds exists; the path
// of a WAV that does not exist when there is none (the word stays silent),
// or an empty path when a link stands where the recordings would be.
QString recordingPath(const QString &set, const QString &word, const QString &root = QString());

} // namespace ImportedSets
