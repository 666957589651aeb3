// Splits a long computation over the machine's cores.
#pragma once

#include <functional>

// Told how far a long computation has come, 0 to 1; always called on the thread that started
// it, a few times a second and once with 1 at the end.
using CProgressFunction = std::function<void(double dDone)>;

// One stage of a longer computation: its 0 to 1 told as dFrom to dTo of the whole; none for none.
CProgressFunction ScaledProgress(const CProgressFunction& progress, double dFrom, double dTo);

// Runs work over [0, nItems) in chunks of at most nChunk items, on every core at once, the
// calling thread included, and returns when all is done. Chunks may run in any order and on
// any thread, so work must only write what its own range owns (or add up atomically).
void ParallelFor(int nItems, int nChunk, const std::function<void(int nBegin, int nEnd)>& work,
                 const CProgressFunction& progress = {});
