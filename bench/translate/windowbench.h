#pragma once

namespace parlora::bench {

// What the window waits for: the first translation after loading, prepared
// in the background or not, and a translation right after an edit of a
// personal dictionary of 50,000 entries.
void registerWindowBenchmarks();

} // namespace parlora::bench
