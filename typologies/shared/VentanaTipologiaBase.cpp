#include "typologies/shared/VentanaTipologiaBase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <stdexcept>

#include "core/Consultas.h"
#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Recursos.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "platform/Printer.h"
#include "platform/SendKeys.h"
#include "typologies/shared/LocalizacionCalle.h"
#include "typologies/shared/LocalizacionIndustrial.h"
#include "windows/Descripcion.h"
#include "windows/PInicial.h"

// The location part a window's data choose.
namespace {

std::unique_ptr<ParteLocalizacion> CrearLocalizacion(TipoLocalizacion tipo, AnfitrionLocalizacion& ventana)
{
    switch (tipo) {
    case TipoLocalizacion::CalleZonaResidencial:
        return std::make_unique<LocalizacionCalleResidencial>(ventana);
    case TipoLocalizacion::CalleSubzonaComercial:
        return std::make_unique<LocalizacionCalleComercial>(ventana);
    case TipoLocalizacion::MunicipioZonaIndustrial:
        return std::make_unique<LocalizacionIndustrial>(ventana);
    }
    throw std::logic_error("Unknown kind of location.");
}

}  // namespace

// The window ----------------------------------------------------------------------------------

VentanaTipologiaBase::VentanaTipologiaBase(const QString& nombre, ParametrosVentana parametros)
    : Form(nombre), p_(std::move(parametros)),
      tabla_(std::make_unique<TablaControles>(static_cast<AnfitrionFecha&>(*this))),
      loc_(CrearLocalizacion(p_.localizacion, *this)), fecha_(std::make_unique<ParteFecha>(*this)),
      superficie_(std::make_unique<ParteSuperficie>(*this))
{
}

VentanaTipologiaBase::~VentanaTipologiaBase() = default;

QString VentanaTipologiaBase::Res(int n) { return LoadResString(gIdioma + n); }

QString VentanaTipologiaBase::Nombre(const char* clase, const char* codigo) const
{
    return QString::fromUtf8(clase) + QLatin1Char('p') + QString::number(p_.tipo) + QString::fromUtf8(codigo);
}

QString VentanaTipologiaBase::Nombre(const char* clase, const QString& codigo) const
{
    return QString::fromUtf8(clase) + QLatin1Char('p') + QString::number(p_.tipo) + codigo.toLower();
}

QString VentanaTipologiaBase::Nombre(const char* clase, RecordCode codigo) const
{
    return Nombre(clase, CDatosTip::CodeName(codigo));
}

QString VentanaTipologiaBase::Opcion(const QString& grupo, int indice) { return NombreOpcion(grupo, indice); }

QWidget* VentanaTipologiaBase::Buscar(const QString& nombre) const
{
    auto it = controles_.constFind(nombre);
    if (it != controles_.constEnd() && it.value())
        return it.value();
    QWidget* w = findChild<QWidget*>(nombre);
    if (w)
        controles_.insert(nombre, w);
    return w;
}

void VentanaTipologiaBase::SetTxtDescrip(const QString& texto)
{
    if (txtdescrip)
        txtdescrip->setText(texto);
}

// Failure guard -------------------------------------------------------------------------------

std::function<void()> VentanaTipologiaBase::Snapshot()
{
    // The record as it was before the handler, and the window showing it.
    return [this, copia = Registro()] {
        Registro() = copia;
        try {
            PresentaDatos();
        } catch (...) {
        }
    };
}

void VentanaTipologiaBase::Manejar(const std::function<void()>& manejador) { Handle(manejador); }

void VentanaTipologiaBase::RelanzarPendiente() { RaisePending(); }

void VentanaTipologiaBase::EscribirCaja(CajaNum* caja, const QString& texto)
{
    if (!caja)
        return;
    caja->setTexto(texto);
    RelanzarPendiente();
}

