#include "server/GuardedServerFixture.h"
#include "server/RequestHead.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace quintora {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST_F(GuardedServerTest, RequestsThatAnnounceABodyAreRefusedBeforeItIsSent) {
    // Only the head goes out: an answer now shows that the body was not waited for.
    const std::pair<const char*, std::string> cases[] = {
        {"post with a length",
         "POST /public/quintora/ver.asp HTTP/1.1\r\nHost: a\r\nContent-Length: 536870912\r\n\r\n"},
        {"put in chunks", "PUT /x HTTP/1.1\r\nHost: a\r\nTransfer-Encoding: chunked\r\n\r\n"},
        {"get with a length", VersionHead + "Content-Length: 1048576\r\n\r\n"},
        {"post that asks to go on",
         "POST /x HTTP/1.1\r\nHost: a\r\nContent-Length: 1048576\r\nExpect: 100-continue\r\n\r\n"},
    };
    for (const auto& [name, head] : cases) {
        EXPECT_EQ(statusLineOf(exchange(head)), "HTTP/1.1 413 Payload Too Large") << name;
    }
    EXPECT_EQ(statusLineOf(exchange(VersionHead + "Content-Length: 0\r\n\r\n")), "HTTP/1.1 200 OK");
}

TEST_F(GuardedServerTest, ABodySentAnywayIsDroppedNotKept) {
    const long idlePeak = peakMemoryMiB();
    const RawClient client(server->port());
    std::thread sender([&] {
        const std::string megabyte(1 << 20, 'b');
        if (client.send("POST /x HTTP/1.1\r\nHost: a\r\nContent-Length: 268435456\r\n\r\n")) {
            for (int i = 0; i < 256 && client.send(megabyte); ++i) {
            }
        }
    });
    const auto answer = client.receive(5s);
    sender.join();
    EXPECT_EQ(statusLineOf(answer), "HTTP/1.1 413 Payload Too Large");
    EXPECT_LT(peakMemoryMiB() - idlePeak, 16);
}

TEST_F(GuardedServerTest, SlowClientsNeitherHoldTheServerNorOutstayTheHeadDeadline) {
    // More slow clients than workers, each sending a byte every 200 ms: never idle long
    // enough for a time-out per read.
    const auto start = Clock::now();
    std::vector<std::unique_ptr<RawClient>> slow;
    for (std::size_t i = 0; i < ServerWorkers + 1; ++i) {
        slow.push_back(std::make_unique<RawClient>(server->port()));
        ASSERT_TRUE(slow.back()->connected());
        slow.back()->send("GET /public/quintora/ver.asp HTTP/1.1\r\nX-Slow: ");
    }
    std::atomic<bool> stop{false};
    std::thread trickle([&] {
        while (!stop) {
            for (const auto& client : slow) {
                if (!client->answered()) {
                    client->send("s");
                }
            }
            std::this_thread::sleep_for(200ms);
        }
    });
    std::this_thread::sleep_for(500ms);

    const auto asked = Clock::now();
    const auto answer = exchange(VersionHead + "\r\n", 3s);
    EXPECT_LT(Clock::now() - asked, 1s);
    EXPECT_EQ(statusLineOf(answer), "HTTP/1.1 200 OK");
    EXPECT_EQ(bodyOf(answer), "1.0.0\r\n");

    const auto until = start + RequestHeadDeadline + 2s;
    for (const auto& client : slow) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        EXPECT_EQ(statusLineOf(client->receive(std::max(left, 0ms))),
                  "HTTP/1.1 408 Request Timeout");
    }
    stop = true;
    trickle.join();
}

TEST_F(GuardedServerTest, OversizedHeadsAreRefused) {
    const std::string head = VersionHead;
    std::string manySmall = head;
    for (int i = 0; i < 200000; ++i) {
        manySmall += "X: 1\r\n";
    }
    // Fewer lines than allowed and each line short, but too many bytes together.
    std::string manyMedium = head;
    for (std::size_t i = 0; i < MaxRequestHeadLines / 2; ++i) {
        manyMedium += "X-Medium: " + std::string(MaxRequestHeadBytes / 30, 'm') + "\r\n";
    }
    const std::pair<const char*, std::string> cases[] = {
        {"many small fields", manySmall + "\r\n"},
        {"one long field", head + "X-Long: " + std::string(MaxRequestHeadBytes, 'l') + "\r\n\r\n"},
        {"fields too large together", manyMedium + "\r\n"},
    };
    for (const auto& [name, request] : cases) {
        const RawClient client(server->port());
        std::thread sender([&client, &request = request] { client.send(request); });
        const auto answer = client.receive(3s);
        sender.join();
        EXPECT_EQ(statusLineOf(answer), "HTTP/1.1 431 Request Header Fields Too Large") << name;
    }

    // Within both limits, however the bytes are spread over the lines.
    std::string mostLines = head;
    for (std::size_t i = 2; i < MaxRequestHeadLines; ++i) {
        mostLines += "X: 1\r\n";
    }
    const auto field = [&](std::size_t headBytes) {
        return head + "X-Long: " + std::string(headBytes - head.size() - 12, 'l') + "\r\n\r\n";
    };
    const std::pair<const char*, std::string> allowed[] = {
        {"the most lines", mostLines + "\r\n"},
        {"one field of 15,000 bytes", field(15000)},
        {"one field filling the head to its last byte", field(MaxRequestHeadBytes)},
    };
    for (const auto& [name, request] : allowed) {
        ASSERT_LE(request.size(), MaxRequestHeadBytes) << name;
        EXPECT_EQ(statusLineOf(exchange(request)), "HTTP/1.1 200 OK") << name;
    }
    EXPECT_EQ(statusLineOf(exchange(field(MaxRequestHeadBytes + 1))),
              "HTTP/1.1 431 Request Header Fields Too Large");
    // The request line alone is held to the library's 8 KiB.
    EXPECT_EQ(statusLineOf(exchange("GET /" + std::string(9000, 'a') + " HTTP/1.1\r\n\r\n")),
              "HTTP/1.1 414 URI Too Long");
}

