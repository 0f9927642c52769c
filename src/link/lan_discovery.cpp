#include "link/lan_discovery.h"

LanDiscovery::LanDiscovery(Form1Controls& ui, FormState& state, UdpEndpoint& udp,
                           ConfigFrameCodec& frames, OperationLog& log, LanguageTable& lang,
                           MessageBoxes& boxes, Clock& clock, QWidget* dialogParent)
    : ui_(ui), state_(state), udp_(udp), frames_(frames), log_(log), lang_(lang), boxes_(boxes),
      clock_(clock), dialogParent_(dialogParent) {}
