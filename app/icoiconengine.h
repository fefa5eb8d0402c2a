#pragma once

#include <QHash>
#include <QIconEngine>
#include <QImage>

// An icon from a multi-size .ico file that decodes a frame only when a size is asked for. Qt's
// own icon engine decodes every frame when the file is added; a window's icon is asked for at one
// or two sizes (the title bar's and the task bar's on Windows), so most frames would go unused.
class IcoIconEngine final : public QIconEngine
{
public:
    explicit IcoIconEngine(const QString &fileName);

    // The frame that suits `size`, scaled down to fit it; the largest frame when `size` is empty.
    QImage image(const QSize &size);
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override;
    QString key() const override;
    QIconEngine *clone() const override;

private:
    IcoIconEngine(const IcoIconEngine &other) = default;
    // The smallest frame of at least the area of `size`, else the largest.
    int frameFor(const QSize &size) const;

    QString m_fileName;
    QList<QSize> m_frameSizes;
    QHash<int, QImage> m_frames;
};
