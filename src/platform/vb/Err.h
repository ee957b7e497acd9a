#pragma once
// Run-time and engine errors travel as the exception Err, carrying the number
// the program's handlers test (3051, 3191, 6, 13 ...) and a Norwegian text.
#include <stdexcept>
#include <string>

namespace vb {

class Err : public std::runtime_error {
public:
    Err(int number, std::string description);
    int Number;
    std::string Description;
};

// Throws Err; an empty description takes the standard text of the number.
[[noreturn]] void Raise(int number, const std::string& description = {});

// Norwegian standard text of a run-time or engine error number.
std::string ErrorText(int number);

// The numbers by name: the run-time's, and those of the engine the program tests or raises
// itself (the engine's others lie in platform/dao/Errors.h).
namespace errnum {
constexpr int InvalidArgument = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int FileExists = 58;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectNotSet = 91;
constexpr int InvalidUse = 94;
constexpr int InvalidPropertyValue = 380;
constexpr int InvalidPropertyIndex = 381;
constexpr int PropertyReadOnly = 383;
constexpr int FormAlreadyShown = 400;
constexpr int PrinterError = 482;
constexpr int TableExists = 3010;
constexpr int NoCurrentRecord = 3021;
constexpr int CannotOpen = 3051;
constexpr int NoSuchItem = 3265;
constexpr int FieldTooSmall = 3163;
constexpr int FieldExists = 3191;
constexpr int InUse = 3196;
constexpr int DatabaseExists = 3204;
constexpr int TooFewParameters = 3061;
constexpr int UpdateWithoutEdit = 3020;
constexpr int SyntaxError = 3075;
constexpr int CannotUpdate = 3027;
constexpr int DiskFull = 3026;
constexpr int DiskError = 3043;
constexpr int NotADatabase = 3049;
constexpr int NoSuchTable = 3078;
constexpr int CancelChosen = 32755;   // the user cancelled a common dialog that raises on cancel
} // namespace errnum

} // namespace vb
