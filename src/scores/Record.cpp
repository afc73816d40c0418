#include "Record.h"

#include "DataDirectory.h"

#include <QDataStream>

Record::Record(QObject *parent)
    : QObject(parent)
    , m_score(0)
    , m_player(QLatin1String(""))
    , m_active(false)
{
}

qint16 Record::score() const
{
    return m_score;
}

QString Record::player() const
{
    return m_player;
}

bool Record::active() const
{
    return m_active;
}

void Record::setScore(qint16 score)
{
    m_score = score;
    emit scoreChanged();
}

void Record::setPlayer(const QString &player)
{
    m_player = player;
    emit playerChanged();
}

void Record::setActive(bool active)
{
    m_active = active;
    emit activityChanged();
}

QDataStream &operator<<(QDataStream &out, const Record &record)
{
    return out << record.m_player << record.m_score;
}

QDataStream &operator>>(QDataStream &in, Record &record)
{
    DataDirectory::readString(in, record.m_player);
    return in >> record.m_score;
}
