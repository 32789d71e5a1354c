#include "pickerstatusbar.h"

#include <QLabel>
#include <QMouseEvent>

namespace galewright {

namespace {

constexpr int kReadoutWidth = 100;

} // namespace

PickerStatusBar::PickerStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setFixedHeight(kHeight);
    setSizeGripEnabled(false);
    setAutoFillBackground(true);
    for (auto& part : parts_) {
        part = new QLabel(this);
        part->setTextFormat(Qt::PlainText);
        // The bar itself takes the double click, wherever it lands.
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    parts_[0]->setFixedWidth(kReadoutWidth);
    parts_[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(parts_[0]);
    addWidget(parts_[1], 1);
    parts_[0]->setText(QStringLiteral("90.0N, 100.0E"));
}

void PickerStatusBar::setPartText(int part, const QString& text)
{
    if (part >= 1 && part <= kPartCount)
        parts_[static_cast<std::size_t>(part - 1)]->setText(text);
}

QString PickerStatusBar::partText(int part) const
{
    if (part < 1 || part > kPartCount)
        return {};
    return parts_[static_cast<std::size_t>(part - 1)]->text();
}

void PickerStatusBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    event->accept();
}

} // namespace galewright
