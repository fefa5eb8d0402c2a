#pragma once

#include <QQuickImageProvider>

class QQmlEngine;

// Draws the icon buttons' tint and glow once on the CPU, so that the title bar needs no shader
// effects: "image://iconeffects/tint?source=URL&color=#AARRGGBB&dpr=R" is the icon in one colour,
// "image://iconeffects/glow?source=URL&tint=#AARRGGBB&color=#RRGGBB&radius=N&samples=N&dpr=R"
// the halo around the (tinted) icon, `radius` larger on every side. Both take the icon's drawn
// size from "width" and "height" in scene units; `dpr` is the screen's pixel ratio.
// "image://iconeffects/frame?source=URL" is the frame of a multi-size .ico file that suits the
// image's source size, the only one decoded.
class IconEffectProvider final : public QQuickImageProvider
{
public:
    static const QString providerId;

    IconEffectProvider();

    // Makes the provider available to a scene loaded by `engine`.
    static void install(QQmlEngine *engine);

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    static QImage tinted(const QImage &icon, const QColor &color);
    // The halo in `color`: the alpha of `icon` blurred over `radius` pixels as the scene's glow
    // effect blurs it with `samples` samples, `radius` wider than the icon on each side.
    static QImage glow(const QImage &icon, int radius, int samples, const QColor &color);
};
