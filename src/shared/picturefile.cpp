// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/picturefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Well beyond any screen, yet small enough that decoding cannot exhaust memory.
constexpr int MaxSide = 8192;
constexpr qint64 MaxPixels = qint64(32) * 1024 * 1024;

} // namespace

QString PictureFileFilters()
{
    return QCoreApplication::translate(
        "PictureFile",
        "Tous les fichiers d'images (*.bmp *.dib *.gif *.jpg *.jpeg *.emf *.wmf *.cur *.ico *.png "
        "*.svg);;Fichiers Bitmap (*.bmp);;Fichiers DIB (*.dib);;Fichiers GIF (*.gif);;Fichiers "
        "JPEG "
        "(*.jpg *.jpeg);;Fichiers Windows MetaFile (*.wmf);;Fichiers Extended MetaFiles "
        "(*.emf);;Fichiers de curseurs (*.cur);;Fichiers d'icônes (*.ico)");
}

QImage ReadPictureFile(const QString &path)
{
    QImageReader reader(path);
    // A DIB is a BMP file under another name; Qt knows it only by the latter.
    if (QFileInfo(path).suffix().compare(QLatin1String("dib"), Qt::CaseInsensitive) == 0)
        reader.setFormat("bmp");
    reader.setAutoTransform(true);
    // The size the header claims is checked before decoding, so the options dialog and the game
    // table stay safe whatever global allocation limit Qt has been given.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxSide || size.height() > MaxSide ||
                           qint64(size.width()) * size.height() > MaxPixels))
        return {};
    return reader.read();
}
