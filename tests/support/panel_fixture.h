#pragma once

#include "form_fixture.h"

// The real window with its language table loaded (English) and the default parameter set in
// the panel, as after load defaults; no box recorded, the log pane empty.
struct PanelFixture : FormFixture {
    PanelFixture();
    Form1& f() { return *form; }
    Form1Controls& ui() { return form->ui(); }
    QString langText(const char* key) const;
};
