#include "distribution/VBMail.h"

#include "distribution/Dommerfil.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

namespace {
constexpr const char* Veiledning =
    "Velg *Start epost sending* for å klargjøre epost-systemet ditt for oversending av dommerfil!!";
constexpr const char* StandardEmne = "Oversendelse av oppdatert dommerfil til klubbene..";
constexpr const char* Utsendingsmappe = "DommerDistribusjon";

std::string klokken() { return vb::Format(vb::Now(), "hh:mm:ss"); }
} // namespace

std::string VedleggSti() { return files::Join(files::Join(forms::App.Path, Utsendingsmappe), DommerfilNavn); }

std::string Brevtekst() {
    return std::string("Til alle arrangørklubbene!") + vb::vbLf + vb::vbLf +
           "Vedlagt finner dere en oppdatert dommerfil for Kvistrel, vennligst ta denne i bruk ved neste turnering!" +
           vb::vbLf + vb::vbLf + "Med vennlig hilsen" + vb::vbLf + "Dovadavuzar";
}

VBMail::VBMail() : forms::Form("VBMail") {
    Utform();
    Logon.Click = [this] { Logon_Click(); };
    SSCommand1.Click = [this] { SSCommand1_Click(); };
    Timer1.Timer_ = [this] { Timer1_Timer(); };
    Picture1.Resize = [this] { Picture1_Resize(); };
    Picture2.Resize = [this] { Picture2_Resize(); };
}

void VBMail::Form_Load() {
    Move(100, 1600);
    TimeLbl.SetCaption(klokken());
    Picture1_Resize();
    Picture2_Resize();
    MsgCountLbl.SetCaption("Off Line");
    Label2.SetCaption(Veiledning);
    Text2.SetText(StandardEmne);
    Text3.SetText(Brevtekst());
}

// The two bars keep to the top and bottom edges across the whole width.
void VBMail::Form_Resize() {
    Picture2.Move(0, 0, ScaleWidth(), Picture2.Height());
    Picture1.Move(0, ScaleHeight() - Picture1.Height(), ScaleWidth(), Picture1.Height());
}

void VBMail::Form_Unload(int& /*Cancel*/) {
    if (MAPISess.SessionID() != 0) MAPISess.SetAction(mail::mapSignOff);
}

void VBMail::Logon_Click() {
    try {
        MAPISess.FallbackFolder = files::Join(forms::App.Path, Utsendingsmappe);
        MAPISess.SetAction(mail::mapSignOn);
    } catch (const vb::Err& e) {
        // Without a sign-on there is nobody to hand the letter to.
        forms::MsgBox("Logon Failure: " + e.Description, forms::vbOKOnly);
        return;
    }
    forms::Screen.SetMousePointer(forms::vbHourglass);
    MAPIMess.SessionID = MAPISess.SessionID();
    forms::Screen.SetMousePointer(forms::vbDefault);
    Logon.SetEnabled(false);
    MsgCountLbl.SetCaption("On Line");

    MAPIMess.SetAction(mail::mapCompose);
    MAPIMess.MsgSubject = Text2.Text();
    if (!Text1.Text().empty()) MAPIMess.RecipAddress = Text1.Text();
    MAPIMess.AttachmentPathName = VedleggSti();
    MAPIMess.MsgNoteText = Text3.Text();
    try {
        MAPIMess.SetAction(mail::mapSendDialog);
    } catch (const vb::Err& e) {
        avLinje();
        if (e.Number == mail::errnum::AttachmentNotFound)
            forms::MsgBox(std::string("Finner ikke dommerfila som skal sendes med e-posten:") + vb::vbCr + e.Description +
                              vb::vbCr + vb::vbCr +
                              "Lagre dommerfila i denne katalogen først, med \"Lagre Dommerfil for utsendelse til "
                              "klubbene Som\" i dommerregisteret. Ingen e-post ble overlevert.",
                          forms::vbOKOnly + forms::vbExclamation);
        else
            forms::MsgBox(std::string("E-posten ble ikke overlevert til e-postprogrammet.") + vb::vbCr +
                              "Årsak :  " + e.Description,
                          forms::vbOKOnly + forms::vbExclamation);
        return;
    }
    // The mail client may answer after seconds or only when the user closes it: the window
    // stays in use meanwhile, and the answer is told even when it has been closed.
    std::shared_ptr<mail::Delivery> levering = MAPIMess.LastDelivery();
    auto svar = [this, levering, vindu = std::weak_ptr<int>(levende_)] {
        if (!levering->Poll()) return true;
        if (levering->Result() != mail::Delivery::Outcome::Taken && !vindu.expired()) avLinje();
        visUtfall(*levering);
        return false;
    };
    if (svar()) forms::Poll(100, std::move(svar));
}

