// The declarant exchange file written by the export object reached by name:
// exact bytes on disk, and a failed export that leaves the old file alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "comun/numero_de_error.h"
#include "declaraciones_prueba.h"
#include "quelvodat/cExportacion.h"
#include "quelvort/error.h"
#include "quelvort/object.h"

namespace fs = std::filesystem;
using quelvodat::_cExportacion;
using rt::Variant;

namespace {

std::string B(int n) { return std::string(static_cast<size_t>(n), ' '); }

const char* kFixture = R"sql(
INSERT INTO TDeclarante VALUES
 (1,'A01111111','O´NEILL TRADING SL','CL','MAYOR',7,'B','1','3','IZD',1,50,'VITORIA-GASTEIZ',945222333,'ANE GARCIA',600333444),
 (2,'B31222222','ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINARIA SA','AV','CARRETERA GENERAL DEL NORTE KM',120,' ',' ',' ',' ',31,5,'VILLAFRANCA DE LOS CAMPOS',0,' ',0),
 (3,'C01333333','ŁÓDŹ TRADE SP ZOO','CL','NUEVA',1,' ',' ',' ',' ',1,1,'AMURRIO',945333444,'PEDRO',0);
)sql";

// Positions: 1-9 NIF, 10-49 name, 50-51 street type, 52-81 street,
// 82-86 number, 87-88 letter, 89-90 stair, 91-92 floor, 93-95 door,
// 96-97 province (text), 98-122 municipality, 123-127 postal code,
// 128-136 telephone (text), 137-176 contact, 177-185 contact telephone (text).
// The bytes are Windows-1252: "Ñ" is D1, "Ú" is DA.
const std::string kLinea1 = "A01111111" "O'NEILL TRADING SL" + B(22) + "CL" "MAYOR" + B(25) +
                            "00007" "B " "1 " "3 " "IZD" "1 " "VITORIA-GASTEIZ" + B(10) +
                            "01050" "945222333" "ANE GARCIA" + B(30) + "600333444";
const std::string kLinea2 = "B31222222" "\xD1" "AND\xDA" " COMERCIO INTERNACIONAL DE MAQUINAR" "AV"
                            "CARRETERA GENERAL DEL NORTE KM" "00120" "  " "  " "  " "   " "31"
                            "VILLAFRANCA DE LOS CAMPOS" "31005" "0" + B(8) + B(40) + "0" + B(8);

Variant Codigos(std::initializer_list<Variant> codigos) {
    rt::VArray a(0, static_cast<int32_t>(codigos.size()) - 1);
    int32_t i = 0;
    for (const Variant& c : codigos) a.at(i++) = c;
    return a;
}

std::string Bytes(const fs::path& ruta) {
    std::ifstream in(ruta, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Escribir(const fs::path& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary) << bytes;
}

std::vector<std::string> Contenido(const fs::path& carpeta) {
    std::vector<std::string> nombres;
    for (const auto& f : fs::directory_iterator(carpeta)) nombres.push_back(f.path().filename());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

class FicheroDeclarantes : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        Sql(kFixture);
        salida_ = carpeta_ / "salida";
        fs::create_directories(salida_);
        exp_ = rt::CreateObjectAs<_cExportacion>("Quelvodat.cExportacion");
        exp_->mdbmod(mod_);
    }

    fs::path salida_;
    std::shared_ptr<_cExportacion> exp_;
};

TEST_F(FicheroDeclarantes, HandWrittenLinesAreOnDiskInWindows1252WithCrLf) {
    ASSERT_EQ(kLinea1.size(), 185u);
    ASSERT_EQ(kLinea2.size(), 185u);
    auto ruta = salida_ / "794_Declarantes.txt";
    Escribir(ruta, "CONTENIDO ANTERIOR MAS LARGO QUE NADA\r\n\r\n\r\n");

    // A zero-padded code text counts as its number; the order is the array's.
    EXPECT_TRUE(exp_->ExportarDtes(ruta.string(), Codigos({"0002", 1})));

    EXPECT_EQ(Bytes(ruta), kLinea2 + "\r\n" + kLinea1 + "\r\n");
    EXPECT_EQ(Contenido(salida_), std::vector<std::string>{"794_Declarantes.txt"});
    EXPECT_TRUE(Cerrada());
}

TEST_F(FicheroDeclarantes, FailedExportLeavesTheOldFileAndNoTemporaryFile) {
    const std::string anterior = kLinea1 + "\r\n";
    auto ruta = salida_ / "794_Declarantes.txt";
    const struct {
        const char* caso;
        Variant codigos;
        int32_t numero;
    } casos[] = {
        // "Ł" has no Windows-1252 byte: nothing may be cut or replaced silently.
        {"unencodable name", Codigos({1, 3, 2}), rt::err::InvalidArgument},
        {"unknown declarant", Codigos({1, 2, 99}), 3021},
        {"code below 1", Codigos({1, 0}), 3021},
        {"not an array", Variant(1), rt::err::TypeMismatch},
    };
    for (const auto& c : casos) {
        Escribir(ruta, anterior);
        std::string descripcion;
        EXPECT_EQ(prueba::NumeroDeError([&] { exp_->ExportarDtes(ruta.string(), c.codigos); },
                                        &descripcion),
                  c.numero)
            << c.caso;
        EXPECT_EQ(descripcion.rfind("cExportacion.ExportarDtes ", 0), 0u) << descripcion;
        EXPECT_GT(descripcion.size(), std::string("cExportacion.ExportarDtes ").size());
        EXPECT_EQ(Bytes(ruta), anterior) << c.caso;
        EXPECT_EQ(Contenido(salida_), std::vector<std::string>{"794_Declarantes.txt"}) << c.caso;
    }
}

TEST_F(FicheroDeclarantes, UnwritableTargetRaisesAndLeavesNothingBehind) {
    // A folder that does not exist, and a target that is a folder.
    std::string descripcion;
    EXPECT_EQ(prueba::NumeroDeError(
                  [&] { exp_->ExportarDtes((salida_ / "no" / "x.txt").string(), Codigos({1})); },
                  &descripcion),
              rt::err::PathFileAccess);
    EXPECT_EQ(descripcion.rfind("cExportacion.ExportarDtes ", 0), 0u) << descripcion;

    fs::create_directories(salida_ / "carpeta");
    EXPECT_EQ(prueba::NumeroDeError(
                  [&] { exp_->ExportarDtes((salida_ / "carpeta").string(), Codigos({1})); }),
              rt::err::PathFileAccess);
    EXPECT_EQ(Contenido(salida_), std::vector<std::string>{"carpeta"});
    EXPECT_TRUE(fs::is_empty(salida_ / "carpeta"));
}

}  // namespace
