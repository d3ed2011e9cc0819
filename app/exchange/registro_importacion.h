#pragma once
// The import error log 794_ErrImp.txt in the work folder and the lines every
// import writes into it.
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "quelvort/variant.h"

namespace rt {
class TextFileWriter;
}

namespace quelvo {

// The log's full path: the work folder and "794_ErrImp.txt".
std::string RutaRegistroImportacion();

// The log of one run. It is written aside and put in place of the old log by
// Cerrar, so a run that never starts leaves the earlier log as it was; lines
// written before a cancel or a failure are kept.
class RegistroImportacion {
public:
    explicit RegistroImportacion(const std::string& ruta = RutaRegistroImportacion());
    ~RegistroImportacion();
    RegistroImportacion(const RegistroImportacion&) = delete;
    RegistroImportacion& operator=(const RegistroImportacion&) = delete;

    // One line, ended by CR LF.
    void Escribir(const QString& linea);
    // Puts the log in place; later calls do nothing.
    void Cerrar();
    // Lines written so far.
    int32_t Lineas() const { return lineas_; }

private:
    std::unique_ptr<rt::TextFileWriter> fichero_;
    int32_t lineas_ = 0;
};

// One log line per finding of the error buffer ((0, j) error code, (1, j) the
// rejected value): the language's prefix, the line number, the subject, then
// the value and the error's text in quotes. A buffer without findings writes
// nothing.
void EscribirErroresImportacion(const rt::Variant& errores, RegistroImportacion& registro,
                                int32_t linea, const QString& sujeto);

// The log line of a line that is no record of the file's kinds: "Lerroa ",
// the number, `separador` and text 234.
void EscribirLineaNoReconocida(RegistroImportacion& registro, int32_t linea,
                               const QString& separador);

// Whether a line of a submission file is in the national layout: a type-1
// record with "34" at 108-109 and D, T or C at 58, or a type-2 record with an
// operation key of 2010 at 133. Never raises.
bool EsFormatoEstatal(const std::string& linea);

}  // namespace quelvo
