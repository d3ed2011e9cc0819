#pragma once
// The program's import object: hands every line of an import file to a fresh
// data-server import object, carries the import state from line to line,
// knows what each line was and how it ended, writes the rejected fields to
// the error log and asks before it overwrites an existing declarant.
#include <cstdint>
#include <string>

#include "quelvort/variant.h"

namespace quelvodat {
class _cImportacion;
}

namespace quelvo {

class RegistroImportacion;

// How a line ended (ResultImp).
inline constexpr int32_t kImpImportado = 0;
inline constexpr int32_t kImpSustituido = 1;
inline constexpr int32_t kImpIgnorado = 2;
inline constexpr int32_t kImpErroneo = 3;
inline constexpr int32_t kImpDeclaracionRechazada = 4;
inline constexpr int32_t kImpCaracteres = 6;

// What a line was (ImpAct).
inline constexpr int32_t kLineaPresentador = 0;
inline constexpr int32_t kLineaDeclarante = 1;
inline constexpr int32_t kLineaDeclarado = 3;
inline constexpr int32_t kLineaDesconocida = 5;

// The accepted range of exercises of every import.
inline constexpr int32_t kEjercicioMinImportacion = 1993;
inline constexpr int32_t kEjercicioMaxImportacion = 2013;

class cImportacion {
public:
    // Target declaration of declared-entry lines: its period (last month),
    // periodicity and key. Submission lines replace them with the
    // declaration their last type-1 record stored.
    int16_t Periodo() const { return Periodo_; }
    void Periodo(int16_t v) { Periodo_ = v; }
    int16_t Periodicidad() const { return Periodicidad_; }
    void Periodicidad(int16_t v) { Periodicidad_ = v; }
    int32_t CodDecla() const { return CodDecla_; }
    void CodDecla(int32_t v) { CodDecla_ = v; }
    // The declaration of the current type-1 record was refused.
    bool RecDeclaracion() const { return RecDeclaracion_; }
    void RecDeclaracion(bool v) { RecDeclaracion_ = v; }
    // The data server's conversion state.
    bool Convertir() const { return Convertir_; }
    void Convertir(bool v) { Convertir_ = v; }
    // Outcome and kind of the last line (kImp..., kLinea...).
    int32_t ResultImp() const { return ResultImp_; }
    void ResultImp(int32_t v) { ResultImp_ = v; }
    int32_t ImpAct() const { return ImpAct_; }
    void ImpAct(int32_t v) { ImpAct_ = v; }
    // The file being imported is in the national layout.
    bool Estatal() const { return Estatal_; }
    void Estatal(bool v) { Estatal_ = v; }
    // Exercise of the target declaration of declared-entry lines.
    int32_t Ejercicio() const { return Ejercicio_; }
    void Ejercicio(int32_t v) { Ejercicio_ = v; }

    // Starts a run: nothing an earlier run left (outcome, kind, declaration,
    // conversion, refusal, layout, the remembered answer) reaches this one,
    // and the data server commits the run's lines together. The target
    // declaration of an entry import is set after this.
    void IniciarImportacion();
    // Ends the run after its last line, a cancel or a failure: the lines
    // still pending are committed (a failure to do so is raised).
    void TerminarImportacion();

    // One line of a declarant exchange file. A declarant whose NIF exists is
    // overwritten only on the user's yes; once the user asked not to be asked
    // again, that answer stands for the rest of the run.
    void ImportarDtes(std::string& linea, RegistroImportacion& registro, int32_t numero);
    // One line of a submission file.
    void importSoporte(std::string& linea, RegistroImportacion& registro, int32_t numero);
    // One line of a declared-entry file, into CodDecla.
    void importDeclarado(std::string& linea, RegistroImportacion& registro, int32_t numero);

    // "1" or "2" by the line's first character, else "".
    static std::string ConvertirLinea(const std::string& linea);

private:
    void ConfigurarServidor(quelvodat::_cImportacion& servidor) const;
    void CopiarEstado(const quelvodat::_cImportacion& servidor);
    // The answer to an existing declarant: true to overwrite it.
    bool Sobreescribir(const std::string& nif);

    int16_t Periodo_ = 0;
    int16_t Periodicidad_ = 0;
    int32_t CodDecla_ = 0;
    bool RecDeclaracion_ = false;
    bool Convertir_ = false;
    int32_t ResultImp_ = 0;
    int32_t ImpAct_ = 0;
    bool Estatal_ = false;
    int32_t Ejercicio_ = 0;
    // The answer given while the question could still be suppressed: 0 none
    // yet, 1 overwrite, 2 keep.
    int32_t respuestaAviso_ = 0;
};

}  // namespace quelvo
