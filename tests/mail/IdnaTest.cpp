// Domains in their ASCII form, checked against Python's own Punycode codec.
#include <gtest/gtest.h>

#include "platform/mail/Idna.h"

TEST(Idna, PunycodeAndAsciiAddresses) {
    EXPECT_EQ(mail::Punycode(U"ærøskøbing"), "rskbing-lxa7nc");
    EXPECT_EQ(mail::Punycode(U"3年B組金八先生"), "3B-ww4c5e180e575a65lsy2b");
    // Capitals are lowered first; ASCII labels and the part before the "@" stay as typed.
    EXPECT_EQ(mail::AsciiAddress("Post@BÆRUM.Kommune.NO"), "Post@xn--brum-voa.Kommune.NO");
    EXPECT_EQ(mail::AsciiAddress("kåre@eksempel.no"), "kåre@eksempel.no");
    EXPECT_EQ(mail::AsciiAddress("uten-krøllalfa"), "uten-krøllalfa");
}
