#include "shared/pictures.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

namespace {

const QStringList Ranks{"AS", "2", "3", "4", "5", "6", "7", "8", "9", "10", "VALET", "DAME", "ROI"};
const QStringList Suits{"PIQUE", "COEUR", "CARREAU", "TREFLE"};
const QStringList Icons{"A",      "JEU",   "PARAMETRES", "AIDE", "PIQUE", "CARREAU",
                        "TREFLE", "COEUR", "RECHERCHE",  "FOND", "MAIN"};

QStringList cardNames()
{
    QStringList names;
    for (const QString &suit : Suits) {
        for (const QString &rank : Ranks)
            names << rank + "DE" + suit;
    }
    return names;
}

QStringList allNames()
{
    return cardNames() << "DOS" << Icons;
}

QImage render(const QString &name, const QSize &size, const QColor &background = Qt::transparent)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    Pictures::paint(painter, QRectF(QPointF(0, 0), size), name);
    return image;
}

bool isRed(QRgb p)
{
    return qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100;
}

bool isDark(QRgb p)
{
    return qAlpha(p) > 200 && qGray(p) < 60;
}

bool anyPixel(const QImage &image, const QRect &area, bool (*test)(QRgb))
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixel(x, y)))
                return true;
        }
    }
    return false;
}

// Pixels part way between the white card and the black pip along one row, away from the grey
// border: the width of the antialiased edges, which an upscaled small rendering blurs.
int blurredPixels(const QImage &image, int y)
{
    int count = 0;
    for (int x = image.width() / 6; x < image.width() * 5 / 6; ++x) {
        const int grey = qGray(image.pixel(x, y));
        if (qAlpha(image.pixel(x, y)) == 255 && grey > 40 && grey < 215)
            ++count;
    }
    return count;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPictureExistsAndDrawsItsMiddle_data();
    void everyPictureExistsAndDrawsItsMiddle();
    void unknownNamesHaveNoPicture_data();
    void unknownNamesHaveNoPicture();
    void everyPictureLooksDifferent();
    void suitsHaveTheirColourInBothCorners_data();
    void suitsHaveTheirColourInBothCorners();
    void largeRenderingsStaySharp();
    void renderingsAreCachedPerNameSizeAndRatio();
    void cardsStretchAndIconsKeepTheirShape();
    void paintingStaysInsideTheCallersClip();
    void iconsAndCursor();
};

void TestPictures::everyPictureExistsAndDrawsItsMiddle_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : allNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestPictures::everyPictureExistsAndDrawsItsMiddle()
{
    QFETCH(QString, name);
    QVERIFY(Pictures::exists(name));
    const QSize size = Pictures::nominalSize(name);
    if (cardNames().contains(name) || name == "DOS")
        QCOMPARE(size, Pictures::CardSize);
    else
        QCOMPARE(size, name == "FOND" ? QSize(31, 28) : QSize(32, 32));

    const QImage image = Pictures::pixmap(name, size).toImage();
    QCOMPARE(image.size(), size);
    const QRect middle(size.width() * 15 / 100, size.height() * 15 / 100, size.width() * 70 / 100,
                       size.height() * 70 / 100);
    QSet<QRgb> colours;
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                colours.insert(image.pixel(x, y));
        }
    }
    QVERIFY2(colours.size() > 1, "the middle of the picture is blank or flat");
}

void TestPictures::unknownNamesHaveNoPicture_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"", "dos", "DOS ", "asdepique", "1DEPIQUE", "11DECOEUR", "DEPIQUE", "ASDE", "ASPIQUE",
          "ROIDEPIQUES", "CAVALIERDETREFLE", "VALETDEPIQUEDECOEUR", "ICONE"})
        QTest::newRow(name) << QString(name);
}

void TestPictures::unknownNamesHaveNoPicture()
{
    QFETCH(QString, name);
    QVERIFY(!Pictures::exists(name));
    QVERIFY(Pictures::nominalSize(name).isEmpty());
    QVERIFY(Pictures::pixmap(name, Pictures::CardSize).isNull());
    QVERIFY(Pictures::icon(name).isNull());
    const QImage untouched = render(QString(), Pictures::CardSize, Qt::magenta);
    QCOMPARE(render(name, Pictures::CardSize, Qt::magenta), untouched);
}

void TestPictures::everyPictureLooksDifferent()
{
    QHash<QByteArray, QString> seen;
    for (const QString &name : allNames()) {
        const QImage image = render(name, Pictures::nominalSize(name) * 2);
        const QByteArray bytes(reinterpret_cast<const char *>(image.constBits()),
                               image.sizeInBytes());
        QVERIFY2(!seen.contains(bytes), qPrintable(name + " looks like " + seen.value(bytes)));
        seen.insert(bytes, name);
    }
}

void TestPictures::suitsHaveTheirColourInBothCorners_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("red");
    for (const QString &name : cardNames())
        QTest::newRow(qPrintable(name))
            << name << (name.endsWith("COEUR") || name.endsWith("CARREAU"));
}

