#pragma once

#include "NamePrompt.h"

#include <QPointer>

#include <functional>

class QWidget;

// The top-ten name prompt as the player meets it: a modal text dialog over
// the window that takes no more characters than an entry keeps.
class NamePromptDialog : public NamePrompt
{
public:
    explicit NamePromptDialog(QWidget *parent = nullptr);

    QString askName(const QString &title, const QString &label, int maxLength) override;
    // The name the field starts with (still editable).
    void setSuggestion(std::function<QString()> suggestion) { m_suggestion = std::move(suggestion); }

private:
    QPointer<QWidget> m_parent;
    std::function<QString()> m_suggestion;
};
