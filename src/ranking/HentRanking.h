#pragma once
// The two choosers of the ranking window that pick the file ranking entries are
// imported from: HentRanking a tournament program database ("*.bcd"),
// HentRanking2 another database of this program ("*.kvx"). OK refuses the open
// database and keeps the chooser; otherwise it asks first, runs the import and
// closes the chooser.
#include <string>

#include "shared/Filvelger.h"

class Rankingvelger : public Filvelger {
public:
    Rankingvelger(std::string name, const std::string& caption, std::string monster);
    void SSCommand1_Click(int Index) override;

protected:
    void ForApning() override;
    void EtterKatalog() override;
    virtual void Importer(const std::string& sti) = 0;

private:
    std::string monster_;
};

class HentRanking : public Rankingvelger {
public:
    HentRanking();

protected:
    void Importer(const std::string& sti) override;
};

class HentRanking2 : public Rankingvelger {
public:
    HentRanking2();

protected:
    void Importer(const std::string& sti) override;
};
