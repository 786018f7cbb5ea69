#include "windows/PInicial.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/ListView.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/SendKeys.h"
#include "windows/Entrada.h"
#include "windows/Imagenes.h"
#include "windows/VentanaTipologia.h"

namespace {

QString Res(int id) { return LoadResString(gIdioma + id); }

// The typologies in list order (the position is the typology number): Spanish text and Basque
// text. The small picture of typology N is ":/pictures/tipologiaN.png".
struct Tipologia {
    const char* es;
    const char* eu;
};
const Tipologia kTipologias[] = {
    {"  1. Vivienda", "  1. Etxebizitza"},
    {"  2. Trastero", "  2. Trastelekua"},
    {"  3. Plaza de Garaje/Aparcamiento", "  3. Garajea/Aparkalekua"},
    {"  4. Local Comercial con Acceso Directo a la Vía Pública en Zona Residencial",
     "  4. Lokal komertziala, kaleko zuzeneko irteera duena, etxegunean"},
    {"  5. Local Comercial en Edificio Comercial en Zona Residencial",
     "  5. Lokal komertziala etxeguneko merkataritza eraikuntzan"},
    {"  6. Local Comercial en Edificio Comercial en Zona Industrial",
     "  6. Lokal komertziala industriaguneko merkataritza eraikuntzan"},
    {"  7. Oficina en Zona Residencial", "  7. Etxeguneko bulegoa"},
    {"  8. Oficina en Zona Industrial", "  8. Industriaguneko bulegoa"},
    {"  9. Pabellón Industrial", "  9. Pabilioi industriala"},
};
static_assert(std::size(kTipologias) == kNumeroTipologias, "one entry of the list for each typology");

QString TextoTipologia(int i)
{
    return SegunIdioma(QString::fromUtf8(kTipologias[i].es), QString::fromUtf8(kTipologias[i].eu));
}

QLabel* NewLabel(QWidget* parent, int n)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("Label%1").arg(n));
    return l;
}

MaskEdBox* NewFecha(QWidget* parent, const char* name)
{
    auto* b = new MaskEdBox(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumWidth(110);
    b->setMaximumWidth(130);
    return b;
}

}  // namespace

PInicial& ThePInicial()
{
    // Kept for the whole run: a widget must not outlive the application object's teardown.
    static PInicial* p = new PInicial;
    return *p;
}

