#include "platform/vb/Err.h"

#include <map>

namespace vb {

Err::Err(int number, std::string description)
    : std::runtime_error(description), Number(number), Description(std::move(description)) {}

void Raise(int number, const std::string& description) {
    throw Err(number, description.empty() ? ErrorText(number) : description);
}

std::string ErrorText(int number) {
    static const std::map<int, std::string> texts = {
        {3, "Return uten GoSub"},
        {5, "Ugyldig prosedyrekall eller argument"},
        {6, "Overflyt"},
        {7, "Ikke nok minne"},
        {9, "Indeksen er utenfor området"},
        {11, "Divisjon med null"},
        {13, "Typen samsvarer ikke"},
        {52, "Ugyldig filnavn eller nummer"},
        {53, "Finner ikke filen"},
        {55, "Filen er allerede åpen"},
        {57, "I/U-feil ved enhet"},
        {58, "Filen finnes allerede"},
        {61, "Disken er full"},
        {68, "Enheten er ikke tilgjengelig"},
        {70, "Ingen tilgang"},
        {71, "Disken er ikke klar"},
        {75, "Feil ved tilgang til bane/fil"},
        {76, "Finner ikke banen"},
        {91, "Objektvariabel eller With-blokkvariabel er ikke angitt"},
        {94, "Ugyldig bruk av Null"},
        {380, "Ugyldig egenskapsverdi"},
        {482, "Skriverfeil"},
        {3020, "Update eller CancelUpdate uten AddNew eller Edit."},
        {3021, "Ingen gjeldende post."},
        {3027, "Kan ikke oppdatere. Databasen eller objektet er skrivebeskyttet."},
        {3051, "Databasemotoren kan ikke åpne filen. Den er ikke en database, er skrivebeskyttet, "
               "er allerede åpnet eksklusivt av en annen bruker, eller du har ikke tillatelse til å åpne den."},
        {3061, "For få parametere."},
        {3075, "Syntaksfeil i uttrykket."},
        {3163, "Feltet er for lite til å ta imot så mye data som du prøvde å legge til. "
               "Prøv å sette inn eller lime inn mindre data."},
        {3191, "Kan ikke definere feltet mer enn én gang."},
        {3196, "Databasen er allerede i bruk av en annen person eller prosess."},
        {3204, "Databasen finnes allerede."},
        {3265, "Finner ikke elementet i denne samlingen."},
    };
    const auto it = texts.find(number);
    return it != texts.end() ? it->second : "Programdefinert eller objektdefinert feil";
}

} // namespace vb
