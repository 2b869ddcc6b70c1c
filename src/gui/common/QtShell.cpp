#include "gui/common/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorvix {

bool QtShell::OpenAddress(const std::string& address) {
    const QUrl url = QUrl::fromUserInput(QString::fromUtf8(address.data(),
                                                           static_cast<qsizetype>(address.size())));
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace quorvix
