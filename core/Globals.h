#pragma once
// The program's single objects, each created on its first use and kept until the end of the
// program (or until ReleaseGlobals), and the language offset.
#include <cstdint>

class cConexionDAO;
class CEntrada;
class cFecha;
class cDatosInicial;
class CDatosTip1;
class cDatosTip2;
class CDatosTip3;
class cDatosTip4;
class cDatosTip5;
class cDatosTip6;
class cDatosTip7;
class cDatosTip8;
class cDatosTip9;

// Language offset of the string table: 0 Spanish, 10000 Basque.
extern int16_t gIdioma;

cConexionDAO& gConexion();
CEntrada& gEntrada();
cFecha& gFecha();
cDatosInicial& gDatosInicial();
CDatosTip1& gDatosTip1();
cDatosTip2& gDatosTip2();
CDatosTip3& gDatosTip3();
cDatosTip4& gDatosTip4();
cDatosTip5& gDatosTip5();
cDatosTip6& gDatosTip6();
cDatosTip7& gDatosTip7();
cDatosTip8& gDatosTip8();
cDatosTip9& gDatosTip9();

class CDatosTip;
// The global record of typology 1 to 9 (nullptr for any other number).
CDatosTip* Registro(int tipo);

// Releases the settings, the current selection and the nine typology records; a later use
// creates them anew. The connection and the date converter stay.
void ReleaseGlobals();

// The classes themselves, after the declarations above so that their headers may use them.
#include "core/CEntrada.h"
#include "core/Registros.h"
#include "core/cConexionDAO.h"
#include "core/cDatosInicial.h"
#include "core/cFecha.h"
