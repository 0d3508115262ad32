// Sixty-four pixels (192 bytes, three registers) a step with AVX-512BW. The
// byte masks live in mask registers, so the colour key needs no mask bytes at
// all: white pixels are simply left out of a masked store. What is left of a
// row takes one half group of 32 pixels in 256-bit registers, then masked
// loads and stores, so no row falls back to narrower code.

#include <immintrin.h>

#include "draw/RowKernels.h"
#include "draw/WhitePixels.h"

#define QEL_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))
// Helpers are forced inline so that the three registers of a group stay in
// registers and the per-register loops unroll.
#define QEL_AVX512_INLINE __attribute__((target("avx512f,avx512bw,avx512vl"), always_inline)) inline

namespace qel::draw {
namespace {

constexpr std::ptrdiff_t kGroupPixels = 64;
constexpr std::ptrdiff_t kGroupBytes = kGroupPixels * kBytesPerPixel;
constexpr std::ptrdiff_t kLaneBytes = 64;

// Which bytes of each register a group of `pixels` (1 to 64) covers.
struct LaneMasks {
  std::uint64_t lane[3];
};

constexpr LaneMasks kWholeGroup = {{~std::uint64_t{0}, ~std::uint64_t{0}, ~std::uint64_t{0}}};

LaneMasks PartialGroup(std::ptrdiff_t pixels) {
  const std::ptrdiff_t bytes = pixels * kBytesPerPixel;
  LaneMasks masks;
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    const std::ptrdiff_t inLane = bytes - k * kLaneBytes;
    if (inLane >= kLaneBytes) {
      masks.lane[k] = ~std::uint64_t{0};
    } else {
      masks.lane[k] = inLane <= 0 ? 0 : (std::uint64_t{1} << inLane) - 1;
    }
  }
  return masks;
}

struct Group {
  __m512i v[3];
};

// Loads the covered bytes; the rest read as zero and so never as white. A
// register that covers nothing is not touched at all.
QEL_AVX512_INLINE Group LoadGroup(const std::uint8_t* p, const LaneMasks& covered) {
  Group g;
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    g.v[k] = covered.lane[k] == 0 ? _mm512_setzero_si512()
                                  : _mm512_maskz_loadu_epi8(covered.lane[k], p + k * kLaneBytes);
  }
  return g;
}

QEL_AVX512_INLINE void StoreGroup(std::uint8_t* p, const LaneMasks& stored, const Group& g) {
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    if (stored.lane[k] != 0) _mm512_mask_storeu_epi8(p + k * kLaneBytes, stored.lane[k], g.v[k]);
  }
}

// The covered bytes that do not belong to white pixels: the bytes to store.
QEL_AVX512_INLINE LaneMasks NotWhite(const Group& src, const LaneMasks& covered) {
  const __m512i ff = _mm512_set1_epi8(-1);
  std::uint64_t mask[3];
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    mask[k] = _mm512_cmpeq_epi8_mask(src.v[k], ff);
  }
  // Runs of colour without a single 0xFF byte, and runs of pure white, are
  // what sprites are mostly made of; for them the masks are already right.
  const bool noFF = (mask[0] | mask[1] | mask[2]) == 0;
  const bool allFF = (mask[0] & mask[1] & mask[2]) == ~std::uint64_t{0};
  if (!noFF && !allFF) WhitePixelBytes(mask);
  LaneMasks stored;
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    stored.lane[k] = ~mask[k] & covered.lane[k];
  }
  return stored;
}

QEL_AVX512_INLINE void KeyedCopyGroup(std::uint8_t* dst, const std::uint8_t* src,
                                      const LaneMasks& covered) {
  const Group s = LoadGroup(src, covered);
  const LaneMasks stored = NotWhite(s, covered);
  const bool whole = (stored.lane[0] & stored.lane[1] & stored.lane[2]) == ~std::uint64_t{0};
  if (whole) {
#pragma GCC unroll 3
    for (int k = 0; k < 3; ++k) {
      _mm512_storeu_si512(dst + k * kLaneBytes, s.v[k]);
    }
  } else {
    StoreGroup(dst, stored, s);
  }
}

QEL_AVX512_INLINE __m512i BlendProducts(__m512i s, __m512i d, __m512i sourceWeight,
                                        __m512i destinationWeight) {
  return _mm512_add_epi16(_mm512_mulhi_epu16(s, sourceWeight),
                          _mm512_mulhi_epu16(d, destinationWeight));
}

