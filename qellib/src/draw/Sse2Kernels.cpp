// Sixteen pixels (48 bytes, three registers) a step with SSE2.

#include "draw/Sse2Kernels.h"

#include <emmintrin.h>

#include <array>

#include "draw/RowKernels.h"
#include "draw/RowTails.h"
#include "draw/WhitePixels.h"

namespace qel::draw {
namespace {

constexpr std::ptrdiff_t kGroupPixels = 16;
constexpr std::ptrdiff_t kGroupBytes = kGroupPixels * kBytesPerPixel;
constexpr std::uint64_t kWholeGroup = (std::uint64_t{1} << kGroupBytes) - 1;

// Eight mask bits to eight mask bytes; SSE2 has no byte shuffle to do it.
constexpr std::array<std::uint64_t, 256> MakeByteMasks() {
  std::array<std::uint64_t, 256> masks{};
  for (int bits = 0; bits < 256; ++bits) {
    for (int i = 0; i < 8; ++i) {
      if ((bits >> i) & 1) masks[bits] |= std::uint64_t{0xFF} << (8 * i);
    }
  }
  return masks;
}
constexpr std::array<std::uint64_t, 256> kByteMasks = MakeByteMasks();

// Helpers are forced inline so that the three registers of a group stay in
// registers and the per-register loops unroll.
#define QEL_SSE2_INLINE __attribute__((always_inline)) inline

QEL_SSE2_INLINE __m128i ExpandBits(std::uint64_t bits) {
  const auto low = static_cast<long long>(kByteMasks[bits & 0xFF]);
  const auto high = static_cast<long long>(kByteMasks[(bits >> 8) & 0xFF]);
  return _mm_set_epi64x(high, low);
}

struct Group {
  __m128i v[3];
};

QEL_SSE2_INLINE Group LoadGroup(const std::uint8_t* p) {
  const auto* lanes = reinterpret_cast<const __m128i*>(p);
  return {{_mm_loadu_si128(lanes), _mm_loadu_si128(lanes + 1), _mm_loadu_si128(lanes + 2)}};
}

QEL_SSE2_INLINE void StoreGroup(std::uint8_t* p, const Group& g) {
  auto* lanes = reinterpret_cast<__m128i*>(p);
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k)
    _mm_storeu_si128(lanes + k, g.v[k]);
}

// The bytes of the group's white pixels, one bit a byte.
QEL_SSE2_INLINE std::uint64_t WhiteBytes(const Group& src) {
  const __m128i ff = _mm_set1_epi8(-1);
  std::uint64_t mask[1] = {0};
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(src.v[k], ff)));
    mask[0] |= std::uint64_t{bits} << (16 * k);
  }
  WhitePixelBytes(mask);
  return mask[0];
}

// Destination bytes where `white` is set, `src` bytes elsewhere.
QEL_SSE2_INLINE Group KeepUnderWhite(std::uint64_t white, const Group& src, const Group& dst) {
  Group out;
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    const __m128i keep = ExpandBits(white >> (16 * k));
    out.v[k] = _mm_or_si128(_mm_and_si128(keep, dst.v[k]), _mm_andnot_si128(keep, src.v[k]));
  }
  return out;
}

// (s * weight >> 9) + (d * (512 - weight) >> 9) for weights 1..511: with the
// weights scaled by 128, each term is the high half of a 16-bit product.
QEL_SSE2_INLINE __m128i BlendHalf(__m128i s, __m128i d, __m128i sourceWeight,
                                  __m128i destinationWeight) {
  return _mm_add_epi16(_mm_mulhi_epu16(s, sourceWeight), _mm_mulhi_epu16(d, destinationWeight));
}

QEL_SSE2_INLINE __m128i BlendLane(__m128i s, __m128i d, __m128i sourceWeight,
                                  __m128i destinationWeight) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i low = BlendHalf(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero),
                                sourceWeight, destinationWeight);
  const __m128i high = BlendHalf(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero),
                                 sourceWeight, destinationWeight);
  return _mm_packus_epi16(low, high);
}

QEL_SSE2_INLINE __m128i ScaledWeight(std::int32_t weight) {
  return _mm_set1_epi16(static_cast<short>(static_cast<std::uint16_t>(weight << 7)));
}

void Sse2KeyedCopy(const PixelJob& job) {
  std::uint8_t* dst = job.dst;
  const std::uint8_t* src = job.src;
  for (int row = 0; row < job.rows; ++row) {
    Sse2KeyedCopyRow(dst, src, job.columns);
    dst += job.dstRowStep;
    src += job.srcRowStep;
  }
}

void Sse2Blend(const PixelJob& job, std::int32_t weight) {
  std::uint8_t* dst = job.dst;
  const std::uint8_t* src = job.src;
  for (int row = 0; row < job.rows; ++row) {
    Sse2BlendRow(dst, src, job.columns, weight);
    dst += job.dstRowStep;
    src += job.srcRowStep;
  }
}

bool Always() {
  return true;
}

}  // namespace

void Sse2KeyedCopyRow(std::uint8_t* dst, const std::uint8_t* src, std::ptrdiff_t count) {
  for (; count >= kGroupPixels; count -= kGroupPixels, dst += kGroupBytes, src += kGroupBytes) {
    const Group s = LoadGroup(src);
    const std::uint64_t white = WhiteBytes(s);
    // Runs of white or of colour are common in sprites: skip or copy them outright.
    if (white == kWholeGroup) continue;
    StoreGroup(dst, white == 0 ? s : KeepUnderWhite(white, s, LoadGroup(dst)));
  }
  KeyedCopyPixels(dst, src, count);
}

void Sse2BlendRow(std::uint8_t* dst, const std::uint8_t* src, std::ptrdiff_t count,
                  std::int32_t weight) {
  const __m128i sourceWeight = ScaledWeight(weight);
  const __m128i destinationWeight = ScaledWeight(512 - weight);
  for (; count >= kGroupPixels; count -= kGroupPixels, dst += kGroupBytes, src += kGroupBytes) {
    const Group s = LoadGroup(src);
    const std::uint64_t white = WhiteBytes(s);
    if (white == kWholeGroup) continue;
    const Group d = LoadGroup(dst);
    Group blended;
#pragma GCC unroll 3
    for (int k = 0; k < 3; ++k) {
      blended.v[k] = BlendLane(s.v[k], d.v[k], sourceWeight, destinationWeight);
    }
    StoreGroup(dst, KeepUnderWhite(white, blended, d));
  }
  BlendPixels(dst, src, count, weight);
}

const RowKernels kSse2Kernels = {"sse2", Always, Sse2KeyedCopy, Sse2Blend};

}  // namespace qel::draw
