// Timings of the window of a shop in a commercial building of an industrial zone, on a copy of
// the demo database:
//  - an accepted entry (a new surface) to the redrawn window: SH, the chain, PresentaDatos;
//  - a new municipality with a single zone: ponencia year, zone list, the zone's value looked
//    up and valued, then the redraw;
//  - the report printed to a PDF file.
// With "--captura <folder>" the valued window is grabbed to PNG files in both languages and
// currencies (ventana6_es_P.png ...) and both reports printed there, with the interior box
// ticked, to be looked at.
#include "BancoVentana.h"

using namespace banco;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BancoVentana b(6);
    if (!b.ok())
        return 1;
    Form* w = b.w();
    // BEREZIBAR-ARRIETA has three zones; built 120 m2, 8 years, interior.
    const auto valorar = [w] {
        Elegir(w, "cmbp6mun", QStringLiteral("BEREZIBAR-ARRIETA"));
        Elegir(w, "cmbp6nui", QStringLiteral("PI-02"));
        Control<OptionButton>(w, "optp6tsu(0)")->SetValue(true);
        Control<QAbstractButton>(w, "Chkp6cl1")->setChecked(true);
        Teclear(w, "txtp6antd1", QStringLiteral("8"));
        Teclear(w, "txtp6sbu", QStringLiteral("120"));
    };
    valorar();

    // An accepted entry: store, SH, the chain, redraw.
    const auto entrada = b.MedirSalidas("txtp6sbu", 300, QStringLiteral("118"), QStringLiteral("121,5"));
    Imprimir("entry to redrawn window", entrada, "entries", b.ValorFinal("txtp6vaf"));

    // ALTZAGA and GAZTELUONDO have one zone each: every change values the new one.
    auto* mun = Control<ComboBox>(w, "cmbp6mun");
    int altzaga = -1, gazteluondo = -1;
    for (int i = 0; i < mun->ListCount(); ++i) {
        if (mun->List(i) == QLatin1String("ALTZAGA"))
            altzaga = i;
        if (mun->List(i) == QLatin1String("GAZTELUONDO"))
            gazteluondo = i;
    }
    if (altzaga < 0 || gazteluondo < 0) {
        std::fprintf(stderr, "the demo database has not the municipalities of one zone\n");
        return 1;
    }
    const auto municipio = Medir(300, [&](int i) { mun->SetListIndex(i % 2 ? altzaga : gazteluondo); });
    Imprimir("new municipality of one zone (ponencia, zone list, value) to redrawn window", municipio, "changes",
             b.ValorFinal("txtp6vaf"));
    BancoVentana::AvisarMensajes();

    b.ImprimirInformes(5);
    b.Capturas(argc, argv, valorar);
    return 0;
}
