// Timings of the window of industrial buildings on a copy of the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - another industrial zone chosen: its value looked up, then the redraw;
//  - the report printed to a PDF file.
// With "--captura <folder>" the valued window is then grabbed to PNG files in both languages and
// currencies (ventana9_es_P.png ...) and both reports printed there (informe9_es.pdf ...).
#include "BancoVentana.h"

using namespace banco;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BancoVentana b(9);
    if (!b.ok())
        return 1;
    Form* w = b.w();
    const auto valorar = [w] {
        Elegir(w, "cmbp9mun", QStringLiteral("BEREZIBAR-ARRIETA"));
        Elegir(w, "cmbp9nui", QStringLiteral("PI-02"));
        Control<OptionButton>(w, "optp9tsu(0)")->SetValue(true);
        Teclear(w, "txtp9antd1", QStringLiteral("12"));
        Teclear(w, "txtp9sbu", QStringLiteral("90"));
        Eventos();
    };
    valorar();

    Imprimir("entry to redrawn window", b.MedirSalidas("txtp9sbu", 300, QStringLiteral("95"), QStringLiteral("96,5")),
             "runs");
    auto* nui = Control<ComboBox>(w, "cmbp9nui");
    Imprimir("new zone (value lookup) to redrawn window", Medir(300, [&](int i) { nui->SetListIndex(i % 2); }), "runs");
    Imprimir("report to PDF", b.MedirInformes(5), "runs");
    std::printf("final value %s\n", qPrintable(Texto(w, "txtp9vaf")));
    BancoVentana::AvisarMensajes();

    b.Capturas(argc, argv, valorar);
    return 0;
}
