// The test binary's heap watch: malloc, calloc, realloc and free are interposed to count the live
// blocks of the calling thread, to refuse one allocation on request and to fill the new bytes of
// malloc and realloc with junk (so that reading memory never written shows). Under an allocator that
// is interposed already (AddressSanitizer, valgrind) the watch is off: active() tells, and the
// checks that need it are skipped there (those tools find leaks themselves).
#pragma once

namespace heap_watch {
bool active();
long live_blocks();        // blocks this thread allocated and has not released (0 when off)
void refuse_after(long k); // the allocation after k successful ones is refused, once
bool disarm();             // drops a pending refusal; true when one happened since refuse_after
} // namespace heap_watch
