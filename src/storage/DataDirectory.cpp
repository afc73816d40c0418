#include "DataDirectory.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

std::function<QString()> &locationProvider()
{
    static std::function<QString()> provider;
    return provider;
}

} // namespace

namespace DataDirectory {

QString platformLocation()
{
    if (locationProvider())
        return locationProvider()();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString path()
{
    const QString location = platformLocation();
    if (!location.isEmpty())
        return location;
    return QDir::homePath() + "/." + QCoreApplication::applicationName();
}

QString filePath(const QString &name)
{
    const QString directory = path();
    if (!QFile::exists(directory))
        QDir().mkpath(directory);
    return directory + name;
}

QString recordingsDirectory(const QString &dictionary)
{
    // Same fallback as the data files: a platform without a data location
    // must not send the recordings to /mp3 at the root of the disk.
    return path() + "/mp3/" + dictionary;
}

void setPlatformLocationProvider(std::function<QString()> provider)
{
    locationProvider() = std::move(provider);
}

bool writeFile(const QString &path, const std::function<void(QDataStream &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream stream(&file);
    write(stream);
    // The stream only fills the file's buffer: a full disk shows when that is
    // written out, and commit() would still put the empty file in place.
    if (stream.status() != QDataStream::Ok || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void readString(QDataStream &in, QString &text)
{
    QIODevice *device = in.device();
    if (device && !device->isSequential() && in.status() == QDataStream::Ok) {
        QDataStream peek(device->peek(4));
        peek.setByteOrder(in.byteOrder());
        quint32 bytes = 0;
        peek >> bytes;
        if (peek.status() == QDataStream::Ok && bytes != 0xffffffffu && bytes % 2 == 0
            && bytes > quint64(device->bytesAvailable() - 4)) {
            // What a short read leaves: everything consumed, no text.
            device->skip(device->bytesAvailable());
            text.clear();
            in.setStatus(QDataStream::ReadPastEnd);
            return;
        }
    }
    in >> text;
}

} // namespace DataDirectory
