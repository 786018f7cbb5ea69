#include "platform/Like.h"

#include <QList>

namespace {

struct Token {
    enum Kind { Char, Any, Star, Digit, Set } kind = Char;
    QChar c;
    bool negated = false;
    QList<QPair<QChar, QChar>> ranges;  // for Set
};

// Splits a pattern into tokens; false for an unclosed '['.
bool tokenize(const QString& p, QList<Token>& out)
{
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p.at(i);
        Token t;
        if (c == QLatin1Char('*')) {
            t.kind = Token::Star;
        } else if (c == QLatin1Char('?')) {
            t.kind = Token::Any;
        } else if (c == QLatin1Char('#')) {
            t.kind = Token::Digit;
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = p.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0)
                return false;
            t.kind = Token::Set;
            qsizetype j = i + 1;
            if (j < close && p.at(j) == QLatin1Char('!')) {
                t.negated = true;
                ++j;
            }
            while (j < close) {
                QChar lo = p.at(j);
                QChar hi = lo;
                if (j + 2 < close && p.at(j + 1) == QLatin1Char('-')) {
                    hi = p.at(j + 2);
                    j += 3;
                } else {
                    ++j;
                }
                t.ranges.append({lo, hi});
            }
            i = close;
        } else {
            t.kind = Token::Char;
            t.c = c;
        }
        out.append(t);
    }
    return true;
}

bool matchOne(const Token& t, QChar c)
{
    switch (t.kind) {
    case Token::Char:
        return t.c == c;
    case Token::Any:
        return true;
    case Token::Digit:
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    case Token::Set: {
        bool in = false;
        for (const auto& r : t.ranges)
            if (c >= r.first && c <= r.second)
                in = true;
        return in != t.negated;
    }
    case Token::Star:
        break;
    }
    return false;
}

}  // namespace

bool IsValidLikePattern(const QString& pattern)
{
    QList<Token> tokens;
    return tokenize(pattern, tokens);
}

bool Like(const QString& text, const QString& pattern)
{
    QList<Token> tokens;
    if (!tokenize(pattern, tokens))
        return false;
    // An empty set "[]" matches nothing at all (zero characters): drop it.
    QList<Token> tk;
    for (const Token& t : tokens)
        if (!(t.kind == Token::Set && t.ranges.isEmpty() && !t.negated))
            tk.append(t);
    // Dynamic programming over (token, character) positions.
    const qsizetype n = text.size(), m = tk.size();
    QList<bool> prev(n + 1, false), cur(n + 1, false);
    prev[0] = true;
    for (qsizetype j = 0; j < m; ++j) {
        const Token& t = tk.at(j);
        cur.fill(false);
        if (t.kind == Token::Star) {
            bool any = false;
            for (qsizetype i = 0; i <= n; ++i) {
                any = any || prev[i];
                cur[i] = any;
            }
        } else {
            for (qsizetype i = 1; i <= n; ++i)
                cur[i] = prev[i - 1] && matchOne(t, text.at(i - 1));
        }
        prev.swap(cur);
    }
    return prev[n];
}
