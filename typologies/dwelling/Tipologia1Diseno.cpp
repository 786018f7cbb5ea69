// Layout of the dwelling window: every control with its name, digit counts, pattern, display
// state and place; the tab order last.
#include "platform/CajaNum.h"
#include "platform/MaskEdBox.h"
#include "platform/Option.h"
#include "typologies/dwelling/Tipologia1.h"
#include "typologies/shared/DisenoVentana.h"

namespace {

using namespace diseno;

const std::vector<ControlDiseno>& Controles()
{
    static const std::vector<ControlDiseno> controles = {
        // Valuation date.
        Etiqueta("Label26", nullptr, 16, 14, 150),
        Fecha("txtp1fecv", nullptr, 170, 10),
        // Location.
        Marco("Frame1", nullptr, 8, 50, 984, 152),
        Etiqueta("Label1", "Frame1", 12, 28, 95),
        Lista("cmbp1mun", "Frame1", 110, 24, 300),
        Etiqueta("Label2", "Frame1", 12, 62, 95),
        Lista("cmbp1cal", "Frame1", 110, 58, 300),
        Etiqueta("Label3", "Frame1", 430, 62, 135),
        Numero("txtp1nup", "Frame1", 570, 58, 60, 3, 0, "###"),
        Etiqueta("Label4", "Frame1", 12, 96, 95),
        Muestra("txtp1nur", "Frame1", 110, 92, 50, 3, 0, "###"),
        Texto("txtp1nor", "Frame1", 166, 92, 244),
        Etiqueta("Label5", "Frame1", 430, 96, 230),
        Etiqueta("Label7", "Frame1", 665, 96, 40),
        Muestra("txtp1vrr", "Frame1", 710, 92, 130, 7, 2, "#,###,###"),
        Etiqueta("Label6", "Frame1", 430, 122, 230),
        Etiqueta("Label8", "Frame1", 665, 122, 40),
        Muestra("txtp1cco", "Frame1", 710, 118, 130, 6, 2, "###,###"),
        // Class, surface type, surface and homogenised surface.
        Marco("Frame2", nullptr, 8, 208, 180, 78),
        Opcion("optp1tvi(0)", "Frame2", 12, 22, 164),
        Opcion("optp1tvi(1)", "Frame2", 12, 48, 164),
        Marco("Frame3", nullptr, 8, 292, 180, 78),
        Opcion("optp1tsu(0)", "Frame3", 12, 22, 164),
        Opcion("optp1tsu(1)", "Frame3", 12, 48, 164),
        Marco("Frame4", nullptr, 196, 208, 180, 78),
        Numero("txtp1sbu", "Frame4", 20, 32, 120, 5, 2, "##,##0.00"),
        Marco("Frame5", nullptr, 196, 292, 180, 78),
        Etiqueta("Label9", "Frame5", 14, 36, 32),
        Muestra("txtp1sho", "Frame5", 48, 32, 120, 5, 4, "##,##0.0000"),
        // Situation in the building and CL.
        Marco("Frame6", nullptr, 384, 208, 300, 162),
        Casilla("Chkp1cl1", "Frame6", 10, 22, 284),
        Casilla("Chkp1cl2", "Frame6", 10, 46, 284),
        Casilla("Chkp1cl3", "Frame6", 10, 70, 284),
        Casilla("Chkp1cl4", "Frame6", 10, 94, 284),
        Etiqueta("Label10", "Frame6", 10, 130, 160),
        Etiqueta("Label11", "Frame6", 172, 130, 28),
        Marco("Frame10", "Frame6", 200, 118, 92, 40),
        Muestra("txtp1ccl", "Frame10", 8, 8, 76, 1, 2, "0.00"),
        // Age: the two age boxes share one place.
        Marco("Frame7", nullptr, 692, 208, 300, 162),
        Marco("Frame11", "Frame7", 8, 18, 284, 64),
        Opcion("optp1anttipo(0)", "Frame11", 6, 8, 274),
        Opcion("optp1anttipo(1)", "Frame11", 6, 34, 274),
        Numero("txtp1antd1", "Frame7", 16, 90, 110, 3, 0, "###"),
        Fecha("txtp1antd2", "Frame7", 16, 90),
        Etiqueta("Label12", "Frame7", 16, 128, 44),
        Muestra("txtp1ant", "Frame7", 62, 124, 50, 3, 0, "##0"),
        Etiqueta("Label13", "Frame7", 150, 128, 44),
        Muestra("txtp1dep", "Frame7", 200, 124, 86, 1, 4, "0.0000"),
        // Result of the valuation.
        Marco("Frame8", nullptr, 8, 376, 984, 262),
        Etiqueta("Label14", "Frame8", 12, 30, 160),
        Muestra("txtp1añop", "Frame8", 176, 26, 52, 4, 0, "####"),
        Etiqueta("Label15", "Frame8", 236, 30, 470),
        Etiqueta("Label25", "Frame8", 708, 30, 116),
        Muestra("txtp1vad", "Frame8", 830, 26, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label16", "Frame8", 12, 66, 560),
        Muestra("txtp1coa", "Frame8", 580, 62, 90, 2, 6, "#0.000000"),
        Etiqueta("Label24", "Frame8", 676, 66, 148),
        Muestra("txtp1vac", "Frame8", 830, 62, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label17", "Frame8", 12, 102, 560),
        Muestra("txtp1rp", "Frame8", 580, 98, 60, 1, 2, "0.00"),
        Etiqueta("Label23", "Frame8", 646, 102, 178),
        Muestra("txtp1vco", "Frame8", 830, 98, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label18", "Frame8", 12, 144, 170, true),
        Etiqueta("Label19", "Frame8", 186, 144, 386),
        Numero("txtp1pti", "Frame8", 580, 140, 70, 3, 2, "##0.00"),
        Etiqueta("Label22", "Frame8", 656, 144, 168),
        Muestra("txtp1vaf", "Frame8", 830, 140, 140, 11, 2, "##,###,###,###", true),
        Etiqueta("Label20", "Frame8", 600, 186, 224),
        Muestra("txtp1vsf", "Frame8", 830, 182, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label21", "Frame8", 600, 222, 224),
        Muestra("txtp1vcf", "Frame8", 830, 218, 140, 11, 2, "##,###,###,###"),
        // Currency.
        Marco("Frame9", nullptr, 270, 644, 230, 50),
        Opcion("optp1mon(0)", "Frame9", 12, 20, 100),
        Opcion("optp1mon(1)", "Frame9", 120, 20, 100),
    };
    return controles;
}

}  // namespace

void Tipologia1::Disenar()
{
    resize(1000, 700);
    setMinimumSize(1000, 700);
    ConstruirControles(*this, Controles());
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));
    CrearBotonera(this, QPoint(8, 646));
    // The years box is the one shown until the record says otherwise.
    findChild<MaskEdBox*>(QStringLiteral("txtp1antd2"))->setVisible(false);

    Chkp1cl1 = findChild<CheckBox*>(QStringLiteral("Chkp1cl1"));
    Chkp1cl2 = findChild<CheckBox*>(QStringLiteral("Chkp1cl2"));
    Chkp1cl3 = findChild<CheckBox*>(QStringLiteral("Chkp1cl3"));
    Chkp1cl4 = findChild<CheckBox*>(QStringLiteral("Chkp1cl4"));

    // Display boxes are out of the tab order.
    // clang-format off
    OrdenTabulacion(*this, {"txtp1fecv", "cmdDescripcion", "cmbp1mun", "cmbp1cal", "txtp1nup", "optp1tvi(0)",
                            "optp1tvi(1)", "optp1tsu(0)", "optp1tsu(1)", "txtp1sbu", "Chkp1cl1", "Chkp1cl3",
                            "Chkp1cl4", "Chkp1cl2", "optp1anttipo(0)", "optp1anttipo(1)", "txtp1antd1",
                            "txtp1antd2", "txtp1pti", "optp1mon(0)", "optp1mon(1)", "cmdsalir", "cmdlimpiar",
                            "cmdimprimir", "cmdayuda"});
    // clang-format on
}
