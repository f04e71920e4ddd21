#pragma once

#include "model/Color.h"
#include "view/canvas/PenFootprint.h"
#include "view/document/PixelTypes.h"

#include <QRgb>

#include <memory>
#include <optional>
#include <span>
#include <string>

class QFont;
class QImage;
class QPainter;

enum class PenStyle { Solid, Dot };
enum class PenMode { Copy, Xor };

struct CPen {
    TColor Color = 0;
    int Width = 1; // 0 and 1 both draw one pixel wide
    PenStyle Style = PenStyle::Solid;
    PenMode Mode = PenMode::Copy;
};

struct CFont {
    std::string Name = "Tahoma"; // the system substitutes an installed family
    int Height = 13;             // character height in pixels
    bool Bold = false;
    bool Italic = false;
    TColor Color = 0;
};

// The one surface every chart, figure and colour swatch is drawn on: a pen,
// a brush colour, a font and a current position over an RGB32 image, with
// the drawing rules the chart code is written for:
// - no antialiasing; colours are TColor (0x00BBGGRR);
// - a line covers its start pixel and leaves out its end pixel, so lines
//   joined end to start set every pixel once, also under an XOR pen;
// - a pen one pixel wide draws its dots 3 pixels on, 3 off; wider pens
//   (up to 30) are solid: their round footprint (PenFootprint) is stamped on
//   every pixel of the one-pixel line from start to end, end included, so
//   their ends are round; a polyline is stroked as one figure so that an XOR
//   pen does not cancel out its corners;
// - rectangles cover left .. right - 1 and top .. bottom - 1, and so does the
//   outline of a full arc;
// - text is placed by its top-left corner, in the font's colour, without
//   a background;
// - single pixels and inversions respect the clip rectangle like the rest.
// The image must not be copied while a canvas draws on it.
class CCanvas {
public:
    explicit CCanvas(QImage& image);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    int Width() const;
    int Height() const;

    const CPen& Pen() const { return pen_; }
    void SetPen(const CPen& pen);
    void SetPenColor(TColor color) { pen_.Color = color; }
    void SetPenWidth(int width);
    void SetPenStyle(PenStyle style) { pen_.Style = style; }
    void SetPenMode(PenMode mode) { pen_.Mode = mode; }

    TColor BrushColor() const { return brush_; }
    void SetBrushColor(TColor color) { brush_ = color; }

    const CFont& Font() const { return font_; }
    void SetFont(const CFont& font);

    TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Moves to the first point and draws through the others; the current
    // position ends on the last point.
    void Polyline(std::span<const TPoint> points);

    // Pixels of a column (top to bottom) or of a row (left to right), ends
    // included, in the pen's colour and mode, whatever its width and style.
    void PaintVerticalRun(int x, int top, int bottom);
    void PaintHorizontalRun(int y, int left, int right);
    // The footprint of a pen wider than one pixel; null for a thin pen.
    const PenFootprint* Footprint() const { return footprint_.get(); }
    // Where drawing can land: the image, within the clip rectangle if any.
    TRect PaintArea() const;

    // Fills with the brush colour.
    void FillRect(const TRect& rect);
    // The outline of the ellipse that fits the box, with the pen.
    void FullArc(const TRect& box);
    // Sets one pixel to a colour, whatever the pen.
    void SetPixel(int x, int y, TColor color);
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    // Inverts every colour bit of the rectangle's pixels.
    void InvertRect(const TRect& rect);

    // Confines all drawing to the rectangle until RemoveClip.
    void SetClipRect(const TRect& rect);
    void RemoveClip();

private:
    bool Visible(int x, int y) const;
    void PlotPenPixel(int x, int y);
    void ThinLine(TPoint from, TPoint to);
    void StrokeWide(std::span<const TPoint> path);
    void PreparePainter(bool cosmetic);
    QRgb* Line(int y) const;

    QImage& image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QFont> qfont_;
    unsigned char* bits_ = nullptr;
    long long bytesPerLine_ = 0;
    CPen pen_;
    std::unique_ptr<PenFootprint> footprint_;
    TColor brush_ = 0xFFFFFF;
    CFont font_;
    TPoint penPos_;
    int dotPhase_ = 0;
    std::optional<TRect> clip_;
};

// Keeps the pen, brush and font of a canvas and puts them back when it goes.
class CanvasStateGuard {
public:
    explicit CanvasStateGuard(CCanvas& canvas)
        : canvas_(canvas), pen_(canvas.Pen()), brush_(canvas.BrushColor()), font_(canvas.Font())
    {
    }
    ~CanvasStateGuard()
    {
        canvas_.SetPen(pen_);
        canvas_.SetBrushColor(brush_);
        canvas_.SetFont(font_);
    }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

private:
    CCanvas& canvas_;
    CPen pen_;
    TColor brush_;
    CFont font_;
};
