#pragma once
// The window every typology is valued in. The nine windows repeat one cycle: load (captions,
// date and money formats, the defaults of an empty record), take an entry into the record,
// recompute through the record, redraw every control from the record (PresentaDatos) and
// print what the controls show. That cycle, the date checks, the age, surface and percentage
// entries, the buttons, the description dialog, the minimise protocol, Enter as Tab and
// printing live here once. The rest is chosen by the window's data (ParametrosVentana):
//  - its table: captions, the boxes PresentaDatos writes and how, the boxes that store their
//    text, the money patterns, the option pairs, messages and flags; checked at construction
//    against the window's controls and record (ComprobarTabla);
//  - its location part (Localizacion.h): street and residential zone, street and commercial
//    subzone, or municipality and industrial zone;
//  - how its age boxes follow the age mode;
//  - its valuation, which is core's (core/Valoracion.h): the formula, age scale, fixed cost
//    and surface coefficient of the record's typology.
//
// Controls are found by name: the standard ones are "<kind>p<N><code>" (txtp1fecv, cmbp1mun,
// optp1mon(0) ...) and the buttons cmdayuda, cmdDescripcion, cmdlimpiar, cmdsalir,
// cmdimprimir and the summary box txtdescrip.
//
// A new typology window:
//  - builds its controls in its constructor from a layout table (DisenoVentana.h;
//    CrearBotonera and CrearDescripcion give the common ones), then calls
//    ConectarControles(), then connects its own controls with Conectar(control, signal,
//    handler) so that they run under the failure guard;
//  - gives its ParametrosVentana;
//  - implements Registro, ModificaDatos, InicializaFechaV, ObtenerEtiquetas,
//    DatosDescripcion and DatosDescripcionE;
//  - overrides only where it differs: PresentaDatos (another order or extra steps),
//    PresentaSituacion (its situation boxes), CalcularValores / CadenaValores (a chain with
//    steps of its own), TrasLimpiar, its own handlers;
//  - writes controls only through EscribirCaja, EscribirTexto, MarcarOpcion, MarcarCasilla,
//    PosicionarCombo and PonerFoco inside handlers, so that a failure in a handler they raise
//    reaches the guard of the handler running;
//  - is registered by number in app/Tipologias.cpp (RegistrarTipologias).
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <exception>
#include <functional>
#include <vector>

#include "core/Registros.h"
#include "platform/Form.h"
#include "typologies/shared/Informe.h"
#include "typologies/shared/Localizacion.h"
#include "typologies/shared/ParametrosVentana.h"
#include "windows/VentanaTipologia.h"

class CajaNum;
class CheckBox;
class ComboBox;
class MaskEdBox;
class OptionButton;
class QLineEdit;

// Plain text of a number as the program writes an unformatted value into a box: no grouping,
// the regional decimal character, no trailing zeros ("0,7", "116", "97,0012").
QString TextoNumero(double v);

class VentanaTipologiaBase : public Form, public IVentanaTipologia, public AnfitrionLocalizacion {
    Q_OBJECT
public:
    VentanaTipologiaBase(const QString& nombre, ParametrosVentana parametros);

    // IVentanaTipologia
    Form* form() override { return this; }
    void SetTxtDescrip(const QString& texto) override;

    const ParametrosVentana& Parametros() const override { return p_; }
    // The record this window values (gDatosTipN).
    CDatosTip& Registro() const override = 0;

    // Control names of this window: Nombre("txt", "fecv") is "txtp1fecv" in window 1;
    // Opcion("optp1mon", 1) is "optp1mon(1)".
    QString Nombre(const char* clase, const char* codigo) const;
    // The same from a record code: Nombre("txt", "AÑOP") is "txtp1añop".
    QString Nombre(const char* clase, const QString& codigo) const;
    // The same from a record code: Nombre("txt", RecordCode::VRR) is "txtp1vrr" in window 1.
    QString Nombre(const char* clase, RecordCode codigo) const;
    static QString Opcion(const QString& grupo, int indice);

    // --- the shared cycle ----------------------------------------------------------------
    virtual void Anadir_captions();
    virtual void FormatosFecha();
    virtual void FormatosMoneda(QString& Moneda);
    // ModificaDatos, FormatosMoneda of the record's currency, the municipality list of the
    // valuation year, focus to the valuation date.
    virtual void InicializaDatos();
    // Defaults into an empty record ("V" -> "L"); nothing for any other state.
    virtual void ModificaDatos() = 0;
    // Defaults written again after the record was emptied by a change of valuation date.
    virtual void InicializaFechaV() = 0;
    // Redraws every control from the record. Default: the boxes, the location, the option
    // pairs, the age and the valuation date, in that order.
    void PresentaDatos() override;

    // --- valuation date and construction date -------------------------------------------
    virtual bool ComprobarFecha();
    virtual bool ValidarFechaV(QString& sFecha);
    virtual bool ValidarFechaR(QString& sFecha);

