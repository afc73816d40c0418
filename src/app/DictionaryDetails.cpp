#include "DictionaryDetails.h"

#include "ImportedSets.h"
#include "WordStore.h"

#include <QDir>
#include <QHash>
#include <QUrl>

namespace {

// The picture that says the topic best, where the first word in name order
// would not (an alligator for all the animals). The first one present wins.
const QHash<QString, QStringList> &covers()
{
    static const QHash<QString, QStringList> table = {
        {QStringLiteral("Animals"), {QStringLiteral("Lion"), QStringLiteral("Cat")}},
        {QStringLiteral("Fruit and Vegetables"), {QStringLiteral("Apple"), QStringLiteral("Carrot")}},
        {QStringLiteral("Food"), {QStringLiteral("Pizza"), QStringLiteral("Bread")}},
        {QStringLiteral("Home"), {QStringLiteral("House"), QStringLiteral("Bed")}},
        {QStringLiteral("School"), {QStringLiteral("Pencil"), QStringLiteral("Backpack")}},
        {QStringLiteral("Clothes"), {QStringLiteral("T-shirt"), QStringLiteral("Dress")}},
        {QStringLiteral("Transport"), {QStringLiteral("Bus"), QStringLiteral("Car")}},
        {QStringLiteral("Nature and Weather"), {QStringLiteral("Rainbow"), QStringLiteral("Sun")}},
        {QStringLiteral("Sports and Toys"), {QStringLiteral("Football"), QStringLiteral("Teddy bear")}},
        {QStringLiteral("Jobs"), {QStringLiteral("Doctor"), QStringLiteral("Teacher")}},
    };
    return table;
}

QString coverOf(const QString &name, const QStringList &words)
{
    const QStringList preferred = covers().value(name);
    for (const QString &word : preferred) {
        if (words.contains(word))
            return word;
    }
    return words.value(0);
}

QVariantMap bundled(const QString &name)
{
    const QStringList words = WordStore::bundledWords(name);
    const QString cover = coverOf(name, words);
    // Bundled pictures come through the program's picture provider, scaled once.
    const QString picture = cover.isEmpty()
        ? QString()
        : QStringLiteral("image://vocalune/png/") + name + QLatin1Char('/') + cover + QStringLiteral(".png");
    return {{QStringLiteral("words"), words.size()},
            {QStringLiteral("picture"), picture},
            {QStringLiteral("removable"), false}};
}

QVariantMap imported(const QString &name)
{
    const QString root = ImportedSets::rootOf(name);
    const QStringList words = ImportedSets::words(name, root);
    const QString cover = words.value(0);
    const QString picture = cover.isEmpty() ? QString()
                                            : QUrl::fromLocalFile(ImportedSets::picturesDirectory(name, root)
                                                                  + QLatin1Char('/') + cover + QStringLiteral(".png"))
                                                  .toString();
    return {{QStringLiteral("words"), words.size()},
            {QStringLiteral("picture"), picture},
            {QStringLiteral("removable"), root.isEmpty() && ImportedSets::isImported(name)}};
}

} // namespace

QVariantMap DictionaryDetails::describe(const QStringList &names)
{
    QVariantMap details;
    for (const QString &name : names) {
        const bool isBundled = QDir(QStringLiteral(":/png/") + name).exists();
        details.insert(name, isBundled ? bundled(name) : imported(name));
    }
    return details;
}
