#include "columnpanel.h"

#include "columnconfig.h"
#include "gbkcodec.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWheelEvent>

namespace galewright {

namespace {

constexpr char kColumnProperty[] = "deckColumn";

} // namespace

ColumnPanel::ColumnPanel(const ColumnConfig& config, QWidget* parent) : QWidget(parent)
{
    // The map canvas lies beneath the panel.
    setAutoFillBackground(true);
    resize(kLabelWidth + kBoxWidth, kColumns * kRowHeight);
    for (int column = 1; column <= kColumns; ++column) {
        const int top = (column - 1) * kRowHeight;
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText(QString::fromStdString(GbkCodec::toUtf8(config.columnDescription(column, ColumnConfig::kType))));
        label->setGeometry(0, top, kLabelWidth, kRowHeight);
        label->installEventFilter(this);
        auto* box = new QLineEdit(this);
        box->setGeometry(kLabelWidth, top, kBoxWidth, kRowHeight);
        box->setProperty(kColumnProperty, column);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, column] { emit boxTextChanged(column); });
        labels_[static_cast<std::size_t>(column - 1)] = label;
        boxes_[static_cast<std::size_t>(column - 1)] = box;
    }
}

QLineEdit* ColumnPanel::box(int column) const
{
    return column >= 1 && column <= kColumns ? boxes_[static_cast<std::size_t>(column - 1)] : nullptr;
}

QLabel* ColumnPanel::label(int column) const
{
    return column >= 1 && column <= kColumns ? labels_[static_cast<std::size_t>(column - 1)] : nullptr;
}

QString ColumnPanel::boxText(int column) const
{
    const QLineEdit* found = box(column);
    return found ? found->text() : QString();
}

void ColumnPanel::setBoxText(int column, const QString& text)
{
    if (QLineEdit* found = box(column))
        found->setText(text);
}

bool ColumnPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Taken here rather than left to reach the panel: a wheel event that
    // the program sends on does not travel to the parent.
    if (event->type() == QEvent::Wheel) {
        emit wheelTurned(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        const QVariant column = watched->property(kColumnProperty);
        if (column.isValid())
            emit boxFocused(column.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

void ColumnPanel::wheelEvent(QWheelEvent* event)
{
    emit wheelTurned(event->angleDelta().y());
    event->accept();
}

} // namespace galewright
