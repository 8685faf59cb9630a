#include <gtest/gtest.h>

#include <numeric>

#include "common/little_endian.h"
#include "emulator/keyboard_firmware.h"
#include "stormline/core/configuration_model.h"
#include "stormline/core/device_image.h"
#include "stormline/core/feature_reports.h"

namespace {

using common::AnswerCollection;
using common::CommandCollection;
using common::ConsumerCollection;
using emulator::InputReport;
using emulator::KeyboardFirmware;

constexpr std::array<std::uint8_t, 5> SomeBytes{0xA1, 0xB2, 0xC3, 0xD4, 0xE5};

struct Firmware : ::testing::Test {
    KeyboardFirmware firmware;

    bool send(common::HidCollection target, const core::FeatureReport& report) {
        return firmware.receiveFeatureReport(target, report);
    }
    std::optional<InputReport> readBack(std::uint16_t address) {
        firmware.takeInputReports();
        if (!send(AnswerCollection, core::readFiveBytesReport(address)))
            return std::nullopt;
        std::vector<InputReport> answers = firmware.takeInputReports();
        if (answers.size() != 1)
            return std::nullopt;
        return answers.front();
    }
};

TEST_F(Firmware, StoresWrittenBytesAndAnswersAReadWithAddressAndData) {
    EXPECT_TRUE(send(CommandCollection, core::writeFiveBytesReport(0x019E, SomeBytes)));
    EXPECT_FALSE(firmware.hasInputReports());

    const std::optional<InputReport> answer = readBack(0x019E);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->collection, AnswerCollection);
    EXPECT_EQ(answer->bytes,
              (emulator::ReportBytes{0x04, 0x9E, 0x01, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5}));
    EXPECT_EQ(firmware.memory().bytes()[410], 0xA1);
}

TEST_F(Firmware, AnswersAreQueuedInOrderAndTakenOnce) {
    send(CommandCollection, core::writeFiveBytesReport(0x0004, SomeBytes));
    EXPECT_TRUE(send(AnswerCollection, core::readFiveBytesReport(0x0006)));
    EXPECT_TRUE(send(AnswerCollection, core::statusQueryReport()));
    EXPECT_TRUE(send(AnswerCollection, core::readFiveBytesReport(0x0004)));
    ASSERT_TRUE(firmware.hasInputReports());

    const std::vector<InputReport> answers = firmware.takeInputReports();
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0].bytes, (emulator::ReportBytes{0x04, 0x06, 0x00, 0xC3, 0xD4, 0xE5, 0, 0}));
    EXPECT_EQ(answers[1].bytes, (emulator::ReportBytes{0x04, 0xFF, 0xFF, 0, 0, 0, 0, 0}));
    EXPECT_EQ(answers[2].bytes[3], 0xA1);
    EXPECT_FALSE(firmware.hasInputReports());
    EXPECT_TRUE(firmware.takeInputReports().empty());
}

// A transport that falls behind loses the oldest answers, never the newest, and the queue
// stays bounded however many reads arrive.
TEST_F(Firmware, UndrainedQueueKeepsTheNewestAnswers) {
    const std::size_t sent = emulator::InputReportQueueCapacity + 8;
    for (std::size_t i = 0; i < sent; ++i) {
        ASSERT_TRUE(send(AnswerCollection,
                         core::readFiveBytesReport(static_cast<std::uint16_t>(0x0004 + 5 * i))));
    }
    const std::vector<InputReport> answers = firmware.takeInputReports();
    ASSERT_EQ(answers.size(), emulator::InputReportQueueCapacity);
    EXPECT_EQ(common::readLe16(answers.front().bytes, 1), 0x0004 + 5 * 8);
    EXPECT_EQ(common::readLe16(answers.back().bytes, 1), 0x0004 + 5 * (sent - 1));
}

TEST_F(Firmware, StatusAnswerCarriesBothFans) {
    struct Case {
        bool left, right;
    };
    for (Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        firmware.setFanState(c.left, c.right);
        firmware.takeInputReports();
        ASSERT_TRUE(send(AnswerCollection, core::statusQueryReport()));
        const std::vector<InputReport> answers = firmware.takeInputReports();
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].collection, AnswerCollection);
        EXPECT_EQ(answers[0].bytes,
                  (emulator::ReportBytes{0x04, 0xFF, 0xFF, c.left, c.right, 0, 0, 0}));
    }
}

TEST_F(Firmware, KeepsLevelAndLogoLightWithoutAnswering) {
    for (std::uint8_t level : {3, 1, 0, 2}) {
        EXPECT_TRUE(send(CommandCollection, core::setLevelReport(level)));
        EXPECT_EQ(firmware.level(), level);
    }
    EXPECT_FALSE(send(CommandCollection, core::setLevelReport(4)));
    EXPECT_EQ(firmware.level(), 2);

    EXPECT_TRUE(send(CommandCollection, core::setToggleReport(1)));
    EXPECT_TRUE(firmware.logoLightOn());
    EXPECT_FALSE(send(CommandCollection, core::setToggleReport(2)));
    EXPECT_TRUE(firmware.logoLightOn());
    EXPECT_TRUE(send(CommandCollection, core::setToggleReport(0)));
    EXPECT_FALSE(firmware.logoLightOn());
    EXPECT_FALSE(firmware.hasInputReports());
}

