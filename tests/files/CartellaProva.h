#pragma once
// A fresh folder per test, removed afterwards; the working folder, which loading changes, is put back.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace vellora::test {

class CartellaProva : public ::testing::Test {
protected:
    const std::filesystem::path cartellaIniziale = std::filesystem::current_path();
    const std::filesystem::path radice =
        std::filesystem::temp_directory_path() / ("vellora_file_" + std::to_string(::getpid()) + "_" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override
    {
        std::filesystem::remove_all(radice);
        std::filesystem::create_directories(radice);
    }
    void TearDown() override
    {
        std::filesystem::current_path(cartellaIniziale);
        std::filesystem::remove_all(radice);
    }

    std::string Percorso(const std::string& nome) const { return (radice / nome).string(); }

    static void Scrivi(const std::filesystem::path& file, const std::string& testo)
    {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << testo;
    }

    static std::string Leggi(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

} // namespace vellora::test
