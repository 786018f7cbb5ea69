#pragma once
// The window every typology is valued in. The nine windows repeat one cycle: load (captions,
// date and money formats, the defaults of an empty record), take an entry into the record,
// recompute through the record, redraw every control from the record (PresentaDatos) and
// print what the controls show. The window holds that cycle, the guarded wiring its parts
// use (AnfitrionParte), the currency pair, the buttons and the summary box; the rest is in
// parts chosen by the window's data (ParametrosVentana):
//  - the table of its controls (TablaControles.h): captions, the boxes PresentaDatos writes
//    and how, the boxes that store their text, the money patterns, the option pairs; checked
//    at construction against the window's controls and record;
//  - its location part (Localizacion.h): street and residential zone, street and commercial
//    subzone, or municipality and industrial zone;
//  - the valuation date (ParteFecha.h), the age (ParteEdad.h, for records with an age mode)
//    and the surface and percentage (ParteSuperficie.h);
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
//    steps of its own), SuperficieAceptada, TrasLimpiar, its own handlers;
//  - writes controls only through EscribirCaja, EscribirTexto, MarcarOpcion, MarcarCasilla,
//    PosicionarCombo and PonerFoco inside handlers, so that a failure in a handler they raise
//    reaches the guard of the handler running;
//  - is registered by number in app/Tipologias.cpp (RegistrarTipologias).
#include <QHash>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/Registros.h"
#include "platform/Form.h"
#include "typologies/shared/DisenoVentana.h"
#include "typologies/shared/Informe.h"
#include "typologies/shared/Localizacion.h"
#include "typologies/shared/ParametrosVentana.h"
#include "typologies/shared/ParteEdad.h"
#include "typologies/shared/ParteFecha.h"
#include "typologies/shared/ParteSuperficie.h"
#include "typologies/shared/TablaControles.h"
#include "windows/VentanaTipologia.h"

class CajaNum;
class CheckBox;
class ComboBox;
class OptionButton;
class QLineEdit;

