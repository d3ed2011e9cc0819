#pragma once
// The copy of an editor's boxes into the desktop declarant or presenter
// object, field by field through each box's Tag, with the change flag.
#include <cstdint>
#include <vector>

class QWidget;

namespace quelvo {

inline constexpr int32_t kVolcarPresentador = 0;
inline constexpr int32_t kVolcarDeclarante = 1;

// For every control of the window whose name begins with "txt" or "cn": the
// text in capitals goes into the field its Tag (any case) names, and the
// object is marked modified when the box differs from the field's old value
// (blanks around and letter case aside). Kind 1 is the declarant, 0 the
// presenter; any other kind copies nothing.
//
// Returns the boxes whose text does not fit their numeric field (no number,
// or too large): those fields keep their value, for the editor's checks to
// report.
std::vector<QWidget*> VolcarFormulario(int32_t tipo, QWidget* formulario);

}  // namespace quelvo
