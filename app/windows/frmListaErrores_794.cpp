#include "windows/frmListaErrores_794.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "controls/estilo.h"
#include "platform/sistema.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "services/catalogo.h"
#include "services/guarda.h"

namespace quelvo {

QStringList FilasHallazgo(int k, const QString& texto) {
    const std::string t = texto.toStdString();
    const QString numero = QString::number(k) + "- ";
    const int32_t p1 = rt::InStr(50, t, " ");
    const int32_t p2 = rt::InStr(100, t, " ");
    if (p1 == 0) return {numero + texto};
    QStringList filas{numero + QString::fromStdString(rt::Trim(rt::Left(t, p1)))};
    if (p2 > 0) {
        filas << QString::fromStdString(rt::Mid(t, p1, p2 - p1))
              << QString::fromStdString(rt::Mid(t, p2));
    } else {
        filas << QString::fromStdString(rt::Mid(t, p1));
    }
    return filas;
}

frmListaErrores_794::frmListaErrores_794(QWidget* parent) : QDialog(parent) {
    setObjectName("frmListaErrores_794");
    setWindowTitle("Lista de errores");
    setFixedSize(420, 300);

    labelListaErrores = new QLabel(this);
    labelListaErrores->setObjectName("labelListaErrores");
    labelListaErrores->setGeometry(12, 10, 396, 20);
    lstListaErrores = new QTreeWidget(this);
    lstListaErrores->setObjectName("lstListaErrores");
    lstListaErrores->setGeometry(12, 34, 396, 220);
    lstListaErrores->setColumnCount(1);
    cmdAceptar = new QPushButton(this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setGeometry(160, 262, 100, 28);
    cmdAceptar->setDefault(true);

    connect(cmdAceptar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmListaErrores_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    });
}

int frmListaErrores_794::exec() {
    plataforma::CursorNormal flecha;
    Form_Load();
    return QDialog::exec();
}

void frmListaErrores_794::Form_Load() {
    AplicarEstilo(this);
    labelListaErrores->setText(Cat(220));
    cmdAceptar->setText(Cat(105));
    RellenarListaDeErrores();
}

void frmListaErrores_794::RellenarListaDeErrores() {
    rt::Variant errores = vErrores;
    lstListaErrores->setFrameShape(QFrame::NoFrame);
    lstListaErrores->setHeaderHidden(true);
    lstListaErrores->setRootIsDecorated(false);
    lstListaErrores->setWordWrap(true);
    lstListaErrores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstListaErrores->header()->setStretchLastSection(true);

    const int32_t ultimo = rt::UBound(errores, 2);
    for (int32_t j = 0; j <= ultimo; ++j)
        errores(1, j) = DescripcionError(rt::CInt(errores(1, j))).toStdString();

    // By ordinal, and within one ordinal in the order the checks found them;
    // negative ordinals are not shown.
    struct Hallazgo {
        int32_t ordinal;
        int32_t j;
    };
    std::vector<Hallazgo> hallazgos;
    for (int32_t j = 0; j <= ultimo; ++j) {
        int32_t ordinal = rt::CLng(errores(0, j));
        if (ordinal >= 0) hallazgos.push_back({ordinal, j});
    }
    std::stable_sort(hallazgos.begin(), hallazgos.end(),
                     [](const Hallazgo& a, const Hallazgo& b) { return a.ordinal < b.ordinal; });

    int k = 0;
    for (const Hallazgo& h : hallazgos) {
        const QString texto = QString::fromStdString(errores(1, h.j).str());
        for (const QString& fila : FilasHallazgo(++k, texto))
            lstListaErrores->addTopLevelItem(new QTreeWidgetItem(QStringList{fila}));
    }
    AnchoParaCadaFila();
}

void frmListaErrores_794::AnchoParaCadaFila() {
    // A finding cut short loses its meaning: the window grows to its longest
    // row, within the screen, and the button stays in the middle.
    ensurePolished();
    lstListaErrores->ensurePolished();
    int filas = 0;
    int necesario = 0;
    for (int i = 0; i < lstListaErrores->topLevelItemCount(); ++i) {
        const QSize fila = lstListaErrores->sizeHintForIndex(lstListaErrores->model()->index(i, 0));
        necesario = std::max(necesario, fila.width());
        filas += fila.height();
    }
    necesario += 2 * lstListaErrores->frameWidth();
    if (filas > lstListaErrores->height() - 2 * lstListaErrores->frameWidth())
        necesario += lstListaErrores->verticalScrollBar()->sizeHint().width();
    const QScreen* pantalla = screen();
    const int maximo = pantalla ? pantalla->availableGeometry().width() : width();
    const int crece = std::min(necesario - lstListaErrores->width(), maximo - width());
    if (crece <= 0) return;
    setFixedSize(width() + crece, height());
    lstListaErrores->resize(lstListaErrores->width() + crece, lstListaErrores->height());
    labelListaErrores->resize(labelListaErrores->width() + crece, labelListaErrores->height());
    cmdAceptar->move(cmdAceptar->x() + crece / 2, cmdAceptar->y());
}

void frmListaErrores_794::cmdAceptar_Click() { accept(); }

}  // namespace quelvo
