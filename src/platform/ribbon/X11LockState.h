#pragma once

namespace platform {

// The keyboard's lock indicators from the X server; false (and nothing set) when
// the program does not run on X11. Kept apart: X11's headers define KeyPress & co.
bool readX11LockStates(bool &caps, bool &num, bool &scroll);

} // namespace platform
