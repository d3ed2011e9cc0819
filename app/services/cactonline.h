#pragma once
// The online-check settings and the state of the last version check.
#include <QString>
#include <cstdint>

namespace quelvo {

class cActOnline {
public:
    // 1 check at start-up, 0 do not, negative: no choice made yet.
    int16_t ActOnline = 0;
    // Where the version file is downloaded from.
    QString URLAct;
    // The program whose version is read.
    QString ActFile;
    // From the last reply: the download page, the description, the
    // published version's three parts.
    QString ActDownloadURL;
    QString ActDescripcion;
    QString ActVer1, ActVer2, ActVer3;
    // The installed version's three numbers.
    QString ProgVer1, ProgVer2, ProgVer3;
    // Outcome of the last check: 0 none yet, 1 download failed, 3 reply
    // read, 4 reply unreadable.
    int32_t SitAct = 0;
    // 1 once a check has found a different published version.
    int32_t ComVer = 0;

    void ObtenerURLAct();
    void GuardarActOnline();
    void LeerActOnline();
};

}  // namespace quelvo