PInicial::PInicial() : Form(QStringLiteral("PInicial"))
{
    for (int n = 1; n <= 9; ++n)
        Label[n] = NewLabel(this, n);
    {
        QFont f = Label[2]->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 4);
        Label[2]->setFont(f);
        QFont g = Label[1]->font();
        g.setBold(true);
        Label[1]->setFont(g);
        Label[7]->setFont(g);
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Emblema());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* titulos = new QVBoxLayout;
    titulos->addWidget(Label[1]);
    titulos->addWidget(Label[2]);
    titulos->addWidget(Label[9]);
    titulos->addWidget(Label[8]);
    titulos->addStretch();
    Label[8]->setWordWrap(true);
    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(Image1);
    cabecera->addSpacing(12);
    cabecera->addLayout(titulos, 1);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ListTipo = new ListView(Frame1);
    ListTipo->setObjectName(QStringLiteral("ListTipo"));
    ListTipo->setIconSize(QSize(16, 16));
    ListTipo->setMinimumSize(560, kNumeroTipologias * 22 + 8);
    auto* lista = new QVBoxLayout(Frame1);
    lista->addWidget(ListTipo);

    Label[7]->setWordWrap(true);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    for (int n : {3, 4, 5, 6})
        Label[n]->setParent(Frame2);
    txtpfecv = NewFecha(Frame2, "txtpfecv");
    txtpdesde = NewFecha(Frame2, "txtpdesde");
    txtphasta = NewFecha(Frame2, "txtphasta");
    txtpdesde->setReadOnly(true);
    txtphasta->setReadOnly(true);
    auto* fechas = new QGridLayout(Frame2);
    fechas->addWidget(Label[3], 0, 0, 1, 3);
    fechas->addWidget(Label[4], 1, 1);
    fechas->addWidget(txtpdesde, 1, 2);
    fechas->addWidget(Label[5], 2, 1);
    fechas->addWidget(txtphasta, 2, 2);
    fechas->addWidget(Label[6], 3, 0, 1, 2);
    fechas->addWidget(txtpfecv, 3, 2);
    fechas->setColumnMinimumWidth(0, 16);
    fechas->setColumnStretch(3, 1);

    CmdValorar = new QPushButton(this);
    CmdValorar->setObjectName(QStringLiteral("CmdValorar"));
    cmdlimpiar = new QPushButton(this);
    cmdlimpiar->setObjectName(QStringLiteral("cmdlimpiar"));
    cmdayuda = new QPushButton(this);
    cmdayuda->setObjectName(QStringLiteral("cmdayuda"));
    cmdsalir = new QPushButton(this);
    cmdsalir->setObjectName(QStringLiteral("cmdsalir"));
    auto* botones = new QVBoxLayout;
    for (QPushButton* b : {CmdValorar, cmdlimpiar, cmdayuda, cmdsalir}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(160);
        botones->addWidget(b);
    }
    botones->addStretch();

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(Frame2, 1);
    abajo->addSpacing(12);
    abajo->addLayout(botones);

    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(16, 12, 16, 12);
    raiz->addLayout(cabecera);
    raiz->addSpacing(6);
    raiz->addWidget(Frame1, 1);
    raiz->addWidget(Label[7]);
    raiz->addSpacing(6);
    raiz->addLayout(abajo);

    setTabOrder(txtpfecv, txtpdesde);
    setTabOrder(txtpdesde, txtphasta);
    setTabOrder(txtphasta, ListTipo);
    setTabOrder(ListTipo, CmdValorar);
    setTabOrder(CmdValorar, cmdlimpiar);
    setTabOrder(cmdlimpiar, cmdayuda);
    setTabOrder(cmdayuda, cmdsalir);

    // A double click on an item opens its window; so does Enter on the list (eventFilter).
    connect(ListTipo, &ListView::DblClick, this, [this] { Guard([this] { CmdValorar_Click(); }); });
    ListTipo->installEventFilter(this);
    // A press on the list: on the list itself when it takes the focus, on its viewport when it
    // has it already.
    const auto listaPulsada = [this] {
        bValidar = true;
        bListaSinPulsar = false;
    };
    OnMouseDownFirst(ListTipo, listaPulsada);
    OnMouseDownFirst(ListTipo->viewport(), listaPulsada);
    // A press on "Limpiar Datos" or "Panel Anterior" lets the date box be left without its
    // check; the release gives the check back (eventFilter), so that a press released outside
    // the button (no click) does not leave it off for later.
    OnMouseDownFirst(cmdlimpiar, [this] { bValidar = false; });
    OnMouseDownFirst(cmdsalir, [this] { bValidar = false; });
    cmdlimpiar->installEventFilter(this);
    cmdsalir->installEventFilter(this);

    connect(CmdValorar, &QPushButton::clicked, this, [this] { Guard([this] { CmdValorar_Click(); }); });
    connect(cmdlimpiar, &QPushButton::clicked, this, [this] { Guard([this] { cmdlimpiar_Click(); }); });
    connect(cmdsalir, &QPushButton::clicked, this, [this] { Guard([this] { cmdsalir_Click(); }); });
    connect(cmdayuda, &QPushButton::clicked, this, [this] { Guard([this] { cmdayuda_Click(); }); });

    OnGotFocus(txtpfecv, [this] { SeleccionarTexto(txtpfecv); });
    OnLostFocus(txtpfecv, [this] { Guard([this] { txtpfecv_LostFocus(); }); });
    // The range boxes never keep the focus.
    OnGotFocus(txtpdesde, [] { SendTab(); });
    OnGotFocus(txtphasta, [] { SendTab(); });
}

QPixmap PInicial::Image1Picture() const { return Image1->pixmap(); }

void PInicial::Anadir_captions()
{
    setWindowTitle(Res(39));
    Label[6]->setText(Res(40));
    Frame1->setTitle(Res(41));
    cmdayuda->setText(Res(13));
    cmdlimpiar->setText(Res(42));
    CmdValorar->setText(Res(43));
    cmdsalir->setText(Res(44));
    Label[7]->setText(Res(45));
    Label[5]->setText(Res(46));
    Label[4]->setText(Res(47));
    Label[3]->setText(Res(48));
    Label[9]->setText(Res(35));
    Label[2]->setText(Res(12));
    Label[1]->setText(Res(150));
    Label[8]->setText(Res(152));
    idiomaMostrado_ = gIdioma;
}

void PInicial::CargarListaTipologias()
{
    ListTipo->clear();
    for (int i = 0; i < kNumeroTipologias; ++i)
        ListTipo->AddItem(QString(), TextoTipologia(i), ImagenTipologia(i + 1));
    ListTipo->SetSelectedIndex(gDatosInicial().P0_Tip() - 1);
}

void PInicial::FormatosFecha()
{
    const bool castellano = gIdioma != 10000;
    for (MaskEdBox* b : {txtpfecv, txtpdesde, txtphasta}) {
        b->SetFormat(castellano ? QStringLiteral("dd/mm/yyyy") : QStringLiteral("yyyy/mm/dd"));
        b->SetMask(castellano ? QStringLiteral("##/##/####") : QStringLiteral("####/##/##"));
    }
}

