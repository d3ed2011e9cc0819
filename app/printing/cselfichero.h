#pragma once
// The file a run writes or reads: the path proposed to the path box, the path
// the user chose, and whether the user cancelled the choice.
#include <QString>
#include <cstdint>

namespace quelvo {

class cSelFichero {
public:
    const QString& RutaFichero() const { return RutaFichero_; }
    void RutaFichero(const QString& v) { RutaFichero_ = v; }
    // Shown by a path box when it starts; the window that opens a selection
    // sets it first.
    const QString& RutaPorDefecto() const { return RutaPorDefecto_; }
    void RutaPorDefecto(const QString& v) { RutaPorDefecto_ = v; }
    // True after the user closed the selector window without accepting.
    bool Cancelar() const { return Cancelar_; }
    void Cancelar(bool v) { Cancelar_ = v; }
    // Kept; nothing reads it.
    bool Colectiva() const { return Colectiva_; }
    void Colectiva(bool v) { Colectiva_ = v; }

    // The authority's filing address for the run object's TipoEnvio: the
    // first stored address for 1, the second for any other kind.
    QString RecogerRutaURL();

private:
    QString RutaFichero_;
    QString RutaPorDefecto_;
    bool Cancelar_ = false;
    bool Colectiva_ = false;
};

// The submission file proposed for an exercise: 794_CE and the exercise's
// last two digits, in the work folder.
QString FicheroPresentacionPorDefecto(int32_t ejercicio);

}  // namespace quelvo
