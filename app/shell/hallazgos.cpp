#include "shell/hallazgos.h"

namespace quelvo {

rt::Variant Hallazgos::Matriz() const {
    if (hallazgos_.empty()) return rt::Variant::Null();
    const auto n = static_cast<int32_t>(hallazgos_.size());
    rt::VArray m({0, 1}, {0, n - 1});
    for (int32_t j = 0; j < n; ++j) {
        m.at(0, j) = rt::Variant::Integer(hallazgos_[static_cast<size_t>(j)].first);
        m.at(1, j) = rt::Variant::Integer(hallazgos_[static_cast<size_t>(j)].second);
    }
    return m;
}

}  // namespace quelvo
