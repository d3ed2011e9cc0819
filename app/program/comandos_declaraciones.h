#pragma once
// The hand-overs between the declarations window and the windows of the
// other subsystems: from the declarant windows to the declarations, and from
// the declarations to printing and the telematic submission.

namespace quelvo {

void ConectarDeclaraciones();

}  // namespace quelvo
