#pragma once
// A fresh folder for one test, removed afterwards: an application folder with its "skin" and
// "pictures" below it.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace forms::testing {

class TestFolder {
  public:
    TestFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("forms-test-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "-" +
                 std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write(const std::filesystem::path& relative, std::string_view text) const {
        writeBytes(relative, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    void writeBytes(const std::filesystem::path& relative,
                    const std::vector<std::uint8_t>& bytes) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

  private:
    std::filesystem::path path_;
};

}  // namespace forms::testing
