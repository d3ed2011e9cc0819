#pragma once
// Where one printed document goes: the file chosen in the printer dialog for
// the run, else the printer chosen there, else the system's default printer,
// else (no printer configured) a PDF file of its own in the work folder that
// is opened in the desktop's viewer. Tests draw on a canvas of their own
// instead.
#include <QString>
#include <QStringList>
#include <memory>

#include "printing/lienzo.h"

class QPrinter;

namespace quelvo {

// The printer the user chose in the printer dialog; "" for the default one.
// Chosen by name alone, it prints with its own defaults.
void EstablecerImpresora(const QString& nombre);
QString ImpresoraElegida();
// The printer the dialog set up, with what it chose for it (copies and their
// collation, order, colour, two-sided printing): kept for every later
// document until the dialog chooses again.
void EstablecerImpresora(const QPrinter& elegida);
// Sets up a printer as chosen: each document's, and the dialog's before it
// opens again.
void PrepararImpresora(QPrinter& impresora);

// Every document is drawn on `lienzo` (not owned) while it is set; nullptr
// gives the real destinations back.
void EstablecerLienzoPruebas(Lienzo* lienzo);

class LienzoPdf;

// The PDFs of one run (several documents) that no viewer opened, told in one
// notice when the run is over: the file chosen for the run, or which folder,
// which files, and that they could not be opened. Documents written while
// none lives tell their own. One inside another leaves the telling to the
// outer one.
class DocumentosSinAbrir {
public:
    DocumentosSinAbrir();
    ~DocumentosSinAbrir();
    DocumentosSinAbrir(const DocumentosSinAbrir&) = delete;
    DocumentosSinAbrir& operator=(const DocumentosSinAbrir&) = delete;

    // The notice, when there is anything to tell; then nothing is left.
    void Avisar();

private:
    friend class DocumentoImpreso;
    friend class FicheroElegido;
    QStringList rutas_;
    QString elegido_;
    bool elegidoCompleto_ = true;
};

// While it lives, every document printed goes into the one PDF file the
// user chose in the printer dialog: each job a page, in the order printed.
// The file is written aside and, when the run is over (Terminar, or an error
// that ends it, which keeps the pages already ended), put in place over
// whatever had its name: the dialog has asked the user before.
class FicheroElegido {
public:
    // ruta "": nothing changes.
    explicit FicheroElegido(const QString& ruta);
    ~FicheroElegido();
    FicheroElegido(const FicheroElegido&) = delete;
    FicheroElegido& operator=(const FicheroElegido&) = delete;

    // Puts the file in place and has it told (nothing when no page was
    // drawn), as holding only part of the run unless `completo`; raises when
    // it cannot be written. A run ended by an error writes its pages but
    // tells nothing.
    void Terminar(bool completo = true);

private:
    friend class DocumentoImpreso;
    std::unique_ptr<LienzoPdf> pdf_;
};

// One printed document (the pages of one output, the label, the draft
// listing). Pages already ended stay sent when a later one fails.
class DocumentoImpreso {
public:
    // nombre: the PDF's file name without extension; a PDF never replaces
    // a file already there (see LienzoPdf::SiExiste).
    explicit DocumentoImpreso(const QString& nombre);
    ~DocumentoImpreso();
    DocumentoImpreso(const DocumentoImpreso&) = delete;
    DocumentoImpreso& operator=(const DocumentoImpreso&) = delete;

    Lienzo& lienzo() { return *lienzo_; }
    // Sends the pending job; a PDF is put in place and opened in the viewer
    // (one that does not open is told, see DocumentosSinAbrir).
    void Terminar();
    // The PDF's path when the document goes to a file, else "".
    QString RutaPdf() const;

private:
    std::unique_ptr<QPrinter> impresora_;
    std::unique_ptr<Lienzo> propio_;
    LienzoPdf* pdf_ = nullptr;
    Lienzo* lienzo_ = nullptr;
};

}  // namespace quelvo
