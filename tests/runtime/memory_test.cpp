#include "quelvort/memory.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

namespace {

const size_t kPagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));

// The pages of a fresh mapping that are present.
size_t Presentes(void* inicio, size_t paginas) {
    std::vector<unsigned char> estado(paginas);
    if (mincore(inicio, paginas * kPagina, estado.data()) != 0) return SIZE_MAX;
    size_t presentes = 0;
    for (unsigned char e : estado) presentes += e & 1;
    return presentes;
}

}  // namespace

// Whatever the range (not on page edges, within one page, empty), what the
// memory holds stays as it was.
TEST(PrefaultForWriting, LeavesWhatTheMemoryHolds) {
    std::vector<unsigned char> bloque(5 * kPagina + 123);
    for (size_t i = 0; i < bloque.size(); ++i) bloque[i] = static_cast<unsigned char>(i * 7 + 1);
    const std::vector<unsigned char> antes = bloque;
    const std::pair<size_t, size_t> tramos[] = {
        {0, bloque.size()}, {1, 3 * kPagina}, {kPagina - 1, 2}, {17, 0}, {2 * kPagina, kPagina + 5}};
    for (const auto& [desde, bytes] : tramos) {
        rt::PrefaultForWriting(bloque.data() + desde, bytes);
        ASSERT_EQ(bloque, antes) << desde << "+" << bytes;
    }
    EXPECT_FALSE(rt::PrefaultForWriting(bloque.data() + 1, kPagina - 2));
    EXPECT_FALSE(rt::PrefaultForWriting(bloque.data(), 0));
}

// A fresh block's pages are all present after the call, none before, and
// the block reads as zeros and takes what is written.
TEST(PrefaultForWriting, MakesEveryWholePagePresent) {
    constexpr size_t kPaginas = 64;
    void* mapa = mmap(nullptr, kPaginas * kPagina, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapa, MAP_FAILED);
    EXPECT_EQ(Presentes(mapa, kPaginas), 0u);
    auto* bytes = static_cast<unsigned char*>(mapa);
    // From the middle of the first page: the first page is not whole.
    const bool tomado = rt::PrefaultForWriting(bytes + 10, kPaginas * kPagina - 10);
    if (tomado) {
        EXPECT_EQ(Presentes(mapa, kPaginas), kPaginas - 1);
        EXPECT_EQ(Presentes(bytes + kPagina, kPaginas - 1), kPaginas - 1);
    }
    size_t distintos = 0;
    for (size_t i = 0; i < kPaginas * kPagina; i += 97) distintos += bytes[i] != 0;
    EXPECT_EQ(distintos, 0u);
    bytes[kPaginas * kPagina - 1] = 42;
    EXPECT_EQ(bytes[kPaginas * kPagina - 1], 42);
    munmap(mapa, kPaginas * kPagina);
    if (!tomado) GTEST_SKIP() << "the kernel does not take the advice";
}
