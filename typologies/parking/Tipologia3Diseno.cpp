// Layout of the garage and parking window: every control with its name, digit counts, pattern,
// display state and place; the tab order last.
#include "typologies/parking/Tipologia3.h"
#include "typologies/shared/DisenoVentana.h"

void Tipologia3::Disenar()
{
    resize(1000, 580);
    setMinimumSize(1000, 580);

    using namespace diseno;
    // clang-format off
    ConstruirControles(*this, {
        // Valuation date.
        Etiqueta("Label16", nullptr, 16, 14, 150),
        Fecha("txtp3fecv", nullptr, 170, 10),

        // Location and the zone's parking module.
        Marco("Frame1", nullptr, 8, 50, 984, 134),
        Etiqueta("Label1", "Frame1", 12, 28, 95),
        Lista("cmbp3mun", "Frame1", 110, 24, 300),
        Etiqueta("Label2", "Frame1", 12, 62, 95),
        Lista("cmbp3cal", "Frame1", 110, 58, 300),
        Etiqueta("Label3", "Frame1", 430, 62, 135),
        Numero("txtp3nup", "Frame1", 570, 58, 60, 3, 0, "###"),
        Etiqueta("Label4", "Frame1", 12, 96, 95),
        Muestra("txtp3nur", "Frame1", 110, 92, 50, 3, 0, "###"),
        Texto("txtp3nor", "Frame1", 166, 92, 244),
        Etiqueta("Label5", "Frame1", 430, 96, 190),
        Etiqueta("Label6", "Frame1", 625, 96, 40),
        Muestra("txtp3map", "Frame1", 670, 92, 130, 8, 2, "##,###,###"),

        // Garage or parking space and CG.
        Marco("Frame2", nullptr, 8, 190, 330, 120),
        diseno::Opcion("optp3tga(0)", "Frame2", 12, 24, 170),
        diseno::Opcion("optp3tga(1)", "Frame2", 12, 52, 170),
        Etiqueta("Label7", "Frame2", 12, 88, 180),
        Etiqueta("Label8", "Frame2", 196, 88, 30),
        Marco("Frame8", "Frame2", 230, 72, 90, 42),
        Muestra("txtp3ccg", "Frame8", 10, 10, 70, 1, 2, "0.00"),

        // Surface type, surface and CS.
        Marco("Frame3", nullptr, 346, 190, 200, 120),
        diseno::Opcion("optp3tsu(0)", "Frame3", 12, 24, 176),
        diseno::Opcion("optp3tsu(1)", "Frame3", 12, 52, 176),
        Marco("Frame4", nullptr, 554, 190, 200, 120),
        Numero("txtp3sbu", "Frame4", 20, 40, 130, 5, 2, "##,##0.00"),
        Marco("Frame5", nullptr, 762, 190, 230, 120),
        Etiqueta("Label9", "Frame5", 14, 44, 32),
        Muestra("txtp3ccs", "Frame5", 50, 40, 130, 4, 4, "#,##0.0000"),

        // Result of the valuation, currency and buttons.
        Marco("Frame6", nullptr, 8, 316, 984, 256),
        Etiqueta("Label10", "Frame6", 12, 30, 160),
        Muestra("txtp3añop", "Frame6", 176, 26, 52, 4, 0, "####"),
        Etiqueta("Label11", "Frame6", 236, 30, 200),
        Etiqueta("Label22", "Frame6", 440, 30, 384),
        Muestra("txtp3vad", "Frame6", 830, 26, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label12", "Frame6", 12, 66, 560),
        Muestra("txtp3coa", "Frame6", 580, 62, 90, 2, 6, "#0.000000"),
        Etiqueta("Label24", "Frame6", 676, 66, 148),
        Muestra("txtp3vac", "Frame6", 830, 62, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label13", "Frame6", 12, 102, 560),
        Muestra("txtp3rp", "Frame6", 580, 98, 60, 1, 2, "0.00"),
        Etiqueta("Label25", "Frame6", 646, 102, 178),
        Muestra("txtp3vco", "Frame6", 830, 98, 140, 11, 2, "##,###,###,###"),
        Etiqueta("Label14", "Frame6", 12, 144, 152, true),
        Etiqueta("Label15", "Frame6", 168, 144, 404),
        Numero("txtp3pti", "Frame6", 580, 140, 70, 3, 2, "##0.00"),
        Etiqueta("Label23", "Frame6", 656, 144, 168),
        Muestra("txtp3vaf", "Frame6", 830, 140, 140, 11, 2, "##,###,###,###", true),
        Marco("Frame7", "Frame6", 262, 192, 230, 50),
        diseno::Opcion("optp3mon(0)", "Frame7", 12, 20, 100),
        diseno::Opcion("optp3mon(1)", "Frame7", 120, 20, 100),
    });
    // clang-format on
    CrearBotonera(findChild<QWidget*>(QStringLiteral("Frame6")), QPoint(12, 194));
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));

    // Tab (and Enter) order; display boxes are out of it.
    // clang-format off
    OrdenTabulacion(*this, {"txtp3fecv", "cmdDescripcion", "cmbp3mun", "cmbp3cal", "txtp3nup", "optp3tga(0)",
                            "optp3tga(1)", "optp3tsu(0)", "optp3tsu(1)", "txtp3sbu", "txtp3pti", "optp3mon(0)",
                            "optp3mon(1)", "cmdsalir", "cmdlimpiar", "cmdimprimir", "cmdayuda", "txtp3nor",
                            "txtdescrip"});
    // clang-format on
}
