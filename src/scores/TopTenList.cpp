#include "TopTenList.h"

#include "DataDirectory.h"
#include "NamePrompt.h"
#include "Record.h"

#include <QDataStream>
#include <QFile>

static const int MaxEntries = 10;

TopTenList::TopTenList(const QString &fileName)
    : m_fileName(fileName)
{
}

TopTenList::~TopTenList()
{
    qDeleteAll(m_records);
}

const QList<QObject *> &TopTenList::records() const
{
    return m_records;
}

Record *TopTenList::at(int position) const
{
    return static_cast<Record *>(m_records.at(position));
}

void TopTenList::load()
{
    QFile file(DataDirectory::filePath(m_fileName));
    if (!file.open(QIODevice::ReadOnly))
        return;

    qDeleteAll(m_records);
    m_records.clear();

    QDataStream in(&file);
    // A damaged record can leave the stream stuck short of its end: stop at
    // the first error. A record that the end of the file cuts short still
    // counts, with what could be read of it.
    while (!in.atEnd()) {
        Record *record = new Record;
        in >> *record;
        if (in.status() == QDataStream::ReadCorruptData) {
            delete record;
            break;
        }
        m_records.append(record);
        if (in.status() != QDataStream::Ok)
            break;
    }
    file.close();
}

bool TopTenList::save() const
{
    return DataDirectory::writeFile(DataDirectory::filePath(m_fileName), [this](QDataStream &out) {
        for (int i = 0; i < m_records.size(); ++i)
            out << *at(i);
    });
}

bool TopTenList::qualifies(int score) const
{
    if (m_records.size() >= MaxEntries)
        return score > at(MaxEntries - 1)->score();
    return score > 0;
}

int TopTenList::insert(Record *record)
{
    // Equal scores keep their order: the newcomer goes below them.
    int position = 0;
    for (; position < m_records.size(); ++position) {
        if (at(position)->score() < record->score()) {
            m_records.insert(position, record);
            if (m_records.size() > MaxEntries)
                delete m_records.takeLast();
            return position;
        }
    }
    if (position < MaxEntries) {
        m_records.append(record);
        return position;
    }
    return -1;
}

bool TopTenList::enter(int score, NamePrompt *prompt, const QString &title, const QString &label,
                       const std::function<void()> &announce)
{
    Record *record = new Record;
    const QString name = prompt ? prompt->askName(title, label, MaxNameLength) : QString();
    record->setPlayer(NamePrompt::fit(name, MaxNameLength));
    record->setScore(static_cast<qint16>(score));
    if (insert(record) < 0)
        delete record;
    if (announce)
        announce();
    return save();
}
