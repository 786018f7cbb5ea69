// Layout of the storage-room window: every control with its name, digit counts, pattern,
// display state and place; the tab order last.
#include "typologies/shared/DisenoVentana.h"
#include "platform/CajaNum.h"
#include "platform/Option.h"
#include "typologies/storage_room/Tipologia2.h"

namespace {

using namespace diseno;

const std::vector<ControlDiseno>& Controles()
{
    static const std::vector<ControlDiseno> controles = {
        // Valuation date.
        Etiqueta("Label26", nullptr, 16, 14, 150),
        Fecha("txtp2fecv", nullptr, 170, 10),
        // Location.
        Marco("Frame1", nullptr, 8, 50, 984, 152),
        Etiqueta("Label1", "Frame1", 12, 28, 95),
        Lista("cmbp2mun", "Frame1", 110, 24, 300),
        Etiqueta("Label2", "Frame1", 12, 62, 95),
        Lista("cmbp2cal", "Frame1", 110, 58, 300),
        Etiqueta("Label3", "Frame1", 430, 62, 135),
        Numero("txtp2nup", "Frame1", 570, 58, 60, 3, 0, "###"),
        Etiqueta("Label4", "Frame1", 12, 96, 95),
        Muestra("txtp2nur", "Frame1", 110, 92, 50, 3, 0, "###"),
        Texto("txtp2nor", "Frame1", 166, 92, 244),
        Etiqueta("Label5", "Frame1", 430, 96, 230),
        Etiqueta("Label7", "Frame1", 665, 96, 40),
        Muestra("txtp2vrr", "Frame1", 710, 92, 130, 7, 2, "#,###,###"),
        Etiqueta("Label6", "Frame1", 430, 122, 230),
        Etiqueta("Label8", "Frame1", 665, 122, 40),
        Muestra("txtp2cco", "Frame1", 710, 118, 130, 6, 2, "###,###"),
        // Class, surface type, surface and homogenised surface.
        Marco("Frame2", nullptr, 8, 208, 190, 78),
        Opcion("optp2tvi(0)", "Frame2", 12, 22, 170),
        Opcion("optp2tvi(1)", "Frame2", 12, 48, 170),
        Marco("Frame3", nullptr, 8, 292, 190, 78),
        Opcion("optp2tsu(0)", "Frame3", 12, 22, 170),
        Opcion("optp2tsu(1)", "Frame3", 12, 48, 170),
        Marco("Frame4", nullptr, 206, 208, 190, 78),
        Numero("txtp2sbu", "Frame4", 20, 32, 120, 5, 2, "##,##0.00"),
        Marco("Frame5", nullptr, 206, 292, 190, 78),
        Etiqueta("Label9", "Frame5", 14, 36, 32),
        Muestra("txtp2sho", "Frame5", 50, 32, 120, 5, 4, "##,##0.0000"),
        // Situation in the building and CL.
        Marco("Frame6", nullptr, 404, 208, 290, 162),
        Casilla("Chkp2cl1", "Frame6", 10, 34, 270),
        Etiqueta("Label10", "Frame6", 10, 110, 158),
        Etiqueta("Label11", "Frame6", 170, 110, 22),
        Marco("Frame10", "Frame6", 186, 98, 100, 40),
        Muestra("txtp2ccl", "Frame10", 10, 8, 80, 1, 2, "0.00"),
        // Age: both boxes shown side by side, the one of the mode enabled.
        Marco("Frame7", nullptr, 702, 208, 290, 162),
        Marco("Frame11", "Frame7", 8, 18, 274, 64),
        Opcion("optp2anttipo(0)", "Frame11", 6, 8, 264),
        Opcion("optp2anttipo(1)", "Frame11", 6, 34, 264),
        Numero("txtp2antd1", "Frame7", 16, 90, 80, 3, 0, "###"),
        Fecha("txtp2antd2", "Frame7", 164, 90),
        Etiqueta("Label12", "Frame7", 16, 128, 44),
        Muestra("txtp2ant", "Frame7", 62, 124, 50, 3, 0, "##0"),
        Etiqueta("Label13", "Frame7", 124, 128, 44),
        Muestra("txtp2dep", "Frame7", 170, 124, 70, 1, 4, "0.0000"),
        // Result of the valuation.
        Marco("Frame8", nullptr, 8, 376, 984, 262),
        Etiqueta("Label14", "Frame8", 12, 30, 160),
        Muestra("txtp2añop", "Frame8", 176, 26, 52, 4, 0, "####"),
        Etiqueta("Label15", "Frame8", 236, 30, 470),
        Etiqueta("Label25", "Frame8", 708, 30, 116),
        Muestra("txtp2vad", "Frame8", 830, 26, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label16", "Frame8", 12, 66, 560),
        Muestra("txtp2coa", "Frame8", 580, 62, 90, 2, 6, "#0.000000"),
        Etiqueta("Label24", "Frame8", 676, 66, 148),
        Muestra("txtp2vac", "Frame8", 830, 62, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label17", "Frame8", 12, 102, 560),
        Muestra("txtp2rp", "Frame8", 580, 98, 60, 1, 2, "0.00"),
        Etiqueta("Label23", "Frame8", 646, 102, 178),
        Muestra("txtp2vco", "Frame8", 830, 98, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label18", "Frame8", 12, 144, 152, true),
        Etiqueta("Label19", "Frame8", 168, 144, 404),
        Numero("txtp2pti", "Frame8", 580, 140, 70, 3, 2, "##0.00"),
        Etiqueta("Label22", "Frame8", 656, 144, 168),
        Muestra("txtp2vaf", "Frame8", 830, 140, 140, 11, 2, "##,###,###,###", true),
        Etiqueta("Label20", "Frame8", 600, 186, 224),
        Muestra("txtp2vsf", "Frame8", 830, 182, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label21", "Frame8", 600, 222, 224),
        Muestra("txtp2vcf", "Frame8", 830, 218, 140, 11, 2, "##,###,###,###"),
        // Currency.
        Marco("Frame9", nullptr, 270, 644, 230, 50),
        Opcion("optp2mon(0)", "Frame9", 12, 20, 100),
        Opcion("optp2mon(1)", "Frame9", 120, 20, 100),
    };
    return controles;
}

}  // namespace

void Tipologia2::Disenar()
{
    resize(1000, 700);
    setMinimumSize(1000, 700);
    ConstruirControles(*this, Controles());
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));
    CrearBotonera(this, QPoint(8, 646));

    Chkp2cl1 = findChild<CheckBox*>(QStringLiteral("Chkp2cl1"));

    // Display boxes are out of the tab order.
    // clang-format off
    OrdenTabulacion(*this, {"txtp2fecv", "cmdDescripcion", "cmbp2mun", "cmbp2cal", "txtp2nup", "optp2tvi(0)",
                            "optp2tvi(1)", "optp2tsu(0)", "optp2tsu(1)", "txtp2sbu", "Chkp2cl1", "optp2anttipo(0)",
                            "optp2anttipo(1)", "txtp2antd1", "txtp2antd2", "txtp2pti", "optp2mon(0)", "optp2mon(1)",
                            "cmdsalir", "cmdlimpiar", "cmdimprimir", "cmdayuda"});
    // clang-format on
}
