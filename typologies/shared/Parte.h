#pragma once
// What the parts of a typology window (location, valuation date, age, surface, the table of
// controls) use of their window, and what they share. Calls go one way: the window owns its
// parts and calls them; a part reaches the window only through AnfitrionParte (or an
// interface derived from it), never by including the window.
#include <QString>
#include <functional>
#include <stdexcept>

#include "typologies/shared/ParametrosVentana.h"

// Plain text of a number as the program writes an unformatted value into a box: no grouping,
// the regional decimal character, no trailing zeros ("0,7", "116", "97,0012").
QString TextoNumero(double v);

class CDatosTip;
class CajaNum;
class ComboBox;
class Form;
class OptionButton;
class QLineEdit;
class QWidget;

class AnfitrionParte {
public:
    virtual CDatosTip& Registro() const = 0;
    virtual const ParametrosVentana& Parametros() const = 0;
    // The window as a form (its focus and mouse hooks).
    virtual Form& Formulario() = 0;
    // The window's control of that name, or nullptr.
    virtual QWidget* Buscar(const QString& nombre) const = 0;

    // Guarded wiring: an editable control whose text is selected on entry and whose leaving
    // runs `alSalir`; a combo whose Click runs `alPulsar`; an option whose Click runs
    // `alPulsar`. All run under the failure guard, as does `manejador` given to Manejar.
    virtual void AlSalirDe(QWidget* control, std::function<void()> alSalir) = 0;
    virtual void AlPulsarCombo(ComboBox* combo, std::function<void()> alPulsar) = 0;
    virtual void AlPulsarOpcion(OptionButton* opcion, std::function<void()> alPulsar) = 0;
    virtual void Manejar(const std::function<void()>& manejador) = 0;

    // Writes that raise the controls' own handlers; a failure inside them goes on to the
    // handler that made the write.
    virtual void EscribirCaja(CajaNum* caja, const QString& texto) = 0;
    virtual void EscribirTexto(QLineEdit* caja, const QString& texto) = 0;
    virtual void MarcarOpcion(const QString& grupo, int indice) = 0;
    virtual void PosicionarCombo(ComboBox* combo, const QString& texto, bool exacto) = 0;
    virtual void PonerFoco(QWidget* w) = 0;
    // Raises a failure of a nested handler that is still pending.
    virtual void RelanzarPendiente() = 0;

    // Steps of the window's cycle every part may end with: the value chain again and the
    // redraw (RefrescoCadena), or the redraw alone.
    virtual void RefrescoCadena() = 0;
    virtual void PresentaDatos() = 0;

protected:
    ~AnfitrionParte() = default;
};

// Entry `indice` of an option pair: ("optp1mon", 1) is "optp1mon(1)".
QString NombreOpcion(const QString& grupo, int indice);

// What every part has: its window, and the names of the window's controls.
class ParteVentana {
public:
    explicit ParteVentana(AnfitrionParte& ventana) : anfitrion_(ventana) {}
    virtual ~ParteVentana() = default;
    ParteVentana(const ParteVentana&) = delete;
    ParteVentana& operator=(const ParteVentana&) = delete;

protected:
    // The control name of the window's own prefix: ("txt", "NUP") is "txtp4nup" in window 4.
    QString Nombre(const char* clase, const char* codigo) const;
    // The same from a record code: ("txt", RecordCode::VRR) is "txtp1vrr" in window 1.
    QString Nombre(const char* clase, RecordCode codigo) const;
    // The control of that name, or a std::logic_error when the window has none or it is of
    // another kind.
    template <class T>
    T* Requerido(const char* clase, const char* codigo) const;
    QWidget* RequeridoNombre(const QString& nombre) const;
    // The control of that name, or nullptr.
    template <class T>
    T* Opcional(const char* clase, const char* codigo) const;
    // Text of resource id n in the current language.
    static QString Res(int n);

private:
    AnfitrionParte& anfitrion_;
};

template <class T>
T* ParteVentana::Requerido(const char* clase, const char* codigo) const
{
    const QString nombre = Nombre(clase, codigo);
    T* c = qobject_cast<T*>(RequeridoNombre(nombre));
    if (!c)
        throw std::logic_error(("The control " + nombre + " is not of the kind its window part needs.").toStdString());
    return c;
}

template <class T>
T* ParteVentana::Opcional(const char* clase, const char* codigo) const
{
    return qobject_cast<T*>(anfitrion_.Buscar(Nombre(clase, codigo)));
}
