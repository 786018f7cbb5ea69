#include "platform/Like.h"

#include <gtest/gtest.h>

struct LikeCase {
    const char* text;
    const char* pattern;
    bool match;
};

TEST(Like, MatchesWildcardsSetsAndRanges)
{
    const LikeCase cases[] = {
        {"abc", "abc", true},
        {"abc", "ABC", false},  // case-sensitive
        {"abc", "a*", true},
        {"", "*", true},
        {"abc", "*c", true},
        {"abc", "*b", false},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"a1c", "a#c", true},
        {"abc", "a#c", false},
        {"b", "[abc]", true},
        {"d", "[abc]", false},
        {"m", "[a-z]", true},
        {"M", "[a-z]", false},
        {"d", "[!abc]", true},
        {"a", "[!abc]", false},
        {"x12y", "x##y", true},
        {"*", "[*]", true},
        {"a*", "a[*]", true},
        {"ab", "a[*]", false},
        {"12/03/2003", "##/##/####", true},
        {"1a/03/2003", "##/##/####", false},
        {"street 4", "*[0-9]", true},
        {"aXbXc", "*X*X*", true},
        {"aXbc", "*X*X*", false},
    };
    for (const LikeCase& c : cases)
        EXPECT_EQ(Like(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), c.match)
            << c.text << " Like " << c.pattern;
}

TEST(Like, UnclosedBracketIsAnInvalidPattern)
{
    EXPECT_FALSE(IsValidLikePattern("ab[c"));
    EXPECT_FALSE(IsValidLikePattern("["));
    EXPECT_TRUE(IsValidLikePattern("a[b]c*"));
    EXPECT_TRUE(IsValidLikePattern("a]b"));  // a lone ']' is an ordinary character
    EXPECT_FALSE(Like("ab[c", "ab[c"));
    EXPECT_TRUE(Like("a]b", "a]b"));
}
