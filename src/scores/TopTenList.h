#pragma once

#include <QList>
#include <QString>

#include <functional>

class QObject;
class QWidget;
class Record;

// A game's list of its ten best scores, best first, and its records file in
// the data directory. Both games share this one implementation.
class TopTenList
{
public:
    explicit TopTenList(const QString &fileName); // "/wgrecords.dat" or "/pgrecords.dat"
    ~TopTenList();

    TopTenList(const TopTenList &) = delete;
    TopTenList &operator=(const TopTenList &) = delete;

    // Each item is a Record; published to the views as "topList".
    const QList<QObject *> &records() const;

    void load();
    void save() const;
    bool qualifies(int score) const;
    // The new entry's position (0 = best), or -1 when it found no place; the
    // caller then still owns the record.
    int insert(Record *record);
    // Asks for the player's name in a modal prompt, adds the entry, calls
    // announce (the game tells its view there), then saves the list.
    void enter(int score, QWidget *parent, const QString &title, const QString &label,
               const std::function<void()> &announce);

private:
    Record *at(int position) const;

    QString m_fileName;
    QList<QObject *> m_records;
};
