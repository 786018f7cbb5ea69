#pragma once
// The pictures of the windows, compiled into the program.
#include <QIcon>
#include <QPixmap>

// The emblem of the start window and the panel (75 by 98 pixels); null when it is missing.
QPixmap Emblema();
// The small picture of typology n (1 to 9) in the panel's list.
QIcon ImagenTipologia(int n);
