#pragma once

#include <QStringList>
#include <QVariantMap>

// What the dictionaries page shows beside each name: the number of words, a
// picture for children who cannot read the name yet, and whether the player
// may remove it (a player's imported set, never a bundled dictionary nor a
// set for every user).
namespace DictionaryDetails {

// name -> { "words": int, "picture": image address for the views ("" when
// the dictionary has no picture), "removable": bool }, for every name given.
QVariantMap describe(const QStringList &names);

} // namespace DictionaryDetails
