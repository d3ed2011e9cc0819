#include "program/menus.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <algorithm>

#include "declarations/cdeclaracion.h"
#include "parties/cdeclarante.h"
#include "program/mdi794.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

QString texto(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void InicilizarBotones() {
    try {
        VentanaPrincipal* mdi = VentanaPrincipal::Instancia();
        if (!mdi) return;
        // The image list of the toolbar, one image per button.
        const QStyle::StandardPixmap ilsMDI32[] = {
            QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon, QStyle::SP_TrashIcon,
            QStyle::SP_DialogHelpButton, QStyle::SP_DialogCloseButton};
        for (int i = 1; i <= mdi->NumeroBotones() && i <= 5; ++i)
            mdi->Boton(i)->setIcon(QApplication::style()->standardIcon(ilsMDI32[i - 1]));
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "General.InicilizarBotones");
    }
}

void MDI794::MenusSegunDatos(int32_t lngNumDeclarantes) {
    auto menu = [this](const char* nombre) { return Menu(nombre); };
    const char* recientes[] = {"mnuD1", "mnuD2", "mnuD3", "mnuD4"};
    for (const char* nombre : recientes) menu(nombre)->setVisible(false);
    menu("mnuSep3")->setVisible(false);

    objDeclarante().ObtenerUltimosDeclarantes();
    const rt::Variant& vBufferUltimos = objDeclarante().vBufferUltimos();

    if (lngNumDeclarantes < 1) {
        Boton(2)->setEnabled(false);
        Boton(3)->setEnabled(false);
        for (const char* nombre :
             {"mnuAbrDec", "mnuEliDec", "mnuGraImpOfi", "mnuExpDec", "mnuTelGes", "mnuImpDe"})
            menu(nombre)->setEnabled(false);
        return;
    }
    bool sinDeclaraciones = objDeclaracion().MaxEjerPer(false, 0).isNull();
    for (const char* nombre : {"mnuGraImpOfi", "mnuTelGes", "mnuImpDe"})
        menu(nombre)->setEnabled(!sinDeclaraciones);

    int32_t llenar = std::min<int32_t>(lngNumDeclarantes, 4);
    // The count and the list are read one after the other; fill no more
    // entries than the list has rows.
    if (vBufferUltimos.isArray()) llenar = std::min(llenar, rt::UBound(vBufferUltimos, 2));
    else llenar = 0;
    for (int32_t k = 1; k <= llenar; ++k) {
        QAction* entrada = menu(recientes[k - 1]);
        entrada->setData(texto(rt::CStr(vBufferUltimos(0, k))));
        // Doubled, an "&" of a name is shown as typed, not taken for a shortcut mark.
        QString rotulo = texto(rt::CStr(vBufferUltimos(1, k))) + " - " + texto(rt::CStr(vBufferUltimos(2, k)));
        entrada->setText(rotulo.replace(QLatin1Char('&'), QStringLiteral("&&")));
        entrada->setVisible(true);
    }
    if (llenar > 0) menu("mnuSep3")->setVisible(true);
}

}  // namespace quelvo
