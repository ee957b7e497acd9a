#pragma once
// The engine's error numbers by name, one list for the layer that raises them and
// the program that tests them. The run-time's own numbers are vb::errnum.
namespace dao::errnum {
constexpr int Reserved = 3000;
constexpr int TableExists = 3010;
constexpr int ObjectExists = 3012;
constexpr int UpdateWithoutEdit = 3020;
constexpr int NoCurrentRecord = 3021;
constexpr int DuplicateKey = 3022;
constexpr int FileGone = 3024;       // the open file was deleted or moved away
constexpr int DiskFull = 3026;
constexpr int CannotUpdate = 3027;
constexpr int NoTransaction = 3034;
constexpr int DiskError = 3043;
constexpr int InvalidPath = 3044;    // the engine's; the run-time's path not found is vb::errnum::PathNotFound (76)
constexpr int NotADatabase = 3049;
constexpr int Canceled = 3059;      // the work was cut short by a stop of the program
constexpr int CannotOpen = 3051;
constexpr int TooFewParameters = 3061;
constexpr int SelectNotExecutable = 3065;
constexpr int SyntaxError = 3075;
constexpr int NoSuchTable = 3078;
constexpr int BadName = 3125;
constexpr int FieldTooSmall = 3163;
constexpr int FieldNotUpdatable = 3164;
constexpr int RecordDeleted = 3167;
constexpr int FieldExists = 3191;
constexpr int InUse = 3196;
constexpr int FileReplaced = 3197;   // another program replaced or wrote the open file
constexpr int DatabaseExists = 3204;
constexpr int TableLocked = 3211;
constexpr int InvalidOperation = 3219;
constexpr int NoFieldDefined = 3264;
constexpr int NoSuchItem = 3265;
constexpr int IndexExists = 3284;
constexpr int NullNotAllowed = 3314;
constexpr int ObjectInvalid = 3420;
} // namespace dao::errnum
