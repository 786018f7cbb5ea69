#pragma once
// The program's settings: the one row of table T01_GENERAL (language, currency, default
// valuation date, range of valuation years offered). Each setter that has a column writes
// the change to the database at once.
#include <QString>
#include <QVariant>
#include <cstdint>

class CEntrada {
public:
    // Writes one column of the settings row: kind "s" puts the value, trimmed, between
    // quotes; kind "n" writes it as a number; any other kind does nothing. A refused
    // statement throws DbError.
    void ModificaT01(const QString& columna, const QVariant& valor, const QString& tipo);
    // Loads language, currency and year range from the settings row (not the default date,
    // which stays as it is). Nothing is written and the language offset is not touched.
    // From a row, a language other than "E" reads as "C", a currency other than "P" as "E",
    // a year that is not a whole number of 16 bits as 0. A read that fails throws DbError.
    void LeerT01();

    int16_t P_HASTA() const { return hasta_; }
    void setP_HASTA(int16_t v) { hasta_ = v; }
    int16_t P_DESDE() const { return desde_; }
    void setP_DESDE(int16_t v) { desde_ = v; }
    int32_t P_FECV() const { return fecv_; }
    void setP_FECV(int32_t v);
    QString P_MON() const { return mon_; }
    void setP_MON(QString v);
    QString P_IDI() const { return idi_; }
    // Also sets the language offset gIdioma and the date converter's language.
    void setP_IDI(QString v);

private:
    // ModificaT01 that reports a refused write in one message, in Spanish and Basque, and
    // lets the program go on: the new value stays in force for this run. A read-only
    // database is reported at its first refused write only.
    void Guardar(const QString& columna, const QVariant& valor, const QString& tipo);

    QString idi_;
    QString mon_;
    int32_t fecv_ = 0;
    int16_t desde_ = 0;
    int16_t hasta_ = 0;
    bool soloLecturaAvisado_ = false;
};
