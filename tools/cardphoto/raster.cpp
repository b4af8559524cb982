#include "raster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace cardphoto {

std::uint64_t Rng::next()
{
    // splitmix64: tiny, fast and good enough for texture.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Rng::gauss()
{
    if (haveSpare_) {
        haveSpare_ = false;
        return spare_;
    }
    double u, v, s;
    do {
        u = uniform(-1.0, 1.0);
        v = uniform(-1.0, 1.0);
        s = u * u + v * v;
    } while (s >= 1.0 || s == 0.0);
    const double m = std::sqrt(-2.0 * std::log(s) / s);
    spare_ = v * m;
    haveSpare_ = true;
    return u * m;
}

namespace {

double latticeValue(int ix, int iy, std::uint32_t seed)
{
    std::uint32_t h = std::uint32_t(ix) * 374761393u + std::uint32_t(iy) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xFFFFFF) / double(0xFFFFFF) * 2.0 - 1.0;
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// One box pass along rows (horizontal) of a premultiplied ARGB buffer.
void boxPassRows(std::vector<std::uint32_t>& px, int w, int h, int r)
{
    if (r <= 0)
        return;
    std::vector<std::uint32_t> line(static_cast<std::size_t>(w));
    const int span = 2 * r + 1;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = px.data() + std::size_t(y) * std::size_t(w);
        std::copy(row, row + w, line.begin());
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int x, int sign) {
            const std::uint32_t c = line[std::size_t(std::clamp(x, 0, w - 1))];
            for (int k = 0; k < 4; ++k)
                sum[k] += sign * int((c >> (8 * k)) & 0xFF);
        };
        for (int x = -r; x <= r; ++x)
            add(x, +1);
        for (int x = 0; x < w; ++x) {
            std::uint32_t out = 0;
            for (int k = 0; k < 4; ++k)
                out |= std::uint32_t((sum[k] + span / 2) / span) << (8 * k);
            row[x] = out;
            add(x + r + 1, +1);
            add(x - r, -1);
        }
    }
}

void transpose(const std::vector<std::uint32_t>& in, std::vector<std::uint32_t>& out, int w, int h)
{
    out.resize(in.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out[std::size_t(x) * std::size_t(h) + std::size_t(y)] = in[std::size_t(y) * std::size_t(w) + std::size_t(x)];
}

}  // namespace

double valueNoise(double x, double y, double cell, std::uint32_t seed)
{
    const double fx = x / cell, fy = y / cell;
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    const double tx = smooth(fx - ix), ty = smooth(fy - iy);
    const double a = latticeValue(ix, iy, seed), b = latticeValue(ix + 1, iy, seed);
    const double c = latticeValue(ix, iy + 1, seed), d = latticeValue(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

void blur(QImage& image, double sigma)
{
    if (sigma <= 0.0)
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    // Box radius whose three passes approximate the requested sigma.
    const int r = std::max(1, int(std::lround((std::sqrt(sigma * sigma * 4.0 + 1.0) - 1.0) / 2.0)));

    std::vector<std::uint32_t> px(std::size_t(w) * std::size_t(h)), tmp;
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(src, src + w, px.begin() + std::ptrdiff_t(y) * w);
    }
    for (int pass = 0; pass < 3; ++pass)
        boxPassRows(px, w, h, r);
    transpose(px, tmp, w, h);
    for (int pass = 0; pass < 3; ++pass)
        boxPassRows(tmp, h, w, r);
    transpose(tmp, px, h, w);
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        std::copy(px.begin() + std::ptrdiff_t(y) * w, px.begin() + std::ptrdiff_t(y + 1) * w, dst);
    }
}

}  // namespace cardphoto
