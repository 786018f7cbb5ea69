// Timings of the dwelling window on a copy of the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - a new portal (zone lookup, zone row) to the redrawn window;
//  - the report of the window printed to a PDF file.
// With "--mostrar <ms> [E] [euros]" the valued window is then shown for that long (Basque and
// euros when asked), to be looked at on a display.
#include <QTimer>

#include "BancoVentana.h"

using namespace banco;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BancoVentana b(1);
    if (!b.ok())
        return 1;
    Form* w = b.w();
    Elegir(w, "cmbp1mun", QStringLiteral("ALTZAGA"));
    Elegir(w, "cmbp1cal", QStringLiteral("KALE NAGUSIA"));
    Teclear(w, "txtp1nup", QStringLiteral("3"));
    Control<OptionButton>(w, "optp1tsu(0)")->SetValue(true);
    Control<CheckBox>(w, "Chkp1cl2")->SetValue(1);
    Teclear(w, "txtp1antd1", QStringLiteral("12"));
    Teclear(w, "txtp1sbu", QStringLiteral("90"));

    // The leaving handler: store, recompute, redraw.
    const auto entrada = b.MedirSalidas("txtp1sbu", 300, QStringLiteral("95"), QStringLiteral("96,5"));
    Imprimir("entry to redrawn window", entrada, "entries", b.ValorFinal("txtp1vaf"));
    // A new portal: the zone is looked up again and the zone row read, then the redraw.
    const auto portal = b.MedirSalidas("txtp1nup", 300, QStringLiteral("3"), QStringLiteral("44"));
    Imprimir("new portal (zone lookup) to redrawn window", portal, "portals",
             QStringLiteral(" (zone %1)").arg(Texto(w, "txtp1nur")));
    BancoVentana::AvisarMensajes();

    b.ImprimirInformes(5);

    // Optionally the window on screen.
    for (int i = 1; i + 1 < argc; ++i) {
        if (QString::fromUtf8(argv[i]) != QLatin1String("--mostrar"))
            continue;
        const int espera = QString::fromUtf8(argv[i + 1]).toInt();
        const QStringList resto = QCoreApplication::arguments().mid(i + 2);
        w->Hide();
        if (resto.contains(QStringLiteral("E")))
            gEntrada().setP_IDI(QStringLiteral("E"));
        w->Show(false);
        Eventos();
        if (resto.contains(QStringLiteral("euros")))
            Control<OptionButton>(w, "optp1mon(1)")->SetValue(true);
        QTimer::singleShot(espera, &app, &QCoreApplication::quit);
        app.exec();
        break;
    }
    return 0;
}
