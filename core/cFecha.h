#pragma once

#include <QString>
#include <cstdint>

// Converts dates between the number yyyymmdd kept in records, settings and the database (0 or less:
// no date) and the ten-character text of the date boxes: "dd/mm/yyyy" in Spanish ("C"),
// "yyyy/mm/dd" in Basque ("E").
class cFecha {
public:
    cFecha();

    QString fecidioma() const;
    void setFecidioma(const QString& idioma);

    // Empty mask of the current language: "____/__/__" for "E", "__/__/____" otherwise.
    QString FecVacia() const;

    // Year of a date text. Basque ("E"): its first four characters; otherwise the year of a valid
    // "dd/mm/yyyy" date. Throws std::invalid_argument when the text does not convert.
    int32_t miYear(const QString& s) const;

    // The date number of a text: 0 for the empty mask, -1 for a text EsFecha rejects.
    int32_t StringToLong(const QString& s, int16_t minYear = 0) const;

    // True for the empty mask or a complete, existing date whose year has four digits and is not
    // below minYear (0: no minimum).
    bool EsFecha(const QString& s, int16_t minYear = 0) const;

    // The text of a date number in the current language; the empty mask when n < 1 or the number
    // is not a valid eight-digit date. invertido reads the digits as ddmmyyyy instead of yyyymmdd.
    QString LongToString(int32_t n, bool invertido = false) const;

private:
    // The empty mask follows "E"; parsing and composing follow "C". With the two codes the settings
    // hold both tests agree.
    bool MascaraVasca() const { return idioma_ == QLatin1String("E"); }
    bool FormaEspanola() const { return idioma_ == QLatin1String("C"); }

    QString mascaraEs_;
    QString mascaraEu_;
    QString idioma_;
};
