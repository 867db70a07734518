// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QLabel;

// Fonts that shrink so a text, wrapped at its spaces, fits a box: labels placed in twips keep
// their box at every scale, whatever the length of what they say.

// The smallest pixel size the fitting goes down to; below it the text is clipped.
inline constexpr int MinFittedPixelSize = 6;

// The largest pixel size, at most maxPixelSize, at which text fits in box in font's family and
// style; MinFittedPixelSize when even that does not fit.
int FittingPixelSize(const QString &text, const QFont &font, QSize box, int maxPixelSize);

// Gives the label, whose text wraps, the largest font up to maxPixelSize that shows its whole
// text in its contents box.
void FitLabelFont(QLabel *label, int maxPixelSize);
