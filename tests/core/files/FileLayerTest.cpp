#include "FileContents.h"
#include "SpecialFiles.h"
#include "WithinTimeLimit.h"
#include "core/files/FileCopy.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/files/FileWriteLimit.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace targello;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
using namespace targello::testing;

namespace {

class FileLayer : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("targello-files-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "folder");
        std::ofstream(root / "plain.jpg", std::ios::binary) << "JPEG bytes";
        if (targello::testing::HasFifos) {
            ASSERT_EQ(targello::testing::MakeFifo(root / "fifo.jpg"), 0);
        }
    }
    void TearDown() override {
        SetWriteLimitForTests(std::nullopt);
        fs::remove_all(root);
    }

    fs::path root;
};

} // namespace

TEST(FileErrorReason, SpeaksPolishForEverySystemError) {
    EXPECT_EQ(FileErrorReason(std::make_error_code(std::errc::no_space_on_device)), "brak miejsca na dysku");
    EXPECT_EQ(FileErrorReason(std::make_error_code(std::errc::permission_denied)), "brak uprawnień");
    // chattr +i gives "Operation not permitted".
    EXPECT_EQ(FileErrorReason(std::make_error_code(std::errc::operation_not_permitted)), "brak uprawnień");
    EXPECT_EQ(FileErrorReason(std::make_error_code(std::errc::read_only_file_system)),
              "plik tylko do odczytu");
    EXPECT_EQ(FileErrorReason(std::make_error_code(std::errc::is_a_directory)), "to jest folder");
#ifdef _WIN32
    // Windows' own error numbers are not errno values; the C library's are.
    EXPECT_EQ(FileErrorReason(std::error_code(ENXIO, std::generic_category())), "to nie jest zwykły plik");
#else
    EXPECT_EQ(FileErrorReason(std::error_code(ENXIO, std::system_category())), "to nie jest zwykły plik");
#endif
    // An error without a Polish text of its own still gives no English.
    EXPECT_EQ(FileErrorReason(std::error_code(EBADMSG, std::generic_category())),
              "błąd systemu nr " + std::to_string(EBADMSG));
}

