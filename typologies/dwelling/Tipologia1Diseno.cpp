// Layout of the dwelling window: every control with its name, digit counts, pattern, display
// state and place; the tab order last.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/Option.h"
#include "typologies/dwelling/Tipologia1.h"

namespace {

QLabel* Etiqueta(QWidget* padre, const char* nombre, int x, int y, int ancho, int alto = 20)
{
    auto* l = new QLabel(padre);
    l->setObjectName(QString::fromUtf8(nombre));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(x, y, ancho, alto);
    return l;
}

QGroupBox* Marco(QWidget* padre, const char* nombre, int x, int y, int ancho, int alto)
{
    auto* g = new QGroupBox(padre);
    g->setObjectName(QString::fromUtf8(nombre));
    g->setGeometry(x, y, ancho, alto);
    return g;
}

// Numeric box; a display box is locked (grey, out of the tab order).
CajaNum* Numero(QWidget* padre, const char* nombre, int x, int y, int ancho, int enteros, int decimales,
                const char* formato, bool soloMuestra)
{
    auto* c = new CajaNum(padre);
    c->setObjectName(QString::fromUtf8(nombre));
    c->setEnteros(enteros);
    c->setDecimales(decimales);
    c->setFormato(QString::fromUtf8(formato));
    c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c->setGeometry(x, y, ancho, 26);
    if (soloMuestra)
        c->setLocked(true);
    return c;
}

MaskEdBox* Fecha(QWidget* padre, const char* nombre, int x, int y)
{
    auto* f = new MaskEdBox(padre);
    f->setObjectName(QString::fromUtf8(nombre));
    f->setGeometry(x, y, 110, 26);
    return f;
}

OptionButton* OpcionEn(QWidget* padre, const QString& grupo, int indice, int x, int y, int ancho)
{
    auto* o = new OptionButton(padre);
    o->setObjectName(grupo + QLatin1Char('(') + QString::number(indice) + QLatin1Char(')'));
    o->setGeometry(x, y, ancho, 22);
    return o;
}

CheckBox* Casilla(QWidget* padre, const char* nombre, int x, int y, int ancho)
{
    auto* c = new CheckBox(padre);
    c->setObjectName(QString::fromUtf8(nombre));
    c->setGeometry(x, y, ancho, 22);
    return c;
}

ComboBox* Lista(QWidget* padre, const char* nombre, int x, int y, int ancho)
{
    auto* c = new ComboBox(padre);
    c->setObjectName(QString::fromUtf8(nombre));
    c->setGeometry(x, y, ancho, 26);
    return c;
}

} // namespace

