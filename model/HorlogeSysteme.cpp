#include "model/HorlogeSysteme.h"

#include <chrono>
#include <ctime>

namespace vibralume {

double HorlogeSysteme::secondes() {
    using namespace std::chrono;
    const auto maintenant = system_clock::now();
    const auto seconde = floor<seconds>(maintenant);
    const std::time_t t = system_clock::to_time_t(seconde);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    const double fraction = duration<double>(maintenant - seconde).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

} // namespace vibralume
