#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace galewright {

// The main window's status bar: three parts of 100 and 150 pixels and the
// rest of the width, addressed 1 to 3 from the left.
class StatusPanel : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPartCount = 3;

    explicit StatusPanel(QWidget* parent = nullptr);

    void setPartText(int part, const QString& text);
    QString partText(int part) const;

private:
    std::array<QLabel*, kPartCount> parts_{};
};

} // namespace galewright
