#include "store/secure_random.h"

#include <sys/random.h>

#include <cerrno>
#include <system_error>

namespace lg::srv {

void FillSecureRandom(std::span<uint8_t> out) {
    size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = getrandom(out.data() + done, out.size() - done, 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw std::system_error(errno, std::generic_category(), "getrandom");
        }
        done += static_cast<size_t>(n);
    }
}

}  // namespace lg::srv
