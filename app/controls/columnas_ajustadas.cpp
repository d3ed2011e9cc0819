#include "controls/columnas_ajustadas.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

#include "services/twips.h"

namespace quelvo {

namespace {

constexpr int kAvancesGuardados = 256;

}  // namespace

ColumnasAjustadas::ColumnasAjustadas(QTreeWidget* lista, std::vector<ColumnaAjustada> columnas)
    : QObject(lista),
      lista_(lista),
      viewport_(lista->viewport()),
      columnas_(std::move(columnas)),
      medidas_(columnas_.size()),
      metricas_(lista->font()) {
    // The widths are all set here; none stretches by itself.
    lista_->header()->setStretchLastSection(false);
    lista_->viewport()->installEventFilter(this);
}

bool ColumnasAjustadas::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == viewport_ && evento->type() == QEvent::Resize) Repartir();
    return QObject::eventFilter(objeto, evento);
}

double ColumnasAjustadas::Avance(char16_t caracter) {
    if (caracter >= kAvancesGuardados) return metricas_.horizontalAdvance(QChar(caracter));
    double& avance = avances_[caracter];
    if (avance < 0) avance = metricas_.horizontalAdvance(QChar(caracter));
    return avance;
}

double ColumnasAjustadas::Aproximado(const QString& texto) {
    // A value's width as the sum of its characters' advances: exact enough
    // to find the widest of many values, which alone is then measured whole.
    double suma = 0;
    for (const QChar c : texto) suma += Avance(c.unicode());
    return suma;
}

ColumnasAjustadas::Medida* ColumnasAjustadas::MedidaDe(int columna) {
    if (avances_.empty()) Empezar();
    for (size_t k = 0; k < columnas_.size(); ++k)
        if (columnas_[k].columna == columna) return &medidas_[k];
    return nullptr;
}

template <typename Texto>
void ColumnasAjustadas::Registrar(Medida& m, double ancho, Texto&& texto) {
    if (ancho > m.mayor) {
        m.siguiente = m.mayor;
        m.mayor = ancho;
        m.texto = texto();
    } else if (ancho > m.siguiente) {
        m.siguiente = ancho;
    }
}

void ColumnasAjustadas::Empezar() {
    medidas_.assign(columnas_.size(), Medida{});
    metricas_ = QFontMetricsF(lista_->font());
    avances_.assign(kAvancesGuardados, -1);
}

void ColumnasAjustadas::Anotar(int columna, const QString& texto) {
    if (Medida* m = MedidaDe(columna)) Registrar(*m, Aproximado(texto), [&] { return texto; });
}

void ColumnasAjustadas::Anotar(int columna, std::string_view texto) {
    Medida* m = MedidaDe(columna);
    if (!m) return;
    double ancho = 0;
    for (const char c : texto) {
        const auto u = static_cast<unsigned char>(c);
        // Beyond ASCII the characters are those of the QString.
        if (u >= 0x80) {
            Anotar(columna, QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
            return;
        }
        const double guardado = avances_[u];
        ancho += guardado >= 0 ? guardado : Avance(u);
    }
    Registrar(*m, ancho, [&] { return QString::fromLatin1(texto.data(), static_cast<qsizetype>(texto.size())); });
}

void ColumnasAjustadas::Medir() {
    Empezar();
    for (int i = 0; i < lista_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* fila = lista_->topLevelItem(i);
        for (const ColumnaAjustada& c : columnas_)
            if (c.ancho == AnchoColumna::Valor) Anotar(c.columna, fila->text(c.columna));
    }
    Aplicar();
}

void ColumnasAjustadas::Aplicar() {
    if (avances_.empty()) Empezar();
    // The room a cell leaves either side of its text.
    const int margen = 2 * (lista_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lista_) + 1);
    for (size_t k = 0; k < columnas_.size(); ++k) {
        const ColumnaAjustada& c = columnas_[k];
        if (c.ancho != AnchoColumna::Valor) continue;
        const Medida& m = medidas_[k];
        const double valor =
            std::max(m.texto.isEmpty() ? 0.0 : metricas_.horizontalAdvance(m.texto), m.siguiente);
        // The heading drawn over the column reads with a blank before it.
        const QString titulo = lista_->headerItem()->text(c.columna);
        const double cabecera = titulo.isEmpty() ? 0.0 : metricas_.horizontalAdvance(" " + titulo);
        lista_->setColumnWidth(c.columna, static_cast<int>(std::ceil(std::max(valor, cabecera))) + margen);
    }
    Repartir();
}

int ColumnasAjustadas::Crecimiento() const {
    int crecimiento = 0;
    for (const ColumnaAjustada& c : columnas_)
        if (c.ancho == AnchoColumna::Valor)
            crecimiento += std::max(0, lista_->columnWidth(c.columna) - Px(c.twips));
    return crecimiento;
}

void ColumnasAjustadas::Repartir() {
    auto reparte = [this](int columna) -> const ColumnaAjustada* {
        for (const ColumnaAjustada& c : columnas_)
            if (c.columna == columna && c.ancho == AnchoColumna::Reparte) return &c;
        return nullptr;
    };
    int ocupado = 0;
    int diseno = 0;
    int ultima = -1;
    for (int c = 0; c < lista_->columnCount(); ++c) {
        if (lista_->isColumnHidden(c)) continue;
        if (const ColumnaAjustada* a = reparte(c)) {
            diseno += Px(a->twips);
            ultima = c;
        } else {
            ocupado += lista_->columnWidth(c);
        }
    }
    if (ultima < 0) {
        if (alRepartir_) alRepartir_();
        return;
    }
    // What the list shows beyond the other columns, shared by the given
    // widths; the last share takes what rounding left.
    const int resto = lista_->viewport()->width() - ocupado;
    int repartido = 0;
    for (int c = 0; c < lista_->columnCount(); ++c) {
        const ColumnaAjustada* a = lista_->isColumnHidden(c) ? nullptr : reparte(c);
        if (!a) continue;
        int ancho = Px(a->twips);
        if (resto > diseno) ancho = c == ultima ? resto - repartido : resto * Px(a->twips) / diseno;
        repartido += ancho;
        if (lista_->columnWidth(c) != ancho) lista_->setColumnWidth(c, ancho);
    }
    if (alRepartir_) alRepartir_();
}

}  // namespace quelvo
