// Sign-on and hand-over against a recording xdg-email first on PATH.
#include <gtest/gtest.h>

#include <chrono>

#include "MailTestSupport.h"
#include "platform/mail/Mail.h"
#include "platform/vb/Err.h"

namespace {

using mailtest::PathAs;
using mailtest::RecordedArgs;
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

TEST_F(HandOver, StartsXdgEmailWithExactlyTheseArguments) {
    WriteRecorder(bin.path(), 0);
    PathAs path(bin.path() + ":/usr/bin:/bin");
    for (const std::string mottaker : {"", "klubb@eksempel.no"}) {
        SCOPED_TRACE(mottaker);
        klar(mottaker);
        ASSERT_EQ(feilnummer(), 0) << feiltekst;
        std::vector<std::string> forventet{"--utf8",  "--subject",          "Oppdatert dommerfil – æøå",
                                           "--body",  "Til alle!\n\nHilsen", "--attach", vedlegg};
        if (!mottaker.empty()) forventet.push_back(mottaker);
        EXPECT_EQ(RecordedArgs(bin.path()), forventet);
        EXPECT_EQ(mld.SavedFile(), "");
    }
}

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

TEST_F(HandOver, RefusalsAreRaisedAndNothingIsHandedOver) {
    struct Tilfelle {
        const char* navn;
        int status;
        bool slettVedlegg;
        int forventet;
    };
    const Tilfelle tilfeller[] = {
        {"missing attachment", 0, true, mail::errnum::AttachmentNotFound},
        {"client fails", 4, false, mail::errnum::Failure},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.navn);
        kdtest::TempDir egen;
        WriteRecorder(egen.path(), t.status);
        PathAs path(egen.path() + ":/bin");
        klar();
        if (t.slettVedlegg) mld.AttachmentPathName = ut.file("borte/KV_Dommere.kvz");
        EXPECT_EQ(feilnummer(), t.forventet);
        if (t.slettVedlegg) {
            EXPECT_EQ(feiltekst, ut.file("borte/KV_Dommere.kvz"));
            EXPECT_TRUE(RecordedArgs(egen.path()).empty());
        }
        EXPECT_EQ(mld.SavedFile(), "");
    }
}

TEST_F(HandOver, SignOnFailsWithNeitherClientNorFolder) {
    PathAs path(bin.path());
    okt.FallbackFolder = ut.file("DommerDistribusjon");
    try {
        okt.SetAction(mail::mapSignOn);
        FAIL() << "signed on";
    } catch (const vb::Err& e) {
        EXPECT_EQ(e.Number, mail::errnum::LoginFail);
        EXPECT_NE(e.Description.find(ut.file("DommerDistribusjon")), std::string::npos);
    }
    EXPECT_EQ(okt.SessionID(), 0);
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
