// Number reading and the pattern formatter: any text is read without harm; any number with any
// pattern is formatted without harm; with the program's own patterns the text reads back as
// the number rounded to the pattern's decimals.
#include <QChar>
#include <cmath>

#include "platform/NumberFormat.h"
#include "tests/fuzz/EntradaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetRegionalSeparators(QChar(','), QChar('.'));
    EntradaFuzz in(data, size);
    const uint8_t eleccion = in.Numero<uint8_t>();
    const double v = in.Numero<double>();
    const QString patron = in.Texto();

    // Reading texts: never a crash, never a value that is not a number.
    const double leido = ParseNumber(patron);
    FUZZ_CHECK(!std::isnan(leido));
    FUZZ_CHECK(!std::isnan(Val(patron)));

    // Any pattern.
    (void)FormatNumber(v, patron);

    // The program's patterns: the text reads back as the rounded number.
    static const struct {
        const char* patron;
        int decimales;
    } propios[] = {{"#,###,###", 0}, {"#,###,##0", 0}, {"##0.00", 2},   {"#0.000000", 6},
                   {"0.0000", 4},    {"00000000", 0},  {"#,##0.00", 2}, {"#,###,##0.00", 2}};
    const auto& p = propios[eleccion % (sizeof propios / sizeof propios[0])];
    const QString texto = FormatNumber(v, QString::fromLatin1(p.patron));
    if (!std::isfinite(v)) {
        FUZZ_CHECK(texto.isEmpty());
        return 0;
    }
    if (std::fabs(v) >= 1e14)
        return 0;  // past 15 significant digits the text holds no more than the double's digits
    const double vuelta = ParseNumber(texto);
    const double paso = std::pow(10.0, -p.decimales);
    FUZZ_CHECK(std::fabs(vuelta - v) <= paso / 2 + std::fabs(v) * 1e-14 + 1e-300);
    return 0;
}
