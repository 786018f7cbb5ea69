#include "core/GAyuda.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>

#include "core/Globals.h"
#include "platform/ComboBox.h"
#include "platform/Help.h"
#include "platform/Like.h"
#include "platform/ProgramFolder.h"

namespace {

// A field read trimmed; Null gives the empty text.
QString Texto(const QVariant& v)
{
    return v.isValid() && !v.isNull() ? v.toString().trimmed() : QString();
}

// A field as a whole number; Null or a text that is not a number gives 0.
qlonglong Entero(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return 0;
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
        return v.toLongLong();
    bool ok = false;
    const double d = Texto(v).toDouble(&ok);
    if (!ok)
        return 0;
    return static_cast<qlonglong>(d < 0 ? d - 0.5 : d + 0.5);
}

// True when `item` begins with `prefijo`, read as a pattern; a prefix that is not a valid
// pattern (an unclosed "[") is compared as plain text.
bool EmpiezaPor(const QString& item, const QString& prefijo)
{
    const QString patron = prefijo + QLatin1Char('*');
    if (IsValidLikePattern(patron))
        return Like(item, patron);
    return item.startsWith(prefijo, Qt::CaseSensitive);
}

} // namespace

QString SegunIdioma(const QString& es, const QString& eu)
{
    return gIdioma == 0 ? es : eu;
}

void MostrarAyuda(const QString& tema, QWidget* frm)
{
    ShowHelp(frm, ProgramFolder() +
                      SegunIdioma(QStringLiteral("/Documentos/Ayuda/Ayuda.chm::/"),
                                  QStringLiteral("/Documentos/Ayuda/Laguntza.chm::/")) +
                      tema);
}

void CargarImagenDescripcion(QWidget* ventana)
{
    if (!ventana)
        return;
    auto* boton = ventana->findChild<QAbstractButton*>(QStringLiteral("cmdDescripcion"));
    if (!boton)
        return;
    const QString fichero =
        ProgramFolder() + "/" + (gIdioma != 10000 ? QStringLiteral("DESBIEN.BMP") : QStringLiteral("DESCRIE.BMP"));
    QPixmap imagen;
    if (QFileInfo::exists(fichero))
        imagen.load(fichero);
    if (imagen.isNull()) {
        boton->setIcon(QIcon());
        return;
    }
    boton->setIcon(QIcon(imagen));
    boton->setIconSize(imagen.size());
}

void CargarMunicipios(ComboBox& cmb, int16_t ano)
{
    cmb.Clear();
    Recordset rs = gConexion().openRecordset(
        "select t03_ano,t03_codmun,t03_nommun from t03_municipios where t03_ano<=" + QString::number(ano) +
        " order by t03_ano desc,t03_codmun");
    int i = 0;
    qlonglong anterior = -1;
    while (!rs.EOF_()) {
        const qlonglong anoFila = Entero(rs.Field(0));
        if (anterior != -1 && anoFila != anterior)
            break;
        cmb.AddItem(Texto(rs.Field(2)));
        cmb.SetItemData(i, static_cast<long>(Entero(rs.Field(1))));
        anterior = anoFila;
        ++i;
        rs.MoveNext();
    }
    rs.Close();
}

void CargarCalles(bool& borrar, const QString& sql, ComboBox& cmb)
{
    if (borrar) {
        cmb.Clear();
        borrar = false;
    }
    if (cmb.ListCount() > 0)
        return;
    Recordset rs = gConexion().openRecordset(sql);
    int i = 0;
    qlonglong ano = -1, ver = -1;
    while (!rs.EOF_()) {
        const qlonglong anoFila = Entero(rs.Field(0));
        const qlonglong verFila = Entero(rs.Field(1));
        if (ano != -1 && (anoFila != ano || verFila != ver))
            break;
        cmb.AddItem(Texto(rs.Field(3)));
        cmb.SetItemData(i, static_cast<long>(Entero(rs.Field(2))));
        ano = anoFila;
        ver = verFila;
        ++i;
        rs.MoveNext();
    }
    rs.Close();
    cmb.SetTag(QString::number(ano) + "-" + QString::number(ver));
}

