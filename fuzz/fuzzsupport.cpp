#include "fuzzsupport.h"

#include "DataDirectory.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace FuzzSupport {

void setUp()
{
    static int argc = 1;
    static char name[] = "vocalune-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = nullptr;
    if (app)
        return;
    app = new QCoreApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vocalune"));
    Vocalune::initResources();
    // Each input is written and saved again: a folder in memory, when there
    // is one, keeps the disk (and its syncs) out of the run's speed.
    const QString memory = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(memory).isDir() && QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    static QTemporaryDir folder(base + QStringLiteral("/vocalune-fuzz-XXXXXX"));
    if (!folder.isValid())
        __builtin_trap();
    const QString location = folder.path();
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    QDir().mkpath(location);
}

QString dataPath(const QString &name)
{
    return DataDirectory::path() + name;
}

void writeDataFile(const QString &name, const unsigned char *data, size_t size)
{
    QFile file(dataPath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
}

} // namespace FuzzSupport