TEST(PictureSize, MoreThanHundredMillionPixelsIsRefusedWithItsSize) {
    EXPECT_FALSE(PictureTooLarge(10000, 10000));
    EXPECT_TRUE(PictureTooLarge(10001, 10000));
    EXPECT_TRUE(PictureTooLarge(100'000'001, 1));
    EXPECT_TRUE(PictureTooLarge(32000, 32000));
    EXPECT_FALSE(PictureTooLarge(0, 1'000'000'000));
    EXPECT_EQ(PictureTooLargeReason(32000, 32000), "obrazek za duży: 32000 × 32000 pikseli");
}

TEST_F(FileLayer, KindsAreToldWithoutOpening) {
    TARGELLO_SKIP_WITHOUT_FIFOS();
    EXPECT_EQ(StatusOfFile(root / "plain.jpg").Kind, FileKind::Regular);
    EXPECT_EQ(StatusOfFile(root / "folder").Kind, FileKind::Folder);
    EXPECT_EQ(StatusOfFile(root / "fifo.jpg").Kind, FileKind::Special);
    EXPECT_EQ(StatusOfFile(root / "brak.jpg").Kind, FileKind::Missing);

    EXPECT_EQ(ReadableFileProblem(root / "plain.jpg"), "");
    EXPECT_EQ(ReadableFileProblem(root / "fifo.jpg"), "to nie jest zwykły plik");
    EXPECT_EQ(ReadableFileProblem(root / "folder"), "to jest folder");
    EXPECT_EQ(ReadableFileProblem(root / "brak.jpg"), "plik nie istnieje");

    EXPECT_EQ(WritableFileProblem(root / "brak.html"), "");
    EXPECT_EQ(WritableFileProblem(root / "plain.jpg"), "");
    EXPECT_EQ(WritableFileProblem(root / "fifo.jpg"), "to nie jest zwykły plik");
    EXPECT_EQ(WritableFileProblem(root / "folder"), "to jest folder");
}

TEST_F(FileLayer, CopyRefusesWhatIsNoRegularFileWithoutBlocking) {
    TARGELLO_SKIP_WITHOUT_FIFOS();
    CopyResult fromFifo;
    ASSERT_TRUE(targello::testing::FinishesWithin(5s, {root / "fifo.jpg"}, [&] {
        fromFifo = CopyFileKeepingHoles(root / "fifo.jpg", root / "copy.jpg");
    }));
    EXPECT_EQ(fromFifo.Fault, CopyFault::Source);
    EXPECT_EQ(fromFifo.Reason, "to nie jest zwykły plik");

    const CopyResult fromFolder = CopyFileKeepingHoles(root / "folder", root / "copy.jpg");
    EXPECT_EQ(fromFolder.Fault, CopyFault::Source);
    EXPECT_EQ(fromFolder.Reason, "to jest folder");
    EXPECT_FALSE(fs::exists(root / "copy.jpg"));

    // The target must be new: an existing file is never written over.
    const CopyResult ontoFile = CopyFileKeepingHoles(root / "plain.jpg", root / "fifo.jpg");
    EXPECT_EQ(ontoFile.Fault, CopyFault::Target);
    EXPECT_EQ(StatusOfFile(root / "fifo.jpg").Kind, FileKind::Special);
}

TEST_F(FileLayer, CopyKeepsBytesAndTime) {
    fs::last_write_time(root / "plain.jpg", fs::last_write_time(root / "plain.jpg") - 1h);
    ASSERT_TRUE(CopyFileKeepingHoles(root / "plain.jpg", root / "copy.jpg"));
    EXPECT_EQ(ReadFile(root / "copy.jpg"), "JPEG bytes");
    EXPECT_EQ(fs::last_write_time(root / "copy.jpg"), fs::last_write_time(root / "plain.jpg"));
}

TEST_F(FileLayer, SparsePictureIsCopiedWithoutWritingItsHoles) {
    const fs::path sparse = root / "sparse.jpg";
    constexpr std::int64_t Size = std::int64_t{2} << 30;
    {
        std::ofstream(sparse, std::ios::binary) << "start";
        fs::resize_file(sparse, static_cast<std::uintmax_t>(Size));
        std::fstream end(sparse, std::ios::binary | std::ios::in | std::ios::out);
        end.seekp(Size - 3);
        end << "end";
    }
    const std::optional<std::int64_t> source = targello::testing::AllocatedBytes(sparse);
    if (!source)
        GTEST_SKIP() << "this system does not say how much of a file is on the disk";
    if (*source > (std::int64_t{64} << 20))
        GTEST_SKIP() << "this file system keeps no holes";

    ASSERT_TRUE(CopyFileKeepingHoles(sparse, root / "copy.jpg"));
    EXPECT_EQ(fs::file_size(root / "copy.jpg"), static_cast<std::uintmax_t>(Size));
    EXPECT_LE(targello::testing::AllocatedBytes(root / "copy.jpg").value_or(0), std::int64_t{16} << 20)
        << "the holes were written as zeros";
    std::ifstream in(root / "copy.jpg", std::ios::binary);
    std::string head(5, '\0'), middle(4, 'x'), tail(3, '\0');
    in.read(head.data(), 5);
    in.seekg(Size / 2);
    in.read(middle.data(), 4);
    in.seekg(Size - 3);
    in.read(tail.data(), 3);
    EXPECT_EQ(head, "start");
    EXPECT_EQ(middle, std::string(4, '\0'));
    EXPECT_EQ(tail, "end");
}

TEST_F(FileLayer, FullDiskLeavesNoHalfWrittenFile) {
    SetWriteLimitForTests(4);
    EXPECT_EQ(WriteNewFile(root / "page.html", "<HTML>"), std::errc::no_space_on_device);
    EXPECT_FALSE(fs::exists(root / "page.html"));

    SetWriteLimitForTests(4);
    const CopyResult copied = CopyFileKeepingHoles(root / "plain.jpg", root / "copy.jpg");
    EXPECT_EQ(copied.Fault, CopyFault::Target);
    EXPECT_EQ(copied.Reason, "brak miejsca na dysku");
    EXPECT_FALSE(fs::exists(root / "copy.jpg"));

    SetWriteLimitForTests(std::nullopt);
    EXPECT_FALSE(WriteNewFile(root / "page.html", "<HTML>"));
    EXPECT_EQ(ReadFile(root / "page.html"), "<HTML>");
    // A new file only: the page is never written over in place.
    EXPECT_EQ(WriteNewFile(root / "page.html", "other"), std::errc::file_exists);
    EXPECT_EQ(ReadFile(root / "page.html"), "<HTML>");
}

TEST_F(FileLayer, CancelledCopyLeavesNothing) {
    const std::atomic<bool> cancel{true};
    const CopyResult copied = CopyFileKeepingHoles(root / "plain.jpg", root / "copy.jpg", &cancel);
    EXPECT_EQ(copied.Fault, CopyFault::Cancelled);
    EXPECT_FALSE(fs::exists(root / "copy.jpg"));
}
