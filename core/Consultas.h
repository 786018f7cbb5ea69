#pragma once
// The lookups of the valuation: the street stretch of a portal, the zone rows of the residential,
// commercial and industrial tables, the industrial zones of a municipality and its ponencia year.
// Each runs one statement of the program's own wording through gConexion(), reads the first row
// only and closes its recordset. Text codes go between quotes through cConexionDAO::Quote. In a
// row a Null amount reads as 0; a text that is no number is a failing lookup (std::runtime_error
// naming the value).

#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <vector>

namespace valoracion {

// --- reading fields ------------------------------------------------------------------------------

// The field as a number: Null or an empty text give 0; a text that is no finite number is a
// failing lookup (std::runtime_error naming the value).
double NumeroDeCampo(const QVariant& campo);
// A zone code: the trimmed text as a whole number of -32768..32767, else a failing lookup.
int16_t ZonaDeCampo(const QVariant& campo);
// The field as trimmed text; Null gives the empty text.
QString TextoDeCampo(const QVariant& campo);
// True when ZonaDeCampo reads the field.
bool EsCodigoZona(const QVariant& campo);

// --- street stretch --------------------------------------------------------------------------------

// Year and version of a street list from its tag "year-version" (split at the first "-");
// nothing when either part is no whole number.
struct AnoVersion {
    int ano = 0;
    int ver = 0;
};
std::optional<AnoVersion> AnoVersionDeEtiqueta(const QString& etiqueta);

// The stretch of a street that holds a portal: its zone code as the table gives it (the caller
// decides how to read it, see ZonaDeCampo) and, when asked, its commercial subzone, trimmed.
struct Tramo {
    QVariant zona;
    QString subzona;
};
// Looks the portal up in the odd range (t06_impinf..t06_impsup) for an odd number, in the even
// range (t06_parinf..t06_parsup) for an even one, 0 included. Nothing when no stretch holds it.
// conSubzona selects "t06_zoncod,t06_szncod" instead of "t06_zoncod".
std::optional<Tramo> BuscarTramo(long codmun, long codcal, const AnoVersion& lista, int portal, bool conSubzona);

// --- ponencia year -------------------------------------------------------------------------------

// The newest ponencia year of a municipality not after the valuation year; nothing without one.
std::optional<int> AnoPonencia(long codmun, int ejercicio);

// --- zone rows -----------------------------------------------------------------------------------

// A row of t07_residencial: the zone's name and currency (both trimmed) and the amounts asked
// for, in the order asked, as the row holds them. An amount is read when it is used, so that a
// row whose amount is no number still gives its name.
struct FilaZona {
    QString nombre;
    QString moneda;
    std::vector<QVariant> campos;
    bool faltaImporte = false;  // some amount asked for is Null
    // Amount k in the row's currency (Null read as 0; a text that is no number fails).
    double Importe(std::size_t k) const;
    // Amount k in the record's currency (ImporteEnMoneda), checked to be finite.
    double EnMoneda(std::size_t k, const QString& monedaRegistro) const;
};
// The zone row of a municipality, residential zone and ponencia year with the columns given
// (for instance "t07_vrr", "t07_coscon", "t07_mp"); nothing when there is no row.
std::optional<FilaZona> FilaResidencial(long codmun, int zona, int anoPonencia, const QStringList& columnas);

// A row of zone values that holds one amount: its currency (trimmed) and the amount.
struct FilaValor {
    QString moneda;
    double importe = 0;
    bool nulo = false;  // the amount is Null (importe 0)
    // The amount in the record's currency (ImporteEnMoneda), checked to be finite.
    double EnMoneda(const QString& monedaRegistro) const;
};
// VRC of a commercial subzone (t08_comercial) for a ponencia year; the subzone is trimmed.
std::optional<FilaValor> ValorComercial(long codmun, const QString& subzona, int anoPonencia);
// VRI of an industrial zone (t09_industrial) for a ponencia year; the zone code is trimmed.
std::optional<FilaValor> ValorIndustrial(long codmun, const QString& zona, int anoPonencia);

// --- industrial zones ----------------------------------------------------------------------------

// The statement listing the industrial zones of a municipality for a ponencia year, in order
// (for CargarCombo).
QString ConsultaZonasIndustriales(long codmun, int anoPonencia);
// Those zones, trimmed, in the order of the statement.
QStringList ZonasIndustriales(long codmun, int anoPonencia);

// --- valuation dates -------------------------------------------------------------------------------

// The dates the years table can value (yyyymmdd): the first t02_fecmin and the last t02_fecmax.
struct RangoFechas {
    int32_t minima = 0;
    int32_t maxima = 0;
};
// Nothing when the table has no rows; a date that is no number is a failing lookup.
std::optional<RangoFechas> RangoFechasValoracion();

}  // namespace valoracion
