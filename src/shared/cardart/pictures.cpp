// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/pictures.h"

#include "cardart.h"

#include <QPainter>

namespace {

bool isCardSized(const QString &name)
{
    return name == QLatin1String("DOS") || CardArt::parseCard(name).has_value();
}

bool stretches(const QString &name)
{
    return isCardSized(name) || name == QLatin1String("FOND");
}

} // namespace

namespace Pictures {

bool exists(const QString &name)
{
    return isCardSized(name) || CardArt::isIcon(name);
}

QSize nominalSize(const QString &name)
{
    if (isCardSized(name))
        return CardSize;
    if (name == QLatin1String("FOND"))
        return CardArt::TileSize.toSize();
    if (CardArt::isIcon(name))
        return CardArt::IconSize.toSize();
    return {};
}

void paint(QPainter &painter, const QRectF &target, const QString &name)
{
    const QSizeF nominal = nominalSize(name);
    if (nominal.isEmpty() || target.isEmpty())
        return;
    QRectF box = target;
    if (!stretches(name)) {
        box.setSize(nominal.scaled(target.size(), Qt::KeepAspectRatio));
        box.moveCenter(target.center());
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / nominal.width(), box.height() / nominal.height());
    if (name == QLatin1String("DOS"))
        CardArt::paintCardBack(painter);
    else if (const auto card = CardArt::parseCard(name))
        CardArt::paintCardFace(painter, *card);
    else
        CardArt::paintIcon(painter, name);
    painter.restore();
}

QPixmap pixmap(const QString &name, const QSize &size, qreal devicePixelRatio)
{
    if (!exists(name) || size.isEmpty() || devicePixelRatio <= 0)
        return {};
    QPixmap rendering(size * devicePixelRatio);
    rendering.setDevicePixelRatio(devicePixelRatio);
    rendering.fill(Qt::transparent);
    {
        QPainter painter(&rendering);
        paint(painter, QRectF(QPointF(0, 0), size), name);
    }
    return rendering;
}

QIcon icon(const QString &name)
{
    QIcon result;
    if (!exists(name))
        return result;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        result.addPixmap(pixmap(name, nominalSize(name).scaled(side, side, Qt::KeepAspectRatio)));
    return result;
}

QCursor handCursor()
{
    // Built once: the table sets it while the mouse moves over the cards.
    static const QCursor hand = [] {
        constexpr int Side = 32;
        const qreal scale = Side / CardArt::IconSize.width();
        return QCursor(pixmap(QStringLiteral("MAIN"), QSize(Side, Side)),
                       qRound(CardArt::HandHotSpot.x() * scale),
                       qRound(CardArt::HandHotSpot.y() * scale));
    }();
    return hand;
}

} // namespace Pictures
