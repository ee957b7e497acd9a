// Domains in their ASCII form through the host's conversion (Qt's, as the program sets
// it), checked against Python's own IDNA codec.
#include <gtest/gtest.h>

#include "platform/mail/Idna.h"
#include "qtview/MailDomains.h"

namespace {

TEST(Idna, AsciiAddressesThroughTheHostsConversion) {
    mail::SetAsciiDomainConversion(qtview::AsciiDomain);
    EXPECT_EQ(mail::AsciiAddress("leder@ærøskøbing.dk"), "leder@xn--rskbing-lxa7nc.dk");
    EXPECT_EQ(mail::AsciiAddress("x@3年B組金八先生.jp"), "x@xn--3b-ww4c5e180e575a65lsy2b.jp");
    // Capitals of any script are folded, the part before the "@" stays as typed.
    EXPECT_EQ(mail::AsciiAddress("Post@BÆRUM.Kommune.NO"), "Post@xn--brum-voa.kommune.no");
    EXPECT_EQ(mail::AsciiAddress("Ola@ПРИМЕР.РФ"), "Ola@xn--e1afmkfd.xn--p1ai");
    EXPECT_EQ(mail::AsciiAddress("info@παράδειγμα.δοκιμή"), "info@xn--hxajbheg2az3al.xn--jxalpdlp");
    // An "å" typed as "a" and a ring above is the same domain as the one letter.
    EXPECT_EQ(mail::AsciiAddress("klubb@a\u030Asane.no"), "klubb@xn--sane-poa.no");
    EXPECT_EQ(mail::AsciiAddress("klubb@\u00E5sane.no"), "klubb@xn--sane-poa.no");
    // ASCII domains, addresses without "@" and domains without an ASCII form are left as they are.
    EXPECT_EQ(mail::AsciiAddress("kåre@Eksempel.NO"), "kåre@Eksempel.NO");
    EXPECT_EQ(mail::AsciiAddress("uten-krøllalfa"), "uten-krøllalfa");
    EXPECT_EQ(mail::AsciiAddress("a@ø ø.no"), "a@ø ø.no");
}

TEST(Idna, WithoutAHostConversionTheAddressStaysAsTyped) {
    mail::SetAsciiDomainConversion(nullptr);
    EXPECT_EQ(mail::AsciiAddress("klubber@ørnil.no"), "klubber@ørnil.no");
    mail::SetAsciiDomainConversion(qtview::AsciiDomain);
    EXPECT_EQ(mail::AsciiAddress("klubber@ørnil.no"), "klubber@xn--rnil-fra.no");
}

} // namespace
