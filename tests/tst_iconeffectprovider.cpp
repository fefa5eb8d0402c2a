#include "app/iconeffectprovider.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cmath>

// The icon buttons' tint and halo, drawn on the CPU instead of by shader effects.
class TestIconEffectProvider : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_iconPath;

    // A 20 × 10 icon: an opaque 8 × 4 bar in the middle, half-transparent pixels at its ends.
    static QImage makeIcon()
    {
        QImage icon(20, 10, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        for (int y = 3; y < 7; ++y) {
            for (int x = 6; x < 14; ++x)
                icon.setPixel(x, y, qRgba(200, 30, 30, 255));
            icon.setPixel(5, y, qRgba(200, 30, 30, 128));
            icon.setPixel(14, y, qRgba(200, 30, 30, 128));
        }
        return icon;
    }

    QString iconUrl() const { return QUrl::fromLocalFile(m_iconPath).toString(QUrl::FullyEncoded); }

    static double alphaSum(const QImage &image)
    {
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += qAlpha(image.pixel(x, y)) / 255.0;
        return sum;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_iconPath = m_dir.filePath(QStringLiteral("icon.png"));
        QVERIFY(makeIcon().save(m_iconPath));
    }

    void tintKeepsShapeAndTakesColour_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::newRow("opaque white") << QColor(255, 255, 255);
        QTest::newRow("title-bar focus colour") << QColor(QStringLiteral("#f8ffffff"));
        QTest::newRow("half-transparent green") << QColor(0, 255, 0, 128);
    }

    void tintKeepsShapeAndTakesColour()
    {
        QFETCH(QColor, color);
        const QImage icon = makeIcon();
        const QImage tinted = IconEffectProvider::tinted(icon, color)
                                  .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(tinted.size(), icon.size());
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const int expectedAlpha = qAlpha(icon.pixel(x, y)) * color.alpha() / 255;
                const QRgb pixel = tinted.pixel(x, y);
                QVERIFY2(std::abs(qAlpha(pixel) - expectedAlpha) <= 1, qPrintable(QStringLiteral("alpha at %1,%2").arg(x).arg(y)));
                if (expectedAlpha > 64) {
                    QVERIFY(std::abs(qRed(pixel) - color.red()) <= 2);
                    QVERIFY(std::abs(qGreen(pixel) - color.green()) <= 2);
                    QVERIFY(std::abs(qBlue(pixel) - color.blue()) <= 2);
                }
            }
        }
    }

    void glowSurroundsTheIcon_data()
    {
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("samples");
        QTest::newRow("minimise button") << 12 << 40;
        QTest::newRow("close button") << 18 << 40;
        QTest::newRow("logo, taps spread wider than a pixel") << 40 << 40;
        QTest::newRow("few samples") << 6 << 4;
    }

    void glowSurroundsTheIcon()
    {
        QFETCH(int, radius);
        QFETCH(int, samples);
        const QImage icon = makeIcon();
        const QImage halo = IconEffectProvider::glow(icon, radius, samples, Qt::white);
        QCOMPARE(halo.size(), icon.size() + QSize(2 * radius, 2 * radius));

        // Blurring spreads the icon's coverage without losing any: the halo reaches far enough.
        QVERIFY2(std::abs(alphaSum(halo) - alphaSum(icon)) < 0.05 * alphaSum(icon), "coverage is kept");

        // Brightest over the icon, fading towards every edge, and symmetric like the icon.
        const QPoint centre(radius + 10, radius + 5);
        auto alphaAt = [&](int x, int y) { return qAlpha(halo.pixel(x, y)); };
        QVERIFY(alphaAt(centre.x(), centre.y()) > 0);
        for (int x = centre.x(); x + 1 < halo.width(); ++x)
            QVERIFY2(alphaAt(x + 1, centre.y()) <= alphaAt(x, centre.y()), "fades to the right");
        for (int y = centre.y(); y + 1 < halo.height(); ++y)
            QVERIFY2(alphaAt(centre.x(), y + 1) <= alphaAt(centre.x(), y), "fades downwards");
        for (int x = 0; x < halo.width(); ++x)
            QVERIFY(std::abs(alphaAt(x, centre.y()) - alphaAt(halo.width() - 1 - x, centre.y())) <= 1);
        QCOMPARE(alphaAt(0, 0), 0);

        // A white halo is premultiplied white: its colour channels equal its alpha.
        const QRgb pixel = halo.pixel(centre.x() + 6, centre.y());
        QCOMPARE(qRed(pixel), qAlpha(pixel));
    }

    void glowTakesTheColour()
    {
        const QImage halo = IconEffectProvider::glow(makeIcon(), 5, 40, QColor(255, 0, 0));
        const QRgb pixel = halo.pixel(15, 10);
        QVERIFY(qAlpha(pixel) > 0);
        QCOMPARE(qRed(pixel), qAlpha(pixel));
        QCOMPARE(qGreen(pixel), 0);
        QCOMPARE(qBlue(pixel), 0);
    }

    void requestImage_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QSize>("expectedSize");
        const QString source = QStringLiteral("source=") + QString::fromLatin1(QUrl::toPercentEncoding(iconUrl()));
        QTest::newRow("tint") << QStringLiteral("tint?%1&width=20&height=10&color=%23f8ffffff").arg(source) << QSize(20, 10);
        QTest::newRow("tint at twice the pixels") << QStringLiteral("tint?%1&width=20&height=10&dpr=2&color=%23ffffff").arg(source) << QSize(40, 20);
        QTest::newRow("glow") << QStringLiteral("glow?%1&width=20&height=10&radius=12&samples=40&tint=%23f8ffffff").arg(source) << QSize(44, 34);
        QTest::newRow("glow at twice the pixels") << QStringLiteral("glow?%1&width=20&height=10&radius=12&samples=40&dpr=2").arg(source) << QSize(88, 68);
        QTest::newRow("glow radius kept sane") << QStringLiteral("glow?%1&width=20&height=10&radius=100000&samples=40").arg(source) << QSize(20 + 256, 10 + 256);
        QTest::newRow("unknown kind") << QStringLiteral("blur?%1&width=20&height=10").arg(source) << QSize();
        QTest::newRow("no query") << QStringLiteral("tint") << QSize();
        QTest::newRow("missing icon") << QStringLiteral("tint?source=file:///nonexistent/icon.png&width=20&height=10") << QSize();
        QTest::newRow("no size") << QStringLiteral("tint?%1").arg(source) << QSize();
        QTest::newRow("negative size") << QStringLiteral("tint?%1&width=-20&height=10").arg(source) << QSize();
        QTest::newRow("huge size") << QStringLiteral("glow?%1&width=100000&height=100000&radius=12").arg(source) << QSize();
        QTest::newRow("too large once scaled") << QStringLiteral("tint?%1&width=600&height=10&dpr=2").arg(source) << QSize();
        QTest::newRow("infinite radius") << QStringLiteral("glow?%1&width=20&height=10&radius=1e400&samples=40").arg(source) << QSize(20, 10);
        QTest::newRow("not a number") << QStringLiteral("tint?%1&width=nan&height=10").arg(source) << QSize();
    }

    void requestImage()
    {
        QFETCH(QString, query);
        QFETCH(QSize, expectedSize);
        IconEffectProvider provider;
        QSize size(-5, -5);
        const QImage image = provider.requestImage(query, &size, QSize());
        QCOMPARE(image.size(), expectedSize.isValid() ? expectedSize : QSize(0, 0));
        QCOMPARE(size, image.size());
    }
};

QTEST_GUILESS_MAIN(TestIconEffectProvider)

#include "tst_iconeffectprovider.moc"
