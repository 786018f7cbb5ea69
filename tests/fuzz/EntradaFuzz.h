#pragma once
// Reading a fuzzer's bytes as the values a target needs: a few fixed-size numbers from the
// front, then texts split at a separator byte.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

class EntradaFuzz {
public:
    EntradaFuzz(const uint8_t* data, size_t size) : resto_(reinterpret_cast<const char*>(data), int(size)) {}

    // The next sizeof(T) bytes as a T (zero bytes once the input runs out).
    template <typename T>
    T Numero()
    {
        T v{};
        const int n = std::min<int>(int(sizeof(T)), int(resto_.size()));
        std::memcpy(&v, resto_.constData(), size_t(n));
        resto_.remove(0, n);
        return v;
    }

    // The bytes up to the next separator (or the end), read as UTF-8.
    QString Texto(char separador = '\x01')
    {
        const qsizetype fin = resto_.indexOf(separador);
        const QByteArray parte = fin < 0 ? resto_ : resto_.left(fin);
        resto_.remove(0, fin < 0 ? resto_.size() : fin + 1);
        return QString::fromUtf8(parte);
    }

private:
    QByteArray resto_;
};

// A broken property: the fuzzer reports it as a crash, with the input that broke it.
#define FUZZ_CHECK(cond)                                                                      \
    do {                                                                                      \
        if (!(cond)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)
