// Thirty-two pixels (96 bytes, three registers) a step with AVX2; the rest of
// a row goes to the SSE2 rows.

#include <immintrin.h>

#include "draw/RowKernels.h"
#include "draw/Sse2Kernels.h"
#include "draw/WhitePixels.h"

#define QEL_AVX2 __attribute__((target("avx2")))
// Helpers are forced inline so that the three registers of a group stay in
// registers and the per-register loops unroll.
#define QEL_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

namespace qel::draw {
namespace {

constexpr std::ptrdiff_t kGroupPixels = 32;
constexpr std::ptrdiff_t kGroupBytes = kGroupPixels * kBytesPerPixel;

struct Group {
  __m256i v[3];
};

QEL_AVX2_INLINE Group LoadGroup(const std::uint8_t* p) {
  const auto* lanes = reinterpret_cast<const __m256i*>(p);
  return {
      {_mm256_loadu_si256(lanes), _mm256_loadu_si256(lanes + 1), _mm256_loadu_si256(lanes + 2)}};
}

QEL_AVX2_INLINE void StoreGroup(std::uint8_t* p, const Group& g) {
  auto* lanes = reinterpret_cast<__m256i*>(p);
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k)
    _mm256_storeu_si256(lanes + k, g.v[k]);
}

// Thirty-two mask bits to thirty-two mask bytes: byte i takes the mask byte
// i / 8, then tests its own bit.
QEL_AVX2_INLINE __m256i ExpandBits(std::uint32_t bits) {
  const __m256i spread = _mm256_shuffle_epi8(
      _mm256_set1_epi32(static_cast<int>(bits)),
      _mm256_setr_epi64x(0, 0x0101010101010101, 0x0202020202020202, 0x0303030303030303));
  const __m256i bit = _mm256_set1_epi64x(static_cast<long long>(0x8040201008040201));
  return _mm256_cmpeq_epi8(_mm256_and_si256(spread, bit), bit);
}

// The group's white-pixel bytes as three register masks; `any` and `all`
// tell whether any or every pixel is white.
struct WhiteLanes {
  __m256i lane[3];
  bool any;
  bool all;
};

QEL_AVX2_INLINE WhiteLanes FindWhite(const Group& src) {
  const __m256i ff = _mm256_set1_epi8(-1);
  std::uint32_t bits[3];
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    bits[k] = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(src.v[k], ff)));
  }
  std::uint64_t mask[2] = {bits[0] | (std::uint64_t{bits[1]} << 32), bits[2]};
  WhitePixelBytes(mask);
  WhiteLanes white;
  white.lane[0] = ExpandBits(static_cast<std::uint32_t>(mask[0]));
  white.lane[1] = ExpandBits(static_cast<std::uint32_t>(mask[0] >> 32));
  white.lane[2] = ExpandBits(static_cast<std::uint32_t>(mask[1]));
  white.any = (mask[0] | mask[1]) != 0;
  white.all = mask[0] == ~std::uint64_t{0} && mask[1] == 0xFFFFFFFF;
  return white;
}

QEL_AVX2_INLINE Group KeepUnderWhite(const WhiteLanes& white, const Group& src, const Group& dst) {
  Group out;
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k)
    out.v[k] = _mm256_blendv_epi8(src.v[k], dst.v[k], white.lane[k]);
  return out;
}

QEL_AVX2_INLINE __m256i BlendHalf(__m256i s, __m256i d, __m256i sourceWeight,
                                  __m256i destinationWeight) {
  return _mm256_add_epi16(_mm256_mulhi_epu16(s, sourceWeight),
                          _mm256_mulhi_epu16(d, destinationWeight));
}

// As in the SSE2 kernels; unpacking and packing both work within each
// 128-bit half, so the bytes come back in place.
QEL_AVX2_INLINE __m256i BlendLane(__m256i s, __m256i d, __m256i sourceWeight,
                                  __m256i destinationWeight) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i low = BlendHalf(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero),
                                sourceWeight, destinationWeight);
  const __m256i high = BlendHalf(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero),
                                 sourceWeight, destinationWeight);
  return _mm256_packus_epi16(low, high);
}

QEL_AVX2_INLINE __m256i ScaledWeight(std::int32_t weight) {
  return _mm256_set1_epi16(static_cast<short>(static_cast<std::uint16_t>(weight << 7)));
}

QEL_AVX2_INLINE void KeyedCopyRow(std::uint8_t* dst, const std::uint8_t* src,
                                  std::ptrdiff_t count) {
  for (; count >= kGroupPixels; count -= kGroupPixels, dst += kGroupBytes, src += kGroupBytes) {
    const Group s = LoadGroup(src);
    const WhiteLanes white = FindWhite(s);
    if (white.all) continue;
    StoreGroup(dst, white.any ? KeepUnderWhite(white, s, LoadGroup(dst)) : s);
  }
  Sse2KeyedCopyRow(dst, src, count);
}

QEL_AVX2_INLINE void BlendRow(std::uint8_t* dst, const std::uint8_t* src, std::ptrdiff_t count,
                              std::int32_t weight) {
  const __m256i sourceWeight = ScaledWeight(weight);
  const __m256i destinationWeight = ScaledWeight(512 - weight);
  for (; count >= kGroupPixels; count -= kGroupPixels, dst += kGroupBytes, src += kGroupBytes) {
    const Group s = LoadGroup(src);
    const WhiteLanes white = FindWhite(s);
    if (white.all) continue;
    const Group d = LoadGroup(dst);
    Group blended;
#pragma GCC unroll 3
    for (int k = 0; k < 3; ++k) {
      blended.v[k] = BlendLane(s.v[k], d.v[k], sourceWeight, destinationWeight);
    }
    StoreGroup(dst, KeepUnderWhite(white, blended, d));
  }
  Sse2BlendRow(dst, src, count, weight);
}

QEL_AVX2 void Avx2KeyedCopy(const PixelJob& job) {
  std::uint8_t* dst = job.dst;
  const std::uint8_t* src = job.src;
  for (int row = 0; row < job.rows; ++row) {
    KeyedCopyRow(dst, src, job.columns);
    dst += job.dstRowStep;
    src += job.srcRowStep;
  }
}

QEL_AVX2 void Avx2Blend(const PixelJob& job, std::int32_t weight) {
  std::uint8_t* dst = job.dst;
  const std::uint8_t* src = job.src;
  for (int row = 0; row < job.rows; ++row) {
    BlendRow(dst, src, job.columns, weight);
    dst += job.dstRowStep;
    src += job.srcRowStep;
  }
}

bool Avx2Supported() {
  return __builtin_cpu_supports("avx2");
}

}  // namespace

const RowKernels kAvx2Kernels = {"avx2", Avx2Supported, Avx2KeyedCopy, Avx2Blend};

}  // namespace qel::draw
