#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace stays {

// The stay screens that the room board opens, in one place: each screen's own code
// fills its entry in when it lands, and tests may replace them to see what the
// board hands over. An empty entry opens nothing.
struct StayScreens
{
    // Check-out of an occupied room (its code "0000" and name).
    std::function<void(QWidget *parent, const QString &roomCode, const QString &roomName)> checkOut;
    // The reservation form; it reads the hand-over values.
    std::function<void(QWidget *parent)> reservationForm;
};

StayScreens &stayScreens();

} // namespace stays
