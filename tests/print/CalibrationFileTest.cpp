#include "print/CalibrationFile.h"

#include "settings/ScratchFolder.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace quintora {
namespace {

SlipLayout sampleLayout() {
    SlipLayout l;
    l.spacingX = 5.1F;
    l.spacingY = 4.4F;
    l.gridTop = 33.6F;
    l.gridLeft = 12.3F;
    l.headerX = 2.5F;
    l.headerY = 199.9F;
    l.nameX = 3.0F;
    l.nameY = 0.2F;
    l.printQuality = QualityNormal;
    l.printerName = "Stampante d'uffici\xC3\xB2"; // "ò" is one byte in the file
    return l;
}

std::vector<std::uint8_t> withFloatAt(std::vector<std::uint8_t> bytes, std::size_t at, float v) {
    std::memcpy(bytes.data() + at, &v, sizeof v);
    return bytes;
}

TEST(CalibrationFile, RecordsOf128BytesEachValueAtTheStartOfItsRecord) {
    const auto bytes = encodeCalibration(sampleLayout());
    const std::string name = "Stampante d'uffici\xF2";
    ASSERT_EQ(bytes.size(), 9 * 128 + 2 + name.size());
    float spacingX = 0;
    std::memcpy(&spacingX, bytes.data(), 4);
    EXPECT_FLOAT_EQ(spacingX, 5.1F);
    float nameY = 0;
    std::memcpy(&nameY, bytes.data() + 896, 4);
    EXPECT_FLOAT_EQ(nameY, 0.2F);
    EXPECT_EQ(bytes[4], 0); // the rest of a record is zeros
    EXPECT_EQ(bytes[127], 0);
    // The quality: type code 2 (16-bit integer), then 9999 little-endian.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 1024, bytes.begin() + 1028),
              (std::vector<std::uint8_t>{0x02, 0x00, 0x0F, 0x27}));
    EXPECT_EQ(bytes[1152], name.size());
    EXPECT_EQ(bytes[1153], 0);
    EXPECT_EQ(std::string(bytes.begin() + 1154, bytes.end()), name);
}

TEST(CalibrationFile, DecodesWhatItEncodes) {
    const auto decoded = decodeCalibration(encodeCalibration(sampleLayout()));
    ASSERT_TRUE(decoded) << decoded.error().message;
    EXPECT_EQ(decoded.value(), sampleLayout());
}

TEST(CalibrationFile, AFileThatEndsEarlyKeepsWhatIsThereAndZerosTheRest) {
    const auto full = encodeCalibration(sampleLayout());
    struct Cut {
        std::size_t length;
        float spacingY;
        float nameY;
        std::int16_t quality;
        bool named;
    };
    for (const Cut cut :
         {Cut{0, 0, 0, 0, false}, Cut{3, 0, 0, 0, false}, Cut{132, 4.4F, 0, 0, false},
          Cut{900, 4.4F, 0.2F, 0, false}, Cut{1026, 4.4F, 0.2F, 0, false},
          Cut{1028, 4.4F, 0.2F, 9999, false}, Cut{1153, 4.4F, 0.2F, 9999, false},
          Cut{1160, 4.4F, 0.2F, 9999, false}, Cut{full.size(), 4.4F, 0.2F, 9999, true}}) {
        SCOPED_TRACE(cut.length);
        const auto decoded =
            decodeCalibration(std::span(full.data(), std::min(cut.length, full.size())));
        ASSERT_TRUE(decoded) << decoded.error().message;
        EXPECT_FLOAT_EQ(decoded.value().spacingY, cut.spacingY);
        EXPECT_FLOAT_EQ(decoded.value().nameY, cut.nameY);
        EXPECT_EQ(decoded.value().printQuality, cut.quality);
        EXPECT_EQ(decoded.value().printerName.empty(), !cut.named);
    }
}

TEST(CalibrationFile, DamagedFilesAreRefusedWithAMessage) {
    const auto good = encodeCalibration(sampleLayout());
    auto wrongTag = good;
    wrongTag[1024] = 8; // a text where the quality belongs
    auto trailing = good;
    trailing.push_back('x');
    const std::vector<std::vector<std::uint8_t>> damaged{
        withFloatAt(good, 0, std::numeric_limits<float>::quiet_NaN()),
        withFloatAt(good, 256, std::numeric_limits<float>::infinity()),
        withFloatAt(good, 384, -1.0F),
        withFloatAt(good, 640, 300.5F),
        wrongTag,
        trailing,
        std::vector<std::uint8_t>(MaxCalibrationFileSize + 1, 0),
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE(i);
        const auto decoded = decodeCalibration(damaged[i]);
        ASSERT_FALSE(decoded);
        EXPECT_NE(decoded.error().message.find("taratura"), std::string::npos);
    }
}

