#pragma once
// One print run as the user meets it:
//
//   Utfor_Utskrift([] { ...print, ending with Printer.EndDoc()... });
//
// An error inside the run kills its document (no half document reaches the
// printer or merges into the next run) and is told in a message box, "Årsak :  "
// and the error's text; the program goes on. Returns false when the run failed.
#include <functional>

bool Utfor_Utskrift(const std::function<void()>& run);
