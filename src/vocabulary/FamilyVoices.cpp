#include "FamilyVoices.h"

#include "DataDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString FamilyVoices::root()
{
    return DataDirectory::path() + QStringLiteral("/voices");
}

QString FamilyVoices::safeName(const QString &name)
{
    // Kept as it is where it is plainly safe, so that the folder reads as the
    // dictionary's name; every other character is written as %XXXX.
    QString safe;
    for (const QChar c : name) {
        const bool plain = c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-')
            || c == QLatin1Char('_') || c == QLatin1Char('\'');
        safe += plain ? QString(c) : QStringLiteral("%%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    // Empty, or only spaces, is still a name of its own.
    if (safe.trimmed().isEmpty())
        safe = QStringLiteral("%") + safe.toUtf8().toHex();
    return safe;
}

QString FamilyVoices::path(const QString &dictionary, const QString &word)
{
    return root() + QLatin1Char('/') + safeName(dictionary) + QLatin1Char('/') + safeName(word)
        + QStringLiteral(".ogg");
}

QString FamilyVoices::recording(const QString &dictionary, const QString &word)
{
    const QString file = path(dictionary, word);
    const QFileInfo info(file);
    // A link could point anywhere: only a plain file of the program's own counts.
    return info.isFile() && !info.isSymLink() && info.size() > 0 ? file : QString();
}

bool FamilyVoices::remove(const QString &dictionary, const QString &word)
{
    const QString file = path(dictionary, word);
    return !QFileInfo::exists(file) && !QFileInfo(file).isSymLink() ? true : QFile::remove(file);
}
