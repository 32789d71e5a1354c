#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace galewright {

// The picker's status bar: the readout of the pointer's position (100
// pixels) and the messages (the rest), parts 1 and 2. A double click
// anywhere on it enters the pending pick.
class PickerStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kHeight = 22;
    static constexpr int kPartCount = 2;

    explicit PickerStatusBar(QWidget* parent = nullptr);

    void setPartText(int part, const QString& text);
    QString partText(int part) const;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::array<QLabel*, kPartCount> parts_{};
};

} // namespace galewright
