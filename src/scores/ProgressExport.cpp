#include "ProgressExport.h"

#include "ClassServer.h"
#include "ProgressStore.h"
#include "WordMemory.h"

#include <QMap>
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
    if (store.status() != ProgressStore::Ready) {
        if (error)
            *error = QStringLiteral("The players' progress is not available.");
        return false;
    }
    const QList<ProgressStore::Player> players = store.players();
    QStringList names;
    for (const ProgressStore::Player &player : players)
        names << player.name;
    return writeCsv(
        names, [&](int index) { return store.answers(players.at(index).id); }, path, error);
}

bool ProgressExport::writeCsv(const QStringList &players,
                              const std::function<QList<WordMemory::Answer>(int index)> &answersOf, const QString &path,
                              QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    QByteArray out;
    writeRow(out, {"player", "dictionary", "word", "box", "right_first_try", "mistakes", "first_seen", "last_seen"});
    for (int index = 0; index < players.size(); ++index) {
        const WordMemory memory = WordMemory::of(answersOf(index));
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
                         {players.at(index), dictionary, word, QString::number(state.box),
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

bool ProgressExport::writeCsv(ClassServer &server, const QString &path, QString *error)
{
    QList<ClassServer::Pupil> pupils;
    QList<ClassServer::Answer> answers;
    if (!server.pupils(&pupils) || !server.classAnswers(&answers)) {
        if (error)
            *error = server.errorText();
        return false;
    }
    QMap<QString, QList<WordMemory::Answer>> byPupil;
    for (const ClassServer::Pupil &pupil : pupils)
        byPupil[pupil.name];
    for (const ClassServer::Answer &answer : answers)
        byPupil[answer.pupil].append(answer.answer);
    const QStringList names = byPupil.keys();
    return writeCsv(
        names, [&](int index) { return byPupil.value(names.at(index)); }, path, error);
}
