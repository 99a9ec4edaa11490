#include "util/fileio.h"

#include "util/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace ashtally {

namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

[[noreturn]] void ThrowFileError(const char* what, const std::string& path, int error) {
    throw EFileError(std::string(what) + " \"" + path + "\". " + Reason(error));
}

// Closes a descriptor when it goes out of scope, unless it has been handed back.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }
    // Closes now and reports the result: a failed close can mean lost data.
    int Close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// The process's file-creation mask. Asking umask() would have to set it for a moment, which
// another thread could see; the kernel reports it without that.
mode_t CurrentUmask() {
    std::FILE* status = std::fopen("/proc/self/status", "re");
    mode_t mask = 022;
    if (status == nullptr) {
        return mask;
    }
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
        unsigned value = 0;
        if (std::sscanf(line, "Umask: %o", &value) == 1) {
            mask = static_cast<mode_t>(value);
            break;
        }
    }
    std::fclose(status);
    return mask;
}

// The file that a write to this path should replace: a symbolic link stays a link, and the
// file it points to gets the new content.
std::string ResolveTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            std::string target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
}

void SyncFolder(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string ReadFileBytes(const std::string& path, bool missingIsEmpty) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        if (errno == ENOENT && missingIsEmpty) {
            return {};
        }
        ThrowFileError("Cannot open file", path, errno);
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowFileError("Cannot read file", path, errno);
        }
        if (count == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return bytes;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string target = ResolveTarget(path);
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);

    // A hidden name beside the target: the rename is then atomic (same file system), and a
    // left-over from a crash does not show among the user's files.
    std::string temporary = folder + "." + name + ".XXXXXX";
    FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0) {
        ThrowFileError("Cannot create file", path, errno);
    }

    // Any failure from here on removes the temporary file; the target is not touched.
    auto fail = [&](const char* what, int error) {
        file.Close();
        ::unlink(temporary.c_str());
        ThrowFileError(what, path, error);
    };

    // The new file keeps the permissions and owner of the one it replaces; a new file gets
    // what the user's file-creation mask allows of rw-r--r--.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(file.Get(), old.st_mode & 07777);
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(file.Get(), old.st_uid, old.st_gid);
        }
    } else {
        ::fchmod(file.Get(), 0644 & ~CurrentUmask());
    }

    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(file.Get(), bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("Cannot write file", errno);
        }
        written += static_cast<std::size_t>(count);
    }
    if (::fsync(file.Get()) != 0) {
        fail("Cannot write file", errno);
    }
    if (file.Close() != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        ThrowFileError("Cannot write file", path, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        ThrowFileError("Cannot create file", path, error);
    }
    // The rename itself reaches the disk only with its folder.
    SyncFolder(folder);
}

} // namespace ashtally
