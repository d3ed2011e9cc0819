#pragma once
// Memory about to be written whole.
#include <cstddef>

namespace rt {

// Makes the pages of [data, data + bytes) present and writable at once, as
// writing each would, without changing what they hold: one call into the
// kernel in place of a page fault for every page of a large block that is
// about to be filled. Only the whole pages inside the range are touched.
// False when the kernel does not take the advice (before Linux 5.14): the
// pages are then faulted in one by one as they are written.
bool PrefaultForWriting(void* data, std::size_t bytes);

}  // namespace rt
