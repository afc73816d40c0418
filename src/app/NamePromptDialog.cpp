#include "NamePromptDialog.h"

#include <QInputDialog>
#include <QLineEdit>

NamePromptDialog::NamePromptDialog(QWidget *parent)
    : m_parent(parent)
{
}

QString NamePromptDialog::askName(const QString &title, const QString &label, int maxLength)
{
    // On the heap: the window may go (and take the dialog with it) while the
    // prompt waits.
    QPointer<QInputDialog> dialog = new QInputDialog(m_parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(label);
    dialog->setInputMode(QInputDialog::TextInput);
    if (m_suggestion)
        dialog->setTextValue(NamePrompt::fit(m_suggestion(), maxLength));
    // A longer name would be cut without a word: the field stops at the
    // limit instead, on a whole character.
    if (auto *field = dialog->findChild<QLineEdit *>()) {
        QObject::connect(field, &QLineEdit::textChanged, field, [field, maxLength](const QString &text) {
            const QString fitted = NamePrompt::fit(text, maxLength);
            if (fitted != text)
                field->setText(fitted);
        });
    }
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return QString();
    const QString name = accepted ? dialog->textValue() : QString();
    delete dialog;
    return name;
}
