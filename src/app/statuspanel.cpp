#include "statuspanel.h"

#include <QLabel>

namespace galewright {

namespace {

constexpr int kDesignHeight = 26;
constexpr int kFirstPartWidth = 100;
constexpr int kSecondPartWidth = 150;

} // namespace

StatusPanel::StatusPanel(QWidget* parent) : QStatusBar(parent)
{
    setMinimumHeight(kDesignHeight);
    for (auto& part : parts_) {
        part = new QLabel(this);
        part->setTextFormat(Qt::PlainText);
    }
    parts_[0]->setFixedWidth(kFirstPartWidth);
    parts_[1]->setFixedWidth(kSecondPartWidth);
    // A long description must not widen the window; it is cut instead.
    parts_[2]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(parts_[0]);
    addWidget(parts_[1]);
    addWidget(parts_[2], 1);
    parts_[2]->setText(QStringLiteral("请先打开或新建一个文件。"));
}

void StatusPanel::setPartText(int part, const QString& text)
{
    if (part >= 1 && part <= kPartCount)
        parts_[static_cast<std::size_t>(part - 1)]->setText(text);
}

QString StatusPanel::partText(int part) const
{
    if (part < 1 || part > kPartCount)
        return {};
    return parts_[static_cast<std::size_t>(part - 1)]->text();
}

} // namespace galewright
