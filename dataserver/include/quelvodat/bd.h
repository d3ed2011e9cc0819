#pragma once

namespace quelvodat {

// Which of the two databases a call works on.
enum BD { bd794mod = 0, bd794lec = 1 };

}  // namespace quelvodat