// (s * weight >> 9) + (d * (512 - weight) >> 9) for weights 1..511, as the
// high halves of 16-bit products with the weights scaled by 128. Unpacking
// and packing both work within each 128-bit quarter, so bytes come back in place.
QEL_AVX512_INLINE __m512i BlendLane(__m512i s, __m512i d, __m512i sourceWeight,
                                    __m512i destinationWeight) {
  const __m512i zero = _mm512_setzero_si512();
  const __m512i low = BlendProducts(_mm512_unpacklo_epi8(s, zero), _mm512_unpacklo_epi8(d, zero),
                                    sourceWeight, destinationWeight);
  const __m512i high = BlendProducts(_mm512_unpackhi_epi8(s, zero), _mm512_unpackhi_epi8(d, zero),
                                     sourceWeight, destinationWeight);
  return _mm512_packus_epi16(low, high);
}

struct Weights {
  __m512i source;
  __m512i destination;
  __m256i halfSource;  // the same for the 256-bit registers of a half group
  __m256i halfDestination;
};

QEL_AVX512_INLINE short ScaledWeight(std::int32_t weight) {
  return static_cast<short>(static_cast<std::uint16_t>(weight << 7));
}

QEL_AVX512_INLINE Weights WeightsOf(std::int32_t weight) {
  const short source = ScaledWeight(weight);
  const short destination = ScaledWeight(512 - weight);
  return {_mm512_set1_epi16(source), _mm512_set1_epi16(destination), _mm256_set1_epi16(source),
          _mm256_set1_epi16(destination)};
}

QEL_AVX512_INLINE void BlendGroup(std::uint8_t* dst, const std::uint8_t* src,
                                  const LaneMasks& covered, const Weights& weights) {
  const Group s = LoadGroup(src, covered);
  const LaneMasks stored = NotWhite(s, covered);
  if ((stored.lane[0] | stored.lane[1] | stored.lane[2]) == 0) return;
  const Group d = LoadGroup(dst, covered);
  Group blended;
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    blended.v[k] = BlendLane(s.v[k], d.v[k], weights.source, weights.destination);
  }
  StoreGroup(dst, stored, blended);
}

// Thirty-two pixels (96 bytes) in three 256-bit registers, for the part of a
// row past its whole groups: masked loads and stores of part of a register
// are slow on some processors, so the half group stores whole registers.
constexpr std::ptrdiff_t kHalfPixels = 32;
constexpr std::ptrdiff_t kHalfBytes = kHalfPixels * kBytesPerPixel;

struct HalfGroup {
  __m256i v[3];
};

QEL_AVX512_INLINE HalfGroup LoadHalf(const std::uint8_t* p) {
  const auto* lanes = reinterpret_cast<const __m256i*>(p);
  return {
      {_mm256_loadu_si256(lanes), _mm256_loadu_si256(lanes + 1), _mm256_loadu_si256(lanes + 2)}};
}

QEL_AVX512_INLINE void StoreHalf(std::uint8_t* p, const HalfGroup& g) {
  auto* lanes = reinterpret_cast<__m256i*>(p);
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    _mm256_storeu_si256(lanes + k, g.v[k]);
  }
}

// The white-pixel bytes of a half group, one bit a byte in three 32-bit masks.
struct HalfMasks {
  __mmask32 lane[3];
  bool none;
  bool all;
};

QEL_AVX512_INLINE HalfMasks WhiteOfHalf(const HalfGroup& src) {
  const __m256i ff = _mm256_set1_epi8(-1);
  const std::uint64_t m0 = _mm256_cmpeq_epi8_mask(src.v[0], ff);
  const std::uint64_t m1 = _mm256_cmpeq_epi8_mask(src.v[1], ff);
  const std::uint64_t m2 = _mm256_cmpeq_epi8_mask(src.v[2], ff);
  std::uint64_t mask[2] = {m0 | (m1 << 32), m2};
  HalfMasks white;
  white.none = (mask[0] | mask[1]) == 0;
  white.all = mask[0] == ~std::uint64_t{0} && mask[1] == 0xFFFFFFFF;
  if (!white.none && !white.all) WhitePixelBytes(mask);
  white.lane[0] = static_cast<__mmask32>(mask[0]);
  white.lane[1] = static_cast<__mmask32>(mask[0] >> 32);
  white.lane[2] = static_cast<__mmask32>(mask[1]);
  return white;
}

// Destination bytes under white, `src` bytes elsewhere.
QEL_AVX512_INLINE HalfGroup KeepUnderWhite(const HalfMasks& white, const HalfGroup& src,
                                           const HalfGroup& dst) {
  HalfGroup out;
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    out.v[k] = _mm256_mask_blend_epi8(white.lane[k], src.v[k], dst.v[k]);
  }
  return out;
}

QEL_AVX512_INLINE void KeyedCopyHalf(std::uint8_t* dst, const std::uint8_t* src) {
  const HalfGroup s = LoadHalf(src);
  const HalfMasks white = WhiteOfHalf(s);
  if (white.all) return;
  StoreHalf(dst, white.none ? s : KeepUnderWhite(white, s, LoadHalf(dst)));
}

