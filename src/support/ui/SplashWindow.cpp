#include "support/ui/SplashWindow.h"

#include "support/ProgramVersion.h"
#include "ui_SplashWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace {
// The labels' fonts, relative to the window's own.
struct LabelFont {
    const char* name;
    qreal scale;
    bool bold;
};
constexpr LabelFont kLabelFonts[] = {
    {"lblCompany", 1.1, false},  {"lblProductName", 2.2, true}, {"lblVersion", 1.0, false},
    {"lblPlatform", 1.0, false}, {"lblCopyright", 0.85, false},
};
} // namespace

SplashWindow::SplashWindow(std::function<void()> showMain, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      ui(std::make_unique<Ui::SplashWindow>()), showMainWindow(std::move(showMain)) {
    ui->setupUi(this);
    QPalette text = palette();
    text.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0xFF));
    setPalette(text);
    for (const LabelFont& f : kLabelFonts) {
        auto* label = findChild<QLabel*>(QLatin1String(f.name));
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * f.scale);
        font.setBold(f.bold);
        label->setFont(font);
    }
    ui->lblVersion->setText(QStringLiteral("Version ") + ProgramVersion());
    ui->lblPlatform->setText(PlatformText());

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1.setInterval(3000);
    Timer2.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &SplashWindow::handOver);
    connect(&Timer2, &QTimer::timeout, this, &SplashWindow::closeSplash);
    Timer1.start();
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::handOver() {
    if (showMainWindow)
        showMainWindow();
    Timer1.stop();
    Timer2.start();
}

void SplashWindow::closeSplash() {
    Timer2.stop();
    close();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(rect().topLeft(), rect().bottomRight());
    sky.setColorAt(0, QColor(0x1B, 0x3A, 0x6B));
    sky.setColorAt(1, QColor(0x5B, 0x2C, 0x83));
    painter.fillRect(rect(), sky);
    // A stack of three slides between the version and the platforms.
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
    const int gapTop = ui->lblVersion->geometry().bottom();
    const int top = gapTop + (ui->lblPlatform->geometry().top() - gapTop - 62) / 2;
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(QColor(255, 255, 255, 22 + 14 * i));
        painter.drawRoundedRect(QRectF(width() / 2 - 47 + 12 * i, top + 8 * i, 70, 46), 5, 5);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

// The splash takes no orders: keys and clicks are swallowed.
void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
