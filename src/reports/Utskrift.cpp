#include "reports/Utskrift.h"

#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"

bool Utfor_Utskrift(const std::function<void()>& run) {
    bool ferdig = false;
    forms::Dispatch([&] {
        printer::RunDocument(run);
        ferdig = true;
    });
    return ferdig;
}
