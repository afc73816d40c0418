#include "PictureProvider.h"

#include <QDir>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QThreadPool>

namespace {

// What the decoded pictures may hold: every picture of a few dictionaries
// at the small tile sizes, fewer of the large ones. A count alone would let
// large tiles on a large screen (740 KB each at 1920x1080) take hundreds of MB.
const qint64 MaxCachedBytes = 32 * 1024 * 1024;

// Smaller requests are layout passes, not tiles a player sees.
const int MinPrefetchSide = 16;

struct Cache
{
    QMutex mutex;
    QHash<QString, QImage> pictures;
    qint64 bytes = 0;
    // Each folder's pictures are decoded ahead once per size; a folder's
    // latest size is the one worth decoding (a resized window asks anew).
    QSet<QString> prefetched;
    QHash<QString, QSize> latestSize;
    bool prefetching = true;
    bool stopping = false;
    // Background decoding ends with the last provider, before the program
    // tears down what image reading relies on.
    int providers = 0;
    QThreadPool pool;

    Cache() { pool.setMaxThreadCount(1); }
    ~Cache() { stopPrefetch(); }

    // Ends the background decoding; later requests may start it again.
    void stopPrefetch()
    {
        mutex.lock();
        stopping = true;
        mutex.unlock();
        pool.waitForDone();
        QMutexLocker lock(&mutex);
        stopping = false;
    }
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

QString keyOf(const QString &id, const QSize &size)
{
    return id + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') + QString::number(size.height());
}

// Whether column x (or row y, with across false) of rows (columns) from..to
// shows anything.
bool shows(const QImage &picture, int line, int from, int to, bool across)
{
    for (int i = from; i <= to; ++i) {
        const QRgb pixel = across ? reinterpret_cast<const QRgb *>(picture.constScanLine(i))[line]
                                  : reinterpret_cast<const QRgb *>(picture.constScanLine(line))[i];
        if (qAlpha(pixel) != 0)
            return true;
    }
    return false;
}

// The part of the picture that shows anything, widened about its middle to
// the picture's own shape: the bundled pictures have a clear border (their
// art spans about 16 to 239 of 256), which would leave the art smaller than
// its tile. Keeping the shape keeps a square picture square in every tile.
QRect artOf(const QImage &picture)
{
    const int width = picture.width(), height = picture.height();
    int top = 0, bottom = height - 1, left = 0, right = width - 1;
    while (top <= bottom && !shows(picture, top, 0, width - 1, false))
        ++top;
    if (top > bottom)
        return picture.rect();
    while (!shows(picture, bottom, 0, width - 1, false))
        --bottom;
    while (!shows(picture, left, top, bottom, true))
        ++left;
    while (!shows(picture, right, top, bottom, true))
        --right;
    QRect art(QPoint(left, top), QPoint(right, bottom));
    // Widened (or made taller) to the picture's shape, kept inside it.
    if (qint64(art.width()) * height < qint64(art.height()) * width) {
        const int wide = qMin(width, int((qint64(art.height()) * width + height - 1) / height));
        art = QRect(qBound(0, art.center().x() - wide / 2, width - wide), top, wide, art.height());
    } else {
        const int tall = qMin(height, int((qint64(art.width()) * height + width - 1) / width));
        art = QRect(left, qBound(0, art.center().y() - tall / 2, height - tall), art.width(), tall);
    }
    return art;
}

// The picture whole when no size is asked or it is no larger than asked;
// else its art, without the clear border, scaled to fit the size.
QImage decode(const QString &id, const QSize &requestedSize)
{
    QImage picture(QStringLiteral(":/") + id);
    if (!picture.isNull() && requestedSize.isValid() && !requestedSize.isEmpty()
        && (picture.width() > requestedSize.width() || picture.height() > requestedSize.height())) {
        if (picture.hasAlphaChannel()) {
            if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_ARGB32_Premultiplied)
                picture = picture.convertToFormat(QImage::Format_ARGB32);
            // The art's part is scaled where it lies, without a copy of it.
            const QRect art = artOf(picture);
            const QImage part(picture.constBits() + art.y() * picture.bytesPerLine() + art.x() * 4, art.width(),
                              art.height(), picture.bytesPerLine(), picture.format());
            return part.scaled(requestedSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        picture = picture.scaled(requestedSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return picture;
}

// Stores a decoded picture unless another thread got there first; returns
// the stored one.
QImage store(Cache &c, const QString &key, const QImage &picture)
{
    auto found = c.pictures.constFind(key);
    if (found != c.pictures.constEnd())
        return *found;
    if (c.bytes + picture.sizeInBytes() > MaxCachedBytes) {
        // Starting afresh costs a few decodes; the pictures on screen stay
        // with the views, which hold their own copies.
        c.pictures.clear();
        c.bytes = 0;
    }
    c.bytes += picture.sizeInBytes();
    return *c.pictures.insert(key, picture);
}

// Decodes the folder's other pictures at size in the background, as long as
// the size is still the one the folder is shown at and the budget has room.
void prefetch(const QString &folder, const QStringList &files, const QSize &size)
{
    Cache &c = cache();
    for (const QString &file : files) {
        const QString id = folder + QLatin1Char('/') + file;
        const QString key = keyOf(id, size);
        {
            QMutexLocker lock(&c.mutex);
            if (c.stopping || c.latestSize.value(folder) != size)
                return;
            if (c.pictures.contains(key))
                continue;
        }
        const QImage picture = decode(id, size);
        QMutexLocker lock(&c.mutex);
        // Only the views' own requests may start the cache afresh.
        if (c.bytes + picture.sizeInBytes() > MaxCachedBytes)
            return;
        store(c, key, picture);
    }
}

// Called with the lock held, after a view asked for id at size: the next
// rounds will ask for the same dictionary's other pictures at that size.
void schedulePrefetch(Cache &c, const QString &id, const QSize &size, qint64 pictureBytes)
{
    if (!c.prefetching || size.width() < MinPrefetchSide || size.height() < MinPrefetchSide)
        return;
    const int slash = id.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0)
        return;
    const QString folder = id.left(slash);
    c.latestSize.insert(folder, size);
    const QString token = keyOf(folder, size);
    if (c.prefetched.contains(token))
        return;
    c.prefetched.insert(token);
    const QStringList files = QDir(QStringLiteral(":/") + folder).entryList({QStringLiteral("*.png")}, QDir::Files);
    // A folder that would not fit beside what is cached is left to be
    // decoded as it is shown, rather than pushing the shown ones out.
    if (c.bytes + pictureBytes * files.size() > MaxCachedBytes)
        return;
    c.pool.start([folder, files, size] { prefetch(folder, files, size); });
}

} // namespace

PictureProvider::PictureProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
    QMutexLocker lock(&cache().mutex);
    ++cache().providers;
}

PictureProvider::~PictureProvider()
{
    Cache &c = cache();
    {
        QMutexLocker lock(&c.mutex);
        if (--c.providers > 0)
            return;
    }
    c.stopPrefetch();
}

const char *PictureProvider::name()
{
    return "vocalune";
}

void PictureProvider::clear()
{
    waitForPrefetch();
    QMutexLocker lock(&cache().mutex);
    cache().pictures.clear();
    cache().bytes = 0;
    cache().prefetched.clear();
    cache().latestSize.clear();
}

int PictureProvider::cachedCount()
{
    QMutexLocker lock(&cache().mutex);
    return cache().pictures.size();
}

void PictureProvider::setPrefetching(bool on)
{
    QMutexLocker lock(&cache().mutex);
    cache().prefetching = on;
}

void PictureProvider::waitForPrefetch()
{
    cache().pool.waitForDone();
}

QImage PictureProvider::requestImage(const QString &request, QSize *size, const QSize &requestedSize)
{
    static const QString Alone = QStringLiteral("?alone");
    const bool alone = request.endsWith(Alone);
    const QString id = alone ? request.chopped(Alone.size()) : request;
    Cache &c = cache();
    const QString key = keyOf(id, requestedSize);
    QImage picture;
    {
        QMutexLocker lock(&c.mutex);
        picture = c.pictures.value(key);
    }
    if (picture.isNull()) {
        // Decoded outside the lock: the background decoding and the
        // dictionaries page's loader thread ask at the same time.
        picture = decode(id, requestedSize);
        if (!picture.isNull()) {
            QMutexLocker lock(&c.mutex);
            picture = store(c, key, picture);
            if (!alone)
                schedulePrefetch(c, id, requestedSize, picture.sizeInBytes());
        }
    }
    if (size)
        *size = picture.size();
    return picture;
}
