#include "richtext/memory_hint.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
// Linux 6.1; older C libraries do not name it. The value is the generic one of x86 and ARM.
#if !defined(MADV_COLLAPSE) && (defined(__x86_64__) || defined(__i386__) || defined(__aarch64__))
#define MADV_COLLAPSE 25
#endif
#endif

namespace tarnvel::richtext::detail {

namespace {
constexpr std::size_t kHuge = std::size_t{2} << 20;
constexpr std::size_t kAllocatorHeader = 64;  // more than any allocator's bookkeeping
}  // namespace

std::size_t huge_page_capacity(std::size_t units, std::size_t unit_size) {
    if (units * unit_size < kHuge / 2) return units;
    // A string keeps one more element for its terminator.
    const std::size_t bytes = (units + 1) * unit_size + kAllocatorHeader;
    const std::size_t rounded = (bytes + kHuge - 1) / kHuge * kHuge;
    return (rounded - kAllocatorHeader) / unit_size - 1;
}

void prefer_huge_pages([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kPage = 4096;
    if (bytes < kHuge) return;
    const auto at = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = at & ~(kPage - 1);
    const std::uintptr_t end = at + bytes;
    if (madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE) != 0) return;
#if defined(MADV_COLLAPSE)
    // The allocator has written its header in the first page, so the first 2 MiB would fault page
    // by page; collapsing them now makes them one huge page as well. Only where the buffer starts
    // a huge page of its own and covers it, so nothing outside the buffer is touched.
    if (begin % kHuge == 0 && begin + kHuge <= end) madvise(reinterpret_cast<void*>(begin), kHuge, MADV_COLLAPSE);
#endif
#endif
}

}  // namespace tarnvel::richtext::detail
