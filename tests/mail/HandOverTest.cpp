// Sign-on and hand-over against a recording xdg-email first on PATH.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

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
    // Polls as the window's clock would, at most 20 s.
    static void vent(mail::Delivery& levering) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!levering.Poll() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
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

// The exact arguments, the missing attachment and the failed sign-on are
// asserted through the e-mail window that drives these components.
TEST_F(HandOver, EveryRefusalSavesTheLetterAsEmlHoweverLateItComes) {
    using Outcome = mail::Delivery::Outcome;
    struct Tilfelle {
        const char* navn;
        bool opptaker;
        int status;
        std::string ekstra;
        Outcome utfall;
        std::string grunn;
    };
    const Tilfelle tilfeller[] = {
        {"no xdg-email", false, 0, "", Outcome::NoClient, ""},
        {"exit status 3", true, 3, "", Outcome::NoClient, ""},
        // Later than any fixed wait would have looked.
        {"slow exit status 3", true, 3, "sleep 1.5", Outcome::NoClient, ""},
        {"exit status 1", true, 1, "", Outcome::Refused, "xdg-email avsluttet med feilkode 1 (feil i argumentene)."},
        {"exit status 4", true, 4, "", Outcome::Refused, "xdg-email avsluttet med feilkode 4 (handlingen mislyktes)."},
        {"killed", true, 0, "kill -9 $$", Outcome::Refused, "xdg-email ble avbrutt (signal 9)."},
    };
    for (const Tilfelle& t : tilfeller) {
        SCOPED_TRACE(t.navn);
        std::filesystem::remove(ut.file("KV_Dommere.eml"));
        std::filesystem::remove(bin.file("xdg-email"));
        if (t.opptaker) WriteRecorder(bin.path(), t.status, t.ekstra);
        std::shared_ptr<mail::Delivery> levering;
        {
            PathAs path(t.opptaker ? bin.path() + ":/usr/bin:/bin" : ut.path());
            klar("klubb@eksempel.no");
            const auto start = std::chrono::steady_clock::now();
            ASSERT_EQ(feilnummer(), 0) << feiltekst;
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
            levering = mld.LastDelivery();
        }
        ASSERT_TRUE(levering);
        if (t.ekstra.rfind("sleep", 0) == 0) {
            EXPECT_FALSE(levering->Poll());
        }
        vent(*levering);
        EXPECT_EQ(levering->Result(), t.utfall);
        EXPECT_EQ(levering->Reason(), t.grunn);
        EXPECT_EQ(levering->SaveError(), "");
        ASSERT_EQ(levering->SavedFile(), ut.file("KV_Dommere.eml"));
        auto m = mailtest::ParseEml(levering->SavedFile());
        EXPECT_EQ(m["subject"], "Oppdatert dommerfil – æøå");
        EXPECT_EQ(m["to"], "klubb@eksempel.no");
        EXPECT_EQ(m["attachment"], mailtest::Hex(kdtest::ReadFile(vedlegg)));
    }
}

TEST_F(HandOver, ALetterTakenIsNotSavedAndTheSaveFailureIsTold) {
    WriteRecorder(bin.path(), 0);
    PathAs path(bin.path() + ":/bin");
    klar();
    ASSERT_EQ(feilnummer(), 0) << feiltekst;
    vent(*mld.LastDelivery());
    EXPECT_EQ(mld.LastDelivery()->Result(), mail::Delivery::Outcome::Taken);
    EXPECT_EQ(mld.LastDelivery()->SavedFile(), "");
    EXPECT_FALSE(std::filesystem::exists(ut.file("KV_Dommere.eml")));

    // The folder gone by the time xdg-email refuses: the letter cannot be saved, and that is said.
    WriteRecorder(bin.path(), 3);
    ASSERT_EQ(feilnummer(), 0) << feiltekst;
    std::filesystem::remove(vedlegg);
    std::filesystem::remove_all(ut.path());
    vent(*mld.LastDelivery());
    EXPECT_EQ(mld.LastDelivery()->Result(), mail::Delivery::Outcome::NoClient);
    EXPECT_EQ(mld.LastDelivery()->SavedFile(), "");
    EXPECT_NE(mld.LastDelivery()->SaveError(), "");
}

TEST_F(HandOver, DoesNotWaitForAMailClientThatStaysOpen) {
    // Its output let go, so only the process itself stays.
    WriteRecorder(bin.path(), 0, "exec >/dev/null 2>&1\nsleep 5");
    PathAs path(bin.path() + ":/usr/bin:/bin");
    klar();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(feilnummer(), 0) << feiltekst;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(mld.LastDelivery()->Poll());
    // Dropped while the mail client runs: it is left running, and nothing waits for it.
    mld.SetAction(mail::mapCompose);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(std::filesystem::exists(ut.file("KV_Dommere.eml")));
}

} // namespace
