#pragma once

#include "files/BinaryIo.h"
#include "matrix/Crc32.h"
#include "matrix/MatrixFile.h"
#include "matrix/OleDate.h"
#include "matrix/WheelMaker.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <unistd.h>
#include <vector>

// Small matrices and a scratch folder for the matrix tests.

inline quintora::Matrix sampleMatrix(std::uint8_t v,
                                     std::initializer_list<std::vector<std::uint8_t>> columns,
                                     std::uint8_t t = 3, std::uint8_t f = 0) {
    quintora::Matrix m;
    auto& h = m.header;
    h.v = v;
    h.k = 5;
    h.t = t;
    h.m = t;
    h.f = f;
    h.columnCount = static_cast<std::int32_t>(columns.size());
    h.percentage = "100%";
    h.author = "Prova";
    h.description = "Matrice di prova";
    h.validFrom = quintora::oleFromDate({2020, 1, 1});
    h.validTo = quintora::oleFromDate({2099, 12, 31});
    h.formatId = quintora::matrixfile::Identifier;
    for (std::size_t k = 0; k < 5; ++k) {
        for (const auto& column : columns) {
            m.body.push_back(column[k]);
        }
    }
    return m;
}

// The V = 7 matrix of five columns used throughout.
inline quintora::Matrix sevenMatrix() {
    return sampleMatrix(
        7, {{1, 2, 3, 4, 5}, {3, 4, 5, 6, 7}, {1, 2, 5, 6, 7}, {1, 3, 4, 6, 7}, {2, 3, 4, 5, 7}});
}

// Writes a fresh CRC-32 trailer after a test changed the bytes in front of it, so that the
// change itself is what the reader meets.
inline void reseal(std::vector<std::uint8_t>& bytes) {
    bytes.resize(bytes.size() - 4);
    const auto crc = quintora::crc32Of(bytes);
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
    }
}

// Every set of M of the positions 1..V that holds the fixed positions 1..F must meet some column
// in T positions. Counted the plain way, independent of the maker.
inline std::size_t drawsWithoutGuarantee(const quintora::WheelShape& shape,
                                         const std::vector<quintora::WheelColumn>& columns) {
    std::size_t missing = 0;
    std::vector<int> draw;
    const auto visit = [&](auto&& self, int next) -> void {
        if (static_cast<int>(draw.size()) == shape.m) {
            bool hit = false;
            for (const auto& column : columns) {
                int hits = 0;
                for (const int p : draw) {
                    hits += std::count(column.begin(), column.end(), p);
                }
                hit = hit || hits >= shape.t;
            }
            missing += hit ? 0 : 1;
            return;
        }
        for (int p = next; p <= shape.v; ++p) {
            draw.push_back(p);
            self(self, p + 1);
            draw.pop_back();
        }
    };
    for (int p = 1; p <= shape.f; ++p) {
        draw.push_back(p);
    }
    visit(visit, shape.f + 1);
    return missing;
}

class MatrixFolder {
public:
    MatrixFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "matrix-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~MatrixFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    MatrixFolder(const MatrixFolder&) = delete;
    MatrixFolder& operator=(const MatrixFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream out(file(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return file(name);
    }
    std::string write(const std::string& name, const quintora::Matrix& m) const {
        return write(name, quintora::encodeMatrixFile(m));
    }
    std::vector<std::uint8_t> read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::string path_;
};
