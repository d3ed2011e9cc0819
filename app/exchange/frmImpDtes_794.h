#pragma once
// The declarant import window: a declarant exchange file into the user
// database, with counts of the imported, ignored, substituted and erroneous
// lines.
#include <memory>

#include "exchange/contador.h"
#include "exchange/ventana_importacion.h"

class QLabel;

namespace quelvo {

class frmImpDtes_794 : public VentanaImportacion {
    Q_OBJECT

public:
    explicit frmImpDtes_794(QWidget* parent = nullptr);
    ~frmImpDtes_794() override;

    // Shows the program's one window, opening it when it is not open.
    static frmImpDtes_794* Mostrar();

    QLabel* lblTitImportar = nullptr;
    QLabel* lblTitResultados = nullptr;
    std::unique_ptr<Contador> Importados, Ignorados, Sustituidos, Erroneos, Total;

protected:
    bool Preparar() override;
    void Preanalizar(const std::string& ruta) override;
    void ImportarLinea(std::string& linea, RegistroImportacion& registro, int32_t numero) override;
    void ActualizarContadores(RegistroImportacion& registro, int32_t numero) override;
    bool HayErroresQueVer() const override;

private:
    void AñadirCaptions();
};

}  // namespace quelvo
