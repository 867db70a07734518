// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Pictures the player picks on disk for the card back and the table.

// The file dialog's filters, in Qt's ";;" syntax, every picture type first.
QString PictureFileFilters();

// The picture, or a null image when Qt cannot decode it or it is too large to hold safely.
QImage ReadPictureFile(const QString &path);
