#pragma once

namespace parlora::bench {

// Benchmarks of base-form lookup on the shipped data: loading the tables and
// Hunspell's dictionaries, and translating inflected words with and without
// base forms (the difference is what base forms add to a translation).
void registerBaseFormBenchmarks();

} // namespace parlora::bench