void PInicial::LeerRango(int32_t& fecmin, int32_t& fecmax) const
{
    // A bound that is no date number (Null, or beyond any date) counts as no bound; a text
    // that is not a number is reported by YearsTableNumber.
    const auto fecha = [](const QVariant& campo, const char* columna, int ano) {
        const double d = YearsTableNumber(campo, columna, ano).value_or(0);
        return d > 0 && d <= 99991231 ? static_cast<int32_t>(d) : 0;
    };
    fecmin = 0;
    fecmax = 0;
    Recordset rs = gConexion().openRecordset(QStringLiteral("Select t02_fecmin From t02_años Where t02_ano=") +
                                             QString::number(gEntrada().P_DESDE()) +
                                             QStringLiteral(" ORDER BY T02_VER"));
    if (!rs.EOF_())
        fecmin = fecha(rs.Field(0), "t02_fecmin", gEntrada().P_DESDE());
    rs = gConexion().openRecordset(QStringLiteral("Select t02_fecmax From t02_años Where t02_ano=") +
                                   QString::number(gEntrada().P_HASTA()) + QStringLiteral(" ORDER BY T02_VER DESC"));
    if (!rs.EOF_())
        fecmax = fecha(rs.Field(0), "t02_fecmax", gEntrada().P_HASTA());
    rs.Close();
}

void PInicial::ValoracionPorDefecto()
{
    if (gEntrada().P_FECV() != 0)
        return;
    int32_t fecmin = 0, fecmax = 0;
    LeerRango(fecmin, fecmax);
    // Without an allowed range there is no date to offer: the settings are left alone.
    if (fecmin <= 0 || fecmax <= 0)
        return;
    const QString hoyTexto = QDate::currentDate().toString(gIdioma != 0 ? QStringLiteral("yyyy/MM/dd")
                                                                        : QStringLiteral("dd/MM/yyyy"));
    const int32_t hoy = gFecha().StringToLong(hoyTexto);
    if (fecmin <= hoy && hoy <= fecmax)
        gEntrada().setP_FECV(hoy);
    else
        gEntrada().setP_FECV(fecmin);
}

void PInicial::InicializaDatos()
{
    FormatosFecha();
    ValoracionPorDefecto();
}

void PInicial::PresentaDatos()
{
    int32_t fecmin = 0, fecmax = 0;
    LeerRango(fecmin, fecmax);
    txtpdesde->SetText(gFecha().LongToString(fecmin));
    txtphasta->SetText(gFecha().LongToString(fecmax));
    txtpfecv->SetText(gFecha().LongToString(gEntrada().P_FECV()));
}

bool PInicial::HayRango() const
{
    return gFecha().StringToLong(txtpdesde->Text()) > 0 && gFecha().StringToLong(txtphasta->Text()) > 0;
}

void PInicial::SinRango()
{
    if (sinRangoAvisado_)
        return;
    sinRangoAvisado_ = true;
    // Not a wrong entry of the user: the database gives no range to check a date against.
    MsgBox(SegunIdioma(QString::fromUtf8("La fila de configuración de la base de datos (T01_GENERAL) no tiene un "
                                         "rango de fechas de valoración válido (T01_MINIMO_DESDE, "
                                         "T01_MAXIMO_HASTA): no se puede comprobar ninguna fecha."),
                       QString::fromUtf8("Datu-basearen konfigurazio-errenkadak (T01_GENERAL) ez du balorazio-daten "
                                         "tarte baliozkorik (T01_MINIMO_DESDE, T01_MAXIMO_HASTA): ezin da "
                                         "datarik egiaztatu.")),
           48);
}

bool PInicial::ValidarFecha(const QString& sFecha)
{
    // Without an allowed range no date can be accepted; the user is told once.
    if (!HayRango()) {
        SinRango();
        return false;
    }
    if (!gFecha().EsFecha(sFecha)) {
        MsgBox(Res(49), 48, Res(50));
        return false;
    }
    const int32_t fecha = gFecha().StringToLong(sFecha);
    const int32_t desde = gFecha().StringToLong(txtpdesde->Text());
    const int32_t hasta = gFecha().StringToLong(txtphasta->Text());
    if (fecha < desde || fecha > hasta) {
        MsgBox(Res(51) + QLatin1Char(' ') + txtpdesde->Text() + QStringLiteral("\r\n") + Res(52) + QLatin1Char(' ') +
                   txtphasta->Text() + Res(151),
               48, Res(50));
        return false;
    }
    return true;
}

bool PInicial::ComprobarFecha()
{
    const bool ok = ValidarFecha(txtpfecv->Text());
    if (ok) {
        const int32_t fecha = gFecha().StringToLong(txtpfecv->Text());
        if (fecha != gEntrada().P_FECV()) {
            gEntrada().setP_FECV(fecha);
            PresentaDatos();
        }
    }
    return ok;
}

