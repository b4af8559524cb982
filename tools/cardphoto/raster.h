// Small pixel-level helpers the photo look is built from: a deterministic
// random source, smooth value noise for large-scale texture, and a fast blur
// for soft shadows.
#pragma once

#include <QImage>

#include <cstdint>

namespace cardphoto {

// Deterministic across runs and platforms: the standard distributions are
// implementation-defined, so this does its own maths on a fixed generator.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    std::uint64_t next();
    double uniform();                       // [0, 1)
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double gauss();                         // mean 0, sd 1

private:
    std::uint64_t state_;
    bool haveSpare_ = false;
    double spare_ = 0.0;
};

// Smooth 2-D value noise in [-1, 1]; `cell` is the feature size in pixels.
double valueNoise(double x, double y, double cell, std::uint32_t seed);

// Blurs an ARGB32_Premultiplied image in place (three box passes, close to a
// Gaussian with the given sigma in pixels).
void blur(QImage& image, double sigma);

}  // namespace cardphoto
