#pragma once

#include <QString>

namespace data {

// What one screen leaves for the screen it opens: a room code followed by
// "#Fazer CheckIn" from a free tile, a reservation number followed by
// "#Editando Reserva" from the reservation map, and the like.
inline QString handOverText;
inline QString handOverDate;
inline bool checkInRequested = false;

inline void clearHandOver()
{
    handOverText.clear();
    handOverDate.clear();
    checkInRequested = false;
}

} // namespace data