void TestPictures::suitsHaveTheirColourInBothCorners()
{
    QFETCH(QString, name);
    QFETCH(bool, red);
    const QImage image = render(name, Pictures::CardSize);
    const QSize size = Pictures::CardSize;
    // The index with its small suit sign, top left and turned round at bottom right.
    const QRect topLeft(1, 1, 12, 24);
    const QRect bottomRight(size.width() - 13, size.height() - 25, 12, 24);
    for (const QRect &corner : {topLeft, bottomRight}) {
        QCOMPARE(anyPixel(image, corner, isRed), red);
        QCOMPARE(anyPixel(image, corner, isDark), !red);
    }
    // Court figures are coloured whatever the suit; the other faces carry only the suit's ink.
    const bool court =
        name.startsWith("VALET") || name.startsWith("DAME") || name.startsWith("ROI");
    if (!court)
        QCOMPARE(anyPixel(image, image.rect(), isRed), red);
}

void TestPictures::largeRenderingsStaySharp()
{
    constexpr int Scale = 4;
    const QImage sharp = Pictures::pixmap("ASDEPIQUE", Pictures::CardSize, Scale).toImage();
    QCOMPARE(sharp.size(), Pictures::CardSize * Scale);
    const QImage upscaled =
        render("ASDEPIQUE", Pictures::CardSize)
            .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // A row across the big pip of the ace, just above its middle: two edges.
    const int row = sharp.height() / 2 - 2 * Scale;
    QVERIFY(anyPixel(sharp, QRect(sharp.width() / 2, row, 1, 1), isDark));
    QVERIFY2(blurredPixels(sharp, row) <= 4, "edges are blurred at 4x");
    QVERIFY(blurredPixels(upscaled, row) > blurredPixels(sharp, row) * 2);
}

void TestPictures::renderingsAreCachedPerNameSizeAndRatio()
{
    const QPixmap king = Pictures::pixmap("ROIDECOEUR", Pictures::CardSize);
    QCOMPARE(Pictures::pixmap("ROIDECOEUR", Pictures::CardSize).cacheKey(), king.cacheKey());
    QVERIFY(Pictures::pixmap("DAMEDECOEUR", Pictures::CardSize).cacheKey() != king.cacheKey());

    const QPixmap larger = Pictures::pixmap("ROIDECOEUR", Pictures::CardSize * 2);
    QVERIFY(larger.cacheKey() != king.cacheKey());
    QCOMPARE(larger.size(), Pictures::CardSize * 2);

    const QPixmap dense = Pictures::pixmap("ROIDECOEUR", Pictures::CardSize, 2.0);
    QVERIFY(dense.cacheKey() != king.cacheKey() && dense.cacheKey() != larger.cacheKey());
    QCOMPARE(dense.size(), Pictures::CardSize * 2);
    QCOMPARE(dense.deviceIndependentSize(), QSizeF(Pictures::CardSize));
    QImage denseImage = dense.toImage();
    denseImage.setDevicePixelRatio(1);
    QCOMPARE(denseImage, larger.toImage());

    QVERIFY(Pictures::pixmap("ROIDECOEUR", QSize(0, 94)).isNull());
}

void TestPictures::cardsStretchAndIconsKeepTheirShape()
{
    const QImage wideBack = render("DOS", QSize(200, 94));
    QCOMPARE(qAlpha(wideBack.pixel(3, 47)), 255);
    QCOMPARE(qAlpha(wideBack.pixel(196, 47)), 255);

    const QImage wideHelp = render("AIDE", QSize(96, 32));
    QVERIFY(!anyPixel(wideHelp, QRect(0, 0, 30, 32), [](QRgb p) { return qAlpha(p) > 0; }));
    QVERIFY(!anyPixel(wideHelp, QRect(66, 0, 30, 32), [](QRgb p) { return qAlpha(p) > 0; }));
    QCOMPARE(qAlpha(wideHelp.pixel(48, 16)), 255);

    // The background tile fills the window it is stretched over.
    const QImage wideTile = render("FOND", QSize(300, 100));
    QCOMPARE(qAlpha(wideTile.pixel(0, 0)), 255);
    QCOMPARE(qAlpha(wideTile.pixel(299, 99)), 255);
}

void TestPictures::paintingStaysInsideTheCallersClip()
{
    for (const char *name : {"ROIDEPIQUE", "DOS", "FOND"}) {
        QImage image(Pictures::CardSize * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        const QRect left(0, 0, image.width() / 2, image.height());
        painter.setClipRect(left);
        Pictures::paint(painter, image.rect(), name);
        painter.end();
        const QRect right = image.rect().adjusted(left.width(), 0, 0, 0);
        QVERIFY2(!anyPixel(image, right, [](QRgb p) { return p != QColor(Qt::magenta).rgba(); }),
                 name);
    }
}

void TestPictures::iconsAndCursor()
{
    const QIcon help = Pictures::icon("AIDE");
    QVERIFY(!help.isNull());
    QCOMPARE(help.pixmap(QSize(64, 64)).size(), QSize(64, 64));

    const QCursor hand = Pictures::handCursor();
    const QImage image = hand.pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    const QPoint hot = hand.hotSpot();
    QVERIFY(image.rect().contains(hot));
    // The fingertip's black outline is at the hot spot, the white of the hand further in.
    QVERIFY(anyPixel(image, QRect(hot - QPoint(2, 2), QSize(5, 5)), isDark));
    QVERIFY(anyPixel(image, QRect(hot.x() - 2, hot.y() + 3, 5, 8),
                     [](QRgb p) { return qAlpha(p) == 255 && qGray(p) > 240; }));
    QVERIFY(Pictures::exists("MAIN"));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
