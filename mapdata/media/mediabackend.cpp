#include "mapdata/media/mediabackend.h"

#include <QByteArray>
#include <QtGlobal>

namespace mapdata {

void selectMediaBackend() {
    if (kMediaBackend[0] != '\0' && qEnvironmentVariableIsEmpty(kMediaBackendVariable))
        qputenv(kMediaBackendVariable, QByteArray(kMediaBackend));
}

} // namespace mapdata
