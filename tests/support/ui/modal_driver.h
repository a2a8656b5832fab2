#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <source_location>
#include <vector>

class QWidget;

namespace klv::test {

// Drives modal dialogs, which block the test while they are open: each step is queued before
// its dialog opens and acts on it once it is the active modal widget. A dialog is named by its
// object name or its class.
//
// A dialog that does not open in time fails the test with its name and the line that queued
// the step; from then on every modal dialog is rejected so the test runs to its end instead of
// hanging. A step still waiting when the driver goes out of scope fails the same way, so no
// missing dialog goes unnoticed.
class ModalDriver {
public:
    static constexpr int kDefaultTimeoutMs = 10000;

    explicit ModalDriver(int timeoutMs = kDefaultTimeoutMs);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    void When(const QString& name, std::function<void(QWidget&)> act,
              std::source_location queuedAt = std::source_location::current());

private:
    struct Step;
    int m_timeoutMs;
    std::vector<std::unique_ptr<Step>> m_steps;
};

}  // namespace klv::test
