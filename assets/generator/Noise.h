#pragma once

#include <cmath>
#include <cstdint>

// Smooth value noise that repeats with a whole-number period, so pictures
// made from it tile without seams. Built on an integer hash rather than the
// standard library's distributions, whose results differ between libraries:
// the same seed gives the same picture everywhere.
class PeriodicNoise {
public:
    explicit PeriodicNoise(std::uint32_t seed) : seed(seed) {}

    // Noise in [0, 1] at (x, y), repeating every periodX by periodY units.
    double at(double x, double y, int periodX, int periodY) const {
        const double fx = std::floor(x), fy = std::floor(y);
        const double tx = smooth(x - fx), ty = smooth(y - fy);
        const int x0 = wrap(int(fx), periodX), y0 = wrap(int(fy), periodY);
        const int x1 = wrap(x0 + 1, periodX), y1 = wrap(y0 + 1, periodY);
        const double top = lerp(lattice(x0, y0), lattice(x1, y0), tx);
        const double bottom = lerp(lattice(x0, y1), lattice(x1, y1), tx);
        return lerp(top, bottom, ty);
    }

    // Octaves of noise, each at twice the frequency and half the weight of
    // the one before, scaled back to [0, 1].
    double fractal(double x, double y, int periodX, int periodY, int octaves) const {
        double sum = 0, weight = 1, total = 0;
        for (int i = 0; i < octaves; ++i) {
            sum += weight * at(x, y, periodX, periodY);
            total += weight;
            x *= 2;
            y *= 2;
            periodX *= 2;
            periodY *= 2;
            weight /= 2;
        }
        return sum / total;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    static int wrap(int v, int period) { return ((v % period) + period) % period; }

    double lattice(int x, int y) const {
        std::uint32_t h =
            seed ^ (std::uint32_t(x) * 0x9E3779B1u) ^ (std::uint32_t(y) * 0x85EBCA77u);
        h ^= h >> 16;
        h *= 0x7FEB352Du;
        h ^= h >> 15;
        h *= 0x846CA68Bu;
        h ^= h >> 16;
        return double(h) / 4294967295.0;
    }

    std::uint32_t seed;
};
