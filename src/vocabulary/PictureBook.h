#pragma once

#include "WordStore.h"

#include <QAbstractListModel>
#include <QList>

// The picture book's pages: every word of the chosen dictionaries with its
// picture and recording, for meeting words before playing. It keeps no score
// and deals nothing, so the word pool of a game in progress stays as it is.
// Roles for a view: imagePath, word, soundPath, dictionary.
class PictureBook : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { ImagePathRole = Qt::UserRole + 1, WordRole, SoundPathRole, DictionaryRole };

    explicit PictureBook(QObject *parent = nullptr);

    // Reads the store's chosen dictionaries again (after the player changed them).
    Q_INVOKABLE void reload();
    // Asks for the recording of the word at row; false outside the rows.
    Q_INVOKABLE bool play(int row);

    int count() const;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();
    void playSound(QString path);

private:
    QList<WordStore::Entry> m_entries;
};
