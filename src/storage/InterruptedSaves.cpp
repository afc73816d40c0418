#include "InterruptedSaves.h"

#include "DataDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace DataDirectory {

int removeInterruptedSaves(const QStringList &names)
{
    QDir directory(path());
    if (!directory.exists())
        return 0;
    int removed = 0;
    for (const QString &name : names) {
        const QString fileName = QFileInfo(name).fileName();
        if (fileName.isEmpty())
            continue;
        // The suffix of a save's temporary file; nothing else of the player's is touched.
        const QRegularExpression leftover(
            QRegularExpression::anchoredPattern(QRegularExpression::escape(fileName) + "\\.[A-Za-z0-9]{6}"));
        const QStringList candidates = directory.entryList({fileName + ".??????"},
                                                           QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QString &candidate : candidates) {
            if (leftover.match(candidate).hasMatch() && directory.remove(candidate))
                ++removed;
        }
    }
    return removed;
}

} // namespace DataDirectory
