#include "tools/datagen/canvas.h"

#include <algorithm>
#include <cmath>

namespace datagen {

Rgb Mix(Rgb a, Rgb b, float t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, float k) { return Rgb{c.r * k, c.g * k, c.b * k}; }

uint8_t ToByte(float v) {
    float s = v * 255.0f + 0.5f;
    if (s <= 0.0f) return 0;
    if (s >= 255.0f) return 255;
    return static_cast<uint8_t>(s);
}

Image::Image(int w, int h, uint8_t r, uint8_t g, uint8_t b)
    : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3) {
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = r;
        rgb[i + 1] = g;
        rgb[i + 2] = b;
    }
}

void Image::Set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    uint8_t* p = At(x, y);
    p[0] = r;
    p[1] = g;
    p[2] = b;
}

bool Image::Is(int x, int y, uint8_t r, uint8_t g, uint8_t b) const {
    const uint8_t* p = At(x, y);
    return p[0] == r && p[1] == g && p[2] == b;
}

Canvas::Canvas(int w, int h, int scale)
    : w_(w), h_(h), k_(scale < 1 ? 1 : scale), pw_(w * k_), ph_(h * k_),
      px_(static_cast<size_t>(pw_) * ph_), alpha_(static_cast<size_t>(pw_) * ph_, 0.0f) {}

void Canvas::Blend(int x, int y, Rgb c, float a) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    for (int dy = 0; dy < k_; ++dy)
        for (int dx = 0; dx < k_; ++dx) BlendPixel(x * k_ + dx, y * k_ + dy, c, a);
}

void Canvas::BlendPixel(int x, int y, Rgb c, float a) {
    if (x < 0 || y < 0 || x >= pw_ || y >= ph_ || a <= 0.0f) return;
    if (a > 1.0f) a = 1.0f;
    size_t i = Index(x, y);
    float da = alpha_[i];
    float oa = a + da * (1.0f - a);
    if (oa <= 0.0f) return;
    Rgb d = px_[i];
    float kd = da * (1.0f - a) / oa;
    float ks = a / oa;
    px_[i] = Rgb{c.r * ks + d.r * kd, c.g * ks + d.g * kd, c.b * ks + d.b * kd};
    alpha_[i] = oa;
}

static float Coverage(float d) {
    // Distance measured at the pixel centre; a one-pixel ramp gives a clean edge.
    float c = 0.5f - d;
    return c < 0.0f ? 0.0f : (c > 1.0f ? 1.0f : c);
}

void Canvas::Fill(const Sdf& shape, Rgb c, float opacity) {
    Fill(shape, [c](float, float) { return c; }, opacity);
}

void Canvas::Fill(const Sdf& shape, const Paint& paint, float opacity) {
    const float unit = 1.0f / k_;
    for (int y = 0; y < ph_; ++y) {
        for (int x = 0; x < pw_; ++x) {
            float fx = (x + 0.5f) * unit, fy = (y + 0.5f) * unit;
            // The distance in fine pixels, so that the edge ramp is one pixel wide.
            float cov = Coverage(shape(fx, fy) * k_);
            if (cov > 0.0f) BlendPixel(x, y, paint(fx, fy), cov * opacity);
        }
    }
}

void Canvas::Rim(const Sdf& shape, float width, Rgb c, float opacity) {
    Fill([&](float x, float y) {
        float d = shape(x, y);
        return Intersect(d, -d - width);
    }, c, opacity);
}

void Canvas::Glow(const Sdf& shape, float radius, Rgb c, float opacity) {
    const float unit = 1.0f / k_;
    for (int y = 0; y < ph_; ++y) {
        for (int x = 0; x < pw_; ++x) {
            float d = shape((x + 0.5f) * unit, (y + 0.5f) * unit);
            if (d <= 0.0f || d >= radius) continue;
            float t = 1.0f - d / radius;
            BlendPixel(x, y, c, t * t * opacity);
        }
    }
}

void Canvas::Composite(const Canvas& layer, float opacity) {
    if (layer.pw_ != pw_ || layer.ph_ != ph_) return;
    for (int y = 0; y < ph_; ++y)
        for (int x = 0; x < pw_; ++x) {
            const size_t i = Index(x, y);
            if (layer.alpha_[i] > 0.0f) BlendPixel(x, y, layer.px_[i], layer.alpha_[i] * opacity);
        }
}

