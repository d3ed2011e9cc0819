// A collective run and a draft listing written as PDF files, checked with the
// poppler tools as a reader of the file would see it.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <limits>

#include "datos_grabacion.h"
#include "datos_impresion.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "pdf_prueba.h"
#include "printing/cimprgrabar.h"
#include "printing/destino_impresion.h"
#include "printing/etiqueta_soporte.h"
#include "printing/imprimir.h"
#include "printing/lienzo_qt.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "windows/frmBarraDeProgreso_794.h"

namespace {

using namespace quelvo;
using prueba::Ejecutar;
using prueba::Paginas;

// A word of pdftotext -bbox on one page, in millimetres from the page's
// top-left corner.
struct Palabra {
    QString texto;
    double xMin, yMin, xMax, yMax;
};

std::vector<Palabra> Palabras(const QString& pdf, int pagina) {
    const QString html = Ejecutar("pdftotext", {"-bbox", "-f", QString::number(pagina), "-l",
                                                QString::number(pagina), pdf, "-"});
    const QRegularExpression palabra(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Palabra> palabras;
    const double mm = 25.4 / 72;
    for (auto it = palabra.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        palabras.push_back({m.captured(5), m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm,
                            m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm});
    }
    return palabras;
}

// The page position of a canvas position.
double Pagina(double mm) { return LienzoPdf::kMargen + mm; }

// How far the word nearest to (x, top y) lies from it, in millimetres: the
// larger of the two distances, by its left edge (or centre); infinite when
// the page does not have the word.
double Desvio(const std::vector<Palabra>& palabras, const QString& texto, double x, double yArriba,
              bool centrado) {
    double menor = std::numeric_limits<double>::infinity();
    for (const Palabra& p : palabras) {
        if (p.texto != texto) continue;
        const double px = centrado ? (p.xMin + p.xMax) / 2 : p.xMin;
        menor = std::min(menor, std::max(std::abs(px - Pagina(x)), std::abs(p.yMin - Pagina(yArriba))));
    }
    return menor;
}

// Items land where the form puts them, to this much.
constexpr double kTolerancia = 0.05;

// Top of a text placed on the line y in a font.
double ArribaEnLinea(const FuenteLienzo& f, double y) {
    LienzoGrabacion l;
    l.Fuente(f);
    return y - 0.35 * l.TextHeight(QString());
}

class ImpresionPdf : public ::testing::Test {
protected:
    void SetUp() override {
        prueba::DatosColectiva(entorno);
        std::string filas = "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, claveopo,"
                            " base, signoo, ejercicioo, periodoo, triangularo) VALUES ";
        for (int i = 1; i <= 23; ++i)
            filas += std::string(i > 1 ? "," : "") + "(2, 'PT', '', 'PT" + std::to_string(100 + i) +
                     "', 'CLIENTE', '1', 100, '', 0, 0, '')";
        entorno.sql(filas + ";");
        prueba::RunColectivo(3);
    }
    void TearDown() override {
        EstablecerLienzoPruebas(nullptr);
        intTotalProgreso = intProgreso = 0;
    }
    // The run object's output printed into a PDF file of that name.
    QString ImprimirPdf(const QString& nombre, int paginas) {
        const QString ruta = carpeta.filePath(nombre);
        LienzoPdf pdf(ruta);
        EstablecerLienzoPruebas(&pdf);
        ImprimirModelo();
        EstablecerLienzoPruebas(nullptr);
        EXPECT_TRUE(pdf.Terminar());
        EXPECT_EQ(pdf.Paginas(), paginas);
        return ruta;
    }
    prueba::Entorno entorno;
    prueba::InteraccionPrueba pantalla;
    QTemporaryDir carpeta;
};

TEST_F(ImpresionPdf, UnaColectivaYUnBorradorDeVeintitres) {
    const QString resumen = ImprimirPdf("resumen.pdf", 4);
    const QString borrador = carpeta.filePath("borrador.pdf");
    {
        LienzoPdf pdf(borrador);
        EstablecerLienzoPruebas(&pdf);
        objDeclarante().CargarDeclarante(7);
        objImprGrabar().CodDecla(2);
        ImprimirBorradorDeclarados();
        ASSERT_TRUE(pdf.Terminar());
    }
    EstablecerLienzoPruebas(nullptr);

    // One page per job: three declarants and the presenter; 23 entries.
    EXPECT_EQ(Paginas(resumen), 4);
    EXPECT_EQ(Paginas(borrador), 3);

    // The Liberation faces, embedded; nothing else.
    for (const QString& pdf : {resumen, borrador}) {
        const QStringList lineas = Ejecutar("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(lineas.isEmpty());
        for (const QString& linea : lineas) {
            EXPECT_TRUE(linea.contains("Liberation")) << linea.toStdString();
            EXPECT_TRUE(linea.contains(QRegularExpression(R"(\byes\b)"))) << linea.toStdString();
        }
    }
    const QString fuentes = Ejecutar("pdffonts", {resumen});
    EXPECT_TRUE(fuentes.contains("LiberationSans")) << fuentes.toStdString();
    EXPECT_TRUE(fuentes.contains("LiberationSerif")) << fuentes.toStdString();

    // The form number, the declarant's NIF and the year cells in place.
    const auto p1 = Palabras(resumen, 1);
    EXPECT_LT(Desvio(p1, "794", 177.63, ArribaEnLinea({"Arial", 30, false, false}, 7), false), kTolerancia);
    const FuenteLienzo valores{"Arial", 8, true, false};
    EXPECT_LT(Desvio(p1, "11111111H", 24, ArribaEnLinea(valores, 29.22), false), kTolerancia);
    EXPECT_LT(Desvio(p1, "0", 181.6, ArribaEnLinea(valores, 30.54), true), kTolerancia);
    EXPECT_LT(Desvio(p1, "9", 189.92, ArribaEnLinea(valores, 30.54), true), kTolerancia);
    const auto p4 = Palabras(resumen, 4);
    EXPECT_LT(Desvio(p4, "B01234567", 24, ArribaEnLinea(valores, 29.22), false), kTolerancia);
    EXPECT_LT(Desvio(Palabras(borrador, 3), "3/3", 180, 35, false), kTolerancia);
}

// Each language's word for the year beside the year box (26.89 to 32.45),
// for the period beside the period box (32.89 to 38.45).
TEST_F(ImpresionPdf, ElEjercicioYElPeriodoSeRotulanJuntoASuCasilla) {
    const auto p1 = Palabras(ImprimirPdf("resumen.pdf", 4), 1);
    const struct {
        const char* texto;
        bool cursiva;
        double linea;
    } rotulos[] = {
        {"EJERCICIO", false, 29},
        {"EKITALDIA", true, 31},
        {"ALDIA", true, 35},
        {"PERIODO", false, 37},
    };
    for (const auto& r : rotulos) {
        EXPECT_LT(Desvio(p1, r.texto, 141.48, ArribaEnLinea({"Arial", 6, false, r.cursiva}, r.linea), false),
                  kTolerancia)
            << r.texto;
    }
}

// The label's period, every one in either language, ends before the NIF's
// captions beside it, on the card and on its lower strip. Only the Basque
// quarters are too wide for their place: they alone are set smaller, and
// still start where the form puts them.
TEST_F(ImpresionPdf, ElPeriodoDeLaEtiquetaNoPisaLosRotulosDelNif) {
    const std::pair<int16_t, int16_t> periodos[] = {
        {12, kPeriodicidadAnual},     {3, kPeriodicidadTrimestral}, {6, kPeriodicidadTrimestral},
        {9, kPeriodicidadTrimestral}, {12, kPeriodicidadTrimestral}};
    for (const int32_t idioma : {0, kOffsetEuskera}) {
        lngIdioma = idioma;
        QStringList textos;
        for (const auto& [valor, periodicidad] : periodos) textos << DescripcionPeriodo(valor, periodicidad);
        for (int16_t mes = 1; mes <= 12; ++mes) textos << DescripcionPeriodo(mes, kPeriodicidadMensual);
        const QString ruta = carpeta.filePath(QString("etiquetas%1.pdf").arg(idioma));
        {
            LienzoPdf pdf(ruta);
            EtiquetaSoporte e;
            e.ejercicio = 2011;
            e.persona.nif = "B01234567";
            e.moneda = "E";
            for (const QString& periodo : textos) {
                e.periodo = periodo;
                ImprimirEtiquetas(pdf, e);
            }
            ASSERT_TRUE(pdf.Terminar());
        }
        for (int i = 0; i < textos.size(); ++i) {
            const QString& periodo = textos[i];
            const auto palabras = Palabras(ruta, i + 1);
            for (const double y : {40.0, 81.0}) {
                // The values' row and the captions' rows around it.
                const auto en = [&](const QString& texto, double arriba) -> const Palabra* {
                    for (const Palabra& p : palabras)
                        if (p.texto == texto && std::abs(p.yMin - Pagina(arriba)) < 0.5) return &p;
                    return nullptr;
                };
                const Palabra* ano = en("2011", y + 1.5);
                const Palabra* primera = en(periodo.section(' ', 0, 0), y + 1.5);
                const Palabra* ultima = en(periodo.section(' ', -1), y + 1.5);
                ASSERT_TRUE(ano && primera && ultima) << periodo.toStdString() << " " << y;
                for (const char* rotulo : {"NA/IFK", "DNI/CIF"}) {
                    const Palabra* vecino = en(rotulo, std::string(rotulo) == "NA/IFK" ? y : y + 3);
                    ASSERT_TRUE(vecino) << rotulo;
                    EXPECT_LT(ultima->xMax, vecino->xMin) << periodo.toStdString() << " " << y;
                }
                EXPECT_NEAR(primera->xMin, Pagina(95), kTolerancia) << periodo.toStdString();
                const double alto = primera->yMax - primera->yMin, altoAno = ano->yMax - ano->yMin;
                if (periodo.contains("HIRUHILEKOA")) EXPECT_LT(alto, altoAno - 0.05) << periodo.toStdString();
                else EXPECT_NEAR(alto, altoAno, 0.01) << periodo.toStdString();
            }
        }
    }
    lngIdioma = 0;
}

// With no printer the output goes to a PDF in the work folder, which is
// handed to the desktop's viewer; one no viewer opens is told with its folder
// and name, as no error: a document printed on its own tells it at once.
class SinImpresora : public ImpresionPdf {
protected:
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
        ImpresionPdf::SetUp();
        EstablecerImpresora("ninguna");
        QDesktopServices::setUrlHandler("file", &sinVisor, "metodoQueNoExiste");
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("file");
        EstablecerImpresora(QString());
        ImpresionPdf::TearDown();
    }
    QString Trabajo(const QString& fichero) const {
        return QDir(QString::fromStdString(strRutaTrabajo)).filePath(fichero);
    }
    // The names of the PDFs in the work folder, and of what is left of
    // writing them aside, one a line in order.
    static std::string Lista(QStringList nombres) {
        nombres.sort();
        return nombres.join('\n').toStdString();
    }
    std::string Pdfs() const {
        return Lista(QDir(QString::fromStdString(strRutaTrabajo)).entryList({"*.pdf"}, QDir::Files));
    }
    std::string Temporales() const {
        return Lista(QDir(QString::fromStdString(strRutaTrabajo)).entryList({"*.tmp*"}, QDir::Hidden | QDir::Files));
    }
    QObject sinVisor;
    const QString colectiva = QStringLiteral("794_Administracion_Colectiva_B01234567_2009_1T.pdf");
};

TEST_F(SinImpresora, CadaSalidaEsUnPdfEnLaCarpetaDeTrabajo) {
    ImprimirModelo();
    EXPECT_EQ(Paginas(Trabajo(colectiva)), 4);
    ASSERT_EQ(pantalla.avisos.size(), 1u);
    const QString aviso = pantalla.avisos[0];
    EXPECT_TRUE(aviso.startsWith(Cat(208) + "|")) << aviso.toStdString();
    EXPECT_TRUE(aviso.contains(QFileInfo(Trabajo(colectiva)).absolutePath() + ": " + colectiva + "."))
        << aviso.toStdString();
    EXPECT_EQ(Temporales(), "");
}

// Printing company B after company A, or another exercise or period, or the
// presenter's collective run, writes files of its own: none meets another.
TEST_F(SinImpresora, CadaDeclaranteEjercicioYPeriodoTieneSusPdf) {
    const struct {
        int32_t impreso, indCol, declarante, periodo;
        const char* fichero;
        int paginas;
    } casos[] = {
        {3, 1, 12, 3, "794_Administracion_Colectiva_B01234567_2009_1T.pdf", 4},
        {3, 0, 12, 3, "794_Administracion_11111111H_2009_1T.pdf", 1},
        {3, 0, 7, 3, "794_Administracion_22222222J_2009_1T.pdf", 1},
        {3, 0, 12, 6, "794_Administracion_11111111H_2009_2T.pdf", 1},
        {2, 0, 12, 3, "794_Interesado_11111111H_2009_1T.pdf", 1},
        {1, 0, 7, 3, "794_Borrador_22222222J_2009_1T.pdf", 1},
        {0, 0, 7, 3, "794_Etiqueta_22222222J_2009_1T.pdf", 1},
        {0, 1, 7, 3, "794_Etiqueta_Colectiva_B01234567_2009_1T.pdf", 1},
    };
    QStringList esperados;
    for (const auto& c : casos) {
        prueba::RunColectivo(c.impreso);
        cImprGrabar& run = objImprGrabar();
        run.IndCol(c.indCol);
        run.Periodo(c.periodo);
        if (c.indCol == 0) run.vBufferDeclarantes(rt::Variant(rt::VArray::Of({c.declarante})));
        pantalla.avisos.clear();
        ImprimirModelo();
        EXPECT_EQ(Paginas(Trabajo(c.fichero)), c.paginas) << c.fichero;
        ASSERT_EQ(pantalla.avisos.size(), 1u) << c.fichero;
        EXPECT_TRUE(pantalla.avisos[0].contains(QString(": ") + c.fichero + ".")) << pantalla.avisos[0].toStdString();
        esperados << c.fichero;
    }
    // The draft listing of the declarations window, of one declaration.
    objDeclarante().CargarDeclarante(7);
    objImprGrabar().CodDecla(2);
    ImprimirBorradorDeclarados();
    esperados << "794_BorradorDeclarados_22222222J_2009_1T.pdf";
    EXPECT_EQ(Pdfs(), Lista(esperados));
    EXPECT_EQ(Temporales(), "");
}

// The same declarant, exercise and period printed again keeps what was
// printed before, byte for byte: the new file is numbered, and the notice
// names it.
TEST_F(SinImpresora, OtraEjecucionIgualNoSustituyeLaAnterior) {
    const QByteArray anterior = "un impreso anterior";
    {
        QFile viejo(Trabajo(colectiva));
        ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
        viejo.write(anterior);
    }
    const QString numerados[] = {"794_Administracion_Colectiva_B01234567_2009_1T (2).pdf",
                                 "794_Administracion_Colectiva_B01234567_2009_1T (3).pdf"};
    for (const QString& numerado : numerados) {
        pantalla.avisos.clear();
        ImprimirModelo();
        EXPECT_EQ(Paginas(Trabajo(numerado)), 4) << numerado.toStdString();
        ASSERT_EQ(pantalla.avisos.size(), 1u);
        EXPECT_TRUE(pantalla.avisos[0].contains(": " + numerado + ".")) << pantalla.avisos[0].toStdString();
    }
    EXPECT_EQ(prueba::Leer(Trabajo(colectiva)), anterior);
    EXPECT_EQ(Pdfs(), Lista({colectiva, numerados[0], numerados[1]}));
    EXPECT_EQ(Temporales(), "");
}

TEST_F(SinImpresora, UnFalloDejaLasPaginasYaTerminadas) {
    objImprGrabar().vBufferDeclarantes(rt::Variant(rt::VArray::Of({12, 99})));
    EXPECT_THROW(ImprimirModelo(), rt::Error);
    EXPECT_EQ(Paginas(Trabajo(colectiva)), 1);
    EXPECT_TRUE(pantalla.avisos.empty());
    EXPECT_EQ(Temporales(), "");
}

// What the printer dialog set besides the printer stays for the runs that
// follow: each document's printer is set up with it, and the dialog opens
// with it again. (Without a print system on the machine the printer's name
// and two-sided printing cannot be set on a printer; the rest can.)
TEST(ImpresoraElegida, LoQueSeEligioEnElDialogoSirveALasSiguientesEjecuciones) {
    QPrinter dialogo;
    dialogo.setCopyCount(3);
    dialogo.setCollateCopies(false);
    dialogo.setColorMode(QPrinter::GrayScale);
    dialogo.setPageOrder(QPrinter::LastPageFirst);
    EstablecerImpresora(dialogo);
    QPrinter documento;
    PrepararImpresora(documento);
    EXPECT_EQ(documento.copyCount(), 3);
    EXPECT_FALSE(documento.collateCopies());
    EXPECT_EQ(documento.colorMode(), QPrinter::GrayScale);
    EXPECT_EQ(documento.pageOrder(), QPrinter::LastPageFirst);
    // Another printer, chosen by name alone, starts from its own defaults.
    EstablecerImpresora(QString());
    QPrinter otro;
    PrepararImpresora(otro);
    EXPECT_EQ(otro.copyCount(), 1);
    EXPECT_EQ(otro.pageOrder(), QPrinter::FirstPageFirst);
}

// The printer back-end: each job is begun and ended on the printer, and
// millimetres become the printer's dots from the printable area's corner.
TEST(LienzoImpresoraPrueba, CadaTrabajoSeImprimeEnMilimetrosDesdeElAreaImprimible) {
    QTemporaryDir carpeta;
    const QString salida = carpeta.filePath("impresora.pdf");
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(salida);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(10, 15, 10, 15), QPageLayout::Millimeter));
    LienzoImpresora lienzo(impresora, "prueba");
    lienzo.Fuente({"Arial", 30, false, false});
    lienzo.Print(50, 100, "794");
    lienzo.DrawWidth(9);
    lienzo.Box(20, 20, 60, 40);
    lienzo.EndDoc();
    EXPECT_EQ(Paginas(salida), 1);
    bool visto = false;
    for (const Palabra& p : Palabras(salida, 1))
        if (p.texto == "794") {
            visto = true;
            EXPECT_NEAR(p.xMin, 10 + 50, kTolerancia);
            EXPECT_NEAR(p.yMin, 15 + 100, kTolerancia);
        }
    EXPECT_TRUE(visto);
    EXPECT_TRUE(Ejecutar("pdffonts", {salida}).contains("LiberationSans"));
}

}  // namespace
