#include "editor/ui/MainWindowTips.h"

#include "editor/ui/MainWindow.h"
#include "support/ui/cToolTip.h"

#include <QCheckBox>

MainWindowTips::MainWindowTips(MainWindow& form) : form(form) {
    for (auto& m : managers)
        m = std::make_unique<cToolTip>();
    QObject::connect(form.ui.ckToolTips, &QCheckBox::clicked, &form, [this] { toggleTips(); });
    QObject::connect(&form, &MainWindow::activated, &form, [this] { toggleTips(); });
}

MainWindowTips::~MainWindowTips() = default;

cToolTip& MainWindowTips::manager(TipManager which) {
    return *managers[static_cast<std::size_t>(which)];
}

void MainWindowTips::Configure() {
    for (int i = 0; i < kTipManagers; ++i)
        managers[static_cast<std::size_t>(i)]->setLook(ManagerLook(static_cast<TipManager>(i)));
}

// Sets the tip of every control the entry names: one element of a control
// array, or the control (or every element) when the index is -1.
void MainWindowTips::SetTip(const ControlTip& tip, cToolTip* manager, bool on) {
    const QString text = on ? tip.text : QString();
    const auto controls = form.findChildren<QWidget*>(QString::fromLatin1(tip.control));
    for (QWidget* control : controls) {
        if (tip.index >= 0 && control->property("Index").toInt() != tip.index)
            continue;
        if (manager)
            manager->SetToolTipObj(control, text);
        else
            control->setToolTip(text);
    }
}

void MainWindowTips::toggleTips() {
    QCheckBox* box = form.ui.ckToolTips;
    const bool on = box->isChecked();
    form.project().tool.ToolTipsOn = on;
    box->setText(on ? QStringLiteral("Tips On") : QStringLiteral("Tips Off"));
    // The switch's own tip speaks of the tips being on; with them off it
    // has none either.
    box->setToolTip(on ? TipsOnText() : QString());
    for (const ControlTip& tip : PlainTips(form.project().settings))
        SetTip(tip, nullptr, on);
    for (const ManagedTip& tip : ManagedTips())
        SetTip(tip.tip, &manager(tip.manager), on);
}

void ConfigureToolTips(MainWindow& form) {
    form.tips().Configure();
}
