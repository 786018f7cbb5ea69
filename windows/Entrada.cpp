#include "windows/Entrada.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "platform/SendKeys.h"
#include "windows/Imagenes.h"
#include "windows/PInicial.h"

namespace {

std::function<void()>& ProgramEnd()
{
    static std::function<void()> h = [] { QCoreApplication::exit(0); };
    return h;
}

QString Res(int id) { return LoadResString(gIdioma + id); }

QLabel* NewLabel(QWidget* parent, int n, bool bold = false, int pointDelta = 0)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("Label%1").arg(n));
    if (bold || pointDelta) {
        QFont f = l->font();
        f.setBold(bold);
        if (pointDelta)
            f.setPointSize(f.pointSize() + pointDelta);
        l->setFont(f);
    }
    return l;
}

}  // namespace

Entrada& TheEntrada()
{
    // Kept for the whole run: a widget must not outlive the application object's teardown.
    static Entrada* e = new Entrada;
    return *e;
}

void Entrada::SetProgramEndHandler(std::function<void()> h) { ProgramEnd() = std::move(h); }

Entrada::Entrada() : Form(QStringLiteral("Entrada"))
{
    for (int n = 1; n <= 18; ++n) {
        const bool titulo = (n == 8);
        const bool autoridad = (n == 6 || n == 1);
        Label[n] = NewLabel(this, n, titulo || autoridad, titulo ? 4 : 0);
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Emblema());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Authority and department, in both languages, beside the picture.
    auto* autoridad = new QVBoxLayout;
    for (int n : {6, 1, 5, 3})
        autoridad->addWidget(Label[n]);
    autoridad->addStretch();
    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(Image1);
    cabecera->addSpacing(12);
    cabecera->addLayout(autoridad, 1);

    Label[8]->setAlignment(Qt::AlignCenter);
    Label[8]->setWordWrap(true);

    // The two taxes: Spanish lines on the left, Basque lines on the right.
    auto* impuestos = new QGridLayout;
    impuestos->setHorizontalSpacing(24);
    impuestos->addWidget(Label[7], 0, 0);
    impuestos->addWidget(Label[12], 1, 0);
    impuestos->addWidget(Label[13], 2, 0);
    impuestos->addWidget(Label[4], 0, 1);
    impuestos->addWidget(Label[10], 1, 1);
    impuestos->addWidget(Label[11], 2, 1);

    Label[9]->setAlignment(Qt::AlignCenter);
    Label[2]->setAlignment(Qt::AlignCenter);
    Label[2]->setWordWrap(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* aviso = new QVBoxLayout(Frame1);
    aviso->setSpacing(1);
    for (int n : {14, 15, 16, 17, 18}) {
        Label[n]->setParent(Frame1);
        aviso->addWidget(Label[n]);
    }
    aviso->addStretch();

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    const char* tagsIdi[2] = {"E", "C"};
    const char* tagsMon[2] = {"P", "E"};
    for (int i = 0; i < 2; ++i) {
        OptIdi[i] = new OptionButton(Frame2);
        OptIdi[i]->setObjectName(QStringLiteral("OptIdi(%1)").arg(i));
        OptIdi[i]->SetTag(QString::fromLatin1(tagsIdi[i]));
        OptMon[i] = new OptionButton(Frame3);
        OptMon[i]->setObjectName(QStringLiteral("OptMon(%1)").arg(i));
        OptMon[i]->SetTag(QString::fromLatin1(tagsMon[i]));
        connect(OptIdi[i], &OptionButton::Click, this, [this, i] { Guard([this, i] { OptIdi_Click(i); }); });
        connect(OptMon[i], &OptionButton::Click, this, [this, i] { Guard([this, i] { OptMon_Click(i); }); });
    }
    auto* idiomas = new QVBoxLayout(Frame2);
    idiomas->addWidget(OptIdi[1]);
    idiomas->addWidget(OptIdi[0]);
    idiomas->addStretch();
    auto* monedas = new QVBoxLayout(Frame3);
    monedas->addWidget(OptMon[1]);
    monedas->addWidget(OptMon[0]);
    monedas->addStretch();

    auto* opciones = new QHBoxLayout;
    opciones->addWidget(Frame1, 2);
    opciones->addWidget(Frame2, 1);
    opciones->addWidget(Frame3, 1);

    CmdContinuar = new QPushButton(this);
    CmdContinuar->setObjectName(QStringLiteral("CmdContinuar"));
    cmdayuda = new QPushButton(this);
    cmdayuda->setObjectName(QStringLiteral("cmdayuda"));
    cmdsalir = new QPushButton(this);
    cmdsalir->setObjectName(QStringLiteral("cmdsalir"));
    for (QPushButton* b : {CmdContinuar, cmdayuda, cmdsalir}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(150);
    }
    connect(CmdContinuar, &QPushButton::clicked, this, [this] { Guard([this] { CmdContinuar_Click(); }); });
    connect(cmdayuda, &QPushButton::clicked, this, [this] { Guard([this] { cmdayuda_Click(); }); });
    connect(cmdsalir, &QPushButton::clicked, this, [this] { Guard([this] { cmdsalir_Click(); }); });
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(CmdContinuar);
    botones->addWidget(cmdayuda);
    botones->addWidget(cmdsalir);
    botones->addStretch();

    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(16, 12, 16, 12);
    raiz->addLayout(cabecera);
    raiz->addSpacing(8);
    raiz->addWidget(Label[8]);
    raiz->addSpacing(8);
    raiz->addLayout(impuestos);
    raiz->addSpacing(6);
    raiz->addWidget(Label[9]);
    raiz->addWidget(Label[2]);
    raiz->addSpacing(8);
    raiz->addLayout(opciones);
    raiz->addSpacing(8);
    raiz->addLayout(botones);

    // Tab order: the buttons first, then the options.
    setTabOrder(CmdContinuar, cmdayuda);
    setTabOrder(cmdayuda, cmdsalir);
    setTabOrder(cmdsalir, OptIdi[1]);
    setTabOrder(OptIdi[1], OptIdi[0]);
    setTabOrder(OptIdi[0], OptMon[1]);
    setTabOrder(OptMon[1], OptMon[0]);
}

void Entrada::Anadir_captions()
{
    setWindowTitle(Res(12));
    cmdayuda->setText(Res(13));
    CmdContinuar->setText(Res(14));
    cmdsalir->setText(Res(15));
    Frame3->setTitle(Res(16));
    OptMon[1]->setText(Res(17));
    OptMon[0]->setText(Res(18));
    Frame2->setTitle(Res(19));
    OptIdi[1]->setText(Res(20));
    OptIdi[0]->setText(Res(21));
    Frame1->setTitle(Res(22));
    Label[18]->setText(Res(23));
    Label[17]->setText(Res(24));
    Label[16]->setText(Res(25));
    Label[15]->setText(Res(26));
    Label[14]->setText(Res(27));
    Label[6]->setText(Res(28));
    Label[5]->setText(Res(29));
    Label[13]->setText(Res(30));
    Label[12]->setText(Res(31));
    Label[7]->setText(Res(32));
    Label[11]->setText(Res(33));
    Label[10]->setText(Res(34));
    Label[9]->setText(Res(35));
    Label[8]->setText(Res(12) + Res(154));
    Label[3]->setText(Res(36));
    Label[1]->setText(Res(37));
    Label[4]->setText(Res(38));
    Label[2]->setText(Res(152));
    // Message boxes answer in the language of the work.
    SetMsgBoxOkText(SegunIdioma(QStringLiteral("Aceptar"), QStringLiteral("Ados")));
    // A message box given no title of its own shows the program's name in the same language
    // (the application name, not the display name, so window titles stay as they are).
    QCoreApplication::setApplicationName(Res(12));
}

void Entrada::InicializaDatos()
{
    // Setting an option raises its click; the tag then equals the setting, so nothing is written.
    if (gEntrada().P_IDI() == QLatin1String("E"))
        OptIdi[0]->SetValue(true);
    else
        OptIdi[1]->SetValue(true);
    if (gEntrada().P_MON() == QLatin1String("P"))
        OptMon[0]->SetValue(true);
    else
        OptMon[1]->SetValue(true);
}

void Entrada::Form_Load()
{
    Anadir_captions();
    Move(0, 0);
    InicializaDatos();
}

void Entrada::Form_Unload(int& cancel)
{
    (void)cancel;
    ReleaseGlobals();
    if (ProgramEnd())
        ProgramEnd()();
}

void Entrada::Form_KeyPress(int& keyAscii)
{
    if (keyAscii == 13)
        SendTab();
}

void Entrada::OptIdi_Click(int index)
{
    if (!OptIdi[index]->Value() || OptIdi[index]->Tag() == gEntrada().P_IDI())
        return;
    gEntrada().setP_IDI(OptIdi[index]->Tag());
    Anadir_captions();
}

void Entrada::OptMon_Click(int index)
{
    if (!OptMon[index]->Value() || OptMon[index]->Tag() == gEntrada().P_MON())
        return;
    gEntrada().setP_MON(OptMon[index]->Tag());
}

void Entrada::CmdContinuar_Click() { ThePInicial().Show(true); }

void Entrada::cmdayuda_Click()
{
    MostrarAyuda(SegunIdioma(QStringLiteral("indice.htm"), QStringLiteral("sarrera.htm")), this);
}

void Entrada::cmdsalir_Click() { Unload(); }
