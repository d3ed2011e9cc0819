#pragma once
// The rows of the entry window's list. A row holds no text of its own: it
// reads what it shows from the entry list it stands for when it is drawn,
// sorted or asked for its text, so a declaration of many thousand entries is
// listed without a text being made for every cell first, and a refilled list
// shows the new entry list in every row kept.
#include <QIcon>
#include <QString>
#include <QTreeWidgetItem>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "quelvort/variant.h"

namespace quelvo {

namespace columnas_declarados {
// Columns of the list: the key (hidden), the entry picture, country, VAT
// number, name, key description, amount.
enum Columna { kClave, kIcono, kPais, kNif, kNombre, kDescripcion, kImporte, kColumnas };
}  // namespace columnas_declarados

// The entry list the rows stand for: the entry object's list, (field, row)
// with rows from 1 by entry key, or Null.
class ListadoDeclarados {
public:
    ListadoDeclarados();

    const rt::Variant& Filas() const { return filas_; }
    void Filas(const rt::Variant& filas);
    int32_t Cuenta() const { return cuenta_; }
    // Entry key of row i of an entry list.
    static int32_t Clave(const rt::Variant& filas, int32_t i);
    // The row holding entry `clave`, 0 when none does.
    int32_t FilaDeClave(int32_t clave) const;
    // Whether row i of `a` and row j of `b` show the same in that column, or
    // in every column when it is -1.
    static bool Igual(const rt::Variant& a, int32_t i, const rt::Variant& b, int32_t j, int columna = -1);

    // What the column shows for row i.
    QString Texto(int32_t i, int columna) const;
    // A field of row i as stored; empty when it holds no text.
    const std::string& Campo(int32_t i, int32_t campo) const;
    // The key description row i shows (DescripcionClave of its key and
    // type, asked once per pair).
    const QString& Descripcion(int32_t i) const;
    // The base of row i in currency units (stored in hundredths); 0 when it
    // is blank.
    double Importe(int32_t i) const;
    const QIcon& Icono() const { return icono_; }

private:
    rt::Variant filas_;
    int32_t cuenta_ = 0;
    QIcon icono_;
    struct Descrita {
        std::string clave;
        std::string tipo;
        QString texto;
    };
    // Kept where they are made: a row's description is read by reference.
    mutable std::deque<Descrita> descripciones_;
    // Row i's place in descripciones_, found when first asked; -1 before.
    mutable std::vector<int32_t> descritas_;
};

class FilaDeclarado : public QTreeWidgetItem {
public:
    FilaDeclarado(const ListadoDeclarados& listado, int32_t fila) : listado_(listado), fila_(fila) {}

    int32_t Fila() const { return fila_; }
    // The row of the entry list it stands for now.
    void Fila(int32_t fila) { fila_ = fila; }
    // Tells the list that what the row shows changed.
    void Cambiada() { emitDataChanged(); }

    QVariant data(int columna, int rol) const override;
    // By the sort column's text, as the list sorts any row.
    bool operator<(const QTreeWidgetItem& otra) const override;

private:
    const ListadoDeclarados& listado_;
    int32_t fila_;
};

}  // namespace quelvo