TEST_F(Firmware, WritesOnlyInsideTheProfileMemory) {
    struct Case {
        std::uint16_t address;
        bool stored;
    };
    for (Case c :
         {Case{0x0004, true}, Case{0x0667, true}, Case{0x0003, false}, Case{0x0000, false},
          Case{0x0668, false}, Case{0x066C, false}, Case{0xFFFB, false}, Case{0xFFFE, false}}) {
        KeyboardFirmware fresh;
        EXPECT_EQ(fresh.receiveFeatureReport(CommandCollection,
                                             core::writeFiveBytesReport(c.address, SomeBytes)),
                  c.stored)
            << std::hex << c.address;
        const auto bytes = fresh.memory().bytes();
        const bool changed = std::any_of(bytes.begin(), bytes.end(), [](auto b) { return b != 0; });
        EXPECT_EQ(changed, c.stored) << std::hex << c.address;
    }
}

TEST_F(Firmware, ReadsCoverTheProfilesAndTheFiveBytesAfterThem) {
    struct Case {
        std::uint16_t address;
        bool answered;
    };
    for (Case c :
         {Case{0x0004, true}, Case{0x0643, true}, Case{0x066B, true}, Case{0x066C, true},
          Case{0x066D, false}, Case{0x0003, false}, Case{0x0000, false}, Case{0xFFFE, false}}) {
        EXPECT_EQ(readBack(c.address).has_value(), c.answered) << std::hex << c.address;
    }
}

// Over the whole 16-bit address space, only the memory and the three settings addresses are
// taken; under the sanitizers this also shows that no address reaches outside the memory.
TEST_F(Firmware, EveryOtherAddressIsRefused) {
    const std::array<std::uint8_t, 5> zeros{};
    for (std::uint32_t address = 0; address <= 0xFFFF; ++address) {
        const auto a = static_cast<std::uint16_t>(address);
        const bool writable = (a >= 0x0004 && a <= 0x0667) || a == 0xFF00 || a == 0xFF01;
        const bool readable = (a >= 0x0004 && a <= 0x066C) || a == 0xFFFF;
        ASSERT_EQ(send(CommandCollection, core::writeFiveBytesReport(a, zeros)), writable) << a;
        ASSERT_EQ(send(AnswerCollection, core::readFiveBytesReport(a)), readable) << a;
        ASSERT_EQ(firmware.takeInputReports().size(), readable ? 1u : 0u) << a;
    }
}

TEST_F(Firmware, IgnoresReportsItDoesNotUnderstand) {
    send(CommandCollection, core::setLevelReport(2));
    const core::FeatureReport write = core::writeFiveBytesReport(0x0004, SomeBytes);
    const core::FeatureReport read = core::readFiveBytesReport(0x0004);
    core::FeatureReport unknownId = write;
    unknownId[0] = 0x05;
    core::FeatureReport keyEventId = read;
    keyEventId[0] = 0x02;
    const std::vector<std::uint8_t> longWrite{0x03, 0x04, 0x00, 1, 2, 3, 4, 5, 6};
    const core::FeatureReport level = core::setLevelReport(3);
    const core::FeatureReport status = core::statusQueryReport();
    struct Case {
        const char* what;
        common::HidCollection target;
        std::span<const std::uint8_t> report;
    };
    const Case cases[] = {
        {"empty", CommandCollection, {}},
        {"short write", CommandCollection, std::span(write).first(7)},
        {"long write", CommandCollection, longWrite},
        {"short read", AnswerCollection, std::span(read).first(3)},
        {"unknown report id", CommandCollection, unknownId},
        {"input report id", AnswerCollection, keyEventId},
        {"write to the answer collection", AnswerCollection, write},
        {"write to the consumer collection", ConsumerCollection, write},
        {"read to the command collection", CommandCollection, read},
        {"level to the answer collection", AnswerCollection, level},
        {"status to the command collection", CommandCollection, status},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(firmware.receiveFeatureReport(c.target, c.report)) << c.what;
        EXPECT_FALSE(firmware.hasInputReports()) << c.what;
    }
    const auto bytes = firmware.memory().bytes();
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(firmware.level(), 2);
}

// An upload as the application sends it lands where a download finds it again.
TEST_F(Firmware, UploadedProfileReadsBackBlockForBlock) {
    core::ConfigurationModel model;
    model.assignKeyCodes();
    ASSERT_TRUE(model.assignLaunch(3, 9, u"C:\\tool.exe"));
    ASSERT_TRUE(model.assignShortcut(3, 0, core::FunctionCode::Save));
    core::DeviceImage image;
    image.fillImageFromProfile(model.profileTable, 3);

    int reports = 0;
    for (std::size_t offset = 1230; offset < 1640; offset += 5, ++reports) {
        auto chunk = image.imageBytes(offset, 5).first<5>();
        ASSERT_TRUE(send(CommandCollection,
                         core::writeFiveBytesReport(core::keyboardAddress(offset), chunk)));
    }
    EXPECT_EQ(reports, 82);
    EXPECT_EQ(firmware.memory().keyBlock(3, 9), model.keyBlock(3, 9));
    EXPECT_EQ(firmware.memory().keyBlock(3, 0), model.keyBlock(3, 0));

    const std::optional<InputReport> lastKey = readBack(0x0643);
    ASSERT_TRUE(lastKey);
    EXPECT_EQ(lastKey->bytes, (emulator::ReportBytes{0x04, 0x43, 0x06, 0xBF, 0x00, 0xBF, 0xC0, 0}));
}

}  // namespace
