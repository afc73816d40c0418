#include "Resources.h"

#include "GameOptions.h"
#include "Navigator.h"
#include "Settings.h"
#include "Word.h"

#include <QQmlEngine>
#include <QtGlobal>

static void registerBundle()
{
    Q_INIT_RESOURCE(vocalune_views);
    Q_INIT_RESOURCE(vocalune);
    Q_INIT_RESOURCE(vocalune_i18n);
}

// The views name states and options, never their numbers. None of these is
// made by a view: the program hands them over.
static void registerQmlTypes()
{
    const char *const uri = "Vocalune";
    const QString handedOver = QStringLiteral("handed to the views by the program");
    qmlRegisterUncreatableType<Word>(uri, 1, 0, "Word", handedOver);
    qmlRegisterUncreatableMetaObject(GameOptions::staticMetaObject, uri, 1, 0, "GameOptions", handedOver);
    qmlRegisterUncreatableType<Navigator>(uri, 1, 0, "Navigator", handedOver);
    qmlRegisterUncreatableType<Settings>(uri, 1, 0, "Settings", handedOver);
}

namespace Vocalune {

void initResources()
{
    static const bool registered = (registerBundle(), registerQmlTypes(), true);
    Q_UNUSED(registered);
}

} // namespace Vocalune
