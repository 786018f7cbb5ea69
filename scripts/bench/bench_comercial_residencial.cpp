// Timings of the window of a shop in a commercial building of a residential zone on a copy of
// the demo database:
//  - an accepted entry (a new surface) to the redrawn window: recompute and PresentaDatos;
//  - a new portal: the stretch and the subzone's value looked up, then the redraw;
//  - the report of the window printed to a PDF file.
// With "--captura <folder>" the valued window is then grabbed to PNG files in both languages and
// currencies (ventana5_es_P.png ...), to be looked at.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
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

void Valorar(Form* w)
{
    Elegir(w, "cmbp5mun", QStringLiteral("ALTZAGA"));
    Elegir(w, "cmbp5cal", QStringLiteral("KALE NAGUSIA"));
    Teclear(w, "txtp5nup", QStringLiteral("3"));
    Control<OptionButton>(w, "optp5tsu(0)")->SetValue(true);
    Teclear(w, "txtp5antd1", QStringLiteral("12"));
    Teclear(w, "txtp5sbu", QStringLiteral("90"));
}

}  // namespace

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
    gDatosInicial().setP0_Tip(5);
    MsgBoxSeam::Install();

    Form* w = VentanaTipologia(5)->form();
    w->Show(false);
    w->activateWindow();
    QApplication::setActiveWindow(w);
    Eventos();
    Valorar(w);

    const auto texto = [w](const char* caja) { return Control<CajaNum>(w, caja)->texto(); };
    QWidget* salida = w->findChild<QWidget*>(QStringLiteral("cmdDescripcion"));
    QElapsedTimer t;
    // An accepted entry to the redrawn window.
    std::vector<double> ms;
    auto* sbu = Control<CajaNum>(w, "txtp5sbu");
    for (int i = 0; i < 300; ++i) {
        Form::SetFocus(sbu);
        sbu->setTexto(i % 2 ? QStringLiteral("95") : QStringLiteral("96,5"));
        t.start();
        Form::SetFocus(salida);  // the leaving handler: store, SH, recompute, redraw
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("entry to redrawn window: median %.3f ms, max %.3f ms over %zu entries (final value %s)\n",
                Mediana(ms), *std::max_element(ms.begin(), ms.end()), ms.size(), qPrintable(texto("txtp5vaf")));
    // A new portal: stretch, subzone and its value looked up, then the redraw.
    std::vector<double> portal;
    auto* nup = Control<CajaNum>(w, "txtp5nup");
    for (int i = 0; i < 300; ++i) {
        Form::SetFocus(nup);
        nup->setTexto(i % 2 ? QStringLiteral("3") : QStringLiteral("44"));
        t.start();
        Form::SetFocus(salida);
        portal.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("new portal (subzone lookup) to redrawn window: median %.3f ms, max %.3f ms\n", Mediana(portal),
                *std::max_element(portal.begin(), portal.end()));
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

    // Optionally the window grabbed in both languages and currencies.
    for (int i = 1; i + 1 < argc; ++i) {
        if (QString::fromUtf8(argv[i]) != QLatin1String("--captura"))
            continue;
        const QDir destino(QString::fromUtf8(argv[i + 1]));
        for (const char* idioma : {"C", "E"}) {
            w->Unload();
            gEntrada().setP_IDI(QString::fromLatin1(idioma));
            gDatosInicial().InicializarTipologias();
            w->Show(false);
            w->activateWindow();
            QApplication::setActiveWindow(w);
            Eventos();
            Valorar(w);
            for (int euros = 0; euros < 2; ++euros) {
                Control<OptionButton>(w, euros ? "optp5mon(1)" : "optp5mon(0)")->SetValue(true);
                Eventos();
                const QString png = destino.filePath(QStringLiteral("ventana5_%1_%2.png")
                                                         .arg(QLatin1String(idioma[0] == 'E' ? "eu" : "es"),
                                                              QLatin1String(euros ? "E" : "P")));
                w->grab().save(png);
                std::printf("window grabbed to %s\n", qPrintable(png));
            }
            Printer::SetOutputPdfForTests(
                destino.filePath(QStringLiteral("informe5_%1.pdf").arg(QLatin1String(idioma[0] == 'E' ? "eu" : "es"))));
            imprimir->click();
        }
        break;
    }
    w->Unload();
    gConexion().SetRutaForTests(QString());
    return 0;
}
