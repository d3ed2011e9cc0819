#pragma once
// The current declaration: the entry window's mode and the totals that
// printing and the telematic submission read.
#include <QString>
#include <cstdint>

#include "quelvort/variant.h"

namespace quelvo {

// Modes of the entry window.
inline constexpr int32_t kModoConsulta = 0;
inline constexpr int32_t kModoEdicion = 2;
inline constexpr int32_t kModoAlta = 4;
inline constexpr int32_t kModoTrasBaja = 6;
inline constexpr int32_t kModoDescarga = 8;

class cDeclaracion {
public:
    // The last per-key totals, (field, row) from row 1: 0 the key (the
    // operation key before 2010, the entry type "N"/"R" from 2010), 1 the sum
    // of the bases in hundredths, 2 the number of entries. Null when the
    // declaration has no entry.
    const rt::Variant& BufferTotalDeclarados() const { return BufferTotalDeclarados_; }
    void BufferTotalDeclarados(const rt::Variant& v) { BufferTotalDeclarados_ = v; }
    // Mode of the entry window: 0 browse, 2 edit, 4 new, 6 after a deletion,
    // 8 unloading.
    int32_t ModoDeclaracion() const { return ModoDeclaracion_; }
    void ModoDeclaracion(int32_t v) { ModoDeclaracion_ = v; }
    // Entries counted by the last ObtenerTotalDeclarados, as text; a text
    // that is no number raises 13.
    QString NoTotalDeclarados() const { return QString::number(NoTotalDeclarados_); }
    void NoTotalDeclarados(const QString& v);

    // The per-key totals of declaration lngCodDecla (the run's declaration),
    // by the declarations list's exercise, into BufferTotalDeclarados and
    // NoTotalDeclarados.
    void ObtenerTotalDeclarados(int32_t lngCodDecla);
    // The same, grouped by the layout of exercise lngEjercicio (printing
    // passes the run's exercise).
    void ObtenerTotalDeclarados(int32_t lngCodDecla, int32_t lngEjercicio);
    // "X" when declaration lngCodDecla is marked bimonthly, else "".
    QString ObtenerBimensualidad(int32_t lngCodDecla);
    // The latest declaration of the user database as one row (0 exercise,
    // 1 period, 2 currency, 3 periodicity, 4 Empty), or Null when none
    // qualifies. blnSoloEuros False lets every declaration qualify.
    rt::Variant MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin);
    // The key of the declarant's declaration of that exercise, period and
    // periodicity; 0 when there is none.
    int32_t ObtenerDeclaracion(int32_t lngCodDecl, int32_t lngEjercicio, uint8_t btePer,
                               uint8_t btePerdad);
    // Per-key totals over the declarations of the listed declarants (an
    // array of keys) in the run's exercise and period; Null when none.
    rt::Variant ObtenerTotalDeclaradosVarDtes(const rt::Variant& vDeclarantes,
                                              int32_t lngEjercicio, uint8_t btePeriodo);

private:
    int32_t ModoDeclaracion_ = 0;
    rt::Variant BufferTotalDeclarados_;
    int32_t NoTotalDeclarados_ = 0;
};

}  // namespace quelvo
