#include "core/Inicio.h"

#include <QCoreApplication>
#include <QTimer>

#include "core/Globals.h"
#include "platform/MsgBox.h"

namespace {

std::function<void()>& MostrarEntrada()
{
    static std::function<void()> f;
    return f;
}

std::function<void(int)>& Terminar()
{
    static std::function<void(int)> f;
    return f;
}

void TerminarPrograma(int codigo)
{
    if (Terminar()) {
        Terminar()(codigo);
        return;
    }
    // exit() does nothing before the event loop runs: ask for it from inside the loop.
    if (QCoreApplication::instance())
        QTimer::singleShot(0, QCoreApplication::instance(), [codigo] { QCoreApplication::exit(codigo); });
}

}  // namespace

void SetMostrarEntrada(std::function<void()> mostrar) { MostrarEntrada() = std::move(mostrar); }

void SetTerminarPrograma(std::function<void(int)> terminar) { Terminar() = std::move(terminar); }

void AbrirConexion()
{
    gConexion().CrearWorkSpace();
    gConexion().AbrirBD();
}

bool Inicializar()
{
    AbrirConexion();
    QString motivo;
    if (!gConexion().BaseDatosValida(&motivo)) {
        MsgBox(motivo, 48);
        return false;
    }
    try {
        gEntrada().LeerT01();
    } catch (const DbError& e) {
        // Checked a moment ago, the file can still be taken by another program before the
        // settings are read: said, and the program ends as for any unusable file.
        MsgBox(QString::fromUtf8(e.what()) + QString::fromUtf8("\n\nEl programa se cerrará. Programa itxi egingo da."),
               48);
        return false;
    }
    gIdioma = (gEntrada().P_IDI() == QLatin1String("E")) ? 10000 : 0;
    gFecha().setFecidioma(gEntrada().P_IDI());
    gDatosInicial().setP0_Tip(1);
    gDatosInicial().InicializarTipologias();
    return true;
}

bool Main()
{
    if (!Inicializar()) {
        TerminarPrograma(1);
        return false;
    }
    if (MostrarEntrada())
        MostrarEntrada()();
    else
        TerminarPrograma(0);
    return true;
}