void VentanaTipologiaBase::EscribirTexto(QLineEdit* caja, const QString& texto)
{
    if (!caja)
        return;
    if (caja->text() == texto) {
        // Every write is a change: a storing box stores even the same text.
        tabla_->GuardarOtraVez(caja);
    } else {
        caja->setText(texto);
    }
    RelanzarPendiente();
}

void VentanaTipologiaBase::MarcarOpcion(const QString& grupo, int indice)
{
    if (auto* o = Ctl<OptionButton>(Opcion(grupo, indice)))
        o->SetValue(true);
    RelanzarPendiente();
}

void VentanaTipologiaBase::MarcarCasilla(CheckBox* casilla, int valor)
{
    if (!casilla)
        return;
    casilla->SetValue(valor);
    RelanzarPendiente();
}

void VentanaTipologiaBase::PosicionarCombo(ComboBox* combo, const QString& texto, bool exacto)
{
    if (!combo)
        return;
    if (exacto)
        SeleccionarEnComboExacto(texto, *combo);
    else
        SeleccionarEnCombo(texto, *combo);
    RelanzarPendiente();
}

void VentanaTipologiaBase::PonerFoco(QWidget* w)
{
    if (!w)
        return;
    Form::SetFocus(w);
    RelanzarPendiente();
}

void VentanaTipologiaBase::AlSalirDe(QWidget* control, std::function<void()> alSalir)
{
    OnGotFocus(control, [control] { SeleccionarTexto(control); });
    OnLostFocus(control, [this, alSalir = std::move(alSalir)] { Manejar(alSalir); });
}

void VentanaTipologiaBase::AlPulsarCombo(ComboBox* combo, std::function<void()> alPulsar)
{
    Conectar(combo, &ComboBox::Click, std::move(alPulsar));
}

void VentanaTipologiaBase::AlPulsarOpcion(OptionButton* opcion, std::function<void()> alPulsar)
{
    Conectar(opcion, &OptionButton::Click, std::move(alPulsar));
}

// Wiring ----------------------------------------------------------------------------------------

void VentanaTipologiaBase::ConectarControles()
{
    // A table that names a control or a code that does not exist stops construction.
    tabla_->Comprobar();
    txtañop = Ctl<CajaNum>(Nombre("txt", "añop"));
    txtcoa = Ctl<CajaNum>(Nombre("txt", "coa"));
    txtvaf = Ctl<CajaNum>(Nombre("txt", "vaf"));
    txtdescrip = Ctl<QLineEdit>(QStringLiteral("txtdescrip"));
    cmdimprimir = Buscar(QStringLiteral("cmdimprimir"));

    // The storing boxes first: the print button follows the value they store.
    tabla_->Conectar();
    Conectar(txtvaf, &CajaNum::Change, [this] { txtvaf_Change(); });

    fecha_->Conectar();
    superficie_->Conectar();
    if (Registro().Has(RecordCode::ANTTIPO)) {
        edad_ = std::make_unique<ParteEdad>(static_cast<AnfitrionFecha&>(*this));
        edad_->Conectar();
    }
    loc_->Conectar();
    for (int i = 0; i < 2; ++i)
        AlPulsarOpcion(Ctl<OptionButton>(Opcion(Nombre("opt", "mon"), i)), [this, i] { optmon_Click(i); });

    // clang-format off
    const std::pair<const char*, std::function<void()>> botones[] = {
        {"cmdayuda", [this] { cmdayuda_Click(); }},
        {"cmdDescripcion", [this] { cmdDescripcion_Click(); }},
        {"cmdlimpiar", [this] { cmdlimpiar_Click(); }},
        {"cmdsalir", [this] { cmdsalir_Click(); }},
        {"cmdimprimir", [this] { cmdimprimir_Click(); }},
    };
    // clang-format on
    for (const auto& [nombre, manejador] : botones)
        Conectar(Ctl<QAbstractButton>(QString::fromUtf8(nombre)), &QAbstractButton::clicked, manejador);
}

// Window events -------------------------------------------------------------------------------

