#pragma once
// The windows that show the sprite, and the host that paints them after every change of the
// model (QtEditorView). Window folders register their surfaces here without knowing the program.

#include <QImage>
#include <QString>

#include "core/editor_view.h"

namespace pixador {

// Something else that shows the sprite and follows every paint (the preview windows).
class PixelSurface {
public:
    virtual ~PixelSurface() = default;
    virtual void PaintPixel(int x, int y) = 0;
    virtual void Redraw() = 0;
    // The sprite changed size.
    virtual void SpriteResized() = 0;
};

// The canvas window: a surface that also carries the overlays, the tooltip and the picture.
class CanvasSurface : public PixelSurface {
public:
    virtual void ShowOverlay(OverlayShape shape, const Overlay& overlay) = 0;
    virtual void SetTooltip(const QString& text) = 0;
    virtual void BackgroundChanged() = 0;
    // The persistent picture: the visible view window at the current zoom, grid included.
    virtual QImage Picture() const = 0;
};

class SurfaceHost {
public:
    virtual ~SurfaceHost() = default;
    virtual void AttachCanvas(CanvasSurface* canvas) = 0;
    // Surfaces are painted after the canvas, in the order they were added.
    virtual void AddSurface(PixelSurface* surface) = 0;
    virtual void RemoveSurface(PixelSurface* surface) = 0;
};

}  // namespace pixador