    // --- location -----------------------------------------------------------------------
    // Stores a new municipality and clears what depended on the old one (the location part
    // knows what that is).
    void InicializaMunicipio(QString& smunicipio) override;
    // Ponencia year of the selected municipality and the update coefficient.
    void PonenciaCambios() override;
    // bBuscar: look the zone up for the stored street and portal (refusing zones of 900 and
    // above when the window does), then CalcularValores; otherwise only the value chain.
    void AnalisisCambio(bool bBuscar, QString& calleAnterior, int16_t& portalAnterior) override;
    // Zone values of the stored zone, in the record's currency, the fixed construction cost
    // of the typology (where it has one), and, with a municipality selected, the value chain
    // in the operand order of this procedure.
    void CalcularValores() override;
    // The record's value chain from the record, in the operand order of this procedure.
    virtual void CadenaValores();
    // The typology's fixed construction cost for the record's year, in its currency.
    void PonerCosteFijo();

    // --- age ------------------------------------------------------------------------------
    // Age in years into txtpNant and (1 - D) into txtpNdep; "A": years typed, else from dates.
    virtual void CalcularDepreciacion(QString& sTipoAnt);
    // (1 - D) of an age in whole years on the scale of this typology.
    virtual double CalcularD(int16_t& n);
    // SH of the stored surface by class and surface type.
    virtual double CalcularSH(QString& clase, QString& tipoSuperficie);

    // --- printing -----------------------------------------------------------------------
    // Label texts of the report ("sEtiquetaTSU" ...) from the options the window shows.
    virtual void ObtenerEtiquetas() = 0;
    // The Spanish and the Basque report.
    virtual void DatosDescripcion() = 0;
    virtual void DatosDescripcionE() = 0;
    void AbrirDescripcion();

    // Label texts built by ObtenerEtiquetas.
    const QHash<QString, QString>& Etiquetas() const { return etiquetas_; }

protected:
    // Called by the window's constructor once its controls exist: checks the window's table
    // against its controls and record, finds the standard controls and connects their
    // handlers.
    void ConectarControles();
    // Every control and record code the table names exists (std::logic_error naming the
    // first that does not).
    void ComprobarTabla() const;

    // Runs an event handler with the form's failure guard (Form::Handle): a failure restores
    // the record as it was before the handler and redraws the window.
    void Manejar(const std::function<void()>& manejador);
    std::function<void()> Snapshot() override;
    // Connects a signal of a control to a guarded handler.
    template <class Emisor, class Senal>
    void Conectar(Emisor* emisor, Senal senal, std::function<void()> manejador)
    {
        if (emisor)
            connect(emisor, senal, this, [this, manejador] { Manejar(manejador); }, Qt::DirectConnection);
    }

    // Writes that raise the controls' own handlers (a box's Change, an option's or check
    // box's Click, a combo's Click, a focus move); a failure inside one of them goes on to
    // the handler that made the write.
    void EscribirCaja(CajaNum* caja, const QString& texto) override;
    void EscribirTexto(QLineEdit* caja, const QString& texto) override;
    void MarcarOpcion(const QString& grupo, int indice);
    void MarcarCasilla(CheckBox* casilla, int valor);
    void PosicionarCombo(ComboBox* combo, const QString& texto, bool exacto) override;
    void PonerFoco(QWidget* w) override;
    void RelanzarPendiente() override;
    void AlSalirDe(QWidget* control, std::function<void()> alSalir) override;
    void AlPulsarCombo(ComboBox* combo, std::function<void()> alPulsar) override;

    // The window's location part (chosen by Parametros().localizacion).
    ParteLocalizacion& Localizacion() const { return *loc_; }

    // Steps of PresentaDatos, for windows that redraw in another order.
    void PresentaCajas();
    void PresentaLocalizacion();
    void PresentaOpcion(const QString& grupo);
    void PresentaEdad();
    void PresentaFechaValoracion();
    // The situation boxes from their codes: the default PresentaDatos runs it just before the
    // currency pair (nothing for a window without such boxes).
    virtual void PresentaSituacion() {}
    // The age box of the mode shown, enabled and a tab stop; the other hidden, disabled or
    // both, as the window's data say.
    virtual void MostrarCajasEdad(bool porFecha);

