#pragma once
// How the process takes memory from the operating system.

namespace qira {

// Lets the heap grow in large pages where the system offers them on request (Linux with glibc),
// so that reading a game at full size (a hundred megabytes of small rows and texts) is not a
// fifth page faults. Call once, first thing in main, before the heap holds much. Memory the
// program frees stays with the heap for its next use instead of going back at once. Elsewhere,
// and under the sanitizers (which bring their own allocator), it does nothing.
void prefer_large_pages() noexcept;

} // namespace qira
