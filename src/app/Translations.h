#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The interface texts in the player's language: Vocalune's own catalogue from
// the resource bundle (:/i18n/vocalune_<language>.qm) and Qt's (the dialog
// buttons, the command line's help) from Qt's translations folder when it has
// them. The languages are tried in the locale's order of preference (on Linux
// LANGUAGE, then LC_ALL, LC_MESSAGES, LANG); English, the source, or a
// language without a catalogue leaves the English texts. Installed while the
// object lives: create it after the application and before any view.
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The catalogue in use, as "de" or "fi"; empty for English.
    QString language() const;
    // Whether Qt's own texts were found for it too.
    bool hasQtTexts() const;

    // The languages Vocalune is translated into, as "de", "fi", ...
    static QStringList available();

private:
    QTranslator m_vocalune;
    QTranslator m_qt;
    QString m_language;
    bool m_vocaluneInstalled = false;
    bool m_qtInstalled = false;
};
