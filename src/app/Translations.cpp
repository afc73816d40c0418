#include "Translations.h"

#include "Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

const char *const CatalogueFolder = ":/i18n";

} // namespace

Translations::Translations(const QLocale &locale)
{
    Vocalune::initResources();
    const QStringList languages = locale.uiLanguages();
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        // English first in the list means English, even when a later
        // language has a catalogue.
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_"))
            || language == QLatin1String("C"))
            break;
        // "de_AT" finds vocalune_de.qm; a bare "vocalune.qm" does not exist.
        if (m_vocalune.load(QStringLiteral("vocalune_") + language, QLatin1String(CatalogueFolder))) {
            m_language = m_vocalune.language();
            if (m_language.isEmpty())
                m_language = language.section(QLatin1Char('_'), 0, 0);
            // qt_<language> gathers qtbase and the other modules where the
            // system has them (qttranslations5-l10n).
            m_qtInstalled = m_qt.load(QStringLiteral("qt_") + language,
                                      QLibraryInfo::location(QLibraryInfo::TranslationsPath))
                && QCoreApplication::installTranslator(&m_qt);
            m_vocaluneInstalled = QCoreApplication::installTranslator(&m_vocalune);
            break;
        }
    }
}

Translations::~Translations()
{
    if (m_vocaluneInstalled)
        QCoreApplication::removeTranslator(&m_vocalune);
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
}

QString Translations::language() const
{
    return m_vocaluneInstalled ? m_language : QString();
}

bool Translations::hasQtTexts() const
{
    return m_qtInstalled;
}

QStringList Translations::available()
{
    Vocalune::initResources();
    QStringList languages;
    const QStringList files =
        QDir(QLatin1String(CatalogueFolder)).entryList({QStringLiteral("vocalune_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages << file.mid(int(qstrlen("vocalune_")), file.size() - int(qstrlen("vocalune_")) - 3);
    return languages;
}
