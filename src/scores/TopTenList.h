#pragma once

#include <QList>
#include <QString>

#include <functional>

class NamePrompt;
class QObject;
class Record;

// A game's list of its ten best scores, best first, and its records file in
// the data directory. Both games share this one implementation.
class TopTenList
{
public:
    // The data file's name, DataFiles::WordGameRecords or PairGameRecords.
    explicit TopTenList(const QString &fileName);
    ~TopTenList();

    TopTenList(const TopTenList &) = delete;
    TopTenList &operator=(const TopTenList &) = delete;

    // Each item is a Record; published to the views as "topList".
    const QList<QObject *> &records() const;

    // The longest name an entry keeps, in characters as a player sees them.
    static constexpr int MaxNameLength = 16;

    void load();
    // False when the file could not be written; the old one then stays whole.
    bool save() const;
    bool qualifies(int score) const;
    // The new entry's position (0 = best), or -1 when it found no place; the
    // caller then still owns the record.
    int insert(Record *record);
    // Asks for the player's name (no prompt: no name), adds the entry, calls
    // announce (the game tells its view there), then saves the list; returns
    // whether the save succeeded.
    bool enter(int score, NamePrompt *prompt, const QString &title, const QString &label,
               const std::function<void()> &announce);

private:
    Record *at(int position) const;

    QString m_fileName;
    QList<QObject *> m_records;
};
