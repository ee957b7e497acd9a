// Sign-on and hand-over against a recording xdg-email first on PATH.
#include <gtest/gtest.h>

#include <chrono>

#include "MailTestSupport.h"
#include "platform/mail/Mail.h"
#include "platform/vb/Err.h"

namespace {

using mailtest::PathAs;
using mailtest::WriteRecorder;

class HandOver : public ::testing::Test {
protected:
    void SetUp() override {
        vedlegg = ut.write("KV_Dommere.kvz", std::string("SQLite format 3\0data", 20));
        mld.SessionID = 0;
    }
    // Signs on with folder as the fallback and composes the usual letter.
    void klar(const std::string& mottaker = "") {
        okt.FallbackFolder = ut.path();
        okt.SetAction(mail::mapSignOn);
        mld.SessionID = okt.SessionID();
        mld.SetAction(mail::mapCompose);
        mld.MsgSubject = "Oppdatert dommerfil – æøå";
        mld.RecipAddress = mottaker;
        mld.AttachmentPathName = vedlegg;
        mld.MsgNoteText = "Til alle!\n\nHilsen";
    }
    int feilnummer() {
        try {
            mld.SetAction(mail::mapSendDialog);
        } catch (const vb::Err& e) {
            feiltekst = e.Description;
            return e.Number;
        }
        return 0;
    }

    kdtest::TempDir bin, ut;
    std::string vedlegg, feiltekst;
    mail::MAPISession okt;
    mail::MAPIMessages mld;
};

TEST_F(HandOver, WithoutMailClientTheLetterIsSavedAsEml) {
    struct Tilfelle {
        const char* navn;
        bool opptaker;
        int status;
    };
    for (const Tilfelle t : {Tilfelle{"no xdg-email", false, 0}, Tilfelle{"exit status 3", true, 3}}) {
        SCOPED_TRACE(t.navn);
        if (t.opptaker) WriteRecorder(bin.path(), t.status);
        {
            PathAs path(t.opptaker ? bin.path() + ":/bin" : ut.path());
            klar("klubb@eksempel.no");
            ASSERT_EQ(feilnummer(), 0) << feiltekst;
        }
        EXPECT_EQ(mld.SavedFile(), ut.file("KV_Dommere.eml"));
        auto m = mailtest::ParseEml(mld.SavedFile());
        EXPECT_EQ(m["subject"], "Oppdatert dommerfil – æøå");
        EXPECT_EQ(m["to"], "klubb@eksempel.no");
        EXPECT_EQ(m["attachment"], mailtest::Hex(kdtest::ReadFile(vedlegg)));
    }
}

// The exact arguments, the missing attachment and the failed sign-on are
// asserted through the e-mail window that drives these components.
TEST_F(HandOver, AMailClientThatFailsIsRaised) {
    WriteRecorder(bin.path(), 4);
    PathAs path(bin.path() + ":/bin");
    klar();
    EXPECT_EQ(feilnummer(), mail::errnum::Failure);
    EXPECT_EQ(feiltekst, "E-postprogrammet avsluttet med feilkode 4.");
    EXPECT_EQ(mld.SavedFile(), "");
}

TEST_F(HandOver, DoesNotWaitForAMailClientThatStaysOpen) {
    // Its output let go, so only the process itself stays.
    WriteRecorder(bin.path(), 0, "exec >/dev/null 2>&1\nsleep 5");
    PathAs path(bin.path() + ":/usr/bin:/bin");
    klar();
    mld.RefusalWaitMs = 200;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(feilnummer(), 0) << feiltekst;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(mld.SavedFile(), "");
}

} // namespace
