#include "media/WebPage.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

bool OpenWebPage(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}
