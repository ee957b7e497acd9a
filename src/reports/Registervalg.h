#pragma once
// What the referee reports read from the register window they are started from: the
// report type chosen and the search boxes. The register window answers for itself from
// its making to its end, so the reports need not know it.
#include <string>

class Registervalg {
public:
    // The report type chosen among the options SSOption1 to SSOption15 (1 to 15); 0 when none.
    virtual int Rapporttype() const = 0;
    // The search boxes: first name (Text1), last name (Text2), club (Text3).
    virtual std::string Sokefornavn() const = 0;
    virtual std::string Sokeetternavn() const = 0;
    virtual std::string Sokelag() const = 0;

    // The register window; while there is none, no type is chosen and the boxes are empty.
    static const Registervalg& Gjeldende();
    static void Meld(const Registervalg& vindu);
    // Forgets vindu when it is the one that answers.
    static void Glem(const Registervalg& vindu);

protected:
    virtual ~Registervalg() = default;
};
