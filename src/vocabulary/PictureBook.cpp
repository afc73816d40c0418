#include "PictureBook.h"

PictureBook::PictureBook(QObject *parent)
    : QAbstractListModel(parent)
{
    reload();
}

void PictureBook::reload()
{
    beginResetModel();
    m_entries = WordStore::instance()->chosenWords();
    endResetModel();
    emit countChanged();
}

bool PictureBook::play(int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    emit playSound(m_entries.at(row).soundPath());
    return true;
}

int PictureBook::count() const
{
    return m_entries.size();
}

int PictureBook::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant PictureBook::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const WordStore::Entry &entry = m_entries.at(index.row());
    switch (role) {
    case ImagePathRole:
        return entry.imagePath;
    case Qt::DisplayRole:
    case WordRole:
        return entry.word;
    case SoundPathRole:
        return entry.soundPath();
    case DictionaryRole:
        return entry.dictionary;
    }
    return QVariant();
}

QHash<int, QByteArray> PictureBook::roleNames() const
{
    return {
        {ImagePathRole, "imagePath"}, {WordRole, "word"}, {SoundPathRole, "soundPath"}, {DictionaryRole, "dictionary"}};
}
