#pragma once
// One message on its way to the mail client. Its answer is looked for without
// waiting, however long xdg-email takes; a refusal of any kind saves the message
// as an ".eml" file, so that it never vanishes.
#include <sys/types.h>

#include <string>

#include "platform/mail/Eml.h"

namespace mail {

class Delivery {
public:
    enum class Outcome { Waiting, Taken, NoClient, Refused };

    // Watches xdg-email running as child; on a refusal the message goes to emlPath.
    Delivery(pid_t child, EmlMessage message, std::string emlPath);
    // A message no mail client could be given (NoClient or Refused, with the reason): saved at once.
    Delivery(Outcome refusal, std::string reason, EmlMessage message, std::string emlPath);
    // A child still running is left to the mail client and reaped in the background.
    ~Delivery();
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

    // Looks once and never blocks; true once the outcome is known.
    bool Poll();
    Outcome Result() const { return outcome_; }
    // Why xdg-email did not take the message (Refused).
    const std::string& Reason() const { return reason_; }
    // The ".eml" the message was saved as; "" when a mail client took it or the save failed.
    const std::string& SavedFile() const { return savedFile_; }
    // Why the message could not be saved either; "" when it was.
    const std::string& SaveError() const { return saveError_; }

private:
    void finish(Outcome outcome, std::string reason);

    pid_t child_ = 0;
    EmlMessage message_;
    std::string emlPath_, reason_, savedFile_, saveError_;
    Outcome outcome_ = Outcome::Waiting;
};

} // namespace mail
