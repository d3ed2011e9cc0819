// The declarant exchange file written by the export object reached by name:
// exact bytes on disk, and a failed export that leaves the old file alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "declaraciones_prueba.h"
#include "quelvodat/cExportacion.h"

namespace fs = std::filesystem;
using prueba::Arreglo;
using rt::Variant;

namespace {

std::string B(int n) { return std::string(static_cast<size_t>(n), ' '); }

const char* kFixture = R"sql(
INSERT INTO TDeclarante VALUES
 (1,'A01111111','O´NEILL TRADING SL','CL','MAYOR',7,'B','1','3','IZD',1,50,'VITORIA-GASTEIZ',945222333,'ANE GARCIA',600333444),
 (2,'B31222222','ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINARIA SA','AV','CARRETERA GENERAL DEL NORTE KM',120,' ',' ',' ',' ',31,5,'VILLAFRANCA DE LOS CAMPOS',0,' ',0),
 (3,'C01333333','ŁÓDŹ TRADE SP ZOO','CL','NUEVA',1,' ',' ',' ',' ',1,1,'AMURRIO',945333444,'PEDRO',0);
)sql";

// 1-9 NIF, 10-49 name, 50-51 street type, 52-81 street, 82-86 number,
// 87-88 letter, 89-90 stair, 91-92 floor, 93-95 door, 96-97 province,
// 98-122 municipality, 123-127 postal code, 128-136 telephone, 137-176
// contact, 177-185 its telephone. Windows-1252: "Ñ" is D1, "Ú" is DA.
const std::string kLinea1 = "A01111111" "O'NEILL TRADING SL" + B(22) + "CL" "MAYOR" + B(25) +
                            "00007" "B " "1 " "3 " "IZD" "1 " "VITORIA-GASTEIZ" + B(10) +
                            "01050" "945222333" "ANE GARCIA" + B(30) + "600333444";
const std::string kLinea2 = "B31222222" "\xD1" "AND\xDA" " COMERCIO INTERNACIONAL DE MAQUINAR" "AV"
                            "CARRETERA GENERAL DEL NORTE KM" "00120" "  " "  " "  " "   " "31"
                            "VILLAFRANCA DE LOS CAMPOS" "31005" "0" + B(8) + B(40) + "0" + B(8);

std::string Bytes(const fs::path& ruta) {
    std::stringstream s;
    s << std::ifstream(ruta, std::ios::binary).rdbuf();
    return s.str();
}

class FicheroDeclarantes : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        Sql(kFixture);
        salida_ = carpeta_ / "salida";
        ruta_ = salida_ / "794_Declarantes.txt";
        fs::create_directories(salida_ / "carpeta");
        exp_ = Crear<quelvodat::_cExportacion>("cExportacion");
    }
    void Escribir(const std::string& bytes) { std::ofstream(ruta_, std::ios::binary) << bytes; }
    std::set<std::string> Contenido() {
        std::set<std::string> nombres;
        for (const auto& f : fs::recursive_directory_iterator(salida_))
            nombres.insert(fs::relative(f.path(), salida_).string());
        return nombres;
    }

    fs::path salida_, ruta_;
    std::shared_ptr<quelvodat::_cExportacion> exp_;
};

TEST_F(FicheroDeclarantes, HandWrittenLinesAreOnDiskInWindows1252WithCrLf) {
    ASSERT_EQ(kLinea1.size(), 185u);
    ASSERT_EQ(kLinea2.size(), 185u);
    Escribir("CONTENIDO ANTERIOR MAS LARGO QUE NADA\r\n\r\n\r\n");
    // A zero-padded code text counts as its number; the order is the array's.
    EXPECT_TRUE(exp_->ExportarDtes(ruta_.string(), Arreglo({"0002", 1})));
    EXPECT_EQ(Bytes(ruta_), kLinea2 + "\r\n" + kLinea1 + "\r\n");
    EXPECT_EQ(Contenido(), (std::set<std::string>{"794_Declarantes.txt", "carpeta"}));
    EXPECT_TRUE(Cerrada());
}

TEST_F(FicheroDeclarantes, FailedExportLeavesTheOldFileAndNothingElse) {
    const std::string anterior = kLinea1 + "\r\n";
    const struct {
        const char* caso;
        fs::path destino;
        Variant codigos;
        int32_t numero;
    } casos[] = {
        // "Ł" has no Windows-1252 byte: nothing may be cut or replaced silently.
        {"unencodable name", ruta_, Arreglo({1, 3, 2}), rt::err::InvalidArgument},
        {"unknown declarant", ruta_, Arreglo({1, 2, 99}), 3021},
        {"code below 1", ruta_, Arreglo({1, 0}), 3021},
        {"not an array", ruta_, Variant(1), rt::err::TypeMismatch},
        {"folder missing", salida_ / "no" / "x.txt", Arreglo({1}), rt::err::PathFileAccess},
        {"target is a folder", salida_ / "carpeta", Arreglo({1}), rt::err::PathFileAccess},
    };
    for (const auto& c : casos) {
        Escribir(anterior);
        auto e = prueba::ErrorDe([&] { exp_->ExportarDtes(c.destino.string(), c.codigos); });
        EXPECT_EQ(e.Number, c.numero) << c.caso;
        EXPECT_EQ(e.Description.rfind("cExportacion.ExportarDtes ", 0), 0u) << e.Description;
        EXPECT_GT(e.Description.size(), std::string("cExportacion.ExportarDtes ").size());
        EXPECT_EQ(Bytes(ruta_), anterior) << c.caso;
        EXPECT_EQ(Contenido(), (std::set<std::string>{"794_Declarantes.txt", "carpeta"})) << c.caso;
    }
}

}  // namespace
