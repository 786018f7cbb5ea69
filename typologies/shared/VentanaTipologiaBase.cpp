#include "typologies/shared/VentanaTipologiaBase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>
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

// Free helpers --------------------------------------------------------------------------------

QString TextoNumero(double v)
{
    if (v == 0)
        return QStringLiteral("0");
    QString s = QString::number(v, 'g', 15);
    if (s.contains(QLatin1Char('e'))) {
        s = QString::number(v, 'f', 6);
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    s.replace(QLatin1Char('.'), DecimalSeparator());
    return s;
}

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

} // namespace

// The window ----------------------------------------------------------------------------------

VentanaTipologiaBase::VentanaTipologiaBase(const QString& nombre, ParametrosVentana parametros)
    : Form(nombre)
    , p_(std::move(parametros))
{
}

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

QString VentanaTipologiaBase::Opcion(const QString& grupo, int indice)
{
    return grupo + QLatin1Char('(') + QString::number(indice) + QLatin1Char(')');
}

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
        for (const auto& c : p_.guardan)
            if (Nombre("txt", c.codigo) == caja->objectName())
                GuardarCaja(c);
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

// Wiring ----------------------------------------------------------------------------------------

void VentanaTipologiaBase::ComprobarTabla() const
{
    const CDatosTip& r = Registro();
    const auto falta = [this](const QString& que) {
        throw std::logic_error((objectName() + QStringLiteral(": ") + que).toStdString());
    };
    const auto control = [&](const QString& nombre) {
        if (!Buscar(nombre))
            falta(QStringLiteral("its table names the control ") + nombre + QStringLiteral(", which the window has not"));
    };
    const auto codigo = [&](RecordCode c) {
        if (!r.Has(c))
            falta(QStringLiteral("its table names the code ") + CDatosTip::CodeName(c) +
                  QStringLiteral(", which its record has not"));
    };
    for (const auto& ro : p_.rotulos)
        if (ro.destino != Destino::Ventana)
            control(ro.control);
    for (const auto& c : p_.cajas) {
        codigo(c.codigo);
        control(Nombre("txt", c.codigo));
    }
    for (const auto& c : p_.guardan) {
        codigo(c.codigo);
        control(Nombre("txt", c.codigo));
    }
    for (const auto& m : p_.monedas) {
        codigo(m.codigo);
        if (!Ctl<CajaNum>(Nombre("txt", m.codigo)))
            falta(QStringLiteral("its money box ") + Nombre("txt", m.codigo) + QStringLiteral(" is not a numeric box"));
    }
    for (const auto& o : p_.opciones) {
        codigo(o.codigo);
        control(Opcion(Nombre("opt", o.codigo), 0));
        control(Opcion(Nombre("opt", o.codigo), 1));
    }
    for (const auto& i : p_.importesZona)
        codigo(i.codigo);
}

