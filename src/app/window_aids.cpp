#include "app/window_aids.h"

WindowAids::WindowAids(QMainWindow* window, Form1Controls& ui, FormState& state,
                       LanguageTable& lang, MessageBoxes& boxes, UrlOpener& urls, TrayIcon& tray)
    : window_(window), ui_(ui), state_(state), lang_(lang), boxes_(boxes), urls_(urls),
      tray_(tray) {}

void WindowAids::windowStateChanged() {}
