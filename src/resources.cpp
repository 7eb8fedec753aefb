#include "resources.h"

#include <QtGlobal>

void kx500InitResources()
{
    Q_INIT_RESOURCE(resources);
#ifdef KX500_HAVE_ICONS
    Q_INIT_RESOURCE(icons);
#endif
#ifdef KX500_HAVE_TRANSLATIONS
    Q_INIT_RESOURCE(translations);
#endif
}
