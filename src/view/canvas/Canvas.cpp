#include "view/canvas/Canvas.h"

#include "view/canvas/ColorConversion.h"
#include "view/canvas/LineRuns.h"
#include "view/canvas/RunUnion.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr int kMaxPenWidth = 30;
constexpr int kDotOn = 3;  // a dotted pen: 3 pixels on,
constexpr int kDotCycle = 6; // then 3 off

QFont MakeQFont(const CFont& font)
{
    QFont qfont(QString::fromStdString(font.Name));
    qfont.setPixelSize(std::max(1, std::abs(font.Height)));
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setStyleStrategy(QFont::NoAntialias);
    return qfont;
}

QRect ToQRect(const TRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

} // namespace

CCanvas::CCanvas(QImage& image) : image_(image)
{
    if (image.isNull() || image.format() != QImage::Format_RGB32) {
        throw std::invalid_argument("A canvas draws on a non-empty RGB32 image");
    }
    qfont_ = std::make_unique<QFont>(MakeQFont(font_));
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setBackgroundMode(Qt::TransparentMode);
    bits_ = image_.bits();
    bytesPerLine_ = image_.bytesPerLine();
}

CCanvas::~CCanvas() = default;

int CCanvas::Width() const { return image_.width(); }

int CCanvas::Height() const { return image_.height(); }

void CCanvas::SetPen(const CPen& pen)
{
    pen_ = pen;
    SetPenWidth(pen.Width);
}

void CCanvas::SetPenWidth(int width)
{
    pen_.Width = std::clamp(width, 0, kMaxPenWidth);
    if (pen_.Width <= 1) {
        footprint_.reset();
    } else if (!footprint_ || footprint_->Width() != pen_.Width) {
        footprint_ = std::make_unique<PenFootprint>(pen_.Width);
    }
}

void CCanvas::SetFont(const CFont& font)
{
    font_ = font;
    *qfont_ = MakeQFont(font);
}

void CCanvas::MoveTo(int x, int y)
{
    penPos_ = {x, y};
    dotPhase_ = 0;
}

void CCanvas::LineTo(int x, int y)
{
    const TPoint to{x, y};
    if (pen_.Width <= 1) {
        ThinLine(penPos_, to);
    } else {
        const std::array<TPoint, 2> path = {penPos_, to};
        StrokeWide(path);
    }
    penPos_ = to;
}

void CCanvas::Polyline(std::span<const TPoint> points)
{
    if (points.empty()) return;
    if (pen_.Width <= 1) {
        MoveTo(points.front().x, points.front().y);
        for (const TPoint& point : points.subspan(1)) LineTo(point.x, point.y);
        return;
    }
    StrokeWide(points);
    penPos_ = points.back();
}

TRect CCanvas::PaintArea() const
{
    TRect area{0, 0, Width(), Height()};
    if (clip_) {
        area = {std::max(area.left, clip_->left), std::max(area.top, clip_->top), std::min(area.right, clip_->right),
                std::min(area.bottom, clip_->bottom)};
    }
    return area;
}

void CCanvas::PaintVerticalRun(int x, int top, int bottom)
{
    const TRect area = PaintArea();
    if (x < area.left || x >= area.right) return;
    const int from = std::max(top, area.top);
    const int to = std::min(bottom, area.bottom - 1);
    if (from > to) return;
    const QRgb color = ToRgb(pen_.Color);
    if (pen_.Mode == PenMode::Xor) {
        for (int y = from; y <= to; ++y) Line(y)[x] ^= color & 0x00FFFFFFu;
    } else {
        for (int y = from; y <= to; ++y) Line(y)[x] = color;
    }
}

void CCanvas::PaintHorizontalRun(int y, int left, int right)
{
    const TRect area = PaintArea();
    if (y < area.top || y >= area.bottom) return;
    const int from = std::max(left, area.left);
    const int to = std::min(right, area.right - 1);
    if (from > to) return;
    const QRgb color = ToRgb(pen_.Color);
    QRgb* line = Line(y);
    if (pen_.Mode == PenMode::Xor) {
        for (int x = from; x <= to; ++x) line[x] ^= color & 0x00FFFFFFu;
    } else {
        std::fill(line + from, line + to + 1, color);
    }
}

void CCanvas::FillRect(const TRect& rect)
{
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->fillRect(ToQRect(rect), ToQColor(brush_));
}