QEL_AVX512_INLINE void BlendHalfGroup(std::uint8_t* dst, const std::uint8_t* src,
                                      const Weights& weights) {
  const HalfGroup s = LoadHalf(src);
  const HalfMasks white = WhiteOfHalf(s);
  if (white.all) return;
  const HalfGroup d = LoadHalf(dst);
  const __m256i zero = _mm256_setzero_si256();
  const __m256i ws = weights.halfSource;
  const __m256i wd = weights.halfDestination;
  HalfGroup blended;
#pragma GCC unroll 3
  for (int k = 0; k < 3; ++k) {
    const __m256i low =
        _mm256_add_epi16(_mm256_mulhi_epu16(_mm256_unpacklo_epi8(s.v[k], zero), ws),
                         _mm256_mulhi_epu16(_mm256_unpacklo_epi8(d.v[k], zero), wd));
    const __m256i high =
        _mm256_add_epi16(_mm256_mulhi_epu16(_mm256_unpackhi_epi8(s.v[k], zero), ws),
                         _mm256_mulhi_epu16(_mm256_unpackhi_epi8(d.v[k], zero), wd));
    blended.v[k] = _mm256_packus_epi16(low, high);
  }
  StoreHalf(dst, KeepUnderWhite(white, blended, d));
}

// How a row of a job splits into groups: whole ones, then one partial group
// whose covered bytes are computed once for the whole job.
struct RowShape {
  std::ptrdiff_t wholeGroups;
  bool halfGroup;
  std::ptrdiff_t partialPixels;
  LaneMasks partial;
  // The colour-keyed copy may take its last pixels as a half group that
  // overlaps pixels it has already drawn: copying a pixel again from the
  // same source changes nothing. The blend may not.
  bool keyedTailOverlaps;
};

RowShape ShapeOf(int columns) {
  RowShape shape;
  shape.wholeGroups = columns / kGroupPixels;
  const std::ptrdiff_t rest = columns % kGroupPixels;
  shape.halfGroup = rest >= kHalfPixels;
  shape.partialPixels = shape.halfGroup ? rest - kHalfPixels : rest;
  shape.partial = PartialGroup(shape.partialPixels);
  shape.keyedTailOverlaps = columns >= kHalfPixels;
  return shape;
}

QEL_AVX512_INLINE void KeyedCopyRow(std::uint8_t* dst, const std::uint8_t* src,
                                    const RowShape& shape) {
  for (std::ptrdiff_t g = 0; g < shape.wholeGroups; ++g, dst += kGroupBytes, src += kGroupBytes) {
    KeyedCopyGroup(dst, src, kWholeGroup);
  }
  if (shape.halfGroup) {
    KeyedCopyHalf(dst, src);
    dst += kHalfBytes;
    src += kHalfBytes;
  }
  if (shape.partialPixels == 0) return;
  if (shape.keyedTailOverlaps) {
    const std::ptrdiff_t back = kHalfBytes - shape.partialPixels * kBytesPerPixel;
    KeyedCopyHalf(dst - back, src - back);
  } else {
    KeyedCopyGroup(dst, src, shape.partial);
  }
}

QEL_AVX512_INLINE void BlendRow(std::uint8_t* dst, const std::uint8_t* src, const RowShape& shape,
                                const Weights& weights) {
  for (std::ptrdiff_t g = 0; g < shape.wholeGroups; ++g, dst += kGroupBytes, src += kGroupBytes) {
    BlendGroup(dst, src, kWholeGroup, weights);
  }
  if (shape.halfGroup) {
    BlendHalfGroup(dst, src, weights);
    dst += kHalfBytes;
    src += kHalfBytes;
  }
  if (shape.partialPixels > 0) BlendGroup(dst, src, shape.partial, weights);
}

QEL_AVX512 void Avx512KeyedCopy(const PixelJob& job) {
  const RowShape shape = ShapeOf(job.columns);
  std::uint8_t* dst = job.dst;
  const std::uint8_t* src = job.src;
  for (int row = 0; row < job.rows; ++row) {
    KeyedCopyRow(dst, src, shape);
    dst += job.dstRowStep;
    src += job.srcRowStep;
  }
}

QEL_AVX512 void Avx512Blend(const PixelJob& job, std::int32_t weight) {
  const RowShape shape = ShapeOf(job.columns);
  const Weights weights = WeightsOf(weight);
  std::uint8_t* dst = job.dst;
  const std::uint8_t* src = job.src;
  for (int row = 0; row < job.rows; ++row) {
    BlendRow(dst, src, shape, weights);
    dst += job.dstRowStep;
    src += job.srcRowStep;
  }
}

bool Avx512Supported() {
  return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
         __builtin_cpu_supports("avx512vl");
}

}  // namespace

const RowKernels kAvx512Kernels = {"avx512", Avx512Supported, Avx512KeyedCopy, Avx512Blend};

}  // namespace qel::draw