void VentanaTipologiaBase::Cargar(bool mover)
{
    Anadir_captions();
    if (mover && p_.moverAlCargar)
        Move(0, 0);
    loc_->AlCargar();
    fecha_->AlCargar();
    CargarImagenDescripcion(this);
    FormatosFecha();
    InicializaDatos();
    PresentaDatos();
    idiomaAplicado_ = gIdioma;
}

void VentanaTipologiaBase::Form_Load()
{
    Manejar([this] {
        // A window loaded anew starts with empty lists, as new controls would; the redraw
        // then loads the list of a record that is located.
        loc_->VaciarListas();
        Cargar(true);
    });
    // The activation that follows at once sees what this load left, even a failed one.
    recienCargada_ = true;
}

bool VentanaTipologiaBase::Desfasada() const
{
    return idiomaAplicado_ != gIdioma || Registro().Get(RecordCode::SVL).toString() == QLatin1String("V");
}

void VentanaTipologiaBase::Form_Activate()
{
    Manejar([this] {
        // Shown again after being hidden while the language changed or the record was
        // emptied: the window is set up again as a new load would do it.
        const bool reciente = recienCargada_;
        recienCargada_ = false;
        if (!reciente && Desfasada())
            Cargar(false);
        SetTxtDescrip(Registro().DES(0).left(30));
        PonerFoco(fecha_->Caja());
    });
}

void VentanaTipologiaBase::Form_Resize()
{
    if (WindowState() != 1)
        return;
    Manejar([this] {
        CDatosTip& r = Registro();
        if (!r.Get(RecordCode::MIN).toBool()) {
            // Never left minimised: hidden, back to the panel, still loaded.
            r.Set(RecordCode::MIN, true);
            Hide();
        } else {
            // Shown again by the panel while still minimised.
            SetWindowState(2);
            r.Set(RecordCode::MIN, false);
        }
    });
}

void VentanaTipologiaBase::Form_KeyPress(int& keyAscii)
{
    if (keyAscii == 13) {
        SendTab();
        return;
    }
    // Typing in a list opens it; the key itself goes on into the list's text.
    loc_->AbrirAlTeclear(QApplication::focusWidget());
}

// Load, formats, defaults -----------------------------------------------------------------------

void VentanaTipologiaBase::Anadir_captions() { tabla_->Rotular(); }

void VentanaTipologiaBase::FormatosFecha()
{
    fecha_->Formatos();
    if (edad_)
        edad_->Formatos();
}

void VentanaTipologiaBase::FormatosMoneda(QString& Moneda) { tabla_->FormatosMoneda(Moneda); }

void VentanaTipologiaBase::InicializaDatos()
{
    ModificaDatos();
    QString moneda = Registro().Get(RecordCode::MON).toString();
    FormatosMoneda(moneda);
    loc_->CargarMunicipios(static_cast<int16_t>(Registro().Get(RecordCode::EJER).toInt()));
    // While the window is being loaded it is not shown yet and takes no focus.
    PonerFoco(fecha_->Caja());
}

// Presentation --------------------------------------------------------------------------------

void VentanaTipologiaBase::PresentaDatos()
{
    tabla_->PresentaCajas();
    loc_->Presenta();
    for (const auto& o : p_.opciones) {
        if (o.codigo == RecordCode::MON)
            PresentaSituacion();
        tabla_->PresentaOpcion(Nombre("opt", o.codigo));
    }
    if (edad_)
        edad_->Presenta();
    fecha_->Presenta();
}

// Valuation date ----------------------------------------------------------------------------

