#include "support/ui/frmSplash.h"

#include "support/ProgramVersion.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QLabel* Label(QWidget* parent, const char* name, const QString& text, qreal scale, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
} // namespace

frmSplash::frmSplash(std::function<void()> showMain, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      showMainWindow(std::move(showMain)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Pevrano Slide Show"));
    setFixedSize(440, 260);
    QPalette text = palette();
    text.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0xFF));
    setPalette(text);

    lblCompany = Label(this, "lblCompany", QStringLiteral("Pevrano"), 1.1, false);
    lblProductName = Label(this, "lblProductName", QStringLiteral("Pevrano Slide Show"), 2.2, true);
    lblVersion =
        Label(this, "lblVersion", QStringLiteral("Version ") + ProgramVersion(), 1.0, false);
    lblPlatform = Label(this, "lblPlatform", PlatformText(), 1.0, false);
    lblCopyright = Label(this, "lblCopyright",
                         QStringLiteral("Web-ready slide shows from your pictures.\n"
                                        "Copyright \u00A9 2026 Pevrano. All rights reserved."),
                         0.85, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 18);
    layout->addWidget(lblCompany);
    layout->addSpacing(6);
    layout->addWidget(lblProductName);
    layout->addWidget(lblVersion);
    layout->addStretch(1);
    layout->addWidget(lblPlatform);
    layout->addSpacing(8);
    layout->addWidget(lblCopyright);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1.setInterval(3000);
    Timer2.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &frmSplash::Timer2_Timer);
    Timer1.start();
}

void frmSplash::Timer1_Timer() {
    if (showMainWindow)
        showMainWindow();
    Timer1.stop();
    Timer2.start();
}

void frmSplash::Timer2_Timer() {
    Timer2.stop();
    close();
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(rect().topLeft(), rect().bottomRight());
    sky.setColorAt(0, QColor(0x1B, 0x3A, 0x6B));
    sky.setColorAt(1, QColor(0x5B, 0x2C, 0x83));
    painter.fillRect(rect(), sky);
    // A stack of three slides between the version and the platforms.
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
    const int gapTop = lblVersion->geometry().bottom();
    const int top = gapTop + (lblPlatform->geometry().top() - gapTop - 62) / 2;
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(QColor(255, 255, 255, 22 + 14 * i));
        painter.drawRoundedRect(QRectF(width() / 2 - 47 + 12 * i, top + 8 * i, 70, 46), 5, 5);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

// The splash takes no orders: keys and clicks are swallowed.
void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
