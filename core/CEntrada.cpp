#include "core/CEntrada.h"

#include "core/Globals.h"
#include "core/cConexionDAO.h"
#include "core/cFecha.h"
#include "platform/MsgBox.h"

#include <sqlite3.h>

namespace {

QString Texto(const QVariant& v) { return v.isValid() && !v.isNull() ? v.toString().trimmed() : QString(); }

int16_t Entero16(const QVariant& v)
{
    bool ok = false;
    const double d = Texto(v).toDouble(&ok);
    if (!ok || d < -32768.0 || d > 32767.0)
        return 0;
    return static_cast<int16_t>(d < 0 ? d - 0.5 : d + 0.5);
}

}  // namespace

void CEntrada::ModificaT01(const QString& columna, const QVariant& valor, const QString& tipo)
{
    QString sql;
    if (tipo == QLatin1String("s"))
        sql = "Update t01_general set " + columna + "='" + cConexionDAO::Quote(valor.toString().trimmed()) + "'";
    else if (tipo == QLatin1String("n"))
        sql = "Update t01_general set " + columna + "=" + valor.toString().trimmed();
    else
        return;
    gConexion().execute(sql, 0);
}

void CEntrada::LeerT01()
{
    Recordset rs = gConexion().openRecordset(
        "select T01_FEC_OMIS,T01_IDI_OMIS,T01_MON_OMIS,T01_MINIMO_DESDE,T01_MAXIMO_HASTA from T01_GENERAL");
    if (!rs.EOF_()) {
        // Column 0, the default date, is not taken: the panel sets a date of its own.
        idi_ = Texto(rs.Field(1));
        mon_ = Texto(rs.Field(2));
        // A year that is not a number reads as 0: the panel then says that the row holds no
        // valid date range.
        desde_ = Entero16(rs.Field(3));
        hasta_ = Entero16(rs.Field(4));
        // A code that is neither of the two reads as the default (Spanish, euros), so that
        // the start window, seeing its own option chosen, writes nothing back.
        if (idi_ != QLatin1String("E"))
            idi_ = QStringLiteral("C");
        if (mon_ != QLatin1String("P"))
            mon_ = QStringLiteral("E");
    }
    rs.Close();
}

void CEntrada::setP_FECV(int32_t v)
{
    fecv_ = v;
    Guardar(QStringLiteral("T01_FEC_OMIS"), QVariant(fecv_), QStringLiteral("n"));
}

void CEntrada::setP_MON(QString v)
{
    mon_ = std::move(v);
    Guardar(QStringLiteral("T01_MON_OMIS"), QVariant(mon_), QStringLiteral("s"));
}

void CEntrada::setP_IDI(QString v)
{
    idi_ = std::move(v);
    Guardar(QStringLiteral("T01_IDI_OMIS"), QVariant(idi_), QStringLiteral("s"));
    // The language applies even when it could not be saved, so that the captions, the
    // language offset and the date converter always agree with P_IDI.
    gIdioma = (idi_ == QLatin1String("E")) ? 10000 : 0;
    gFecha().setFecidioma(idi_);
}

void CEntrada::Guardar(const QString& columna, const QVariant& valor, const QString& tipo)
{
    try {
        ModificaT01(columna, valor, tipo);
    } catch (const DbError& e) {
        // A read-only file stays so for the whole run: said once, not at every change.
        if ((e.code() & 0xff) == SQLITE_READONLY) {
            if (soloLecturaAvisado_)
                return;
            soloLecturaAvisado_ = true;
        }
        const QString path = gConexion().Path();
        MsgBox(QString::fromUtf8("No se ha podido guardar la configuración en la base de datos:\n") + path + "\n" +
                   DbFailureCause(e.code(), false) + "\n" +
                   QString::fromUtf8("El cambio vale hasta que se cierre el programa.\n\n") +
                   QString::fromUtf8("Ezin izan da konfigurazioa datu-basean gorde:\n") + path + "\n" +
                   DbFailureCause(e.code(), true) + "\n" + QString::fromUtf8("Aldaketak programa itxi arte balio du."),
               48);
    }
}
