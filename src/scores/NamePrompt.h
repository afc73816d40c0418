#pragma once

#include <QString>

// How a score that enters the top ten asks for the player's name. The rules
// only ask; the app answers with a dialog, a test with the names it scripted.
class NamePrompt
{
public:
    virtual ~NamePrompt() = default;

    // Waits for the player's answer: the name typed (at most maxLength
    // characters), or an empty one when nothing was typed or the prompt was
    // cancelled.
    virtual QString askName(const QString &title, const QString &label, int maxLength) = 0;

    // The first characters of name, as a player sees characters, that fit in
    // maxLength UTF-16 units: a cut never splits a surrogate pair or a
    // combining sequence, and the records file keeps its layout. Half of a
    // surrogate pair that another cut left at the end goes too.
    static QString fit(const QString &name, int maxLength);
};
