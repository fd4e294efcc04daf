#include "compiler/ui/Downscale.h"

#include "compiler/ui/RowShrinker.h"

#include <QColorSpace>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// Weights in fixed point: 14 bits leave room for the sums of 8-bit samples
// times many taps in 32 bits.
constexpr int kShift = 14;
constexpr int kOne = 1 << kShift;
constexpr int kLobes = 3;

double Lanczos(double x) {
    x = std::abs(x);
    if (x < 1e-9)
        return 1.0;
    if (x >= kLobes)
        return 0.0;
    const double px = std::numbers::pi * x;
    return kLobes * std::sin(px) * std::sin(px / kLobes) / (px * px);
}

// The filter along one axis: for every output index, `count` source indices
// and their weights, summing to kOne. Taps past an edge take the edge pixel,
// folded into its weight.
struct Taps {
    int count = 0;
    std::vector<int> index;
    std::vector<int> weight;
};

Taps MakeTaps(int from, int to) {
    const double scale = double(from) / to;
    const double stretch = std::max(scale, 1.0); // the kernel widens as it shrinks
    const double support = kLobes * stretch;
    Taps t;
    // An even count: the filters below take the taps two at a time.
    t.count = (static_cast<int>(std::ceil(support)) + 1) * 2;
    t.index.assign(std::size_t(to) * t.count, 0);
    t.weight.assign(std::size_t(to) * t.count, 0);
    std::vector<double> w(t.count);
    std::vector<int> at(t.count);
    for (int i = 0; i < to; ++i) {
        // Pixel centres: output pixel i covers source [i, i + 1) * scale.
        const double center = (i + 0.5) * scale - 0.5;
        const int first = static_cast<int>(std::floor(center - support)) + 1;
        double sum = 0;
        for (int j = 0; j < t.count; ++j) {
            w[j] = Lanczos((first + j - center) / stretch);
            at[j] = std::clamp(first + j, 0, from - 1);
            sum += w[j];
        }
        int* index = &t.index[std::size_t(i) * t.count];
        int* weight = &t.weight[std::size_t(i) * t.count];
        int total = 0;
        int largest = 0;
        for (int j = 0; j < t.count; ++j) {
            index[j] = at[j];
            weight[j] = static_cast<int>(std::lround(w[j] / sum * kOne));
            total += weight[j];
            if (std::abs(weight[j]) > std::abs(weight[largest]))
                largest = j;
        }
        weight[largest] += kOne - total; // exact unity, so flat areas stay flat
    }
    return t;
}

inline uchar Clamped(int sum) {
    return static_cast<uchar>(std::clamp((sum + (kOne >> 1)) >> kShift, 0, 255));
}

#if defined(__SSE2__)
// Two taps' weights side by side in each 32-bit lane, for _mm_madd_epi16.
inline __m128i WeightPair(int a, int b) {
    return _mm_set1_epi32(
        static_cast<int>((static_cast<unsigned>(b) << 16) | (static_cast<unsigned>(a) & 0xffff)));
}

// Four sums to bytes, rounded and clamped to 0..255.
inline __m128i Rounded(__m128i sums) {
    return _mm_srai_epi32(_mm_add_epi32(sums, _mm_set1_epi32(kOne >> 1)), kShift);
}
#endif

// Rows filtered to `height` rows, each a weighted sum of whole source rows.
QImage FilterRows(const QImage& src, int height) {
    const Taps t = MakeTaps(src.height(), height);
    QImage out(src.width(), height, src.format());
    const int n = src.width() * 4;
    std::vector<int> acc(n);
    for (int y = 0; y < height; ++y) {
        std::fill(acc.begin(), acc.end(), 0);
        const int* index = &t.index[std::size_t(y) * t.count];
        const int* weight = &t.weight[std::size_t(y) * t.count];
        for (int j = 0; j < t.count; j += 2) {
            if (weight[j] == 0 && weight[j + 1] == 0)
                continue;
            const uchar* a = src.constScanLine(index[j]);
            const uchar* b = src.constScanLine(index[j + 1]);
            int x = 0;
#if defined(__SSE2__)
            // Sixteen bytes of both rows interleaved, widened to 16 bits and
            // multiplied by their weights in pairs.
            const __m128i w = WeightPair(weight[j], weight[j + 1]);
            const __m128i zero = _mm_setzero_si128();
            for (; x + 16 <= n; x += 16) {
                const __m128i ra = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + x));
                const __m128i rb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + x));
                const __m128i lo = _mm_unpacklo_epi8(ra, rb);
                const __m128i hi = _mm_unpackhi_epi8(ra, rb);
                const __m128i parts[4] = {_mm_unpacklo_epi8(lo, zero), _mm_unpackhi_epi8(lo, zero),
                                          _mm_unpacklo_epi8(hi, zero), _mm_unpackhi_epi8(hi, zero)};
                for (int q = 0; q < 4; ++q) {
                    auto* sum = reinterpret_cast<__m128i*>(&acc[x + q * 4]);
                    _mm_storeu_si128(
                        sum, _mm_add_epi32(_mm_loadu_si128(sum), _mm_madd_epi16(parts[q], w)));
                }
            }