void PInicial::txtpfecv_LostFocus()
{
    // Left for "Limpiar Datos" or "Panel Anterior": not checked, unless no click follows.
    fechaSinComprobar_ = !bValidar;
    if (txtpfecv->Text() == gFecha().FecVacia())
        txtpfecv->SetText(txtpdesde->Text());
    if (!bValidar)
        return;
    // With no allowed range the box is not held: refusing every date would trap the user.
    if (!HayRango()) {
        SinRango();
        return;
    }
    if (bListaSinPulsar) {
        if (!ComprobarFecha())
            SetFocus(txtpfecv);
    } else if (bReenfocar) {
        SetFocus(txtpfecv);
        bReenfocar = false;
    } else if (!ComprobarFecha()) {
        SetFocus(txtpfecv);
        bReenfocar = true;
    }
}

void PInicial::AjustarAlIdioma()
{
    // A panel hidden while the language changed comes back as a new load would show it.
    if (idiomaMostrado_ == gIdioma)
        return;
    Anadir_captions();
    for (int i = 0; i < ListTipo->count() && i < kNumeroTipologias; ++i)
        ListTipo->SetItemText(i, TextoTipologia(i));
    InicializaDatos();
}

void PInicial::Form_Load()
{
    Anadir_captions();
    Move(0, 0);
    CargarListaTipologias();
    bReenfocar = false;
    bListaSinPulsar = true;
    bValidar = true;
    fechaSinComprobar_ = false;
    sinRangoAvisado_ = false;
    // A panel whose date range cannot be read (the file held by another program, a bound
    // that is not a number) is not opened: its message is shown instead of empty boxes.
    try {
        InicializaDatos();
        int32_t fecmin = 0, fecmax = 0;
        LeerRango(fecmin, fecmax);
    } catch (const std::exception& e) {
        MsgBox(QString::fromUtf8(e.what()), 48);
        Unload();
    }
}

void PInicial::Form_Activate()
{
    AjustarAlIdioma();
    ListTipo->SetSelectedIndex(gDatosInicial().P0_Tip() - 1);
    SetFocus(txtpfecv);
    PresentaDatos();
}

void PInicial::Form_Resize()
{
    if (WindowState() != 1)
        return;
    if (!gDatosInicial().P_PINIMIN()) {
        // Minimised: hide instead, which ends the modal showing and gives the start window back.
        gDatosInicial().setP_PINIMIN(true);
        Hide();
        TheEntrada().update();
    } else {
        // Shown again by "Continuar" while still minimised.
        SetWindowState(2);
        gDatosInicial().setP_PINIMIN(false);
    }
}

void PInicial::Form_KeyPress(int& keyAscii)
{
    if (keyAscii == 13)
        SendTab();
}

bool PInicial::eventFilter(QObject* o, QEvent* e)
{
    // The release of the press on "Limpiar Datos" or "Panel Anterior": the check is on again.
    // Released outside the button there is no click, so a leaving of the date box that the
    // press let go unchecked is checked now, as any other leaving.
    if ((o == cmdlimpiar || o == cmdsalir) && e->type() == QEvent::MouseButtonRelease) {
        auto* boton = static_cast<QWidget*>(o);
        const auto* m = static_cast<QMouseEvent*>(e);
        bValidar = true;
        if (m->button() == Qt::LeftButton && !boton->rect().contains(m->position().toPoint()) && fechaSinComprobar_)
            Guard([this] { txtpfecv_LostFocus(); });
        return false;
    }
    // Enter on the list: the window has already sent its Tab; the list's own answer is to open
    // the selected typology. The key goes no further, so the list cannot act on it twice.
    if (o == ListTipo && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Guard([this] { CmdValorar_Click(); });
            return true;
        }
    }
    return Form::eventFilter(o, e);
}

void PInicial::CmdValorar_Click()
{
    const int i = ListTipo->SelectedIndex();
    if (i < 0 || i >= kNumeroTipologias)
        return;
    gDatosInicial().setP0_Tip(static_cast<uint8_t>(i + 1));
    if (IVentanaTipologia* v = VentanaTipologia(i + 1); v && v->form())
        v->form()->Show(true);
}

void PInicial::cmdlimpiar_Click()
{
    bValidar = true;
    fechaSinComprobar_ = false;
    gDatosInicial().InicializarTipologias();
    SetFocus(txtpfecv);
}

void PInicial::cmdsalir_Click() { Unload(); }

void PInicial::cmdayuda_Click()
{
    bValidar = true;
    MostrarAyuda(SegunIdioma(QStringLiteral("indice.htm"), QStringLiteral("sarrera.htm")), this);
}
