#include "tools/stamp_counter.h"

namespace lg {

int& StampCounter() {
    static int counter = 1;
    return counter;
}

}  // namespace lg