    // The "chain refresh" that ends most handlers: RecalcularCadena, then PresentaDatos.
    void RefrescoCadena();
    // The option grupo(indice) exists and is selected.
    bool OpcionMarcada(const QString& grupo, int indice) const;
    // Caption of the pair's entry 0 when it is selected, else of entry 1 (also when neither is).
    QString RotuloOpcionElegida(const QString& grupo) const;
    // Recomputes the value chain from the record when the location is complete.
    void RecalcularCadena();
    // A new surface was accepted into the record: SH again (RecalcularSH).
    virtual void SuperficieAceptada();
    // SH of the stored class and surface type into the SH box, then the chain refresh.
    void RecalcularSH();
    // "(" + caption of the first ticked box + ")", else the general situation in the
    // settings' language.
    QString EtiquetaSituacion(std::initializer_list<CheckBox*> casillas) const;
    // A situation box was clicked: its code takes "X" when ticked (the boxes it excludes are
    // unticked, and their own handlers clear their codes) or the empty text when not; then the
    // window's CL, computed from the boxes as they now are, goes into the CL box (which stores
    // it) and the chain is refreshed.
    void Situacion_Click(CheckBox* casilla, RecordCode codigo, std::initializer_list<CheckBox*> excluidas,
                         const std::function<double()>& calcularCL);
    // Reset values of the editable boxes: portal, surface and years "0", percentage "100".
    void ValoresIniciales();
    // Step of cmdlimpiar_Click after PresentaDatos (window 1 empties the street list there).
    virtual void TrasLimpiar() {}
    // The buttons whose mouse press lowers bValidar before the box being left checks itself
    // (Clear and Exit); a press released outside them calls SinClicTrasPulsar.
    virtual void ConectarBotonesSinValidar();
    // A press on Clear or Exit gave no click: bValidar is raised again and a leaving of the
    // valuation date box that the press left unchecked is checked now.
    void SinClicTrasPulsar();

    // Handlers of the standard controls.
    virtual void txtfecv_LostFocus();
    virtual void txtsbu_LostFocus();
    virtual void txtpti_LostFocus();
    virtual void txtantd1_LostFocus();
    virtual void txtantd2_LostFocus();
    virtual void optanttipo_Click(int Index);
    virtual void optmon_Click(int Index);
    // Surface-type pair (entry 1 usable "U", else built "C"): SH and the chain again. For the
    // windows that connect it to their pair.
    virtual void optsu_Click(int Index);
    virtual void txtvaf_Change();
    virtual void cmdayuda_Click();
    virtual void cmdDescripcion_Click();
    virtual void cmdlimpiar_Click();
    virtual void cmdsalir_Click();
    virtual void cmdimprimir_Click();

    // Controls every typology window has: the bar of picture buttons Picture1 with cmdsalir,
    // cmdlimpiar, cmdimprimir (created disabled) and cmdayuda, laid out from `origen`; and the
    // summary box txtdescrip with the description button cmdDescripcion.
    QWidget* CrearBotonera(QWidget* padre, QPoint origen);
    void CrearDescripcion(QWidget* padre, const QRect& resumen, const QRect& boton);

    // Prints one report table with this window's labels, description lines and the logo.
    void ImprimirTabla(const std::vector<ItemInforme>& items);

    // Form hooks.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_KeyPress(int& keyAscii) override;

    // Text of resource id n in the current language.
    static QString Res(int n);
    // The control named `nombre` (cached), or nullptr.
    template <class T>
    T* Ctl(const QString& nombre) const
    {
        return qobject_cast<T*>(Buscar(nombre));
    }
    QWidget* Buscar(const QString& nombre) const override;

    // Standard controls (nullptr when the window has not got one).
    MaskEdBox* txtfecv = nullptr;
    MaskEdBox* txtantd2 = nullptr;
    CajaNum* txtantd1 = nullptr;
    CajaNum* txtant = nullptr;
    CajaNum* txtdep = nullptr;
    CajaNum* txtsbu = nullptr;
    CajaNum* txtpti = nullptr;
    CajaNum* txtañop = nullptr;
    CajaNum* txtcoa = nullptr;
    CajaNum* txtvaf = nullptr;
    QLineEdit* txtdescrip = nullptr;
    QWidget* cmdimprimir = nullptr;

    // Window flags.
    bool bValidar = true;        // leaving the valuation date box checks it
    bool bPresentando = false;   // PresentaDatos is selecting the age-mode option

private:
    // What a new load does (also for a hidden window that went stale; that one stays where
    // it is).
    void Cargar(bool mover);
    // The window was hidden while the language changed or the record was emptied.
    bool Desfasada() const;
    void GuardarCaja(const CajaQueGuarda& c);

    ParametrosVentana p_;
    std::unique_ptr<ParteLocalizacion> loc_;
    mutable QHash<QString, QPointer<QWidget>> controles_;
    QHash<QString, QString> etiquetas_;
    int idiomaAplicado_ = -1;             // gIdioma of the last load
    bool fechaSinComprobar_ = false;
    bool recienCargada_ = false;          // loaded and not yet activated      // the date box was left unchecked (bValidar false)

protected:
    // For ObtenerEtiquetas.
    void PonerEtiqueta(const QString& nombre, const QString& texto) { etiquetas_.insert(nombre, texto); }
};
