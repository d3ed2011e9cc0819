#pragma once
#include "copia_bd.h"
#include "textos_copia.h"
#include "zentalib/cSaveAsRestore.h"

namespace zentalib {

class cSaveAsRestore final : public _cSaveAsRestore {
public:
    void ArchivoOrigen(const std::string& nombre) override { archivoOrigen_ = nombre; }
    void ArchivoDestino(const std::string& nombre) override { archivoDestino_ = nombre; }
    void RutaDestino(const std::string& carpeta) override { rutaDestino_ = carpeta; }
    void RutaOrigen(const std::string& carpeta) override { rutaOrigen_ = carpeta; }
    void Filtro(const std::string& filtro) override { filtro_ = filtro; }
    void Idioma(int32_t idioma) override { idioma_ = idioma; }
    void Parent(std::intptr_t ventana) override { parent_ = ventana; }
    void BDLectura(const std::string& ruta) override { bdLectura_ = ruta; }
    void BDTabla(const std::string& tabla) override { bdTabla_ = tabla; }
    void BDCampo(const std::string& campo) override { bdCampo_ = campo; }

    bool CrearBackup() override;
    bool CrearRestore() override;
    std::string DetalleFallo() const override { return detalleFallo_; }

private:
    // Checks the database to copy, asks `pregunta` unless it is empty, and
    // copies; answers whether the copy is in place.
    bool Copiar(Operacion operacion, const std::string& origen, const std::string& destino,
                const QString& pregunta);
    // Tells the user how the operation ended; answers whether it was done.
    bool Terminar(Operacion operacion, const ResultadoCopia& resultado, const std::string& origen,
                  const std::string& destino);
    std::string Origen() const;
    std::string Destino() const;

    std::string archivoOrigen_;
    std::string archivoDestino_;
    std::string rutaDestino_;
    std::string rutaOrigen_;
    std::string filtro_;
    int32_t idioma_ = 0;
    std::intptr_t parent_ = 0;
    std::string bdLectura_;
    std::string bdTabla_;
    std::string bdCampo_;
    std::string detalleFallo_;
};

}  // namespace zentalib