void VentanaTipologiaBase::FechaValoracionAceptada(int32_t fecha)
{
    CDatosTip& r = Registro();
    r.Set(RecordCode::FECV, fecha);
    int16_t version = 0;
    const int16_t ano = ObtenerEjercicio(fecha, version);
    const bool tieneVersion = r.Has(RecordCode::VER);
    if (ano != r.Get(RecordCode::EJER).toInt() || (tieneVersion && version != r.Get(RecordCode::VER).toInt())) {
        // Another valuation period: the record starts again, with this date.
        r.Set(RecordCode::EJER, ano);
        if (tieneVersion)
            r.Set(RecordCode::VER, version);
        r.Set(RecordCode::SVL, QStringLiteral("V"));
        InicializaFechaV();
        loc_->CargarMunicipios(ano);
        // The emptied record has no description: the summary box follows it.
        SetTxtDescrip(r.DES(0).left(30));
    } else if (edad_ && r.Get(RecordCode::ANTTIPO).toString() == QLatin1String("F") &&
               r.Get(RecordCode::ANTDAT).toInt() != 0 &&
               r.Get(RecordCode::ANTDAT).toInt() > r.Get(RecordCode::FECV).toInt()) {
        // The construction date now lies after the valuation date.
        r.Set(RecordCode::SVL, QStringLiteral("V"));
        InicializaFechaV();
        SetTxtDescrip(r.DES(0).left(30));
    } else {
        if (edad_)
            edad_->CalcularDepreciacion();
        RecalcularCadena();
    }
    PresentaDatos();
}

// Municipality, ponencia year, zone ----------------------------------------------------------

void VentanaTipologiaBase::PonenciaCambios()
{
    const int municipio = loc_->CodigoMunicipio();
    if (municipio < 0)
        return;
    CDatosTip& r = Registro();
    const std::optional<int> ano = valoracion::AnoPonencia(municipio, r.Get(RecordCode::EJER).toInt());
    EscribirCaja(txtañop, ano ? QString::number(*ano) : QString());
    const double coa = FactorIncremento(static_cast<int16_t>(r.Get(RecordCode::AÑOP).toInt()),
                                        static_cast<int16_t>(r.Get(RecordCode::EJER).toInt()));
    EscribirCaja(txtcoa, FormatNumber(valoracion::Comprobado(coa), txtcoa->formato()));
}

void VentanaTipologiaBase::BuscarZona(const QString& calleAnterior, int16_t portalAnterior)
{
    loc_->Localizar(calleAnterior, portalAnterior);
}

void VentanaTipologiaBase::RecalcularDesdeRegistro() { CadenaValores(); }

void VentanaTipologiaBase::InicializaMunicipio(QString& smunicipio)
{
    loc_->InicializaMunicipio(Registro(), smunicipio);
}

void VentanaTipologiaBase::PonerCosteFijo()
{
    CDatosTip& r = Registro();
    r.Set(RecordCode::CCO, valoracion::CosteConstruccionFijo(p_.tipo, r.Get(RecordCode::EJER).toInt(),
                                                             r.Get(RecordCode::MON).toString()));
}

void VentanaTipologiaBase::CalcularValores()
{
    const bool leida = loc_->LeerValorZona();
    // The fixed cost is in the record's currency whatever the currency of the zone row.
    if (valoracion::TieneCosteFijo(p_.tipo))
        PonerCosteFijo();
    if (leida)
        valoracion::ValorarRegistro(Registro());
}

void VentanaTipologiaBase::CadenaValores() { valoracion::ValorarRegistro(Registro()); }

void VentanaTipologiaBase::SuperficieAceptada() { superficie_->RecalcularSH(); }

void VentanaTipologiaBase::RefrescoCadena()
{
    RecalcularCadena();
    PresentaDatos();
}

void VentanaTipologiaBase::RecalcularCadena() { loc_->RecalcularCadena(); }

void VentanaTipologiaBase::optmon_Click(int Index)
{
    auto* opcion = Ctl<OptionButton>(Opcion(Nombre("opt", "mon"), Index));
    if (!opcion || !opcion->Value())
        return;
    CDatosTip& r = Registro();
    r.Set(RecordCode::MON, Index != 0 ? QStringLiteral("E") : QStringLiteral("P"));
    QString moneda = r.Get(RecordCode::MON).toString();
    FormatosMoneda(moneda);
    CalcularValores();
    PresentaDatos();
}

// Buttons ---------------------------------------------------------------------------------------

