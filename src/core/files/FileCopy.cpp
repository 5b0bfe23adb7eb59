#include "core/files/FileCopy.h"

#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/files/FileWriteLimit.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fstream>
#endif

namespace targello {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t Chunk = 8 << 20;

bool Cancelled(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load();
}

CopyResult Fault(CopyFault fault, std::error_code error) {
    return {fault, FileErrorReason(error), error};
}

std::error_code NoSpace() {
    return std::make_error_code(std::errc::no_space_on_device);
}

#ifndef _WIN32

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, so that a failure of the last write shows.
    std::error_code Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? std::error_code{} : LastError();
    }

private:
    int fd_;
};

std::error_code WriteAll(int fd, const char* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const std::size_t allowed = WritableBytes(size);
        if (allowed == 0)
            return NoSpace();
        const ssize_t written = ::pwrite(fd, data, allowed, offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? LastError() : NoSpace();
        CountWrittenBytes(static_cast<std::size_t>(written));
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += written;
    }
    return {};
}

// Copies bytes [offset, end) from one file to the same place in the other:
// in the kernel by copy_file_range, through a buffer where the kernel cannot.
class RangeCopier {
public:
    RangeCopier(int from, int to, const std::atomic<bool>* cancel) : from_(from), to_(to), cancel_(cancel) {}

    CopyResult Copy(off_t offset, off_t end) {
        while (offset < end) {
            if (Cancelled(cancel_))
                return {CopyFault::Cancelled,
                        FileErrorReason(std::make_error_code(std::errc::operation_canceled))};
            const std::size_t wanted = std::min<std::size_t>(Chunk, static_cast<std::size_t>(end - offset));
            const std::size_t allowed = WritableBytes(wanted);
            if (allowed == 0)
                return Fault(CopyFault::Target, NoSpace());
            const CopyResult step = inKernel_ ? KernelStep(offset, allowed) : BufferStep(offset, allowed);
            if (!step)
                return step;
            if (copied_ == 0)
                break; // the source is shorter than it was
            offset += static_cast<off_t>(copied_);
        }
        return {};
    }

private:
    CopyResult KernelStep(off_t offset, std::size_t size) {
        off_t in = offset;
        off_t out = offset;
        const ssize_t n = ::copy_file_range(from_, &in, to_, &out, size, 0);
        if (n >= 0) {
            copied_ = static_cast<std::size_t>(n);
            CountWrittenBytes(copied_);
            return {};
        }
        if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP || errno == EPERM) {
            inKernel_ = false; // a file system or kernel that cannot: copy through a buffer
            return BufferStep(offset, size);
        }
        if (errno == EINTR) {
            copied_ = 0;
            return KernelStep(offset, size);
        }
        return Fault(CopyFault::Target, LastError());
    }

    CopyResult BufferStep(off_t offset, std::size_t size) {
        buffer_.resize(std::min(size, std::size_t{1} << 20));
        ssize_t n;
        do
            n = ::pread(from_, buffer_.data(), buffer_.size(), offset);
        while (n < 0 && errno == EINTR);
        if (n < 0)
            return Fault(CopyFault::Source, LastError());
        copied_ = static_cast<std::size_t>(n);
        if (const std::error_code error = WriteAll(to_, buffer_.data(), copied_, offset)) {
            copied_ = 0;
            return Fault(CopyFault::Target, error);
        }
        return {};
    }

    int from_;
    int to_;
    const std::atomic<bool>* cancel_;
    bool inKernel_ = true;
    std::size_t copied_ = 0;
    std::string buffer_;
};

// The data parts of `from` copied into `to`, holes skipped.
CopyResult CopyData(int from, int to, off_t size, const std::atomic<bool>* cancel) {
    RangeCopier copier(from, to, cancel);
    for (off_t at = 0; at < size;) {
        off_t data = ::lseek(from, at, SEEK_DATA);
        if (data < 0 && errno == ENXIO)
            break; // only a hole is left
        if (data < 0)
            data = at; // a file system that cannot tell: copy it all
        off_t hole = ::lseek(from, data, SEEK_HOLE);
        if (hole < 0 || hole > size)
            hole = size;
        if (const CopyResult copied = copier.Copy(data, hole); !copied)
            return copied;
        at = hole;
    }
    return {};
}

