// Pattern matching: any text against any pattern. A text matches itself once its special
// characters are put in brackets, never matches that pattern with one more character, and
// matches "*"; an unusable pattern matches nothing.
#include "platform/Like.h"
#include "tests/fuzz/EntradaFuzz.h"

namespace {

QString Literal(const QString& s)
{
    QString p;
    for (QChar c : s) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('['))
            p += QLatin1Char('[') + c + QLatin1Char(']');
        else
            p += c;
    }
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    EntradaFuzz in(data, size);
    const QString texto = in.Texto();
    const QString patron = in.Texto();

    const bool casa = Like(texto, patron);
    if (!IsValidLikePattern(patron))
        FUZZ_CHECK(!casa);
    FUZZ_CHECK(Like(texto, QStringLiteral("*")));
    FUZZ_CHECK(Like(texto, Literal(texto)));
    FUZZ_CHECK(!Like(texto + QLatin1Char('x'), Literal(texto)));
    FUZZ_CHECK(Like(texto + patron, Literal(texto) + QLatin1Char('*')));
    return 0;
}
