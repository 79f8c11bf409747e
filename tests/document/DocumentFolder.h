#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

// A fresh folder for each test of the documents' files, removed with everything in it afterwards.
class DocumentFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* unit = ::testing::UnitTest::GetInstance();
        dir_ = std::filesystem::temp_directory_path() /
               ("quintora-document-" + std::to_string(unit->random_seed()) + "-" +
                unit->current_test_info()->test_suite_name() + "-" +
                unit->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};
