// The library's heap, exported so that hosts allocate and release the blocks that values own and
// the texts the library returns from the same runtime heap that the library itself uses.
#include <bacnapi/bacnapi.h>

#include <cstdlib>

extern "C" {

BACNAPI_API void* bacnapi_malloc(uint64_t size) {
    return std::malloc(size);
}

BACNAPI_API void* bacnapi_calloc(uint64_t size) {
    return std::calloc(size, 1);
}

// The middle argument (an old size in some host interfaces) is not needed by realloc.
BACNAPI_API void* bacnapi_realloc(void* block, uint64_t /*ignored*/, uint64_t newSize) {
    return std::realloc(block, newSize);
}

BACNAPI_API void bacnapi_free(void* block) {
    std::free(block);
}

} // extern "C"