TEST(CalibrationFile, NoFileGivesTheDialogItsDefaultsAndThePrintingPathZeros) {
    ScratchFolder folder;
    const std::string path = calibrationPath(folder.path(), SlipType::FiveColumns);
    EXPECT_EQ(std::filesystem::path(path).filename(), "scheda5col.cfg");
    const auto dialog = loadSlipLayout(path, SlipType::FiveColumns, true);
    ASSERT_TRUE(dialog);
    const SlipLayout& d = dialog.value();
    EXPECT_EQ((std::vector<float>{d.spacingX, d.spacingY, d.gridTop, d.gridLeft, d.headerX,
                                  d.headerY, d.nameX, d.nameY}),
              (std::vector<float>{5, 4.5F, 33.5F, 12, 2, 200, 2, 0.1F}));
    EXPECT_FALSE(d.normalQuality()); // "&Bassa"
    EXPECT_TRUE(d.printerName.empty());
    const auto printing = loadSlipLayout(path, SlipType::FiveColumns, false);
    ASSERT_TRUE(printing);
    EXPECT_EQ(printing.value(), SlipLayout{});
}

TEST(CalibrationFile, SavedMeasuresComeBackToATenthOfAMillimetre) {
    ScratchFolder folder;
    const std::string path = calibrationPath(folder.path(), SlipType::OneColumn);
    SlipLayout layout = sampleLayout();
    layout.gridTop = 0.0F; // reloads as its default in the dialog only
    ASSERT_TRUE(saveSlipLayout(path, layout));
    const auto printing = loadSlipLayout(path, SlipType::OneColumn, false);
    ASSERT_TRUE(printing);
    EXPECT_EQ(printing.value(), layout);
    const auto dialog = loadSlipLayout(path, SlipType::OneColumn, true);
    ASSERT_TRUE(dialog);
    EXPECT_FLOAT_EQ(dialog.value().gridTop, 51.5F);
    EXPECT_FLOAT_EQ(dialog.value().headerY, 199.9F);
    EXPECT_EQ(std::lround(dialog.value().headerY * 10), 1999);
    EXPECT_EQ(dialog.value().printerName, layout.printerName);
}

TEST(CalibrationFile, WhatIsNotACalibrationFileIsRefusedAndTheOldFileStays) {
    ScratchFolder folder;
    const std::string path = calibrationPath(folder.path(), SlipType::OneColumn);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(loadSlipLayout(path, SlipType::OneColumn, true));
    EXPECT_FALSE(saveSlipLayout(path, sampleLayout()));
    EXPECT_TRUE(std::filesystem::is_directory(path));

    const std::string other = calibrationPath(folder.path(), SlipType::FiveColumns);
    ASSERT_TRUE(saveSlipLayout(other, sampleLayout()));
    folder.write("scheda5col.cfg", std::string(200, '\xff'));
    const auto garbage = loadSlipLayout(other, SlipType::FiveColumns, true);
    ASSERT_FALSE(garbage);
    EXPECT_FALSE(garbage.error().message.empty());
}

} // namespace
} // namespace quintora

namespace quintora {
namespace {

// Hand-made calibration files: the bytes behind each value, a file that ends early, a quality
// the dialog never writes: read and written again they keep their bytes.
TEST(CalibrationFile, AFileReadAndWrittenAgainKeepsItsBytes) {
    const auto full = encodeCalibration(sampleLayout());
    const auto patched = [&full](std::size_t at, std::vector<std::uint8_t> bytes) {
        auto b = full;
        std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<long>(at));
        return b;
    };
    const auto cut = [&full](std::size_t size) {
        return std::vector<std::uint8_t>(full.begin(), full.begin() + static_cast<long>(size));
    };
    const struct {
        const char* name;
        std::vector<std::uint8_t> file;
    } cases[] = {
        {"as the program writes it", full},
        {"bytes behind a measure", patched(4, {'V', 'B', '6'})},
        {"bytes behind the quality", patched(8 * 128 + 4, {0xFF, 0x01})},
        {"a quality the dialog never writes", patched(8 * 128 + 2, {0x07, 0x00})},
        {"ends inside the third record", cut(2 * 128 + 60)},
        {"ends after the measures", cut(8 * 128)},
        {"ends before the printer name", cut(9 * 128)},
        {"ends inside the last padding", cut(8 * 128 + 10)},
        {"a printer name with an undefined byte", patched(9 * 128 + 2, {0x81})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = decodeStoredCalibration(c.file);
        ASSERT_TRUE(read.ok()) << read.error().message;
        EXPECT_EQ(encodeCalibration(read.value().layout, read.value().kept), c.file);

        // A change of the quality moves nothing: every other value reads as before.
        SlipLayout changed = read.value().layout;
        changed.printQuality = QualityLow;
        const auto again = decodeCalibration(encodeCalibration(changed, read.value().kept));
        ASSERT_TRUE(again.ok()) << again.error().message;
        EXPECT_EQ(again.value(), changed);
    }
}

TEST(CalibrationFile, SavingTheLayoutAsLoadedKeepsTheFile) {
    ScratchFolder folder;
    auto bytes = encodeCalibration(sampleLayout());
    bytes[200] = 0x5A; // inside the second record's padding
    const std::string path =
        folder.write("scheda1col.cfg", std::string(bytes.begin(), bytes.end()));
    const auto loaded = loadStoredCalibration(path, SlipType::OneColumn, true);
    ASSERT_TRUE(loaded.ok());
    ASSERT_TRUE(saveSlipLayout(path, loaded.value().layout, loaded.value().kept));
    EXPECT_EQ(folder.read("scheda1col.cfg"), std::string(bytes.begin(), bytes.end()));
}

} // namespace
} // namespace quintora
