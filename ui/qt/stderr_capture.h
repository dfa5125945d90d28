#pragma once

namespace veltrop {

// Diverts what the process writes to standard error (file descriptor 2),
// Qt's plugins and the libraries under them included, into an unnamed
// file, until it is passed on or dropped. If the file cannot be made,
// nothing is diverted.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Gives standard error back, with what was written meanwhile.
    void PassOn();
    // Gives standard error back, without it.
    void Drop();

private:
    bool Restore();

    int saved_ = -1;
    int file_ = -1;
};

}  // namespace veltrop
