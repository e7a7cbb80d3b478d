#pragma once
// A fresh folder per test, removed afterwards, with the working folder put
// back (the start-up load changes it).
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace vellora::test {

class CartellaProva : public ::testing::Test {
protected:
    std::filesystem::path radice, prima;

    void SetUp() override
    {
        prima = std::filesystem::current_path();
        radice =
            std::filesystem::temp_directory_path() / ("vellora_file_" + std::to_string(::getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(radice);
        std::filesystem::create_directories(radice);
    }
    void TearDown() override
    {
        namespace fs = std::filesystem;
        fs::current_path(prima);
        // A test that failed half-way may have left a folder closed.
        std::error_code e;
        fs::permissions(radice, fs::perms::owner_all, fs::perm_options::add, e);
        for (fs::recursive_directory_iterator it(radice, e), fine; !e && it != fine; it.increment(e))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, e);
        fs::remove_all(radice, e);
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
