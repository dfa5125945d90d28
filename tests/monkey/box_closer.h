#pragma once

#include <QString>
#include <QTimer>
#include <random>

namespace veltrop::testing {

// Watches for the input-error box while it lives; checks each one that
// opens, then closes it as a user would (Return, Escape, Space or a click
// on its button, chosen by the shared random stream).
class BoxCloser {
public:
    explicit BoxCloser(std::mt19937& random);

    int Closed() const { return closed_; }
    // Empty unless a box was not the input-error box or would not close.
    const QString& Fault() const { return fault_; }

private:
    void Poll();

    std::mt19937& random_;
    QTimer timer_;
    int closed_ = 0;
    QString fault_;
};

}  // namespace veltrop::testing