class VentanaTipologiaBase : public Form,
                             public IVentanaTipologia,
                             public AnfitrionLocalizacion,
                             public AnfitrionFecha,
                             public AnfitrionSuperficie {
    Q_OBJECT
public:
    VentanaTipologiaBase(const QString& nombre, ParametrosVentana parametros);
    ~VentanaTipologiaBase() override;

    // IVentanaTipologia
    Form* form() override { return this; }
    void SetTxtDescrip(const QString& texto) override;

    const ParametrosVentana& Parametros() const override { return p_; }
    // The record this window values (gDatosTipN).
    CDatosTip& Registro() const override = 0;
    Form& Formulario() override { return *this; }

    // Control names of this window: Nombre("txt", "fecv") is "txtp1fecv" in window 1;
    // Opcion("optp1mon", 1) is "optp1mon(1)".
    QString Nombre(const char* clase, const char* codigo) const;
    // The same from a record code: Nombre("txt", "AÑOP") is "txtp1añop".
    QString Nombre(const char* clase, const QString& codigo) const;
    // The same from a record code: Nombre("txt", RecordCode::VRR) is "txtp1vrr" in window 1.
    QString Nombre(const char* clase, RecordCode codigo) const;
    static QString Opcion(const QString& grupo, int indice);

    // The window's parts.
    TablaControles& Tabla() const { return *tabla_; }
    ParteFecha& FechaV() const { return *fecha_; }
    // Only for records with an age mode (ANTTIPO).
    ParteEdad& Edad() const { return *edad_; }
    ParteSuperficie& Superficie() const { return *superficie_; }

    // --- the shared cycle ----------------------------------------------------------------
    // Captions of the current language (the table's).
    void Anadir_captions();
    // Date patterns of the current language (the date and age parts').
    void FormatosFecha();
    // Money patterns of a currency (the table's).
    void FormatosMoneda(QString& Moneda);
    // ModificaDatos, FormatosMoneda of the record's currency, the municipality list of the
    // valuation year, focus to the valuation date.
    void InicializaDatos();
    // Defaults into an empty record ("V" -> "L"); nothing for any other state.
    virtual void ModificaDatos() = 0;
    // Defaults written again after the record was emptied by a change of valuation date.
    virtual void InicializaFechaV() = 0;
    // Redraws every control from the record. Default: the boxes, the location, the option
    // pairs, the age and the valuation date, in that order.
    void PresentaDatos() override;
    // A valid valuation date was entered: another valuation period, or a construction date
    // now after it, empties the record (keeping the date); otherwise the age and the chain
    // are computed again. Then the redraw.
    void FechaValoracionAceptada(int32_t fecha) override;

    // --- location -----------------------------------------------------------------------
    // Stores a new municipality and clears what depended on the old one (the location part
    // knows what that is).
    void InicializaMunicipio(QString& smunicipio) override;
    // Ponencia year of the selected municipality and the update coefficient.
    void PonenciaCambios() override;
    // The zone of the stored place looked up by the location part (a street window refusing
    // zones of 900 and above puts the previous street and portal back), then CalcularValores.
    void BuscarZona(const QString& calleAnterior, int16_t portalAnterior) override;
    // The value chain from the record, the place unchanged: CadenaValores.
    void RecalcularDesdeRegistro() override;
    // Zone values of the stored zone, in the record's currency, the fixed construction cost
    // of the typology (where it has one), and, with a municipality selected, the value chain.
    void CalcularValores() override;
    // The record's value chain from the record.
    virtual void CadenaValores();
    // The typology's fixed construction cost for the record's year, in its currency.
    void PonerCosteFijo();

    // --- printing -----------------------------------------------------------------------
    // Label texts of the report ("sEtiquetaTSU" ...) from the options the window shows.
    virtual void ObtenerEtiquetas() = 0;
    // The Spanish and the Basque report.
    virtual void DatosDescripcion() = 0;
    virtual void DatosDescripcionE() = 0;
    void AbrirDescripcion();

    // Label texts built by ObtenerEtiquetas.
    const QHash<QString, QString>& Etiquetas() const { return etiquetas_; }

    // Services of the window to its parts (AnfitrionParte).
    QWidget* Buscar(const QString& nombre) const override;
    // Runs an event handler with the form's failure guard (Form::Handle): a failure restores
    // the record as it was before the handler and redraws the window.
    void Manejar(const std::function<void()>& manejador) override;

protected:
    // Called by the window's constructor once its controls exist: checks the window's table
    // against its controls and record, finds the standard controls and connects the parts'
    // and the window's handlers.
    void ConectarControles();

    std::function<void()> Snapshot() override;
    // Connects a signal of a control to a guarded handler.
    template <class Emisor, class Senal>
    void Conectar(Emisor* emisor, Senal senal, std::function<void()> manejador)
    {
        if (emisor)
            connect(
                emisor, senal, this, [this, m = std::move(manejador)] { Manejar(m); }, Qt::DirectConnection);
    }

    // Writes that raise the controls' own handlers (a box's Change, an option's or check
    // box's Click, a combo's Click, a focus move); a failure inside one of them goes on to the
    // handler that made the write.
    void EscribirCaja(CajaNum* caja, const QString& texto) override;
    void EscribirTexto(QLineEdit* caja, const QString& texto) override;
    void MarcarOpcion(const QString& grupo, int indice) override;
    void MarcarCasilla(CheckBox* casilla, int valor);
    void PosicionarCombo(ComboBox* combo, const QString& texto, bool exacto) override;
    void PonerFoco(QWidget* w) override;
    void RelanzarPendiente() override;
    void AlSalirDe(QWidget* control, std::function<void()> alSalir) override;
    void AlPulsarCombo(ComboBox* combo, std::function<void()> alPulsar) override;
    void AlPulsarOpcion(OptionButton* opcion, std::function<void()> alPulsar) override;

    // The window's location part (chosen by Parametros().localizacion).
    ParteLocalizacion& Localizacion() const { return *loc_; }

    // The situation boxes from their codes: the default PresentaDatos runs it just before the
    // currency pair (nothing for a window without such boxes).
    virtual void PresentaSituacion() {}

    // The "chain refresh" that ends most handlers: RecalcularCadena, then PresentaDatos.
    void RefrescoCadena() override;
    // The option grupo(indice) exists and is selected.
    bool OpcionMarcada(const QString& grupo, int indice) const;
    // Caption of the pair's entry 0 when it is selected, else of entry 1 (also when neither is).
    QString RotuloOpcionElegida(const QString& grupo) const;
    // Recomputes the value chain from the record when the location is complete.
    void RecalcularCadena();
    // A new surface was accepted into the record: SH again (ParteSuperficie::RecalcularSH).
    void SuperficieAceptada() override;
    // "(" + caption of the first ticked box + ")", else the general situation in the
    // settings' language.
    QString EtiquetaSituacion(std::initializer_list<CheckBox*> casillas) const;
    // A situation box was clicked: its code takes "X" when ticked (the boxes it excludes are
    // unticked, and their own handlers clear their codes) or the empty text when not; then the
    // window's CL, computed from the boxes as they now are, goes into the CL box (which stores
    // it) and the chain is refreshed.
    void Situacion_Click(CheckBox* casilla, RecordCode codigo, std::initializer_list<CheckBox*> excluidas,
                         const std::function<double()>& calcularCL);
    // Reset values of the typed boxes: portal, surface and years "0", percentage "100".
    void ValoresIniciales();
    // Step of cmdlimpiar_Click after PresentaDatos (window 1 empties the street list there).
    virtual void TrasLimpiar() {}

    // Handlers of the standard controls.
    void optmon_Click(int Index);
    void txtvaf_Change();
    void cmdayuda_Click();
    void cmdDescripcion_Click();
    void cmdlimpiar_Click();
    void cmdsalir_Click();
    void cmdimprimir_Click();

    // Prints one report table with this window's labels, description lines and the logo.
    void ImprimirTabla(const std::vector<ItemInforme>& items);
    // For ObtenerEtiquetas.
    void PonerEtiqueta(const QString& nombre, const QString& texto) { etiquetas_.insert(nombre, texto); }

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

    // Standard controls (nullptr when the window has not got one).
    CajaNum* txtañop = nullptr;
    CajaNum* txtcoa = nullptr;
    CajaNum* txtvaf = nullptr;
    QLineEdit* txtdescrip = nullptr;
    QWidget* cmdimprimir = nullptr;

private:
    // What a new load does (also for a hidden window that went stale; that one stays where
    // it is).
    void Cargar(bool mover);
    // The window was hidden while the language changed or the record was emptied.
    bool Desfasada() const;

    ParametrosVentana p_;
    std::unique_ptr<TablaControles> tabla_;
    std::unique_ptr<ParteLocalizacion> loc_;
    std::unique_ptr<ParteFecha> fecha_;
    std::unique_ptr<ParteEdad> edad_;  // only for records with an age mode
    std::unique_ptr<ParteSuperficie> superficie_;
    mutable QHash<QString, QPointer<QWidget>> controles_;
    QHash<QString, QString> etiquetas_;
    int idiomaAplicado_ = -1;     // gIdioma of the last load
    bool recienCargada_ = false;  // loaded and not yet activated
};
