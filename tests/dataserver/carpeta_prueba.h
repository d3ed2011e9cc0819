#pragma once
// A fresh temporary folder per test, named after it so tests can run in
// parallel, removed when the test ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace prueba {

class ConCarpeta : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("quelvo-ds-") + prueba->test_suite_name() + "-" + prueba->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Ruta(const std::string& nombre) const { return (dir_ / nombre).string(); }

    std::filesystem::path dir_;
};

}  // namespace prueba
