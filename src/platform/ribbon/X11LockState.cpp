#include "X11LockState.h"

#include <QGuiApplication>

#if __has_include(<X11/XKBlib.h>) && defined(TREV_HAVE_X11)
#include <X11/XKBlib.h>
#define TREV_USE_XKB 1
#endif

namespace platform {

bool readX11LockStates(bool &caps, bool &num, bool &scroll)
{
#ifdef TREV_USE_XKB
    auto *x11 = QGuiApplication::platformName() == QLatin1String("xcb")
                    ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    if (x11 && x11->display()) {
        unsigned int state = 0;
        if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) == Success) {
            caps = state & 0x01;
            num = state & 0x02;
            scroll = state & 0x04;
            return true;
        }
    }
#endif
    Q_UNUSED(caps);
    Q_UNUSED(num);
    Q_UNUSED(scroll);
    return false;
}

} // namespace platform
