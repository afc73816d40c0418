#include "WordVoices.h"

#include "FamilyVoices.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <iterator>

namespace {

struct Recorded
{
    QString root; // the voices folder the set was read from
    QSet<QString> words;
    bool read = false;
};

Recorded &recorded()
{
    static Recorded cache;
    return cache;
}

bool &preferred()
{
    static bool own = true;
    return own;
}

// As the words' files are named: "<dictionary>/<word>", each spelt safe.
QString keyOf(const QString &dictionary, const QString &word)
{
    return FamilyVoices::safeName(dictionary) + QLatin1Char('/') + FamilyVoices::safeName(word);
}

// The set of the data directory in use: read again when it changed (a test,
// the screenshot tool), else kept.
QSet<QString> &words()
{
    Recorded &cache = recorded();
    const QString root = FamilyVoices::root();
    if (cache.read && cache.root == root)
        return cache.words;
    cache.root = root;
    cache.read = true;
    cache.words.clear();
    // Only plain files one folder down count, as FamilyVoices::recording()
    // says: no link, nothing empty.
    const QDir voices(root);
    QDirIterator it(root, {QStringLiteral("*.ogg")}, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo file = it.fileInfo();
        const QString relative = voices.relativeFilePath(file.filePath());
        if (file.size() > 0 && relative.count(QLatin1Char('/')) == 1)
            cache.words.insert(relative.left(relative.size() - 4));
    }
    return cache.words;
}

} // namespace

QString WordVoices::soundPath(const QString &dictionary, const QString &word, const QString &builtIn)
{
    if (!preferred() || !hasOwn(dictionary, word))
        return builtIn;
    return FamilyVoices::path(dictionary, word);
}

bool WordVoices::hasOwn(const QString &dictionary, const QString &word)
{
    return words().contains(keyOf(dictionary, word));
}

void WordVoices::setOwnPreferred(bool own)
{
    preferred() = own;
}

void WordVoices::stored(const QString &dictionary, const QString &word)
{
    // One look at the disk for a take, never for a tap.
    if (!FamilyVoices::recording(dictionary, word).isEmpty())
        words().insert(keyOf(dictionary, word));
}

bool WordVoices::remove(const QString &dictionary, const QString &word)
{
    if (!FamilyVoices::remove(dictionary, word))
        return false;
    words().remove(keyOf(dictionary, word));
    return true;
}

bool WordVoices::removeDictionary(const QString &dictionary)
{
    const QString folder = FamilyVoices::safeName(dictionary);
    QSet<QString> &recorded = words();
    for (auto it = recorded.begin(); it != recorded.end();)
        it = it->startsWith(folder + QLatin1Char('/')) ? recorded.erase(it) : std::next(it);
    // A link goes, never what it points to.
    const QFileInfo info(FamilyVoices::root() + QLatin1Char('/') + folder);
    if (info.isSymLink())
        return QFile::remove(info.filePath());
    return !info.exists() || QDir(info.filePath()).removeRecursively();
}
