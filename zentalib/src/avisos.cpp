#include "avisos.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>
#include <cstring>

namespace zentalib {

bool HayInterfaz() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

QWidget* VentanaPadre(std::intptr_t parent) { return reinterpret_cast<QWidget*>(parent); }

bool SinDialogos() {
    const char* valor = std::getenv("QUELVO_SIN_DIALOGOS");
    return valor && std::strcmp(valor, "1") == 0;
}

bool Confirmar(std::intptr_t parent, int32_t idioma, const QString& titulo, const QString& texto) {
    if (SinDialogos()) return true;
    if (!HayInterfaz()) return false;
    QMessageBox caja(QMessageBox::Question, titulo, texto, QMessageBox::Yes | QMessageBox::No,
                     VentanaPadre(parent));
    caja.setDefaultButton(QMessageBox::No);
    const bool euskera = EsEuskera(idioma);
    caja.button(QMessageBox::Yes)->setText(euskera ? QStringLiteral("Bai") : QStringLiteral("Sí"));
    caja.button(QMessageBox::No)->setText(euskera ? QStringLiteral("Ez") : QStringLiteral("No"));
    return caja.exec() == QMessageBox::Yes;
}

namespace {

// A box with only the accept button.
void Mostrar(QMessageBox::Icon icono, std::intptr_t parent, int32_t idioma, const QString& titulo,
             const QString& texto) {
    if (SinDialogos() || !HayInterfaz()) return;
    QMessageBox caja(icono, titulo, texto, QMessageBox::Ok, VentanaPadre(parent));
    caja.button(QMessageBox::Ok)
        ->setText(EsEuskera(idioma) ? QStringLiteral("Onartu") : QStringLiteral("Aceptar"));
    caja.exec();
}

}  // namespace

void AvisarFallo(std::intptr_t parent, int32_t idioma, const QString& titulo, const QString& texto) {
    Mostrar(QMessageBox::Warning, parent, idioma, titulo, texto);
}

void Informar(std::intptr_t parent, int32_t idioma, const QString& titulo, const QString& texto) {
    Mostrar(QMessageBox::Information, parent, idioma, titulo, texto);
}

}  // namespace zentalib
