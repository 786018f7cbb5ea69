#include "core/Consultas.h"

#include <cmath>
#include <stdexcept>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Valoracion.h"

namespace valoracion {

namespace {

[[noreturn]] void NoNumerico(const QString& texto)
{
    throw std::runtime_error(SegunIdioma(QStringLiteral("Valor no numérico en las tablas de valoración: «%1»."),
                                         QStringLiteral("Balorazio tauletan zenbakia ez den balioa: «%1»."))
                                 .arg(texto)
                                 .toStdString());
}

bool EsNulo(const QVariant& campo) { return !campo.isValid() || campo.isNull(); }

// A year of the tables: Null reads as 0; anything but a whole number of -32768..32767 fails.
int AnoDeCampo(const QVariant& campo)
{
    const double d = NumeroDeCampo(campo);
    if (d != std::floor(d) || d < -32768 || d > 32767)
        NoNumerico(TextoDeCampo(campo));
    return static_cast<int>(d);
}

// Runs a query and gives its recordset, closed again when the reader leaves.
class Consulta {
public:
    explicit Consulta(const QString& sql) : rs_(gConexion().openRecordset(sql)) {}
    ~Consulta() { rs_.Close(); }
    Consulta(const Consulta&) = delete;
    Consulta& operator=(const Consulta&) = delete;
    Recordset* operator->() { return &rs_; }

private:
    Recordset rs_;
};

std::optional<FilaValor> FilaDeValor(const QString& sql)
{
    Consulta rs(sql);
    if (rs->EOF_())
        return std::nullopt;
    FilaValor f;
    f.moneda = TextoDeCampo(rs->Field(0));
    f.nulo = EsNulo(rs->Field(1));
    f.importe = NumeroDeCampo(rs->Field(1));
    return f;
}

QString N(long v) { return QString::number(v); }

}  // namespace

// --- reading fields ------------------------------------------------------------------------------

QString TextoDeCampo(const QVariant& campo) { return EsNulo(campo) ? QString() : campo.toString().trimmed(); }

double NumeroDeCampo(const QVariant& campo)
{
    if (EsNulo(campo))
        return 0;
    switch (campo.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return campo.toDouble();
    default:
        break;
    }
    const QString t = TextoDeCampo(campo);
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        NoNumerico(t);
    return d;
}

int16_t ZonaDeCampo(const QVariant& campo)
{
    const QString t = TextoDeCampo(campo);
    bool ok = false;
    const int zona = t.toInt(&ok);
    if (!ok || zona < -32768 || zona > 32767)
        throw std::runtime_error(SegunIdioma(QStringLiteral("La zona del tramo de calle no es un número válido: «%1»."),
                                             QStringLiteral("Kale zatiaren zona ez da zenbaki zuzena: «%1»."))
                                     .arg(t)
                                     .toStdString());
    return static_cast<int16_t>(zona);
}

bool EsCodigoZona(const QVariant& campo)
{
    try {
        ZonaDeCampo(campo);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

// --- street stretch --------------------------------------------------------------------------------

std::optional<AnoVersion> AnoVersionDeEtiqueta(const QString& etiqueta)
{
    const qsizetype guion = etiqueta.indexOf(QLatin1Char('-'));
    if (guion < 0)
        return std::nullopt;
    bool okAno = false, okVer = false;
    AnoVersion av;
    av.ano = etiqueta.left(guion).trimmed().toInt(&okAno);
    av.ver = etiqueta.mid(guion + 1).trimmed().toInt(&okVer);
    if (!okAno || !okVer)
        return std::nullopt;
    return av;
}

std::optional<Tramo> BuscarTramo(long codmun, long codcal, const AnoVersion& lista, int portal, bool conSubzona)
{
    const QString n = QString::number(portal);
    QString sql = (conSubzona ? QStringLiteral("select  t06_zoncod,t06_szncod from t06_calles_datos where t06_codmun=")
                              : QStringLiteral("select  t06_zoncod from t06_calles_datos where t06_codmun=")) +
                  N(codmun) + QStringLiteral(" and t06_codcal=") + N(codcal) + QStringLiteral(" And t06_ano=") +
                  QString::number(lista.ano) + QStringLiteral(" And t06_ver=") + QString::number(lista.ver);
    if (portal % 2 != 0)
        sql += QStringLiteral(" and t06_impinf<=") + n + QStringLiteral(" and t06_impsup>=") + n;
    else
        sql += QStringLiteral(" and t06_parinf<=") + n + QStringLiteral(" and t06_parsup>=") + n;
    Consulta rs(sql);
    if (rs->EOF_())
        return std::nullopt;
    Tramo t;
    t.zona = rs->Field(0);
    if (conSubzona)
        t.subzona = TextoDeCampo(rs->Field(1));
    return t;
}

// --- ponencia year -------------------------------------------------------------------------------

std::optional<int> AnoPonencia(long codmun, int ejercicio)
{
    Consulta rs(QStringLiteral("select t04_ano  from t04_ponencias where t04_ano<=") + QString::number(ejercicio) +
                QStringLiteral(" And t04_codmun=") + N(codmun) + QStringLiteral(" order by t04_ano desc"));
    if (rs->EOF_())
        return std::nullopt;
    return AnoDeCampo(rs->Field(0));
}

// --- zone rows -----------------------------------------------------------------------------------

double FilaZona::EnMoneda(std::size_t k, const QString& monedaRegistro) const
{
    return Comprobado(ImporteEnMoneda(Importe(k), moneda, monedaRegistro));
}

double FilaZona::Importe(std::size_t k) const { return NumeroDeCampo(campos.at(k)); }

double FilaValor::EnMoneda(const QString& monedaRegistro) const
{
    return Comprobado(ImporteEnMoneda(importe, moneda, monedaRegistro));
}

std::optional<FilaZona> FilaResidencial(long codmun, int zona, int anoPonencia, const QStringList& columnas)
{
    QString sql = QStringLiteral("select  t07_zonnom,t07_mone");
    for (const QString& c : columnas)
        sql += QLatin1Char(',') + c;
    sql += QStringLiteral(" from t07_residencial where t07_codmun=") + N(codmun) + QStringLiteral(" and t07_zoncod=") +
           QString::number(zona) + QStringLiteral(" And t07_ano=") + QString::number(anoPonencia);
    Consulta rs(sql);
    if (rs->EOF_())
        return std::nullopt;
    FilaZona f;
    f.nombre = TextoDeCampo(rs->Field(0));
    f.moneda = TextoDeCampo(rs->Field(1));
    for (int k = 0; k < columnas.size(); ++k) {
        const QVariant campo = rs->Field(2 + k);
        f.faltaImporte = f.faltaImporte || EsNulo(campo);
        f.campos.push_back(campo);
    }
    return f;
}

std::optional<FilaValor> ValorComercial(long codmun, const QString& subzona, int anoPonencia)
{
    return FilaDeValor(QStringLiteral("select  t08_mone,t08_vrc from t08_comercial where t08_codmun=") + N(codmun) +
                       QStringLiteral(" and t08_szncod='") + cConexionDAO::Quote(subzona.trimmed()) +
                       QStringLiteral("' And t08_ano=") + QString::number(anoPonencia));
}

std::optional<FilaValor> ValorIndustrial(long codmun, const QString& zona, int anoPonencia)
{
    return FilaDeValor(QStringLiteral("select  t09_mone,t09_vri from t09_industrial where t09_codmun=") + N(codmun) +
                       QStringLiteral(" and t09_zonind='") + cConexionDAO::Quote(zona.trimmed()) +
                       QStringLiteral("' And t09_ano=") + QString::number(anoPonencia));
}

// --- industrial zones ----------------------------------------------------------------------------

QString ConsultaZonasIndustriales(long codmun, int anoPonencia)
{
    return QStringLiteral("select t09_zonind from t09_industrial where t09_codmun=") + N(codmun) +
           QStringLiteral(" And t09_ano=") + QString::number(anoPonencia) + QStringLiteral(" Order By t09_zonind");
}

QStringList ZonasIndustriales(long codmun, int anoPonencia)
{
    QStringList zonas;
    Consulta rs(ConsultaZonasIndustriales(codmun, anoPonencia));
    for (; !rs->EOF_(); rs->MoveNext())
        zonas << TextoDeCampo(rs->Field(0));
    return zonas;
}

// --- valuation dates -------------------------------------------------------------------------------

std::optional<RangoFechas> RangoFechasValoracion()
{
    Consulta rsMin(QStringLiteral("Select t02_fecmin from t02_años Order By t02_fecmin "));
    Consulta rsMax(QStringLiteral("Select t02_fecmax from t02_años Order By t02_fecmax desc"));
    if (rsMin->EOF_() || rsMax->EOF_())
        return std::nullopt;
    RangoFechas r;
    r.minima = static_cast<int32_t>(NumeroDeCampo(rsMin->Field(0)));
    r.maxima = static_cast<int32_t>(NumeroDeCampo(rsMax->Field(0)));
    return r;
}

}  // namespace valoracion
