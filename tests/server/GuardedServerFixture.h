#pragma once

#include "server/RawClient.h"
#include "settings/ScratchFolder.h"
#include "support/ServerProcess.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace quintora {

inline const std::string VersionHead =
    "GET /public/quintora/ver.asp HTTP/1.1\r\nHost: 127.0.0.1\r\n";

// Each test: a content folder served by its own quintora-server.
class GuardedServerTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(content.file("matrici"));
        content.write("version.txt", "1.0.0\r\n");
        server = std::make_unique<ServerProcess>(QUINTORA_SERVER, content.path());
        ASSERT_GT(server->port(), 0);
    }

    // Sends `request` whole and returns the answer, or what came of it within `limit`.
    std::string exchange(const std::string& request,
                         std::chrono::milliseconds limit = std::chrono::seconds(2)) const {
        const RawClient client(server->port());
        client.send(request);
        return client.receive(limit);
    }

    // The server's peak resident memory so far: what a test adds to it shows what its
    // requests cost.
    long peakMemoryMiB() const {
        std::ifstream status("/proc/" + std::to_string(server->pid()) + "/status");
        std::string word;
        while (status >> word) {
            if (word == "VmHWM:") {
                long kib = 0;
                status >> kib;
                return kib / 1024;
            }
        }
        return -1;
    }

    // Writes a file of `size` bytes into the content folder, each byte telling its offset
    // apart from its neighbours', and returns its bytes.
    std::string writePatterned(const std::string& name, std::size_t size) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>(i * 7 % 251);
        }
        std::ofstream(content.file(name), std::ios::binary) << bytes;
        return bytes;
    }

    ScratchFolder content;
    std::unique_ptr<ServerProcess> server;
};

} // namespace quintora
