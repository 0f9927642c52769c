#include "lang/captions.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

#include "app/controls.h"
#include "app/operation_log.h"
#include "app/window_layout.h"
#include "lang/language_table.h"

QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

Captions::Captions(QMainWindow* window, Form1Controls& ui, LanguageTable& lang, OperationLog& log)
    : window_(window), ui_(ui), lang_(lang), log_(log) {
    QObject::connect(ui_.MenuLang, &QAction::triggered, window_, [this] { MenuLang_Click(); });
}

void Captions::MenuLang_Click() {
    lang_.switchLanguage();
    applyLang();
}

void Captions::applyLang() {
    auto text = [this](const char* key) { return lang_.getLangText(QLatin1String(key)); };
    auto menu = [&](QMenu* m, const char* key) { m->setTitle(text(key)); };
    auto item = [&](QAction* a, const char* key) { a->setText(text(key)); };
    auto caption = [&](auto* w, const char* key) { w->setText(text(key)); };
    auto group = [&](QGroupBox* g, const char* key) { g->setTitle(text(key)); };
    auto tip = [&](QWidget* w, const char* key) { w->setToolTip(text(key)); };

    window_->setWindowTitle(text("lang_appname") + QLatin1Char('V') + versionText());
    menu(ui_.MenuFile, "lang_MenuFile");
    menu(ui_.MenuSearch, "lang_MenuSearch");
    item(ui_.MenuAbout, "lang_MenuAbout");
    item(ui_.MenuLang, "lang_english");
    item(ui_.MenuLoadIni, "lang_MenuLoadIni");
    item(ui_.MenuSaveIni, "lang_MenuSaveIni");
    item(ui_.MenuExit, "lang_MenuExit");
    item(ui_.MenuLanSearch, "lang_MenuLanSearch");
    item(ui_.MenuComSearch, "lang_MenuComSearch");
    caption(ui_.Command_search, "lang_Command_search");
    caption(ui_.Command_read, "lang_Command_read");
    caption(ui_.Command_set, "lang_Command_set");
    caption(ui_.Command_default, "lang_Command_default");
    caption(ui_.Command_saveset, "lang_Command_saveset");
    caption(ui_.Command_netset, "lang_Command_netset");
    caption(ui_.Command_reset, "lang_Command_reset");
    tip(ui_.Command_search, "lang_Command_search_t");
    tip(ui_.Command_read, "lang_Command_read_t");
    tip(ui_.Command_set, "lang_Command_set_t");
    tip(ui_.Command_default, "lang_Command_default_t");
    tip(ui_.Command_saveset, "lang_Command_saveset_t");
    tip(ui_.Command_netset, "lang_Command_netset_t");
    tip(ui_.Command_reset, "lang_Command_reset_t");
    tip(ui_.Text_resettime, "Text_resettime_t");
    tip(ui_.Textsets[8], "lang_Textsets_tip");
    tip(ui_.Label2[10], "lang_qnetopra");
    tip(ui_.Label2[9], "lang_qbaseopra");
    tip(ui_.Label2[8], "lang_qcomopra");
    tip(ui_.Label2[7], "lang_qcportopra");
    caption(ui_.Label1[6], "lang_workmode");
    caption(ui_.Label1[0], "lang_moduleip");
    caption(ui_.Label1[1], "lang_submask");
    caption(ui_.Label1[2], "lang_gateway");
    caption(ui_.Label1[7], "lang_bandrate");
    caption(ui_.Label1[10], "lang_datastop");
    caption(ui_.Label1[3], "lang_modulePort");
    caption(ui_.Label1[4], "lang_destIP");
    caption(ui_.Label1[5], "lang_destPort");
    tip(ui_.Label2[14], "lang_qparameter");
    tip(ui_.Label2[2], "lang_qworkmode");
    tip(ui_.Label2[13], "lang_qmoduleip");
    tip(ui_.Label2[11], "lang_qsubmask");
    tip(ui_.Label2[1], "lang_qgateway");
    tip(ui_.Label2[12], "lang_qbandrate");
    tip(ui_.Label2[5], "lang_qdatastop");
    tip(ui_.Label2[4], "lang_qmodulePort");
    tip(ui_.Label2[0], "lang_qdestIP");
    tip(ui_.Label2[6], "lang_qdestPort");
    tip(ui_.Label2[15], "lang_qid");
    caption(ui_.Command_rv, "lang_comReadVer");
    caption(ui_.Label6, "lang_expandFunctions");
    group(ui_.Frame5, "lang_opera_com_tip");
    group(ui_.Frame3, "lang_opera_lan_tip");
    group(ui_.Frame4, "lang_basecommand");
    group(ui_.Frame2, "lang_log");
    group(ui_.Frame1, "lang_parameter");
    group(ui_.Frame12, "lang_special");
    caption(ui_.gourl, "lang_gourl");
    tip(ui_.gourl, "lang_gourl_tip");
    caption(ui_.Label3, "lang_help_tip");
    caption(ui_.Label5, "lang_doubleclick");
    caption(ui_.Check_autoread, "lang_autoread");
    caption(ui_.Label1[9], "lang_setcom_tip");
    tip(ui_.List1, "lang_List1_tip");
    // The header row: built with the list, and added first again by every search or reset.
    if (ui_.List1->count() == 0)
        ui_.List1->addItem(QString());
    ui_.List1->item(0)->setText(text("lang_List1_AddItem"));
    log_.writeLog(text("lang_help"), 0);
    caption(ui_.Check_flag[0], "lang_idconnect");
    caption(ui_.Check_flag[1], "lang_iddata");
    tip(ui_.Text_id, "lang_idtexttip");
}
