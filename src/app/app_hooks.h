#pragma once

#include <functional>
#include <string>

namespace klv {

// The start-up and exit steps that belong to the windowing side or to other subsystems.
// An empty hook counts as success.
struct AppHooks {
    // Instead of the platform checks: the toolkit's own; returns the message, empty when fine.
    std::function<std::string()> checkRuntime;
    // Shared fonts, cursors and brushes; false ends start-up without a message.
    std::function<bool()> createSharedResources;
    // The potential trace buffer; false ends start-up with "Short of memory".
    std::function<bool()> createPotentialBuffer;
    // The result publishing service; false ends start-up without a message.
    std::function<bool()> startDdeServer;
    // At exit after the settings are written, when start-up got that far.
    std::function<void()> stopDdeServer;
    // Builds and runs the main window until it is closed.
    std::function<void()> runMainWindow;
    // At exit: releases what the hooks above created.
    std::function<void()> releaseResources;
};

}  // namespace klv
