#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"

using namespace vb;

TEST(Strings, LengthAndSlicesCountCharactersNotBytes) {
    EXPECT_EQ(Len("Ærlig Østre Å"), 13);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Mid("Bjørnstad", 4, 3), "rns");
    EXPECT_EQ(Mid("Bjørnstad", 3, 2), "ør");
    EXPECT_EQ(Mid("Bjørnstad", 4), "rnstad");
    EXPECT_EQ(Mid("Bjørnstad", 20), "");
    EXPECT_EQ(Mid("æøå", 2, 100), "øå");
    EXPECT_EQ(Left("Ålesund", 1), "Å");
    EXPECT_EQ(Left("Ålesund", 0), "");
    EXPECT_EQ(Left("æ", 5), "æ");
    EXPECT_EQ(Left("æøå", 3), "æøå");   // more bytes than characters asked for
    EXPECT_EQ(Left("æøå", 2), "æø");
    EXPECT_EQ(Left("abc", 3), "abc");
    EXPECT_EQ(Len("a\xC3"), 2);            // a cut sequence is one character per byte
    EXPECT_EQ(Len("\xFF\xC3\xA5" "b"), 3);
    EXPECT_EQ(Right("test.KVX", 4), ".KVX");
    EXPECT_EQ(Right("blåbær", 3), "bær");
    EXPECT_EQ(Right("ø", 9), "ø");
}

TEST(Strings, BadArgumentsRaiseFive) {
    for (auto f : std::vector<std::function<void()>>{[] { Mid("abc", 0); }, [] { Left("abc", -1); },
                                                      [] { Right("abc", -1); }, [] { Space(-1); },
                                                      [] { String(2, ""); }, [] { Chr(256); }, [] { Asc(""); },
                                                      [] { InStr(0, "abc", "a"); }}) {
        try {
            f();
            ADD_FAILURE() << "no error";
        } catch (const Err& e) {
            EXPECT_EQ(e.Number, 5);
        }
    }
}

TEST(Strings, StrayBytesStayAsTheyAre) {
    const std::string broken = "a\xC3" "b\xFF";
    EXPECT_EQ(Len(broken), 4);
    EXPECT_EQ(UCase(broken), "A\xC3" "B\xFF");
    EXPECT_EQ(Mid(broken, 2, 1), "\xC3");
}

TEST(Case, FoldsNorwegianAndOtherLatinOneLetters) {
    EXPECT_EQ(UCase("blåbærsyltetøy"), "BLÅBÆRSYLTETØY");
    EXPECT_EQ(LCase("BLÅBÆRSYLTETØY"), "blåbærsyltetøy");
    EXPECT_EQ(UCase("éüçñàÿ"), "ÉÜÇÑÀŸ");
    EXPECT_EQ(LCase("ÉÜÇÑÀŸ"), "éüçñàÿ");
    EXPECT_EQ(UCase("÷ß µ 1-2"), "÷ß µ 1-2");   // no case of their own
    EXPECT_EQ(LCase("×"), "×");
    EXPECT_EQ(UCase("test.kvx"), "TEST.KVX");
}

TEST(InStr, BinaryAndTextCompare) {
    EXPECT_EQ(InStr("Turnering1.KVX", "."), 11);
    EXPECT_EQ(InStr("Turnering1.KVX", ".kvx"), 0);
    EXPECT_EQ(InStr("Turnering1.KVX", ".kvx", 1), 11);
    EXPECT_EQ(InStr("Ålesund ØSTRE", "østre", 1), 9);
    EXPECT_EQ(InStr("æøæø", "ø"), 2);
    EXPECT_EQ(InStr(3, "æøæø", "ø"), 4);
    EXPECT_EQ(InStr(5, "æøæø", "ø"), 0);
    EXPECT_EQ(InStr(2, "abc", ""), 2);
    EXPECT_EQ(InStr("", "a"), 0);
    EXPECT_EQ(InStr("ab", "abc"), 0);
    EXPECT_EQ(InStrRev("a\\b\\c.kvx", "\\"), 4);
    EXPECT_EQ(InStrRev("ØyØy", "øY", 1), 3);
    EXPECT_EQ(InStrRev("abc", "x"), 0);
}

TEST(Strings, TrimSpaceStringChrAscReplace) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");   // blanks only
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(String(3, "øx"), "øøø");
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(0xF8), "ø");
    EXPECT_EQ(Asc("ø"), 0xF8);
    EXPECT_EQ(Asc("A"), 65);
    EXPECT_EQ(Replace("a.b.c", ".", "\\"), "a\\b\\c");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
}

TEST(StrCompText, IgnoresCaseAndPutsAeOeAaAfterZ) {
    EXPECT_EQ(StrCompText("ålesund", "ÅLESUND"), 0);
    EXPECT_EQ(StrCompText("a", "B"), -1);
    EXPECT_EQ(StrCompText("Zeta", "Ærlig"), -1);
    EXPECT_EQ(StrCompText("Ærlig", "Østby"), -1);
    EXPECT_EQ(StrCompText("Østby", "Åsen"), -1);
    EXPECT_EQ(StrCompText("Åsen", "Zeta"), 1);
    EXPECT_EQ(StrCompText("ab", "abc"), -1);
    EXPECT_EQ(StrCompText("", ""), 0);
    // An accent weighs as the base letter first, but the texts are not equal.
    EXPECT_EQ(StrCompText("Émile", "Erik"), -1);
    EXPECT_NE(StrCompText("é", "e"), 0);
    std::vector<std::string> names = {"Øen", "berg", "Åsen", "Aas", "zorro", "Ære", "Berg"};
    std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return StrCompText(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"Aas", "berg", "Berg", "zorro", "Ære", "Øen", "Åsen"}));
}

TEST(LikeMatch, WildcardsAndClasses) {
    EXPECT_TRUE(LikeMatch("X.KVX", "*.kvx", true));
    EXPECT_FALSE(LikeMatch("X.KVX", "*.kvx", false));
    EXPECT_TRUE(LikeMatch("bjørn.kvx", "BJØRN.*", true));
    EXPECT_TRUE(LikeMatch("abc", "a?c", false));
    EXPECT_FALSE(LikeMatch("ac", "a?c", false));
    EXPECT_TRUE(LikeMatch("æc", "?c", false));     // ? is one character, not one byte
    EXPECT_TRUE(LikeMatch("a1", "a#", false));
    EXPECT_FALSE(LikeMatch("ab", "a#", false));
    EXPECT_TRUE(LikeMatch("b", "[a-c]", false));
    EXPECT_FALSE(LikeMatch("d", "[a-c]", false));
    EXPECT_TRUE(LikeMatch("d", "[!a-c]", false));
    EXPECT_TRUE(LikeMatch("[", "[[]", false));
    EXPECT_TRUE(LikeMatch("a[", "a[", false));      // an unclosed "[" stands for itself
    EXPECT_TRUE(LikeMatch("", "*", false));
    EXPECT_TRUE(LikeMatch("aXbXc", "a*b*c", false));
    EXPECT_FALSE(LikeMatch("aXbX", "a*b*c", false));
    EXPECT_TRUE(LikeMatch("mississippi", "*sip*", false));
    EXPECT_FALSE(LikeMatch("abc", "ab", false));
}
