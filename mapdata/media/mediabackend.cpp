#include "mapdata/media/mediabackend.h"

#include <QByteArray>
#include <QtGlobal>

namespace mapdata {

void selectMediaBackend() {
    if (qEnvironmentVariableIsEmpty(kMediaBackendVariable))
        qputenv(kMediaBackendVariable, QByteArray(kMediaBackend));
}

} // namespace mapdata
