#pragma once
// The declared-entry import window: the entries of a file into one
// declaration chosen in the two-list selector, with counts of the imported,
// erroneous and all entry records.
#include <memory>

#include "exchange/contador.h"
#include "exchange/ventana_importacion.h"
#include "printing/ctrListaDecl_794.h"

class QLabel;

namespace quelvo {

class frmImpDeclarados_794 : public VentanaImportacion, public AnfitrionListaDecl {
    Q_OBJECT

public:
    explicit frmImpDeclarados_794(QWidget* parent = nullptr);
    ~frmImpDeclarados_794() override;

    // Shows the program's one window, opening it when it is not open.
    static frmImpDeclarados_794* Mostrar();

    // The selector enables the import button while one declarant is chosen.
    void HabilitarAcciones(bool habilitar) override;

    ctrListaDecl_794* ctrdatos = nullptr;
    QLabel* lblTitDeclarado = nullptr;
    QLabel* lblTitResultados = nullptr;
    std::unique_ptr<Contador> DeclaImp, DeclaErr, DeclaTotal, Total;

protected:
    bool Preparar() override;
    void Preanalizar(const std::string& ruta) override;
    void ImportarLinea(std::string& linea, RegistroImportacion& registro, int32_t numero) override;
    void ActualizarContadores(RegistroImportacion& registro, int32_t numero) override;
    bool HayErroresQueVer() const override;
    void Bloquear(bool bloqueado) override;

private:
    void AñadirCaptions();

    bool lineasNoReconocidas_ = false;
};

}  // namespace quelvo
