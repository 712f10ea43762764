#pragma once

#include <QIcon>
#include <QPixmap>

namespace ui {

// The program's own pictures, drawn rather than shipped: 32×32 command icons,
// the status panel's logo and close pictures, and the four room-state pictures.
QIcon commandIcon(const QString &commandName);
QPixmap logoPicture(int size);
QPixmap closePicture(int size);
// 0 free, 1 occupied, 2 cleaning, 3 maintenance.
QPixmap roomStatePicture(int index, int size = 70);

} // namespace ui