void VentanaTipologiaBase::ConectarControles()
{
    // A table that names a control or a code that does not exist stops construction.
    ComprobarTabla();
    txtfecv = Ctl<MaskEdBox>(Nombre("txt", "fecv"));
    txtantd2 = Ctl<MaskEdBox>(Nombre("txt", "antd2"));
    txtantd1 = Ctl<CajaNum>(Nombre("txt", "antd1"));
    txtant = Ctl<CajaNum>(Nombre("txt", "ant"));
    txtdep = Ctl<CajaNum>(Nombre("txt", "dep"));
    txtsbu = Ctl<CajaNum>(Nombre("txt", "sbu"));
    txtpti = Ctl<CajaNum>(Nombre("txt", "pti"));
    txtañop = Ctl<CajaNum>(Nombre("txt", "añop"));
    txtcoa = Ctl<CajaNum>(Nombre("txt", "coa"));
    txtvaf = Ctl<CajaNum>(Nombre("txt", "vaf"));
    txtdescrip = Ctl<QLineEdit>(QStringLiteral("txtdescrip"));
    cmdimprimir = Buscar(QStringLiteral("cmdimprimir"));

    // Display boxes that store what they are given.
    for (const auto& c : p_.guardan) {
        QWidget* w = Buscar(Nombre("txt", c.codigo));
        if (auto* caja = qobject_cast<CajaNum*>(w))
            Conectar(caja, &CajaNum::Change, [this, c] { GuardarCaja(c); });
        else if (auto* linea = qobject_cast<QLineEdit*>(w))
            Conectar(linea, &QLineEdit::textChanged, [this, c] { GuardarCaja(c); });
    }
    Conectar(txtvaf, &CajaNum::Change, [this] { txtvaf_Change(); });

    // Editable boxes: their whole text is selected on entry, the entry is taken on leaving.
    auto editable = [this](QWidget* w, std::function<void()> alSalir) {
        if (!w)
            return;
        OnGotFocus(w, [w] { SeleccionarTexto(w); });
        OnLostFocus(w, [this, alSalir] { Manejar(alSalir); });
    };
    editable(txtfecv, [this] { txtfecv_LostFocus(); });
    editable(txtsbu, [this] { txtsbu_LostFocus(); });
    editable(txtpti, [this] { txtpti_LostFocus(); });
    editable(txtantd1, [this] { txtantd1_LostFocus(); });
    editable(txtantd2, [this] { txtantd2_LostFocus(); });
    loc_ = CrearLocalizacion(p_.localizacion, *this);
    loc_->Conectar();

    for (int i = 0; i < 2; ++i) {
        Conectar(Ctl<OptionButton>(Opcion(Nombre("opt", "anttipo"), i)), &OptionButton::Click,
                 [this, i] { optanttipo_Click(i); });
        Conectar(Ctl<OptionButton>(Opcion(Nombre("opt", "mon"), i)), &OptionButton::Click,
                 [this, i] { optmon_Click(i); });
    }

    // Plain display text boxes pass the focus on when entered.
    std::vector<QLineEdit*> textos;
    for (const auto& c : p_.cajas)
        if (c.regla == Regla::Texto)
            textos.push_back(Ctl<QLineEdit>(Nombre("txt", c.codigo)));
    if (p_.descripcionPasaFoco)
        textos.push_back(txtdescrip);
    for (QLineEdit* e : textos) {
        if (!e)
            continue;
        e->setReadOnly(true);
        OnGotFocus(e, [] { SendTab(); });
    }

    const std::pair<const char*, std::function<void()>> botones[] = {
        {"cmdayuda", [this] { cmdayuda_Click(); }},
        {"cmdDescripcion", [this] { cmdDescripcion_Click(); }},
        {"cmdlimpiar", [this] { cmdlimpiar_Click(); }},
        {"cmdsalir", [this] { cmdsalir_Click(); }},
        {"cmdimprimir", [this] { cmdimprimir_Click(); }},
    };
    for (const auto& [nombre, manejador] : botones)
        Conectar(Ctl<QAbstractButton>(QString::fromUtf8(nombre)), &QAbstractButton::clicked, manejador);
    ConectarBotonesSinValidar();
}

namespace {

// Runs `alSoltar` when the left button is released outside the widget it watches: the press
// gave no click.
class SueltaFuera : public QObject {
public:
    SueltaFuera(QWidget* boton, std::function<void()> alSoltar)
        : QObject(boton)
        , boton_(boton)
        , alSoltar_(std::move(alSoltar))
    {
        boton->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == boton_ && e->type() == QEvent::MouseButtonRelease) {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() == Qt::LeftButton && !boton_->rect().contains(m->position().toPoint()))
                alSoltar_();
        }
        return false;
    }

private:
    QWidget* boton_;
    std::function<void()> alSoltar_;
};

} // namespace

