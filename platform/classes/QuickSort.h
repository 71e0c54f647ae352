// The index-based quick sort that the lists share.
#pragma once

namespace classes {

// Sorts positions low..high with a middle pivot; equal items may change
// places. Compare(i, j) compares the items at two positions and Exchange
// swaps them. The scans are bounded, so a comparer that contradicts itself
// leaves the order unspecified but never reaches outside the range, and the
// recursion always takes the smaller part, so its depth stays logarithmic.
template <class CompareAt, class ExchangeAt>
void QuickSort(int low, int high, CompareAt&& Compare, ExchangeAt&& Exchange)
{
    while (low < high) {
        int i = low;
        int j = high;
        int pivot = low + (high - low) / 2;
        do {
            while (i < high && Compare(i, pivot) < 0)
                ++i;
            while (j > low && Compare(j, pivot) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    Exchange(i, j);
                // The pivot travels with its item.
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - low < high - i) {
            QuickSort(low, j, Compare, Exchange);
            low = i;
        } else {
            QuickSort(i, high, Compare, Exchange);
            high = j;
        }
    }
}

} // namespace classes
