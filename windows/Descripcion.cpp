#include "windows/Descripcion.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/SendKeys.h"
#include "windows/VentanaTipologia.h"

namespace {

QString Res(int id) { return LoadResString(gIdioma + id); }

QLabel* NewPicture(QWidget* parent, const char* name, QStyle::StandardPixmap icono)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setPixmap(parent->style()->standardIcon(icono).pixmap(24, 24));
    l->setFixedSize(28, 28);
    l->setAlignment(Qt::AlignCenter);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

}  // namespace

Descripcion& TheDescripcion()
{
    // Kept for the whole run: a widget must not outlive the application object's teardown.
    static Descripcion* d = new Descripcion;
    return *d;
}

Descripcion::Descripcion() : Form(QStringLiteral("Descripcion"))
{
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* lineas = new QVBoxLayout(Frame1);
    for (int i = 0; i < 4; ++i) {
        txtdes_[i] = new QLineEdit(Frame1);
        txtdes_[i]->setObjectName(QStringLiteral("txtdes(%1)").arg(i));
        txtdes_[i]->setMaxLength(60);
        // Room for 60 characters.
        txtdes_[i]->setMinimumWidth(txtdes_[i]->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('n'))) + 16);
        lineas->addWidget(txtdes_[i]);
        QLineEdit* caja = txtdes_[i];
        OnGotFocus(caja, [caja] { SeleccionarTexto(caja); });
    }

    cmdaceptar = new QPushButton(this);
    cmdaceptar->setObjectName(QStringLiteral("cmdaceptar"));
    cmdborrar = new QPushButton(this);
    cmdborrar->setObjectName(QStringLiteral("cmdborrar"));
    cmdcancelar = new QPushButton(this);
    cmdcancelar->setObjectName(QStringLiteral("cmdcancelar"));
    PicAceptar = NewPicture(this, "PicAceptar", QStyle::SP_DialogSaveButton);
    PicBorrar = NewPicture(this, "PicBorrar", QStyle::SP_TrashIcon);
    PicCancel = NewPicture(this, "PicCancel", QStyle::SP_DialogCancelButton);

    auto* botones = new QGridLayout;
    int col = 0;
    for (auto [pic, boton] : {std::pair{PicAceptar, cmdaceptar}, {PicBorrar, cmdborrar}, {PicCancel, cmdcancelar}}) {
        boton->setAutoDefault(false);
        boton->setMinimumWidth(130);
        pic->installEventFilter(this);
        botones->addWidget(pic, 0, col++);
        botones->addWidget(boton, 0, col++);
        botones->setColumnMinimumWidth(col++, 12);
    }

    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(12, 10, 12, 10);
    raiz->addWidget(Frame1);
    raiz->addLayout(botones);
    setFixedSize(sizeHint());

    // The four lines come first in the tab order, so Enter goes from one to the next.
    setTabOrder(txtdes_[0], txtdes_[1]);
    setTabOrder(txtdes_[1], txtdes_[2]);
    setTabOrder(txtdes_[2], txtdes_[3]);
    setTabOrder(txtdes_[3], cmdaceptar);
    setTabOrder(cmdaceptar, cmdborrar);
    setTabOrder(cmdborrar, cmdcancelar);

    connect(cmdaceptar, &QPushButton::clicked, this, [this] { Guard([this] { cmdaceptar_Click(); }); });
    connect(cmdborrar, &QPushButton::clicked, this, [this] { Guard([this] { cmdborrar_Click(); }); });
    connect(cmdcancelar, &QPushButton::clicked, this, [this] { Guard([this] { cmdcancelar_Click(); }); });
}

QLineEdit* Descripcion::txtdes(int i)
{
    Load();
    return txtdes_[i];
}

void Descripcion::AbrirCon(const QStringList& cuatroLineas)
{
    for (int i = 0; i < 4; ++i)
        txtdes(i)->setText(cuatroLineas.value(i));
    Show(true);
}

void Descripcion::Anadir_captions()
{
    setWindowTitle(Res(3));
    cmdcancelar->setText(Res(4));
    cmdcancelar->setToolTip(Res(5));
    cmdaceptar->setText(Res(6));
    cmdaceptar->setToolTip(Res(7));
    cmdborrar->setText(Res(8));
    cmdborrar->setToolTip(Res(9));
}

void Descripcion::Form_Load()
{
    Anadir_captions();
    // A dialog loaded anew starts on its first line, not on the control that had the focus
    // when the previous opening closed; showing the dialog gives it the focus.
    txtdes_[0]->setFocus(Qt::OtherFocusReason);
    const int n = gDatosInicial().P0_Tip();
    if (IVentanaTipologia* v = VentanaTipologia(n); v && v->form())
        Move(v->form()->LeftTwips() + 705, v->form()->TopTwips() + 900);
}

void Descripcion::Form_KeyPress(int& keyAscii)
{
    if (keyAscii == 13)
        SendTab();
}

void Descripcion::GuardarDescripcion()
{
    const int n = gDatosInicial().P0_Tip();
    CDatosTip* registro = Registro(n);
    if (!registro)
        return;
    for (int16_t i = 0; i < 4; ++i)
        registro->EscribirDES(txtdes_[i]->text(), i);
    if (IVentanaTipologia* v = VentanaTipologia(n))
        v->SetTxtDescrip(registro->DES(0).left(30));
}

void Descripcion::BorrarDescripcion()
{
    for (QLineEdit* l : txtdes_)
        l->setText(QString());
    GuardarDescripcion();
}

void Descripcion::cmdaceptar_Click()
{
    GuardarDescripcion();
    Unload();
}

void Descripcion::cmdborrar_Click() { BorrarDescripcion(); }

void Descripcion::cmdcancelar_Click() { Unload(); }

bool Descripcion::eventFilter(QObject* o, QEvent* e)
{
    // A click on a button's picture acts as the button.
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(e);
        auto* pic = qobject_cast<QLabel*>(o);
        if (pic && me->button() == Qt::LeftButton && pic->rect().contains(me->position().toPoint())) {
            if (pic == PicAceptar)
                Guard([this] { cmdaceptar_Click(); });
            else if (pic == PicBorrar)
                Guard([this] {
                    cmdborrar_Click();
                    SetFocus(cmdborrar);
                });
            else if (pic == PicCancel)
                Guard([this] { cmdcancelar_Click(); });
            return true;
        }
    }
    return Form::eventFilter(o, e);
}
