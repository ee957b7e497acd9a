// The play type of a list: the layout of individual or team play, the store
// on a mouse press, and the store at the end of every entry save.
#include "platform/dao/Dao.h"
#include "ranking/Rankinglister.h"
#include "ranking/Ranking.h"
#include "state/ProgramState.h"

void Ranking::spilltypeUtforming(bool individuelt) {
    Label2.SetCaption(individuelt ? "Fornavn" : "Lag");
    Label3.SetCaption(individuelt ? "Etternavn" : "Lag forts.");
    Label5.SetVisible(individuelt);
    Text3.SetVisible(individuelt);
    kolonnebredder(individuelt);
    overskrifter(!individuelt);
}

void Ranking::Option7_Click() { spilltypeUtforming(true); }
void Ranking::Option8_Click() { spilltypeUtforming(false); }

void Ranking::lagreSpillOpsjon(const char* opsjon) {
    dao::Recordset rad =
        state::DBase.OpenRecordset("Select * from Ranking_KlData Where KlasseNr=" + std::to_string(state::AktivListe));
    if (rad.RecordCount() <= 0) return;
    rad.Edit();
    rad.Set("SpillOpsjon", opsjon);
    rad.Update();
}

void Ranking::Option7_MouseDown(int, int, float, float) { lagreSpillOpsjon(ranking::Individuelt); }
void Ranking::Option8_MouseDown(int, int, float, float) { lagreSpillOpsjon(ranking::Lagspill); }

void Ranking::Lagre_TypeSpill() {
    dao::Recordset rader =
        state::DBase.OpenRecordset("Select * from Ranking_KlData Where KlasseNr=" + std::to_string(state::AktivListe));
    for (; !rader.EOF_(); rader.MoveNext()) {
        const char* opsjon = Option7.Value() ? ranking::Individuelt : ranking::Lagspill;
        ranking::AktivSpillOpsjon = opsjon;
        // The save has mostly stored the same text already: no second write for it.
        const vb::Variant lagret = rader.Get("SpillOpsjon");
        if (!lagret.IsNull() && vb::CStr(lagret) == opsjon) continue;
        rader.Edit();
        rader.Set("SpillOpsjon", opsjon);
        rader.Update();
    }
    const bool individuelt = ranking::AktivSpillOpsjon == ranking::Individuelt;
    kolonnebredder(individuelt);
    overskrifter(!individuelt);
}
