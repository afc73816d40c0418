#include "Resources.h"

#include <QtGlobal>

static void registerBundle()
{
    Q_INIT_RESOURCE(vocalune);
}

namespace Vocalune {

void initResources()
{
    static const bool registered = (registerBundle(), true);
    Q_UNUSED(registered);
}

} // namespace Vocalune
