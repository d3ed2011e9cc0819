// The program lets the data server go of the user database before it hands
// the file to the backup and restore: the file alone then holds every save.
#include <gtest/gtest.h>

#include <filesystem>

#include "entorno.h"
#include "quelvodat/cDatosGenerales.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "services/servidor.h"

using namespace quelvo;

TEST(SoltarBase, AfterLettingGoTheFileAloneHoldsEverySave) {
    prueba::Entorno entorno;
    // A save through the data server, which keeps the database open after it.
    objGeneral().ModificarIdioma("E");
    // What the backup and restore commands do before they call Zentalib.
    CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales")->CerrarConexiones();
    EXPECT_FALSE(std::filesystem::exists(strRutaMod + "-wal"));
    const std::string copia = entorno.carpeta().toStdString() + "/copia.mdb";
    std::filesystem::copy_file(strRutaMod, copia);
    EXPECT_EQ(prueba::Consultar(copia, "SELECT Idioma FROM tgeneral"), (prueba::Tabla{{"E"}}));
    // The next call opens the database again.
    objGeneral().LeerIdioma();
    EXPECT_EQ(objGeneral().IDI(), "E");
}
