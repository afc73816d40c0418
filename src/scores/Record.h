#pragma once

#include <QObject>
#include <QString>

class QDataStream;

// One top-ten entry. Created without a parent; the top-ten list owns it.
class Record : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint16 score READ score NOTIFY scoreChanged)
    Q_PROPERTY(QString player READ player NOTIFY playerChanged)
    Q_PROPERTY(bool active READ active NOTIFY activityChanged)

public:
    explicit Record(QObject *parent = nullptr);

    qint16 score() const;
    QString player() const;
    bool active() const;

    // Emit on every call, changed or not.
    void setScore(qint16 score);
    void setPlayer(const QString &player);
    void setActive(bool active);

signals:
    void scoreChanged();
    void playerChanged();
    void activityChanged();

private:
    qint16 m_score;
    QString m_player;
    bool m_active;

    friend QDataStream &operator<<(QDataStream &out, const Record &record);
    friend QDataStream &operator>>(QDataStream &in, Record &record);
};

// The records file layout: the name as a QString, then the score as qint16.
// Reading fills the fields without emitting anything.
QDataStream &operator<<(QDataStream &out, const Record &record);
QDataStream &operator>>(QDataStream &in, Record &record);
