#include "NamePrompt.h"

#include <QTextBoundaryFinder>

QString NamePrompt::fit(const QString &name, int maxLength)
{
    QString fitted = name;
    if (fitted.size() > maxLength) {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name);
        finder.setPosition(maxLength);
        if (!finder.isAtBoundary())
            finder.toPreviousBoundary();
        fitted = name.left(qMax(0, finder.position()));
    }
    if (!fitted.isEmpty() && fitted.at(fitted.size() - 1).isHighSurrogate())
        fitted.chop(1);
    return fitted;
}
