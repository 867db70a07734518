// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/pictures.h"
#include "shared/renderings.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

namespace {

QStringList cardNames()
{
    QStringList names;
    for (const char *suit : {"PIQUE", "COEUR", "CARREAU", "TREFLE"})
        for (const QString &rank : QString("AS 2 3 4 5 6 7 8 9 10 VALET DAME ROI").split(' '))
            names << rank + "DE" + QLatin1String(suit);
    return names;
}

QImage render(const QString &name, const QSize &size, const QColor &background = Qt::transparent)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    Pictures::paint(painter, QRectF(QPointF(0, 0), size), name);
    return image;
}

const auto isRed = [](QRgb p) {
    return qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100;
};
const auto isDark = [](QRgb p) { return qAlpha(p) > 200 && qGray(p) < 60; };

bool anyPixel(const QImage &image, const QRect &area, bool (*test)(QRgb))
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y)))
                return true;
    return false;
}

// Pixels part way between the white card and the black pip along one row, away from the grey
// border: the width of the antialiased edges, which an upscaled small rendering blurs.
int blurredPixels(const QImage &image, int y)
{
    int count = 0;
    for (int x = image.width() / 6; x < image.width() * 5 / 6; ++x)
        count += qAlpha(image.pixel(x, y)) == 255 && qGray(image.pixel(x, y)) > 40 &&
                 qGray(image.pixel(x, y)) < 215;
    return count;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachNameDrawsItsOwnPictureAndUnknownNamesNothing()
    {
        const QStringList icons{"A",      "JEU",   "PARAMETRES", "AIDE", "PIQUE", "CARREAU",
                                "TREFLE", "COEUR", "RECHERCHE",  "FOND", "MAIN"};
        QHash<QByteArray, QString> seen;
        for (const QString &name : cardNames() + QStringList{"DOS"} + icons) {
            QVERIFY2(Pictures::exists(name), qPrintable(name));
            const QSize size = Pictures::nominalSize(name);
            const QImage image = Pictures::pixmap(name, size).toImage();
            const QImage middle = image.copy(size.width() * 15 / 100, size.height() * 15 / 100,
                                             size.width() * 7 / 10, size.height() * 7 / 10);
            QImage flat = middle;
            flat.fill(middle.pixelColor(0, 0));
            QVERIFY2(middle != flat, qPrintable(name + " is blank or flat in its middle"));
            const auto bytes = QByteArrayView(image.constBits(), image.sizeInBytes()).toByteArray();
            QVERIFY2(!seen.contains(bytes), qPrintable(name + " looks like " + seen.value(bytes)));
            seen.insert(bytes, name);
            if (name == "DOS" || icons.contains(name))
                continue;
            const bool red = name.endsWith("COEUR") || name.endsWith("CARREAU");
            // The index with its small suit sign, top left and turned round at bottom right.
            for (const QRect &corner :
                 {QRect(1, 1, 12, 24), QRect(size.width() - 13, size.height() - 25, 12, 24)}) {
                QVERIFY2(anyPixel(image, corner, isRed) == red, qPrintable(name));
                QVERIFY2(anyPixel(image, corner, isDark) == !red, qPrintable(name));
            }
            // Court figures are coloured whatever the suit; other faces carry only their ink.
            if (!name.startsWith("VALET") && !name.startsWith("DAME") && !name.startsWith("ROI"))
                QVERIFY2(anyPixel(image, image.rect(), isRed) == red, qPrintable(name));
        }

        const QImage untouched = render(QString(), Pictures::CardSize, Qt::magenta);
        for (const char *name :
             {"", "dos", "1DEPIQUE", "11DECOEUR", "ROIDEPIQUES", "VALETDEPIQUEDECOEUR"}) {
            QVERIFY2(!Pictures::exists(name) && Pictures::nominalSize(name).isEmpty(), name);
            QVERIFY(Pictures::pixmap(name, Pictures::CardSize).isNull());
            QCOMPARE(render(name, Pictures::CardSize, Qt::magenta), untouched);
        }
    }

    void renderingsAreKeptPerNameSizeAndRatioScaledAndSharp()
    {
        Renderings kept;
        const QPixmap king = kept.pixmap("ROIDECOEUR", Pictures::CardSize, 1.0);
        const QPixmap larger = kept.pixmap("ROIDECOEUR", Pictures::CardSize * 2, 1.0);
        const QPixmap dense = kept.pixmap("ROIDECOEUR", Pictures::CardSize, 2.0);
        QCOMPARE(kept.pixmap("ROIDECOEUR", Pictures::CardSize, 1.0).cacheKey(), king.cacheKey());
        const QSet keys{king.cacheKey(), larger.cacheKey(), dense.cacheKey(),
                        kept.pixmap("DAMEDECOEUR", Pictures::CardSize, 1.0).cacheKey()};
        QCOMPARE(keys.size(), 4);
        QCOMPARE(kept.count(), 4);
        kept.clear();
        QCOMPARE(kept.count(), 0);
        QCOMPARE(dense.deviceIndependentSize(), QSizeF(Pictures::CardSize));
        QImage denseImage = dense.toImage();
        denseImage.setDevicePixelRatio(1);
        QCOMPARE(denseImage, larger.toImage());
        // Cards stretch over any box; icons keep their shape, centred in it.
        QCOMPARE(qAlpha(render("DOS", QSize(200, 94)).pixel(196, 47)), 255);
        const QImage wideHelp = render("AIDE", QSize(96, 32));
        QVERIFY(qAlpha(wideHelp.pixel(48, 16)) == 255 && qAlpha(wideHelp.pixel(20, 16)) == 0);

        constexpr int Scale = 4;
        const QImage sharp = Pictures::pixmap("ASDEPIQUE", Pictures::CardSize, Scale).toImage();
        const QImage upscaled =
            render("ASDEPIQUE", Pictures::CardSize)
                .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // A row across the big pip of the ace, just above its middle: two edges.
        const int row = sharp.height() / 2 - 2 * Scale;
        QVERIFY(isDark(sharp.pixel(sharp.width() / 2, row)));
        QVERIFY2(blurredPixels(sharp, row) <= 4, "edges are blurred at 4x");
        QVERIFY(blurredPixels(upscaled, row) > blurredPixels(sharp, row) * 2);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