void CargarCombo(bool& borrar, const QString& sql, ComboBox& cmb)
{
    if (borrar) {
        cmb.Clear();
        borrar = false;
    }
    if (cmb.ListCount() > 0)
        return;
    Recordset rs = gConexion().openRecordset(sql);
    while (!rs.EOF_()) {
        cmb.AddItem(Texto(rs.Field(0)));
        rs.MoveNext();
    }
    rs.Close();
}

void SeleccionarEnCombo(const QString& texto, ComboBox& cmb)
{
    if (cmb.ListCount() == 0) {
        cmb.SetText(texto);
        return;
    }
    if (texto.isEmpty()) {
        cmb.SetListIndex(-1);
        cmb.SetText(QString());
        return;
    }
    // An entry the text names, in any letter case, before the first entry it begins.
    for (int i = 0; i < cmb.ListCount(); ++i) {
        if (cmb.List(i).compare(texto, Qt::CaseInsensitive) == 0) {
            cmb.SetListIndex(i);
            return;
        }
    }
    const QString mayusculas = texto.toUpper();
    for (int i = 0; i < cmb.ListCount(); ++i) {
        const QString item = cmb.List(i);
        if (EmpiezaPor(item, mayusculas) || EmpiezaPor(item, texto)) {
            cmb.SetListIndex(i);
            return;
        }
    }
    cmb.SetText(QString());
}

void SeleccionarEnComboExacto(const QString& texto, ComboBox& cmb)
{
    if (cmb.ListCount() == 0) {
        cmb.SetText(texto);
        return;
    }
    if (texto.isEmpty()) {
        cmb.SetListIndex(-1);
        cmb.SetText(QString());
        return;
    }
    for (int i = 0; i < cmb.ListCount(); ++i) {
        if (cmb.List(i) == texto) {
            cmb.SetListIndex(i);
            return;
        }
    }
    cmb.SetText(QString());
}

void DesplegarCombo(ComboBox& cmb)
{
    cmb.ShowDropDown();
}

void SeleccionarTexto(QWidget* ctl)
{
    if (auto* linea = qobject_cast<QLineEdit*>(ctl)) {
        linea->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(ctl)) {
        if (combo->lineEdit())
            combo->lineEdit()->selectAll();
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(ctl)) {
        spin->selectAll();
    }
}

double FactorIncremento(int16_t desde, int16_t hasta)
{
    double f = 1.0;
    Recordset rs = gConexion().openRecordset("select t02_porinc from t02_años where t02_ano>" + QString::number(desde) +
                                             " And t02_ano<=" + QString::number(hasta) + " And t02_ver=1");
    while (!rs.EOF_()) {
        const QVariant v = rs.Field(0);
        if (v.isValid() && !v.isNull()) // a year without a factor does not change the product
            f *= v.toDouble();
        rs.MoveNext();
    }
    rs.Close();
    return f;
}

int16_t ObtenerEjercicio(int32_t fecha, int16_t& ver)
{
    int16_t ano = 0;
    ver = 0;
    Recordset rs = gConexion().openRecordset("select t02_ano,t02_ver from t02_años where t02_fecmin<=" +
                                             QString::number(fecha) + " Order By t02_fecmin desc");
    if (!rs.EOF_()) {
        ano = static_cast<int16_t>(Entero(rs.Field(0)));
        ver = static_cast<int16_t>(Entero(rs.Field(1)));
    }
    rs.Close();
    return ano;
}

double ObtenerPorcom(int16_t ano)
{
    double porcom = 0;
    Recordset rs = gConexion().openRecordset("select t02_porcom from t02_años where t02_ano=" + QString::number(ano));
    if (!rs.EOF_())
        porcom = rs.Field(0).toDouble();
    rs.Close();
    return porcom;
}
