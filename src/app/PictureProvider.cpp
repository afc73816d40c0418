#include "PictureProvider.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

// Enough for several dictionaries at the few tile sizes the pages use.
const int MaxCachedPictures = 600;

struct Cache
{
    QMutex mutex;
    QHash<QString, QImage> pictures;
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

} // namespace

PictureProvider::PictureProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

const char *PictureProvider::name()
{
    return "vocalune";
}

void PictureProvider::clear()
{
    QMutexLocker lock(&cache().mutex);
    cache().pictures.clear();
}

int PictureProvider::cachedCount()
{
    QMutexLocker lock(&cache().mutex);
    return cache().pictures.size();
}

QImage PictureProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QString key = id + QLatin1Char('@') + QString::number(requestedSize.width()) + QLatin1Char('x')
        + QString::number(requestedSize.height());
    QMutexLocker lock(&cache().mutex);
    auto found = cache().pictures.constFind(key);
    if (found == cache().pictures.constEnd()) {
        QImage picture(QStringLiteral(":/") + id);
        if (!picture.isNull() && requestedSize.isValid() && !requestedSize.isEmpty()
            && (picture.width() > requestedSize.width() || picture.height() > requestedSize.height())) {
            picture = picture.scaled(requestedSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        if (cache().pictures.size() >= MaxCachedPictures)
            cache().pictures.clear();
        found = cache().pictures.insert(key, picture);
    }
    if (size)
        *size = found->size();
    return *found;
}
