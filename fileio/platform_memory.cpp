// The heap's pages: glibc's malloc on Linux asked to keep its memory in one heap whose pages the
// kernel may make large (transparent huge pages in "madvise" mode, the usual setting).
#include "fileio/memory.h"

#include <cstdlib> // and with it the C library's name (__GLIBC__)

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QIRA_OWN_MALLOC 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define QIRA_OWN_MALLOC 0
#endif
#endif
#if !defined(QIRA_OWN_MALLOC) && defined(__linux__) && defined(__GLIBC__)
#define QIRA_OWN_MALLOC 1
#endif

#if QIRA_OWN_MALLOC
#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace qira {

#if QIRA_OWN_MALLOC

void prefer_large_pages() noexcept {
    // Address space the heap reserves ahead of need; pages count only once written.
    constexpr std::size_t ahead = std::size_t{256} << 20;
    // Every block comes from the one heap, none from a mapping of its own (which would take
    // small pages again and give them back at once), and freed memory is kept for reuse.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_TOP_PAD, static_cast<int>(ahead));
    // A block the heap has no room for makes it grow by the reserve at once: that range is the
    // one to mark. Where the heap could not grow in place (glibc then maps memory elsewhere),
    // the block lies outside the range and nothing is marked.
    void* block = std::malloc(std::size_t{1} << 20);
    if (block == nullptr)
        return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<std::uintptr_t>(block) & ~(page - 1);
    const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
    if (from < top && top - from <= ahead + (std::size_t{4} << 20))
        madvise(reinterpret_cast<void*>(from), top - from, MADV_HUGEPAGE); // advice only
    std::free(block);
}

#else

void prefer_large_pages() noexcept {}

#endif

} // namespace qira