void VentanaTipologiaBase::ConectarBotonesSinValidar()
{
    for (const char* nombre : {"cmdlimpiar", "cmdsalir"})
        if (QWidget* b = Buscar(QString::fromUtf8(nombre))) {
            OnMouseDownFirst(b, [this] { bValidar = false; });
            // Released outside the button there is neither Clear nor Exit: the check is on
            // again, and a leaving of the date box that went unchecked is checked now.
            new SueltaFuera(b, [this] { Manejar([this] { SinClicTrasPulsar(); }); });
        }
}

void VentanaTipologiaBase::SinClicTrasPulsar()
{
    bValidar = true;
    if (fechaSinComprobar_)
        txtfecv_LostFocus();
}

void VentanaTipologiaBase::GuardarCaja(const CajaQueGuarda& c)
{
    QWidget* w = Buscar(Nombre("txt", c.codigo));
    QString t;
    if (auto* caja = qobject_cast<CajaNum*>(w))
        t = caja->texto();
    else if (auto* linea = qobject_cast<QLineEdit*>(w))
        t = linea->text();
    else
        return;
    CDatosTip& r = Registro();
    switch (c.como) {
    case Guardado::Entero:
        r.Set(c.codigo, static_cast<int>(std::lround(ParseNumber(t))));
        break;
    case Guardado::Numero:
        r.Set(c.codigo, ParseNumber(t));
        break;
    case Guardado::NumeroSiNoVacio:
        if (!t.trimmed().isEmpty())
            r.Set(c.codigo, ParseNumber(t));
        break;
    case Guardado::Texto:
        r.Set(c.codigo, t);
        break;
    }
}

// Window events -------------------------------------------------------------------------------

