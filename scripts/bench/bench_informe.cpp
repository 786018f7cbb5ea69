// Time to print the dwelling report to a PDF file, in Spanish and in Basque: the first print
// (fonts loaded) and the mean and worst of the following ones. Target: under 200 ms.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/CajaNum.h"
#include "platform/MaskEdBox.h"
#include "platform/Printer.h"
#include "typologies/dwelling/InformeVivienda.h"

namespace {

// A window holding every control the table reads, each showing a plausible text.
void Rellenar(QWidget& w, const std::vector<ItemInforme>& items)
{
    for (const auto& it : items) {
        if (w.findChild<QWidget*>(it.texto))
            continue;
        if (it.origen == OrigenTexto::Control) {
            auto* c = new CajaNum(&w);
            c->setObjectName(it.texto);
            c->setTexto(QStringLiteral("12.345.678"));
        } else if (it.origen == OrigenTexto::FechaControl) {
            auto* m = new MaskEdBox(&w);
            m->setObjectName(it.texto);
            m->SetMask(QStringLiteral("####/##/##"));
            m->SetText(QStringLiteral("2003/10/27"));
        } else if (it.origen == OrigenTexto::Rotulo) {
            auto* l = new QLabel(QStringLiteral("Valor a Fecha de Valoración"), &w);
            l->setObjectName(it.texto);
        }
    }
}

double Medir(const std::vector<ItemInforme>& items, QWidget& w, const DatosInforme& datos)
{
    QElapsedTimer t;
    t.start();
    ImprimirInforme(items, w, datos);
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Printer::SetOutputPdfForTests(QDir::temp().filePath(QStringLiteral("bench_informe.pdf")));

    DatosInforme datos;
    datos.descripcion = QStringList{QStringLiteral("Piso tercero izquierda"), QString(), QString(),
                                    QStringLiteral("Referencia 4471-B")};
    datos.etiquetas = {{QStringLiteral("sEtiquetaTVI"), QStringLiteral("Plurifamiliar")},
                       {QStringLiteral("sEtiquetaTSU"), QStringLiteral("Construida")},
                       {QStringLiteral("sEtiquetaCL"), QStringLiteral("(el general)")}};
    QPixmap logo(75, 98);
    logo.fill(Qt::darkGreen);
    datos.logo = logo;

    const int vueltas = 50;
    for (const auto* tabla : {&InformeViviendaEs(), &InformeViviendaEu()}) {
        QWidget w;
        Rellenar(w, *tabla);
        const double primera = Medir(*tabla, w, datos);
        std::vector<double> t;
        t.reserve(vueltas);
        for (int i = 0; i < vueltas; ++i)
            t.push_back(Medir(*tabla, w, datos));
        double suma = 0;
        for (double v : t)
            suma += v;
        std::printf("dwelling report %s to PDF: first %.1f ms, mean %.1f ms, worst %.1f ms over %d (target < 200 ms)\n",
                    tabla == &InformeViviendaEs() ? "es" : "eu", primera, suma / vueltas,
                    *std::max_element(t.begin(), t.end()), vueltas);
    }
    Printer::SetOutputPdfForTests(QString());
    return 0;
}
