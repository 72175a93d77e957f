#include "dmainwidget.h"

#include "ddatamanager.h"
#include "ddevicepage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {
constexpr int kResizeMargin = 4;
}

DMainWidget::DMainWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DMainWidget"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    setMouseTracking(true);
    setMinimumSize(1280, 800);
    resize(1280, 800);

    QSettings defaults(QStringLiteral(":/images/configDir/QuelmoDefaultConfig.ini"), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    const QString company =
        defaults.value(QStringLiteral("CompanyName/ComName"), QStringLiteral("Tidelumen")).toString();
    setWindowTitle(company);
    setWindowIcon(QIcon(QStringLiteral(":/images/quelmoLogo.png")));
    DDataManager::getInstance()->setUseLocalFont(
        defaults.value(QStringLiteral("UseLocalFont/useFontStatus"), false).toBool());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 12);
    auto *titleRow = new QHBoxLayout;
    m_title = new QLabel(company, this);
    m_title->setObjectName(QStringLiteral("label_Title"));
    titleRow->addWidget(m_title);
    titleRow->addStretch();
    auto *minimise = new QPushButton(QStringLiteral("–"), this);
    minimise->setObjectName(QStringLiteral("pushButton_Min"));
    auto *close = new QPushButton(QStringLiteral("×"), this);
    close->setObjectName(QStringLiteral("pushButton_Close"));
    for (QPushButton *b : {minimise, close}) {
        b->setFixedSize(32, 28);
        b->setFlat(true);
        titleRow->addWidget(b);
    }
    connect(minimise, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addLayout(titleRow);
    m_devicePage = new DDevicePage(this);
    layout->addWidget(m_devicePage, 1);
    applyTheme();
    m_devicePage->applyTheme();
}

void DMainWidget::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    m_title->setFont(DDataManager::getInstance()->getFont(0));
    setStyleSheet(QStringLiteral("QLabel{color:rgb(%1);} QPushButton{color:rgb(%1);border:none;}"
                                 "QPushButton:hover{color:rgb(%2);}")
                      .arg(c.TextDefaultColor, c.AllThemeColor));
}

void DMainWidget::paintEvent(QPaintEvent *)
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    QPainter p(this);
    p.fillRect(rect(), ThemeColors::toColor(c.MainWidgetBgColor));
    p.setPen(ThemeColors::toColor(c.MainWidgetBorderColor));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DMainWidget::resizeZoneAt(int x, int y)
{
    if (m_leftPressed)
        return;
    const QRect r = frameGeometry();
    const QPoint p(x, y);
    const auto near = [](int a, int b) { return qAbs(a - b) <= kResizeMargin; };
    const bool inX = x >= r.left() - kResizeMargin && x <= r.right() + kResizeMargin;
    const bool inY = y >= r.top() - kResizeMargin && y <= r.bottom() + kResizeMargin;
    ResizeZone zone = ZoneNone;
    if (inX && inY) {
        if (near(x, r.left()) && near(y, r.top()))
            zone = ZoneTopLeft;
        else if (near(x, r.right()) && near(y, r.bottom()))
            zone = ZoneBottomRight;
        else if (near(x, r.left()) && near(y, r.bottom()))
            zone = ZoneBottomLeft;
        else if (near(x, r.right()) && near(y, r.top()))
            zone = ZoneTopRight;
        else if (near(x, r.left()))
            zone = ZoneLeft;
        else if (near(x, r.right()))
            zone = ZoneRight;
        else if (near(y, r.top()))
            zone = ZoneTop;
        else if (near(y, r.bottom()))
            zone = ZoneBottom;
    }
    Q_UNUSED(p)
    m_zone = zone;
    switch (zone) {
    case ZoneTopLeft:
    case ZoneBottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case ZoneBottomLeft:
    case ZoneTopRight:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case ZoneLeft:
    case ZoneRight:
        setCursor(Qt::SizeHorCursor);
        break;
    case ZoneTop:
    case ZoneBottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case ZoneNone:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

void DMainWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
        m_pressGlobal = event->globalPos();
        m_pressGeometry = geometry();
    }
    QWidget::mousePressEvent(event);
}

void DMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_leftPressed && (event->buttons() & Qt::LeftButton)) {
        const QPoint d = event->globalPos() - m_pressGlobal;
        QRect g = m_pressGeometry;
        switch (m_zone) {
        case ZoneNone:
            move(m_pressGeometry.topLeft() + d);
            return;
        case ZoneLeft:
            g.setLeft(g.left() + d.x());
            break;
        case ZoneRight:
            g.setRight(g.right() + d.x());
            break;
        case ZoneTop:
            g.setTop(g.top() + d.y());
            break;
        case ZoneBottom:
            g.setBottom(g.bottom() + d.y());
            break;
        case ZoneTopLeft:
            g.setTopLeft(g.topLeft() + d);
            break;
        case ZoneBottomRight:
            g.setBottomRight(g.bottomRight() + d);
            break;
        case ZoneBottomLeft:
            g.setBottomLeft(g.bottomLeft() + d);
            break;
        case ZoneTopRight:
            g.setTopRight(g.topRight() + d);
            break;
        }
        if (g.width() >= minimumWidth() && g.height() >= minimumHeight())
            setGeometry(g);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void DMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    QWidget::mouseReleaseEvent(event);
}
