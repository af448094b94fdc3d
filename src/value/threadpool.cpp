// Kept for hosts that call them around their own thread pools: the library starts no threads and
// keeps no state, so there is nothing to set up or tear down.
#include <bacnapi/bacnapi.h>

extern "C" {

BACNAPI_API int32_t bacnapi_init_threadpool(void) { return BACNAPI_S_OK; }
BACNAPI_API int32_t bacnapi_destroy_threadpool(void) { return BACNAPI_S_OK; }

} // extern "C"
