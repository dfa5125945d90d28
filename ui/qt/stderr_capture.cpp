#include "ui/qt/stderr_capture.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdio>

namespace veltrop {

StderrCapture::StderrCapture() {
    file_ = memfd_create("veltrop-stderr", MFD_CLOEXEC);
    if (file_ < 0) {
        return;
    }
    std::fflush(stderr);
    saved_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved_ < 0 || dup2(file_, STDERR_FILENO) < 0) {
        Drop();
    }
}

StderrCapture::~StderrCapture() {
    PassOn();
}

bool StderrCapture::Restore() {
    if (file_ < 0) {
        return false;
    }
    std::fflush(stderr);
    if (saved_ >= 0) {
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    return true;
}

void StderrCapture::PassOn() {
    if (!Restore()) {
        return;
    }
    std::array<char, 4096> buffer{};
    if (lseek(file_, 0, SEEK_SET) == 0) {
        ssize_t got = 0;
        while ((got = read(file_, buffer.data(), buffer.size())) > 0) {
            // Best effort: standard error is all there is to report to.
            for (ssize_t done = 0; done < got;) {
                const ssize_t put =
                    write(STDERR_FILENO, buffer.data() + done, static_cast<size_t>(got - done));
                if (put <= 0) {
                    break;
                }
                done += put;
            }
        }
    }
    close(file_);
    file_ = -1;
}

void StderrCapture::Drop() {
    if (Restore()) {
        close(file_);
        file_ = -1;
    }
}

}  // namespace veltrop
