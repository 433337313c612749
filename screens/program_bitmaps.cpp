#include "screens/program_bitmaps.h"

#include "shell/ppc_orvane_app.h"

namespace orvane {

platform::HBITMAP loadProgramBitmap(PPCOrvaneApp& app, int id, int width, int height) {
    platform::WindowSystem& ws = app.windows();
    if (ws.gdi().bitmapResource(id) == nullptr) ws.registerBitmapResource(id, width, height);
    return ws.LoadBitmap(app.instance(), id);
}

}  // namespace orvane