CopyResult CopyOpened(int from, const struct stat& source, const fs::path& target,
                      const std::atomic<bool>* cancel) {
    if (!TakeFileWrite())
        return Fault(CopyFault::Target, NoSpace());
    Descriptor to(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (to.Get() < 0)
        return Fault(CopyFault::Target, LastError());
    CopyResult result = CopyData(from, to.Get(), source.st_size, cancel);
    if (result && ::ftruncate(to.Get(), source.st_size) != 0)
        result = Fault(CopyFault::Target, LastError());
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (result)
        ::futimens(to.Get(), times);
    if (const std::error_code closed = to.Close(); result && closed)
        result = Fault(CopyFault::Target, closed);
    if (!result)
        ::unlink(target.c_str());
    return result;
}

} // namespace

CopyResult CopyFileKeepingHoles(const fs::path& source, const fs::path& target,
                                const std::atomic<bool>* cancel) {
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer.
    Descriptor from(::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (from.Get() < 0)
        return Fault(CopyFault::Source, LastError());
    struct stat status {};
    if (::fstat(from.Get(), &status) != 0)
        return Fault(CopyFault::Source, LastError());
    if (S_ISDIR(status.st_mode))
        return {CopyFault::Source, FolderReason};
    if (!S_ISREG(status.st_mode))
        return {CopyFault::Source, NotARegularFileReason};
    return CopyOpened(from.Get(), status, target, cancel);
}

std::error_code WriteNewFile(const fs::path& target, std::string_view bytes) {
    if (!TakeFileWrite())
        return NoSpace();
    Descriptor file(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.Get() < 0)
        return LastError();
    std::error_code error = WriteAll(file.Get(), bytes.data(), bytes.size(), 0);
    if (const std::error_code closed = file.Close(); !error)
        error = closed;
    if (error)
        ::unlink(target.c_str());
    return error;
}

#else // Windows: no FIFOs to block on; the system's copy keeps sparse files sparse.

} // namespace

CopyResult CopyFileKeepingHoles(const fs::path& source, const fs::path& target,
                                const std::atomic<bool>* cancel) {
    if (const std::string problem = ReadableFileProblem(source); !problem.empty())
        return {CopyFault::Source, problem};
    if (Cancelled(cancel))
        return {CopyFault::Cancelled, FileErrorReason(std::make_error_code(std::errc::operation_canceled))};
    std::error_code error;
    const auto size = fs::file_size(source, error);
    if (!error && (WritableBytes(size) < size || !TakeFileWrite()))
        error = NoSpace();
    if (!error && !fs::copy_file(source, target, fs::copy_options::none, error) && !error)
        error = std::make_error_code(std::errc::file_exists);
    if (error) {
        std::error_code ignored;
        fs::remove(target, ignored);
        return Fault(CopyFault::Target, error);
    }
    CountWrittenBytes(size);
    const auto time = fs::last_write_time(source, error);
    if (!error)
        fs::last_write_time(target, time, error);
    return {};
}

std::error_code WriteNewFile(const fs::path& target, std::string_view bytes) {
    std::error_code error;
    if (fs::exists(target, error))
        return std::make_error_code(std::errc::file_exists);
    if (!TakeFileWrite())
        return NoSpace();
    const std::size_t allowed = WritableBytes(bytes.size());
    {
        std::ofstream out(target, std::ios::binary);
        if (!out)
            return std::make_error_code(std::errc::permission_denied);
        out.write(bytes.data(), static_cast<std::streamsize>(allowed));
        out.close();
        if (!out)
            error = std::make_error_code(std::errc::io_error);
    }
    if (!error && allowed < bytes.size())
        error = NoSpace();
    CountWrittenBytes(allowed);
    if (error) {
        std::error_code ignored;
        fs::remove(target, ignored);
    }
    return error;
}

#endif

} // namespace targello