void CCanvas::FullArc(const TRect& box)
{
    if (box.Width() <= 1 || box.Height() <= 1) return;
    PreparePainter(pen_.Width <= 1);
    // Qt's outline of a rectangle covers one pixel more than its width.
    painter_->drawEllipse(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
}

void CCanvas::SetPixel(int x, int y, TColor color)
{
    if (!Visible(x, y)) return;
    Line(y)[x] = ToRgb(color);
}

void CCanvas::TextOut(int x, int y, const std::string& text)
{
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->setPen(ToQColor(font_.Color));
    painter_->setFont(*qfont_);
    painter_->drawText(QPoint(x, y + QFontMetrics(*qfont_).ascent()), QString::fromStdString(text));
}

int CCanvas::TextWidth(const std::string& text) const
{
    return QFontMetrics(*qfont_).horizontalAdvance(QString::fromStdString(text));
}

void CCanvas::InvertRect(const TRect& rect)
{
    const TRect paintable = PaintArea();
    const TRect area{std::max(rect.left, paintable.left), std::max(rect.top, paintable.top),
                     std::min(rect.right, paintable.right), std::min(rect.bottom, paintable.bottom)};
    for (int y = area.top; y < area.bottom; ++y) {
        QRgb* line = Line(y);
        for (int x = area.left; x < area.right; ++x) line[x] ^= 0x00FFFFFFu;
    }
}

void CCanvas::SetClipRect(const TRect& rect)
{
    clip_ = rect;
    painter_->setClipRect(QRect(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height())));
}

void CCanvas::RemoveClip()
{
    clip_.reset();
    painter_->setClipping(false);
}

bool CCanvas::Visible(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return false;
    return !clip_ || (x >= clip_->left && x < clip_->right && y >= clip_->top && y < clip_->bottom);
}

void CCanvas::PlotPenPixel(int x, int y)
{
    const bool on = pen_.Style == PenStyle::Solid || dotPhase_ < kDotOn;
    dotPhase_ = (dotPhase_ + 1) % kDotCycle;
    if (!on || !Visible(x, y)) return;
    QRgb& pixel = Line(y)[x];
    if (pen_.Mode == PenMode::Xor) {
        pixel ^= ToRgb(pen_.Color) & 0x00FFFFFFu;
    } else {
        pixel = ToRgb(pen_.Color);
    }
}

// Bresenham's line from `from` up to, not including, `to`.
void CCanvas::ThinLine(TPoint from, TPoint to)
{
    long long x = from.x;
    long long y = from.y;
    const long long dx = std::abs(static_cast<long long>(to.x) - x);
    const long long dy = -std::abs(static_cast<long long>(to.y) - y);
    const int sx = x < to.x ? 1 : -1;
    const int sy = y < to.y ? 1 : -1;
    long long error = dx + dy;
    while (x != to.x || y != to.y) {
        PlotPenPixel(static_cast<int>(x), static_cast<int>(y));
        const long long doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// The pen's footprint stamped along the one-pixel path through the points.
// A copy pen may set a pixel twice; an XOR pen must set each pixel of the
// figure once, so its runs are merged first.
void CCanvas::StrokeWide(std::span<const TPoint> path)
{
    const PenFootprint& footprint = *footprint_;
    const auto paintColumn = [this](int x, int top, int bottom) { PaintVerticalRun(x, top, bottom); };
    const auto paintRow = [this](int y, int left, int right) { PaintHorizontalRun(y, left, right); };
    RunUnion figure;
    const auto gatherColumn = [&figure](int x, int top, int bottom) { figure.AddColumnRun(x, top, bottom); };
    const auto gatherRow = [&figure](int y, int left, int right) { figure.AddRowRun(y, left, right); };
    const bool copy = pen_.Mode == PenMode::Copy;
    // Path pixels farther out than the footprint reaches land nothing.
    const TRect area = PaintArea();
    const RunWindow reach{area.left - footprint.High(), area.right - 1 - footprint.Low(), area.top - footprint.High(),
                          area.bottom - 1 - footprint.Low()};
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        ForEachLineRun(
            path[i], path[i + 1], LineEnd::Included, reach,
            [&](int x, int top, int bottom) {
                if (copy) footprint.WidenColumnRun(x, top, bottom, paintColumn);
                else footprint.WidenColumnRun(x, top, bottom, gatherColumn);
            },
            [&](int y, int left, int right) {
                if (copy) footprint.WidenRowRun(y, left, right, paintRow);
                else footprint.WidenRowRun(y, left, right, gatherRow);
            });
    }
    if (!copy) figure.ForEachRun(paintColumn);
}

QRgb* CCanvas::Line(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_); }

void CCanvas::PreparePainter(bool cosmetic)
{
    QPen pen(ToQColor(pen_.Color));
    if (cosmetic) {
        pen.setWidth(0);
        if (pen_.Style == PenStyle::Dot) pen.setDashPattern({kDotOn, kDotCycle - kDotOn});
    } else {
        pen.setWidth(pen_.Width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    painter_->setCompositionMode(pen_.Mode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                           : QPainter::CompositionMode_SourceOver);
}
