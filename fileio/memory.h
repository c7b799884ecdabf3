#pragma once
// How the process takes memory from the operating system.

#include <cstddef>

namespace qira {

// Lets the heap grow in large pages where the system offers them on request (Linux with glibc),
// so that reading a game at full size (a hundred megabytes of small rows and texts) is not a
// fifth page faults. Call once, first thing in main, before the heap holds much. Memory the
// program frees stays with the heap for its next use instead of going back at once. Elsewhere,
// and under the sanitizers (which bring their own allocator), it does nothing.
void prefer_large_pages() noexcept;

// A block of `bytes` bytes of its own, outside the heap, given back to the system when freed
// (a whole file read at once, used and dropped: kept in the heap, its pages would stay with the
// process after). Large pages where offered. Throws std::bad_alloc when there is no memory.
void* allocate_pages(std::size_t bytes);
// Frees a block of allocate_pages, with the size it was asked with.
void free_pages(void* block, std::size_t bytes) noexcept;

} // namespace qira