void Tipologia1::Disenar()
{
    resize(1000, 700);
    setMinimumSize(1000, 700);

    // Valuation date and description.
    Etiqueta(this, "Label26", 16, 14, 150);
    Fecha(this, "txtp1fecv", 170, 10);
    CrearDescripcion(this, QRect(540, 12, 330, 26), QRect(880, 3, 44, 42));

    // Location.
    QGroupBox* Frame1 = Marco(this, "Frame1", 8, 50, 984, 152);
    Etiqueta(Frame1, "Label1", 12, 28, 95);
    Lista(Frame1, "cmbp1mun", 110, 24, 300);
    Etiqueta(Frame1, "Label2", 12, 62, 95);
    Lista(Frame1, "cmbp1cal", 110, 58, 300);
    Etiqueta(Frame1, "Label3", 430, 62, 135);
    Numero(Frame1, "txtp1nup", 570, 58, 60, 3, 0, "###", false);
    Etiqueta(Frame1, "Label4", 12, 96, 95);
    Numero(Frame1, "txtp1nur", 110, 92, 50, 3, 0, "###", true);
    auto* txtp1nor = new QLineEdit(Frame1);
    txtp1nor->setObjectName(QStringLiteral("txtp1nor"));
    txtp1nor->setReadOnly(true);
    txtp1nor->setFocusPolicy(Qt::ClickFocus);
    txtp1nor->setGeometry(166, 92, 244, 26);
    QPalette gris = txtp1nor->palette();
    gris.setColor(QPalette::Base, QColor(224, 224, 224));
    txtp1nor->setPalette(gris);
    Etiqueta(Frame1, "Label5", 430, 96, 230);
    Etiqueta(Frame1, "Label7", 665, 96, 40);
    Numero(Frame1, "txtp1vrr", 710, 92, 130, 7, 2, "#,###,###", true);
    Etiqueta(Frame1, "Label6", 430, 122, 230);
    Etiqueta(Frame1, "Label8", 665, 122, 40);
    Numero(Frame1, "txtp1cco", 710, 118, 130, 6, 2, "###,###", true);

    // Class, surface type, surface, homogenised surface.
    QGroupBox* Frame2 = Marco(this, "Frame2", 8, 208, 180, 78);
    OpcionEn(Frame2, QStringLiteral("optp1tvi"), 0, 12, 22, 164);
    OpcionEn(Frame2, QStringLiteral("optp1tvi"), 1, 12, 48, 164);
    QGroupBox* Frame3 = Marco(this, "Frame3", 8, 292, 180, 78);
    OpcionEn(Frame3, QStringLiteral("optp1tsu"), 0, 12, 22, 164);
    OpcionEn(Frame3, QStringLiteral("optp1tsu"), 1, 12, 48, 164);
    QGroupBox* Frame4 = Marco(this, "Frame4", 196, 208, 180, 78);
    Numero(Frame4, "txtp1sbu", 20, 32, 120, 5, 2, "##,##0.00", false);
    QGroupBox* Frame5 = Marco(this, "Frame5", 196, 292, 180, 78);
    Etiqueta(Frame5, "Label9", 14, 36, 32);
    Numero(Frame5, "txtp1sho", 48, 32, 120, 5, 4, "##,##0.0000", true);

    // Situation in the building and CL.
    QGroupBox* Frame6 = Marco(this, "Frame6", 384, 208, 300, 162);
    Casilla(Frame6, "Chkp1cl1", 10, 22, 284);
    Casilla(Frame6, "Chkp1cl2", 10, 46, 284);
    Casilla(Frame6, "Chkp1cl3", 10, 70, 284);
    Casilla(Frame6, "Chkp1cl4", 10, 94, 284);
    Etiqueta(Frame6, "Label10", 10, 130, 160);
    Etiqueta(Frame6, "Label11", 172, 130, 28);
    QGroupBox* Frame10 = Marco(Frame6, "Frame10", 200, 118, 92, 40);
    Numero(Frame10, "txtp1ccl", 8, 8, 76, 1, 2, "0.00", true);

    // Age.
    QGroupBox* Frame7 = Marco(this, "Frame7", 692, 208, 300, 162);
    QGroupBox* Frame11 = Marco(Frame7, "Frame11", 8, 18, 284, 64);
    OpcionEn(Frame11, QStringLiteral("optp1anttipo"), 0, 6, 8, 274);
    OpcionEn(Frame11, QStringLiteral("optp1anttipo"), 1, 6, 34, 274);
    Numero(Frame7, "txtp1antd1", 16, 90, 110, 3, 0, "###", false);
    MaskEdBox* antd2 = Fecha(Frame7, "txtp1antd2", 16, 90);
    antd2->setVisible(false);
    Etiqueta(Frame7, "Label12", 16, 128, 44);
    Numero(Frame7, "txtp1ant", 62, 124, 50, 3, 0, "##0", true);
    Etiqueta(Frame7, "Label13", 150, 128, 44);
    Numero(Frame7, "txtp1dep", 200, 124, 86, 1, 4, "0.0000", true);

    // Result of the valuation.
    QGroupBox* Frame8 = Marco(this, "Frame8", 8, 376, 984, 262);
    Etiqueta(Frame8, "Label14", 12, 30, 160);
    Numero(Frame8, "txtp1añop", 176, 26, 52, 4, 0, "####", true);
    Etiqueta(Frame8, "Label15", 236, 30, 470);
    Etiqueta(Frame8, "Label25", 708, 30, 116);
    Numero(Frame8, "txtp1vad", 830, 26, 140, 11, 2, "##,###,###,###", true);
    Etiqueta(Frame8, "Label16", 12, 66, 560);
    Numero(Frame8, "txtp1coa", 580, 62, 90, 2, 6, "#0.000000", true);
    Etiqueta(Frame8, "Label24", 676, 66, 148);
    Numero(Frame8, "txtp1vac", 830, 62, 140, 11, 2, "##,###,###,###", true);
    Etiqueta(Frame8, "Label17", 12, 102, 560);
    Numero(Frame8, "txtp1rp", 580, 98, 60, 1, 2, "0.00", true);
    Etiqueta(Frame8, "Label23", 646, 102, 178);
    Numero(Frame8, "txtp1vco", 830, 98, 140, 11, 2, "##,###,###,###", true);
    QLabel* Label18 = Etiqueta(Frame8, "Label18", 12, 144, 170);
    QFont negrita = Label18->font();
    negrita.setBold(true);
    Label18->setFont(negrita);
    Etiqueta(Frame8, "Label19", 186, 144, 386);
    Numero(Frame8, "txtp1pti", 580, 140, 70, 3, 2, "##0.00", false);
    Etiqueta(Frame8, "Label22", 656, 144, 168);
    CajaNum* vaf = Numero(Frame8, "txtp1vaf", 830, 140, 140, 11, 2, "##,###,###,###", true);
    vaf->setFontbold(true);
    Etiqueta(Frame8, "Label20", 600, 186, 224);
    Numero(Frame8, "txtp1vsf", 830, 182, 140, 11, 2, "##,###,###,###", true);
    Etiqueta(Frame8, "Label21", 600, 222, 224);
    Numero(Frame8, "txtp1vcf", 830, 218, 140, 11, 2, "##,###,###,###", true);

    // Currency and the buttons.
    QGroupBox* Frame9 = Marco(this, "Frame9", 270, 644, 230, 50);
    OpcionEn(Frame9, QStringLiteral("optp1mon"), 0, 12, 20, 100);
    OpcionEn(Frame9, QStringLiteral("optp1mon"), 1, 120, 20, 100);
    CrearBotonera(this, QPoint(8, 646));

    Chkp1cl1 = findChild<CheckBox*>(QStringLiteral("Chkp1cl1"));
    Chkp1cl2 = findChild<CheckBox*>(QStringLiteral("Chkp1cl2"));
    Chkp1cl3 = findChild<CheckBox*>(QStringLiteral("Chkp1cl3"));
    Chkp1cl4 = findChild<CheckBox*>(QStringLiteral("Chkp1cl4"));
    txtp1ccl = findChild<CajaNum*>(QStringLiteral("txtp1ccl"));

    // Tab (and Enter) order; display boxes are out of it.
    const char* orden[] = {"txtp1fecv", "cmdDescripcion", "cmbp1mun", "cmbp1cal", "txtp1nup", "optp1tvi(0)",
                           "optp1tvi(1)", "optp1tsu(0)", "optp1tsu(1)", "txtp1sbu", "Chkp1cl1", "Chkp1cl3",
                           "Chkp1cl4", "Chkp1cl2", "optp1anttipo(0)", "optp1anttipo(1)", "txtp1antd1", "txtp1antd2",
                           "txtp1pti", "optp1mon(0)", "optp1mon(1)", "cmdsalir", "cmdlimpiar", "cmdimprimir",
                           "cmdayuda"};
    QWidget* anterior = nullptr;
    for (const char* nombre : orden) {
        QWidget* w = findChild<QWidget*>(QString::fromUtf8(nombre));
        if (anterior && w)
            setTabOrder(anterior, w);
        if (w)
            anterior = w;
    }
}
