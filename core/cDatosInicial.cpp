#include "core/cDatosInicial.h"

#include "core/Globals.h"

void cDatosInicial::InicializarTipologias()
{
    const QString vacio = QStringLiteral("V");
    gDatosTip1().setP1_SVL(vacio);
    gDatosTip2().setP2_SVL(vacio);
    gDatosTip3().setP3_SVL(vacio);
    gDatosTip4().setP4_SVL(vacio);
    gDatosTip5().setP5_SVL(vacio);
    gDatosTip6().setP6_SVL(vacio);
    gDatosTip7().setP7_SVL(vacio);
    gDatosTip8().setP8_SVL(vacio);
    gDatosTip9().setP9_SVL(vacio);
}
