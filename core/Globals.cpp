#include "core/Globals.h"

#include <memory>

int16_t gIdioma = 0;

namespace {

template <class T>
T& Unico(std::unique_ptr<T>& p)
{
    if (!p)
        p = std::make_unique<T>();
    return *p;
}

std::unique_ptr<cConexionDAO> conexion;
std::unique_ptr<CEntrada> entrada;
std::unique_ptr<cFecha> fecha;
std::unique_ptr<cDatosInicial> datosInicial;
std::unique_ptr<CDatosTip1> tip1;
std::unique_ptr<cDatosTip2> tip2;
std::unique_ptr<CDatosTip3> tip3;
std::unique_ptr<cDatosTip4> tip4;
std::unique_ptr<cDatosTip5> tip5;
std::unique_ptr<cDatosTip6> tip6;
std::unique_ptr<cDatosTip7> tip7;
std::unique_ptr<cDatosTip8> tip8;
std::unique_ptr<cDatosTip9> tip9;

}  // namespace

cConexionDAO& gConexion() { return Unico(conexion); }
CEntrada& gEntrada() { return Unico(entrada); }
cFecha& gFecha() { return Unico(fecha); }
cDatosInicial& gDatosInicial() { return Unico(datosInicial); }
CDatosTip1& gDatosTip1() { return Unico(tip1); }
cDatosTip2& gDatosTip2() { return Unico(tip2); }
CDatosTip3& gDatosTip3() { return Unico(tip3); }
cDatosTip4& gDatosTip4() { return Unico(tip4); }
cDatosTip5& gDatosTip5() { return Unico(tip5); }
cDatosTip6& gDatosTip6() { return Unico(tip6); }
cDatosTip7& gDatosTip7() { return Unico(tip7); }
cDatosTip8& gDatosTip8() { return Unico(tip8); }
cDatosTip9& gDatosTip9() { return Unico(tip9); }

CDatosTip* Registro(int tipo)
{
    // clang-format off
    switch (tipo) {
    case 1: return &gDatosTip1();
    case 2: return &gDatosTip2();
    case 3: return &gDatosTip3();
    case 4: return &gDatosTip4();
    case 5: return &gDatosTip5();
    case 6: return &gDatosTip6();
    case 7: return &gDatosTip7();
    case 8: return &gDatosTip8();
    case 9: return &gDatosTip9();
    default: return nullptr;
    }
    // clang-format on
}

void ReleaseGlobals()
{
    entrada.reset();
    datosInicial.reset();
    tip1.reset();
    tip2.reset();
    tip3.reset();
    tip4.reset();
    tip5.reset();
    tip6.reset();
    tip7.reset();
    tip8.reset();
    tip9.reset();
}
