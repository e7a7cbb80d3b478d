#pragma once
// The platform's style, with the pictures of the window frames' buttons and
// of the bars' overflow buttons painted here like every other picture of the
// program. The style would read them from image files, and the first image
// file read costs a search for image readers while the first window is built.
#include <QIcon>
#include <QProxyStyle>
#include <map>

namespace vellora {

class StileVellora : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap quale, const QStyleOption* opzione = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    mutable std::map<StandardPixmap, QIcon> icone_;
};

} // namespace vellora
