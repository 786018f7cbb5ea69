// Timings of the window of a shop in a commercial building of an industrial zone, on a copy of
// the demo database:
//  - an accepted entry (a new surface) to the redrawn window: SH, the chain, PresentaDatos;
//  - a new municipality with a single zone: ponencia year, zone list, the zone's value looked
//    up and valued, then the redraw;
//  - the report printed to a PDF file.
// With "--captura <folder>" the valued window is grabbed to PNG files in both languages and
// currencies (ventana6_es_P.png ...) and both reports printed there, with the interior box
// ticked, to be looked at.
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
T* Hijo(QWidget* w, const char* nombre)
{
    return w->findChild<T*>(QString::fromUtf8(nombre));
}

void Procesar()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Selects the entry with that text, as a click on it does.
void Seleccionar(QWidget* w, const char* combo, const QString& texto)
{
    auto* c = Hijo<ComboBox>(w, combo);
    Form::SetFocus(c);
    for (int i = 0; i < c->ListCount(); ++i)
        if (c->List(i) == texto)
            c->SetListIndex(i);
    Procesar();
}

// Writes into the box and leaves it (its leaving handler runs).
void Escribir(QWidget* w, const char* caja, const QString& texto)
{
    auto* c = Hijo<CajaNum>(w, caja);
    Form::SetFocus(c);
    c->setTexto(texto);
    Form::SetFocus(w->findChild<QWidget*>(QStringLiteral("cmdDescripcion")));
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Maximo(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

// BEREZIBAR-ARRIETA has three zones; built 120 m2, 8 years, interior.
void Valorar(Form* w)
{
    Seleccionar(w, "cmbp6mun", QStringLiteral("BEREZIBAR-ARRIETA"));
    Seleccionar(w, "cmbp6nui", QStringLiteral("PI-02"));
    Hijo<OptionButton>(w, "optp6tsu(0)")->SetValue(true);
    Hijo<QAbstractButton>(w, "Chkp6cl1")->setChecked(true);
    Escribir(w, "txtp6antd1", QStringLiteral("8"));
    Escribir(w, "txtp6sbu", QStringLiteral("120"));
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
    gDatosInicial().setP0_Tip(6);
    MsgBoxSeam::Install();

    Form* w = VentanaTipologia(6)->form();
    w->Show(false);
    w->activateWindow();
    QApplication::setActiveWindow(w);
    Procesar();
    Valorar(w);

    QWidget* salida = w->findChild<QWidget*>(QStringLiteral("cmdDescripcion"));
    QElapsedTimer t;
    std::vector<double> entrada;
    auto* sbu = Hijo<CajaNum>(w, "txtp6sbu");
    for (int i = 0; i < 300; ++i) {
        Form::SetFocus(sbu);
        sbu->setTexto(i % 2 ? QStringLiteral("118") : QStringLiteral("121,5"));
        t.start();
        Form::SetFocus(salida);  // store, SH, the chain, redraw
        entrada.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("entry to redrawn window: median %.3f ms, max %.3f ms over %zu entries (final value %s)\n",
                Mediana(entrada), Maximo(entrada), entrada.size(), qPrintable(Hijo<CajaNum>(w, "txtp6vaf")->texto()));

    // ALTZAGA and GAZTELUONDO have one zone each: every change values the new one.
    std::vector<double> municipio;
    auto* mun = Hijo<ComboBox>(w, "cmbp6mun");
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
    for (int i = 0; i < 300; ++i) {
        t.start();
        mun->SetListIndex(i % 2 ? altzaga : gazteluondo);
        municipio.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("new municipality of one zone (ponencia, zone list, value) to redrawn window: median %.3f ms, "
                "max %.3f ms (final value %s)\n",
                Mediana(municipio), Maximo(municipio), qPrintable(Hijo<CajaNum>(w, "txtp6vaf")->texto()));
    if (!MsgBoxSeam::Shown().isEmpty())
        std::printf("unexpected message: %s\n", qPrintable(MsgBoxSeam::Shown().first().text));

    Printer::SetPrinterCountForTests(1);
    std::vector<double> informe;
    auto* imprimir = w->findChild<QAbstractButton*>(QStringLiteral("cmdimprimir"));
    for (int i = 0; i < 5; ++i) {
        Printer::SetOutputPdfForTests(dir.filePath(QStringLiteral("informe%1.pdf").arg(i)));
        t.start();
        imprimir->click();
        informe.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("report to PDF: median %.1f ms, max %.1f ms over %zu prints\n", Mediana(informe), Maximo(informe),
                informe.size());

    for (int i = 1; i + 1 < argc; ++i) {
        if (QString::fromUtf8(argv[i]) != QLatin1String("--captura"))
            continue;
        const QDir destino(QString::fromUtf8(argv[i + 1]));
        for (const char* idioma : {"C", "E"}) {
            const QLatin1String sufijo(idioma[0] == 'E' ? "eu" : "es");
            w->Unload();
            gEntrada().setP_IDI(QString::fromLatin1(idioma));
            gDatosInicial().InicializarTipologias();
            w->Show(false);
            w->activateWindow();
            QApplication::setActiveWindow(w);
            Procesar();
            Valorar(w);
            for (int euros = 0; euros < 2; ++euros) {
                Hijo<OptionButton>(w, euros ? "optp6mon(1)" : "optp6mon(0)")->SetValue(true);
                Procesar();
                const QString png =
                    destino.filePath(QStringLiteral("ventana6_%1_%2.png").arg(sufijo, QLatin1String(euros ? "E" : "P")));
                w->grab().save(png);
                std::printf("window grabbed to %s\n", qPrintable(png));
            }
            Printer::SetOutputPdfForTests(destino.filePath(QStringLiteral("informe6_%1.pdf").arg(sufijo)));
            imprimir->click();
        }
        break;
    }
    w->Unload();
    gConexion().SetRutaForTests(QString());
    return 0;
}
