// Date conversions: any text and any number, in both languages (and an unknown language code).
// Texts that convert come back unchanged; numbers that convert come back as the same number.
#include <stdexcept>

#include "core/cFecha.h"
#include "tests/fuzz/EntradaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    EntradaFuzz in(data, size);
    const uint8_t opciones = in.Numero<uint8_t>();
    const int16_t minYear = in.Numero<int16_t>();
    const int32_t numero = in.Numero<int32_t>();
    const QString texto = in.Texto();

    static const char* const idiomas[] = {"C", "E", "X"};
    cFecha f;
    f.setFecidioma(QString::fromLatin1(idiomas[opciones % 3]));
    const bool conocido = opciones % 3 != 2;

    const int32_t n = f.StringToLong(texto, minYear);
    const bool esFecha = f.EsFecha(texto, minYear);
    int32_t year = -1;
    bool yearOk = true;
    try {
        year = f.miYear(texto);
    } catch (const std::invalid_argument&) {
        yearOk = false;
    }
    const QString desde = f.LongToString(numero, (opciones & 4) != 0);

    if (!conocido)
        return 0;  // only the absence of crashes is asked of an unknown language
    FUZZ_CHECK(esFecha == (n >= 0));
    if (n > 0) {
        // The date box's mask holds the separators; the conversion reads only the digit places.
        QString conBarras = texto;
        const bool vasco = f.fecidioma() == QLatin1String("E");
        conBarras[vasco ? 4 : 2] = QLatin1Char('/');
        conBarras[vasco ? 7 : 5] = QLatin1Char('/');
        FUZZ_CHECK(f.LongToString(n) == conBarras);
        if (texto == conBarras)  // miYear reads a Spanish date by its separators as well
            FUZZ_CHECK(yearOk && year == n / 10000);
        FUZZ_CHECK(minYear == 0 || n / 10000 >= minYear);
    }
    // A number shows as a date that reads back as the same number, or as the empty mask.
    if (desde != f.FecVacia()) {
        const int32_t otra = f.StringToLong(desde);
        FUZZ_CHECK(otra > 0);
        if (opciones & 4)  // read as ddmmyyyy
            FUZZ_CHECK(otra == (numero % 10000) * 10000 + (numero / 10000 % 100) * 100 + numero / 1000000);
        else
            FUZZ_CHECK(otra == numero);
    }
    return 0;
}
