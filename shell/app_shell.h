// AppShell: the one interface through which the program's model side (the start-up sequence, the
// navigation history, the patient context's users) drives the user interface. It owns nothing;
// PPCOrvaneApp is the implementation that owns the main window.
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"
#include "model/request.h"

namespace orvane {

// The captions of ShowError by kind.
namespace error_kind {
inline constexpr int32_t kInvalidDocumentType = 0;  // "Invalid Document Type"
inline constexpr int32_t kMissingDatabase = 1;      // "Missing Database"
inline constexpr int32_t kMissingDocument = 2;      // "Missing Document"
inline constexpr int32_t kInvalidEntry = 3;         // "Invalid Entry"
inline constexpr int32_t kInvalidLink = 4;          // "Invalid Link"
}  // namespace error_kind

class AppShell {
  public:
    AppShell() = default;
    AppShell(const AppShell&) = delete;
    AppShell& operator=(const AppShell&) = delete;
    virtual ~AppShell() = default;

    // Window classes, main window, screen measurements, fonts.
    virtual void Initialise() = 0;
    // Does nothing: returns its argument unchanged.
    virtual int32_t PassThrough(int32_t value) = 0;
    // Shows the main window and runs the message loop until the quit message.
    virtual void Run() = 0;
    // The home list: with flag 0 the current screen is replaced by the module list; whatever the
    // flag, the main window is invalidated and updated.
    virtual void DisplayScreen(int32_t flag) = 0;
    // The screen factory: replaces the current screen by the one for the request.
    virtual void DisplayScreen(Request request) = 0;
    // The modal disclaimer of the kind (0 at start-up).
    virtual void ShowDisclaimer(int32_t kind) = 0;
    // A message box with the caption of the kind (see error_kind) and the text.
    virtual void ShowError(int32_t kind, const SharedString& text) = 0;
    // The start-up picture, and its removal.
    virtual void ShowSplash() = 0;
    virtual void EndSplash() = 0;
    // Local time in whole seconds since 1 January 1904 00:00.
    virtual int64_t CurrentTime() = 0;
    // Passes request 74 (direction below 1) or 75 to the current screen's Update.
    virtual void StepPage(int32_t direction) = 0;
};

}  // namespace orvane
