#include "platform/version.h"

namespace quelvo::plataforma {

QString VersionPrograma::texto() const {
    return QString("%1.%2.%3").arg(mayor).arg(menor).arg(revision);
}

VersionPrograma VersionPropia() {
    return {QUELVO_VERSION_MAJOR, QUELVO_VERSION_MINOR, QUELVO_VERSION_PATCH};
}

}  // namespace quelvo::plataforma
