#pragma once

#include <QtGlobal>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The raster engine's arithmetic for premultiplied 32-bit pixels, for a canvas that writes lit key
// caps straight into its picture and must give the same pixels as a painter.
namespace capblend {

// x * a / 255 on each channel, rounded as the raster engine rounds.
inline quint32 byteMul(quint32 x, quint32 a)
{
    quint32 rb = (x & 0xff00ffu) * a;
    rb = ((rb + ((rb >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    quint32 ag = ((x >> 8) & 0xff00ffu) * a;
    ag = (ag + ((ag >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return ag | rb;
}

#if defined(__SSE2__)
// x * a / 255 on each channel of four pixels, `a` given per 16-bit lane.
inline __m128i byteMul4(__m128i x, __m128i a)
{
    const __m128i rbMask = _mm_set1_epi32(0x00ff00ff);
    const __m128i half = _mm_set1_epi16(0x80);
    __m128i rb = _mm_mullo_epi16(_mm_and_si128(x, rbMask), a);
    __m128i ag = _mm_mullo_epi16(_mm_srli_epi16(x, 8), a);
    rb = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(rb, _mm_srli_epi16(rb, 8)), half), 8);
    ag = _mm_andnot_si128(rbMask, _mm_add_epi16(_mm_add_epi16(ag, _mm_srli_epi16(ag, 8)), half));
    return _mm_or_si128(rb, ag);
}

// Each of four pixels of `src` over the one of `dst` (source over, as the raster engine blends).
inline __m128i over4(__m128i src, __m128i dst)
{
    __m128i inverse = _mm_sub_epi32(_mm_set1_epi32(255), _mm_srli_epi32(src, 24));
    inverse = _mm_or_si128(inverse, _mm_slli_epi32(inverse, 16));
    return _mm_add_epi32(src, byteMul4(dst, inverse));
}
#endif

// One colour over `n` pixels, as a solid fill or an image of that colour is blended (source over).
inline void solidOver(quint32 *dst, int n, quint32 colour)
{
    if (colour == 0 || n <= 0)
        return;
    if (colour >= 0xff000000u) {
        for (int i = 0; i < n; ++i)
            dst[i] = colour;
        return;
    }
    const quint32 inverse = 255 - (colour >> 24);
    int i = 0;
#if defined(__SSE2__)
    // Four pixels at a time: red and blue, then alpha and green, in 16-bit lanes.
    const __m128i c = _mm_set1_epi32(int(colour));
    const __m128i a = _mm_set1_epi16(short(inverse));
    for (; i + 4 <= n; i += 4) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(dst + i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_add_epi32(c, byteMul4(d, a)));
    }
#endif
    for (; i < n; ++i)
        dst[i] = colour + byteMul(dst[i], inverse);
}

// `src[i]` over `dst[i]` for the `n` (1, 2 or 4) pixels of a piece of a key's outline.
inline void over(quint32 *dst, int n, const quint32 *src)
{
#if defined(__SSE2__)
    if (n == 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(dst));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst), over4(s, d));
        return;
    }
    if (n == 2) {
        const __m128i s = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(src));
        const __m128i d = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(dst));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(dst), over4(s, d));
        return;
    }
#endif
    for (int i = 0; i < n; ++i) {
        const quint32 s = src[i];
        if (s >= 0xff000000u)
            dst[i] = s;
        else if (s != 0)
            dst[i] = s + byteMul(dst[i], 255 - (s >> 24));
    }
}

} // namespace capblend
