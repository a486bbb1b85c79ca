#include "media/SkinPictures.h"

#include <QFile>

QPixmap SkinPicture(const QString& name)
{
    const QString path = QStringLiteral(":/skin/%1.bmp").arg(name.toUpper());
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

QPixmap DesignPicture(const QString& name)
{
    return QPixmap(QStringLiteral(":/images/%1.png").arg(name));
}
