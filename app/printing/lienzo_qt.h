#pragma once
// The canvas on real paper: each finished job is drawn with QPainter on a
// printer or into a PDF file, millimetres turned into the device's dots (the
// painter is never scaled, so point sizes stay true).
#include <QFile>
#include <QPainter>
#include <QString>
#include <memory>

#include "printing/lienzo.h"

class QPrinter;
class QPdfWriter;

namespace rt {
class TempBeside;
}

namespace quelvo {

// Draws one job on a painter that is active on its device, the canvas's
// origin `origen` millimetres right of and below the device's.
void DibujarTrabajo(QPainter& pintor, const Trabajo& trabajo, QPointF origen = {});

// Each job is one print job of the printer (begun and ended around it).
class LienzoImpresora : public Lienzo {
public:
    // The printer stays the caller's.
    LienzoImpresora(QPrinter& impresora, const QString& documento);

protected:
    void Emitir(const Trabajo& trabajo) override;

private:
    QPrinter& impresora_;
};

// Each job is one A4 page of a PDF file. The file is written aside and put in
// place by Terminar; a canvas dropped unfinished leaves the folder as it was.
class LienzoPdf : public Lienzo {
public:
    // What Terminar does when something already has the file's name.
    enum class SiExiste {
        // Keeps it: the new file is named "name (2).pdf", "name (3).pdf", ...
        Numerar,
        // Replaces it: the user chose that very file.
        Sustituir,
    };
    explicit LienzoPdf(const QString& ruta, SiExiste siExiste = SiExiste::Numerar);
    ~LienzoPdf() override;

    // Closes the file and puts it in place; false when no page was drawn
    // (nothing is written then). Raises when the file cannot be written.
    bool Terminar();
    int Paginas() const { return paginas_; }
    // The file's path: once in place, the name it got.
    const QString& Ruta() const { return ruta_; }

    // Margins of the printable area on the page, in millimetres.
    static constexpr double kMargen = 6.5;

protected:
    void Emitir(const Trabajo& trabajo) override;

private:
    void PonerEnSuSitio();

    QString ruta_;
    const SiExiste siExiste_;
    // Declared in the order they are built on one another.
    std::unique_ptr<rt::TempBeside> temporal_;
    QFile fichero_;
    std::unique_ptr<QPdfWriter> escritor_;
    QPainter pintor_;
    int paginas_ = 0;
    bool terminado_ = false;
};

}  // namespace quelvo