void VentanaTipologiaBase::txtvaf_Change()
{
    if (cmdimprimir)
        cmdimprimir->setEnabled(Registro().Get(RecordCode::VAF).toDouble() != 0);
}

void VentanaTipologiaBase::cmdayuda_Click()
{
    const QString n = QString::number(p_.tipo);
    MostrarAyuda(SegunIdioma(QStringLiteral("cap3") + n + QStringLiteral(".htm"),
                             QStringLiteral("kap3") + n + QStringLiteral(".htm")),
                 this);
}

void VentanaTipologiaBase::cmdDescripcion_Click() { AbrirDescripcion(); }

void VentanaTipologiaBase::AbrirDescripcion()
{
    const CDatosTip& r = Registro();
    TheDescripcion().AbrirCon({r.DES(0), r.DES(1), r.DES(2), r.DES(3)});
}

void VentanaTipologiaBase::cmdlimpiar_Click()
{
    fecha_->AlCargar();
    Registro().Set(RecordCode::SVL, QStringLiteral("V"));
    SetTxtDescrip(QString());
    InicializaDatos();
    PresentaDatos();
    TrasLimpiar();
    loc_->TrasLimpiar();
}

void VentanaTipologiaBase::cmdsalir_Click() { Unload(); }

void VentanaTipologiaBase::cmdimprimir_Click()
{
    if (Printer::PrinterCount() == 0) {
        MsgBox(Res(153), 64, windowTitle());
        return;
    }
    etiquetas_.clear();
    ObtenerEtiquetas();
    if (gEntrada().P_IDI() == QLatin1String("E"))
        DatosDescripcionE();
    else
        DatosDescripcion();
}

void VentanaTipologiaBase::ImprimirTabla(const std::vector<ItemInforme>& items)
{
    const CDatosTip& r = Registro();
    DatosInforme datos;
    datos.etiquetas = etiquetas_;
    datos.descripcion = QStringList{r.DES(0), r.DES(1), r.DES(2), r.DES(3)};
    datos.logo = ThePInicial().Image1Picture();
    ImprimirInforme(items, *this, datos);
}

// Shared steps of the valuation ------------------------------------------------------------------

bool VentanaTipologiaBase::OpcionMarcada(const QString& grupo, int indice) const
{
    auto* o = Ctl<OptionButton>(Opcion(grupo, indice));
    return o && o->Value();
}

QString VentanaTipologiaBase::RotuloOpcionElegida(const QString& grupo) const
{
    auto* o = Ctl<QAbstractButton>(Opcion(grupo, OpcionMarcada(grupo, 0) ? 0 : 1));
    return o ? o->text() : QString();
}

// Situation boxes ---------------------------------------------------------------------------------

QString VentanaTipologiaBase::EtiquetaSituacion(std::initializer_list<CheckBox*> casillas) const
{
    for (CheckBox* c : casillas)
        if (c && c->Value() != 0)
            return QLatin1Char('(') + c->text() + QLatin1Char(')');
    return gEntrada().P_IDI() == QLatin1String("E") ? QStringLiteral("(Orokorra)") : QStringLiteral("(el general)");
}

void VentanaTipologiaBase::Situacion_Click(CheckBox* casilla, RecordCode codigo,
                                           std::initializer_list<CheckBox*> excluidas,
                                           const std::function<double()>& calcularCL)
{
    if (casilla->Value() != 0) {
        Registro().Set(codigo, QStringLiteral("X"));
        for (CheckBox* otra : excluidas)
            MarcarCasilla(otra, 0);
    } else {
        Registro().Set(codigo, QString());
    }
    auto* ccl = Ctl<CajaNum>(Nombre("txt", RecordCode::CCL));
    EscribirCaja(ccl, FormatNumber(calcularCL(), ccl->formato()));
    RefrescoCadena();
}

void VentanaTipologiaBase::ValoresIniciales()
{
    loc_->ValoresIniciales();
    superficie_->ValoresIniciales();
    if (edad_)
        edad_->ValoresIniciales();
}
