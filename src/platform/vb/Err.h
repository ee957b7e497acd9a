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

// The run-time's numbers by name; the engine's are dao::errnum (platform/dao/ErrorNumbers.h).
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
constexpr int CancelChosen = 32755;   // the user cancelled a common dialog that raises on cancel
} // namespace errnum

} // namespace vb
