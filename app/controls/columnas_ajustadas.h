#pragma once
// The columns of a list view sized so that nothing a user must read whole is
// cut: columns of identifiers (NIF, VAT number, codes, amounts) are as wide
// as their longest value, and the columns of names share what is left of
// the list's width, so widening the window widens them.
#include <QFontMetricsF>
#include <QObject>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

class QTreeWidget;

namespace quelvo {

// Columns not named keep the width the list gives them.
enum class AnchoColumna {
    Valor,    // as wide as its longest value and its heading
    Reparte,  // a share of the rest, never narrower than the width given
};

struct ColumnaAjustada {
    int columna;
    AnchoColumna ancho;
    int twips;
};

class ColumnasAjustadas : public QObject {
public:
    // Kept by the list; the widths follow the list's every resize.
    ColumnasAjustadas(QTreeWidget* lista, std::vector<ColumnaAjustada> columnas);

    QTreeWidget* Lista() const { return lista_; }

    // Runs after each new sharing out, for what is drawn over the columns.
    void AlRepartir(std::function<void()> alRepartir) { alRepartir_ = std::move(alRepartir); }

    // Measures every row of the list afresh and sets the widths.
    void Medir();
    // The same, fed with the values as a long list is built: Empezar, then
    // Anotar for each value of a value column, then Aplicar. Anotar without
    // Empezar only widens (rows added or changed).
    void Empezar();
    void Anotar(int columna, const QString& texto);
    // The same for a text in UTF-8, measured without a QString made of it
    // when it is ASCII.
    void Anotar(int columna, std::string_view texto);
    void Aplicar();

    // Pixels by which the value columns now exceed their given widths: the
    // list is to be kept that much wider than its designed width.
    int Crecimiento() const;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Medida {
        // The widest value by the sum of its characters' advances, that
        // value, and the widest of the others.
        double mayor = 0;
        QString texto;
        double siguiente = 0;
    };
    double Aproximado(const QString& texto);
    double Avance(char16_t caracter);
    // The measure of that value column; none for another column.
    Medida* MedidaDe(int columna);
    // A value of that approximate width for the measure; `texto` gives the
    // value, asked only when it is the widest so far.
    template <typename Texto>
    static void Registrar(Medida& m, double ancho, Texto&& texto);
    void Repartir();

    QTreeWidget* lista_;
    // Compared by address only: its events keep coming while the list is
    // half destroyed, when the list can no longer be asked for it.
    const QObject* viewport_;
    std::vector<ColumnaAjustada> columnas_;
    std::vector<Medida> medidas_;
    QFontMetricsF metricas_;
    // Advances of the first characters of Unicode, asked once.
    std::vector<double> avances_;
    std::function<void()> alRepartir_;
};

}  // namespace quelvo
