#include "app/icoiconengine.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QtEndian>

#include <climits>

namespace {

// A frame stored as PNG, as large frames are, decoded here: the ICO plugin hands such a frame to a
// reader that first asks every image plugin whether it reads PNG, which loads them all (on Linux
// the SVG one with the widget library). Null when the frame is not PNG.
QImage pngFrame(const QString &fileName, int frame)
{
    constexpr int headerSize = 6;
    constexpr int entrySize = 16;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(headerSize + entrySize * (frame + 1));
    if (head.size() < headerSize + entrySize * (frame + 1))
        return {};
    const auto *entry = reinterpret_cast<const uchar *>(head.constData()) + headerSize + entrySize * frame;
    const quint32 bytes = qFromLittleEndian<quint32>(entry + 8);
    if (!file.seek(qFromLittleEndian<quint32>(entry + 12)))
        return {};
    QByteArray data = file.read(bytes);
    if (!data.startsWith("\x89PNG"))
        return {};
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

IcoIconEngine::IcoIconEngine(const QString &fileName) : m_fileName(fileName)
{
    // The frame sizes come from the file's directory; no frame is decoded here. No other image
    // plugin is asked whether it reads the file, which would load them all.
    QImageReader reader(m_fileName, "ico");
    reader.setAutoDetectImageFormat(false);
    for (int frame = 0; frame < reader.imageCount() && reader.jumpToImage(frame); ++frame)
        m_frameSizes << reader.size();
}

int IcoIconEngine::frameFor(const QSize &size) const
{
    // By area, as Qt's own engine chooses, so that every size looks as it did.
    const auto area = [](const QSize &s) { return qint64(s.width()) * s.height(); };
    const qint64 wanted = area(size);
    int best = -1;
    for (int frame = 0; frame < m_frameSizes.size(); ++frame) {
        if (best < 0) {
            best = frame;
            continue;
        }
        const qint64 candidate = area(m_frameSizes.at(frame));
        const qint64 current = area(m_frameSizes.at(best));
        const bool fits = candidate >= wanted;
        if (fits != (current >= wanted) ? fits : (fits ? candidate < current : candidate > current))
            best = frame;
    }
    return best;
}

QSize IcoIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int frame = frameFor(size);
    if (frame < 0)
        return {};
    // Scaled down to fit, never up, as Qt's own engine does.
    const QSize frameSize = m_frameSizes.at(frame);
    return frameSize.width() > size.width() || frameSize.height() > size.height()
        ? frameSize.scaled(size, Qt::KeepAspectRatio) : frameSize;
}

QImage IcoIconEngine::image(const QSize &size)
{
    const QSize wanted = size.isEmpty() ? QSize(INT_MAX, INT_MAX) : size;
    const int frame = frameFor(wanted);
    if (frame < 0)
        return {};
    auto decoded = m_frames.find(frame);
    if (decoded == m_frames.end()) {
        QImage image = pngFrame(m_fileName, frame);
        if (image.isNull()) {
            QImageReader reader(m_fileName, "ico");
            reader.setAutoDetectImageFormat(false);
            if (reader.jumpToImage(frame))
                image = reader.read();
        }
        decoded = m_frames.insert(frame, image);
    }
    const QSize fitted = actualSize(wanted, QIcon::Normal, QIcon::Off);
    if (decoded->isNull() || decoded->size() == fitted)
        return *decoded;
    return decoded->scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap IcoIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    return QPixmap::fromImage(image(size));
}

void IcoIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const QPixmap drawn = pixmap(rect.size(), mode, state);
    const QRect target(rect.topLeft() + QPoint((rect.width() - drawn.width()) / 2, (rect.height() - drawn.height()) / 2),
                       drawn.size());
    painter->drawPixmap(target, drawn);
}

QList<QSize> IcoIconEngine::availableSizes(QIcon::Mode, QIcon::State) const
{
    return m_frameSizes;
}

QString IcoIconEngine::key() const
{
    return QStringLiteral("IcoIconEngine");
}

QIconEngine *IcoIconEngine::clone() const
{
    return new IcoIconEngine(*this);
}
