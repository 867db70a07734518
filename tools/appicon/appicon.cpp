// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon, the fanned cards "A", in the layout of the desktop's icon theme:
//   appicon FOLDER NAME
// writes FOLDER/scalable/apps/NAME.svg and FOLDER/<n>x<n>/apps/NAME.png for every size the
// desktop asks for, from 16 to 256 pixels.

#include "shared/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

const QString Icon = QStringLiteral("A");

// The part of the icon's box the drawing covers, in the box's units, measured on a large
// rendering with room around the box: the fan of "A" leaves the top of its box empty and reaches
// a little past its sides, which the desktop would show as an icon sitting low and cut.
QRectF drawnBox()
{
    const QSizeF box = Pictures::nominalSize(Icon);
    constexpr qreal Scale = 16;
    const QPointF margin(box.width() / 2, box.height() / 2);
    QImage probe((box * 2 * Scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    probe.fill(Qt::transparent);
    QPainter painter(&probe);
    painter.setRenderHint(QPainter::Antialiasing);
    Pictures::paint(painter, QRectF(margin * Scale, box * Scale), Icon);
    painter.end();
    QRect covered;
    for (int y = 0; y < probe.height(); ++y) {
        for (int x = 0; x < probe.width(); ++x) {
            if (qAlpha(probe.pixel(x, y)) != 0)
                covered |= QRect(x, y, 1, 1);
        }
    }
    return QRectF(QPointF(covered.topLeft()) / Scale - margin, QSizeF(covered.size()) / Scale);
}

// Where to paint the icon's box in a square of the given side so that the drawing is centred
// in it with a small margin all round.
QRectF targetIn(qreal side, const QRectF &drawn)
{
    const QSizeF box = Pictures::nominalSize(Icon);
    const qreal scale = side * 15 / 16 / std::max(drawn.width(), drawn.height());
    return QRectF(QPointF(side, side) / 2 - drawn.center() * scale, box * scale);
}

bool writeSvg(const QString &path, const QRectF &drawn)
{
    const QRect box(0, 0, 256, 256);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(box.size());
    svg.setViewBox(box);
    svg.setTitle(QStringLiteral("Vorelles"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Pictures::paint(painter, targetIn(box.width(), drawn), Icon);
    return painter.end();
}

bool writePng(const QString &path, int size, const QRectF &drawn)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Pictures::paint(painter, targetIn(size, drawn), Icon);
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage : appicon DOSSIER NOM\n");
        return 2;
    }
    const QDir folder(args.at(1));
    const QString name = args.at(2);

    const QRectF drawn = drawnBox();
    QStringList failed;
    const QString svg =
        folder.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg"));
    if (!QDir().mkpath(QFileInfo(svg).path()) || !writeSvg(svg, drawn))
        failed.append(svg);
    for (const int size : std::array{16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString png = folder.filePath(QStringLiteral("%1x%1/apps/").arg(size) + name +
                                            QStringLiteral(".png"));
        if (!QDir().mkpath(QFileInfo(png).path()) || !writePng(png, size, drawn))
            failed.append(png);
    }
    for (const QString &path : std::as_const(failed))
        std::fprintf(stderr, "appicon : impossible d'écrire %s\n", qPrintable(path));
    return failed.isEmpty() ? 0 : 1;
}
