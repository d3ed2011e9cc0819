#pragma once
// A user database for the recording tests, with the submission files built by
// hand from it under fixtures/grabacion.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace prueba {

// The bytes of a file; a marker when there is none.
inline QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
}

// A submission file built by hand under fixtures/grabacion.
inline QByteArray Esperado(const char* nombre) {
    return Leer(QString(QUELVO_FIXTURES_DIR) + "/grabacion/" + nombre);
}

// Two eras: a collective run of 2011 (a rectification, an entry of another
// period of the same exercise that must not be counted) and a run of 2001 in
// pesetas; names with an apostrophe (stored as an acute accent) and an Ñ.
inline constexpr char kDatosGrabacion[] = R"(
INSERT INTO TPresentador VALUES (1,'B01234566','ASESORÍA GARCÍA Y ASOCIADOS S.L.','CL',
 'PORTAL DE CASTILLA',12,'N','1','3','D',1,1001,'VITORIA-GASTEIZ',945123456,'IÑAKI LÓPEZ DE ARBINA',0);
INSERT INTO TDeclarante VALUES
 (1,'12345678Z','O´NEILL PEÑA SL','CL','MAYOR',7,'','','','',1,1,'VITORIA-GASTEIZ',945111222,'ANE IBÁÑEZ',0),
 (2,'00000001R','IBAÑEZ Y CIA SA','CL','NUEVA',1,'','','','',1,400,'LLODIO',0,'',0),
 (3,'00000002W','D´ARTAGNAN ARABA SL','AV','GASTEIZ',3,'','','','',1,8,'VITORIA-GASTEIZ',945333444,'PEDRO ÑÚÑEZ',0);
INSERT INTO TDeclaraciones (coddecla,coddecr,ejercicio,periodo,periodicidad,moneda,bimensual) VALUES
 (1,1,2011,6,2,'E',''), (2,2,2011,6,2,'E',''), (3,3,2011,6,2,'E',''), (4,1,2011,6,1,'E',''),
 (5,1,2001,12,3,'P','');
INSERT INTO tOperadores (codope,coddeclar,paiso,paisaux,nifo,razon,tipoopo,claveopo,base,signoo,
 ejercicioo,periodoo,triangularo,periodicidad) VALUES
 (1,1,'DE','','123456789','MÜLLER GMBH','N','E',123456,' ',0,0,' ',0),
 (2,1,'PT','','123456789','LISBOA LDA','R','S',20000,'-',2010,12,' ',2),
 (3,3,'FR','','12345678901','LYON SA','N','A',50000,' ',0,0,' ',0),
 (4,4,'IT','','12345678901','JUNIO SRL','N','E',100,' ',0,0,' ',0),
 (5,5,'FR','','12345678901','LYON SA','N','1',100000,' ',0,0,' ',0),
 (6,5,'IT','','12345678901','D´ANGELO SRL','N','2',16638600,' ',0,0,'X',0),
 (7,5,'PT','','123456789','LISBOA LDA','R','3',50000,'-',2000,6,' ',2);
)";

}  // namespace prueba
