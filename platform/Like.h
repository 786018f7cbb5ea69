#pragma once
// Case-sensitive pattern match: '*' any run, '?' one character, '#' one digit,
// "[abc]" one of a set, "[a-z]" a range, "[!abc]" none of a set.
#include <QString>

bool Like(const QString& text, const QString& pattern);
// False when the pattern cannot be used (an unclosed '[').
bool IsValidLikePattern(const QString& pattern);