void VentanaTipologiaBase::Cargar(bool mover)
{
    Anadir_captions();
    if (mover && p_.moverAlCargar)
        Move(0, 0);
    loc_->AlCargar();
    bValidar = true;
    fechaSinComprobar_ = false;
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
        PonerFoco(txtfecv);
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

void VentanaTipologiaBase::Anadir_captions()
{
    for (const auto& r : p_.rotulos) {
        const QString t = Res(r.id);
        if (r.destino == Destino::Ventana) {
            setWindowTitle(t);
            continue;
        }
        QWidget* w = Buscar(r.control);
        if (!w)
            continue;
        if (r.destino == Destino::Rotulo || r.destino == Destino::RotuloYAyuda) {
            if (auto* l = qobject_cast<QLabel*>(w))
                l->setText(t);
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                g->setTitle(t);
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                b->setText(t);
        }
        if (r.destino == Destino::Ayuda || r.destino == Destino::RotuloYAyuda)
            w->setToolTip(t);
    }
}

void VentanaTipologiaBase::FormatosFecha()
{
    const bool euskera = gIdioma == 10000;
    for (MaskEdBox* b : {txtfecv, txtantd2}) {
        if (!b)
            continue;
        b->SetFormat(euskera ? QStringLiteral("yyyy/mm/dd") : QStringLiteral("dd/mm/yyyy"));
        b->SetMask(euskera ? QStringLiteral("####/##/##") : QStringLiteral("##/##/####"));
    }
}

void VentanaTipologiaBase::FormatosMoneda(QString& Moneda)
{
    const bool pesetas = Moneda == QLatin1String("P");
    for (const auto& m : p_.monedas)
        if (auto* caja = Ctl<CajaNum>(Nombre("txt", m.codigo)))
            caja->setFormato(pesetas ? m.pesetas : m.euros);
}

void VentanaTipologiaBase::InicializaDatos()
{
    ModificaDatos();
    QString moneda = Registro().Get(RecordCode::MON).toString();
    FormatosMoneda(moneda);
    loc_->CargarMunicipios(static_cast<int16_t>(Registro().Get(RecordCode::EJER).toInt()));
    // While the window is being loaded it is not shown yet and takes no focus.
    PonerFoco(txtfecv);
}

// Presentation --------------------------------------------------------------------------------

void VentanaTipologiaBase::PresentaDatos()
{
    PresentaCajas();
    PresentaLocalizacion();
    for (const auto& o : p_.opciones) {
        if (o.codigo == RecordCode::MON)
            PresentaSituacion();
        PresentaOpcion(Nombre("opt", o.codigo));
    }
    if (Registro().Has(RecordCode::ANTTIPO))
        PresentaEdad();
    PresentaFechaValoracion();
}

void VentanaTipologiaBase::PresentaCajas()
{
    CDatosTip& r = Registro();
    for (const auto& c : p_.cajas) {
        QWidget* w = Buscar(Nombre("txt", c.codigo));
        if (c.regla == Regla::Texto) {
            EscribirTexto(qobject_cast<QLineEdit*>(w), r.Get(c.codigo).toString());
            continue;
        }
        auto* caja = qobject_cast<CajaNum*>(w);
        if (!caja)
            continue;
        const double v = r.Get(c.codigo).toDouble();
        QString t;
        switch (c.regla) {
        case Regla::Plana:
            t = FormatNumber(v, caja->formato());
            break;
        case Regla::CeroVacio:
            t = v == 0 ? QString() : FormatNumber(v, caja->formato());
            break;
        case Regla::Moneda:
            if (v != 0)
                t = r.Get(RecordCode::MON).toString() == QLatin1String("P") ? FormatNumber(v, caja->formato())
                                                                                : FormatNumber(v / 100, caja->formato());
            break;
        case Regla::Texto:
            break;
        }
        EscribirCaja(caja, t);
    }
}

void VentanaTipologiaBase::PresentaLocalizacion() { loc_->Presenta(); }

void VentanaTipologiaBase::PresentaOpcion(const QString& grupo)
{
    for (const auto& o : p_.opciones) {
        if (Nombre("opt", o.codigo) != grupo)
            continue;
        const bool igual = Registro().Get(o.codigo).toString() == o.valor;
        MarcarOpcion(grupo, igual ? o.entradaSiIgual : 1 - o.entradaSiIgual);
        return;
    }
}

void VentanaTipologiaBase::PresentaEdad()
{
    CDatosTip& r = Registro();
    const bool porFecha = r.Get(RecordCode::ANTTIPO).toString() != QLatin1String("A");
    // The age-mode option's own work (resetting the age) must not run on a redraw.
    bPresentando = true;
    try {
        MarcarOpcion(Nombre("opt", "anttipo"), porFecha ? 1 : 0);
    } catch (...) {
        bPresentando = false;
        throw;
    }
    bPresentando = false;
    MostrarCajasEdad(porFecha);
    const int32_t antdat = r.Get(RecordCode::ANTDAT).toInt();
    if (!porFecha)
        EscribirCaja(txtantd1, antdat == 0 ? QString() : QString::number(antdat));
    else if (txtantd2)
        txtantd2->SetText(antdat != 0 ? gFecha().LongToString(antdat) : gFecha().FecVacia());
}

void VentanaTipologiaBase::MostrarCajasEdad(bool porFecha)
{
    if (!txtantd1 || !txtantd2)
        return;
    const bool ocultar = p_.cajasEdad != CajasEdad::DeshabilitarLaOtra;
    const bool deshabilitar = p_.cajasEdad != CajasEdad::OcultarLaOtra;
    const Qt::FocusPolicy sinFoco = deshabilitar ? Qt::NoFocus : Qt::ClickFocus;
    QWidget* delModo = porFecha ? static_cast<QWidget*>(txtantd2) : txtantd1;
    QWidget* otra = porFecha ? static_cast<QWidget*>(txtantd1) : txtantd2;
    if (ocultar) {
        otra->setVisible(false);
        delModo->setVisible(true);
    }
    if (deshabilitar) {
        otra->setEnabled(false);
        delModo->setEnabled(true);
    }
    otra->setFocusPolicy(sinFoco);
    delModo->setFocusPolicy(Qt::StrongFocus);
}

void VentanaTipologiaBase::PresentaFechaValoracion()
{
    if (txtfecv)
        txtfecv->SetText(gFecha().LongToString(Registro().Get(RecordCode::FECV).toInt()));
}

// Dates ---------------------------------------------------------------------------------------

bool VentanaTipologiaBase::ValidarFechaV(QString& sFecha)
{
    if (!gFecha().EsFecha(sFecha, 0)) {
        MsgBox(Res(49), 48, Res(50));
        return false;
    }
    Recordset rsMin = gConexion().openRecordset(QStringLiteral("Select t02_fecmin from t02_años Order By t02_fecmin "));
    Recordset rsMax = gConexion().openRecordset(QStringLiteral("Select t02_fecmax from t02_años Order By t02_fecmax desc"));
    const bool hayRango = !rsMin.EOF_() && !rsMax.EOF_();
    const auto minima = static_cast<int32_t>(hayRango ? valoracion::NumeroDeCampo(rsMin.Field(0)) : 0);
    const auto maxima = static_cast<int32_t>(hayRango ? valoracion::NumeroDeCampo(rsMax.Field(0)) : 0);
    rsMin.Close();
    rsMax.Close();
    if (!hayRango) {
        // Without valuation years no date can be valued.
        MsgBox(Res(49), 48, Res(50));
        return false;
    }
    const int32_t n = gFecha().StringToLong(sFecha, 0);
    if (minima <= n && n <= maxima)
        return true;
    MsgBox(Res(51) + QLatin1Char(' ') + gFecha().LongToString(minima) + QStringLiteral("\r\n") + Res(p_.idSeparadorRango) +
               QLatin1Char(' ') + gFecha().LongToString(maxima) + QLatin1Char(' ') + Res(151),
           48, Res(50));
    return false;
}

bool VentanaTipologiaBase::ValidarFechaR(QString& sFecha)
{
    if (!gFecha().EsFecha(sFecha, 1800)) {
        MsgBox(Res(108), 48, Res(50));
        return false;
    }
    const int32_t n = gFecha().StringToLong(sFecha, 0);
    const int32_t fecv = Registro().Get(RecordCode::FECV).toInt();
    if (n > fecv) {
        MsgBox(Res(109) + (p_.dosPuntosTrasFechaR ? QStringLiteral(":") : QString()) +
                   gFecha().LongToString(fecv).trimmed(),
               48, Res(50));
        return false;
    }
    return true;
}

bool VentanaTipologiaBase::ComprobarFecha()
{
    QString s = txtfecv->Text();
    if (!ValidarFechaV(s))
        return false;
    CDatosTip& r = Registro();
    r.Set(RecordCode::FECV, gFecha().StringToLong(s, 0));
    int16_t version = 0;
    const int16_t ano = ObtenerEjercicio(gFecha().StringToLong(txtfecv->Text(), 0), version);
    const bool tieneVersion = r.Has(RecordCode::VER);
    const bool tieneEdad = r.Has(RecordCode::ANTTIPO);
    if (ano != r.Get(RecordCode::EJER).toInt() ||
        (tieneVersion && version != r.Get(RecordCode::VER).toInt())) {
        // Another valuation period: the record starts again, with this date.
        r.Set(RecordCode::EJER, ano);
        if (tieneVersion)
            r.Set(RecordCode::VER, version);
        r.Set(RecordCode::SVL, QStringLiteral("V"));
        InicializaFechaV();
        loc_->CargarMunicipios(ano);
        // The emptied record has no description: the summary box follows it.
        SetTxtDescrip(r.DES(0).left(30));
    } else if (tieneEdad && r.Get(RecordCode::ANTTIPO).toString() == QLatin1String("F") &&
               r.Get(RecordCode::ANTDAT).toInt() != 0 &&
               r.Get(RecordCode::ANTDAT).toInt() > r.Get(RecordCode::FECV).toInt()) {
        // The construction date now lies after the valuation date.
        r.Set(RecordCode::SVL, QStringLiteral("V"));
        InicializaFechaV();
        SetTxtDescrip(r.DES(0).left(30));
    } else {
        if (tieneEdad) {
            QString tipo = r.Get(RecordCode::ANTTIPO).toString();
            CalcularDepreciacion(tipo);
        }
        RecalcularCadena();
    }
    PresentaDatos();
    return true;
}

void VentanaTipologiaBase::txtfecv_LostFocus()
{
    // Left for Clear or Exit: not checked (unless no click follows the press).
    fechaSinComprobar_ = !bValidar;
    if (!bValidar)
        return;
    if (txtfecv->Text() == gFecha().FecVacia())
        txtfecv->SetText(gFecha().LongToString(gEntrada().P_FECV()));
    if (!ComprobarFecha()) {
        txtfecv->SetText(gFecha().LongToString(Registro().Get(RecordCode::FECV).toInt()));
        PonerFoco(txtfecv);
    }
}

// Age -----------------------------------------------------------------------------------------

double VentanaTipologiaBase::CalcularD(int16_t& n)
{
    return valoracion::CoeficienteEdad(valoracion::EscalaDeTipologia(p_.tipo), n);
}

void VentanaTipologiaBase::CalcularDepreciacion(QString& sTipoAnt)
{
    CDatosTip& r = Registro();
    if (sTipoAnt == QLatin1String("A")) {
        EscribirCaja(txtant, txtantd1 ? txtantd1->texto() : QString());
    } else {
        // Whole years between two yyyymmdd numbers: the month-and-day part of the
        // difference never reaches 10000.
        const int32_t d = r.Get(RecordCode::FECV).toInt() - r.Get(RecordCode::ANTDAT).toInt();
        EscribirCaja(txtant, FormatNumber(d, QStringLiteral("00000000")).left(4));
    }
    auto anos = static_cast<int16_t>(r.Get(RecordCode::ANT).toInt());
    EscribirCaja(txtdep, TextoNumero(CalcularD(anos)));
}

void VentanaTipologiaBase::optanttipo_Click(int Index)
{
    auto* opcion = Ctl<OptionButton>(Opcion(Nombre("opt", "anttipo"), Index));
    if (bPresentando || !opcion || !opcion->Value())
        return;
    CDatosTip& r = Registro();
    EscribirCaja(txtantd1, QString());
    if (txtantd1)
        txtantd1->setValor(QStringLiteral("0"));
    if (txtantd2)
        txtantd2->SetText(gFecha().LongToString(r.Get(RecordCode::FECV).toInt()));
    if (Index != 0) {
        r.Set(RecordCode::ANTTIPO, QStringLiteral("F"));
        MostrarCajasEdad(true);
        r.Set(RecordCode::ANTDAT, gFecha().StringToLong(txtantd2 ? txtantd2->Text() : QString(), 0));
    } else {
        r.Set(RecordCode::ANTTIPO, QStringLiteral("A"));
        MostrarCajasEdad(false);
        r.Set(RecordCode::ANTDAT,
              static_cast<int>(std::lround(ParseNumber(txtantd1 ? txtantd1->texto() : QString()))));
    }
    QString tipo = r.Get(RecordCode::ANTTIPO).toString();
    CalcularDepreciacion(tipo);
    RefrescoCadena();
}

void VentanaTipologiaBase::txtantd1_LostFocus()
{
    CDatosTip& r = Registro();
    const double v = ParseNumber(txtantd1->texto());
    if (v == r.Get(RecordCode::ANTDAT).toDouble())
        return;
    r.Set(RecordCode::ANTDAT, static_cast<int>(std::lround(v)));
    QString tipo = r.Get(RecordCode::ANTTIPO).toString();
    CalcularDepreciacion(tipo);
    RefrescoCadena();
}

void VentanaTipologiaBase::txtantd2_LostFocus()
{
    CDatosTip& r = Registro();
    const auto guardada = [&] { return gFecha().LongToString(r.Get(RecordCode::ANTDAT).toInt()); };
    // The box cannot be emptied: the stored date comes back.
    if (txtantd2->Text() == gFecha().FecVacia())
        txtantd2->SetText(guardada());
    QString s = txtantd2->Text();
    if (ValidarFechaR(s)) {
        if (txtantd2->Text() != guardada()) {
            r.Set(RecordCode::ANTDAT, gFecha().StringToLong(txtantd2->Text(), 0));
            QString tipo = r.Get(RecordCode::ANTTIPO).toString();
            CalcularDepreciacion(tipo);
            RefrescoCadena();
        }
    } else {
        txtantd2->SetText(guardada());
        PonerFoco(txtantd2);
    }
}

// Surface, percentage -------------------------------------------------------------------

void VentanaTipologiaBase::txtsbu_LostFocus()
{
    CDatosTip& r = Registro();
    const QString t = txtsbu->texto();
    const double v = ParseNumber(t);
    const double guardada = r.Get(RecordCode::SBU).toDouble();
    if (t.trimmed().isEmpty() || v == 0) {
        // An emptied surface is no error: the stored one comes back.
        EscribirCaja(txtsbu, guardada == 0 ? QString() : FormatNumber(guardada, txtsbu->formato()));
        return;
    }
    if (p_.tomaValorIgual || t != TextoNumero(guardada)) {
        r.Set(RecordCode::SBU, v);
        SuperficieAceptada();
    }
}

void VentanaTipologiaBase::txtpti_LostFocus()
{
    CDatosTip& r = Registro();
    const double limite = ValorMaximoSiCero(static_cast<int16_t>(txtpti->enteros()),
                                            static_cast<int16_t>(txtpti->decimales()), 100);
    const QString t = txtpti->texto();
    const double v = ParseNumber(t);
    const QString guardada = FormatNumber(r.Get(RecordCode::PTI).toDouble(), txtpti->formato());
    if (v > limite) {
        MsgBox(Res(110), 48, Res(50));
        EscribirCaja(txtpti, guardada);
        txtpti->setValor(guardada);
        return;
    }
    if (t.trimmed().isEmpty() || v == 0) {
        EscribirCaja(txtpti, guardada);
        return;
    }
    if (p_.tomaValorIgual || t != TextoNumero(r.Get(RecordCode::PTI).toDouble())) {
        r.Set(RecordCode::PTI, v);
        RefrescoCadena();
    }
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

void VentanaTipologiaBase::AnalisisCambio(bool bBuscar, QString& calleAnterior, int16_t& portalAnterior)
{
    if (!bBuscar) {
        CadenaValores();
        return;
    }
    loc_->Localizar(calleAnterior, portalAnterior);
}

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
        valoracion::ValorarRegistro(Registro(), valoracion::OrdenOperandos::CalcularValores);
}

void VentanaTipologiaBase::CadenaValores()
{
    valoracion::ValorarRegistro(Registro(), valoracion::OrdenOperandos::CadenaValores);
}

void VentanaTipologiaBase::SuperficieAceptada() { RecalcularSH(); }

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
    MostrarAyuda(SegunIdioma(QStringLiteral("cap3") + n + QStringLiteral(".htm"), QStringLiteral("kap3") + n + QStringLiteral(".htm")),
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
    bValidar = true;
    fechaSinComprobar_ = false;
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

// Common controls -------------------------------------------------------------------------------

namespace {

// The pictures of the button bar, drawn so that they need no files.
QIcon IconoBoton(const QString& nombre)
{
    QPixmap pm(28, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (nombre == QLatin1String("cmdsalir")) {
        // A door and an arrow leaving it.
        p.setPen(QPen(QColor(90, 60, 30), 2));
        p.setBrush(QColor(200, 160, 110));
        p.drawRect(4, 3, 12, 22);
        p.setPen(QPen(QColor(20, 110, 30), 3));
        p.drawLine(11, 14, 25, 14);
        p.drawLine(20, 9, 25, 14);
        p.drawLine(20, 19, 25, 14);
    } else if (nombre == QLatin1String("cmdlimpiar")) {
        // A blank sheet and an eraser.
        p.setPen(QPen(Qt::gray, 1));
        p.setBrush(Qt::white);
        p.drawRect(4, 2, 16, 22);
        p.setPen(QPen(QColor(150, 30, 30), 1));
        p.setBrush(QColor(230, 120, 120));
        QPainterPath goma;
        goma.addRoundedRect(QRectF(12, 14, 14, 8), 2, 2);
        p.drawPath(goma);
    } else if (nombre == QLatin1String("cmdimprimir")) {
        // A printer with a sheet.
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(Qt::white);
        p.drawRect(8, 2, 12, 10);
        p.setBrush(QColor(120, 120, 130));
        p.drawRoundedRect(QRectF(2, 10, 24, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(7, 18, 14, 8);
    } else {
        // A question mark in a circle.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 180));
        p.drawEllipse(2, 2, 24, 24);
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(18);
        p.setFont(f);
        p.drawText(QRect(2, 2, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
    }
    p.end();
    QIcon icono(pm);
    return icono;
}

} // namespace

QWidget* VentanaTipologiaBase::CrearBotonera(QWidget* padre, QPoint origen)
{
    auto* barra = new QWidget(padre);
    barra->setObjectName(QStringLiteral("Picture1"));
    barra->setGeometry(origen.x(), origen.y(), 4 * 56 + 4, 48);
    int x = 2;
    for (const char* nombre : {"cmdsalir", "cmdlimpiar", "cmdimprimir", "cmdayuda"}) {
        auto* b = new QPushButton(barra);
        b->setObjectName(QString::fromUtf8(nombre));
        b->setIcon(IconoBoton(b->objectName()));
        b->setIconSize(QSize(28, 28));
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setGeometry(x, 2, 52, 44);
        x += 56;
    }
    barra->findChild<QPushButton*>(QStringLiteral("cmdimprimir"))->setEnabled(false);
    return barra;
}

void VentanaTipologiaBase::CrearDescripcion(QWidget* padre, const QRect& resumen, const QRect& boton)
{
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(QStringLiteral("txtdescrip"));
    caja->setReadOnly(true);
    caja->setFocusPolicy(Qt::ClickFocus);
    caja->setGeometry(resumen);
    QPalette pal = caja->palette();
    pal.setColor(QPalette::Base, QColor(224, 224, 224));
    caja->setPalette(pal);
    auto* b = new QPushButton(padre);
    b->setObjectName(QStringLiteral("cmdDescripcion"));
    b->setAutoDefault(false);
    b->setGeometry(boton);
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

// Steps shared by the residential windows ---------------------------------------------------------

double VentanaTipologiaBase::CalcularSH(QString& clase, QString& tipoSuperficie)
{
    return valoracion::SuperficieHomogeneizada(p_.tipo, Registro().Get(RecordCode::SBU).toDouble(), clase,
                                               tipoSuperficie);
}

void VentanaTipologiaBase::optsu_Click(int Index)
{
    if (!OpcionMarcada(Nombre("opt", "tsu"), Index))
        return;
    Registro().Set(RecordCode::TSU, Index == 1 ? QStringLiteral("U") : QStringLiteral("C"));
    RecalcularSH();
}

void VentanaTipologiaBase::RecalcularSH()
{
    const CDatosTip& r = Registro();
    QString clase = r.Has(RecordCode::TVI) ? r.Get(RecordCode::TVI).toString() : QString();
    QString tipo = r.Has(RecordCode::TSU) ? r.Get(RecordCode::TSU).toString() : QString();
    const double sh = CalcularSH(clase, tipo);
    EscribirCaja(Ctl<CajaNum>(Nombre("txt", "sho")), sh == 0 ? QString() : TextoNumero(sh));
    RefrescoCadena();
}

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
    for (CajaNum* caja : {txtsbu, txtantd1})
        if (caja)
            caja->setValor(QStringLiteral("0"));
    if (txtpti)
        txtpti->setValor(QStringLiteral("100"));
}
