// A front end that shows the window system somewhere else (the browser page) and feeds the user's
// input back into it. The program attaches it on its user-interface thread once the window system
// exists and this copy holds the single-instance lock, tells it when a later start asks this copy
// to come to the front, and detaches it before the window system goes. The interface holds no
// state; what a front end does between attach and detach is its own.
#pragma once

namespace orvane::platform {

class WindowSystem;

class FrontEnd {
  public:
    virtual ~FrontEnd() = default;
    // Starts the front end on the window system; false when it cannot (nothing is left running).
    virtual bool attach(WindowSystem& system) = 0;
    // Another start asked this copy to come to the front.
    virtual void bringToFront() = 0;
    // Stops the front end; the window system is still alive.
    virtual void detach() = 0;
};

}  // namespace orvane::platform
