#pragma once

// How the station's heap hands memory back to the system. Called by main()
// before anything else; benchmarks that stand in for main() call it too.
namespace HeapPolicy {

// The chart lays out its whole curve anew for every sample, in buffers of
// megabytes on a long run that live only until the next sample. The C
// library raises its threshold for serving such blocks straight from the
// system each time one is freed, after which they come from the heap, which
// keeps their memory once they are freed: a day's run grew by more than
// twice what it holds. A fixed threshold returns every large block to the
// system as soon as it is freed.
void returnLargeBlocks();

} // namespace HeapPolicy
