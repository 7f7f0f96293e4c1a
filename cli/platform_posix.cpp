// Files and text natively: a file replaced as git replaces one, and the
// system's bytes taken as they are.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "cli/platform.h"

std::string systemCodeText(unsigned long code) { return std::strerror(static_cast<int>(code)); }

// Natively the bytes stand as they are; a JSON document replaces what is not UTF-8.
std::string toUtf8(const std::string& text) { return text; }
std::string consoleText(const std::string& text) { return text; }

namespace {

// How many links deep a path may point before it is taken for a loop, as
// the kernel counts them.
constexpr int LongestLinkChain = 40;

bool failWith(std::string* reason, const std::string& text) {
    *reason = text;
    return false;
}
bool failWithErrno(std::string* reason, const std::string& then = "") {
    return failWith(reason, systemCodeText(errno) + then);
}

// The file a path finally names: each symbolic link followed, even one that
// points at nothing yet (which a redirection would create).
bool finalTarget(const std::string& path, std::string* target, std::string* reason) {
    *target = path;
    for (int depth = 0; depth < LongestLinkChain; ++depth) {
        struct stat status;
        if (lstat(target->c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return true;
        std::vector<char> link(static_cast<size_t>(status.st_size > 0 ? status.st_size : 255) + 2);
        const ssize_t length = readlink(target->c_str(), link.data(), link.size());
        if (length < 0 || static_cast<size_t>(length) >= link.size()) return failWithErrno(reason);
        const std::string next(link.data(), static_cast<size_t>(length));
        const size_t slash = target->rfind('/');
        *target = next[0] == '/' || slash == std::string::npos ? next : target->substr(0, slash + 1) + next;
    }
    return failWith(reason, "too many levels of symbolic links");
}

bool writeAll(int descriptor, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t written = write(descriptor, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<size_t>(written);
    }
    return fsync(descriptor) == 0;
}

// A file with other names (hard links) is rewritten where it stands, as a
// redirection would: renaming a new file over this name would part it from
// its twins, which would keep the old text.
bool writeInPlace(const std::string& target, const std::string& text, std::string* reason) {
    const int descriptor = open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) return failWithErrno(reason);
    const bool written =
        writeAll(descriptor, text) && ftruncate(descriptor, static_cast<off_t>(text.size())) == 0;
    const int error = errno;
    close(descriptor);
    errno = error;
    return written || failWithErrno(reason);
}

// The mode a new file gets from the process's umask.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Written whole beside the target under a name no one can foresee or
// plant, created by this process alone, then renamed over it: a full disk
// leaves the old file as it was.
bool writeBeside(const std::string& target, const struct stat* old, const std::string& text,
                 std::string* reason) {
    const bool exists = old != nullptr;
    std::string temporary = target + ".XXXXXX";
    const int descriptor = mkstemp(&temporary[0]);
    if (descriptor < 0) return failWithErrno(reason, "; the file is as it was");
    // The old file's mode and owner stay with the name.
    bool written = fchmod(descriptor, exists ? old->st_mode & 07777 : newFileMode()) == 0;
    // Only root can give a file away; anyone else keeps it as theirs.
    if (written && exists && fchown(descriptor, old->st_uid, old->st_gid) != 0) written = geteuid() != 0;
    written = written && writeAll(descriptor, text);
    std::string why = written ? "" : systemCodeText(errno);
    if (close(descriptor) != 0 && why.empty()) why = systemCodeText(errno);
    if (why.empty() && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
    if (why.empty()) why = systemCodeText(errno);
    unlink(temporary.c_str());
    return failWith(reason, why + "; the file is as it was");
}

}  // namespace

bool writeFileWhole(const std::string& path, const std::string& text, std::string* reason) {
    std::string target;
    if (!finalTarget(path, &target, reason)) return false;
    struct stat old;
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return failWith(reason, "it is a directory");
    if (exists && !S_ISREG(old.st_mode))
        return failWith(reason,
                        "it is not a regular file (a FIFO, device or socket); nothing was written (\"-\" "
                        "writes to standard output)");
    if (exists && old.st_nlink > 1) return writeInPlace(target, text, reason);
    // Signals that would end the program wait until the temporary file is
    // renamed or removed, so that none is left behind.
    sigset_t ending, before;
    sigemptyset(&ending);
    for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGXFSZ}) sigaddset(&ending, signal);
    sigprocmask(SIG_BLOCK, &ending, &before);
    const bool done = writeBeside(target, exists ? &old : nullptr, text, reason);
    sigprocmask(SIG_SETMASK, &before, nullptr);
    return done;
}
