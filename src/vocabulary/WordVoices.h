#pragma once

#include <QString>

// Which recording a word plays: the family's own (FamilyVoices) while the
// settings say "Ours", else its bundled or synthesized one. The words that
// have a recording of the family's own are read from the data directory the
// first time they are asked about and kept up to date as takes are stored and
// removed, so a tap in a game looks at no file.
namespace WordVoices {

// The recording to play for the word; builtIn when it has none of the
// family's own or the built-in voices are chosen.
QString soundPath(const QString &dictionary, const QString &word, const QString &builtIn);
// The word has a recording of the family's own, whichever voice is chosen.
bool hasOwn(const QString &dictionary, const QString &word);

// "Ours" (the default) or "Built-in", as the settings say.
void setOwnPreferred(bool preferred);

// A take was stored for the word (the recorder says so).
void stored(const QString &dictionary, const QString &word);
// Back to the built-in voice: deletes the word's own recording. False when
// it could not go; the word then keeps it.
bool remove(const QString &dictionary, const QString &word);
// A word set removed takes the family's recordings of its words with it.
bool removeDictionary(const QString &dictionary);

} // namespace WordVoices
