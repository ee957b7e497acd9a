#pragma once
// A message as an ".eml" file (MIME, RFC 5322): a plain ASCII subject as it is,
// any other as RFC 2047 encoded words, a display name outside ASCII encoded the
// same way, header lines folded within 76 characters; the letter and the
// attachment base64, the attachment under a plain ASCII name. Marked unsent, so
// a mail client opens it as a draft.
#include <string>

namespace mail {

struct EmlMessage {
    std::string subject, recipient, body;   // body lines end in LF or CR LF
    std::string attachmentPath;             // "" for none
};

// The whole message text.
std::string BuildEml(const EmlMessage& message);
// Writes it to path through a temporary file in the same folder (76 when the folder is missing).
void WriteEml(const EmlMessage& message, const std::string& path);

// The text with every line ended by CR LF, whichever ending it had.
std::string CrLf(const std::string& text);
// Base64 in lines of 76 characters, each ended by CR LF.
std::string Base64Lines(const std::string& bytes);
// The file name with letters outside ASCII spelt plainly (æ -> ae) and unsafe ones as "_".
std::string AsciiFileName(const std::string& utf8);

} // namespace mail
