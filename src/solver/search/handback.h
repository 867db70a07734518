// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace Search {

// Blocks of a mebibyte or more mapped on their own, so that a search's table goes back to the
// system as soon as it is freed. Left to itself, glibc raises that threshold to the largest block
// freed so far: once a big table is freed, the next ones come from the heap and their pages stay
// with the process (over 10,000 Roi Albert deals it held 72 MiB instead of 38). Once a process.
inline void mapBigBlocksApart()
{
#ifdef __GLIBC__
    static const bool set = mallopt(M_MMAP_THRESHOLD, 1 << 20) != 0;
    (void)set;
#endif
}

// After a long search, gives the memory its tables and path freed back to the system. The
// allocator keeps such blocks for the process, in the arena of each thread that ran a search:
// with searches on more than one thread, it held twice what one search takes.
inline void handMemoryBack(std::int64_t positions)
{
#ifdef __GLIBC__
    constexpr std::int64_t Long = 100'000;
    if (positions > Long)
        malloc_trim(0);
#else
    (void)positions;
#endif
}

} // namespace Search
