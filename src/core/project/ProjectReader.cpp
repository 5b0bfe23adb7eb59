#include "core/project/ProjectReader.h"

#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/project/PolishCount.h"
#include "core/project/ProjectFields.h"
#include "core/project/ProjectTrailer.h"
#include "core/project/SharedFileAccess.h"
#include "core/project/Utf8Path.h"
#include "core/settings/PathRules.h"

#include <system_error>

namespace targello {
namespace {

using ReadOutcome = ProjectOutcome<ProjectRecord>;

std::string bytesText(std::size_t n) {
    return PolishCount(static_cast<long long>(n), "bajt", "bajty", "bajtów");
}

std::string refusal(const std::string& fileName, const std::string& problem) {
    return "Nie można otworzyć projektu „" + fileName + "”: " + problem + ".";
}

std::string damaged(const std::string& fileName, const std::string& detail) {
    return refusal(fileName, "plik jest uszkodzony albo nie jest projektem sklepu (" + detail + ")");
}

std::int32_t integerAt(std::string_view bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (int k = 3; k >= 0; --k)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(k)]);
    return static_cast<std::int32_t>(bits);
}

// Reads fields in order from bytes whose length has already been checked;
// the first bad field stops it and leaves its description in `problem`.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, std::size_t offset) : bytes_(bytes), pos_(offset) {}

    const std::string& Problem() const { return problem_; }

    void Integer(std::int32_t& value) {
        if (!problem_.empty())
            return;
        value = integerAt(bytes_, pos_);
        pos_ += 4;
    }

    void Flag(bool& value, const char* label) {
        if (!problem_.empty())
            return;
        const auto byte = static_cast<unsigned char>(bytes_[pos_++]);
        if (byte > 1)
            problem_ = std::string("pole „") + label + "” ma wartość " + std::to_string(byte) +
                       ", a może mieć tylko 0 lub 1";
        value = byte == 1;
    }

    void Text(std::string& text, ProjectField field, int number) {
        if (!problem_.empty())
            return;
        const std::size_t width = FieldWidth(field);
        const std::string_view slot = bytes_.substr(pos_, width);
        const std::size_t end = slot.find('\0');
        if (end == std::string_view::npos)
            problem_ = "pole „" + FieldLabel(field, number) + "” nie ma zakończenia tekstu";
        else
            text.assign(slot.substr(0, end));
        pos_ += width;
    }

private:
    std::string_view bytes_;
    std::size_t pos_;
    std::string problem_;
};

void emptyNullText(std::string& text) {
    if (text == "(null)")
        text.clear();
}

// What is wrong with the size and count, or empty.
std::string sizeProblem(std::string_view bytes) {
    if (bytes.size() < ProjectLayout::MinFileSize)
        return "plik ma " + bytesText(bytes.size()) + ", a projekt sklepu ma ich co najmniej " +
               bytesText(ProjectLayout::MinFileSize);
    const std::int32_t count = integerAt(bytes, 0);
    if (count < 0 || count > ProjectLayout::MaxItems)
        return "liczba produktów w pliku (" + std::to_string(count) + ") jest spoza zakresu 0–100";
    const std::size_t fixed = ProjectLayout::FileSize(count);
    if (bytes.size() > fixed && bytes.substr(fixed).starts_with(ProjectTrailer::Magic))
        return {}; // the trailer is checked on its own
    if (bytes.size() != fixed)
        return "długość pliku (" + bytesText(bytes.size()) + ") nie zgadza się z liczbą produktów (" +
               std::to_string(count) + "), dla której plik ma " + bytesText(ProjectLayout::FileSize(count));
    return {};
}

constexpr std::size_t LargestProject =
    ProjectLayout::MaxFileSize + ProjectTrailer::HeadSize + ProjectTrailer::MaxBodySize;

