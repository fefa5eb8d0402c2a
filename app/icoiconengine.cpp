#include "app/icoiconengine.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <climits>

IcoIconEngine::IcoIconEngine(const QString &fileName) : m_fileName(fileName)
{
    // The frame sizes come from the file's directory; no frame is decoded here.
    QImageReader reader(m_fileName, "ico");
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
        QImageReader reader(m_fileName, "ico");
        QImage image;
        if (reader.jumpToImage(frame))
            image = reader.read();
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
