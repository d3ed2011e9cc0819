#pragma once
// Timing and peak memory for the benchmarks.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace bench {

class Cronometro {
public:
    Cronometro() : inicio_(std::chrono::steady_clock::now()) {}
    double segundos() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio_).count();
    }

private:
    std::chrono::steady_clock::time_point inicio_;
};

inline long picoMemoriaKiB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

inline void informar(const char* que, long operaciones, double segundos) {
    std::printf("%-40s %8ld ops  %8.3f s  %10.0f ops/s  peak %ld KiB\n", que, operaciones, segundos,
                operaciones / segundos, picoMemoriaKiB());
}

// A time per operation beside its reference measured in the same run.
inline void razon(const char* que, double segundos, double referencia) {
    std::printf("%-58s %6.1fx (%.2f us against %.2f us)\n", que, segundos / referencia,
                segundos * 1e6, referencia * 1e6);
}

}  // namespace bench
