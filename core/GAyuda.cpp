#include "core/GAyuda.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <cmath>
#include <stdexcept>

#include "core/Globals.h"
#include "platform/ComboBox.h"
#include "platform/Help.h"
#include "platform/Like.h"
#include "platform/ProgramFolder.h"

namespace {

// A field read trimmed; Null gives the empty text.
QString Texto(const QVariant& v) { return v.isValid() && !v.isNull() ? v.toString().trimmed() : QString(); }

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

// The value of a field of t02_años that is not a number, as a message in the current
// language naming the table, the column, the year (when known) and the value.
[[noreturn]] void FalloDeAnos(const char* columna, int ano, const QVariant& campo)
{
    const QString col = QString::fromLatin1(columna);
    const QString valor = campo.toString();
    const QString texto =
        ano > 0 ? SegunIdioma(QString::fromUtf8("La tabla t02_años tiene un valor que no es un número en la "
                                                "columna %1 del año %2: «%3»."),
                              QString::fromUtf8("t02_años taulak zenbakia ez den balio bat du %2 urteko %1 "
                                                "zutabean: «%3»."))
                      .arg(col)
                      .arg(ano)
                      .arg(valor)
                : SegunIdioma(QString::fromUtf8("La tabla t02_años tiene un valor que no es un número en la "
                                                "columna %1: «%2»."),
                              QString::fromUtf8("t02_años taulak zenbakia ez den balio bat du %1 zutabean: «%2»."))
                      .arg(col, valor);
    throw std::runtime_error(texto.toStdString());
}

// A field as a number: nothing for Null or a blank text; `valido` false for a text that is
// not a finite number.
std::optional<double> Numero(const QVariant& campo, bool& valido)
{
    valido = true;
    if (!campo.isValid() || campo.isNull())
        return std::nullopt;
    switch (campo.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return campo.toDouble();
    default:
        break;
    }
    const QString t = Texto(campo);
    if (t.isEmpty())
        return std::nullopt;
    const double d = t.toDouble(&valido);
    valido = valido && std::isfinite(d);
    return valido ? std::optional<double>(d) : std::nullopt;
}

// The year of the first row of "t02_años" + `donde` whose update factor is `factor`; 0 when
// none is.
int AnoDelFactor(const QString& donde, const QVariant& factor)
{
    int ano = 0;
    Recordset rs = gConexion().openRecordset("select t02_ano,t02_porinc from t02_años" + donde);
    for (; !rs.EOF_() && ano == 0; rs.MoveNext())
        if (rs.Field(1) == factor)
            ano = static_cast<int>(Entero(rs.Field(0)));
    rs.Close();
    return ano;
}

// A whole number of 16 bits read from a field of t02_años; Null or blank give 0.
int16_t EnteroDeAnos(const QVariant& campo, const char* columna, int ano)
{
    const std::optional<double> d = YearsTableNumber(campo, columna, ano);
    if (!d)
        return 0;
    const double r = *d < 0 ? *d - 0.5 : *d + 0.5;
    if (r <= -32769.0 || r >= 32768.0)
        FalloDeAnos(columna, ano, campo);
    return static_cast<int16_t>(r);
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

}  // namespace

std::optional<double> YearsTableNumber(const QVariant& campo, const char* columna, int ano)
{
    bool valido = true;
    const std::optional<double> d = Numero(campo, valido);
    if (!valido)
        FalloDeAnos(columna, ano, campo);
    return d;
}

QString SegunIdioma(const QString& es, const QString& eu) { return gIdioma == 0 ? es : eu; }

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
    const QString fichero = ProgramFolder() + "/" +
                            (gIdioma != 10000 ? QStringLiteral("DESBIEN.BMP") : QStringLiteral("DESCRIE.BMP"));
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

// Field readers of the list loaders, which read tens of thousands of rows: the common case
// (a whole number stored as such, a text with no blank at either end) read straight from the
// row; any other as Entero and Texto read the field.
static qlonglong EnteroDeLista(const Recordset& rs, int k)
{
    if (const std::optional<qlonglong> v = rs.IntegerField(k))
        return *v;
    return Entero(rs.Field(k));
}

static QString TextoDeLista(const Recordset& rs, int k)
{
    if (std::optional<QString> t = rs.TextField(k)) {
        if (t->isEmpty() || (!t->front().isSpace() && !t->back().isSpace()))
            return *std::move(t);
        return t->trimmed();
    }
    return Texto(rs.Field(k));
}

void CargarMunicipios(ComboBox& cmb, int16_t ano)
{
    cmb.Clear();
    Recordset rs = gConexion().openRecordset(
        "select t03_ano,t03_codmun,t03_nommun from t03_municipios where t03_ano<=" + QString::number(ano) +
        " order by t03_ano desc,t03_codmun");
    QStringList nombres;
    QList<long> codigos;
    qlonglong anterior = -1;
    while (!rs.EOF_()) {
        const qlonglong anoFila = EnteroDeLista(rs, 0);
        if (anterior != -1 && anoFila != anterior)
            break;
        nombres.append(TextoDeLista(rs, 2));
        codigos.append(static_cast<long>(EnteroDeLista(rs, 1)));
        anterior = anoFila;
        rs.MoveNext();
    }
    rs.Close();
    cmb.AddItems(nombres, codigos);
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
    // The rows are gathered first and handed to the list in one step (a long street list
    // would otherwise spend its time in the list, one entry at a time).
    QStringList nombres;
    QList<long> codigos;
    qlonglong ano = -1, ver = -1;
    while (!rs.EOF_()) {
        const qlonglong anoFila = EnteroDeLista(rs, 0);
        const qlonglong verFila = EnteroDeLista(rs, 1);
        if (ano != -1 && (anoFila != ano || verFila != ver))
            break;
        nombres.append(TextoDeLista(rs, 3));
        codigos.append(static_cast<long>(EnteroDeLista(rs, 2)));
        ano = anoFila;
        ver = verFila;
        rs.MoveNext();
    }
    rs.Close();
    cmb.AddItems(nombres, codigos);
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

void DesplegarCombo(ComboBox& cmb) { cmb.ShowDropDown(); }

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
    const QString donde = " where t02_ano>" + QString::number(desde) + " And t02_ano<=" + QString::number(hasta) +
                          " And t02_ver=1";
    Recordset rs = gConexion().openRecordset("select t02_porinc from t02_años" + donde);
    while (!rs.EOF_()) {
        const QVariant v = rs.Field(0);
        bool valido = true;
        const std::optional<double> factor = Numero(v, valido);
        if (!valido) {
            rs.Close();
            // The statement gives no year: it is looked up to be named in the message.
            FalloDeAnos("t02_porinc", AnoDelFactor(donde, v), v);
        }
        if (factor)  // a year without a factor does not change the product
            f *= *factor;
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
        const QVariant campoAno = rs.Field(0), campoVer = rs.Field(1);
        rs.Close();
        ano = EnteroDeAnos(campoAno, "t02_ano", 0);
        ver = EnteroDeAnos(campoVer, "t02_ver", ano);
    }
    rs.Close();
    return ano;
}

double ObtenerPorcom(int16_t ano)
{
    double porcom = 0;
    Recordset rs = gConexion().openRecordset("select t02_porcom from t02_años where t02_ano=" + QString::number(ano));
    if (!rs.EOF_()) {
        const QVariant campo = rs.Field(0);
        rs.Close();
        porcom = YearsTableNumber(campo, "t02_porcom", ano).value_or(0);
    }
    rs.Close();
    return porcom;
}
