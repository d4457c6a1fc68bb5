#include "engine/history.h"

namespace varnix::engine {

void History::Clear() {
    quiet_ = {};
    capture_ = {};
    killers_ = {};
    counter_ = {};
    for (ContinuationRow& row : continuation_) row = {};
}

}  // namespace varnix::engine
