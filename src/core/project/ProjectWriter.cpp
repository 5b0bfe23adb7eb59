#include "core/project/ProjectWriter.h"

#include "core/project/ProjectFields.h"
#include "core/project/ProjectTrailer.h"

#include <stdexcept>

namespace targello {
namespace {

class ByteWriter {
public:
    explicit ByteWriter(std::string& out) : out_(out) {}

    void Integer(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            out_ += static_cast<char>((bits >> shift) & 0xFF);
    }

    void Flag(bool value, const char*) { out_ += static_cast<char>(value ? 1 : 0); }

    void Text(const std::string& text, ProjectField field, int number) {
        const std::size_t width = FieldWidth(field);
        if (text.size() >= width || text.find('\0') != std::string::npos)
            throw std::invalid_argument("project text does not fit its field: " + FieldLabel(field, number));
        out_ += text;
        out_.append(width - text.size(), '\0');
    }

private:
    std::string& out_;
};

} // namespace

std::string SerializeProject(const ProjectRecord& record) {
    if (record.Items.size() > static_cast<std::size_t>(ProjectLayout::MaxItems))
        throw std::invalid_argument("a project holds at most 100 items");
    const int count = static_cast<int>(record.Items.size());
    std::string bytes;
    bytes.reserve(ProjectLayout::FileSize(count));
    ByteWriter writer(bytes);
    writer.Integer(count);
    VisitProjectFields(record, writer);
    bytes += SerializeTrailer(record.TrailerLines);
    return bytes;
}

} // namespace targello
