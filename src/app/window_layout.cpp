#include "app/window_layout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "app/controls.h"

QString familyName(const char* family, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(family)).arg(index);
}

namespace {

struct Rect {
    int left, top, width, height; // twips
};

template <typename W> W* place(W* widget, const QString& name, Rect r) {
    widget->setObjectName(name);
    widget->setGeometry(twips(r.left), twips(r.top), twips(r.width), twips(r.height));
    return widget;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& caption, Rect r) {
    return place(new QGroupBox(caption, parent), QLatin1String(name), r);
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, Rect r,
              Qt::Alignment align = Qt::AlignLeft) {
    QLabel* l = place(new QLabel(text, parent), name, r);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

ClickLabel* clickLabel(QWidget* parent, const QString& name, const QString& text, Rect r,
                       Qt::Alignment align = Qt::AlignLeft) {
    ClickLabel* l = place(new ClickLabel(text, parent), name, r);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QLineEdit* textBox(QWidget* parent, const QString& name, const QString& text, Rect r,
                   Qt::Alignment align = Qt::AlignLeft) {
    QLineEdit* e = place(new QLineEdit(text, parent), name, r);
    e->setAlignment(align | Qt::AlignVCenter);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, Rect r) {
    QPushButton* b = place(new QPushButton(text, parent), QLatin1String(name), r);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& text, Rect r,
                    const QString& tip = QString()) {
    QCheckBox* c = place(new QCheckBox(text, parent), name, r);
    if (!tip.isEmpty())
        c->setToolTip(tip);
    // Most boxes are only 12 px high: shrink the indicator so that it is not cut off, and
    // keep the caption close to it so that it ends before the next box in the row.
    const int indicator = c->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, c);
    if (c->height() < indicator + 2) {
        const int side = qMax(8, c->height() - 2);
        c->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; } "
                                        "QCheckBox::indicator { width: %1px; height: %1px; }")
                             .arg(side));
    }
    return c;
}

QComboBox* listCombo(QWidget* parent, const char* name, Rect r,
                     std::initializer_list<std::pair<const char*, int>> items) {
    QComboBox* c = place(new QComboBox(parent), QLatin1String(name), r);
    for (const auto& [text, code] : items)
        c->addItem(QLatin1String(text), code);
    c->setCurrentIndex(-1);
    return c;
}

QPlainTextEdit* multiLine(QWidget* parent, const char* name, Rect r, bool scrollBar) {
    QPlainTextEdit* e = place(new QPlainTextEdit(parent), QLatin1String(name), r);
    e->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->document()->setUndoRedoEnabled(false);
    return e;
}

QTimer* timer(QObject* parent, const char* name, int interval, bool running) {
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(interval);
    if (running)
        t->start();
    return t;
}

// The font of the parameter fields: a Song (serif) face at 12 points, with CJK fallbacks.
QFont fieldFont() {
    QFont f;
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                   QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    f.setPointSize(12);
    return f;
}

void colour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

const QString Help = QStringLiteral("(?)");

} // namespace

QFont windowFont() {
    QFont f = QApplication::font();
    f.setPointSize(9);
    return f;
}

