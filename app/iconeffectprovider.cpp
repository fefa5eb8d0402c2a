#include "app/iconeffectprovider.h"

#include "app/icoiconengine.h"

#include <QColor>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QQmlEngine>
#include <QQmlFile>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <cmath>
#include <vector>

const QString IconEffectProvider::providerId = QStringLiteral("iconeffects");

namespace {

// Far beyond any title-bar icon; keeps a malformed address from asking for a huge image.
constexpr int maxSide = 1024;
constexpr int maxRadius = 128;

// A number from the query within [low, high]; anything else, not-a-number included, is low.
double boundedNumber(const QUrlQuery &query, const QString &name, double low, double high)
{
    bool ok = false;
    const double value = query.queryItemValue(name).toDouble(&ok);
    return ok && std::isfinite(value) ? std::clamp(value, low, high) : low;
}

QString sourcePath(const QUrlQuery &query)
{
    return QQmlFile::urlToLocalFileOrQrc(QUrl(query.queryItemValue(QStringLiteral("source"), QUrl::FullyDecoded)));
}

// In the format its suffix names, and no other: a reader left to detect the format asks every
// image plugin, which loads them all (on Linux the SVG one with the widget library).
QImage readImage(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage loadIcon(const QUrlQuery &query, qreal dpr)
{
    const QString path = sourcePath(query);
    const QSize size(qRound(boundedNumber(query, QStringLiteral("width"), 0, maxSide + 1) * dpr),
                     qRound(boundedNumber(query, QStringLiteral("height"), 0, maxSide + 1) * dpr));
    if (path.isEmpty() || size.isEmpty() || size.width() > maxSide || size.height() > maxSide)
        return {};
    const QImage icon = readImage(path);
    if (icon.isNull())
        return {};
    return icon.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The blur of Qt's Glow effect with these settings: `samples` / 2 taps on each side spread
// evenly over `radius` pixels, weighted by a Gaussian of deviation (radius + 1) / 3.3333 taps.
// Here every pixel within the radius is weighted, on the same curve.
std::vector<float> gaussianKernel(int radius, int samples)
{
    const int taps = std::max(1, samples / 2);
    const double deviation = std::max(0.00001, (radius + 1) / 3.3333 * radius / taps);
    std::vector<float> kernel(static_cast<size_t>(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double weight = std::exp(-(i * i) / (2 * deviation * deviation));
        kernel[static_cast<size_t>(i + radius)] = static_cast<float>(weight);
        sum += weight;
    }
    for (float &weight : kernel)
        weight = static_cast<float>(weight / sum);
    return kernel;
}

// One pass of a separable blur over an alpha plane of `width` × `height`. Each covered pixel
// spreads its alpha over its neighbours: most of the plane is empty, so this does a fraction of
// the work of gathering for every pixel, with the same result for a symmetric kernel.
std::vector<float> blurPass(const std::vector<float> &plane, int width, int height, const std::vector<float> &kernel,
                            bool horizontal)
{
    const int reach = static_cast<int>(kernel.size() / 2);
    std::vector<float> out(plane.size(), 0.0f);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float value = plane[static_cast<size_t>(y * width + x)];
            if (value == 0.0f)
                continue;
            const int along = horizontal ? x : y;
            const int length = horizontal ? width : height;
            const int first = std::max(-reach, -along);
            const int last = std::min(reach, length - 1 - along);
            for (int k = first; k <= last; ++k) {
                const int tx = horizontal ? x + k : x;
                const int ty = horizontal ? y : y + k;
                out[static_cast<size_t>(ty * width + tx)] += kernel[static_cast<size_t>(k + reach)] * value;
            }
        }
    }
    return out;
}

} // namespace

IconEffectProvider::IconEffectProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

void IconEffectProvider::install(QQmlEngine *engine)
{
    engine->addImageProvider(providerId, new IconEffectProvider);
}

QImage IconEffectProvider::tinted(const QImage &icon, const QColor &color)
{
    QImage image = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

QImage IconEffectProvider::glow(const QImage &icon, int radius, int samples, const QColor &color)
{
    const QImage source = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = source.width() + 2 * radius;
    const int height = source.height() + 2 * radius;
    std::vector<float> alpha(static_cast<size_t>(width) * static_cast<size_t>(height), 0.0f);
    for (int y = 0; y < source.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            alpha[static_cast<size_t>((y + radius) * width + x + radius)] = qAlpha(line[x]) / 255.0f;
    }
    const std::vector<float> kernel = gaussianKernel(radius, samples);
    alpha = blurPass(blurPass(alpha, width, height, kernel, true), width, height, kernel, false);

    QImage halo(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(halo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int a = std::clamp(qRound(alpha[static_cast<size_t>(y * width + x)] * 255.0f), 0, 255);
            line[x] = qRgba(color.red() * a / 255, color.green() * a / 255, color.blue() * a / 255, a);
        }
    }
    return halo;
}

QImage IconEffectProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const int mark = id.indexOf(QLatin1Char('?'));
    const QString kind = id.left(mark);
    const QUrlQuery query(mark < 0 ? QString() : id.mid(mark + 1));
    const qreal dpr = boundedNumber(query, QStringLiteral("dpr"), 1, 4);

    QImage result;
    if (kind == QLatin1String("frame")) {
        const QString path = sourcePath(query);
        if (!path.isEmpty())
            result = IcoIconEngine(path).image(requestedSize);
    } else if (kind == QLatin1String("plain")) {
        const QString path = sourcePath(query);
        if (!path.isEmpty())
            result = readImage(path);
    } else if (QImage icon = loadIcon(query, dpr); !icon.isNull()) {
        if (kind == QLatin1String("tint")) {
            result = tinted(icon, QColor(query.queryItemValue(QStringLiteral("color"), QUrl::FullyDecoded)));
        } else if (kind == QLatin1String("glow")) {
            const QColor tint(query.queryItemValue(QStringLiteral("tint"), QUrl::FullyDecoded));
            if (tint.isValid()) {
                // The halo surrounds what is drawn: the icon with its tint over it.
                QPainter painter(&icon);
                painter.drawImage(0, 0, tinted(icon, tint));
            }
            const int radius = std::min(qRound(boundedNumber(query, QStringLiteral("radius"), 0, maxRadius) * dpr), maxRadius);
            const int samples = qRound(boundedNumber(query, QStringLiteral("samples"), 0, 2 * maxRadius));
            QColor color(query.queryItemValue(QStringLiteral("color"), QUrl::FullyDecoded));
            if (!color.isValid())
                color = Qt::white;
            result = glow(icon, radius, qRound(samples * dpr), color);
        }
    }
    if (size)
        *size = result.size();
    // The renderer draws premultiplied images: one of any other format would be kept twice, as
    // read here for the cache and converted for the scene (the watermark alone is 130 KiB).
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
