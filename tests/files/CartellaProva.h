#pragma once
// Fresh folders for tests that write files.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace vellora::test {

// A folder of its own, emptied on creation and removed afterwards.
struct CartellaTemporanea {
    const std::filesystem::path radice;

    explicit CartellaTemporanea(const std::string& nome)
        : radice(std::filesystem::temp_directory_path() / ("vellora_" + std::to_string(::getpid()) + "_" + nome))
    {
        std::filesystem::remove_all(radice);
        std::filesystem::create_directories(radice);
    }
    ~CartellaTemporanea() { std::filesystem::remove_all(radice); }

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

// A folder per test, named after it; the working folder, which loading changes, is put back.
class CartellaProva : public ::testing::Test, protected CartellaTemporanea {
protected:
    const std::filesystem::path cartellaIniziale = std::filesystem::current_path();
    CartellaProva() : CartellaTemporanea(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}
    void TearDown() override { std::filesystem::current_path(cartellaIniziale); }
};

} // namespace vellora::test
