// Domains in their ASCII form, checked against Python's own Punycode codec.
#include <gtest/gtest.h>

#include "platform/mail/Idna.h"

namespace {

TEST(Idna, PunycodeAndAsciiAddresses) {
    const struct { std::u32string label; std::string punycode; } labels[] = {
        {U"ørnil", "rnil-fra"},
        {U"ærøskøbing", "rskbing-lxa7nc"},
        {U"münchen", "mnchen-3ya"},
        {U"åå", "5caa"},
        {U"3年B組金八先生", "3B-ww4c5e180e575a65lsy2b"},
    };
    for (const auto& l : labels) EXPECT_EQ(mail::Punycode(l.label), l.punycode) << l.punycode;

    const struct { std::string typed, ascii; } addresses[] = {
        {"klubber@ørnil.no", "klubber@xn--rnil-fra.no"},
        // Capitals are lowered before the encoding; ASCII labels and the local part stay as typed.
        {"Post@BÆRUM.Kommune.NO", "Post@xn--brum-voa.Kommune.NO"},
        {"kåre@eksempel.no", "kåre@eksempel.no"},
        {"uten-krøllalfa", "uten-krøllalfa"},
    };
    for (const auto& a : addresses) EXPECT_EQ(mail::AsciiAddress(a.typed), a.ascii) << a.typed;
}

} // namespace