Form1Controls buildWindowLayout(QMainWindow* window) {
    Form1Controls u;
    window->setFont(windowFont());
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    window->setCentralWidget(client);

    // Groups in the client area.
    u.Frame6 = group(client, "Frame6", QString(), {120, 0, 8295, 495});
    u.Frame1 = group(client, "Frame1", QStringLiteral("参数区"), {120, 600, 5055, 3855});
    u.Frame2 = group(client, "Frame2", QStringLiteral("操作日志"), {120, 4560, 5055, 3375});
    u.Frame4 = group(client, "Frame4", QStringLiteral("基础操作"), {5280, 600, 3135, 735});
    u.Frame5 = group(client, "Frame5", QStringLiteral("通过串口操作"), {5280, 1440, 3135, 1335});
    u.Frame3 = group(client, "Frame3", QStringLiteral("通过网络操作"), {5280, 2880, 3135, 5055});
    u.Frame10 = group(client, "Frame10", QString(), {8520, 0, 3495, 495});
    u.Frame7 = group(client, "Frame7", QStringLiteral("Reset"), {8520, 600, 3495, 735});
    u.Frame9 = group(client, "Frame9", QStringLiteral("Version"), {8520, 1440, 3495, 735});
    u.Frame11 = group(client, "Frame11", QStringLiteral("ID"), {8520, 2280, 3495, 735});
    u.Frame12 = group(client, "Frame12", QStringLiteral("特殊功能"), {8520, 3120, 3495, 1215});
    u.Frame8 = group(client, "Frame8", QStringLiteral("MAC"), {8520, 4440, 3495, 3495});

    // Frame6: hint line and update link.
    u.Label3 = clickLabel(u.Frame6, QStringLiteral("Label3"),
                          QStringLiteral("  鼠标悬停有提示；点问号有说明；还不明白再打电话。"),
                          {1200, 195, 5415, 255}, Qt::AlignHCenter);
    colour(u.Label3, QColor(0, 192, 0));
    u.gourl = clickLabel(u.Frame6, QStringLiteral("gourl"), QStringLiteral("检查更新"),
                         {6840, 195, 1215, 255}, Qt::AlignRight);
    colour(u.gourl, QColor(0, 0, 255));
    u.gourl->setAttribute(Qt::WA_TranslucentBackground);
    u.gourl->setCursor(Qt::WhatsThisCursor);

    // Frame1: the parameter panel, one row per field.
    QWidget* f1 = u.Frame1;
    auto l1 = [&](int i, const char* text, Rect r) {
        u.Label1[i] =
            label(f1, familyName("Label1", i), QString::fromUtf8(text), r, Qt::AlignRight);
    };
    auto l2 = [&](QWidget* parent, int i, Rect r) {
        u.Label2[i] = clickLabel(parent, familyName("Label2", i), Help, r);
    };
    auto ts = [&](QWidget* parent, int i, const char* text, Rect r,
                  Qt::Alignment align = Qt::AlignLeft) {
        u.Textsets[i] = textBox(parent, familyName("Textsets", i), QLatin1String(text), r, align);
    };

    l2(f1, 14, {1080, 0, 255, 255});
    l1(6, "模块工作方式：", {600, 285, 1335, 195});
    u.Combo_workmod =
        place(new QComboBox(f1), QStringLiteral("Combo_workmod"), {2160, 240, 2415, 300});
    u.Combo_workmod->setEditable(true);
    u.Combo_workmod->setInsertPolicy(QComboBox::NoInsert);
    u.Combo_workmod->addItems({QStringLiteral("UDP Mode"), QStringLiteral("TCP Client"),
                               QStringLiteral("UDP Server"), QStringLiteral("TCP Server")});
    u.Combo_workmod->setCurrentIndex(-1);
    u.Combo_workmod->setEditText(QStringLiteral("工作模式"));
    l2(f1, 2, {4680, 240, 255, 255});
    l1(0, "本模块IP地址：", {240, 630, 1695, 195});
    ts(f1, 0, "192.168.0.7", {2160, 570, 2415, 315});
    l2(f1, 13, {4680, 600, 255, 255});
    l1(1, "子网掩码：", {240, 990, 1695, 195});
    ts(f1, 1, "255.255.255.0", {2160, 960, 2415, 315});
    l2(f1, 11, {4680, 1020, 255, 255});
    l1(2, "默认网关：", {240, 1365, 1695, 195});
    ts(f1, 2, "192.168.0.201", {2160, 1320, 2415, 315});
    l2(f1, 1, {4680, 1400, 255, 255});
    l1(7, "串口波特率：", {360, 1725, 1575, 195});
    ts(f1, 3, "115200", {2160, 1680, 2415, 315});
    l2(f1, 12, {4680, 1760, 255, 255});
    l1(10, "校验/数据/停止：", {360, 2160, 1575, 195});
    u.Combo1 = listCombo(f1, "Combo1", {2160, 2160, 975, 300},
                         {{"NONE", 0}, {"ODD", 1}, {"EVEN", 3}, {"MARK", 5}, {"SPACE", 7}});
    u.Combo2 = listCombo(f1, "Combo2", {3240, 2160, 615, 300},
                         {{" 5", 0}, {" 6", 1}, {" 7", 2}, {" 8", 3}});
    u.Combo3 = listCombo(f1, "Combo3", {3960, 2160, 615, 300}, {{" 1", 0}, {" 2", 1}});
    l2(f1, 5, {4680, 2200, 255, 255});
    l1(3, "模块自身端口：", {240, 2700, 1695, 195});
    ts(f1, 4, "20108", {2160, 2640, 2415, 315});
    l2(f1, 4, {4680, 2700, 255, 255});
    l1(4, "连接目标IP：", {240, 3060, 1695, 195});
    ts(f1, 5, "192.168.0.201", {2160, 3000, 2415, 315});
    l2(f1, 0, {4680, 3120, 255, 255});
    l1(5, "连接目标端口：", {240, 3435, 1695, 195});
    ts(f1, 6, "8234", {2160, 3360, 2415, 315});
    l2(f1, 6, {4680, 3400, 255, 255});

    // The password row lies below the group's lower edge and is never seen.
    u.Label4 = label(f1, QStringLiteral("Label4"), QStringLiteral("旧密码"), {840, 4380, 615, 255});
    ts(f1, 9, "386072", {1440, 4320, 615, 375});
    u.Label2[3] = clickLabel(f1, familyName("Label2", 3), QStringLiteral("(?)新密码"),
                             {2160, 4380, 855, 255});
    u.Label2[3]->setToolTip(QStringLiteral("如果新密码与旧密码不同且旧密码正确，将会修改为新密码"));
    ts(f1, 10, "386072", {3000, 4320, 615, 375});
    ts(f1, 7, "mac", {3840, 4320, 615, 315});
    u.Textsets[7]->setVisible(false);
    new TypingLimit(u.Textsets[9], 6);
    new TypingLimit(u.Textsets[10], 6);

    // Frame2: the operation log.
    u.Text_log = multiLine(u.Frame2, "Text_log", {120, 240, 4815, 2895}, true);
    u.Text_log->setFrameShape(QFrame::NoFrame);
    u.Timer1 = timer(window, "Timer1", 2000, false);

    // Frame4: operations on the computer only.
    l2(u.Frame4, 9, {840, 0, 255, 255});
    u.Command_default =
        button(u.Frame4, "Command_default", QStringLiteral("载入默认"), {120, 240, 1335, 375});
    u.Command_saveset =
        button(u.Frame4, "Command_saveset", QStringLiteral("暂存参数"), {1640, 240, 1335, 375});

    // Frame5: operations over the serial port.
    l2(u.Frame5, 8, {1320, 0, 255, 255});
    u.Label1[9] = label(u.Frame5, familyName("Label1", 9),
                        QStringLiteral("设置时使用COM口(数字)："), {120, 360, 2295, 195});
    ts(u.Frame5, 8, "1", {2280, 240, 240, 360}, Qt::AlignHCenter);
    l2(u.Frame5, 7, {2760, 240, 255, 255});
    u.Command_read =
        button(u.Frame5, "Command_read", QStringLiteral("串口读取配置"), {140, 720, 1335, 375});
    u.Command_set =
        button(u.Frame5, "Command_set", QStringLiteral("通过串口设置"), {1640, 720, 1335, 375});

    // Frame3: operations over the network.
    l2(u.Frame3, 10, {1320, 0, 255, 255});
    u.Command_search =
        button(u.Frame3, "Command_search", QStringLiteral("通过网络搜索"), {140, 240, 1335, 375});
    u.Command_netset =
        button(u.Frame3, "Command_netset", QStringLiteral("通过网络设置"), {1640, 240, 1335, 375});
    u.List1 = place(new QListWidget(u.Frame3), QStringLiteral("List1"), {240, 720, 2655, 3480});
    u.List1->setSelectionMode(QAbstractItemView::SingleSelection);
    u.List1->addItem(QStringLiteral("  模块设备IP : MAC地址"));
    u.Label5 =
        label(u.Frame3, QStringLiteral("Label5"), QStringLiteral("双击搜索到的设备可以读取配置"),
              {120, 4320, 2985, 255}, Qt::AlignHCenter);
    u.Check_autoread = checkBox(u.Frame3, QStringLiteral("Check_autoread"),
                                QStringLiteral("搜索到设备后自动读取配置"), {360, 4560, 2535, 375});
    u.Check_autoread->setChecked(true);
    u.Timer2 = timer(window, "Timer2", 2000, false);
    u.Timer3 = timer(window, "Timer3", 1000, true);

    // Right column.
    u.Label6 = label(u.Frame10, QStringLiteral("Label6"), QStringLiteral("扩展功能区"),
                     {240, 200, 3015, 255}, Qt::AlignHCenter);
    u.Command_reset = button(u.Frame7, "Command_reset", QStringLiteral("复位网内所有模块"),
                             {120, 240, 1695, 375});
    u.Text_resettime =
        textBox(u.Frame7, QStringLiteral("Text_resettime"), QStringLiteral("23:59:59"),
                {2040, 240, 1215, 375}, Qt::AlignHCenter);
    u.Command_rv =
        button(u.Frame9, "Command_rv", QStringLiteral("通过串口读取版本"), {120, 240, 1695, 375});
    u.Label_ver = label(u.Frame9, QStringLiteral("Label_ver"), QStringLiteral("Ver"),
                        {2040, 240, 1215, 375}, Qt::AlignHCenter);
    l2(u.Frame11, 15, {360, 0, 255, 255});
    u.Check_flag[0] = checkBox(u.Frame11, familyName("Check_flag", 0), QStringLiteral("连接"),
                               {240, 360, 975, 180}, QStringLiteral("建立连接后发送ID号"));
    u.Check_flag[1] = checkBox(u.Frame11, familyName("Check_flag", 1), QStringLiteral("数据"),
                               {1320, 360, 975, 180}, QStringLiteral("发送数据时带ID号"));
    u.Text_id = textBox(u.Frame11, QStringLiteral("Text_id"), QStringLiteral("0"),
                        {2400, 240, 855, 375}, Qt::AlignHCenter);
    new TypingLimit(u.Text_id, 5);

    struct Flag {
        const char* caption;
        Rect r;
        const char* tip;
    };
    const Flag special[] = {
        {"RS485", {120, 360, 975, 180}, "RS485 enable"},
        {"RS422", {960, 360, 975, 180}, "RS422 enable"},
        {"Reset",
         {1800, 360, 975, 180},
         "When tcp client did not connect to server 30 times, restart module."},
        {"Link", {120, 840, 735, 180}, "Pin link to show if TCP has connected or not."},
        {"Index", {960, 840, 855, 180}, "TCP Server Index,4.12 or above support this function."},
        {"rfc2217",
         {1800, 840, 1095, 180},
         "RFC2217 change bandrate in Socket,4.13 support this function."},
    };
    for (int i = 0; i < 6; ++i)
        u.Check_flag[i + 2] =
            checkBox(u.Frame12, familyName("Check_flag", i + 2), QLatin1String(special[i].caption),
                     special[i].r, QLatin1String(special[i].tip));

    u.Textmac = multiLine(u.Frame8, "Textmac", {120, 240, 3255, 3135}, false);

    // Fields in the Song face; the passwords keep the window's font.
    for (int i = 0; i <= 10; ++i)
        if (i != 9 && i != 10)
            u.Textsets[i]->setFont(fieldFont());

    // Menus, each with its access key.
    QMenuBar* bar = window->menuBar();
    u.MenuFile = bar->addMenu(QStringLiteral("文件(&F)"));
    u.MenuFile->setObjectName(QStringLiteral("MenuFile"));
    auto action = [](QWidget* menu, const char* name, const QString& caption) {
        auto* a = new QAction(caption, menu);
        a->setObjectName(QLatin1String(name));
        menu->addAction(a);
        return a;
    };
    u.MenuLoadIni = action(u.MenuFile, "MenuLoadIni", QStringLiteral("载入默认配置(&D)"));
    u.MenuSaveIni = action(u.MenuFile, "MenuSaveIni", QStringLiteral("保存配置文件(&V)"));
    u.MenuExit = action(u.MenuFile, "MenuExit", QStringLiteral("退出(&E)"));
    u.MenuSearch = bar->addMenu(QStringLiteral("搜索(&S)"));
    u.MenuSearch->setObjectName(QStringLiteral("MenuSearch"));
    u.MenuLanSearch = action(u.MenuSearch, "MenuLanSearch", QStringLiteral("网络搜索(&L)"));
    u.MenuComSearch = action(u.MenuSearch, "MenuComSearch", QStringLiteral("串口读取(&C)"));
    u.MenuLang = action(bar, "MenuLang", QStringLiteral("English(&L)"));
    u.MenuAbout = action(bar, "MenuAbout", QStringLiteral("关于(&A)"));

    return u;
}
