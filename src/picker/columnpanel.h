#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace galewright {

class ColumnConfig;

// The picker's view of one table row: for each data column 1 to 45 a row
// 24 pixels high with the column's short name (80 wide) and a box holding
// the cell's text (100 wide). The panel is 180 x 1080 and is scrolled by
// the window moving it.
class ColumnPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 45;
    static constexpr int kRowHeight = 24;
    static constexpr int kLabelWidth = 80;
    static constexpr int kBoxWidth = 100;

    // Reads each column's "Type" description once, for the labels.
    explicit ColumnPanel(const ColumnConfig& config, QWidget* parent = nullptr);

    // Columns count from 1; null outside 1 to 45.
    QLineEdit* box(int column) const;
    QLabel* label(int column) const;
    QString boxText(int column) const;
    // Raises boxTextChanged when the text differs, as typing does.
    void setBoxText(int column, const QString& text);

signals:
    // After every change of a box's text, by the user or by the program.
    void boxTextChanged(int column);
    void boxFocused(int column);
    // Notch-scaled wheel delta over any label or box.
    void wheelTurned(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::array<QLabel*, kColumns> labels_{};
    std::array<QLineEdit*, kColumns> boxes_{};
};

} // namespace galewright
