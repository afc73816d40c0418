#include "ImportedSets.h"

#include "DataDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QVector>

#include <algorithm>

namespace {

const QStringList RecordingSuffixes = {"mp3", "ogg", "wav"};

bool isTag(uint c)
{
    return c >= 0xE0020 && c <= 0xE007F;
}

// Emoji are symbols; what joins or colours them (a zero-width joiner, a skin
// tone, the tags of a regional flag) only follows another character.
bool isEmojiCharacter(uint c, uint previous, bool first)
{
    if (QChar::category(c) == QChar::Symbol_Other)
        return true;
    if (first)
        return false;
    if (c == 0x200D || (c >= 0x1F3FB && c <= 0x1F3FF))
        return true;
    return isTag(c) && (previous == 0x1F3F4 || isTag(previous));
}

bool isNameCharacter(uint c, uint previous, bool first, bool underscore, bool emoji)
{
    if (QChar::isLetter(c) || QChar::isDigit(c))
        return true;
    // Combining marks belong to the letter before them (many scripts need them).
    if (QChar::isMark(c))
        return !first;
    if (emoji && isEmojiCharacter(c, previous, first))
        return true;
    return c == ' ' || c == '-' || c == '\'' || c == 0x2019 || (underscore && c == '_');
}

bool isName(const QString &name, int maximumLength, bool underscore, bool emoji)
{
    const QVector<uint> characters = name.toUcs4();
    if (characters.isEmpty() || characters.size() > maximumLength)
        return false;
    if (characters.first() == ' ' || characters.last() == ' ' || characters.last() == 0x200D)
        return false;
    for (int i = 0; i < characters.size(); ++i) {
        if (!isNameCharacter(characters.at(i), i > 0 ? characters.at(i - 1) : 0, i == 0, underscore, emoji))
            return false;
    }
    return true;
}

bool lessIgnoringCase(const QString &a, const QString &b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

namespace ImportedSets {

bool isWord(const QString &word)
{
    return isName(word, MaximumWordLength, false, true);
}

bool isSetName(const QString &name)
{
    return isName(name, MaximumSetNameLength, true, false);
}

QStringList bundledNames()
{
    return QDir(QStringLiteral(":/png/")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

bool isBundledName(const QString &name)
{
    return bundledNames().contains(name, Qt::CaseInsensitive);
}

QStringList systemRoots()
{
    QString variable = qEnvironmentVariable("XDG_DATA_DIRS");
    if (variable.trimmed().isEmpty())
        variable = QStringLiteral("/usr/local/share:/usr/share");
    QStringList roots;
    const QStringList entries = variable.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &folder : entries) {
        // A relative entry would depend on where the game was started from.
        if (!QDir::isAbsolutePath(folder))
            continue;
        const QString root = QDir::cleanPath(folder + QStringLiteral("/vocalune/wordsets"));
        if (!roots.contains(root))
            roots.append(root);
    }
    return roots;
}

QString rootOf(const QString &set)
{
    if (!isSetName(set) || isBundledName(set))
        return QString();
    const QStringList roots = systemRoots();
    for (const QString &root : roots) {
        const QFileInfo folder(picturesDirectory(set, root));
        if (folder.isDir() && !folder.isSymLink() && words(set, root).size() >= MinimumWords)
            return root;
    }
    return QString();
}

QString picturesRoot(const QString &root)
{
    return (root.isEmpty() ? DataDirectory::path() : root) + QStringLiteral("/png");
}

QString recordingsRoot(const QString &root)
{
    return (root.isEmpty() ? DataDirectory::path() : root) + QStringLiteral("/mp3");
}

QString picturesDirectory(const QString &set, const QString &root)
{
    return picturesRoot(root) + QLatin1Char('/') + set;
}

QString recordingsDirectory(const QString &set, const QString &root)
{
    return recordingsRoot(root) + QLatin1Char('/') + set;
}

QStringList folders(const QString &root)
{
    const QStringList bundled = bundledNames();
    QStringList found;
    const QFileInfoList entries = QDir(picturesRoot(root)).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        // A set never hides a bundled dictionary, and nothing is read through a link.
        if (entry.isSymLink() || !isSetName(name) || bundled.contains(name, Qt::CaseInsensitive))
            continue;
        found.append(name);
    }
    std::sort(found.begin(), found.end(), lessIgnoringCase);
    return found;
}

QStringList systemNames()
{
    QStringList found;
    const QStringList roots = systemRoots();
    for (const QString &root : roots) {
        const QStringList sets = folders(root);
        for (const QString &set : sets) {
            if (!found.contains(set, Qt::CaseInsensitive) && words(set, root).size() >= MinimumWords)
                found.append(set);
        }
    }
    std::sort(found.begin(), found.end(), lessIgnoringCase);
    return found;
}

QStringList names()
{
    const QStringList system = systemNames();
    QStringList usable = system;
    const QStringList own = folders();
    for (const QString &set : own) {
        // A player's set imported before a system set of its name appeared
        // stays on disk untouched (nothing is lost), but the system set is
        // the one listed: one name, one set.
        if (!system.contains(set, Qt::CaseInsensitive) && words(set).size() >= MinimumWords)
            usable.append(set);
    }
    return usable;
}

bool isImported(const QString &name)
{
    return folders().contains(name) && !isSystemName(name);
}

bool isSystemName(const QString &name)
{
    return systemNames().contains(name, Qt::CaseInsensitive);
}

QStringList words(const QString &set, const QString &root)
{
    QStringList found;
    const QFileInfoList entries =
        QDir(picturesDirectory(set, root)).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString word = entry.completeBaseName();
        if (!entry.isSymLink() && entry.suffix() == QLatin1String("png") && isWord(word))
            found.append(word);
    }
    return found;
}

QString recordingPath(const QString &set, const QString &word, const QString &root)
{
    // Nothing is played through a link: it could lead anywhere on the computer.
    const QString directory = recordingsDirectory(set, root);
    if (QFileInfo(directory).isSymLink())
        return QString();
    const QString base = directory + QLatin1Char('/') + word + QLatin1Char('.');
    for (const QString &suffix : RecordingSuffixes) {
        const QFileInfo candidate(base + suffix);
        if (candidate.isFile() && !candidate.isSymLink())
            return candidate.filePath();
    }
    const QFileInfo silent(base + QStringLiteral("wav"));
    return silent.exists() || silent.isSymLink() ? QString() : silent.filePath();
}

} // namespace ImportedSets
