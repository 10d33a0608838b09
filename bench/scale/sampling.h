#pragma once

#include <QString>
#include <functional>
#include <vector>

// Timings and memory of one process, for the benchmark's table.
namespace sampling {

// Milliseconds `work` took.
double elapsedMs(const std::function<void()>& work);
double median(std::vector<double> values);

// The process's peak resident memory is reset to what it holds now, so
// peakMiB() afterwards is the peak of what ran in between. Freed heap is
// left to the allocator, as in the program, so that an action finds the
// memory the earlier ones used.
void resetPeak();
double peakMiB();

// Lets the windows lay out and paint what they were given.
void settle();

// "1.2 3.4" of the system's load averages over 1 and 5 minutes.
QString loadAverage();

} // namespace sampling
