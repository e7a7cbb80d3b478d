#pragma once
// The title window: one picture, painted at run time; shown without blocking
// at start-up and as the about box. Any key or click closes it.
#include <QWidget>

namespace vellora {

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};

} // namespace vellora