TEST_F(GuardedServerTest, AtMostOneRangeIsServedAndNoAnswerOutgrowsItsFile) {
    const auto file = writePatterned("matrici/FILE.DAT", 33405);
    const std::string target =
        "GET /public/risorse/matrici/download.aspx?file=FILE.DAT HTTP/1.1\r\n";
    std::string repeated = "bytes=0-33404";
    for (int i = 0; i < 900; ++i) {
        repeated += ",0-33404";
    }
    struct RangeCase {
        std::string fields;
        std::string status;
        std::string contentRange;
        std::size_t offset, length; // of the body in the file
    };
    const std::string partial = "HTTP/1.1 206 Partial Content";
    const std::string refused = "HTTP/1.1 416 Range Not Satisfiable";
    const RangeCase cases[] = {
        {"", "HTTP/1.1 200 OK", "", 0, file.size()},
        {"Range: bytes=10-19\r\n", partial, "bytes 10-19/33405", 10, 10},
        {"Range: bytes=33400-\r\n", partial, "bytes 33400-33404/33405", 33400, 5},
        {"Range: bytes=-7\r\n", partial, "bytes 33398-33404/33405", 33398, 7},
        {"Range: bytes=33000-99999\r\n", partial, "bytes 33000-33404/33405", 33000, 405},
        {"Range: bytes=33405-\r\n", refused, "bytes */33405", 0, 0},
        {"Range: bytes=999999999-\r\n", refused, "bytes */33405", 0, 0},
        {"Range: " + repeated + "\r\n", refused, "", 0, 0},
        {"Range: bytes=0-9,5-20\r\n", refused, "", 0, 0},
        {"Range: bytes=0-1\r\nRange: bytes=0-1\r\n", refused, "", 0, 0},
        {"Range: bytes=0-99999999999999999999999\r\n", refused, "", 0, 0},
    };
    for (const auto& c : cases) {
        const auto answer = exchange(target + "Host: a\r\n" + c.fields + "\r\n");
        const auto name = c.fields.substr(0, 60);
        EXPECT_EQ(statusLineOf(answer), c.status) << name;
        EXPECT_EQ(headerOf(answer, "Content-Range"), c.contentRange) << name;
        EXPECT_EQ(bodyOf(answer), file.substr(c.offset, c.length)) << name;
        EXPECT_LT(answer.size(), file.size() + 1024) << name;
    }
}

TEST_F(GuardedServerTest, ErrorAnswersNameFilesRelativeToTheContentFolder) {
    ASSERT_EQ(::mkfifo(content.file("matrici/FIFO.DAT").c_str(), 0600), 0);
    std::filesystem::create_directory(content.file("matrici/CARTELLA.DAT"));
    const auto root = std::filesystem::canonical(content.path()).string();
    for (const std::string name : {"FIFO.DAT", "CARTELLA.DAT"}) {
        const auto answer = exchange("GET /public/risorse/matrici/download.aspx?file=" + name +
                                     " HTTP/1.1\r\nHost: a\r\n\r\n");
        EXPECT_EQ(statusLineOf(answer), "HTTP/1.1 500 Internal Server Error") << name;
        EXPECT_NE(bodyOf(answer).find(" matrici/" + name + ":"), std::string::npos) << answer;
        EXPECT_EQ(answer.find(root), std::string::npos) << answer;
        EXPECT_EQ(answer.find(content.path()), std::string::npos) << answer;
    }
}

TEST_F(GuardedServerTest, FilesGoOutFromTheDiskPieceByPiece) {
    std::string megabyte(1 << 20, '\0');
    for (std::size_t i = 0; i < megabyte.size(); ++i) {
        megabyte[i] = static_cast<char>(i * 7 % 251);
    }
    constexpr int Megabytes = 16;
    {
        std::ofstream out(content.file("matrici/GRANDE.DAT"), std::ios::binary);
        for (int i = 0; i < Megabytes; ++i) {
            out << megabyte;
        }
    }
    const long idlePeak = peakMemoryMiB();
    // All ask at once and take their answers side by side.
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int i = 0; i < 4; ++i) {
        clients.push_back(std::make_unique<RawClient>(server->port()));
        clients.back()->send("GET /public/risorse/matrici/download.aspx?file=GRANDE.DAT "
                             "HTTP/1.1\r\nHost: a\r\n\r\n");
    }
    std::vector<std::string> answers(clients.size());
    std::vector<std::thread> readers;
    for (std::size_t i = 0; i < clients.size(); ++i) {
        readers.emplace_back([&, i] { answers[i] = clients[i]->receive(20s); });
    }
    for (auto& reader : readers) {
        reader.join();
    }
    for (const auto& answer : answers) {
        EXPECT_EQ(statusLineOf(answer), "HTTP/1.1 200 OK");
        const auto body = bodyOf(answer);
        ASSERT_EQ(body.size(), megabyte.size() * Megabytes);
        bool same = true;
        for (std::size_t at = 0; at < body.size(); at += megabyte.size()) {
            same = same && body.compare(at, megabyte.size(), megabyte) == 0;
        }
        EXPECT_TRUE(same);
    }
    EXPECT_LT(peakMemoryMiB() - idlePeak, Megabytes);
}

} // namespace
} // namespace quintora
