#include "SplitFields.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvel {

void SplitFields(std::string_view line, char separator, std::vector<std::string_view>& fields) {
    fields.clear();
    const char* const data = line.data();
    const std::size_t size = line.size();
    std::size_t start = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: catalogue lines are read by the million and
    // their fields are too short for a library search per field to pay off.
    const __m128i separators = _mm_set1_epi8(separator);
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, separators)));
        while (hits != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(hits));
            fields.emplace_back(data + start, at - start);
            start = at + 1;
            hits &= hits - 1;
        }
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == separator) {
            fields.emplace_back(data + start, i - start);
            start = i + 1;
        }
    }
    fields.emplace_back(data + start, size - start);
}

}  // namespace orvel
