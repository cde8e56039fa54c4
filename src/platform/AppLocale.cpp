#include "platform/AppLocale.h"

#include <QLocale>

namespace AppLocale {

void install()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    else
        QLocale::setDefault(system);
}

} // namespace AppLocale
