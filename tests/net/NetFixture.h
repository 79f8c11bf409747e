#pragma once

#include "settings/ScratchFolder.h"
#include "support/ServerProcess.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <QCoreApplication>

// Each test: a content folder served by its own quintora-server, and a data folder with its
// temporary folder, as the program has them.
class NetFixture : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "net_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            static QCoreApplication app(argc, argv);
        }
    }

    void SetUp() override {
        std::filesystem::create_directories(content.file("lingue"));
        std::filesystem::create_directories(content.file("matrici"));
        std::filesystem::create_directories(data.file("temp"));
        server = std::make_unique<ServerProcess>(QUINTORA_SERVER, content.path());
        ASSERT_GT(server->port(), 0);
    }

    std::string temp() const { return data.file("temp"); }
    // Nothing of a download may stay behind in a folder: only `expected` files.
    static std::size_t filesIn(const std::string& folder) {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) {
            ++n;
        }
        return n;
    }

    ScratchFolder content; // what the server serves
    ScratchFolder data;    // the program's data folder
    std::unique_ptr<ServerProcess> server;
};
