#include "StayScreens.h"

namespace stays {

StayScreens &stayScreens()
{
    static StayScreens screens;
    return screens;
}

} // namespace stays
