#include "windows/Imagenes.h"

#include <QString>

// The pictures live in a static library: their registration has to be asked for once (outside
// any namespace, where the resource's own function is declared).
static void RegistrarImagenes()
{
    static const bool hecho = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)hecho;
}

QPixmap Emblema()
{
    RegistrarImagenes();
    return QPixmap(QStringLiteral(":/pictures/emblema.png"));
}

QIcon ImagenTipologia(int n)
{
    RegistrarImagenes();
    return QIcon(QStringLiteral(":/pictures/tipologia%1.png").arg(n));
}
