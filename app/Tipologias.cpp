#include "app/Tipologias.h"

#include "typologies/commercial_industrial/Tipologia6.h"
#include "typologies/commercial_residential/Tipologia5.h"
#include "typologies/dwelling/Tipologia1.h"
#include "typologies/industrial_building/Tipologia9.h"
#include "typologies/office_industrial/Tipologia8.h"
#include "typologies/office_residential/Tipologia7.h"
#include "typologies/parking/Tipologia3.h"
#include "typologies/storage_room/Tipologia2.h"
#include "typologies/street_shop/Tipologia4.h"
#include "windows/VentanaTipologia.h"

void RegistrarTipologias()
{
    RegistrarVentanaTipologia(1, [] { return new Tipologia1; });
    RegistrarVentanaTipologia(2, [] { return new Tipologia2; });
    RegistrarVentanaTipologia(3, [] { return new Tipologia3; });
    RegistrarVentanaTipologia(4, [] { return new Tipologia4; });
    RegistrarVentanaTipologia(5, [] { return new Tipologia5; });
    RegistrarVentanaTipologia(6, [] { return new Tipologia6; });
    RegistrarVentanaTipologia(7, [] { return new Tipologia7; });
    RegistrarVentanaTipologia(8, [] { return new Tipologia8; });
    RegistrarVentanaTipologia(9, [] { return new Tipologia9; });
}
