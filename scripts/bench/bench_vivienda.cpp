// Timings of the dwelling window on a copy of the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - the report of the window printed to a PDF file.
// With "--mostrar <ms> [E] [euros]" the valued window is then shown for that long (Basque and
// euros when asked), to be looked at on a display.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/Globals.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "platform/Printer.h"
#include "platform/ProgramFolder.h"
#include "windows/VentanaTipologia.h"

namespace {

template <class T>
T* Control(QWidget* w, const char* nombre)
{
    return w->findChild<T*>(QString::fromUtf8(nombre));
}

void Eventos()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void Elegir(QWidget* w, const char* combo, const QString& item)
{
    auto* c = Control<ComboBox>(w, combo);
    Form::SetFocus(c);
    for (int i = 0; i < c->ListCount(); ++i)
        if (c->List(i) == item)
            c->SetListIndex(i);
    Eventos();
}

// Enters the box, writes the text and leaves it for the description button.
void Teclear(QWidget* w, const char* caja, const QString& texto)
{
    auto* c = Control<CajaNum>(w, caja);
    Form::SetFocus(c);
    c->setTexto(texto);
    Form::SetFocus(w->findChild<QWidget*>(QStringLiteral("cmdDescripcion")));
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetRegionalSeparators(QChar(','), QChar('.'));
    QTemporaryDir dir;
    const QString copia = dir.filePath(QStringLiteral("trebix.mdb"));
    if (!QFile::copy(ProgramFolder() + QStringLiteral("/Tablas/trebix.mdb"), copia)) {
        std::fprintf(stderr, "no demo database in %s/Tablas\n", qPrintable(ProgramFolder()));
        return 1;
    }
    QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
    if (!gConexion().AbrirRuta(copia))
        return 1;
    gEntrada().LeerT01();
    gEntrada().setP_IDI(QStringLiteral("C"));
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(20250101);
    gDatosInicial().InicializarTipologias();
    gDatosInicial().setP0_Tip(1);
    MsgBoxSeam::Install();

    Form* w = VentanaTipologia(1)->form();
    w->Show(false);
    w->activateWindow();
    QApplication::setActiveWindow(w);
    Eventos();

    Elegir(w, "cmbp1mun", QStringLiteral("ALTZAGA"));
    Elegir(w, "cmbp1cal", QStringLiteral("KALE NAGUSIA"));
    Teclear(w, "txtp1nup", QStringLiteral("3"));
    Control<OptionButton>(w, "optp1tsu(0)")->SetValue(true);
    Control<CheckBox>(w, "Chkp1cl2")->SetValue(1);
    Teclear(w, "txtp1antd1", QStringLiteral("12"));
    Teclear(w, "txtp1sbu", QStringLiteral("90"));

    // An accepted entry to the redrawn window.
    std::vector<double> ms;
    QElapsedTimer t;
    auto* sbu = Control<CajaNum>(w, "txtp1sbu");
    QWidget* salida = w->findChild<QWidget*>(QStringLiteral("cmdDescripcion"));
    for (int i = 0; i < 300; ++i) {
        Form::SetFocus(sbu);
        sbu->setTexto(i % 2 ? QStringLiteral("95") : QStringLiteral("96,5"));
        t.start();
        Form::SetFocus(salida);  // the leaving handler: store, recompute, redraw
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    const auto texto = [w](const char* caja) { return Control<CajaNum>(w, caja)->texto(); };
    std::printf("entry to redrawn window: median %.3f ms, max %.3f ms over %zu entries (final value %s)\n",
                Mediana(ms), *std::max_element(ms.begin(), ms.end()), ms.size(), qPrintable(texto("txtp1vaf")));
    // A new portal: the zone is looked up again and the zone row read, then the redraw.
    std::vector<double> portal;
    auto* nup = Control<CajaNum>(w, "txtp1nup");
    for (int i = 0; i < 300; ++i) {
        Form::SetFocus(nup);
        nup->setTexto(i % 2 ? QStringLiteral("3") : QStringLiteral("44"));
        t.start();
        Form::SetFocus(salida);
        portal.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("new portal (zone lookup) to redrawn window: median %.3f ms, max %.3f ms (zone %s)\n",
                Mediana(portal), *std::max_element(portal.begin(), portal.end()), qPrintable(texto("txtp1nur")));
    if (!MsgBoxSeam::Shown().isEmpty())
        std::printf("unexpected message: %s\n", qPrintable(MsgBoxSeam::Shown().first().text));

    // The report printed to PDF.
    Printer::SetPrinterCountForTests(1);
    std::vector<double> informe;
    auto* imprimir = w->findChild<QAbstractButton*>(QStringLiteral("cmdimprimir"));
    for (int i = 0; i < 5; ++i) {
        Printer::SetOutputPdfForTests(dir.filePath(QStringLiteral("informe%1.pdf").arg(i)));
        t.start();
        imprimir->click();
        informe.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("report to PDF: median %.1f ms, max %.1f ms over %zu prints\n", Mediana(informe),
                *std::max_element(informe.begin(), informe.end()), informe.size());

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
    w->Unload();
    gConexion().SetRutaForTests(QString());
    return 0;
}
