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
};
