#include <gtest/gtest.h>

#include <fstream>

#include "emulator/memory_file.h"

namespace {

using emulator::FirmwareMemory;
using emulator::MemoryFileSize;

FirmwareMemory patternedMemory() {
    FirmwareMemory memory;
    for (std::uint16_t address = 0x0004; address + 4 <= 0x066B; address += 5) {
        memory.write(address,
                     {static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(address >> 8),
                      0x5A, 0xA5, static_cast<std::uint8_t>(address * 7)});
    }
    return memory;
}

bool sameBytes(const FirmwareMemory& a, const FirmwareMemory& b) {
    return std::equal(a.bytes().begin(), a.bytes().end(), b.bytes().begin());
}

// Each test gets a folder of its own in the temporary folder, removed afterwards.
struct MemoryFile : ::testing::Test {
    std::filesystem::path folder;
    MemoryFile() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 (std::string("emulator_memory_") + info->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~MemoryFile() override { std::filesystem::remove_all(folder); }

    std::filesystem::path writeFile(const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(folder / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return folder / name;
    }
};

TEST_F(MemoryFile, HeaderNamesFormatVersionAndRange) {
    const std::vector<std::uint8_t> file = emulator::encodeMemoryFile(patternedMemory());
    ASSERT_EQ(file.size(), MemoryFileSize);
    EXPECT_EQ(MemoryFileSize, 10u + 1645u);
    const std::vector<std::uint8_t> header(file.begin(), file.begin() + 10);
    EXPECT_EQ(header,
              (std::vector<std::uint8_t>{'K', 'B', 'E', 'M', 1, 0, 0x04, 0x00, 0x6D, 0x06}));
    EXPECT_EQ(file[10], 0x04);  // the byte at address 0x0004
}

TEST_F(MemoryFile, SavedMemoryLoadsBackWhole) {
    const FirmwareMemory saved = patternedMemory();
    ASSERT_TRUE(emulator::saveMemoryFile(folder / "memory.bin", saved));
    EXPECT_EQ(std::filesystem::file_size(folder / "memory.bin"), MemoryFileSize);
    FirmwareMemory loaded;
    ASSERT_TRUE(emulator::loadMemoryFile(folder / "memory.bin", loaded));
    EXPECT_TRUE(sameBytes(loaded, saved));
}

TEST_F(MemoryFile, BadFilesAreRejectedAndChangeNothing) {
    const std::vector<std::uint8_t> good = emulator::encodeMemoryFile(patternedMemory());
    auto changed = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bad = good;
        bad[at] = value;
        return bad;
    };
    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 10)},
        {"one byte short", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
        {"one byte long", longer},
        {"wrong magic", changed(0, 'X')},
        {"newer version", changed(4, 2)},
        {"other first address", changed(6, 0x00)},
        {"other byte count", changed(8, 0x6C)},
    };
    const FirmwareMemory before = patternedMemory();
    for (const Case& c : cases) {
        FirmwareMemory memory = before;
        EXPECT_FALSE(emulator::loadMemoryFile(writeFile("bad.bin", c.bytes), memory)) << c.what;
        EXPECT_TRUE(sameBytes(memory, before)) << c.what;
    }
    FirmwareMemory memory = before;
    EXPECT_FALSE(emulator::loadMemoryFile(folder / "missing.bin", memory));
    EXPECT_TRUE(sameBytes(memory, before));
}

TEST_F(MemoryFile, SavingReplacesAnEarlierFileWhole) {
    const std::filesystem::path path =
        writeFile("memory.bin", std::vector<std::uint8_t>(3000, 0xEE));
    const FirmwareMemory saved = patternedMemory();
    ASSERT_TRUE(emulator::saveMemoryFile(path, saved));
    EXPECT_EQ(std::filesystem::file_size(path), MemoryFileSize);
    FirmwareMemory loaded;
    ASSERT_TRUE(emulator::loadMemoryFile(path, loaded));
    EXPECT_TRUE(sameBytes(loaded, saved));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(MemoryFile, SaveThatCannotCompleteLeavesTheEarlierFile) {
    const FirmwareMemory earlier = patternedMemory();
    ASSERT_TRUE(emulator::saveMemoryFile(folder / "memory.bin", earlier));
    // Nothing can be written where the new contents go before they replace the file.
    std::filesystem::create_directory(folder / "memory.bin.new");
    EXPECT_FALSE(emulator::saveMemoryFile(folder / "memory.bin", FirmwareMemory{}));
    FirmwareMemory loaded;
    ASSERT_TRUE(emulator::loadMemoryFile(folder / "memory.bin", loaded));
    EXPECT_TRUE(sameBytes(loaded, earlier));
}

TEST_F(MemoryFile, SavingWhereNoFileCanBeMadeFails) {
    EXPECT_FALSE(
        emulator::saveMemoryFile(folder / "no such folder" / "memory.bin", patternedMemory()));
}

}  // namespace