// Why a file longer than any project is none, told from its head: a
// count out of range, a trailer that says it is too long, or the length.
std::string tooLongProblem(std::string_view head) {
    if (head.size() >= ProjectLayout::MinFileSize) {
        const std::int32_t count = integerAt(head, 0);
        if (count < 0 || count > ProjectLayout::MaxItems)
            return sizeProblem(head);
        const std::size_t fixed = ProjectLayout::FileSize(count);
        if (head.size() >= fixed + ProjectTrailer::HeadSize &&
            head.substr(fixed).starts_with(ProjectTrailer::Magic))
            if (const auto trailer = ParseTrailer(head.substr(fixed, ProjectTrailer::HeadSize)); !trailer)
                return trailer.Error;
    }
    return "plik jest dłuższy niż największy projekt sklepu, " + bytesText(LargestProject);
}

// "plik.esk/" names a folder: where a file has that name, the user is told
// so, instead of hearing that nothing is there.
std::string trailingSeparatorProblem(const std::filesystem::path& file) {
    const PathRules rules(NativePathStyle());
    std::string name = Utf8FromPath(file);
    if (name.empty() || !rules.IsSeparator(name.back()))
        return {};
    while (name.size() > 1 && rules.IsSeparator(name.back()))
        name.pop_back();
    if (StatusOfFile(PathFromUtf8(name)).Kind != FileKind::Regular)
        return {};
    return "nazwa kończy się ukośnikiem, a „" + name + "” jest plikiem, nie folderem; podaj ją bez ukośnika";
}

} // namespace

ProjectOutcome<ProjectRecord> ParseProject(std::string_view bytes, const std::string& fileName) {
    if (const std::string problem = sizeProblem(bytes); !problem.empty())
        return ReadOutcome::Failure(damaged(fileName, problem));
    ProjectRecord record;
    record.Items.resize(static_cast<std::size_t>(integerAt(bytes, 0)));
    ByteReader reader(bytes, 4);
    VisitProjectFields(record, reader);
    if (!reader.Problem().empty())
        return ReadOutcome::Failure(damaged(fileName, reader.Problem()));
    if (record.ProductColumns < 1 || record.ProductColumns > 4)
        return ReadOutcome::Failure(damaged(fileName, "liczba kolumn produktów (" +
                                                          std::to_string(record.ProductColumns) +
                                                          ") jest spoza zakresu 1–4"));
    const std::string_view rest =
        bytes.substr(ProjectLayout::FileSize(static_cast<int>(record.Items.size())));
    if (!rest.empty()) {
        ProjectOutcome<std::vector<std::string>> trailer = ParseTrailer(rest);
        if (!trailer)
            return ReadOutcome::Failure(damaged(fileName, trailer.Error));
        record.TrailerLines = std::move(*trailer.Value);
    }
    for (std::string* text : {&record.TexturePath, &record.BannerPath, &record.ShopTitle,
                              &record.BasketCaption, &record.OrderEmail})
        emptyNullText(*text);
    return {std::move(record), {}};
}

ProjectOutcome<ProjectRecord> ReadProjectFile(const std::string& path) {
    const std::filesystem::path file = PathFromUtf8(path);
    if (const std::string problem = trailingSeparatorProblem(file); !problem.empty())
        return ReadOutcome::Failure(refusal(path, problem));
    // A missing file, a folder, or a FIFO or a device, which would block the
    // reader or never end.
    if (const std::string problem = ReadableFileProblem(file); !problem.empty())
        return ReadOutcome::Failure(refusal(path, problem));
    // The head first: a file too long to be a project is refused by what its
    // head says, without reading the rest.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const bool tooLong = !error && size > LargestProject;
    // One byte past the largest project tells a longer file from it.
    const std::optional<std::string> read = ReadFileStart(
        file, tooLong ? ProjectLayout::MaxFileSize + ProjectTrailer::HeadSize : LargestProject + 1, &error);
    if (!read)
        return ReadOutcome::Failure(refusal(path, FileErrorReason(error)));
    if (tooLong || read->size() > LargestProject)
        return ReadOutcome::Failure(damaged(path, tooLongProblem(*read)));
    return ParseProject(*read, path);
}

} // namespace targello
