#include "printing/imprimir.h"

#include "quelvort/error.h"

namespace quelvo {

void ImprimirModelo() {
    throw rt::Error(rt::err::InvalidArgument, "Quelvo",
                    "La impresión de los modelos no está disponible en esta versión. / "
                    "Inprimakien inprimaketa ez dago erabilgarri bertsio honetan.");
}

}  // namespace quelvo
