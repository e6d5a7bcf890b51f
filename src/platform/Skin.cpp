#include "Skin.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace platform {

namespace {

// Fusion draws check-box frames a shade darker than the window, which disappears on a dark
// window; this draws a light frame round them.
class BlackStyle : public QProxyStyle {
public:
    BlackStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_IndicatorCheckBox || element == PE_IndicatorItemViewItemCheck) {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, false);
            painter->setPen(option->state & State_Enabled ? QColor(150, 150, 155) : QColor(90, 90, 94));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }
};

} // namespace

void applyBlackSkin(QApplication& app) {
    app.setStyle(new BlackStyle);
    QPalette p;
    const QColor window(38, 38, 40);
    const QColor base(24, 24, 26);
    const QColor text(222, 222, 222);
    const QColor disabled(120, 120, 120);
    const QColor accent(214, 138, 36);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(44, 44, 47));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(52, 52, 56));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, QColor(70, 70, 74));
    p.setColor(QPalette::Midlight, QColor(60, 60, 64));
    p.setColor(QPalette::Mid, QColor(34, 34, 36));
    p.setColor(QPalette::Dark, QColor(20, 20, 22));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, accent.lighter(120));
    p.setColor(QPalette::Disabled, QPalette::Text, disabled);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    app.setPalette(p);
}

GradientHeading::GradientHeading(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFixedHeight(20);
    setAlignment(Qt::AlignCenter);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void GradientHeading::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, topColor());
    g.setColorAt(1, bottomColor());
    painter.fillRect(rect(), g);
    painter.setPen(QColor(20, 20, 20));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace platform
