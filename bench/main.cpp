// The benchmark's entry point. By default both sides of every pair run on a heap that keeps what
// it is given back: no block is handed out as fresh pages of its own (M_MMAP_MAX 0) and the top of
// the heap is never returned to the system (M_TRIM_THRESHOLD at its largest). Without that, a list
// of 10^6 elements (tens of MB) arrives as pages never touched before on some iterations and not on
// others, depending on what the other side of the pair freed just before, and an iteration that
// gets fresh pages pays a page fault for every 4 KB it touches: that figure measures the kernel,
// not the conversion. `--default_heap` leaves the heap's own thresholds in place, to see the
// figures a host with a default heap gets.
#include <benchmark/benchmark.h>

#include <climits>
#include <cstring>
#include <malloc.h>

int main(int argc, char** argv)
{
    bool defaultHeap = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--default_heap") == 0) defaultHeap = true;
        else argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    if (!defaultHeap) {
        mallopt(M_MMAP_MAX, 0);
        mallopt(M_TRIM_THRESHOLD, INT_MAX);
    }
    benchmark::AddCustomContext("heap", defaultHeap ? "default" : "kept (no mmap blocks, no trim)");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
