#pragma once
// The platform's style, with the buttons of the plane's and the comment's
// window frames painted here like every other picture of the program. The
// style would read them from image files, and reading the first image file
// costs a search for image readers while the first window is being built.
#include <QProxyStyle>

namespace vellora {

class StileVellora : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap quale, const QStyleOption* opzione = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace vellora
