#include "nearest_names.hpp"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <vector>

#include "pasted_lines.hpp"

namespace kolva {

namespace {

// The optimal string alignment distance: the Levenshtein distance, with two
// neighbouring letters swapped ("Crad" for "Card") costing one. Three rows of
// the table are kept: the one worked out and the two before it.
std::size_t distance(std::string_view a, std::string_view b) {
    const std::size_t width = b.size() + 1;
    std::vector<std::size_t> rows(3 * width);
    std::iota(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(width), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t* row = &rows[(i % 3) * width];
        const std::size_t* above = &rows[((i + 2) % 3) * width];
        const std::size_t* twoAbove = &rows[((i + 1) % 3) * width];
        row[0] = i;
        for (std::size_t j = 1; j < width; ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            std::size_t best = std::min(above[j] + 1, row[j - 1] + 1);
            best = std::min(best, above[j - 1] + change);
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                best = std::min(best, twoAbove[j - 2] + 1);
            }
            row[j] = best;
        }
    }
    return rows[(a.size() % 3) * width + b.size()];
}

}  // namespace

std::string nearestNames(std::string_view written, std::span<const std::string_view> known,
                         std::size_t count) {
    // Longer than any name; what is written beyond it makes no name nearer.
    constexpr std::size_t kLongestName = 40;
    const std::string seen = lowerCase(written.substr(0, kLongestName));
    std::vector<std::size_t> distances;
    for (const std::string_view name : known) {
        distances.push_back(distance(seen, lowerCase(name)));
    }
    std::vector<std::size_t> order(known.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (!seen.empty()) {
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return distances[a] < distances[b]; });
        // Names much farther than the nearest are no help: "CPU" for "Floppy/ZIP".
        const std::size_t farthest = 2 * distances[order.front()] + 2;
        order.erase(std::find_if(order.begin() + 1, order.end(),
                                 [&](std::size_t i) { return distances[i] > farthest; }),
                    order.end());
    }
    order.resize(std::min(count, order.size()));
    std::string names;
    for (const std::size_t i : order) {
        names += (names.empty() ? "" : ", ") + std::string(known[i]);
    }
    return known.size() > order.size() ? names + ", …" : names;
}

}  // namespace kolva
