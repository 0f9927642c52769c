#include "panel_fixture.h"

#include <QPlainTextEdit>

#include "config/parameter_panel.h"

PanelFixture::PanelFixture() {
    create();
    form->lang().LangSel = 2;
    form->lang().loadFile(exeFile(QStringLiteral("lang.txt")));
    form->panel().loadDefaults();
    boxes.shown.clear();
    form->ui().Text_log->clear();
}

QString PanelFixture::langText(const char* key) const {
    return form->lang().getLangText(QLatin1String(key));
}
