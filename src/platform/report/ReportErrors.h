#pragma once
// The error numbers of the report component, as the program's handlers test them.
namespace report::errnum {
constexpr int TemplateUnavailable = 20504;   // the template is missing, unreadable or faulty (told as it is read)
constexpr int CannotWriteOutput = 20507;     // the output file cannot be written: its folder is missing
constexpr int FormulaError = 20515;          // the selection formula or the sort field cannot be read
constexpr int NoDefaultPrinter = 20526;      // a run to the printer without one; our runs write files only
constexpr int CannotOpenData = 20533;        // the data file cannot be opened
constexpr int DatabaseDoesNotFit = 20534;    // a table or field the template names is missing
} // namespace report::errnum
