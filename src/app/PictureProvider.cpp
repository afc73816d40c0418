#include "PictureProvider.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

// What the decoded pictures may hold: every picture of a few dictionaries
// at the small tile sizes, fewer of the large ones. A count alone would let
// large tiles on a large screen (740 KB each at 1920x1080) take hundreds of MB.
const qint64 MaxCachedBytes = 32 * 1024 * 1024;

struct Cache
{
    QMutex mutex;
    QHash<QString, QImage> pictures;
    qint64 bytes = 0;
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
    cache().bytes = 0;
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
        // Starting afresh costs a few decodes; the pictures on screen stay
        // with the views, which hold their own copies.
        if (cache().bytes + picture.sizeInBytes() > MaxCachedBytes) {
            cache().pictures.clear();
            cache().bytes = 0;
        }
        cache().bytes += picture.sizeInBytes();
        found = cache().pictures.insert(key, picture);
    }
    if (size)
        *size = found->size();
    return *found;
}
