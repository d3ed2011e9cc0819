#pragma once
// The common look of the windows and the selection of an item in a list view.
class QTreeWidget;
class QWidget;

namespace quelvo {

// Paints every control of the window by the prefix of its name, in capitals:
// "CMD" buttons light grey; "SHPTIT" title shapes grey with a grey border;
// "SHPMARCO1" frames a grey border, "SHPMARCO2" a teal one; "LBLTIT" labels
// dark-green text; other "LBL" labels light grey with dark-green text; "CNU"
// numeric boxes flat. Shapes are QFrames. A control that matches a row but
// lacks its property raises error 438.
void AplicarEstilo(QWidget* ventana);

// Background of boxes that cannot be edited and of those that can.
inline constexpr unsigned kFondoNoEditable = 0xE0E0E0;
inline constexpr unsigned kFondoEditable = 0xFFFFFF;

// Paints the control's background (a box's or list's writing area, any
// other control's face).
void ColorFondo(QWidget* control, unsigned rgb);

// Select item 1, the last item or item n (from 1) of a list view and scroll
// it into view (the last two only when the list is visible). An empty list is
// left alone; n outside the items raises error 9.
void SeleccionarPrimero(QTreeWidget* lista);
void SeleccionarUltimo(QTreeWidget* lista);
void SeleccionarElemento(QTreeWidget* lista, int n);

}  // namespace quelvo
