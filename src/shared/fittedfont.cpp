// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/fittedfont.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

bool fits(const QString &text, QFont font, QSize box, int pixelSize)
{
    font.setPixelSize(pixelSize);
    const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), box),
                                                         Qt::TextWordWrap | Qt::AlignLeft, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

} // namespace

int FittingPixelSize(const QString &text, const QFont &font, QSize box, int maxPixelSize)
{
    int low = MinFittedPixelSize;
    int high = std::max(maxPixelSize, MinFittedPixelSize);
    if (fits(text, font, box, high))
        return high;
    // Wrapping makes the fit nearly, not strictly, monotonic: any size found fits.
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(text, font, box, middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

void FitLabelFont(QLabel *label, int maxPixelSize)
{
    const int margin = label->margin();
    const QSize box = label->contentsRect().adjusted(margin, margin, -margin, -margin).size();
    QFont font = label->font();
    font.setPixelSize(FittingPixelSize(label->text(), font, box, maxPixelSize));
    if (font != label->font())
        label->setFont(font);
}