#endif
            for (; x < n; ++x)
                acc[x] += weight[j] * a[x] + weight[j + 1] * b[x];
        }
        uchar* dst = out.scanLine(y);
        int x = 0;
#if defined(__SSE2__)
        for (; x + 16 <= n; x += 16) {
            const auto* sum = reinterpret_cast<const __m128i*>(&acc[x]);
            const __m128i lo =
                _mm_packs_epi32(Rounded(_mm_loadu_si128(sum)), Rounded(_mm_loadu_si128(sum + 1)));
            const __m128i hi = _mm_packs_epi32(Rounded(_mm_loadu_si128(sum + 2)),
                                               Rounded(_mm_loadu_si128(sum + 3)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x), _mm_packus_epi16(lo, hi));
        }
#endif
        for (; x < n; ++x)
            dst[x] = Clamped(acc[x]);
    }
    return out;
}

// Columns filtered to `width` columns, four channels at a time.
QImage FilterColumns(const QImage& src, int width) {
    const Taps t = MakeTaps(src.width(), width);
    QImage out(width, src.height(), src.format());
    for (int y = 0; y < src.height(); ++y) {
        const uchar* row = src.constScanLine(y);
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int* index = &t.index[std::size_t(x) * t.count];
            const int* weight = &t.weight[std::size_t(x) * t.count];
#if defined(__SSE2__)
            // Two pixels' channels interleaved, times their weights in pairs.
            const __m128i zero = _mm_setzero_si128();
            __m128i sums = zero;
            for (int j = 0; j < t.count; j += 2) {
                int pa, pb;
                std::memcpy(&pa, row + index[j] * 4, 4);
                std::memcpy(&pb, row + index[j + 1] * 4, 4);
                const __m128i pair = _mm_unpacklo_epi8(
                    _mm_unpacklo_epi8(_mm_cvtsi32_si128(pa), _mm_cvtsi32_si128(pb)), zero);
                sums =
                    _mm_add_epi32(sums, _mm_madd_epi16(pair, WeightPair(weight[j], weight[j + 1])));
            }
            const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(Rounded(sums), zero), zero);
            const int pixel = _mm_cvtsi128_si32(bytes);
            std::memcpy(dst + x * 4, &pixel, 4);
#else
            int a0 = 0, a1 = 0, a2 = 0, a3 = 0;
            for (int j = 0; j < t.count; ++j) {
                const uchar* p = row + index[j] * 4;
                const int w = weight[j];
                a0 += w * p[0];
                a1 += w * p[1];
                a2 += w * p[2];
                a3 += w * p[3];
            }
            dst[x * 4] = Clamped(a0);
            dst[x * 4 + 1] = Clamped(a1);
            dst[x * 4 + 2] = Clamped(a2);
            dst[x * 4 + 3] = Clamped(a3);
#endif
        }
    }
    return out;
}

// Every `factor` x `factor` block averaged into one pixel.
QImage ShrinkBy(const QImage& src, int factor) {
    RowShrinker shrinker(src.width(), src.height(), factor, src.format());
    for (int y = 0; y < src.height(); ++y)
        shrinker.addRow(y, src.constScanLine(y));
    return shrinker.take();
}

// Lanczos lobes may push a premultiplied colour above its alpha.
void ClampToAlpha(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        uchar* p = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, p += 4)
            for (int c = 0; c < 3; ++c)
                p[c] = std::min(p[c], p[3]);
    }
}
} // namespace

QSize FittedSize(QSize source, QSize box) {
    if (source.isEmpty() || box.isEmpty())
        return {};
    if (source.width() <= box.width() && source.height() <= box.height())
        return source;
    // Rounded to the nearest pixel along the side that does not touch the box.
    const qint64 w = source.width(), h = source.height();
    QSize fitted = w * box.height() > h * box.width()
                       ? QSize(box.width(), int((h * box.width() * 2 + w) / (2 * w)))
                       : QSize(int((w * box.height() * 2 + h) / (2 * h)), box.height());
    return fitted.expandedTo(QSize(1, 1));
}

QImage Downscale(const QImage& image, QSize size) {
    const bool alpha = image.hasAlphaChannel();
    QImage work =
        image.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (work.isNull() || size.isEmpty() ||
        (size.width() >= work.width() && size.height() >= work.height()))
        return work;
    const double reduction =
        std::min(double(work.width()) / size.width(), double(work.height()) / size.height());
    if (const int factor = static_cast<int>(reduction / 2); factor >= 2)
        work = ShrinkBy(work, factor);
    if (work.height() != size.height())
        work = FilterRows(work, size.height());
    if (work.width() != size.width())
        work = FilterColumns(work, size.width());
    if (alpha)
        ClampToAlpha(work);
    work.setColorSpace(image.colorSpace());
    return work;
}