void Canvas::FillRect(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = std::max(0, y0); y < std::min(h_, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(w_, x1); ++x) Blend(x, y, c, 1.0f);
}

Image Canvas::ToImage(Rgb under) const {
    Image img(pw_, ph_);
    for (int y = 0; y < ph_; ++y) {
        for (int x = 0; x < pw_; ++x) {
            size_t i = Index(x, y);
            Rgb c = Mix(under, px_[i], alpha_[i]);
            img.Set(x, y, ToByte(c.r), ToByte(c.g), ToByte(c.b));
        }
    }
    return img;
}

ImageRgba Canvas::ToRgba() const {
    ImageRgba img;
    img.width = pw_;
    img.height = ph_;
    img.rgba.resize(static_cast<size_t>(pw_) * ph_ * 4);
    for (size_t i = 0; i < px_.size(); ++i) {
        img.rgba[i * 4 + 0] = ToByte(px_[i].r);
        img.rgba[i * 4 + 1] = ToByte(px_[i].g);
        img.rgba[i * 4 + 2] = ToByte(px_[i].b);
        img.rgba[i * 4 + 3] = ToByte(alpha_[i]);
    }
    return img;
}

float SdCircle(float x, float y, float cx, float cy, float r) {
    return std::hypot(x - cx, y - cy) - r;
}

float SdRoundRect(float x, float y, float cx, float cy, float halfW, float halfH, float radius) {
    float qx = std::fabs(x - cx) - (halfW - radius);
    float qy = std::fabs(y - cy) - (halfH - radius);
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float SdSegment(float x, float y, float ax, float ay, float bx, float by, float halfWidth) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0.0f ? (px * dx + py * dy) / len2 : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    return std::hypot(px - dx * t, py - dy * t) - halfWidth;
}

float SdPolygon(float x, float y, const std::vector<float>& v) {
    size_t n = v.size() / 2;
    float d = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        float xi = v[2 * i], yi = v[2 * i + 1], xj = v[2 * j], yj = v[2 * j + 1];
        float ex = xj - xi, ey = yj - yi, wx = x - xi, wy = y - yi;
        float len2 = ex * ex + ey * ey;
        float t = len2 > 0.0f ? std::clamp((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0.0f;
        d = std::min(d, std::hypot(wx - ex * t, wy - ey * t));
        if (((yi > y) != (yj > y)) && (x < (xj - xi) * (y - yi) / (yj - yi) + xi)) inside = !inside;
    }
    return inside ? -d : d;
}

float SdRing(float x, float y, float cx, float cy, float r, float halfWidth) {
    return std::fabs(std::hypot(x - cx, y - cy) - r) - halfWidth;
}

float SdArc(float x, float y, float cx, float cy, float r, float a0, float a1, float halfWidth) {
    // Angles in radians, measured clockwise on screen from 3 o'clock; a0 < a1.
    float a = std::atan2(y - cy, x - cx);
    const float twoPi = 6.28318530718f;
    while (a < a0) a += twoPi;
    while (a > a0 + twoPi) a -= twoPi;
    if (a <= a1) return std::fabs(std::hypot(x - cx, y - cy) - r) - halfWidth;
    float e0x = cx + r * std::cos(a0), e0y = cy + r * std::sin(a0);
    float e1x = cx + r * std::cos(a1), e1y = cy + r * std::sin(a1);
    return std::min(std::hypot(x - e0x, y - e0y), std::hypot(x - e1x, y - e1y)) - halfWidth;
}

Paint VerticalGradient(float y0, float y1, std::vector<std::pair<float, Rgb>> stops) {
    return [=](float, float y) {
        float t = (y1 > y0) ? (y - y0) / (y1 - y0) : 0.0f;
        if (t <= stops.front().first) return stops.front().second;
        for (size_t i = 1; i < stops.size(); ++i) {
            if (t <= stops[i].first) {
                float span = stops[i].first - stops[i - 1].first;
                float k = span > 0.0f ? (t - stops[i - 1].first) / span : 1.0f;
                return Mix(stops[i - 1].second, stops[i].second, k);
            }
        }
        return stops.back().second;
    };
}

Paint RadialGradient(float cx, float cy, float r, Rgb inner, Rgb outer) {
    return [=](float x, float y) {
        float t = std::hypot(x - cx, y - cy) / r;
        return Mix(inner, outer, std::clamp(t, 0.0f, 1.0f));
    };
}

}  // namespace datagen
