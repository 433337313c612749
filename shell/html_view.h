// HTMLView: the bridge to one HTML viewer window ("DISPLAYCLASS"): it pushes whole pages (framed
// with the fixed page header and footer, or as they are), scrolls to anchors, moves the window,
// and filters the keys of the viewer's inner window so that Enter, Left and Right reach the
// current screen while Up and Down scroll the page. It never destroys its window: a deleted view
// hides it and hands it to the application, which destroys it when the module list is shown.
#pragma once

#include <string_view>

#include "platform/win_types.h"

namespace orvane {

class PPCOrvaneApp;

// Shared by every view of one application: the window that receives the forwarded keys (set by
// the most recently made view, cleared when any view is destroyed).
struct ViewerBridge {
    platform::HWND forwardTarget;
};

class HTMLView {
  public:
    // Creates the viewer as a visible child of parent at the content rectangle, installs the
    // key filter, and enables scripting and then ClearType.
    HTMLView(PPCOrvaneApp& app, platform::HWND parent);
    HTMLView(const HTMLView&) = delete;
    HTMLView& operator=(const HTMLView&) = delete;
    ~HTMLView();

    // Clears the viewer, adds the page (between the page header and footer when framed) and ends
    // the source. Screens frame builder pages and error texts; the disclaimer's page is a
    // complete document of its own.
    void SetPage(std::string_view text, bool framed);
    void JumpToAnchor(std::string_view name);
    // Moves and sizes the viewer (top of the z-order) unless the rectangle is the stored one.
    void Move(const platform::RECT& rect);

    platform::HWND window() const { return window_; }
    const platform::RECT& placement() const { return placement_; }

  private:
    void AddText(std::string_view text);

    PPCOrvaneApp& app_;
    platform::HWND window_;
    platform::HINSTANCE instance_;
    platform::RECT placement_;
};

}  // namespace orvane
