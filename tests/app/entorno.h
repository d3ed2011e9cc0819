#pragma once
// A fresh user database in a temporary folder, the built reference database,
// and the program-wide values pointing at them; every single object dropped.
#include <QTemporaryDir>

#include "boundary/fixture_db.h"
#include "services/globales.h"
#include "services/objetos.h"

namespace prueba {

class Entorno {
public:
    Entorno() {
        quelvo::LiberarObjetos();
        quelvo::lngIdioma = 0;
        quelvo::strRutaTablas = carpeta_.path().toStdString() + "/";
        quelvo::strRutaMod = CrearBaseUsuarioPrueba(carpeta_.path().toStdString());
        quelvo::strRutaLec = RutaBaseReferencia();
        quelvo::strRutaTrabajo = carpeta_.path().toStdString();
    }
    ~Entorno() { quelvo::LiberarObjetos(); }

    // Runs SQL on the user database (fixture rows).
    void sql(const std::string& texto) const { EjecutarSql(quelvo::strRutaMod, texto); }
    QString carpeta() const { return carpeta_.path(); }

private:
    QTemporaryDir carpeta_;
};

}  // namespace prueba
