#include "qtview/MailDomains.h"

#include <QString>
#include <QUrl>

namespace qtview {

std::string AsciiDomain(const std::string& domain) { return QUrl::toAce(QString::fromStdString(domain)).toStdString(); }

} // namespace qtview
