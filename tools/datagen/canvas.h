// Floating-point RGBA canvas with signed-distance shape filling, used to paint
// every picture the generator writes. Coordinates are pixels, y grows downwards,
// pixel (x, y) has its centre at (x + 0.5, y + 0.5).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace datagen {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb MakeRgb(int r, int g, int b) { return Rgb{r / 255.0f, g / 255.0f, b / 255.0f}; }
Rgb Mix(Rgb a, Rgb b, float t);
Rgb Scale(Rgb c, float k);

// 8-bit RGB picture, rows top-down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3, R G B order

    Image() = default;
    Image(int w, int h, uint8_t r = 0, uint8_t g = 0, uint8_t b = 0);
    uint8_t* At(int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
    const uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
    void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b);
    bool Is(int x, int y, uint8_t r, uint8_t g, uint8_t b) const;
};

// 8-bit RGBA picture (straight alpha), rows top-down; for icons.
struct ImageRgba {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

// Signed distance field: negative inside, positive outside, in pixels.
using Sdf = std::function<float(float x, float y)>;
// Colour as a function of position, for gradients.
using Paint = std::function<Rgb(float x, float y)>;

// A canvas may be drawn at a scale k: every coordinate the drawing calls take
// stays in the picture's own units (w x h), while the pixels are k times as
// many in each direction. Shapes are evaluated at each fine pixel's centre, so
// their edges are as sharp at any scale; a per-unit Blend covers a k x k block.
class Canvas {
public:
    Canvas(int w, int h, int scale = 1);
    int Width() const { return w_; }
    int Height() const { return h_; }
    int ScaleFactor() const { return k_; }

    // Composites colour c with coverage a over unit (x, y) (k x k pixels).
    void Blend(int x, int y, Rgb c, float a);
    // Fills the shape, anti-aliased along its edge, with a flat colour or a paint.
    void Fill(const Sdf& shape, Rgb c, float opacity = 1.0f);
    void Fill(const Sdf& shape, const Paint& paint, float opacity = 1.0f);
    // Paints a band of the given width just inside the shape's edge.
    void Rim(const Sdf& shape, float width, Rgb c, float opacity = 1.0f);
    // Soft glow: colour fading out over `radius` pixels outside the shape.
    void Glow(const Sdf& shape, float radius, Rgb c, float opacity);
    void FillRect(int x0, int y0, int x1, int y1, Rgb c);

    // Colour and alpha of unit (x, y) (its top-left pixel).
    Rgb ColourAt(int x, int y) const { return px_[Index(x * k_, y * k_)]; }
    float AlphaAt(int x, int y) const { return alpha_[Index(x * k_, y * k_)]; }
    // Alpha of the fine pixel (px, py), 0 <= px < Width() * k.
    float PixelAlpha(int px, int py) const { return alpha_[Index(px, py)]; }

    // Composites every pixel of layer (a canvas of the same size and scale)
    // over this one, its alpha times opacity; pixels the layer leaves empty
    // stay as they are.
    void Composite(const Canvas& layer, float opacity);

    // Conversion to 8 bits, w * k by h * k pixels. Pixels with alpha below 1
    // are first composited over `under`.
    Image ToImage(Rgb under = Rgb{}) const;
    ImageRgba ToRgba() const;

private:
    // Composites colour c over the fine pixel (x, y).
    void BlendPixel(int x, int y, Rgb c, float a);
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * pw_ + x; }
    int w_, h_, k_, pw_, ph_;
    std::vector<Rgb> px_;
    std::vector<float> alpha_;
};

uint8_t ToByte(float v);

// Shape primitives. Centres and sizes in pixels.
float SdCircle(float x, float y, float cx, float cy, float r);
float SdRoundRect(float x, float y, float cx, float cy, float halfW, float halfH, float radius);
float SdSegment(float x, float y, float ax, float ay, float bx, float by, float halfWidth);
float SdPolygon(float x, float y, const std::vector<float>& xy);  // x0,y0,x1,y1,...
float SdRing(float x, float y, float cx, float cy, float r, float halfWidth);
float SdArc(float x, float y, float cx, float cy, float r, float a0, float a1, float halfWidth);
inline float Union(float a, float b) { return a < b ? a : b; }
inline float Intersect(float a, float b) { return a > b ? a : b; }
inline float Subtract(float a, float b) { return a > -b ? a : -b; }

// Linear vertical gradient through colour stops at relative positions 0..1 between y0 and y1.
Paint VerticalGradient(float y0, float y1, std::vector<std::pair<float, Rgb>> stops);
Paint RadialGradient(float cx, float cy, float r, Rgb inner, Rgb outer);

}  // namespace datagen
