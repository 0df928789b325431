// libFuzzer target: arbitrary bytes as the report descriptor of a hidraw node.
// Parsing must neither crash nor overflow, and a collection it reports has
// report lengths a 16-bit length can hold, counted in whole bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "hidbridge/ReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto collections = hidbridge::parseReportDescriptor(data, size);
    // A descriptor has at least two bytes per collection it opens.
    if (collections.size() > size / 2) std::abort();
    // Deterministic: the same bytes give the same collections.
    const auto again = hidbridge::parseReportDescriptor(data, size);
    if (again.size() != collections.size()) std::abort();
    for (std::size_t i = 0; i < collections.size(); ++i) {
        if (again[i].inputReportLength != collections[i].inputReportLength ||
            again[i].featureReportLength != collections[i].featureReportLength ||
            again[i].outputReportLength != collections[i].outputReportLength)
            std::abort();
    }
    return 0;
}
