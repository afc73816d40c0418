#include "fuzzsupport.h"

#include "DataDirectory.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    static QTemporaryDir folder;
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
