#pragma once

#include <QColor>
#include <QLabel>

class QApplication;

namespace platform {

// The dark look every window shares.
void applyBlackSkin(QApplication& app);

// A section heading: a 20 px strip with a vertical grey gradient and bold centred text.
class GradientHeading : public QLabel {
    Q_OBJECT
public:
    explicit GradientHeading(const QString& text, QWidget* parent = nullptr);
    static QColor topColor() { return QColor(173, 173, 172); }
    static QColor bottomColor() { return QColor(152, 152, 152); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform
