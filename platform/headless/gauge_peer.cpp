// The headless gauge: the widget holds the percentage and colours, the peer records.

#include "platform/headless/ui_backend.h"
#include "platform/ui/gauge.h"

namespace ui::backend {

std::unique_ptr<Peer> CreatePeer(Gauge&) { return std::make_unique<headless::RecordingPeer>(); }

}  // namespace ui::backend
