// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one PNG showing every built-in picture, to check the drawings by eye:
//   picturesheet out.png [scale]
// Four rows of faces (one suit a row), then the back, the icons and the hand.

#include "shared/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool scaleOk = true;
    const qreal scale = args.size() > 2 ? args.at(2).toDouble(&scaleOk) : 1.0;
    if (args.size() < 2 || !scaleOk || scale <= 0 || scale > 16) {
        std::fprintf(stderr, "usage: picturesheet out.png [scale]\n");
        return 2;
    }

    const QStringList ranks{"AS", "2", "3",  "4",     "5",    "6",  "7",
                            "8",  "9", "10", "VALET", "DAME", "ROI"};
    const QStringList suits{"PIQUE", "COEUR", "CARREAU", "TREFLE"};
    const QStringList extras{"DOS",     "A",      "JEU",   "PARAMETRES", "AIDE", "PIQUE",
                             "CARREAU", "TREFLE", "COEUR", "RECHERCHE",  "FOND", "MAIN"};
    const QSizeF cell = QSizeF(Pictures::CardSize) * scale;
    const qreal gap = 6 * scale;
    const int columns = static_cast<int>(ranks.size());
    const int rows = static_cast<int>(suits.size()) + 1;
    QImage sheet(
        QSizeF(columns * (cell.width() + gap) + gap, rows * (cell.height() + gap) + gap).toSize(),
        QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x2a, 0x6b, 0x3c));

    QPainter painter(&sheet);
    auto place = [&](int row, int column, const QString &name) {
        const QPointF at(gap + column * (cell.width() + gap), gap + row * (cell.height() + gap));
        QSizeF size = cell;
        if (name != "DOS")
            size = QSizeF(Pictures::nominalSize(name)) * scale;
        Pictures::paint(painter, QRectF(at, size), name);
    };
    for (int s = 0; s < suits.size(); ++s) {
        for (int r = 0; r < columns; ++r)
            place(s, r, ranks.at(r) + "DE" + suits.at(s));
    }
    for (int i = 0; i < extras.size(); ++i)
        place(rows - 1, i, extras.at(i));
    painter.end();

    if (!sheet.save(args.at(1))) {
        std::fprintf(stderr, "picturesheet: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
