// The headless list view: the widget holds the rows and the selection, the peer records.

#include "platform/headless/ui_backend.h"
#include "platform/ui/list_view.h"

namespace ui::backend {

std::unique_ptr<Peer> CreatePeer(ListView&) { return std::make_unique<headless::RecordingPeer>(); }

}  // namespace ui::backend