void VBMail::avLinje() {
    MsgCountLbl.SetCaption("Off Line");
    Logon.SetEnabled(true);
}

void VBMail::visUtfall(const mail::Delivery& levering) {
    using Outcome = mail::Delivery::Outcome;
    if (levering.Result() == Outcome::Taken) return;   // the mail client shows its own send dialog
    const std::string ingenKlient = "Det er ikke satt opp noe e-postprogram på denne maskinen.";
    if (levering.SavedFile().empty()) {
        forms::MsgBox("E-posten ble ikke overlevert til e-postprogrammet." + std::string(vb::vbCr) + "Årsak :  " +
                          (levering.Result() == Outcome::NoClient ? ingenKlient : levering.Reason()) + vb::vbCr +
                          vb::vbCr + "E-posten kunne heller ikke lagres:" + vb::vbCr + levering.SaveError(),
                      forms::vbOKOnly + forms::vbExclamation);
        return;
    }
    const std::string lagret = std::string("E-posten med dommerfila er lagret her:") + vb::vbCr + levering.SavedFile() +
                               vb::vbCr + vb::vbCr + "Åpne fila i e-postprogrammet ditt og send den derfra.";
    if (levering.Result() == Outcome::NoClient)
        forms::MsgBox(ingenKlient + vb::vbCr + vb::vbCr + lagret, forms::vbOKOnly + forms::vbInformation);
    else
        forms::MsgBox(std::string("E-postprogrammet tok ikke imot e-posten.") + vb::vbCr + "Årsak :  " +
                          levering.Reason() + vb::vbCr + vb::vbCr + lagret,
                      forms::vbOKOnly + forms::vbExclamation);
}

void VBMail::SSCommand1_Click() { Unload(); }

void VBMail::Timer1_Timer() { TimeLbl.SetCaption(klokken()); }

void VBMail::Picture1_Resize() {
    const int w = Picture1.Width();
    TimeLbl.SetLeft(w - TimeLbl.Width() - 265);
    for (int i : {0, 1}) {
        forms::Line& topp = TopLine2(i);
        topp.SetEnds(topp.X1(), topp.Y1(), w, topp.Y2());
        forms::Line& tid = TimeBoxLine(i);
        tid.SetEnds(w - 1200, tid.Y1(), w - 60, tid.Y2());
        forms::Line& melding = MsgBoxLine(i);
        melding.SetEnds(melding.X1(), melding.Y1(), w - 1290, melding.Y2());
    }
    TimeBoxSide(0).SetEnds(w - 1200, TimeBoxSide(0).Y1(), w - 1200, TimeBoxSide(0).Y2());
    TimeBoxSide(1).SetEnds(w - 60, TimeBoxSide(1).Y1(), w - 60, TimeBoxSide(1).Y2());
    MsgBoxSide(1).SetEnds(w - 1290, MsgBoxSide(1).Y1(), w - 1290, MsgBoxSide(1).Y2());
}

void VBMail::Picture2_Resize() {
    forms::Line& linje = TopLine(0);
    linje.SetEnds(linje.X1(), linje.Y1(), Picture2.Width(), linje.Y2());
}
