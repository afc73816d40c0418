#pragma once

#include <QString>

// The family's own recordings of words, made in the program: one Ogg Vorbis
// file a word, in <data>/voices/<dictionary>/<word>.ogg. A name that could
// not be one folder or file name safely (slashes, dots at the start, control
// characters, anything beyond letters, digits, spaces, '-', '_' and '\'') is
// stored under a safe spelling of it, never outside that folder.
namespace FamilyVoices {

// <data>/voices
QString root();
// The file a word's recording is kept in, whether it exists or not.
QString path(const QString &dictionary, const QString &word);
// The file, when the word has a recording of the family's own; empty otherwise.
QString recording(const QString &dictionary, const QString &word);
// Removes the word's recording (back to the built-in voice); true when none is left.
bool remove(const QString &dictionary, const QString &word);

// The safe spelling of one name as a file or folder name.
QString safeName(const QString &name);

} // namespace FamilyVoices
