#include "shell/Resources.h"

#include <QtGlobal>

void initMortarixResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(once);
}
