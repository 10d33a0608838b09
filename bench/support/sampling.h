#pragma once

#include <QString>
#include <functional>
#include <vector>

// Timings and memory of one process, for the benchmarks' tables.
namespace sampling {

// Milliseconds `work` took.
double elapsedMs(const std::function<void()>& work);
double median(std::vector<double> values);

// The process's peak resident memory is reset to what it holds now (freed
// heap given back first), so peakMiB() afterwards is the peak of what ran
// in between. Timed runs leave freed heap to the allocator, as the program
// does, so memory is measured on a run of its own.
void resetPeak();
double peakMiB();

// Lets the windows lay out and paint what they were given.
void settle();

// "1.2 3.4" of the system's load averages over 1 and 5 minutes.
QString loadAverage();

} // namespace sampling
