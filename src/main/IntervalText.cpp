#include "main/IntervalText.h"

namespace vistrel {

std::string IntervalText(uint32_t milliseconds) {
    return std::to_string(milliseconds) + "ms";
}

}  // namespace vistrel
