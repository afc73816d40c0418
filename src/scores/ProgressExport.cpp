#include "ProgressExport.h"

#include "ProgressStore.h"
#include "WordMemory.h"

#include <QSaveFile>

#include <algorithm>

namespace {

QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

// With its offset from UTC, so that a reader elsewhere reads the same moment.
QString isoDate(const QDateTime &at)
{
    return at.toOffsetFromUtc(at.offsetFromUtc()).toString(Qt::ISODate);
}

void writeRow(QByteArray &out, const QStringList &fields)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += field(fields[i]);
    }
    out += "\r\n";
}

} // namespace

bool ProgressExport::writeCsv(const ProgressStore &store, const QString &path, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (store.status() != ProgressStore::Ready)
        return fail(QStringLiteral("The players' progress is not available."));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    QByteArray out;
    writeRow(out, {"player", "dictionary", "word", "box", "right_first_try", "mistakes", "first_seen", "last_seen"});
    for (const ProgressStore::Player &player : store.players()) {
        const WordMemory memory = WordMemory::of(store.answers(player.id));
        // Sorted, so two exports of the same answers are the same file.
        QStringList dictionaries = memory.words().keys();
        std::sort(dictionaries.begin(), dictionaries.end());
        for (const QString &dictionary : dictionaries) {
            const QHash<QString, WordMemory::State> &words = memory.words()[dictionary];
            QStringList names = words.keys();
            std::sort(names.begin(), names.end());
            for (const QString &word : names) {
                const WordMemory::State &state = words[word];
                writeRow(out,
                         {player.name, dictionary, word, QString::number(state.box),
                          QString::number(state.rightFirstTry), QString::number(state.mistakes),
                          isoDate(state.firstSeen), isoDate(state.lastSeen)});
            }
        }
        // Written a player at a time, so forty players' rows are never all in memory.
        if (file.write(out) != out.size())
            return fail(file.errorString());
        out.clear();
    }
    if (file.write(out) != out.size() || !file.commit())
        return fail(file.errorString());
    return true;
}
