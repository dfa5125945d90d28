#pragma once

namespace veltrop {

// Ends the program with one clear line and exit status 1 when there is no
// display to open the window on, instead of Qt's several lines and abort.
// Made before QApplication, released once it stands: until then Qt's
// messages are held back, and passed on at Release() if Qt went on.
class DisplayGuard {
public:
    DisplayGuard(int argc, char* argv[]);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    void Release();

private:
    bool holding_ = false;
};

}  // namespace veltrop
