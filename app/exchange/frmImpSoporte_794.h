#pragma once
// The submission-file import window: a whole submission file, in the
// program's own layout or the national one, into the user database, with
// counts of the declarant records and of the declared-entry records.
#include <memory>

#include "exchange/contador.h"
#include "exchange/ventana_importacion.h"

class QLabel;

namespace quelvo {

class frmImpSoporte_794 : public VentanaImportacion {
    Q_OBJECT

public:
    explicit frmImpSoporte_794(QWidget* parent = nullptr);
    ~frmImpSoporte_794() override;

    // Shows the program's one window, opening it when it is not open.
    static frmImpSoporte_794* Mostrar();

    QLabel* lblTitDeclaraciones = nullptr;
    QLabel* lblTitResultados = nullptr;
    // Declarant records (type 1) and declared-entry records (type 2).
    std::unique_ptr<Contador> DteImp, DteIgn, DteSus, DteErr, DteTotal;
    std::unique_ptr<Contador> DeclaImp, DeclaIgn, DeclaSus, DeclaErr, DeclaTotal;
    // Every line.
    std::unique_ptr<Contador> Total;

protected:
    void Preanalizar(const std::string& ruta) override;
    void ImportarLinea(std::string& linea, RegistroImportacion& registro, int32_t numero) override;
    void ActualizarContadores(RegistroImportacion& registro, int32_t numero) override;
    bool HayErroresQueVer() const override;

private:
    void AñadirCaptions();

    bool lineasNoReconocidas_ = false;
};

}  // namespace quelvo
