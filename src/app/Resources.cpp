#include "Resources.h"

#include <QtGlobal>

static void registerBundle()
{
    Q_INIT_RESOURCE(vocalune);
    Q_INIT_RESOURCE(vocalune_i18n);
}

namespace Vocalune {

void initResources()
{
    static const bool registered = (registerBundle(), true);
    Q_UNUSED(registered);
}

} // namespace Vocalune
