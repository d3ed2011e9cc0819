#pragma once
// The printing canvas: a page in millimetres, origin at the top-left corner
// of the printable area, y downwards. Text is placed by the top-left corner
// of its line box, in the current font; widths and heights are measured in
// that font, in millimetres.
//
// What is drawn between two EndDoc calls is one print job. The canvas keeps
// the job until EndDoc and hands it whole to its back-end (the printer, a PDF
// file, or the recording kept for tests), so a job that fails half way is
// dropped and never reaches the paper. A job with nothing drawn is no job.
#include <QRgb>
#include <QString>
#include <functional>
#include <vector>

namespace quelvo {

// The current font of the canvas: the face as the pages name it ("Arial",
// "Times New Roman"), the size in points, bold and italic.
struct FuenteLienzo {
    QString nombre = QStringLiteral("Arial");
    double puntos = 10;
    bool negrita = false;
    bool cursiva = false;
    bool operator==(const FuenteLienzo&) const = default;
};

// One drawing operation of a job, in millimetres.
struct Operacion {
    enum class Tipo { Texto, Linea, Caja, CajaRellena, Imagen };
    Tipo tipo = Tipo::Texto;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString texto;         // the text, or the picture's name
    FuenteLienzo fuente;   // texts
    int grosor = 1;        // lines and box outlines, in drawing units
    QRgb color = 0;        // filled boxes
};

using Trabajo = std::vector<Operacion>;

class Lienzo {
public:
    virtual ~Lienzo() = default;

    // Font and line state; the state outlives EndDoc, as the printer's does.
    const FuenteLienzo& Fuente() const { return fuente_; }
    void Fuente(const FuenteLienzo& f) { fuente_ = f; }
    QString FontName() const { return fuente_.nombre; }
    void FontName(const QString& v) { fuente_.nombre = v; }
    double FontSize() const { return fuente_.puntos; }
    void FontSize(double v) { fuente_.puntos = v; }
    bool FontBold() const { return fuente_.negrita; }
    void FontBold(bool v) { fuente_.negrita = v; }
    bool FontItalic() const { return fuente_.cursiva; }
    void FontItalic(bool v) { fuente_.cursiva = v; }
    // Line width of rules and outlines, in drawing units of 1/300 inch.
    int DrawWidth() const { return grosor_; }
    void DrawWidth(int v) { grosor_ = v < 1 ? 1 : v; }

    // Extent of a text in the current font, in millimetres. An empty text is
    // 0 wide and one line high.
    double TextWidth(const QString& texto) const;
    double TextHeight(const QString& texto) const;

    // Draws texto with the top-left corner of its line box at (x, y).
    void Print(double x, double y, const QString& texto);
    // A black rule.
    void Line(double x1, double y1, double x2, double y2);
    // The outline of a rectangle in black; the inside is left as it is.
    void Box(double x1, double y1, double x2, double y2);
    // A rectangle filled in color, with no outline.
    void FilledBox(double x1, double y1, double x2, double y2, QRgb color);
    // One of the form pictures (by name), at its own size, top-left at (x, y).
    void PaintPicture(const QString& nombre, double x, double y);

    // Ends the job: what was drawn since the last EndDoc goes to the back-end.
    void EndDoc();
    // Drops what was drawn since the last EndDoc: nothing of it is sent.
    void AbortDoc();
    // Runs dibujar as one whole job: ended with EndDoc when it returns; when
    // it raises, the job is dropped, the font and line width are given back
    // as they were, and the error goes on.
    void TrabajoCompleto(const std::function<void()>& dibujar);
    // Whether the job in hand holds anything.
    bool TrabajoPendiente() const { return !pendiente_.empty(); }

protected:
    // Receives each finished job that holds something.
    virtual void Emitir(const Trabajo& trabajo) = 0;

private:
    FuenteLienzo fuente_;
    int grosor_ = 1;
    Trabajo pendiente_;
};

// Keeps every job for the tests to read.
class LienzoGrabacion : public Lienzo {
public:
    const std::vector<Trabajo>& Trabajos() const { return trabajos_; }

protected:
    void Emitir(const Trabajo& trabajo) override { trabajos_.push_back(trabajo); }

private:
    std::vector<Trabajo> trabajos_;
};

// Millimetres per drawing unit of DrawWidth.
inline constexpr double kMilimetrosPorUnidadTrazo = 25.4 / 300.0;

}  // namespace quelvo
